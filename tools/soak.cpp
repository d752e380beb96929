// tessora-soak: plays random scripts against the program headlessly and checks the game's invariants
// after every step. A script that breaks one is saved, shrunk to a minimal script that breaks the same
// invariant, and saved again.
//   tessora-soak [--seconds N] [--seed S] [--steps N] [--out DIR] [--keep-going]
//   tessora-soak --replay FILE      checks one saved script
//   tessora-soak --shrink FILE      checks one saved script and shrinks it if it fails
// --shrink-seconds N bounds the time spent shrinking one script (default 180); --without A,B never
// chooses those menu commands or buttons (to look past a known fault until it is mended).
#include "control/level4.h"
#include "tools/soak/generate.h"
#include "tools/soak/isolate.h"
#include "tools/soak/session.h"
#include "tools/soak/shrink.h"

#include <QGuiApplication>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <string>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr int kShrinksPerInvariant = 4;
constexpr std::uint64_t kLevel4Nodes = 3000;

namespace {

struct Options {
    double seconds = 60;
    std::uint64_t seed = 1;
    int steps = 300;
    fs::path out = fs::current_path();
    bool keep_going = false;
    double shrink_seconds = 180;
    std::string replay;
    std::string to_shrink;
    std::set<std::string> without;
};

bool parse(int argc, char* argv[], Options& o) {
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool has_value = i + 1 < argc;
        if (a == "--keep-going") {
            o.keep_going = true;
        } else if (!has_value) {
            return false;
        } else if (a == "--seconds") {
            o.seconds = std::atof(argv[++i]);
        } else if (a == "--seed") {
            o.seed = std::strtoull(argv[++i], nullptr, 10);
        } else if (a == "--steps") {
            o.steps = std::atoi(argv[++i]);
        } else if (a == "--out") {
            o.out = fs::absolute(argv[++i]);
        } else if (a == "--replay") {
            o.replay = argv[++i];
        } else if (a == "--shrink") {
            o.to_shrink = argv[++i];
        } else if (a == "--without") {
            std::stringstream names(argv[++i]);
            for (std::string n; std::getline(names, n, ',');) o.without.insert(n);
        } else if (a == "--shrink-seconds") {
            o.shrink_seconds = std::atof(argv[++i]);
        } else {
            return false;
        }
    }
    return o.steps > 0 && o.seconds >= 0;
}

void save(const fs::path& file, const Lines& script, const std::string& header) {
    std::ofstream f(file);
    f << "# " << header << "\n";
    for (const auto& l : script) f << l << "\n";
}

Lines load(const std::string& file) {
    std::ifstream in(file);
    Lines lines;
    for (std::string l; std::getline(in, l);) lines.push_back(l);
    return lines;
}

void report(const std::string& where, const Outcome& o) {
    std::cout << where << ": " << o.violation.key << ": " << o.violation.what << " (after line "
              << o.failed_line + 1 << ")\n";
}

// Generates and plays one script in a child process; the lines are kept in `progress` on disk as they
// are played, so a crash leaves the script that caused it, and read back into `script`.
Outcome soak_one(const Options& opt, std::uint64_t seed, Lines& script, const fs::path& progress) {
    Outcome o = isolated(
        [&] {
            Generator gen(seed, opt.without);
            Outcome r;
            std::ofstream keep(progress);
            Session s;
            r.violation = check_invariants();
            for (int n = 0; n < opt.steps && !r.violation.broken() && !s.ended(); ++n) {
                const std::string line = gen.next();
                keep << line << "\n" << std::flush;
                r.violation = s.step(line);
            }
            return r;
        },
        false);
    script = load(progress.string());
    o.failed_line = static_cast<int>(script.size()) - 1;
    return o;
}

Outcome play_isolated(const Lines& script) {
    return isolated([&] { return play(script); }, true);
}

// Saves a failing script and its shrunk form, with what the shrunk one shows a player; returns the
// shrunk script. A failure that does not come back on replay is only saved: the run was not
// deterministic, which is worth a look too.
Lines handle_failure(const Options& opt, const std::string& stem, const Lines& script, const Outcome& o) {
    const fs::path full = opt.out / (stem + ".txt");
    save(full, script, o.violation.key + ": " + o.violation.what);
    const auto fails = [&](const Lines& s) { return play_isolated(s).violation.key == o.violation.key; };
    if (!fails(script)) {
        std::cout << "soak: the failure did not come back when the script was played again\n";
        std::cout << "soak: script " << full.string() << "\n";
        return script;
    }
    const Lines small = shrink(
        script, fails,
        std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(opt.shrink_seconds)));
    const Outcome again = play_isolated(small);
    const fs::path min = opt.out / (stem + ".min.txt");
    save(min, small, again.violation.key + ": " + again.violation.what);
    std::ofstream(opt.out / (stem + ".min.out")) << again.output;
    std::cout << "soak: script " << full.string() << " (" << script.size() << " lines)\n";
    std::cout << "soak: shrunk " << min.string() << " (" << small.size() << " lines):\n";
    for (const auto& l : small) std::cout << "    " << l << "\n";
    return small;
}

// What tells two failures apart: the invariant, and the commands of the shrunk script without the
// cells clicked (the same fault shrinks to the same commands with other squares).
std::string shape(const std::string& key, const Lines& small) {
    std::string s = key;
    for (const auto& l : small) {
        s += '|';
        s += l.substr(0, l.rfind("click", 0) == 0 || l.rfind("press", 0) == 0 ? 5 : l.npos);
    }
    return s;
}

int replay(const std::string& file) {
    const Outcome o = play(load(file));
    std::cout << o.output;
    if (!o.violation.broken()) {
        std::cout << "soak: every invariant held\n";
        return 0;
    }
    report("soak", o);
    return 1;
}

int shrink_file(const Options& opt) {
    const Lines script = load(opt.to_shrink);
    const Outcome o = play_isolated(script);
    if (!o.violation.broken()) {
        std::cout << "soak: every invariant held\n";
        return 0;
    }
    report(opt.to_shrink, o);
    handle_failure(opt, fs::path(opt.to_shrink).stem().string(), script, o);
    return 1;
}

int soak(const Options& opt) {
    const fs::path progress = opt.out / ("soak-" + std::to_string(opt.seed) + "-current.txt");
    std::cout << "soak: seed " << opt.seed << ", " << opt.seconds << " s, " << opt.steps
              << " steps a script; the script being played is in " << progress.string() << "\n";
    const auto end = Clock::now() + std::chrono::duration<double>(opt.seconds);
    // Failures are shrunk until a few of the same invariant have been; distinct ones by their shape.
    std::map<std::string, int> shrunk;
    std::set<std::string> distinct;
    long scripts = 0, steps = 0, failed = 0;
    for (std::uint64_t i = 0; Clock::now() < end; ++i) {
        const std::uint64_t seed = opt.seed * 1000003 + i;
        Lines script;
        const Outcome o = soak_one(opt, seed, script, progress);
        ++scripts;
        steps += static_cast<long>(script.size());
        if (!o.violation.broken()) continue;
        ++failed;
        if (++shrunk[o.violation.key] > kShrinksPerInvariant) continue;
        report("soak: script " + std::to_string(seed), o);
        const std::string stem = "soak-" + std::to_string(opt.seed) + "-" + std::to_string(seed);
        distinct.insert(shape(o.violation.key, handle_failure(opt, stem, script, o)));
        if (!opt.keep_going) break;
    }
    fs::remove(progress);
    std::cout << "soak: " << scripts << " scripts, " << steps << " steps, " << failed << " failed, "
              << distinct.size() << " distinct failures\n";
    return failed == 0 ? 0 : 1;
}

} // namespace

int main(int argc, char* argv[]) {
    Options opt;
    if (!parse(argc, argv, opt)) {
        std::fprintf(stderr,
                     "usage: tessora-soak [--seconds N] [--seed S] [--steps N] [--out DIR] "
                     "[--keep-going] [--shrink-seconds N] [--without A,B] | --replay FILE | --shrink FILE\n");
        return 2;
    }
    // LEVEL4 plays with a small budget, so that a script of its moves takes no longer than the others.
    level4_nodes = kLevel4Nodes;
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QGuiApplication app(argc, argv);
    std::cout << std::unitbuf; // each report as it comes, also into a log
    if (!opt.replay.empty()) return replay(fs::absolute(opt.replay).string());
    fs::create_directories(opt.out);
    return opt.to_shrink.empty() ? soak(opt) : shrink_file(opt);
}
