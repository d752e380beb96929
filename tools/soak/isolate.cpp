#include "tools/soak/isolate.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <fcntl.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

void write_all(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n <= 0) return;
        done += static_cast<std::size_t>(n);
    }
}

std::string read_all(int fd) {
    std::string bytes;
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n > 0) {
            bytes.append(buf, static_cast<std::size_t>(n));
        } else if (n == 0 || errno != EINTR) {
            break;
        }
    }
    return bytes;
}

} // namespace

Outcome isolated(const std::function<Outcome()>& body, bool quiet) {
    int fds[2];
    if (::pipe(fds) != 0) return body();
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(fds[0]);
        if (quiet) {
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, 2);
        }
        const Outcome o = body();
        // Key, description and line on a line each, then what the player saw.
        write_all(fds[1], o.violation.key + "\n" + o.violation.what + "\n" + std::to_string(o.failed_line) +
                              "\n" + o.output);
        ::_exit(0);
    }
    ::close(fds[1]);
    const std::string bytes = pid > 0 ? read_all(fds[0]) : "";
    ::close(fds[0]);
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        Outcome o;
        o.violation.key = "crash";
        o.violation.what = WIFSIGNALED(status)
                               ? "the program died of signal " + std::to_string(WTERMSIG(status))
                               : "the program stopped with status " + std::to_string(WEXITSTATUS(status));
        return o;
    }
    Outcome o;
    std::istringstream in(bytes);
    std::string line;
    std::getline(in, o.violation.key);
    std::getline(in, o.violation.what);
    std::getline(in, line);
    o.failed_line = std::atoi(line.c_str());
    o.output.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return o;
}
