#include "settings/FlagBoxGroup.h"

#include "settings/CaptionText.h"
#include "users/UserRights.h"

#include <QCheckBox>
#include <QGridLayout>

namespace orfa::settings {
namespace {

// Boxes stand in two columns, filled downwards.
constexpr int kColumns = 2;

} // namespace

FlagBoxGroup::FlagBoxGroup(const QString& caption, const QString& objectPrefix, int count,
                           int firstTag, QString& flags, QWidget* parent)
    : QGroupBox(caption, parent)
    , firstTag_(firstTag)
    , flags_(flags) {
    auto* grid = new QGridLayout(this);
    const int perColumn = (count + kColumns - 1) / kColumns;
    boxes_.reserve(static_cast<std::size_t>(count));
    for (int k = 1; k <= count; ++k) {
        auto* box = new QCheckBox(this);
        box->setObjectName(objectPrefix + QString::number(k));
        grid->addWidget(box, (k - 1) % perColumn, (k - 1) / perColumn);
        const int tag = firstTag + k - 1;
        connect(box, &QCheckBox::toggled, this, [this, tag](bool on) { boxToggled(tag, on); });
        boxes_.push_back(box);
    }
}

void FlagBoxGroup::setItem(int k, const QString& name, bool enabled) {
    QCheckBox* item = box(k);
    item->setText(captionText(name));
    item->setAccessibleName(title() + QStringLiteral(": ") + name);
    item->setEnabled(enabled);
}

void FlagBoxGroup::showFlags(const QString& flags) {
    for (int k = 1; k <= count(); ++k)
        box(k)->setChecked(users::flags::hasOwnLetter(flags, firstTag_ + k - 1));
}

void FlagBoxGroup::selectEnabled() {
    for (QCheckBox* item : boxes_)
        item->setChecked(item->isEnabled());
}

void FlagBoxGroup::clearAll() {
    for (QCheckBox* item : boxes_)
        item->setChecked(false);
}

void FlagBoxGroup::boxToggled(int tag, bool ticked) {
    if (tag < 1 || tag > flags_.size())
        return;
    flags_[tag - 1] = ticked ? users::flags::letterFor(tag) : QLatin1Char('0');
}

} // namespace orfa::settings
