// The searching computer's choices on small positions.
#include "engine/search.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <tuple>
#include <vector>

using namespace engine;

namespace {

struct SearchCase {
    const char* what;
    std::vector<std::tuple<int, int, Koma>> pieces;
    int hand_kind; // one piece of this kind in the hand of the side to move (0: none)
    int side;
};

void PrintTo(const SearchCase& c, std::ostream* os) {
    *os << c.what;
}

Position build(const SearchCase& c) {
    Position p = empty_position();
    for (auto [x, y, code] : c.pieces) put(p, x, y, code);
    if (c.hand_kind) set_hand(p, c.side, c.hand_kind, 1);
    set_side(p, c.side);
    return p;
}

bool can_take_king(const Position& p) {
    MoveList moves;
    generate(p, moves);
    for (const Move& m : moves)
        if (m.captured == SITA_OU || m.captured == UE_OU) return true;
    return false;
}

Position after(Position p, const Move& m) {
    Undo u;
    make(p, m, u);
    return p;
}

Limits small() {
    Limits l;
    l.nodes = 60000;
    return l;
}

class TakesTheKing : public ::testing::TestWithParam<SearchCase> {};
TEST_P(TakesTheKing, InOne) {
    const Result r = search(build(GetParam()), small());
    ASSERT_TRUE(r.found);
    EXPECT_TRUE(r.best.captured == SITA_OU || r.best.captured == UE_OU) << GetParam().what;
}
INSTANTIATE_TEST_SUITE_P(
    Positions, TakesTheKing,
    ::testing::Values(
        SearchCase{"rook along the file", {{6, 10, SITA_OU}, {6, 2, UE_OU}, {6, 8, SITA_SYA}}, 0, LOWER},
        SearchCase{
            "upper knight", {{6, 10, SITA_OU}, {6, 2, UE_OU}, {7, 8, UE_KEI}, {5, 8, UE_GIN}}, 0, UPPER},
        SearchCase{"rather than a rook",
                   {{6, 10, SITA_OU}, {3, 3, UE_SYA}, {4, 3, UE_OU}, {3, 4, SITA_GIN}},
                   0,
                   LOWER}));

class WinsInThree : public ::testing::TestWithParam<SearchCase> {};
TEST_P(WinsInThree, EveryReplyLeavesTheKingToBeTaken) {
    const Position p = build(GetParam());
    const Result r = search(p, small());
    ASSERT_TRUE(r.found);
    EXPECT_GT(r.score, MATE - 10) << GetParam().what;
    const Position q = after(p, r.best);
    MoveList replies;
    generate(q, replies);
    for (const Move& m : replies) EXPECT_TRUE(can_take_king(after(q, m))) << GetParam().what;
}
INSTANTIATE_TEST_SUITE_P(
    Positions, WinsInThree,
    ::testing::Values(
        SearchCase{"gold dropped on the head, pawn behind",
                   {{6, 10, SITA_OU}, {6, 2, UE_OU}, {6, 4, SITA_HU}},
                   5,
                   LOWER},
        SearchCase{"upper gold on the head", {{6, 10, SITA_OU}, {6, 2, UE_OU}, {6, 8, UE_HU}}, 5, UPPER},
        SearchCase{"from the ring: a gold turned below the file",
                   {{2, 10, SITA_OU}, {2, 8, UE_KIN}, {3, 11, UE_KIN}, {9, 2, UE_OU}, {3, 9, UE_HU}},
                   0,
                   UPPER}));

class KeepsItsKing : public ::testing::TestWithParam<SearchCase> {};
TEST_P(KeepsItsKing, NeverLeavesItToBeTakenInOne) {
    const Position p = build(GetParam());
    const Result r = search(p, small());
    ASSERT_TRUE(r.found);
    EXPECT_FALSE(can_take_king(after(p, r.best))) << GetParam().what;
}
INSTANTIATE_TEST_SUITE_P(
    Positions, KeepsItsKing,
    ::testing::Values(
        SearchCase{"rook checks down the file", {{6, 10, SITA_OU}, {6, 4, UE_SYA}, {2, 2, UE_OU}}, 0, LOWER},
        SearchCase{
            "knight checks", {{6, 10, SITA_OU}, {7, 8, UE_KEI}, {2, 2, UE_OU}, {5, 9, SITA_HU}}, 0, LOWER},
        SearchCase{"the gold shields the king from a rook; a bishop is offered",
                   {{6, 10, SITA_OU}, {6, 9, SITA_KIN}, {6, 3, UE_SYA}, {5, 8, UE_KAKU}, {2, 2, UE_OU}},
                   0,
                   LOWER},
        SearchCase{"upper king beside a dragon",
                   {{6, 2, UE_OU}, {7, 3, SITA_SYA_NARI}, {10, 10, SITA_OU}},
                   0,
                   UPPER}));

TEST(EngineSearch, SamePositionGivesTheSameMoveTwice) {
    Position p = start_position();
    put(p, 5, 11, SITA_KIN);
    put(p, 1, 4, UE_GIN);
    set_hand(p, UPPER, 3, 1);
    const Result a = search(p, small());
    const Result b = search(p, small());
    EXPECT_TRUE(a.best == b.best);
    EXPECT_EQ(a.score, b.score);
    EXPECT_EQ(a.nodes, b.nodes);
}

// A side that is well ahead does not go back to a position the game has already seen (the shuffle that
// drew won games at the move limit): handed the position its first choice leads to, it plays another.
TEST(EngineSearch, AheadItAvoidsAPositionTheGameHasSeen) {
    for (int side : {LOWER, UPPER}) {
        Position p = start_position();
        put(p, side == LOWER ? 3 : 9, side == LOWER ? 3 : 9, KARA); // the other side's rook is gone
        set_side(p, side);
        const Result first = search(p, small());
        Limits l = small();
        l.seen = {after(p, first.best).key};
        const Result again = search(p, l);
        EXPECT_FALSE(again.best == first.best) << "side " << side;
        EXPECT_GT(again.score, 500) << "side " << side;
    }
}

// A game's searches share one table: each move it gives is one the generator gives, and once the
// table is cleared a search plays exactly as one that starts from nothing.
TEST(EngineSearch, AKeptTableGivesLegalMovesAndClearedPlaysAsFresh) {
    Table table;
    Position p = start_position();
    put(p, 5, 11, SITA_KIN);
    put(p, 1, 4, UE_GIN);
    const Position start = p;
    Limits l;
    l.nodes = 20000;
    l.table = &table;
    for (int ply = 0; ply < 12 && !p.king_taken(); ++ply) {
        l.seen.push_back(p.key);
        const Result r = search(p, l);
        ASSERT_TRUE(r.found);
        MoveList moves;
        generate(p, moves, true);
        ASSERT_NE(std::find(moves.begin(), moves.end(), r.best), moves.end()) << "ply " << ply;
        p = after(p, r.best);
    }
    table.clear();
    Limits fresh = small();
    const Result a = search(start, fresh);
    fresh.table = &table;
    const Result b = search(start, fresh);
    EXPECT_TRUE(a.best == b.best);
    EXPECT_EQ(a.score, b.score);
    EXPECT_EQ(a.nodes, b.nodes);
}

// Quitting the program during a search: the search gives up within a thousand-odd nodes, on every
// thread.
TEST(EngineSearch, GivesUpAtOnceWhenStopped) {
    for (int threads : {1, 2}) {
        std::atomic<bool> stop{true};
        Limits l;
        l.stop = &stop;
        l.threads = threads;
        EXPECT_LT(search(start_position(), l).nodes, 2048u * threads) << threads << " threads";
    }
}

// Threads sharing a kept table, game after game: every move one the generator gives (a torn or
// mistaken entry of the table would show as a move that is not there).
TEST(EngineSearch, OnTwoThreadsItPlaysLegalMovesOnASharedTable) {
    Table table;
    Position p = start_position();
    put(p, 5, 11, SITA_KIN);
    put(p, 1, 4, UE_GIN);
    Limits l;
    l.nodes = 15000;
    l.threads = 2;
    l.table = &table;
    for (int ply = 0; ply < 8 && !p.king_taken(); ++ply) {
        l.seen.push_back(p.key);
        const Result r = search(p, l);
        ASSERT_TRUE(r.found);
        MoveList moves;
        generate(p, moves, true);
        ASSERT_NE(std::find(moves.begin(), moves.end(), r.best), moves.end()) << "ply " << ply;
        p = after(p, r.best);
    }
}

// The clock's plan for a move: what it may think, and never more than the clock holds less the overhead.
TEST(EngineTime, PlansAMoveOnTheClock) {
    struct Case {
        const char* what;
        GameClock clock;
        double soft, hard;
    };
    const Case cases[] = {
        {"byoyomi only", {0, 10, 0, 80}, 8, 9.5},
        {"main time and byoyomi at the start", {300, 10, 0, 0}, 15.5, 62},
        {"increment in the middle game", {60, 0, 2, 40}, 3.6, 14.4},
        {"a second left with an increment", {1, 0, 2, 60}, 0.75, 0.75},
        {"sudden death late", {60, 0, 0, 200}, 5, 15},
        {"about to fall", {0.2, 0, 0, 100}, 0.2 / 15, 0.05},
        {"a larger overhead kept back", {0, 10, 0, 80, 2}, 8, 8},
    };
    for (const Case& c : cases) {
        const TimePlan t = plan_time(c.clock);
        EXPECT_NEAR(t.soft, c.soft, 1e-9) << c.what;
        EXPECT_NEAR(t.hard, c.hard, 1e-9) << c.what;
        EXPECT_LE(t.soft, t.hard) << c.what;
        EXPECT_LT(t.hard, c.clock.remaining + c.clock.byoyomi) << c.what;
    }
}

// After an iteration: stop early where the best move has stayed, go on where it keeps changing, never
// past the hard limit.
TEST(EngineTime, StopsEarlyWhereTheBestStaysAndLaterWhereItChanges) {
    const TimePlan plan{2, 6};
    const std::pair<double, double> cases[] = {{0, 1}, {0.5, 2}, {1, 3}, {1.75, 4}, {3, 4}};
    for (auto [instability, expected] : cases) EXPECT_DOUBLE_EQ(stop_after(plan, instability), expected);
    EXPECT_DOUBLE_EQ(stop_after({2, 3}, 3), 3);
    EXPECT_DOUBLE_EQ(stop_after(plan_fixed(3), 0), 1.5);
}

// Thinking for a time on a clock of nodes: the same move on every run, within the hard limit.
TEST(EngineTime, OnAClockOfNodesTheTimeIsKeptAndTheMoveTheSame) {
    Limits l;
    l.nodes = ~std::uint64_t{0};
    l.virtual_nodes_per_second = 100000;
    l.time = {0.05, 0.2};
    Position p = start_position();
    put(p, 5, 11, SITA_KIN);
    const Result a = search(p, l), b = search(p, l);
    EXPECT_TRUE(a.best == b.best);
    EXPECT_EQ(a.nodes, b.nodes);
    EXPECT_LE(a.seconds, 0.2 + 1024 / 100000.0);
    EXPECT_GE(a.seconds, stop_after(l.time, 0));
    l.time = {1, 0.1};
    EXPECT_LE(search(p, l).seconds, 0.1 + 1024 / 100000.0);
}

} // namespace

// The strength steps over a few positions and seeds: each move legal, the same again for the same
// seed, never one that leaves the king to be taken, and never one that hands over a piece where the
// side can keep it (judged by a fuller search of the position after it).
struct StepCase {
    const char* what;
    Position position;
    bool keeps_material;
};

void PrintTo(const StepCase& c, std::ostream* os) {
    *os << c.what;
}

std::vector<StepCase> step_cases() {
    Position opening = start_position();
    put(opening, 5, 11, SITA_KIN);
    put(opening, 1, 4, UE_GIN);
    set_hand(opening, UPPER, 3, 1);
    // The lower rook stands attacked by a pawn, its king far off: every step moves it or takes the pawn.
    const Position rook_attacked = build(
        {"", {{6, 10, SITA_OU}, {6, 6, SITA_SYA}, {6, 5, UE_HU}, {5, 3, UE_KIN}, {6, 2, UE_OU}}, 0, LOWER});
    return {
        {"the opening, pieces on the ring", opening, false},
        {"a rook checks down the file",
         build({"", {{6, 10, SITA_OU}, {6, 4, UE_SYA}, {2, 2, UE_OU}, {8, 9, SITA_GIN}}, 0, LOWER}), false},
        {"a rook attacked by a pawn", rook_attacked, true},
        {"a knight in hand beside the upper king",
         build({"",
                {{6, 10, SITA_OU}, {6, 2, UE_OU}, {5, 3, UE_KIN}, {7, 3, UE_GIN}, {3, 9, SITA_KAKU}},
                2,
                LOWER}),
         true},
    };
}

class StrengthSteps : public ::testing::TestWithParam<std::tuple<StepCase, int>> {};
TEST_P(StrengthSteps, PlayLegalSoundMovesTheSameForASeed) {
    const auto& [c, strength] = GetParam();
    const Position& p = c.position;
    MoveList legal;
    generate(p, legal, true);
    Limits quick;
    quick.nodes = 20000;
    const int best = search(p, quick).score;
    // Full strength has no chance in it: one seed is enough.
    for (std::uint64_t seed = 1; seed <= (strength < FULL_STRENGTH ? 3u : 1u); ++seed) {
        Limits l = quick;
        l.strength = strength;
        l.seed = seed;
        const Result r = search(p, l);
        ASSERT_TRUE(r.found) << c.what;
        ASSERT_NE(std::find(legal.begin(), legal.end(), r.best), legal.end()) << c.what << " seed " << seed;
        EXPECT_TRUE(search(p, l).best == r.best) << c.what << " seed " << seed;
        const Position q = after(p, r.best);
        EXPECT_FALSE(can_take_king(q)) << c.what << " seed " << seed;
        if (c.keeps_material) {
            EXPECT_GT(-search(q, quick).score, best - 300) << c.what << " seed " << seed;
        }
    }
}
INSTANTIATE_TEST_SUITE_P(Positions, StrengthSteps,
                         ::testing::Combine(::testing::ValuesIn(step_cases()),
                                            ::testing::Range(WEAKEST_STRENGTH, FULL_STRENGTH + 1)));

// Each step below full plays otherwise than the full search somewhere in the opening, and its choice
// follows the seed: the seeds do not all give the same move.
TEST(StrengthSteps, BelowFullTheMoveDiffersAndFollowsTheSeed) {
    // The start and the positions of the full search's first moves: where one move stands far above
    // the rest every step plays it, so the opening as a whole is asked.
    Limits quick;
    quick.nodes = 20000;
    std::vector<Position> opening{start_position()};
    for (int ply = 0; ply < 6; ++ply)
        opening.push_back(after(opening.back(), search(opening.back(), quick).best));
    for (int strength = WEAKEST_STRENGTH; strength < FULL_STRENGTH; ++strength) {
        bool seeds_differ = false, differs_from_full = false;
        for (const Position& p : opening) {
            const Move full = search(p, quick).best;
            std::vector<Move> chosen;
            for (std::uint64_t seed = 0; seed < 8; ++seed) {
                Limits l = quick;
                l.strength = strength;
                l.seed = seed;
                const Move m = search(p, l).best;
                if (std::find(chosen.begin(), chosen.end(), m) == chosen.end()) chosen.push_back(m);
            }
            seeds_differ = seeds_differ || chosen.size() > 1;
            differs_from_full = differs_from_full || std::any_of(chosen.begin(), chosen.end(),
                                                                 [&](const Move& m) { return !(m == full); });
        }
        EXPECT_TRUE(seeds_differ) << "strength " << strength;
        EXPECT_TRUE(differs_from_full) << "strength " << strength;
    }
}
