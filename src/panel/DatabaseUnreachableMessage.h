#pragma once

#include <QString>

class QWidget;

namespace orfa::panel {

// Tells the operator at start that the central database could not be reached (or read),
// why, and what to do about it, while the panel runs without rights.
class DatabaseUnreachableMessage {
public:
    // The message: reason is the server's text, settingsPath the settings file in which
    // the database can be switched off.
    static QString text(const QString& reason, const QString& settingsPath);

    // Shows text() in a modal warning box over parent and returns when it is closed.
    static void show(QWidget* parent, const QString& reason, const QString& settingsPath);
};

} // namespace orfa::panel
