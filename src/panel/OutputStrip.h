#pragma once

#include "link/Instructions.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QRadioButton;

namespace orfa::panel {

class PanelSlider;

// Output strip n (1..16): the source group (ten items, one per source), the
// level slider inside the group's frame, and the mute check box below it.
//
// The slider and the check box are not children of the group box: a disabled
// group must not disable the level, which follows rights of its own. They are
// laid over the free right-hand part of the group's frame instead.
class OutputStrip : public QWidget {
    Q_OBJECT
public:
    OutputStrip(int output, QWidget* parent = nullptr);

    int output() const { return output_; }
    QGroupBox* sourceGroup() const { return group_; }
    // 1..10
    QRadioButton* sourceButton(int source) const {
        return buttons_.at(static_cast<std::size_t>(source - 1));
    }
    PanelSlider* levelSlider() const { return slider_; }
    QCheckBox* muteBox() const { return mute_; }

    // 1..10, or 0 when no item is selected.
    int selectedSource() const;
    // Selects item s (1..10); any other value leaves no item selected. Never
    // reports sourceChosen().
    void selectSource(int source);
    // Ticks or clears the mute check box. Never reports muteChosen().
    void showMuted(bool muted);

    // What a screen reader calls the output and source s (1..10): the
    // configured name, or the number while none is configured. The accessible
    // names of the strip's controls follow ("Zdroj CD výstupu Hala").
    void setOutputLabel(const QString& label);
    void setSourceLabel(int source, const QString& label);

Q_SIGNALS:
    // The operator selected item s (1..10), which was not selected: the mouse,
    // the keys, or assistive technology toggling or pressing the item.
    void sourceChosen(int source);
    // The operator ticked or cleared the mute check box, by any of those ways.
    void muteChosen(bool muted);

private:
    void buildSourceGroup();
    // The group, the slider laid over its frame, the check box below.
    void layOut();
    void nameControls();
    void nameSourceButton(int source);

    int output_;
    QString outputLabel_;
    std::array<QString, link::kSourceCount> sourceLabels_;
    QGroupBox* group_ = nullptr;
    QButtonGroup* buttonGroup_ = nullptr;
    std::array<QRadioButton*, link::kSourceCount> buttons_{};
    PanelSlider* slider_ = nullptr;
    QCheckBox* mute_ = nullptr;
};

} // namespace orfa::panel
