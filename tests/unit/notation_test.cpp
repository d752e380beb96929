// Moves written as a printed kifu writes them, in Japanese and in English, the ring's cells included.
#include "core/moves.h"
#include "kifu/notation.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

struct Placed {
    int x, y;
    Koma code;
};

TEST(Notation, MovesAreWrittenAsAPrintedKifuWritesThem) {
    // Cells by file and rank of the board: x = 11 - file, y = rank + 1.
    auto at = [](int file, int rank) { return Cell{11 - file, rank + 1}; };
    const Cell none{};
    const Cell lower_bishop_hand = hand_cell(HandSlot{false, 6});
    const struct {
        const char* what;
        std::vector<Placed> pieces;
        NotatedMove move;
        Cell last_to;
        const char* japanese;
        const char* english;
    } rows[] = {
        {"a pawn", {{4, 8, SITA_HU}}, {0, 0, at(7, 7), at(7, 6), SITA_HU}, none, "▲７六歩", "P-7f"},
        {"a dragon moves, it does not promote",
         {{8, 9, SITA_SYA_NARI}},
         {0, 0, at(3, 8), at(4, 8), SITA_SYA_NARI},
         none,
         "▲４八龍",
         "+R-4h"},
        {"a horse, the upper player's",
         {{3, 3, UE_KAKU_NARI}},
         {0, 0, at(8, 2), at(7, 3), UE_KAKU_NARI},
         none,
         "△７三馬",
         "+B-7c"},
        {"promoted minor pieces",
         {{5, 5, SITA_GIN_NARI}},
         {0, 0, at(6, 4), at(6, 3), SITA_GIN_NARI},
         none,
         "▲６三成銀",
         "+S-6c"},
        {"a promotion",
         {{9, 5, SITA_HU}},
         {0, 0, at(2, 4), at(2, 3), SITA_HU_NARI},
         none,
         "▲２三歩成",
         "P-2c+"},
        {"a promotion declined",
         {{8, 5, SITA_GIN}},
         {0, 0, at(3, 4), at(3, 3), SITA_GIN},
         none,
         "▲３三銀不成",
         "S-3c="},
        {"同: to the cell of the last move",
         {{4, 6, UE_HU}, {4, 7, SITA_HU}},
         {0, 0, at(7, 5), at(7, 6), UE_HU},
         at(7, 6),
         "△同歩",
         "Px7f"},
        {"右: the gold on the right",
         {{7, 10, SITA_KIN}, {5, 10, SITA_KIN}},
         {0, 0, at(4, 9), at(5, 8), SITA_KIN},
         none,
         "▲５八金右",
         "G4i-5h"},
        {"左: the gold on the left",
         {{7, 10, SITA_KIN}, {5, 10, SITA_KIN}},
         {0, 0, at(6, 9), at(5, 8), SITA_KIN},
         none,
         "▲５八金左",
         "G6i-5h"},
        {"右 for the upper player is on the screen's left",
         {{7, 2, UE_KIN}, {5, 2, UE_KIN}},
         {0, 0, at(6, 1), at(5, 2), UE_KIN},
         none,
         "△５二金右",
         "G6a-5b"},
        {"直: straight ahead",
         {{6, 10, SITA_KIN}, {7, 10, SITA_KIN}},
         {0, 0, at(5, 9), at(5, 8), SITA_KIN},
         none,
         "▲５八金直",
         "G5i-5h"},
        {"上: the only one moving forward",
         {{6, 10, SITA_KIN}, {7, 9, SITA_KIN}},
         {0, 0, at(5, 9), at(5, 8), SITA_KIN},
         none,
         "▲５八金上",
         "G5i-5h"},
        {"寄: along the rank",
         {{6, 10, SITA_KIN}, {7, 9, SITA_KIN}},
         {0, 0, at(4, 8), at(5, 8), SITA_KIN},
         none,
         "▲５八金寄",
         "G4h-5h"},
        {"引: backward",
         {{6, 8, SITA_KIN}, {7, 10, SITA_KIN}},
         {0, 0, at(5, 7), at(5, 8), SITA_KIN},
         none,
         "▲５八金引",
         "G5g-5h"},
        {"左上: the place and the motion",
         {{5, 10, SITA_GIN}, {7, 10, SITA_GIN}, {5, 8, SITA_GIN}},
         {0, 0, at(6, 9), at(5, 8), SITA_GIN},
         none,
         "▲５八銀左上",
         "S6i-5h"},
        {"two dragons: the place, never 直",
         {{2, 9, SITA_SYA_NARI}, {10, 9, SITA_SYA_NARI}},
         {0, 0, at(9, 8), at(5, 8), SITA_SYA_NARI},
         none,
         "▲５八龍左",
         "+R9h-5h"},
        {"a drop no board piece could make",
         {},
         {0, 0, lower_bishop_hand, at(5, 5), SITA_KAKU},
         none,
         "▲５五角",
         "B*5e"},
        {"打: a bishop on the board could go there too",
         {{9, 9, SITA_KAKU}},
         {0, 0, lower_bishop_hand, at(5, 5), SITA_KAKU},
         none,
         "▲５五角打",
         "B*5e"},
        {"the kings are 玉", {{6, 2, UE_OU}}, {0, 0, at(5, 1), at(5, 2), UE_OU}, none, "△５二玉", "K-5b"},
        {"onto the ring's bottom row",
         {{3, 10, SITA_GIN}},
         {0, 0, at(8, 9), Cell{2, 11}, SITA_GIN},
         none,
         "▲９十銀",
         "S-9j"},
        {"onto the ring's top row",
         {{6, 2, SITA_KIN}},
         {0, 0, at(5, 1), Cell{6, 1}, SITA_KIN},
         none,
         "▲５〇金",
         "G-5o"},
        {"off the ring's left column",
         {{1, 5, SITA_GIN}},
         {0, 0, Cell{1, 5}, at(9, 3), SITA_GIN},
         none,
         "▲９三銀",
         "S-9c"},
        {"onto the ring's right column",
         {{10, 5, UE_KIN}},
         {0, 0, at(1, 4), Cell{11, 5}, UE_KIN},
         none,
         "△０四金",
         "G-0d"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        Kyokumen k;
        for (const Placed& p : row.pieces) k.BAN[p.x][p.y] = p.code;
        EXPECT_EQ(move_notation(k, row.move, row.last_to, Notation::Japanese), row.japanese);
        EXPECT_EQ(move_notation(k, row.move, row.last_to, Notation::English), row.english);
    }
}

// The ring's turn before a move is written first, and the move names the cells as the turned ring
// stands; 同 follows a piece the turn carried along.
TEST(Notation, TheRingsTurnComesFirst) {
    Kyokumen k;
    const Cell ring{1, 5};
    k.BAN[ring.x][ring.y] = SITA_GIN;
    const Cell carried = after_turns(ring, 3);
    ASSERT_NE(carried, ring);
    NotatedMove m{3, 3, carried, Cell{2, 5}, SITA_GIN};
    // Only where the silver stands after the turn can it move from.
    const Cell to = carried.x == 1 ? Cell{2, carried.y} : carried.y == 1 ? Cell{carried.x, 2} : Cell{};
    ASSERT_NE(to, Cell{}) << "the silver went round a corner";
    m.to = to;
    EXPECT_EQ(move_notation(k, m, {}, Notation::Japanese).rfind("▲右3 ", 0), 0u);
    EXPECT_EQ(move_notation(k, m, {}, Notation::English).rfind("R3 ", 0), 0u);
    m.shown_turns = -37; // written the shorter way
    EXPECT_EQ(move_notation(k, m, {}, Notation::Japanese).rfind("▲右3 ", 0), 0u);
    m.shown_turns = 38;
    EXPECT_EQ(move_notation(k, m, {}, Notation::Japanese).rfind("▲左2 ", 0), 0u);
    // A piece that is not there: no text.
    m.from = Cell{5, 5};
    EXPECT_EQ(move_notation(k, m, {}, Notation::Japanese), "");
}

} // namespace
