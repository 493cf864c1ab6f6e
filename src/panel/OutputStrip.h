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
    // Selects item s (1..10); any other value leaves no item selected.
    void selectSource(int source);

    // What a screen reader calls the output and source s (1..10): the
    // configured name, or the number while none is configured. The accessible
    // names of the strip's controls follow ("Zdroj CD výstupu Hala").
    void setOutputLabel(const QString& label);
    void setSourceLabel(int source, const QString& label);

Q_SIGNALS:
    // The operator chose item s (1..10), also the one already selected: the
    // mouse, the keys or assistive technology. selectSource() never emits it.
    void sourceClicked(int source);

private:
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
