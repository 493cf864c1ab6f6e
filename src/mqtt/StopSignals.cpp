#include "mqtt/StopSignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/signalfd.h>
#include <unistd.h>

namespace orfa::mqtt {
namespace {

sigset_t stopSignals() {
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGTERM);
    sigaddset(&signals, SIGINT);
    return signals;
}

} // namespace

void StopSignals::block() {
    const sigset_t signals = stopSignals();
    ::pthread_sigmask(SIG_BLOCK, &signals, nullptr);
}

StopSignals::StopSignals(QObject* parent)
    : QObject(parent) {
    const sigset_t signals = stopSignals();
    descriptor_ = ::signalfd(-1, &signals, SFD_NONBLOCK | SFD_CLOEXEC);
    if (descriptor_ < 0)
        return;
    notifier_ = std::make_unique<QSocketNotifier>(descriptor_, QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
        signalfd_siginfo info{};
        bool received = false;
        while (::read(descriptor_, &info, sizeof info) == static_cast<ssize_t>(sizeof info))
            received = true;
        if (received)
            Q_EMIT stopRequested();
    });
}

StopSignals::~StopSignals() {
    notifier_.reset();
    if (descriptor_ >= 0)
        ::close(descriptor_);
}

} // namespace orfa::mqtt
