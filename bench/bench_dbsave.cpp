// Time of a save of the shared settings to the central database (one DELETE,
// 40 INSERTs, one commit), against the throw-away Firebird server that
// scripts/firebird-test-server.sh starts. Median of several saves.
//   bench_dbsave [saves]
#include "config/Database.h"
#include "config/NstStore.h"
#include "config/support/TestDatabase.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int saves = argc > 1 ? std::max(1, atoi(argv[1])) : 21;
    const orfa::test::TestDatabase test;
    if (!test.found()) {
        std::fprintf(stderr, "%s\n", qPrintable(test.why()));
        return 1;
    }
    orfa::config::Database db;
    if (!db.DBInit(test.login())) {
        std::fprintf(stderr, "cannot connect: %s\n", qPrintable(db.lastError()));
        return 1;
    }
    orfa::config::NstValues values;
    for (std::size_t i = 0; i < values.inputs.size(); ++i)
        values.inputs.at(i) = {QStringLiteral("Vstup č. %1").arg(i + 1), i % 2 == 0};
    for (std::size_t n = 0; n < values.outputs.size(); ++n)
        values.outputs.at(n) = {QStringLiteral("Výstup „%1“").arg(n + 1), true};
    std::vector<double> ms;
    for (int i = 0; i < saves; ++i) {
        QElapsedTimer clock;
        clock.start();
        orfa::config::nst::NstDBWrite(db, values);
        ms.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
    }
    std::sort(ms.begin(), ms.end());
    std::printf("settings save to the central database (DELETE + 40 INSERTs + commit, "
                "loopback):\n  median %.1f ms, fastest %.1f ms, slowest %.1f ms over %d saves\n",
                ms[ms.size() / 2], ms.front(), ms.back(), saves);
    return 0;
}
