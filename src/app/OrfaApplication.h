#pragma once

#include <QApplication>

namespace orfa::app {

// The application object. An error that no handler caught ends the step in
// which it arose and is logged by logUncaughtError; the program runs on.
class OrfaApplication : public QApplication {
    Q_OBJECT
public:
    OrfaApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    // Writes the error as a warning of the orfa.app category, once.
    static void logUncaughtError(const char* what);
};

} // namespace orfa::app
