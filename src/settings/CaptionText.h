#pragma once

#include <QString>

namespace orfa::settings {

// A stored name as the caption of a button, check box or group box, on the panel and in the
// settings dialog alike: '&' would otherwise mark the next letter as a keyboard shortcut and
// vanish from the caption.
inline QString captionText(const QString& name) {
    QString text = name;
    text.replace(QLatin1Char('&'), QStringLiteral("&&"));
    return text;
}

} // namespace orfa::settings
