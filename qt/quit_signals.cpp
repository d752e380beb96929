#include "qt/quit_signals.h"

#include <QSocketNotifier>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int g_pipe[2] = {-1, -1}; // [0] written by the handler, [1] read by the event loop

volatile sig_atomic_t g_signals = 0;

// How long the orderly end may still take once a second signal has come.
constexpr unsigned kGraceSeconds = 2;

void on_signal(int sig) {
    // Only async-signal-safe calls here. The orderly end is quick; a second signal lets it finish (the
    // game is kept) but no longer than the grace, and the next signal of either kind ends the program.
    g_signals = g_signals + 1;
    if (g_signals >= 2) {
        std::signal(SIGINT, SIG_DFL);
        std::signal(SIGTERM, SIG_DFL);
        alarm(kGraceSeconds);
    }
    const char byte = static_cast<char>(sig);
    [[maybe_unused]] const ssize_t n = write(g_pipe[0], &byte, 1);
}

} // namespace

QuitSignals::QuitSignals(std::function<void()> requested, QObject* parent)
    : QObject(parent), requested_(std::move(requested)) {
    if (g_pipe[0] >= 0) return; // one watcher per process
    if (socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_pipe) != 0) {
        std::perror("tessora: socketpair");
        return;
    }
    g_signals = 0;
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
    if (seen_) return;
    seen_ = true;
    requested_();
}
