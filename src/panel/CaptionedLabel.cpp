#include "panel/CaptionedLabel.h"

namespace orfa::panel {

CaptionedLabel::CaptionedLabel(QString caption, QWidget* parent)
    : QLabel(parent)
    , caption_(std::move(caption)) {
    setAccessibleName(caption_);
}

void CaptionedLabel::setShownText(const QString& text) {
    setText(text);
    if (!caption_.isEmpty())
        setAccessibleName(text.isEmpty() ? caption_ : caption_ + QStringLiteral(": ") + text);
}

} // namespace orfa::panel
