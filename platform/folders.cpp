#include "platform/folders.h"

#include <cstdlib>
#include <filesystem>
#include <optional>
#include <pwd.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;

namespace {

std::optional<Folders> g_folders;

std::string join(const std::string& dir, const std::string& name) {
    return (fs::path(dir) / name).lexically_normal().string();
}

// Installed data folders, nearest first: beside the program, then the XDG data folders. As Debian keeps
// a game's data, the folder is games/tessora of a share folder (the program is in /usr/games).
std::vector<std::string> data_candidates(const FolderFacts& f) {
    std::vector<std::string> out = {f.program, join(f.program, "../share/games/tessora")};
    const std::string dirs = f.data_dirs.empty() ? "/usr/local/share:/usr/share" : f.data_dirs;
    std::size_t start = 0;
    while (start <= dirs.size()) {
        const std::size_t end = std::min(dirs.find(':', start), dirs.size());
        if (end > start && dirs[start] == '/')
            out.push_back(join(dirs.substr(start, end - start), "games/tessora"));
        start = end + 1;
    }
    return out;
}

bool holds_waves(const FolderFacts& f, const std::string& dir) {
    for (const char* wave : kWaveFiles)
        if (f.exists(join(dir, wave))) return true;
    return false;
}

std::string env(const char* name) {
    const char* v = std::getenv(name);
    return v ? v : "";
}

} // namespace

Folders choose_folders(const FolderFacts& f) {
    std::string installed = f.program;
    for (const std::string& dir : data_candidates(f)) {
        if (f.exists(join(dir, "pictures"))) {
            installed = dir;
            break;
        }
    }
    const bool waves_here = holds_waves(f, f.current);
    const auto same = [](const std::string& a, const std::string& b) {
        return fs::path(a).lexically_normal() == fs::path(b).lexically_normal();
    };
    // The installed data folder holds the wave files too, but the player's files never go there, nor
    // into any folder the player cannot write: the settings would be lost.
    const bool keeps_files =
        (!f.writable || f.writable(f.current)) && (same(installed, f.program) || !same(f.current, installed));
    const bool own = keeps_files && (waves_here || f.exists(join(f.current, kSettingsFile)) ||
                                     (same(f.current, f.program) && f.exists(join(f.program, "pictures"))));
    // A folder with the player's settings but none of the wave files still plays the installed ones.
    if (own) return {f.current, waves_here ? f.current : installed, installed, false};
    // As the XDG rules say, a relative XDG path is ignored. Without any home folder the player's files
    // stay in the folder the game was started from: a relative per-user folder would move with it.
    const auto absolute = [](const std::string& p) { return p.rfind('/', 0) == 0; };
    if (!absolute(f.data_home) && !absolute(f.home)) return {f.current, installed, installed, false};
    const std::string data_home = absolute(f.data_home) ? f.data_home : join(f.home, ".local/share");
    return {join(data_home, "tessora"), installed, installed, true};
}

void use_folders_of_program(const std::string& program_dir) {
    FolderFacts facts{fs::current_path().string(),
                      program_dir,
                      env("XDG_DATA_HOME"),
                      home_folder(),
                      env("XDG_DATA_DIRS"),
                      [](const std::string& p) {
                          std::error_code ec;
                          return fs::exists(p, ec);
                      },
                      [](const std::string& p) { return access(p.c_str(), W_OK) == 0; }};
    const Folders chosen = choose_folders(facts);
    set_folders(chosen);
    std::error_code ec; // a folder that cannot be made shows when the settings cannot be written
    if (chosen.per_user) fs::create_directories(chosen.work, ec);
}

std::string home_folder() {
    const std::string home = env("HOME");
    if (home.rfind('/', 0) == 0) return home;
    // HOME unset (a service, `env -i`): the account's own entry names it.
    const passwd* pw = getpwuid(getuid());
    return pw && pw->pw_dir ? pw->pw_dir : "";
}

void set_folders(const Folders& folders) {
    g_folders = folders;
}

void forget_folders() {
    g_folders.reset();
}

std::string settings_folder() {
    return g_folders ? g_folders->work : fs::current_path().string();
}

std::string data_folder() {
    return g_folders ? g_folders->data : fs::current_path().string();
}

std::string data_file(const std::string& name) {
    return g_folders ? join(g_folders->data, name) : name;
}

std::string pictures_folder(const std::string& program_dir) {
    return g_folders ? g_folders->pictures : program_dir;
}
