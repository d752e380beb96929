#include "tools/soak/session.h"

#include "control/game.h"
#include "control/owner.h"
#include "platform/platform.h"
#include "qt/canvas.h"
#include "qt/script_platform.h"
#include "tools/temp_dir.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <vector>

namespace fs = std::filesystem;

Session::Session() : dir_(std::make_unique<TempDir>()) {
    // The wave files and help page, so start-up is the usual one and not the no-sound warning.
    const fs::path assets = CanvasImage::asset_dir().toStdString();
    for (const char* name : {"その他.wav", "禁止.wav", "駒打音.wav", "BGM.wav", "Tessora.htm"}) {
        std::error_code ec;
        fs::copy_file(assets / name, dir_->path() / name, ec);
    }
    fs::create_directory(dir_->path() / "sub");
    start();
}

void Session::start() {
    runner_ = std::make_unique<ScriptPlatform>(out_);
    set_platform(runner_.get());
    Form_Load();
}

Session::~Session() {
    if (!runner_->ended()) 終了処理(true);
    set_platform(nullptr);
}

Violation Session::step(const std::string& line) {
    std::istringstream in(line);
    std::string verb, from, to;
    unsigned long n = 0;
    in >> verb;
    if (verb == "restart") {
        if (!runner_->ended()) Form_Unload();
        set_platform(nullptr);
        runner_.reset();
        // A new process starts from nothing: neither the game nor the record of the run before.
        TAIKYOKU = Taikyoku{};
        start();
    } else if (verb == "mutate" && in >> from >> to >> n) {
        mutate(from, to, n);
    } else {
        runner_->command(line);
    }
    return check_invariants();
}

void Session::mutate(const std::string& from, const std::string& to, unsigned long n) {
    std::ifstream in(dir_->path() / from, std::ios::binary);
    if (!in) return;
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    std::mt19937_64 rng(n);
    auto pick = [&](std::size_t size) { return size == 0 ? 0 : static_cast<std::size_t>(rng() % size); };
    // The lines with their ends, to drop, double, swap or blank whole lines.
    std::vector<std::string> lines;
    for (std::size_t start = 0; start < bytes.size();) {
        const std::size_t end = std::min(bytes.find('\n', start), bytes.size() - 1) + 1;
        lines.push_back(bytes.substr(start, end - start));
        start = end;
    }
    const std::size_t i = pick(lines.size()), j = pick(lines.size());
    switch (n % 7) {
    case 0: // cut anywhere, as a write that never finished would leave it
        bytes.resize(pick(bytes.size() + 1));
        break;
    case 1:
        if (!lines.empty()) bytes.replace(bytes.find(lines[i]), lines[i].size(), "");
        break;
    case 2:
        if (!lines.empty()) bytes.insert(bytes.find(lines[i]), lines[i]);
        break;
    case 3:
        if (!lines.empty()) bytes.insert(bytes.find(lines[i]), "\r\n");
        break;
    case 4:
        if (!lines.empty()) {
            std::swap(lines[i], lines[j]);
            bytes.clear();
            for (const std::string& l : lines) bytes += l;
        }
        break;
    case 5: // one digit of a field changed: a piece becomes another, or a count one more
        for (std::size_t k = 0, at = pick(bytes.size()); k < bytes.size(); ++k)
            if (const std::size_t c = (at + k) % bytes.size(); bytes[c] >= '0' && bytes[c] <= '9') {
                bytes[c] = static_cast<char>('0' + pick(10));
                break;
            }
        break;
    default:
        if (!bytes.empty()) bytes[pick(bytes.size())] = static_cast<char>(rng());
        break;
    }
    std::ofstream(dir_->path() / to, std::ios::binary) << bytes;
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
