// Where the player's files and the game's data are, from the folder the program was started in.
#include "platform/folders.h"

#include <gtest/gtest.h>
#include <cstdlib>
#include <pwd.h>
#include <set>
#include <unistd.h>

namespace {

struct Row {
    const char* what;
    std::string current;
    std::set<std::string> files; // what exists
    std::string data_home;
    std::string data_dirs;
    Folders expected;
    bool writable = true; // the player may write to the current folder
};

// An installed copy in /opt/t/games with its data in /opt/t/share/games/tessora, as Debian lays out a
// game, and a build folder /b.
const std::string kInstalled = "/opt/t/share/games/tessora";
const std::set<std::string> kInstall = {"/opt/t/share/games/tessora/pictures",
                                        "/opt/t/share/games/tessora/BGM.wav"};

TEST(Folders, FromWhereTheProgramWasStarted) {
    const Row rows[] = {
        {"the build folder: the program beside its pictures",
         "/b",
         {"/b/pictures"},
         "",
         "",
         {"/b", "/b", "/b", false}},
        {"a folder with a wave file", "/g", {"/g/禁止.wav"}, "", "", {"/g", "/g", "/opt/t/games", false}},
        {"a folder with only Tessora.ini plays the installed sounds",
         "/g",
         {"/g/Tessora.ini", "/opt/t/share/games/tessora/pictures"},
         "",
         "",
         {"/g", kInstalled, kInstalled, false}},
        {"elsewhere: the per-user folder and the data beside the program",
         "/home/p",
         kInstall,
         "",
         "",
         {"/home/p/.local/share/tessora", kInstalled, kInstalled, true}},
        {"elsewhere, with XDG_DATA_HOME",
         "/home/p",
         kInstall,
         "/x/data",
         "",
         {"/x/data/tessora", kInstalled, kInstalled, true}},
        {"elsewhere, a relative XDG_DATA_HOME is ignored",
         "/home/p",
         kInstall,
         "x/data",
         "",
         {"/home/p/.local/share/tessora", kInstalled, kInstalled, true}},
        {"elsewhere, the data found through XDG_DATA_DIRS, relative entries ignored",
         "/home/p",
         {"/usr/share/games/tessora/pictures", "/srv/share/games/tessora/pictures",
          "rel/games/tessora/pictures"},
         "",
         "/nowhere::rel:/srv/share/:/usr/share",
         {"/home/p/.local/share/tessora", "/srv/share/games/tessora", "/srv/share/games/tessora", true}},
        {"elsewhere, XDG_DATA_DIRS unset: /usr/local/share then /usr/share",
         "/home/p",
         {"/usr/share/games/tessora/pictures"},
         "",
         "",
         {"/home/p/.local/share/tessora", "/usr/share/games/tessora", "/usr/share/games/tessora", true}},
        {"the installed program's own folder holds no game files",
         "/opt/t/games",
         kInstall,
         "",
         "",
         {"/home/p/.local/share/tessora", kInstalled, kInstalled, true}},
        {"the installed data folder, though it holds the wave files, is never the player's",
         kInstalled,
         kInstall,
         "",
         "",
         {"/home/p/.local/share/tessora", kInstalled, kInstalled, true}},
        {"a game's folder the player cannot write: the per-user folder, silently",
         "/g",
         {"/g/禁止.wav", "/g/Tessora.ini", "/opt/t/share/games/tessora/pictures"},
         "",
         "",
         {"/home/p/.local/share/tessora", kInstalled, kInstalled, true},
         false},
    };
    for (const Row& r : rows) {
        const std::set<std::string> files = r.files;
        SCOPED_TRACE(r.what);
        const std::string program = r.current == "/b" ? "/b" : "/opt/t/games";
        const Folders f =
            choose_folders({r.current, program, r.data_home, "/home/p", r.data_dirs,
                            [&files](const std::string& p) { return files.count(p) > 0; },
                            [&r](const std::string& p) { return p != r.current || r.writable; }});
        EXPECT_EQ(f.work, r.expected.work) << r.what;
        EXPECT_EQ(f.data, r.expected.data) << r.what;
        EXPECT_EQ(f.pictures, r.expected.pictures) << r.what;
        EXPECT_EQ(f.per_user, r.expected.per_user) << r.what;
    }
}

// The per-user folder is never relative: without HOME the account's home folder is taken, and
// without any home folder the files stay where the game was started.
TEST(Folders, NoRelativePerUserFolder) {
    const char* saved = std::getenv("HOME");
    const std::string home = saved ? saved : "";
    unsetenv("HOME");
    const passwd* pw = getpwuid(getuid());
    ASSERT_NE(pw, nullptr);
    EXPECT_EQ(home_folder(), pw->pw_dir);
    setenv("HOME", "relative", 1);
    EXPECT_EQ(home_folder(), pw->pw_dir);
    if (saved) setenv("HOME", home.c_str(), 1);

    for (const std::string no_home : {"", "relative"}) {
        const Folders f = choose_folders({"/g",
                                          "/opt/t/games",
                                          "",
                                          no_home,
                                          "",
                                          [](const std::string& p) { return kInstall.count(p) > 0; },
                                          {}});
        EXPECT_EQ(f.work, "/g");
        EXPECT_FALSE(f.per_user);
        EXPECT_EQ(f.data, kInstalled);
    }
}

} // namespace
