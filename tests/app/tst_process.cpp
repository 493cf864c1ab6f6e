// The program as a process: one copy per settings directory, the hand-over
// to a running copy, a lock left by a crashed copy, SIGTERM, and a login at
// start that does not succeed.
//
// Started with ORFA_TEST_LOGIN_ANSWER set, this executable is the program
// itself (the run of orfa's main) with an operator who answers the login
// dialog at start: "cancel" clicks Stormo, "wrong" types a wrong password and
// clicks OK. The offscreen platform takes no input from outside the process.
#include "app/OrfaApplication.h"
#include "app/Program.h"
#include "panel/LoginForm.h"
#include "panel/OrfaForm.h"
#include "sim/AmpSimulator.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <csignal>

class TestProcess : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void secondCopyHandsOverAndEnds();
    void terminationEndsLikeKonec();
    void lockOfACrashedCopyIsTakenOver();
    void startsWithoutTheDatabaseClientAndTheCipher();
    void loginThatFailsEndsTheProgram_data();
    void loginThatFailsEndsTheProgram();

private:
    // loginAnswer: empty for orfa itself, else this executable as the program
    // with that answer to the login dialog.
    std::unique_ptr<QProcess> startPanel(const QByteArray& loginAnswer = {});
    QByteArray settingsText() const;
    bool waitForPanelConnected(int connections);

    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<orfa::sim::AmpSimulator> sim_;
    std::vector<std::unique_ptr<QProcess>> processes_;
};

void TestProcess::init() {
    dir_ = std::make_unique<QTemporaryDir>();
    sim_ = std::make_unique<orfa::sim::AmpSimulator>();
    QVERIFY(sim_->listen());
    QFile ini(dir_->filePath(QStringLiteral("Orfa.ini")));
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write(QStringLiteral("[Orfa]\nIPZesE=127.0.0.1\nPortZesE=%1\nProdlevaE=10\n")
                  .arg(sim_->port())
                  .toUtf8());
}

void TestProcess::cleanup() {
    for (auto& process : processes_) {
        if (process->state() != QProcess::NotRunning) {
            process->kill();
            process->waitForFinished(5000);
        }
    }
    processes_.clear();
    sim_.reset();
    dir_.reset();
}

std::unique_ptr<QProcess> TestProcess::startPanel(const QByteArray& loginAnswer) {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ORFA_CONFIG_DIR"), dir_->path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("orfa.*.info=true"));
    if (!loginAnswer.isEmpty())
        env.insert(QStringLiteral("ORFA_TEST_LOGIN_ANSWER"), QString::fromLatin1(loginAnswer));
    process->setProcessEnvironment(env);
    process->setProgram(loginAnswer.isEmpty() ? QStringLiteral(ORFA_BINARY)
                                              : QCoreApplication::applicationFilePath());
    process->start();
    return process;
}

QByteArray TestProcess::settingsText() const {
    QFile ini(dir_->filePath(QStringLiteral("Orfa.ini")));
    return ini.open(QIODevice::ReadOnly) ? ini.readAll() : QByteArray();
}

bool TestProcess::waitForPanelConnected(int connections) {
    // A panel that has started asks the amplifier for its power state.
    return QTest::qWaitFor([&] { return sim_->connectionsAccepted() >= connections; }, 20000);
}

void TestProcess::secondCopyHandsOverAndEnds() {
    processes_.push_back(startPanel());
    QProcess& first = *processes_.back();
    QVERIFY(waitForPanelConnected(1));

    processes_.push_back(startPanel());
    QProcess& second = *processes_.back();
    QVERIFY(second.waitForFinished(20000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(first.state(), QProcess::Running);
    QByteArray log;
    QTRY_VERIFY_WITH_TIMEOUT((log += first.readAllStandardError()).contains("brought to the front"),
                             10000);
}

void TestProcess::terminationEndsLikeKonec() {
    processes_.push_back(startPanel());
    QProcess& panel = *processes_.back();
    QVERIFY(waitForPanelConnected(1));
    ::kill(static_cast<pid_t>(panel.processId()), SIGTERM);
    QVERIFY(panel.waitForFinished(20000));
    QCOMPARE(panel.exitStatus(), QProcess::NormalExit);
    QCOMPARE(panel.exitCode(), 0);
    QVERIFY(settingsText().contains("ActivePageOrfaForm=0"));
}

// Without the central database and a login, neither the Firebird client nor
// Crypto++ is loaded: both cost start-up time and memory.
void TestProcess::startsWithoutTheDatabaseClientAndTheCipher() {
    processes_.push_back(startPanel());
    QProcess& panel = *processes_.back();
    QVERIFY(waitForPanelConnected(1));
    QFile maps(QStringLiteral("/proc/%1/maps").arg(panel.processId()));
    QVERIFY(maps.open(QIODevice::ReadOnly));
    const QByteArray mapped = maps.readAll();
    QVERIFY(mapped.contains("libQt6Widgets"));
    for (const char* library : {"libfbclient", "libcrypto++", "liborfa_cipher"})
        QVERIFY2(!mapped.contains(library), library);
}

void TestProcess::lockOfACrashedCopyIsTakenOver() {
    processes_.push_back(startPanel());
    QProcess& crashed = *processes_.back();
    QVERIFY(waitForPanelConnected(1));
    crashed.kill();
    QVERIFY(crashed.waitForFinished(10000));

    processes_.push_back(startPanel());
    QProcess& next = *processes_.back();
    QVERIFY(waitForPanelConnected(2));
    QCOMPARE(next.state(), QProcess::Running);
}

void TestProcess::loginThatFailsEndsTheProgram_data() {
    QTest::addColumn<QByteArray>("answer");
    QTest::newRow("cancelled") << QByteArray("cancel");
    QTest::newRow("wrong password") << QByteArray("wrong");
    QTest::newRow("SIGTERM while it is open") << QByteArray("terminate");
}

// Also where closing the window would only hide it, the program ends: closed the
// ordinary way, exit code 0, nothing left running.
void TestProcess::loginThatFailsEndsTheProgram() {
    QFETCH(QByteArray, answer);
    {
        QFile ini(dir_->filePath(QStringLiteral("Orfa.ini")));
        QVERIFY(ini.open(QIODevice::Append));
        ini.write("LoginChb=1\nMinimizeChb=1\nSysTrayChb=1\nMaxIDUziv=1\nUziv_1_Jmeno=Petr\n");
    }
    processes_.push_back(startPanel(answer));
    QProcess& panel = *processes_.back();
    QVERIFY(panel.waitForFinished(20000));
    QCOMPARE(panel.exitStatus(), QProcess::NormalExit);
    QCOMPARE(panel.exitCode(), 0);
    const QByteArray log = panel.readAllStandardError();
    QVERIFY2(log.contains("login answered"), log.constData());
    QVERIFY(settingsText().contains("ActivePageOrfaForm=0"));
}

namespace {

// The operator of the program run below, on a desktop with a system tray:
// answers the login dialog at start.
void answerLoginAtStart(const QByteArray& answer, QTimer& poll) {
    QObject::connect(&poll, &QTimer::timeout, [&poll, answer] {
        auto* login = qobject_cast<orfa::panel::LoginForm*>(QApplication::activeModalWidget());
        if (!login)
            return;
        poll.stop();
        if (auto* window = qobject_cast<orfa::panel::OrfaForm*>(login->parentWidget()))
            window->setTrayAvailableCheck([] { return true; });
        qInfo("login answered: %s", answer.constData());
        if (answer == "terminate") {
            ::raise(SIGTERM);
        } else if (answer == "wrong") {
            login->nameEdit()->setText(QStringLiteral("Petr"));
            login->passwordEdit()->setText(QStringLiteral("spatne"));
            login->okButton()->click();
        } else {
            login->cancelButton()->click();
        }
    });
    poll.start(20);
}

} // namespace

int main(int argc, char** argv) {
    const QByteArray loginAnswer = qgetenv("ORFA_TEST_LOGIN_ANSWER");
    if (!loginAnswer.isEmpty()) {
        orfa::app::OrfaApplication app(argc, argv);
        QTimer poll;
        answerLoginAtStart(loginAnswer, poll);
        return orfa::app::runProgram(app);
    }
    QCoreApplication app(argc, argv);
    TestProcess test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}
#include "tst_process.moc"
