// The searching computer's position: its moves against the game's own rule book, perft references,
// make/unmake and the ring turns.
#include "core/moves.h"
#include "core/rules.h"
#include "engine/position.h"
#include "support/fake_platform.h"
#include "support/engine_walk.h"
#include "support/names.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <cstdlib>
#include <cstring>
#include <random>
#include <set>

using namespace engine;

namespace {

class EngineMoves : public ::testing::Test {
  protected:
    void SetUp() override {
        set_platform(&fp);
        SITA_GAWA = TE_SENTE;
        UE_GAWA = TE_GOTE;
    }
    void TearDown() override { set_platform(nullptr); }
    FakePlatform fp;
};

std::uint64_t key_after(Position p, const Move& m) {
    Undo u;
    make(p, m, u);
    return p.key;
}

// Loads the position into the program-wide state, the side to move included.
void load(const Position& p) {
    to_program(p, KYOKUMEN);
    TEBAN = p.side == LOWER ? SITA_GAWA : UE_GAWA;
    調査_2歩フラグ設定();
}

int hand_x(int side) {
    return side == LOWER ? 13 : -1;
}
int hand_y(int side, int kind) {
    return side == LOWER ? kind + 2 : kind;
}

// The game's rule book asked on the program-wide board at its current turn: every legal move of the
// side to move, as engine moves made after `turns` clockwise steps.
std::vector<Move> oracle_moves(const Position& p, int turns) {
    std::vector<Move> out;
    const auto add = [&](int from, int fx, int fy, int tx, int ty, Koma piece) {
        if (移動チェック(fx, fy, tx, ty, piece) != ON) return;
        Move m;
        m.from = static_cast<std::int16_t>(from);
        m.to = static_cast<std::int16_t>(sq(tx, ty));
        m.turns = static_cast<std::int8_t>(turns);
        m.piece = m.placed = piece;
        m.captured = BAN[tx][ty];
        out.push_back(m);
        if (from >= 0 && 調査_駒成(fx, fy, tx, ty, piece) == ON) {
            m.placed = NARI_KOMA;
            out.push_back(m);
        }
    };
    for (int fx = 1; fx <= 11; ++fx)
        for (int fy = 1; fy <= 11; ++fy) {
            const Koma c = BAN[fx][fy];
            if (c == KARA || side_of(c) != p.side) continue;
            for (int tx = 1; tx <= 11; ++tx)
                for (int ty = 1; ty <= 11; ++ty) add(sq(fx, fy), fx, fy, tx, ty, c);
        }
    for (int kind = 1; kind <= 7; ++kind) {
        if (p.hand[p.side][kind] == 0) continue;
        const Koma c = p.side == LOWER ? SITA_KOMA_BY_KIND[kind] : UE_KOMA_BY_KIND[kind];
        for (int tx = 1; tx <= 11; ++tx)
            for (int ty = 1; ty <= 11; ++ty) add(-kind, hand_x(p.side), hand_y(p.side, kind), tx, ty, c);
    }
    return out;
}

// Carries the move out with the game's own routines on the program-wide state.
void program_make(const Move& m, int side) {
    for (int i = 0; i < m.turns; ++i) 回転盤_右回転();
    if (m.is_drop())
        駒移動(KYOKUMEN, hand_x(side), hand_y(side, m.drop_kind()), sq_x(m.to), sq_y(m.to), m.placed);
    else
        駒移動(KYOKUMEN, sq_x(m.from), sq_y(m.from), sq_x(m.to), sq_y(m.to), m.placed);
}

TEST_F(EngineMoves, GeneratorMatchesTheRuleBookOverRandomGames) {
    const char* env = std::getenv("TESSORA_ENGINE_POSITIONS");
    const int positions = env ? std::atoi(env) : 100000;
    RandomWalk walk(20261207);
    MoveList moves;
    int ring_positions = 0, hand_positions = 0;
    for (int n = 0; n < positions; ++n) {
        generate(walk.p, moves);
        walk.restart_if_over(moves);
        generate(walk.p, moves);
        const Position& p = walk.p;
        ring_positions += p.ring_key != 0;
        hand_positions += std::count_if(std::begin(p.hand[p.side]), std::end(p.hand[p.side]),
                                        [](int c) { return c > 0; }) >= 3;

        // No two moves lead to the same position (the ring taken up to its turn).
        std::set<std::uint64_t> keys;
        for (const Move& m : moves) keys.insert(key_after(p, m));
        ASSERT_EQ(keys.size(), moves.size()) << "position " << n;

        // Every generated move is legal at its turn of the ring, and every legal move at the sampled
        // turns leads to a generated position. Every 200th position is checked at all 40 turns, and
        // there each move must turn the ring no further than needed (the computer shows the turns).
        const int sampled = std::uniform_int_distribution<int>(0, RING - 1)(walk.rng);
        const bool all_turns = n % 200 == 0;
        std::map<std::uint64_t, int> fewest_turns;
        load(p);
        for (int turns = 0; turns < RING; ++turns) {
            for (const Move& m : moves) {
                if (m.turns != turns) continue;
                const int fx = m.is_drop() ? hand_x(p.side) : sq_x(m.from);
                const int fy = m.is_drop() ? hand_y(p.side, m.drop_kind()) : sq_y(m.from);
                ASSERT_EQ(移動チェック(fx, fy, sq_x(m.to), sq_y(m.to), m.piece), ON) << "position " << n;
                ASSERT_EQ(BAN[sq_x(m.to)][sq_y(m.to)], m.captured);
                if (m.placed != m.piece) {
                    ASSERT_EQ(調査_駒成(fx, fy, sq_x(m.to), sq_y(m.to), m.piece), ON);
                    ASSERT_EQ(NARI_KOMA, m.placed);
                }
            }
            if (turns == 0 || turns == sampled || all_turns) {
                for (const Move& m : oracle_moves(p, turns)) {
                    const std::uint64_t k = key_after(p, m);
                    ASSERT_TRUE(keys.count(k)) << "position " << n << " turns " << turns;
                    fewest_turns.emplace(k, turns);
                }
            }
            回転盤_右回転();
        }
        if (all_turns) {
            for (const Move& m : moves)
                ASSERT_EQ(m.turns, fewest_turns.at(key_after(p, m))) << "position " << n;
        }

        // The move the walk takes is made the same way by the game's own routines.
        const int side = p.side;
        const Move m = walk.step(moves);
        program_make(m, side);
        const Position after = from_program(KYOKUMEN);
        for (int x = 1; x <= 11; ++x)
            for (int y = 1; y <= 11; ++y) ASSERT_EQ(walk.p.b[sq(x, y)], after.b[sq(x, y)]);
        for (int kind = 1; kind <= 7; ++kind) {
            ASSERT_EQ(walk.p.hand[LOWER][kind], after.hand[LOWER][kind]);
            ASSERT_EQ(walk.p.hand[UPPER][kind], after.hand[UPPER][kind]);
        }
        ASSERT_EQ(walk.p.key, compute_key(walk.p));
    }
    // The walk must have reached the interesting positions.
    EXPECT_GT(ring_positions, positions / 2);
    EXPECT_GT(hand_positions, positions / 10);
}

std::uint64_t perft(Position& p, int depth) {
    if (depth == 0) return 1;
    MoveList moves;
    generate(p, moves);
    if (depth == 1) return moves.size();
    std::uint64_t n = 0;
    for (const Move& m : moves) {
        Undo u;
        make(p, m, u);
        n += perft(p, depth - 1);
        unmake(p, u);
    }
    return n;
}

struct PerftCase {
    const char* what;
    std::vector<std::tuple<int, int, Koma>> pieces; // added to the start position (KARA empties)
    int lower_hand[8], upper_hand[8];
    int side;
    std::uint64_t counts[3];
};

void PrintTo(const PerftCase& c, std::ostream* os) {
    *os << c.what;
}

class EnginePerft : public ::testing::TestWithParam<PerftCase> {};

TEST_P(EnginePerft, CountsMatchReference) {
    const PerftCase& c = GetParam();
    Position p = start_position();
    for (auto [x, y, code] : c.pieces) put(p, x, y, code);
    for (int k = 1; k <= 7; ++k) {
        set_hand(p, LOWER, k, c.lower_hand[k]);
        set_hand(p, UPPER, k, c.upper_hand[k]);
    }
    set_side(p, c.side);
    const Position before = p;
    for (int d = 1; d <= 3; ++d) EXPECT_EQ(perft(p, d), c.counts[d - 1]) << c.what << " depth " << d;
    EXPECT_EQ(p.b, before.b);
    EXPECT_EQ(p.key, before.key);
}

INSTANTIATE_TEST_SUITE_P(
    References, EnginePerft,
    ::testing::Values(
        PerftCase{"start", {}, {}, {}, LOWER, {35, 2175, 290761}},
        PerftCase{
            "ring pieces of both sides",
            {{5, 11, SITA_KIN}, {1, 4, UE_GIN}, {11, 7, SITA_HU}, {3, 1, UE_SYA}, {9, 9, KARA}, {3, 3, KARA}},
            {},
            {},
            UPPER,
            {222, 39512, 8400276}},
        PerftCase{"full hands",
                  {{4, 8, KARA}, {8, 4, KARA}, {3, 9, KARA}, {9, 3, KARA}},
                  {0, 1, 1, 1, 1, 1, 1, 1},
                  {0, 1, 0, 0, 1, 0, 0, 0},
                  LOWER,
                  {314, 28457, 8326402}}));

TEST_F(EngineMoves, MakeUnmakeAndRingTurnsRestoreThePositionAndChecksAreAnsweredOnTheirLines) {
    RandomWalk walk(7);
    MoveList moves;
    int checks = 0;
    for (int n = 0; n < 3000; ++n) {
        generate(walk.p, moves);
        walk.restart_if_over(moves);
        generate(walk.p, moves);
        Position p = walk.p;
        // A check is answered only by the king or on the checking lines: the search passes over the rest.
        std::array<bool, NSQ> lines{};
        const bool check = check_lines(p, p.side, lines) > 0;
        checks += check;
        ASSERT_EQ(check, p.king[p.side] >= 0 && attacked(p, p.king[p.side], 1 - p.side));
        for (const Move& m : moves) {
            Undo u;
            make(p, m, u);
            ASSERT_EQ(p.key, compute_key(p));
            if (check && type_of(m.piece) != 14 && !lines[m.to]) {
                ASSERT_TRUE(attacked(p, p.king[1 - p.side], p.side)) << "position " << n;
            }
            unmake(p, u);
            ASSERT_EQ(p.b, walk.p.b);
            ASSERT_EQ(p.key, walk.p.key);
            ASSERT_EQ(0, std::memcmp(p.hand, walk.p.hand, sizeof p.hand));
            ASSERT_EQ(0, std::memcmp(p.pawns, walk.p.pawns, sizeof p.pawns));
            ASSERT_EQ(0, std::memcmp(p.material, walk.p.material, sizeof p.material));
            ASSERT_EQ(0, std::memcmp(p.pieces, walk.p.pieces, sizeof p.pieces));
            ASSERT_EQ(p.king[0], walk.p.king[0]);
            ASSERT_EQ(p.king[1], walk.p.king[1]);
        }
        // A turn changes the cells but not the key; forty turns bring every cell back.
        for (int k = 1; k < RING; ++k) {
            turn_ring(p, k);
            ASSERT_EQ(compute_key(p), walk.p.key);
            turn_ring(p, RING - k);
            ASSERT_EQ(p.b, walk.p.b);
        }
        walk.step(moves);
        // The material kept by make and unmake is the material of the position set up afresh.
        Position fresh = empty_position();
        for (int x = 1; x <= 11; ++x)
            for (int y = 1; y <= 11; ++y)
                if (walk.p.b[sq(x, y)] != KARA) put(fresh, x, y, walk.p.b[sq(x, y)]);
        for (int s = 0; s < 2; ++s)
            for (int kind = 1; kind <= 7; ++kind) set_hand(fresh, s, kind, walk.p.hand[s][kind]);
        ASSERT_EQ(0, std::memcmp(fresh.material, walk.p.material, sizeof fresh.material)) << "position " << n;
        ASSERT_EQ(0, std::memcmp(fresh.pieces, walk.p.pieces, sizeof fresh.pieces)) << "position " << n;
    }
    EXPECT_GT(checks, 100);
}

// The evaluation's count of the squares around a king that the enemy bears on takes them nine at a
// time, sharing the long-range pieces' lines: each answer is attacked()'s, at the edges and corners too.
TEST(EngineAttacks, NineSquaresAroundACentreAnswerAsEachAlone) {
    RandomWalk walk(12);
    MoveList moves;
    for (int n = 0; n < 1500; ++n) {
        generate(walk.p, moves);
        walk.restart_if_over(moves);
        generate(walk.p, moves);
        for (int by = 0; by < 2; ++by)
            for (int c = 0; c < NSQ; ++c) {
                if (sq_x(c) < 2 || sq_x(c) > 10 || sq_y(c) < 2 || sq_y(c) > 10) continue;
                unsigned expected = 0;
                for (int cell = 0; cell < 9; ++cell) {
                    const int x = sq_x(c) + cell % 3 - 1, y = sq_y(c) + cell / 3 - 1;
                    if (x >= 2 && x <= 10 && y >= 2 && y <= 10 && attacked(walk.p, sq(x, y), by))
                        expected |= 1u << cell;
                }
                ASSERT_EQ(attacked_around(walk.p, c, by), expected) << "position " << n << " square " << c;
            }
        walk.step(moves);
    }
}

bool same_move(const Move& a, const Move& b) {
    return a == b && a.piece == b.piece && a.captured == b.captured;
}

// The search takes a node's moves in stages and tries a move kept from elsewhere (the table's, a
// killer) before generating: the stages in any order give exactly the generator's moves, each once,
// and a kept move is taken only when the generator gives it here, as the generator gives it.
TEST(EngineStages, StagesGiveEachMoveOnceAndKeptMovesOnlyWhenLegal) {
    RandomWalk walk(11);
    MoveList moves, stage, previous;
    std::mt19937 rng(5);
    const Stage stages[3] = {Stage::TACTICAL, Stage::QUIET, Stage::RING_AND_DROPS};
    for (int n = 0; n < 4000; ++n) {
        generate(walk.p, moves);
        walk.restart_if_over(moves);
        const Position& p = walk.p;
        for (bool search_only : {false, true}) {
            generate(p, moves, search_only);
            MoveList parts[3];
            for (int i = 0; i < 3; ++i) generate_stage(p, stages[i], parts[i], search_only);
            int order[3] = {0, 1, 2};
            do {
                MoveList all;
                for (int i : order) all.insert(all.end(), parts[i].begin(), parts[i].end());
                ASSERT_EQ(all.size(), moves.size()) << "position " << n;
                for (const Move& m : moves) {
                    ASSERT_EQ(
                        std::count_if(all.begin(), all.end(), [&](const Move& a) { return same_move(a, m); }),
                        1)
                        << "position " << n;
                }
            } while (std::next_permutation(order, order + 3));
        }
        // Moves of the last position, and moves with random cells and turns, asked of this one.
        generate(p, moves, true);
        MoveList asked = previous;
        for (int i = 0; i < 20; ++i) {
            Move m = moves.empty() ? Move{} : moves[rng() % moves.size()];
            m.to = static_cast<std::int16_t>(rng() % NSQ);
            if (rng() % 2) m.turns = static_cast<std::int8_t>(rng() % RING);
            asked.push_back(m);
        }
        asked.insert(asked.end(), moves.begin(), moves.end());
        for (const Move& m : asked) {
            Move found;
            const auto at = std::find(moves.begin(), moves.end(), m);
            ASSERT_EQ(find_move(p, m, found), at != moves.end()) << "position " << n;
            if (at != moves.end()) {
                ASSERT_TRUE(same_move(found, *at)) << "position " << n;
            }
        }
        previous = moves;
        walk.step(moves);
    }
}

} // namespace
