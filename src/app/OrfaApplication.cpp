#include "app/OrfaApplication.h"

#include "config/ProgramVersion.h"

#include <QLoggingCategory>

#include <exception>

Q_LOGGING_CATEGORY(lcApp, "orfa.app", QtInfoMsg)

namespace orfa::app {

OrfaApplication::OrfaApplication(int& argc, char** argv)
    : QApplication(argc, argv) {
    // No display name: the window system would append it to every title.
    setApplicationName(QStringLiteral("Orfa"));
    setApplicationVersion(config::programVersion());
}

bool OrfaApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        logUncaughtError(error.what());
    } catch (...) {
        logUncaughtError("unknown error");
    }
    return false;
}

void OrfaApplication::logUncaughtError(const char* what) {
    qCWarning(lcApp, "error ignored: %s", what);
}

} // namespace orfa::app
