#include "data/StopSignals.h"

#include "data/DataLog.h"

#include <QSocketNotifier>

#include <array>
#include <cerrno>
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace orfa::data {
namespace {

constexpr std::array<int, 2> kStopSignals{SIGTERM, SIGINT};

// The handler writes to end 0, the event loop reads end 1. Both ends are non-blocking, so
// a flood of signals can never block the handler.
std::array<int, 2> g_socket = {-1, -1};
std::array<struct sigaction, kStopSignals.size()> g_previous{};

extern "C" void onStopSignal(int) {
    const int savedErrno = errno; // the interrupted code may be about to look at it
    const char byte = 1;
    [[maybe_unused]] const ssize_t written = ::write(g_socket[0], &byte, 1);
    errno = savedErrno;
}

void closeSocket() {
    for (int& fd : g_socket) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

} // namespace

StopSignals::StopSignals(QObject* parent)
    : QObject(parent) {
    Q_ASSERT(g_socket[0] < 0); // one object at a time
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0, g_socket.data()) !=
        0) {
        qCWarning(lcData) << "SIGTERM and SIGINT cannot be caught:" << qt_error_string(errno);
        return;
    }
    notifier_ = std::make_unique<QSocketNotifier>(g_socket[1], QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &StopSignals::drain);
    struct sigaction action = {};
    action.sa_handler = onStopSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kStopSignals.size(); ++i)
        ::sigaction(kStopSignals.at(i), &action, &g_previous.at(i));
}

StopSignals::~StopSignals() {
    if (!notifier_)
        return;
    for (std::size_t i = 0; i < kStopSignals.size(); ++i)
        ::sigaction(kStopSignals.at(i), &g_previous.at(i), nullptr);
    notifier_.reset();
    closeSocket();
}

// However many signals came, one request.
void StopSignals::drain() {
    std::array<char, 64> bytes{};
    bool received = false;
    while (::read(g_socket[1], bytes.data(), bytes.size()) > 0)
        received = true;
    if (received)
        Q_EMIT stopRequested();
}

} // namespace orfa::data
