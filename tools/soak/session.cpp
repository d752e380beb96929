#include "tools/soak/session.h"

#include "control/game.h"
#include "platform/platform.h"
#include "qt/canvas.h"
#include "qt/script_platform.h"
#include "support/temp_dir.h"

#include <filesystem>

namespace fs = std::filesystem;

Session::Session() : dir_(std::make_unique<TempDir>()) {
    // The wave files and help page, so start-up is the usual one and not the no-sound warning.
    const fs::path assets = CanvasImage::asset_dir().toStdString();
    for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav", "Tessora.htm"}) {
        std::error_code ec;
        fs::copy_file(assets / name, dir_->path() / name, ec);
    }
    fs::create_directory(dir_->path() / "sub");
    runner_ = std::make_unique<ScriptPlatform>(out_);
    set_platform(runner_.get());
    Form_Load();
}

Session::~Session() {
    if (!runner_->ended()) 終了処理(true);
    set_platform(nullptr);
}

Violation Session::step(const std::string& line) {
    runner_->command(line);
    return check_invariants();
}

bool Session::ended() const {
    return runner_->ended();
}

Outcome play(const std::vector<std::string>& script) {
    Outcome o;
    Session s;
    o.violation = check_invariants();
    for (int i = 0; i < static_cast<int>(script.size()) && !o.violation.broken() && !s.ended(); ++i) {
        o.violation = s.step(script[i]);
        if (o.violation.broken()) o.failed_line = i;
    }
    o.output = s.output();
    return o;
}
