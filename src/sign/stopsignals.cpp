#include "sign/stopsignals.h"

#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace lumetra::sign {

int StopSignals::s_fds[2] = {-1, -1};

StopSignals::StopSignals(QObject *parent) : QObject(parent)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM, 0, s_fds) != 0)
        return;
    auto *notifier = new QSocketNotifier(s_fds[1], QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, [this] {
        char c;
        if (::read(s_fds[1], &c, 1) > 0)
            emit stopRequested();
    });
    struct sigaction sa
    {
    };
    sa.sa_handler = &StopSignals::onSignal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
}

StopSignals::~StopSignals()
{
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    for (int &fd : s_fds) {
        if (fd >= 0)
            ::close(fd);
        fd = -1;
    }
}

void StopSignals::onSignal(int)
{
    const char c = 1;
    // Only async-signal-safe calls here.
    [[maybe_unused]] const ssize_t n = ::write(s_fds[0], &c, 1);
}

} // namespace lumetra::sign
