#pragma once

#include <QString>

namespace orfa::settings {

// The settings dialog's title, which its messages carry as their caption.
inline QString settingsCaption() {
    return QStringLiteral("Nastavení");
}

} // namespace orfa::settings
