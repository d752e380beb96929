#include "tools/tune/selfplay.h"

#include "engine/search.h"

#include <memory>
#include <random>

namespace tune {

namespace {

// A random opening: a few random moves that take no king, the ring turned at random after each.
engine::Position opening(std::mt19937_64& rng) {
    for (;;) {
        engine::Position p = engine::start_position();
        engine::set_side(p, static_cast<int>(rng() % 2));
        const int plies = 2 + static_cast<int>(rng() % 7);
        engine::MoveList moves;
        bool ok = true;
        for (int i = 0; i < plies && ok; ++i) {
            engine::generate(p, moves, true);
            engine::MoveList safe;
            for (const engine::Move& m : moves)
                if (m.captured != SITA_OU && m.captured != UE_OU) safe.push_back(m);
            ok = !safe.empty();
            if (!ok) break;
            engine::Undo u;
            engine::make(p, safe[rng() % safe.size()], u);
            engine::turn_ring(p, static_cast<int>(rng() % engine::RING));
        }
        if (ok) return p;
    }
}

} // namespace

std::vector<Sample> play_game(const SelfPlay& how, std::uint64_t seed, int game) {
    std::mt19937_64 rng(seed * 0x9E3779B97F4A7C15ull + static_cast<std::uint64_t>(game));
    engine::Position p = opening(rng);
    auto table = std::make_unique<engine::Table>();
    std::vector<std::uint64_t> seen;
    std::vector<engine::Position> kept;
    int winner = -1; // LOWER, UPPER, or -1 for a draw
    for (int ply = 0; ply < how.max_plies; ++ply) {
        engine::Limits lim;
        lim.nodes = how.nodes;
        lim.table = table.get();
        lim.seen = seen;
        const engine::Result r = engine::search(p, lim);
        // No move at all loses; a king taken in the search's sight decides the game.
        if (!r.found || r.score <= -(engine::MATE - 1000)) {
            winner = 1 - p.side;
            break;
        }
        if (r.score >= engine::MATE - 1000) {
            winner = p.side;
            break;
        }
        if (ply >= how.skip && !engine::in_check(p)) kept.push_back(p);
        seen.push_back(p.key);
        engine::Undo u;
        engine::make(p, r.best, u);
    }
    const int lower_result = winner < 0 ? 1 : winner == engine::LOWER ? 2 : 0;
    std::vector<Sample> out;
    for (const engine::Position& q : kept) {
        const engine::Position leaf = engine::quiet_leaf(q);
        if (!leaf.king_taken())
            out.push_back(Sample::of(leaf, lower_result, static_cast<std::uint32_t>(game)));
    }
    return out;
}

} // namespace tune
