// Where the program's files live.
//
// Started from a folder that holds the game's own files (the program beside its pictures, a wave file
// or Tessora.ini), everything is in that folder, as it always was. Started anywhere else (an installed
// copy from a desktop menu), or from a folder the player cannot write or the installed data folder
// itself, the player's files go to a per-user folder, $XDG_DATA_HOME/tessora, and
// the wave files, help page and pictures come from the installed data folder: ../share/games/tessora
// beside the program (/usr/share/games/tessora for /usr/games/tessora), then games/tessora in each
// folder of $XDG_DATA_DIRS.
#pragma once

#include <functional>
#include <string>

// What the choice depends on, gathered from the running process (or written by a test).
struct FolderFacts {
    std::string current;   // current folder at start-up
    std::string program;   // folder of the executable
    std::string data_home; // $XDG_DATA_HOME, empty when unset
    std::string home;      // the home folder (home_folder())
    std::string data_dirs; // $XDG_DATA_DIRS, empty when unset
    std::function<bool(const std::string&)> exists;
    std::function<bool(const std::string&)> writable; // unset: every folder is
};

struct Folders {
    std::string work;      // Tessora.ini, the autosave and the file panel's first folder
    std::string data;      // the wave files and the help page
    std::string pictures;  // the folder that holds pictures/
    bool per_user = false; // work is the per-user folder, made on first start
};

// The game's files whose presence marks a folder as the game's own.
inline constexpr const char* kWaveFiles[] = {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav"};
inline constexpr const char* kSettingsFile = "Tessora.ini";

Folders choose_folders(const FolderFacts& facts);
// $HOME when it is an absolute path, else the home folder the account database gives the user.
std::string home_folder();

// The choice for this process, with the per-user folder made.
void use_folders_of_program(const std::string& program_dir);
void set_folders(const Folders& folders);
void forget_folders(); // back to the current folder, as before any were set

// Until folders are set, everything is in the current folder and the pictures beside the program.
std::string settings_folder(); // where Tessora.ini lives; the autosave goes there too
std::string data_folder();     // where the wave files and the help page are
std::string data_file(const std::string& name);
std::string pictures_folder(const std::string& program_dir);
