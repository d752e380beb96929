// LEVEL4's expected line: as the search gives it, and as the panel writes it.
#include "control/engine_view.h"
#include "engine/search.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace engine;

namespace {

struct LineCase {
    const char* what;
    Position (*make)();
};

void PrintTo(const LineCase& c, std::ostream* os) {
    *os << c.what;
}

Position with_ring_pieces() {
    Position p = start_position();
    put(p, 5, 11, SITA_KIN);
    put(p, 1, 4, UE_GIN);
    set_hand(p, UPPER, 3, 1);
    return p;
}

// Some moves into a game, the upper side to move, pieces on the ring and in hand.
Position played_on() {
    Position p = with_ring_pieces();
    Limits l;
    l.nodes = 5000;
    for (int ply = 0; ply < 9; ++ply) {
        const Result r = search(p, l);
        Undo u;
        make(p, r.best, u);
    }
    return p;
}

// The lower side mates: its line ends with the king taken.
Position mate_on_the_head() {
    Position p = empty_position();
    put(p, 6, 10, SITA_OU);
    put(p, 6, 2, UE_OU);
    put(p, 6, 4, SITA_HU);
    set_hand(p, LOWER, 5, 1);
    set_side(p, LOWER);
    return p;
}

class ExpectedLine : public ::testing::TestWithParam<LineCase> {};

// The line starts with the move chosen, each move is one the position it is played in has, and none
// follows a king taken; the panel writes every move of it, the sides in turn. Reporting the
// iterations changes nothing the search decides.
TEST_P(ExpectedLine, IsPlayableMoveByMoveAndWrittenSo) {
    const Position start = GetParam().make();
    std::vector<Result> iterations;
    Limits l;
    l.nodes = 40000;
    l.on_iteration = [&](const Result& r) { iterations.push_back(r); };
    const Result r = search(start, l);
    Limits plain;
    plain.nodes = 40000;
    const Result q = search(start, plain);
    ASSERT_TRUE(r.found);
    EXPECT_TRUE(r.best == q.best);
    EXPECT_EQ(r.score, q.score);
    EXPECT_EQ(r.nodes, q.nodes);
    ASSERT_FALSE(r.pv.empty());
    EXPECT_TRUE(r.pv[0] == r.best);
    ASSERT_FALSE(iterations.empty());
    EXPECT_EQ(iterations.back().depth, r.depth);
    for (const Result& i : iterations) EXPECT_FALSE(i.pv.empty()) << "depth " << i.depth;

    Position p = start;
    for (std::size_t i = 0; i < r.pv.size(); ++i) {
        ASSERT_FALSE(p.king_taken()) << "move " << i << " after the king is taken";
        Move found;
        ASSERT_TRUE(find_move(p, r.pv[i], found)) << "move " << i;
        Undo u;
        make(p, found, u);
    }

    Kyokumen k;
    to_program(start, k);
    const std::vector<std::string> texts = line_notation(k, start.side, r.pv, Cell{}, r.pv.size());
    ASSERT_EQ(texts.size(), r.pv.size());
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const bool lower = (start.side == LOWER) == (i % 2 == 0);
        EXPECT_EQ(texts[i].rfind(lower ? "▲" : "△", 0), 0u) << texts[i];
    }
    EXPECT_EQ(line_notation(k, start.side, r.pv, Cell{}, 2).size(), std::min<std::size_t>(2, r.pv.size()));
}

INSTANTIATE_TEST_SUITE_P(Positions, ExpectedLine,
                         ::testing::Values(LineCase{"the start", start_position},
                                           LineCase{"pieces on the ring and in hand", with_ring_pieces},
                                           LineCase{"played on, the upper side to move", played_on},
                                           LineCase{"a mate", mate_on_the_head}));

} // namespace
