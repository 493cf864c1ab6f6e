// The program as a process: one copy per settings directory, the hand-over
// to a running copy, a lock left by a crashed copy, and SIGTERM.
#include "sim/AmpSimulator.h"

#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>

class TestProcess : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void secondCopyHandsOverAndEnds();
    void terminationEndsLikeKonec();
    void lockOfACrashedCopyIsTakenOver();

private:
    std::unique_ptr<QProcess> startPanel();
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

std::unique_ptr<QProcess> TestProcess::startPanel() {
    auto process = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("ORFA_CONFIG_DIR"), dir_->path());
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("QT_LOGGING_RULES"), QStringLiteral("orfa.*.info=true"));
    process->setProcessEnvironment(env);
    process->setProgram(QStringLiteral(ORFA_BINARY));
    process->start();
    return process;
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
    QFile ini(dir_->filePath(QStringLiteral("Orfa.ini")));
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QVERIFY(ini.readAll().contains("ActivePageOrfaForm=0"));
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

QTEST_GUILESS_MAIN(TestProcess)
#include "tst_process.moc"
