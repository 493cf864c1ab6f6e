// orfa-amp-sim: a stand-in amplifier for the panel, for tests and for people
// who want to try the panel without the hardware.

#include "sim/AmpSimulator.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QHostAddress>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr quint16 kDefaultPort = 7777;

void fail(const QString& message) {
    std::fprintf(stderr, "orfa-amp-sim: %s\n", qPrintable(message));
}

// A whole number in [low, high] from an option, or -1 after a message.
int numberOption(const QCommandLineParser& parser, const QString& name, int low, int high) {
    bool ok = false;
    const int value = parser.value(name).toInt(&ok);
    if (!ok || value < low || value > high) {
        fail(u"--%1 wants a whole number from %2 to %3"_s.arg(name).arg(low).arg(high));
        return -1;
    }
    return value;
}

void describeOptions(QCommandLineParser& parser) {
    parser.setApplicationDescription(
        u"Simulated PA matrix amplifier for the Orfa panel. Listens for Spinel format-97 "
        "frames (address 1) over TCP, keeps power, master volume, 16 output levels and "
        "sources, 30 input gains and bands, the tuned frequency, 9 radio memories, the "
        "weekly schedule and 8 presets, and answers every command with the same signature "
        "byte. The fault options make it misbehave on purpose."_s);
    parser.addHelpOption();
    parser.addOptions({
        {u"listen"_s, u"Address to listen on (default 127.0.0.1)."_s, u"addr"_s, u"127.0.0.1"_s},
        {u"port"_s, u"TCP port to listen on (default 7777; 0 picks a free one)."_s, u"n"_s,
         QString::number(kDefaultPort)},
        {u"log"_s, u"Print one readable line per received frame and per answer on stderr."_s},
        {u"silent"_s, u"Fault: read commands but never answer."_s},
        {u"delay"_s, u"Fault: answer every command this many milliseconds late."_s, u"ms"_s,
         u"0"_s},
        {u"ack"_s,
         u"Fault: answer with this acknowledge code (0 accepts; any other value refuses: "
         "settings are not applied, requests still carry their data)."_s,
         u"n"_s, u"0"_s},
        {u"drop"_s, u"Fault: close the connection after every answer."_s},
        {u"garbage"_s, u"Fault: send a few junk bytes before every answer."_s},
        {u"split"_s, u"Fault: write every answer in two pieces, 20 ms apart."_s},
        {u"blank"_s, u"Start as a blank amplifier (off, everything zero) instead of a "
                     "plausible switched-on one."_s},
    });
}

void applyFaults(const QCommandLineParser& parser, int delay, int ack, orfa::sim::Faults& faults) {
    faults.silent = parser.isSet(u"silent"_s);
    faults.answerDelayMs = delay;
    faults.ackCode = static_cast<std::uint8_t>(ack);
    faults.dropAfterAnswer = parser.isSet(u"drop"_s);
    faults.garbageBeforeAnswer = parser.isSet(u"garbage"_s);
    faults.splitAnswers = parser.isSet(u"split"_s);
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(u"orfa-amp-sim"_s);

    QCommandLineParser parser;
    describeOptions(parser);
    parser.process(app);

    const QHostAddress address(parser.value(u"listen"_s));
    if (address.isNull()) {
        fail(u"--listen wants an IP address, not \"%1\""_s.arg(parser.value(u"listen"_s)));
        return 2;
    }
    const int port = numberOption(parser, u"port"_s, 0, 65535);
    const int delay = numberOption(parser, u"delay"_s, 0, 600000);
    const int ack = numberOption(parser, u"ack"_s, 0, 255);
    if (port < 0 || delay < 0 || ack < 0)
        return 2;

    orfa::sim::AmpSimulator simulator;
    if (!parser.isSet(u"blank"_s))
        simulator.state() = orfa::sim::AmpState::plausible();
    applyFaults(parser, delay, ack, simulator.faults());
    simulator.setFrameLog(parser.isSet(u"log"_s));

    if (!simulator.listen(address, static_cast<quint16>(port))) {
        fail(u"cannot listen on %1:%2"_s.arg(address.toString()).arg(port));
        return 1;
    }
    std::fprintf(stderr, "orfa-amp-sim: listening on %s:%u\n", qPrintable(address.toString()),
                 static_cast<unsigned>(simulator.port()));
    return QCoreApplication::exec();
}
