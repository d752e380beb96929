// The move rules: movement from the board and the ring, ring destinations, drops, promotion zones.
#include "core/rules.h"
#include "support/board.h"

#include <gtest/gtest.h>

namespace {

struct MoveCase {
    const char* what;
    std::initializer_list<Placed> board;
    int fx, fy, tx, ty, piece;
    int expected;
};

class MoveRules : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MoveRules, DecidesLegality) {
    const MoveCase& c = GetParam();
    set_position(c.board);
    調査_2歩フラグ設定();
    EXPECT_EQ(移動チェック(c.fx, c.fy, c.tx, c.ty, c.piece), c.expected) << c.what;
}

const MoveCase kMoves[] = {
    // Board moves.
    {"lower pawn one step forward", {{5, 8, SITA_HU}}, 5, 8, 5, 7, SITA_HU, ON},
    {"lower pawn not backwards", {{5, 8, SITA_HU}}, 5, 8, 5, 9, SITA_HU, OFF},
    {"upper pawn forward is down", {{5, 4, UE_HU}}, 5, 4, 5, 5, UE_HU, ON},
    {"pawn captures ahead", {{5, 8, SITA_HU}, {5, 7, UE_GIN}}, 5, 8, 5, 7, SITA_HU, ON},
    {"no capture of own piece", {{5, 8, SITA_HU}, {5, 7, SITA_GIN}}, 5, 8, 5, 7, SITA_HU, OFF},
    {"source is not a destination", {{5, 8, SITA_KIN}}, 5, 8, 5, 8, SITA_KIN, OFF},
    {"destination outside 1..11", {{10, 5, SITA_SYA}}, 10, 5, 12, 5, SITA_SYA, OFF},
    {"destination row 0", {{5, 2, SITA_KYOU}}, 5, 2, 5, 0, SITA_KYOU, OFF},
    {"lance slides over empty cells", {{5, 8, SITA_KYOU}}, 5, 8, 5, 3, SITA_KYOU, ON},
    {"lance blocked", {{5, 8, SITA_KYOU}, {5, 5, UE_HU}}, 5, 8, 5, 3, SITA_KYOU, OFF},
    {"upper lance down", {{5, 2, UE_KYOU}}, 5, 2, 5, 9, UE_KYOU, ON},
    {"knight jumps", {{5, 8, SITA_KEI}, {5, 7, UE_HU}}, 5, 8, 4, 6, SITA_KEI, ON},
    {"upper knight jumps down", {{5, 4, UE_KEI}}, 5, 4, 6, 6, UE_KEI, ON},
    {"knight not sideways", {{5, 8, SITA_KEI}}, 5, 8, 7, 7, SITA_KEI, OFF},
    {"silver diagonal back", {{5, 6, SITA_GIN}}, 5, 6, 4, 7, SITA_GIN, ON},
    {"silver not straight back", {{5, 6, SITA_GIN}}, 5, 6, 5, 7, SITA_GIN, OFF},
    {"silver not sideways", {{5, 6, SITA_GIN}}, 5, 6, 6, 6, SITA_GIN, OFF},
    {"upper silver diagonal back is up", {{5, 6, UE_GIN}}, 5, 6, 4, 5, UE_GIN, ON},
    {"gold sideways", {{5, 6, SITA_KIN}}, 5, 6, 6, 6, SITA_KIN, ON},
    {"gold not diagonal back", {{5, 6, SITA_KIN}}, 5, 6, 6, 7, SITA_KIN, OFF},
    {"promoted pawn moves like a gold", {{5, 6, SITA_HU_NARI}}, 5, 6, 4, 5, SITA_HU_NARI, ON},
    {"upper promoted silver like a gold", {{5, 6, UE_GIN_NARI}}, 5, 6, 4, 7, UE_GIN_NARI, ON},
    {"upper promoted silver not diagonal up", {{5, 6, UE_GIN_NARI}}, 5, 6, 4, 5, UE_GIN_NARI, OFF},
    {"bishop diagonal", {{3, 9, SITA_KAKU}}, 3, 9, 9, 3, SITA_KAKU, ON},
    {"bishop blocked", {{3, 9, SITA_KAKU}, {5, 7, SITA_HU}}, 3, 9, 9, 3, SITA_KAKU, OFF},
    {"horse steps orthogonally", {{5, 5, SITA_KAKU_NARI}}, 5, 5, 5, 6, SITA_KAKU_NARI, ON},
    {"rook straight", {{9, 9, SITA_SYA}}, 9, 9, 9, 2, SITA_SYA, ON},
    {"rook not diagonal", {{9, 9, SITA_SYA}}, 9, 9, 8, 8, SITA_SYA, OFF},
    {"dragon steps diagonally", {{5, 5, UE_SYA_NARI}}, 5, 5, 6, 6, UE_SYA_NARI, ON},
    {"king one step", {{6, 10, SITA_OU}}, 6, 10, 7, 9, SITA_OU, ON},
    {"king not two", {{6, 10, SITA_OU}}, 6, 10, 6, 8, SITA_OU, OFF},
    // Onto the ring.
    {"pawn steps off the board onto the ring", {{5, 2, SITA_HU}}, 5, 2, 5, 1, SITA_HU, ON},
    {"rook slides off onto the ring", {{5, 6, SITA_SYA}}, 5, 6, 5, 1, SITA_SYA, ON},
    {"rook to the ring blocked on the way", {{5, 6, SITA_SYA}, {5, 3, UE_HU}}, 5, 6, 5, 1, SITA_SYA, OFF},
    {"bishop onto a ring corner", {{3, 3, UE_KAKU}}, 3, 3, 1, 1, UE_KAKU, ON},
    {"king never onto the ring", {{6, 2, UE_OU}}, 6, 2, 6, 1, UE_OU, OFF},
    {"no capture onto the ring", {{5, 2, SITA_HU}, {5, 1, UE_HU}}, 5, 2, 5, 1, SITA_HU, OFF},
    {"own piece on the ring blocks too", {{5, 2, SITA_HU}, {5, 1, SITA_KIN}}, 5, 2, 5, 1, SITA_HU, OFF},
    // From the ring.
    {"ring piece enters by its own move", {{5, 11, SITA_HU}}, 5, 11, 5, 10, SITA_HU, ON},
    {"ring piece cannot capture", {{5, 11, SITA_HU}, {5, 10, UE_HU}}, 5, 11, 5, 10, SITA_HU, OFF},
    {"ring piece never moves along the ring", {{5, 11, SITA_KIN}}, 5, 11, 6, 11, SITA_KIN, OFF},
    {"pawn on a side column stays on the ring", {{1, 5, SITA_HU}}, 1, 5, 1, 4, SITA_HU, OFF},
    {"lance from the ring slides in", {{5, 1, UE_KYOU}}, 5, 1, 5, 5, UE_KYOU, ON},
    {"rook from the side column", {{11, 5, SITA_SYA}}, 11, 5, 4, 5, SITA_SYA, ON},
    {"bishop from a corner", {{1, 1, UE_KAKU}}, 1, 1, 4, 4, UE_KAKU, ON},
    // Drops.
    {"gold drop on an empty square", {}, 13, 7, 5, 5, SITA_KIN, ON},
    {"no drop on a piece", {{5, 5, UE_HU}}, 13, 7, 5, 5, SITA_KIN, OFF},
    {"no drop onto the ring", {}, 13, 3, 5, 1, SITA_HU, OFF},
    {"pawn drop on the last rank", {}, 13, 3, 5, 2, SITA_HU, ON},
    {"knight drop on the last rank", {}, 13, 5, 5, 2, SITA_KEI, ON},
    {"upper lance drop on the last rank", {}, -1, 2, 5, 10, UE_KYOU, ON},
    {"two pawns on a column", {{5, 8, SITA_HU}}, 13, 3, 5, 5, SITA_HU, OFF},
    {"a promoted pawn does not block", {{5, 8, SITA_HU_NARI}}, 13, 3, 5, 5, SITA_HU, ON},
    {"a pawn on the ring does not block", {{5, 11, SITA_HU}}, 13, 3, 5, 5, SITA_HU, ON},
    {"the other side's pawn does not block", {{5, 4, UE_HU}}, 13, 3, 5, 5, SITA_HU, ON},
    {"upper two pawns", {{5, 4, UE_HU}}, -1, 1, 5, 6, UE_HU, OFF},
    {"hand source with row 1 is not a ring source", {}, -1, 1, 5, 5, UE_KIN, ON},
};

INSTANTIATE_TEST_SUITE_P(Cases, MoveRules, ::testing::ValuesIn(kMoves));

struct PromotionCase {
    const char* what;
    int fx, fy, tx, ty, piece;
    int expected;
    int promoted;
};

class Promotion : public ::testing::TestWithParam<PromotionCase> {};

TEST_P(Promotion, FollowsTheZones) {
    const PromotionCase& c = GetParam();
    NARI_KOMA = 0;
    EXPECT_EQ(調査_駒成(c.fx, c.fy, c.tx, c.ty, c.piece), c.expected) << c.what;
    if (c.expected == ON) {
        EXPECT_EQ(NARI_KOMA, c.promoted) << c.what;
    }
}

const PromotionCase kPromotions[] = {
    {"pawn into the zone", 5, 5, 5, 4, SITA_HU, ON, SITA_HU_NARI},
    {"pawn outside the zone", 5, 6, 5, 5, SITA_HU, OFF, 0},
    {"pawn onto the ring above counts as a row", 5, 2, 5, 1, SITA_HU, ON, SITA_HU_NARI},
    {"no promotion from the ring", 5, 11, 5, 10, UE_HU, OFF, 0},
    {"no promotion from a hand box", 13, 3, 5, 3, SITA_HU, OFF, 0},
    {"silver moving out of the zone", 5, 4, 5, 5, SITA_GIN, ON, SITA_GIN_NARI},
    {"lance moving out of the zone does not", 5, 4, 5, 5, SITA_KYOU, OFF, 0},
    {"rook from the zone", 5, 3, 5, 8, SITA_SYA, ON, SITA_SYA_NARI},
    {"upper knight into its zone", 5, 6, 6, 8, UE_KEI, ON, UE_KEI_NARI},
    {"upper bishop out of its zone", 5, 8, 3, 6, UE_KAKU, ON, UE_KAKU_NARI},
    {"upper pawn on row 7 does not", 5, 6, 5, 7, UE_HU, OFF, 0},
    {"gold never promotes", 5, 5, 5, 4, SITA_KIN, OFF, 0},
    {"promoted pieces never promote again", 5, 5, 5, 4, SITA_HU_NARI, OFF, 0},
    {"king never promotes", 5, 8, 5, 9, UE_OU, OFF, 0},
};

INSTANTIATE_TEST_SUITE_P(Cases, Promotion, ::testing::ValuesIn(kPromotions));

TEST(TwoPawnFlags, CountOnlyUnpromotedPawnsOnThePlayArea) {
    set_position({{2, 8, SITA_HU}, {3, 8, SITA_HU_NARI}, {4, 11, SITA_HU}, {10, 4, UE_HU}, {9, 1, UE_HU}});
    NIFU_SITA[5] = 1; // stale flags are cleared
    調査_2歩フラグ設定();
    EXPECT_EQ(NIFU_SITA[2], 1);
    EXPECT_EQ(NIFU_SITA[3], 0);
    EXPECT_EQ(NIFU_SITA[4], 0);
    EXPECT_EQ(NIFU_SITA[5], 0);
    EXPECT_EQ(NIFU_UE[10], 1);
    EXPECT_EQ(NIFU_UE[9], 0);
}

} // namespace
