#include "platform/files.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <cstring>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

FileWriteFaults file_write_faults;

namespace {

// Temporary files are named as mkstemp names them: this prefix and six letters or digits.
constexpr std::string_view TEMP_PREFIX = ".tessora-";
constexpr std::size_t TEMP_NAME_LENGTH = TEMP_PREFIX.size() + 6;

class Fd {
  public:
    explicit Fd(int fd) : fd_(fd) {}
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return fd_; }

  private:
    int fd_;
};

int type_error(mode_t mode) {
    if (S_ISREG(mode)) return 0;
    return S_ISDIR(mode) ? EISDIR : FILE_NOT_REGULAR;
}

std::string folder_of(const std::string& path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// A symbolic link is replaced by the file it names, not by a file of its own.
std::string link_target(const std::string& path) {
    struct stat st {};
    if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char* real = ::realpath(path.c_str(), nullptr);
    if (!real) return path;
    std::string r = real;
    std::free(real);
    return r;
}

// Why an existing file may not be replaced, or 0; `mode` is given the permissions the new file takes.
int refusal(const std::string& path, mode_t& mode) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) {
        if (errno != ENOENT) return errno;
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
        return 0;
    }
    if (const int e = type_error(st.st_mode)) return e;
    // A file with no write permission was protected by its owner, even where the system would let us write.
    if ((st.st_mode & 0222) == 0 || ::faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) != 0) return EACCES;
    mode = st.st_mode & 07777;
    return 0;
}

// Removes the temporary files of writers that died before renaming them. A writer holds a lock on its
// file until it has its final name, and the lock goes with the writer.
void remove_stale_temporaries(const std::string& dir) {
    DIR* d = ::opendir(dir.c_str());
    if (!d) return;
    while (const dirent* e = ::readdir(d)) {
        const std::string_view name = e->d_name;
        if (name.size() != TEMP_NAME_LENGTH || !name.starts_with(TEMP_PREFIX)) continue;
        const std::string path = dir + "/" + std::string(name);
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
        const Fd f(::open(path.c_str(), O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC));
        if (f.get() < 0 || ::fstat(f.get(), &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (::flock(f.get(), LOCK_EX | LOCK_NB) != 0) continue;
        struct stat now {};
        if (::lstat(path.c_str(), &now) == 0 && now.st_ino == st.st_ino && now.st_dev == st.st_dev)
            ::unlink(path.c_str());
    }
    ::closedir(d);
}

int write_all(int fd, const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t w = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (w < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        done += static_cast<std::size_t>(w);
    }
    return 0;
}

// Writes the bytes with the file's permissions and waits until they are on disk.
int fill(int fd, const std::string& bytes, mode_t mode) {
    if (const int e = write_all(fd, bytes)) return e;
    if (::fchmod(fd, mode) != 0) return errno;
    if (::fsync(fd) != 0) return errno;
    if (file_write_faults.before_naming) file_write_faults.before_naming();
    return 0;
}

std::string random_temp_name() {
    static const char letters[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    std::random_device rd;
    std::string name(TEMP_PREFIX);
    for (int i = 0; i < 6; ++i) name += letters[rd() % (sizeof letters - 1)];
    return name;
}

// Gives a complete unnamed file a temporary name in the folder; empty when it cannot be named.
std::string name_unnamed(int fd, const std::string& dir) {
    const std::string self = "/proc/self/fd/" + std::to_string(fd);
    for (int tries = 0; tries < 100; ++tries) {
        const std::string path = dir + "/" + random_temp_name();
        int r = ::linkat(AT_FDCWD, self.c_str(), AT_FDCWD, path.c_str(), AT_SYMLINK_FOLLOW);
        if (r != 0 && errno == ENOENT) r = ::linkat(fd, "", AT_FDCWD, path.c_str(), AT_EMPTY_PATH);
        if (r == 0) return path;
        if (errno != EEXIST) return {};
    }
    return {};
}

// A new named temporary file in the folder, locked; -errno when none can be made.
int create_named(const std::string& dir, std::string& path) {
    for (int tries = 0; tries < 100; ++tries) {
        path = dir + "/" + std::string(TEMP_PREFIX) + "XXXXXX";
        const int fd = ::mkostemp(path.data(), O_CLOEXEC);
        if (fd < 0) return -errno;
        ::flock(fd, LOCK_EX);
        // Another writer may have taken it for stale before it was locked.
        struct stat st {};
        if (::fstat(fd, &st) == 0 && st.st_nlink > 0) return fd;
        ::close(fd);
    }
    return -EEXIST;
}

} // namespace

int read_small_file(const std::string& path, std::size_t limit, std::string& bytes) {
    bytes.clear();
    bool too_big = false;
    const int e = read_regular_file(path, [&](std::string_view piece) {
        if (bytes.size() + piece.size() > limit) {
            too_big = true;
            return false;
        }
        bytes.append(piece);
        return true;
    });
    if (e == 0 && !too_big) return 0;
    bytes.clear();
    return e != 0 ? e : EFBIG;
}

int read_regular_file(const std::string& path, const std::function<bool(std::string_view)>& take) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0) return errno;
    if (const int e = type_error(st.st_mode)) return e;
    // Whatever stands there by the time it is opened, opening it does not wait.
    const Fd f(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (f.get() < 0) return errno;
    if (::fstat(f.get(), &st) != 0) return errno;
    if (const int e = type_error(st.st_mode)) return e;
    std::vector<char> buf(65536);
    for (;;) {
        const ssize_t n = ::read(f.get(), buf.data(), buf.size());
        if (n < 0) {
            if (errno == EINTR) continue;
            return errno;
        }
        if (n == 0 || !take(std::string_view(buf.data(), static_cast<std::size_t>(n)))) return 0;
    }
}

int write_file_replacing(const std::string& path, const std::string& bytes) {
    const std::string target = link_target(path);
    const std::string dir = folder_of(target);
    mode_t mode = 0;
    if (const int e = refusal(target, mode)) return e;
    remove_stale_temporaries(dir);

    std::string temp; // the name the complete file has before it is renamed over the target
    int fd = -1;
    if (!file_write_faults.no_unnamed_files) {
        // An unnamed file leaves nothing behind when the program dies while writing it.
        fd = ::open(dir.c_str(), O_TMPFILE | O_WRONLY | O_CLOEXEC, 0600);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX);
            if (const int e = fill(fd, bytes, mode)) {
                ::close(fd);
                return e;
            }
            temp = name_unnamed(fd, dir);
            if (temp.empty()) {
                ::close(fd);
                fd = -1;
            }
        }
    }
    int err = 0;
    if (fd < 0) {
        fd = create_named(dir, temp);
        if (fd < 0) return -fd;
        err = fill(fd, bytes, mode);
    }
    if (err == 0 && std::rename(temp.c_str(), target.c_str()) != 0) err = errno;
    if (err != 0) ::unlink(temp.c_str());
    ::close(fd); // releases the lock only once the file has its final name
    if (err == 0) {
        const Fd d(::open(dir.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (d.get() >= 0) ::fsync(d.get()); // the rename itself reaches the disk
    }
    return err;
}

std::string file_error_text(int e) {
    // Not an errno: the program refuses pipes, devices and sockets itself.
    if (e == FILE_NOT_REGULAR) return "Not a regular file";
    return std::strerror(e);
}
