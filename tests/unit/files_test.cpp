// Replacing a file so that an interrupted write neither loses the old file nor leaves debris behind.

#include "platform/files.h"
#include "tools/temp_dir.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <set>
#include <string>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::set<std::string> names_in(const fs::path& dir) {
    std::set<std::string> names;
    for (const auto& e : fs::directory_iterator(dir)) names.insert(e.path().filename().string());
    return names;
}

bool unnamed_files_work(const fs::path& dir) {
    const int fd = ::open(dir.c_str(), O_TMPFILE | O_WRONLY, 0600);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

// A child process that writes the file and stops once the bytes are on disk, before the file is named.
pid_t stopped_writer(const std::string& path, const std::string& bytes) {
    const pid_t pid = ::fork();
    if (pid == 0) {
        file_write_faults.before_naming = [] { ::raise(SIGSTOP); };
        ::_exit(write_file_replacing(path, bytes) == 0 ? 0 : 1);
    }
    int status = 0;
    ::waitpid(pid, &status, WUNTRACED);
    EXPECT_TRUE(WIFSTOPPED(status));
    return pid;
}

class FileWriting : public ::testing::Test {
  protected:
    void TearDown() override { file_write_faults = {}; }
    TempDir dir;
};

TEST_F(FileWriting, AnInterruptedWriterLeavesTheOldFileWholeAndItsTemporaryGoesAtTheNextWrite) {
    for (bool unnamed : {true, false}) {
        SCOPED_TRACE(unnamed ? "unnamed temporary file" : "named temporary file");
        if (unnamed && !unnamed_files_work(dir.path())) {
            std::fprintf(stderr, "%s has no unnamed files: only the named way is tested\n",
                         dir.path().c_str());
            continue;
        }
        file_write_faults.no_unnamed_files = !unnamed;
        const std::string game = (dir.path() / "game.棋譜").string();
        ASSERT_EQ(write_file_replacing(game, "old"), 0);

        // Stopped between writing and naming: the old file is whole; a named temporary is the only trace.
        pid_t pid = stopped_writer(game, "continued");
        EXPECT_EQ(dir.read("game.棋譜"), "old");
        EXPECT_EQ(names_in(dir.path()).size(), unnamed ? 1u : 2u);
        // Another write into the folder leaves the temporary of a live writer alone, and the writer,
        // going on, puts its file in place.
        ASSERT_EQ(write_file_replacing((dir.path() / "other.棋譜").string(), "other"), 0);
        ::kill(pid, SIGCONT);
        int status = 0;
        ::waitpid(pid, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        EXPECT_EQ(dir.read("game.棋譜"), "continued");
        EXPECT_EQ(names_in(dir.path()), (std::set<std::string>{"game.棋譜", "other.棋譜"}));

        // Killed there: its temporary is stale, and the next write into the folder removes it.
        pid = stopped_writer(game, "killed");
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        EXPECT_EQ(dir.read("game.棋譜"), "continued");
        EXPECT_EQ(names_in(dir.path()).size(), unnamed ? 2u : 3u);
        ASSERT_EQ(write_file_replacing((dir.path() / "other.棋譜").string(), "again"), 0);
        EXPECT_EQ(names_in(dir.path()), (std::set<std::string>{"game.棋譜", "other.棋譜"}));
        fs::remove(game);
        fs::remove(dir.path() / "other.棋譜");
        file_write_faults = {};
    }
}

TEST_F(FileWriting, OnlyStaleTemporariesOfTheProgramsOwnNamingAreRemoved) {
    const struct {
        const char* name;
        bool removed;
    } rows[] = {
        {".tessora-a1B2c3", true},   {".tessora-zzzzzz", true}, {".tessora-a1B2c", false},
        {".tessora-a1B2c3d", false}, {"tessora-a1B2c3", false}, {".tessora-locked", false},
        {".tessora-other1", false}, // belongs to another user
    };
    for (const auto& r : rows) dir.write(r.name, "debris");
    // One still held by a writer of this program, one of another user's.
    const int held = ::open((dir.path() / ".tessora-locked").c_str(), O_RDONLY);
    ASSERT_EQ(::flock(held, LOCK_EX), 0);
    const uid_t other = ::geteuid() == 0 ? 65534 : ::geteuid() + 1;
    const bool chowned =
        ::chown((dir.path() / ".tessora-other1").c_str(), other, static_cast<gid_t>(-1)) == 0;

    ASSERT_EQ(write_file_replacing("Tessora.ini", "BGM=ON\r\n"), 0);
    ::close(held);
    for (const auto& r : rows) {
        if (std::string(r.name) == ".tessora-other1" && !chowned) continue; // only root can make one
        EXPECT_EQ(fs::exists(dir.path() / r.name), !r.removed) << r.name;
    }
    EXPECT_EQ(dir.read("Tessora.ini"), "BGM=ON\r\n");
}

TEST_F(FileWriting, ALinkIsFollowedAndTheFileKeepsItsPermissions) {
    fs::create_directory(dir.path() / "real");
    dir.write("real/Tessora.ini", "old");
    fs::permissions(dir.path() / "real/Tessora.ini", fs::perms::owner_read | fs::perms::owner_write);
    fs::create_symlink("real/Tessora.ini", dir.path() / "Tessora.ini");
    ASSERT_EQ(write_file_replacing("Tessora.ini", "new"), 0);
    EXPECT_TRUE(fs::is_symlink(dir.path() / "Tessora.ini"));
    EXPECT_EQ(dir.read("real/Tessora.ini"), "new");
    EXPECT_EQ(fs::status(dir.path() / "real/Tessora.ini").permissions(),
              fs::perms::owner_read | fs::perms::owner_write);
}

} // namespace
