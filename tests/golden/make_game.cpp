// Writes the driver script of one whole game, for the golden corpus:
//   tessora-golden-game START|LEVEL1|LEVEL2|LEVEL3 SENTE|GOTE SEED MOVES [RING% [HANDICAP]] > NAME.script
// START is a game between two players (the side is ignored), LEVELn a game against the computer with
// the human moving first (SENTE) or second (GOTE). The players' moves are legal moves picked by a
// generator seeded with SEED, at most MOVES of them; RING% (default 10) is how often a player turns the
// conveyor or prefers a move onto, along or off it; HANDICAP presses △ (above 0) or ▽ (below 0) that
// many times before the first move. The game is played while the script is written,
// so every click answers the position it meets; the script is then committed as data.
#include "control/game.h"
#include "core/rules.h"
#include "core/state.h"
#include "platform/platform.h"
#include "qt/script_platform.h"
#include "support/names.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct Move {
    int fx, fy, tx, ty;
    int captured;
    bool ring;
};

bool on_ring(int x, int y) {
    return x == 1 || x == 11 || y == 1 || y == 11;
}

// Every move the rules allow the side to move, drops included.
std::vector<Move> legal_moves() {
    const bool lower = TEBAN == SITA_GAWA;
    auto own = [&](int p) { return lower ? p <= SITA_HU : p >= UE_HU; };
    std::vector<Move> moves;
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) {
            const int p = BAN[x][y];
            if (!own(p)) continue;
            for (int x2 = 1; x2 <= 11; ++x2)
                for (int y2 = 1; y2 <= 11; ++y2)
                    if (移動チェック(x, y, x2, y2, p) == ON)
                        moves.push_back(
                            {x, y, x2, y2, std::abs(BAN[x2][y2]), on_ring(x, y) || on_ring(x2, y2)});
        }
    調査_2歩フラグ設定();
    for (int k = 1; k <= 7; ++k) {
        const int count = lower ? SITA_MOCHI[k] : UE_MOCHI[k];
        if (count <= 0) continue;
        const int hx = lower ? 13 : -1, hy = lower ? k + 2 : 8 - k;
        const int p = lower ? SITA_KOMA_BY_KIND[k] : UE_KOMA_BY_KIND[k];
        for (int x2 = 1; x2 <= 11; ++x2)
            for (int y2 = 1; y2 <= 11; ++y2)
                if (移動チェック(hx, hy, x2, y2, p) == ON)
                    moves.push_back({hx, hy, x2, y2, 0, on_ring(x2, y2)});
    }
    return moves;
}

int ring_pieces() {
    int n = 0;
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y)
            if (on_ring(x, y) && BAN[x][y] != KARA) ++n;
    return n;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 5) {
        std::fprintf(
            stderr, "usage: tessora-golden-game START|LEVEL1..3 SENTE|GOTE SEED MOVES [RING%% [HANDICAP]]\n");
        return 2;
    }
    const std::string mode = argv[1], side = argv[2];
    std::mt19937 random(static_cast<unsigned>(std::atoi(argv[3])));
    const int max_moves = std::atoi(argv[4]);
    const int ring_percent = argc > 5 ? std::atoi(argv[5]) : 10;
    const int handicap = argc > 6 ? std::atoi(argv[6]) : 0;
    auto chance = [&](int percent) { return static_cast<int>(random() % 100) < percent; };

    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QGuiApplication app(argc, argv);
    std::ostringstream seen;
    ScriptPlatform runner(seen);
    set_platform(&runner);
    Form_Load();

    std::cout << "# " << (mode == "START" ? "Two players" : mode + ", the human " + side)
              << (handicap != 0 ? ", handicap " + std::to_string(handicap) : std::string())
              << ": a whole game of legal moves picked with seed " << argv[3]
              << " (written by tests/golden/make_game.cpp).\n";
    auto run = [&](const std::string& line) {
        std::cout << line << "\n";
        runner.command(line);
    };
    if (mode == "START") {
        run("menu START");
    } else {
        run("menu " + mode);
        run("menu " + side);
    }
    for (int i = 0; i < std::abs(handicap); ++i) run(handicap > 0 ? "menu LBEL_UP" : "menu LEBEL_DOWN");
    if (handicap != 0) run("dump");
    int moves = 0;
    for (int attempts = 0; moves < max_moves && SYOUSYA == 0 && attempts < 4 * max_moves; ++attempts) {
        if (chance(20)) run("wait " + std::to_string(1 + random() % 5));
        if (chance(ring_percent) && (ring_pieces() > 0 || chance(10))) {
            const char* button = chance(50) ? "button KAITEN_L" : "button KAITEN_R";
            for (int turns = 1 + random() % 4; turns > 0; --turns) run(button);
        }
        const std::vector<Move> all = legal_moves();
        if (all.empty()) break;
        std::vector<Move> pool;
        if (chance(40)) {
            int best = 0;
            for (const Move& m : all) best = std::max(best, m.captured);
            for (const Move& m : all)
                if (best > 0 && m.captured == best) pool.push_back(m);
        }
        if (pool.empty() && chance(ring_percent * 2))
            for (const Move& m : all)
                if (m.ring) pool.push_back(m);
        if (pool.empty()) pool = all;
        const Move m = pool[random() % pool.size()];
        const char* button = chance(50) ? "R" : "L";
        const int before = TESUU;
        run("click " + std::string(button) + " " + std::to_string(m.fx) + " " + std::to_string(m.fy));
        run("click " + std::string(button) + " " + std::to_string(m.tx) + " " + std::to_string(m.ty));
        run("dump");
        if (TESUU != before) ++moves;
    }
    run("pixels");
    // A click after the end of the game is answered without a move.
    if (SYOUSYA != 0) run("click L 6 6");
    終了処理(true);
    set_platform(nullptr);
    std::cerr << "moves " << moves << " TESUU=" << TESUU << " SYOUSYA=" << SYOUSYA << "\n";
    return 0;
}
