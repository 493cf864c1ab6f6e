#pragma once

#include <QGroupBox>
#include <QString>

#include <vector>

class QCheckBox;

namespace orfa::settings {

// A framed group of flag check boxes in the user editor. Box k (1..count) carries the tag
// firstTag + k - 1, its position in the flag string it writes: whenever a box changes state,
// by a click or by the editor, that position of the string becomes the position's own letter
// ('A' for 1) when ticked and '0' when not. Positions outside the string are left alone.
class FlagBoxGroup : public QGroupBox {
    Q_OBJECT
public:
    // flags: the working string this group writes; it must outlive the group. Boxes are
    // named objectPrefix + k ("inputConfigBox3").
    FlagBoxGroup(const QString& caption, const QString& objectPrefix, int count, int firstTag,
                 QString& flags, QWidget* parent = nullptr);

    int count() const { return static_cast<int>(boxes_.size()); }
    // Box k, 1..count().
    QCheckBox* box(int k) const { return boxes_.at(static_cast<std::size_t>(k - 1)); }

    // Caption and enabled state of box k, as the settings dialog passes them on.
    void setItem(int k, const QString& name, bool enabled);
    // Box k is ticked exactly when position tag(k) of flags holds its own letter.
    void showFlags(const QString& flags);
    // "Vybrat vše": ticks the enabled boxes and unticks the disabled ones.
    void selectEnabled();
    void clearAll();

private:
    void boxToggled(int tag, bool ticked);

    std::vector<QCheckBox*> boxes_;
    int firstTag_;
    QString& flags_;
};

} // namespace orfa::settings
