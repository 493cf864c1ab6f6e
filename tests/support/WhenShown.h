#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>

// Works on a modal dialog that the test's next step opens (a click whose handler runs the
// dialog's own event loop): as soon as a visible dialog of that object name appears, work
// runs on it inside that loop. Work should close it; a dialog still open afterwards is
// cancelled, so that the test never hangs. Header only, for the tests of every area.
class WhenShown {
public:
    WhenShown(const QString& objectName, std::function<void(QDialog&)> work)
        : name_(objectName)
        , work_(std::move(work)) {
        QObject::connect(&poll_, &QTimer::timeout, [this] { check(); });
        poll_.start(5);
    }
    WhenShown(const WhenShown&) = delete;
    WhenShown& operator=(const WhenShown&) = delete;

    // Whether the dialog appeared and work ran on it.
    bool ran() const { return ran_; }
    // Whether work left the dialog open (it was then cancelled).
    bool leftOpen() const { return leftOpen_; }

private:
    void check() {
        if (ran_)
            return;
        const auto windows = QApplication::topLevelWidgets();
        for (QWidget* window : windows) {
            auto* dialog = qobject_cast<QDialog*>(window);
            if (!dialog || dialog->objectName() != name_ || !dialog->isVisible())
                continue;
            ran_ = true;
            poll_.stop();
            work_(*dialog);
            if (dialog->isVisible()) {
                leftOpen_ = true;
                dialog->reject();
            }
            return;
        }
    }

    QString name_;
    std::function<void(QDialog&)> work_;
    QTimer poll_;
    bool ran_ = false;
    bool leftOpen_ = false;
};
