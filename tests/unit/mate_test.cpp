// Check and mate detection: the cases the mate tests consider,
// the escape squares of the lower king, and an upper piece reaching the lower king.
#include "com/com.h"
#include "com/mate.h"
#include "core/rules.h"

#include "support/board.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

void clear_mate_position() {
    clear_position();
    TAIKYOKU.tables = Seiryoku{};
}

void give_upper(int kind, int n = 1) {
    UE_MOCHI[kind] += n;
    UE_MOCHI_KEI += n;
}
void give_lower(int kind, int n = 1) {
    SITA_MOCHI[kind] += n;
    SITA_MOCHI_KEI += n;
}

// Runs the survey and the computer's mate test, and checks that BAN comes back unchanged.
int com_mated() {
    Koma before[12][12];
    std::memcpy(before, BAN, sizeof BAN);
    勢力調査();
    const int r = 詰めかCOM();
    EXPECT_EQ(std::memcmp(before, BAN, sizeof BAN), 0) << "詰めかCOM changed BAN";
    return r;
}
int man_mated() {
    Koma before[12][12];
    std::memcpy(before, BAN, sizeof BAN);
    勢力調査();
    const int r = 詰めかMAN();
    EXPECT_EQ(std::memcmp(before, BAN, sizeof BAN), 0) << "詰めかMAN changed BAN";
    return r;
}

class Mate : public ::testing::Test {
  protected:
    void SetUp() override { clear_mate_position(); }
};

// The upper king on (6, 2) boxed in by its own pawns, checked by a lower rook up file 6 (x = 6); none
// of the pawns can reach the file.
void boxed_upper_king_checked_by_rook() {
    place({{6, 2, UE_OU}, {5, 2, UE_HU}, {7, 2, UE_HU}, {5, 3, UE_HU}, {7, 3, UE_HU}, {6, 8, SITA_SYA}});
}

// ---- 詰めかCOM ---------------------------------------------------------------------------------------

TEST_F(Mate, KingNotAttackedIsNeverMated) {
    // Boxed in completely, no escape and nothing in hand, but not in check.
    place({{6, 2, UE_OU},
           {5, 2, UE_HU},
           {7, 2, UE_HU},
           {5, 3, UE_HU},
           {6, 3, UE_HU},
           {7, 3, UE_HU},
           {6, 6, SITA_SYA}});
    EXPECT_EQ(com_mated(), OFF);
    clear_mate_position();
    place({{6, 10, SITA_OU},
           {5, 10, SITA_HU},
           {7, 10, SITA_HU},
           {5, 9, SITA_HU},
           {6, 9, SITA_HU},
           {7, 9, SITA_HU}});
    EXPECT_EQ(man_mated(), OFF);
}

TEST_F(Mate, DistantRookCheckWithNothingToStopItIsMate) {
    boxed_upper_king_checked_by_rook();
    EXPECT_EQ(com_mated(), ON);
}

TEST_F(Mate, DistantRookCheckIsNotMateWhenADropCanBlock) {
    boxed_upper_king_checked_by_rook();
    give_upper(5); // a gold
    EXPECT_EQ(com_mated(), OFF);
}

TEST_F(Mate, PawnsOnlyCannotBlockOnAColumnHoldingAnUnpromotedPawn) {
    // Upper pawn on file 6 below the rook: the two-pawn rule forbids a pawn drop on the line.
    place({{6, 2, UE_OU},
           {5, 2, UE_HU},
           {7, 2, UE_HU},
           {5, 3, UE_HU},
           {7, 3, UE_HU},
           {6, 7, SITA_SYA},
           {6, 9, UE_HU}});
    give_upper(1);
    調査_2歩フラグ設定();
    EXPECT_EQ(com_mated(), ON);

    // A promoted pawn does not block the drop.
    BAN[6][9] = UE_HU_NARI;
    調査_2歩フラグ設定();
    EXPECT_EQ(com_mated(), OFF);

    // Any other piece in hand can always block.
    BAN[6][9] = UE_HU;
    調査_2歩フラグ設定();
    give_upper(2);
    EXPECT_EQ(com_mated(), OFF);
}

TEST_F(Mate, TwoPawnFlagsAreReadAsLastComputed) {
    place({{6, 2, UE_OU}, {5, 2, UE_HU}, {7, 2, UE_HU}, {5, 3, UE_HU}, {7, 3, UE_HU}, {6, 7, SITA_SYA}});
    give_upper(1);
    NIFU_UE[6] = 1; // stale flag: file 6 holds no upper pawn now
    EXPECT_EQ(com_mated(), ON);
}

TEST_F(Mate, NonAdjacentKnightCheckGoesToEscapeAndCapture) {
    // The knight's check also marks the king's square, an adjacent checker, so the pieces in hand
    // do not save the king; steps 3 and 4 decide.
    place({{6, 2, UE_OU},
           {5, 2, UE_HU},
           {7, 2, UE_HU},
           {5, 3, UE_KEI},
           {6, 3, UE_HU},
           {7, 3, UE_HU},
           {5, 4, SITA_KEI}});
    give_upper(5);
    EXPECT_EQ(com_mated(), ON);

    // With a piece that can take the knight it is not mate.
    BAN[4][3] = UE_KIN; // steps to (5, 4)
    EXPECT_EQ(com_mated(), OFF);
}

TEST_F(Mate, KingTakesAnUndefendedAdjacentChecker) {
    place({{6, 2, UE_OU}, {6, 3, SITA_KIN}});
    EXPECT_EQ(com_mated(), OFF);
    // Defended by a pawn, the gold covers every escape as well: mate.
    BAN[6][4] = SITA_HU;
    EXPECT_EQ(com_mated(), ON);
}

TEST_F(Mate, RingPiecesBlockAsMoversButAreNeverTargets) {
    // Upper king (2, 2), lower rook (2, 8) checking up the file; the king's other squares are its own.
    place({{2, 2, UE_OU}, {3, 2, UE_HU}, {3, 3, UE_HU}, {2, 8, SITA_SYA}});
    EXPECT_EQ(com_mated(), ON);
    // An upper gold on the ring at (1, 4) can step onto (2, 4) between rook and king.
    BAN[1][4] = UE_KIN;
    EXPECT_EQ(com_mated(), OFF);
    // The trial survey's tables are left behind: the position after the block.
    EXPECT_EQ(SITA_SEIRYOKU[2][2], 0);
    EXPECT_EQ(SITA_OUTE[2][8], 0);

    // A ring piece cannot take a checker: a move from the ring needs an empty destination.
    clear_mate_position();
    place({{2, 2, UE_OU}, {3, 2, UE_HU}, {3, 3, UE_HU}, {2, 3, SITA_KIN}, {2, 4, SITA_HU}, {1, 3, UE_KIN}});
    EXPECT_EQ(com_mated(), ON);
}

TEST_F(Mate, KingCannotEscapeBackAlongTheCheckingLine) {
    place({{6, 4, UE_OU},
           {5, 3, UE_HU},
           {7, 3, UE_HU},
           {5, 4, UE_HU},
           {7, 4, UE_HU},
           {5, 5, UE_HU},
           {7, 5, UE_HU},
           {6, 8, SITA_SYA}});
    勢力調査();
    EXPECT_GT(SITA_SEIRYOKU[6][3], 0);
    EXPECT_EQ(com_mated(), ON);
    // Checked instead by a defended gold, which does not bear on (6, 3): the king steps back there.
    BAN[6][8] = KARA;
    BAN[6][5] = SITA_KIN;
    BAN[6][6] = SITA_HU;
    EXPECT_EQ(com_mated(), OFF);
}

TEST_F(Mate, AMoveThatTakesTheCheckerStopsTheCheck) {
    boxed_upper_king_checked_by_rook();
    BAN[9][8] = UE_SYA; // can take the rook along row 8
    EXPECT_EQ(com_mated(), OFF);
}

// The upper king on (6, 2) checked by a rook up file 6; an upper silver on (5, 3) is pinned by a lower
// bishop on (3, 5). The silver's block on (6, 4) opens the bishop's check, and that failed trial leaves
// the bishop's marks behind in SITA_OUTE: the rook's line is no longer marked.
void pinned_silver_position() {
    place({{6, 2, UE_OU},
           {5, 2, UE_HU},
           {7, 2, UE_HU},
           {7, 3, UE_HU},
           {5, 3, UE_GIN},
           {6, 8, SITA_SYA},
           {3, 5, SITA_KAKU}});
}

TEST_F(Mate, LaterCandidatesReadTheMarksTheLastTrialLeft) {
    // An upper rook on (10, 6) could block on (6, 6), but it comes after the silver in the scan and finds
    // (6, 6) unmarked: judged mate.
    pinned_silver_position();
    BAN[10][6] = UE_SYA;
    EXPECT_EQ(com_mated(), ON);
    // The tables are those of the silver's trial: the bishop checks, the rook's line is blocked.
    EXPECT_EQ(SITA_OUTE[3][5], 9);
    EXPECT_EQ(SITA_OUTE[4][4], 1);
    EXPECT_EQ(SITA_OUTE[6][6], 0);
    EXPECT_EQ(SITA_OUTE[6][8], 0);
    EXPECT_EQ(UE_SEIRYOKU[6][5], 1); // from the silver standing on (6, 4) in the trial
    EXPECT_EQ(UE_SEIRYOKU[6][4], 0); // in the real position the silver bears on (6, 4)

    // The same rook scanned before the silver (x = 2) blocks first: not mate.
    clear_mate_position();
    pinned_silver_position();
    BAN[2][6] = UE_SYA;
    EXPECT_EQ(com_mated(), OFF);
    // Left behind: the tables of the successful trial, where the king is not attacked.
    EXPECT_EQ(SITA_SEIRYOKU[6][2], 0);
}

// ---- 詰めかMAN ---------------------------------------------------------------------------------------

TEST_F(Mate, LowerKingDistantCheckBlockedByADrop) {
    place({{6, 10, SITA_OU},
           {5, 10, SITA_HU},
           {7, 10, SITA_HU},
           {5, 9, SITA_HU},
           {7, 9, SITA_HU},
           {6, 4, UE_SYA}});
    EXPECT_EQ(man_mated(), ON);
    give_lower(7);
    EXPECT_EQ(man_mated(), OFF);
}

TEST_F(Mate, LowerKingPawnsOnlyAndTwoPawnColumn) {
    place({{6, 10, SITA_OU},
           {5, 10, SITA_HU},
           {7, 10, SITA_HU},
           {5, 9, SITA_HU},
           {7, 9, SITA_HU},
           {6, 5, UE_SYA},
           {6, 3, SITA_HU}});
    give_lower(1);
    調査_2歩フラグ設定();
    EXPECT_EQ(man_mated(), ON);
    BAN[6][3] = KARA;
    BAN[2][3] = SITA_HU;
    調査_2歩フラグ設定();
    EXPECT_EQ(man_mated(), OFF);
}

TEST_F(Mate, LowerKingTakesAnUndefendedChecker) {
    place({{6, 10, SITA_OU}, {6, 9, UE_KIN}});
    EXPECT_EQ(man_mated(), OFF);
    BAN[6][8] = UE_HU;
    EXPECT_EQ(man_mated(), ON);
}

TEST_F(Mate, LowerRingPieceBlocksTheCheck) {
    place({{2, 10, SITA_OU}, {3, 10, SITA_HU}, {3, 9, SITA_HU}, {2, 4, UE_SYA}});
    EXPECT_EQ(man_mated(), ON);
    BAN[1][7] = SITA_KIN; // a lower gold on the ring steps sideways onto (2, 7)
    EXPECT_EQ(man_mated(), OFF);
}

TEST_F(Mate, ManMateLeavesTheSurveyTablesUntouched) {
    place({{2, 10, SITA_OU}, {3, 10, SITA_HU}, {3, 9, SITA_HU}, {2, 4, UE_SYA}, {1, 7, SITA_KIN}});
    勢力調査();
    Tbl before;
    std::memcpy(before, UE_SEIRYOKU, sizeof(Tbl));
    EXPECT_EQ(詰めかMAN(), OFF);
    EXPECT_EQ(std::memcmp(before, UE_SEIRYOKU, sizeof(Tbl)), 0);
}

// ---- 詰めかMAN_COM移動 and 調査_自王逃道 -------------------------------------------------------------

TEST_F(Mate, UpperPieceReachingTheLowerKing) {
    place({{6, 10, SITA_OU}, {6, 4, UE_KYOU}, {6, 7, SITA_HU}});
    EXPECT_EQ(詰めかMAN_COM移動(), OFF);
    BAN[6][7] = KARA;
    EXPECT_EQ(詰めかMAN_COM移動(), ON);
    // A ring piece never takes.
    clear_mate_position();
    place({{2, 10, SITA_OU}, {1, 9, UE_KIN}, {1, 10, UE_SYA_NARI}});
    SITA_OU_X = 2;
    EXPECT_EQ(詰めかMAN_COM移動(), OFF);
}

TEST_F(Mate, EscapeSquaresOnTheLastRankCountButNeverTheRing) {
    place({{6, 9, SITA_OU}});
    勢力調査();
    EXPECT_EQ(調査_自王逃道(), 8);
    EXPECT_EQ(NIGEMICHI[5][10], 1);
    EXPECT_EQ(NIGEMICHI[6][10], 1);
    EXPECT_EQ(NIGEMICHI[7][10], 1);

    clear_mate_position();
    place({{6, 10, SITA_OU}});
    勢力調査();
    EXPECT_EQ(調査_自王逃道(), 5);
    EXPECT_EQ(NIGEMICHI[6][11], 0);

    clear_mate_position();
    place({{2, 2, SITA_OU}});
    勢力調査();
    EXPECT_EQ(調査_自王逃道(), 3);
    EXPECT_EQ(NIGEMICHI[2][1], 0);
    EXPECT_EQ(NIGEMICHI[1][2], 0);
}

TEST_F(Mate, EscapeSquaresMustBeEmptyAndUnattackedAndAreNeverCleared) {
    place({{6, 9, SITA_OU}, {6, 8, SITA_HU}, {5, 8, UE_HU}, {2, 10, UE_SYA}});
    NIGEMICHI[3][3] = 1;
    勢力調査();
    // (6, 8) holds its own pawn and (5, 8) an upper pawn; the rook watches row 10, the upper pawn (5, 9).
    EXPECT_EQ(調査_自王逃道(), 2);
    EXPECT_EQ(NIGEMICHI[7][8], 1);
    EXPECT_EQ(NIGEMICHI[7][9], 1);
    EXPECT_EQ(NIGEMICHI[5][9], 0);
    EXPECT_EQ(NIGEMICHI[6][10], 0);
    EXPECT_EQ(NIGEMICHI[3][3], 1); // never cleared here
}

} // namespace
