// Time of a save of the shared settings to the central database (one DELETE,
// 40 INSERTs, one commit) and of the panel's start-up reads from it (the
// amplifier's address, the login flag, the page of outputs 9 to 16, names and
// groups: five SELECTs), against the throw-away Firebird server that
// scripts/firebird-test-server.sh starts. Medians of several runs.
//   bench_dbsave [saves]
#include "config/Database.h"
#include "config/IoNamesDatabase.h"
#include "config/NstStore.h"
#include "support/TestDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

template <typename Work> std::vector<double> timesInMs(int runs, Work&& work) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        work();
        ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    return ms;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int saves = argc > 1 ? std::max(1, atoi(argv[1])) : 21;
    const orfa::test::TestDatabase test;
    if (!test.found()) {
        std::fprintf(stderr, "%s\n", qPrintable(test.why()));
        return 1;
    }
    orfa::config::Database db;
    if (!db.open(test.login())) {
        std::fprintf(stderr, "cannot connect: %s\n", qPrintable(db.lastError()));
        return 1;
    }
    orfa::config::NstValues values;
    for (std::size_t i = 0; i < values.inputs.size(); ++i)
        values.inputs.at(i) = {QStringLiteral("Vstup č. %1").arg(i + 1), i % 2 == 0};
    for (std::size_t n = 0; n < values.outputs.size(); ++n)
        values.outputs.at(n) = {QStringLiteral("Výstup „%1“").arg(n + 1), true};
    const std::vector<double> ms =
        timesInMs(saves, [&] { orfa::config::nst::writeNst(db, values); });
    std::printf("settings save to the central database (DELETE + 40 INSERTs + commit, "
                "loopback):\n  median %.1f ms, fastest %.1f ms, slowest %.1f ms over %d saves\n",
                ms[ms.size() / 2], ms.front(), ms.back(), saves);
    const int reads = 5 * saves;
    const std::vector<double> readMs = timesInMs(reads, [&] {
        orfa::config::nst::readAmplifierAddress(db);
        orfa::config::nst::readLoginFlag(db);
        orfa::config::nst::readSixteenOutputs(db);
        orfa::config::readIoNames(db);
    });
    std::printf("start-up reads from the central database (5 SELECTs, loopback):\n"
                "  median %.2f ms, fastest %.2f ms, slowest %.2f ms over %d runs\n",
                readMs[readMs.size() / 2], readMs.front(), readMs.back(), reads);
    return 0;
}
