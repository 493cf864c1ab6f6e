#pragma once

#include <QObject>

class QCheckBox;
class QSlider;

namespace orfa::link {
class AmpLink;
}

namespace orfa::panel {

class AmpRequests;
class InputsPage;
class OutputStrip;
class OutputsPage;
class PanelModel;

// What the operator's moves and clicks send to the amplifier. Every handler
// does nothing while the panel is putting received values into its controls.
// The panel shows each change at once; the amplifier's answer only takes the
// command out of the send queue.
class ControlActions : public QObject {
    Q_OBJECT
public:
    ControlActions(PanelModel& model, link::AmpLink& link, AmpRequests& requests,
                   QObject* parent = nullptr);

    // Connects the handlers to the controls of the pages and the master volume.
    void attach(InputsPage& inputs, OutputsPage& outputs1, OutputsPage& outputs9,
                QSlider& masterVolume);

    // A level slider moved: sends (n, p), spread over the output's group.
    void TrackBar43Change(QSlider* slider);
    // A mute check box clicked: the slider goes to 79 or back to where it was.
    void muteClicked(QCheckBox* box);
    void RadioGroup13Click(int output, int source);
    void VolTrackBarChange(int position);
    void TrackBar9Change(QSlider* slider);
    void Radio1MemButtClick(int memory);
    void Aktivovat81Click(int preset);
    void P81Click(int preset);

private:
    void attachStrip(OutputStrip& strip);

    PanelModel& model_;
    link::AmpLink& link_;
    AmpRequests& requests_;
};

} // namespace orfa::panel
