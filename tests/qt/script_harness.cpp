#include "script_harness.h"

#include "platform/platform.h"
#include "qt/canvas.h"
#include "qt/script_platform.h"

#include <QApplication>
#include <QImage>
#include <algorithm>
#include <filesystem>
#include <gtest/gtest.h>
#include <sstream>

namespace fs = std::filesystem;

namespace {
QImage g_last;
}

std::vector<std::string> ScriptResult::starting(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const auto& l : lines)
        if (l.rfind(prefix, 0) == 0) out.push_back(l);
    return out;
}

bool ScriptResult::has(const std::string& line) const {
    return find(line) >= 0;
}

int ScriptResult::find(const std::string& line, int from) const {
    for (int i = std::max(from, 0); i < static_cast<int>(lines.size()); ++i)
        if (lines[i] == line) return i;
    return -1;
}

void copy_assets(TempDir& dir) {
    const fs::path assets = CanvasImage::asset_dir().toStdString();
    for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav", "Tessora.htm"}) {
        std::error_code ec;
        fs::copy_file(assets / name, dir.path() / name, fs::copy_options::overwrite_existing, ec);
    }
}

ScriptResult run_script(const std::string& script, TempDir& dir) {
    copy_assets(dir);
    std::ostringstream out;
    ScriptResult result;
    {
        ScriptPlatform runner(out);
        set_platform(&runner);
        std::istringstream in(script);
        result.ok = runner.run(in);
        g_last = runner.canvas().image();
        set_platform(nullptr);
    }
    std::istringstream lines(out.str());
    std::string line;
    while (std::getline(lines, line)) result.lines.push_back(line);
    return result;
}

Rgb last_pixel(int x, int y) {
    const QRgb p = g_last.pixel(x, y);
    return {qRed(p), qGreen(p), qBlue(p)};
}

bool save_last_canvas(const std::string& file) {
    return g_last.save(QString::fromStdString(file), "PNG");
}

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QApplication app(argc, argv); // widgets too: the review's graph
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
