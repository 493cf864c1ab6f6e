// An error that no handler catches ends only the step it arose in: it is
// written once as a warning and the program runs on.
#include "app/OrfaApplication.h"

#include <QTest>
#include <QTimer>

#include <stdexcept>

namespace {

class Throwing : public QObject {
public:
    int handled = 0;

protected:
    bool event(QEvent* e) override {
        if (e->type() == QEvent::User) {
            ++handled;
            throw std::runtime_error("broken step");
        }
        return QObject::event(e);
    }
};

} // namespace

class TestErrorHandler : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void uncaughtErrorIsLoggedAndTheLoopRunsOn() {
        Throwing target;
        QTest::ignoreMessage(QtWarningMsg, "error ignored: broken step");
        QTest::ignoreMessage(QtWarningMsg, "error ignored: broken step");
        QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
        QCoreApplication::postEvent(&target, new QEvent(QEvent::User));
        bool later = false;
        QTimer::singleShot(0, this, [&] { later = true; });
        QTRY_VERIFY(later);
        QCOMPARE(target.handled, 2);
    }
};

int main(int argc, char** argv) {
    orfa::app::OrfaApplication app(argc, argv);
    TestErrorHandler test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_errorhandler.moc"
