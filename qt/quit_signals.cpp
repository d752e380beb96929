#include "qt/quit_signals.h"

#include <QSocketNotifier>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_pipe[2] = {-1, -1}; // [0] written by the handler, [1] read by the event loop

void on_signal(int sig) {
    // Only async-signal-safe calls here. The next signal of either kind is not caught any more.
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    const char byte = static_cast<char>(sig);
    [[maybe_unused]] const ssize_t n = write(g_pipe[0], &byte, 1);
}

} // namespace

QuitSignals::QuitSignals(std::function<bool()> ready, std::function<void()> quit, QObject* parent)
    : QObject(parent), ready_(std::move(ready)), quit_(std::move(quit)) {
    if (g_pipe[0] >= 0) return; // one watcher per process
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0) {
        std::perror("tessora: socketpair");
        return;
    }
    notifier_ = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &QuitSignals::received);
    struct sigaction sa = {};
    sa.sa_handler = on_signal;
    sigemptyset(&sa.sa_mask);
    sa.sa_flags = SA_RESTART;
    sigaction(SIGINT, &sa, nullptr);
    sigaction(SIGTERM, &sa, nullptr);
}

QuitSignals::~QuitSignals() {
    if (!notifier_) return;
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    close(g_pipe[0]);
    close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void QuitSignals::received() {
    char bytes[16];
    while (read(g_pipe[1], bytes, sizeof bytes) > 0) {
    }
    if (pending_) return;
    pending_ = true;
    try_quit();
}

void QuitSignals::try_quit() {
    // A handler that is waiting or showing a message box runs to its end first.
    if (!ready_()) {
        QTimer::singleShot(100, this, &QuitSignals::try_quit);
        return;
    }
    quit_();
}
