// Reading and writing the program's own files (settings, kifu) so that nothing is lost and nothing hangs:
// only regular files are read, and a file is replaced only once its new contents are safely on disk.
#pragma once

#include <functional>
#include <string>
#include <string_view>

// The error of a path that names a pipe, a device or a socket instead of a regular file.
constexpr int FILE_NOT_REGULAR = -1;

// The system's words for an error these functions return (FILE_NOT_REGULAR included), as stderr
// reports it.
std::string file_error_text(int e);

// Reads a regular file from its start, handing its bytes to `take` piece by piece until the end or until
// `take` returns false. Never waits on a pipe or device: those are refused with FILE_NOT_REGULAR.
// Returns 0 or the error (an errno value, EISDIR for a folder).
int read_regular_file(const std::string& path, const std::function<bool(std::string_view)>& take);
// The whole of a regular file of at most `limit` bytes into `bytes`; 0, the error as read_regular_file
// gives it, or EFBIG for a larger file (`bytes` then holds nothing).
int read_small_file(const std::string& path, std::size_t limit, std::string& bytes);

// Replaces the file at `path` (following a symbolic link) by `bytes`: the new contents are written to an
// unnamed or temporary file beside it, flushed to disk and then renamed over it, so that the old file
// stays whole until the new one is complete. An existing file without write permission, a folder or a
// special file of that name is refused and left untouched. Temporary files left by an interrupted write
// into the same folder are removed. Returns 0 or the error.
int write_file_replacing(const std::string& path, const std::string& bytes);

// Fault injection for tests.
struct FileWriteFaults {
    bool no_unnamed_files = false;     // write as if the file system had no unnamed temporary files
    void (*before_naming)() = nullptr; // called once the bytes are on disk, before the file gets a name
};
extern FileWriteFaults file_write_faults;
