// Pits the searching computer (LEVEL4, the lower pieces) against the computer of levels 1-3 (the upper
// pieces, through com_ban on the program-wide state as in a real game) and prints the results.
//
//   tessora-arena [LEVEL [OPENINGS [NODES]]]
//
// LEVEL 1..3 (default 3). The games start from the starting position and from OPENINGS positions made
// by 2-6 seeded random plies (default 100); each is played twice, once with either side moving first.
// NODES is LEVEL4's node budget per move (default: the game's own). A game ends when a king is taken, a
// mate of the upper king is announced after LEVEL4's move, a side has no legal move, or after 500 moves
// (a draw).
#include "com/com.h"
#include "com/mate.h"
#include "control/play.h"
#include "core/moves.h"
#include "core/state.h"
#include "engine/search.h"
#include "kifu/record.h"
#include "tools/silent_platform.h"
#include "control/owner.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>

namespace {

constexpr int MOVE_LIMIT = 500;

enum class End { KingTaken, Mate, NoMove, MoveLimit };
const char* const END_NAME[] = {"king taken", "mate announced", "no legal move", "500 moves"};

struct Outcome {
    int result; // +1 LEVEL4 won, -1 lost, 0 draw
    End end;
    int moves;
};

// The program-wide state of a game against the computer at the given position, nobody having won.
void set_up(const engine::Position& p, bool lower_first, int level) {
    std::memset(BAN, 0, sizeof BAN);
    engine::to_program(p, KYOKUMEN);
    std::memset(UE_MAMORI_X, 0, sizeof UE_MAMORI_X);
    std::memset(UE_MAMORI_Y, 0, sizeof UE_MAMORI_Y);
    std::memset(UE_NERAI_X, 0, sizeof UE_NERAI_X);
    std::memset(UE_NERAI_Y, 0, sizeof UE_NERAI_Y);
    SITA_GAWA = lower_first ? TE_SENTE : TE_GOTE;
    UE_GAWA = -SITA_GAWA;
    TEBAN = p.side == engine::LOWER ? SITA_GAWA : UE_GAWA;
    TAIKYOKU_MODE = MODE_MAN_COM;
    SYOUSYA = 0;
    TESUU = 0;
    KIFU_NO = 0;
    COM_LEVEL = level;
    SITA_OU_X = engine::sq_x(p.king[engine::LOWER]);
    SITA_OU_Y = engine::sq_y(p.king[engine::LOWER]);
    勢力調査();
}

// LEVEL4's move, carried out as a human move is: the ring turns, then 駒移動.
bool level4_move(const engine::Limits& limits) {
    const engine::Position p = engine::from_program(KYOKUMEN);
    const engine::Result r = engine::search(p, limits);
    if (!r.found) return false;
    const engine::ProgramMove m = engine::to_program_move(r.best, engine::LOWER);
    for (int i = 0; i < m.turns; ++i) 回転盤_右回転();
    駒移動(m.fx, m.fy, m.tx, m.ty, m.placed);
    return true;
}

Outcome play(const engine::Position& start, bool lower_first, int level, const engine::Limits& limits) {
    set_up(start, lower_first, level);
    for (int moves = 0; moves < MOVE_LIMIT; ++moves) {
        if (TEBAN == SITA_GAWA) {
            if (!level4_move(limits)) return {-1, End::NoMove, moves};
            if (SYOUSYA == SITA_GAWA) return {1, End::KingTaken, moves + 1};
            勢力調査();
            if (詰めかCOM() == ON) return {1, End::Mate, moves + 1};
            TEBAN = UE_GAWA;
        } else {
            KIFU_NO = 0; // the record is not kept here
            com_ban();
            if (SYOUSYA == SITA_GAWA) return {1, End::NoMove, moves}; // the computer resigned
            if (SYOUSYA == UE_GAWA) return {-1, End::KingTaken, moves + 1};
            TEBAN = SITA_GAWA;
        }
    }
    return {0, End::MoveLimit, MOVE_LIMIT};
}

// An opening made by 2-6 random plies from the start, the side moving first being `first`.
engine::Position opening(std::mt19937& rng, int first) {
    engine::Position p = engine::start_position();
    engine::set_side(p, first);
    const int plies = std::uniform_int_distribution<int>(2, 6)(rng);
    engine::MoveList moves;
    for (int i = 0; i < plies; ++i) {
        engine::generate(p, moves, true);
        const engine::Move m = moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(rng)];
        engine::Undo u;
        engine::make(p, m, u);
    }
    return p;
}

// The board at the end of a game, for looking into draws: one row per y, the ring included.
void show_position() {
    for (int y = 1; y <= 11; ++y) {
        for (int x = 1; x <= 11; ++x) std::printf("%5d", BAN[x][y]);
        std::printf("\n");
    }
    std::printf("hands lower:");
    for (int k = 1; k <= 7; ++k) std::printf(" %d", SITA_MOCHI[k]);
    std::printf("  upper:");
    for (int k = 1; k <= 7; ++k) std::printf(" %d", UE_MOCHI[k]);
    std::printf("\n");
}

} // namespace

int main(int argc, char** argv) {
    const int level = argc > 1 ? std::atoi(argv[1]) : 3;
    const int openings = argc > 2 ? std::atoi(argv[2]) : 100;
    engine::Limits limits;
    if (argc > 3) limits.nodes = std::strtoull(argv[3], nullptr, 10);
    if (level < 1 || level > 3 || openings < 0 || limits.nodes == 0) {
        std::fprintf(stderr, "usage: tessora-arena [LEVEL 1..3 [OPENINGS [NODES]]]\n");
        return 2;
    }
    SilentPlatform silent;
    set_platform(&silent);

    int won = 0, lost = 0, drawn = 0, games = 0;
    int ends[4] = {};
    const auto t0 = std::chrono::steady_clock::now();
    std::mt19937 rng(15);
    for (int g = 0; g <= openings; ++g) {
        for (int lower_first = 1; lower_first >= 0; --lower_first) {
            const int first = lower_first ? engine::LOWER : engine::UPPER;
            engine::Position start = engine::start_position();
            engine::set_side(start, first);
            if (g > 0) start = opening(rng, first);
            const Outcome o = play(start, lower_first == 1, level, limits);
            ++games;
            won += o.result > 0;
            lost += o.result < 0;
            drawn += o.result == 0;
            ++ends[static_cast<int>(o.end)];
            std::printf("game %3d  opening %3d  %s  %-5s by %-14s after %3d moves\n", games, g,
                        lower_first ? "LEVEL4 first " : "LEVEL4 second",
                        o.result > 0   ? "won"
                        : o.result < 0 ? "lost"
                                       : "drawn",
                        END_NAME[static_cast<int>(o.end)], o.moves);
            if (o.result == 0 && std::getenv("TESSORA_ARENA_SHOW")) show_position();
            std::fflush(stdout);
        }
    }
    const double secs = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    std::printf(
        "\nLEVEL4 (%llu nodes a move) against LEVEL%d: %d games, %d won, %d lost, %d drawn (%.1f%% won)\n",
        static_cast<unsigned long long>(limits.nodes), level, games, won, lost, drawn, 100.0 * won / games);
    std::printf("endings:");
    for (int i = 0; i < 4; ++i) std::printf(" %s %d;", END_NAME[i], ends[i]);
    std::printf(" %.0f s\n", secs);
    // Elo from the score, with a 95%% interval from the spread of the game results.
    const double score = (won + 0.5 * drawn) / games;
    const double var =
        (won * std::pow(1 - score, 2) + lost * std::pow(score, 2) + drawn * std::pow(0.5 - score, 2)) /
        games / games;
    const auto elo = [](double s) { return -400.0 * std::log10(1.0 / s - 1.0); };
    if (won == games || lost == games) {
        // Every game went one way: only a bound can be given, from one game less than a clean sweep.
        const double s = (games - 0.5) / games;
        std::printf("Elo difference: %s%.0f (every game %s)\n", won == games ? ">= +" : "<= -", elo(s),
                    won == games ? "won" : "lost");
    } else {
        const double lo = std::clamp(score - 1.96 * std::sqrt(var), 1e-6, 1 - 1e-6);
        const double hi = std::clamp(score + 1.96 * std::sqrt(var), 1e-6, 1 - 1e-6);
        std::printf("Elo difference: %+.0f (95%% interval %+.0f .. %+.0f)\n", elo(score), elo(lo), elo(hi));
    }
    return 0;
}
