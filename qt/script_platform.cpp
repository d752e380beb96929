#include "qt/script_platform.h"

#include "kifu/review_file.h"
#include "qt/eval_graph.h"

#include "control/commands.h"
#include "control/engine_view.h"
#include "control/flow.h"
#include "control/clock.h"
#include "control/game.h"
#include "control/level4.h"
#include "control/levels.h"
#include "control/move_list.h"
#include "core/state.h"
#include "kifu/kifu_file.h"
#include "control/record_commands.h"
#include "control/review_commands.h"
#include "display/panel.h"
#include "platform/folders.h"
#include "platform/translate.h"
#include "qt/translation.h"
#include "sound/dslib.h"
#include "sound/effects.h"
#include "control/owner.h"

#include <QDir>
#include <QImage>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <istream>
#include <ostream>
#include <sstream>

namespace {

ScriptPlatform* g_current = nullptr;

// The driver's clock for LEVEL4 thinking for a time: its default budget a second, about what one core
// of a small machine searches.
constexpr double kThinkNodesPerSecond = static_cast<double>(engine::DEFAULT_NODES);

std::string escape_newlines(const std::string& s) {
    std::string out;
    for (char c : s) {
        if (c == '\n') {
            out += "\\n";
        } else if (c != '\r') {
            out += c;
        }
    }
    return out;
}

std::string trim(const std::string& s) {
    const auto b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos) return "";
    const auto e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

// A line of LEVEL4's: its evaluation from the lower side's view (a mate as +-30000) and its moves as
// the list writes them, each starting with its side's mark ("-" for none).
std::string engine_text(const EngineLine& e) {
    std::string line;
    for (const std::string& m : e.moves) line += (line.empty() ? "" : " ") + m;
    return std::to_string(e.eval) + " " + (line.empty() ? "-" : line);
}

const char* sound_name(int buffer) {
    if (buffer == 0) return nullptr;
    if (buffer == OTO_KOMA) return "KOMA";
    if (buffer == OTO_KINSHI) return "KINSHI";
    if (buffer == OTO_SONOTA) return "SONOTA";
    if (buffer == OTO_BGM) return "BGM";
    return nullptr;
}

} // namespace

ScriptPlatform::ScriptPlatform(std::ostream& out) : out_(out) {
    level4_thinking = {};
    folder_ = settings_folder();
    canvas_.load_pictures();
    g_current = this;
    dsSetListener(&ScriptPlatform::sound_listener);
}

ScriptPlatform::~ScriptPlatform() {
    dsSetListener(nullptr);
    if (g_current == this) g_current = nullptr;
}

void ScriptPlatform::sound_listener(const char* action, int buffer) {
    if (!g_current) return;
    if (const char* name = sound_name(buffer)) g_current->out_ << "sound " << action << " " << name << "\n";
}

void ScriptPlatform::clear(int colour) {
    canvas_.clear(colour);
}
void ScriptPlatform::stamp(Pic p, double x, double y) {
    canvas_.stamp(p, x, y);
}
void ScriptPlatform::outline(int c, double x1, double y1, double x2, double y2) {
    canvas_.outline(c, x1, y1, x2, y2);
}
void ScriptPlatform::tint(int c, double x1, double y1, double x2, double y2) {
    canvas_.tint(c, x1, y1, x2, y2);
}
void ScriptPlatform::set_font_bold(bool bold) {
    canvas_.set_font_bold(bold);
}
void ScriptPlatform::print(double x, double y, const std::string& text, double points, int colour) {
    canvas_.print(x, y, text, points, colour);
}

void ScriptPlatform::show_result(const std::string& text) {
    if (text != result_ && !text.empty()) out_ << "result " << text << "\n";
    result_ = text;
}

bool ScriptPlatform::choose_time_control(int& main, int& byoyomi, int& increment) {
    main = answer_tc_.main;
    byoyomi = answer_tc_.byoyomi;
    increment = answer_tc_.increment;
    return true;
}

void ScriptPlatform::message(const std::string& text, const std::string& title) {
    out_ << "msg " << title << " | " << escape_newlines(text) << "\n";
}

void ScriptPlatform::show_notice(const std::string& text) {
    if (!text.empty()) out_ << "notice " << escape_newlines(text) << "\n";
}

bool ScriptPlatform::ask(const std::string& text, const std::string& title) {
    bool yes = true;
    if (!answers_.empty()) {
        yes = answers_.front();
        answers_.pop_front();
    }
    out_ << "ask " << title << " | " << escape_newlines(text) << " -> " << (yes ? "Yes" : "No") << "\n";
    return yes;
}

void ScriptPlatform::warning(const std::string& text, const std::string& title) {
    message(text, title);
}

bool ScriptPlatform::checked(MenuItem item) {
    return checks_[item];
}
void ScriptPlatform::set_checked(MenuItem item, bool on) {
    checks_[item] = on;
}

bool ScriptPlatform::flag(const std::string& key, bool fallback) {
    const auto it = flags_.find(key);
    return it == flags_.end() ? fallback : it->second;
}

bool ScriptPlatform::version_dialog() {
    // The dialog's two buttons: a queued "answer Yes" presses ホームページ, anything else O K.
    bool home = false;
    if (!answers_.empty()) {
        home = answers_.front();
        answers_.pop_front();
    }
    out_ << "dialog " << translate("Version", "バージョン情報") << " -> "
         << (home ? translate("Version", "ホームページ") : translate("Version", "O K")) << "\n";
    return home;
}

bool ScriptPlatform::open_browser(const std::string& path) {
    out_ << "browse " << path << "\n";
    return true;
}

std::string ScriptPlatform::date_time() {
    const long t = static_cast<long>(clock_) % 86400;
    char buf[32];
    std::snprintf(buf, sizeof buf, "2000/01/01 %02ld:%02ld:%02ld", t / 3600, t / 60 % 60, t % 60);
    return buf;
}

void ScriptPlatform::put_text(const std::string& text) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        out_ << "clipboard " << line << "\n";
        start = end + 1;
    }
    out_.flush();
}

void ScriptPlatform::show_lists(bool, bool, bool) {}

void ScriptPlatform::set_folder(const std::string& path) {
    folder_ = std::filesystem::absolute(path).lexically_normal().string();
    if (folder_.size() > 1 && folder_.back() == '/') folder_.pop_back();
}

void ScriptPlatform::advance(double seconds) {
    const long ticks = static_cast<long>(std::floor(seconds / 0.05 + 1e-9));
    for (long i = 0; i < ticks && !ended_; ++i) {
        clock_ += 0.05;
        if (timer_) Timer1_Timer();
    }
    clock_ += seconds - ticks * 0.05;
}

void ScriptPlatform::dump() {
    // The board and hands as a kifu record line, without the clocks.
    const std::string line = record_line_of(entry_of(TAIKYOKU.pos));
    out_ << "dump " << line.substr(0, 498) << " TEBAN=" << TAIKYOKU.pos.TEBAN
         << " TESUU=" << TAIKYOKU.shinkou.TESUU << " SYOUSYA=" << TAIKYOKU.pos.SYOUSYA << "\n";
}

void ScriptPlatform::pixels() {
    // FNV-1a over the red, green and blue bytes of every pixel, row by row: unlike a PNG file it does
    // not depend on the encoder.
    const QImage image = canvas_.image().convertToFormat(QImage::Format_RGB32);
    std::uint64_t h = 1469598103934665603ull;
    for (int y = 0; y < image.height(); ++y) {
        const QRgb* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            for (int c : {qRed(row[x]), qGreen(row[x]), qBlue(row[x])}) {
                h ^= static_cast<std::uint64_t>(c);
                h *= 1099511628211ull;
            }
    }
    char hex[17];
    std::snprintf(hex, sizeof hex, "%016llx", static_cast<unsigned long long>(h));
    out_ << "pixels " << image.width() << "x" << image.height() << " " << hex << "\n";
}

bool ScriptPlatform::command(const std::string& raw) {
    const std::string line = trim(raw);
    if (line.empty() || line[0] == '#' || ended_) return true;
    std::istringstream in(line);
    std::string verb;
    in >> verb;
    auto fail = [&](const std::string& why) {
        out_ << "error " << line << ": " << why << "\n";
        return false;
    };
    if (verb == "menu" || verb == "button") {
        std::string name;
        in >> name;
        const Command* c = find_command(name);
        if (!c) return fail("unknown control");
        if (c->menu_opened) c->menu_opened();
        c->handler();
        // The review runs to its end here: no virtual time passes.
        if (name == "KENTOU") finish_review();
        // The hint is shown on the board; the driver names the steps that play it.
        if (name == "HINT" && !flow_hint_steps().empty())
            out_ << "hint " << flow_hint_text() << " | " << flow_hint_steps() << "\n";
    } else if (verb == "click" || verb == "press") {
        std::string b;
        double x = 0, y = 0;
        if (!(in >> b >> x >> y) || (b != "L" && b != "R")) return fail("expected L|R and two numbers");
        if (verb == "click") {
            x = 1050 + 570 * x + 285;
            y = 700 + 660 * y + 330;
        }
        Form_MouseDown(b == "R" ? 2 : 1, 0, x, y);
    } else if (verb == "key") {
        std::string key;
        in >> key;
        const auto named = std::find_if(command_keys().begin(), command_keys().end(),
                                        [&](const KeyCommand& k) { return key == k.key; });
        if (named != command_keys().end()) {
            find_command(named->command)->handler();
        } else {
            int code = 0;
            std::istringstream number(key);
            if (!(number >> code) || !number.eof()) return fail("expected a character code or a key name");
            Form_KeyPress(code);
        }
    } else if (verb == "state") {
        out_ << "state LEVEL=" << TAIKYOKU.settei.COM_LEVEL << " HANDICAP=" << TAIKYOKU.settei.HANDE_LEVEL
             << "\n";
    } else if (verb == "moves") {
        for (std::size_t n = 1; n < move_rows_.size(); ++n)
            out_ << "move " << n << " " << move_rows_[n] << "\n";
    } else if (verb == "nodes") {
        long long n = 0;
        if (!(in >> n) || n < 1000) return fail("expected a node budget of at least 1000");
        level4_nodes = static_cast<std::uint64_t>(n);
        level4_thinking.by_time = false;
    } else if (verb == "think") {
        double s = 0;
        if (!(in >> s) || !(s >= 0.1 && s <= 600)) return fail("expected seconds from 0.1 to 600");
        // As in play, but on one thread with the nodes counted as time: the same moves on any machine.
        level4_thinking.by_time = true;
        level4_thinking.seconds = s;
        level4_thinking.virtual_nodes_per_second = kThinkNodesPerSecond;
    } else if (verb == "strength") {
        int n = 0;
        if (!(in >> n) || n < engine::WEAKEST_STRENGTH || n > engine::FULL_STRENGTH)
            return fail("expected a strength from 1 to 5");
        remember_level4_strength(n);
    } else if (verb == "timecontrol") {
        long long m = -1, b = -1, i = -1;
        if (!(in >> m >> b >> i) || m < 0 || b < 0 || i < 0 || m > 86400 || b > 86400 || i > 86400)
            return fail("expected main time, byoyomi and increment in seconds");
        if (b > 0 && i > 0) return fail("a byoyomi or an increment, not both");
        set_time_control_answer(static_cast<int>(m), static_cast<int>(b), static_cast<int>(i));
        const Command* c = find_command("TIMECONTROL");
        c->menu_opened();
        c->handler();
    } else if (verb == "evals") {
        for (std::size_t n = 1; n <= review_.size(); ++n) {
            const ReviewRow& r = review_[n - 1];
            if (!r.ready) continue;
            out_ << "eval " << n << " " << r.eval << " "
                 << translate("Review", mark_text(static_cast<ReviewMark>(r.mark))) << " "
                 << (r.best.empty() ? "-" : r.best) << "\n";
        }
    } else if (verb == "list") {
        int n = -1;
        if (!(in >> n) || n < 0 || n >= static_cast<int>(move_rows_.size()))
            return fail("expected a row of the move list");
        show_listed_move(n);
    } else if (verb == "close") {
        // The window is closed: the program ends as Form_Unload ends it.
        Form_Unload();
        ended_ = true;
    } else if (verb == "language") {
        std::string code;
        in >> code;
        Language l = Language::Japanese;
        if (started_) return fail("the language is chosen at the top of a script");
        if (!language_of_code(QString::fromStdString(code), l)) return fail("expected en or ja");
        if (!use_language(l)) return fail("cannot load " + translation_file(l).toStdString());
        return true;
    } else if (verb == "answer") {
        std::string a;
        in >> a;
        if (a != "Yes" && a != "No") return fail("expected Yes or No");
        answers_.push_back(a == "Yes");
    } else if (verb == "type") {
        std::string box;
        in >> box;
        if (box.size() != 5 || box.compare(0, 4, "Text") != 0 || box[4] < '1' || box[4] > '4')
            return fail("expected Text1..Text4");
        std::string rest;
        std::getline(in, rest);
        if (!rest.empty() && rest[0] == ' ') rest.erase(0, 1);
        boxes_[box[4] - '0'] = rest;
    } else if (verb == "folder") {
        std::string rest;
        std::getline(in, rest);
        Dir1_Change(trim(rest));
    } else if (verb == "pick") {
        std::string rest;
        std::getline(in, rest);
        File1_Click(trim(rest));
    } else if (verb == "wait") {
        double s = 0;
        if (!(in >> s) || s < 0) return fail("expected seconds");
        advance(s);
    } else if (verb == "dump") {
        dump();
    } else if (verb == "pixels") {
        pixels();
    } else if (verb == "scale") {
        double s = 0;
        if (!(in >> s) || !(s >= CanvasImage::kMinScale && s <= 8))
            return fail("expected a scale from 0.5 to 8");
        canvas_.set_scale(s);
    } else if (verb == "shot") {
        std::string file;
        in >> file;
        if (!canvas_.image().save(QString::fromStdString(file), "PNG")) return fail("cannot save " + file);
    } else {
        return fail("unknown command");
    }
    // The window brings the list up to date after every handler; the analysis follows the position
    // shown and runs to its budget before the next line.
    if (!ended_) show_move_list();
    if (!ended_) finish_analysis();
    out_.flush();
    return true;
}

bool ScriptPlatform::run(std::istream& script) {
    // Answers at the very top are given to the questions of start-up (the kept game offered), and the
    // language is chosen there. The
    // program starts when the first other line is read, and from then on each line runs as soon as it is
    // read, its output flushed, so that a program on the other end of a pipe can answer what it saw.
    bool ok = true;
    std::string line;
    bool more = false;
    while (std::getline(script, line)) {
        const std::string t = trim(line);
        if (!t.empty() && t[0] != '#' && t.rfind("answer ", 0) != 0 && t.rfind("language ", 0) != 0) {
            more = true;
            break;
        }
        ok = command(line) && ok;
    }
    started_ = true;
    Form_Load();
    answers_.clear(); // those start-up did not ask for
    out_.flush();
    if (more) ok = command(line) && ok;
    while (!ended_ && std::getline(script, line)) ok = command(line) && ok;
    if (!ended_) 終了処理(true);
    out_.flush();
    return ok;
}

bool ScriptPlatform::save_graph(const std::string& path) {
    return save_eval_graph(QString::fromStdString(path), kGraphPicture, graph_moves(review_), move_current_);
}

void ScriptPlatform::show_engine(const std::optional<EngineLine>& line) {
    if (line) out_ << "engine " << engine_text(*line) << "\n";
}

void ScriptPlatform::show_analysis(bool, const std::optional<EngineLine>& line) {
    if (line) out_ << "analysis " << line->depth << " " << engine_text(*line) << "\n";
}
