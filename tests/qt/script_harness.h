// Runs a script through the real program headlessly, in a fresh folder holding the wave files and
// the help page, and gives back the lines a player would have seen and heard.
#pragma once

#include "tools/temp_dir.h"

#include <string>
#include <vector>

struct ScriptResult {
    std::vector<std::string> lines;
    bool ok = true;

    // Lines that start with the prefix ("msg", "sound", "dump", ...).
    std::vector<std::string> starting(const std::string& prefix) const;
    bool has(const std::string& line) const;
    // Index of the first line equal to `line` at or after `from`, or -1.
    int find(const std::string& line, int from = 0) const;
};

// Copies the program's wave files and help page into `dir`.
void copy_assets(TempDir& dir);

// Runs `script` in `dir` (which becomes the current folder); the program's assets are copied there.
ScriptResult run_script(const std::string& script, TempDir& dir);

// The canvas of the last run.
struct Rgb {
    int r, g, b;
};
Rgb last_pixel(int x, int y);
bool save_last_canvas(const std::string& file);
