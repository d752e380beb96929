// The influence survey 勢力調査 and its directional procedures: the worked examples
// as data rows, the tables that are and are not reset, and a check of the fast survey against a
// plain transcription of the text on many random positions.
#include "com/com.h"
#include "core/rules.h"

#include "support/board.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>

namespace {

class Survey : public ::testing::Test {
  protected:
    void SetUp() override { clear_position(); }
};

// ---- Worked examples of the survey ---------------------------------------------------------------------

TEST_F(Survey, PawnAndRookOnOneUpperPieceRecordThePawnAsCheapestAttacker) {
    // The rook is met first in the scan (x = 2), the pawn later replaces it.
    place({{5, 5, UE_GIN}, {5, 6, SITA_HU}, {2, 5, SITA_SYA}});
    勢力調査();
    EXPECT_EQ(SITA_SEIRYOKU[5][5], 2);
    EXPECT_EQ(SITA_NERAI[5][5], SITA_HU);
    EXPECT_EQ(SITA_NERAI_X[5][5], 5);
    EXPECT_EQ(SITA_NERAI_Y[5][5], 6);

    // The pawn met first: the rook does not replace it.
    clear_position();
    place({{5, 5, UE_GIN}, {5, 6, SITA_HU}, {8, 5, SITA_SYA}});
    勢力調査();
    EXPECT_EQ(SITA_SEIRYOKU[5][5], 2);
    EXPECT_EQ(SITA_NERAI[5][5], SITA_HU);
    EXPECT_EQ(SITA_NERAI_X[5][5], 5);
    EXPECT_EQ(SITA_NERAI_Y[5][5], 6);
}

TEST_F(Survey, TwoEqualAttackersKeepTheOneMetFirstInTheScan) {
    place({{5, 5, UE_GIN}, {4, 6, SITA_KIN}, {6, 6, SITA_KIN}});
    勢力調査();
    EXPECT_EQ(SITA_SEIRYOKU[5][5], 2);
    EXPECT_EQ(SITA_NERAI[5][5], SITA_KIN);
    EXPECT_EQ(SITA_NERAI_X[5][5], 4);
    EXPECT_EQ(SITA_NERAI_Y[5][5], 6);
}

TEST_F(Survey, LowerDefenderRecordIsTheMostValuableDefender) {
    place({{5, 5, SITA_GIN}, {5, 6, SITA_HU}, {2, 5, SITA_SYA}});
    勢力調査();
    EXPECT_EQ(SITA_SEIRYOKU[5][5], 2);
    EXPECT_EQ(SITA_MAMORI[5][5], SITA_SYA);
}

TEST_F(Survey, UpperGoldPatternRecordsAGoldWithoutItsSquare) {
    UE_MAMORI_X[5][5] = 77;
    UE_MAMORI_Y[5][5] = 78;
    place({{5, 5, UE_KIN}, {5, 4, UE_HU_NARI}});
    勢力調査();
    EXPECT_EQ(UE_MAMORI[5][5], UE_KIN);
    EXPECT_EQ(UE_MAMORI_X[5][5], 77);
    EXPECT_EQ(UE_MAMORI_Y[5][5], 78);
}

TEST_F(Survey, SilverNeverCountsOnItsOwnSidesPiece) {
    place({{5, 5, SITA_GIN}, {5, 4, SITA_HU}});
    勢力調査();
    EXPECT_EQ(SITA_SEIRYOKU[5][4], 0);
    EXPECT_EQ(SITA_MAMORI[5][4], 999);
    EXPECT_EQ(SITA_SEIRYOKU[4][4], 1);
    EXPECT_EQ(SITA_SEIRYOKU[6][4], 1);
    EXPECT_EQ(SITA_SEIRYOKU[4][6], 1);
    EXPECT_EQ(SITA_SEIRYOKU[5][6], 0); // a silver does not step straight back
}

TEST_F(Survey, KnightSquaresStayOnTheBoard) {
    struct Row {
        int x, y;
        std::vector<std::pair<int, int>> reached;
    };
    const Row rows[] = {
        {9, 7, {{8, 5}, {10, 5}}}, {10, 7, {{9, 5}}}, {2, 7, {{3, 5}}}, {5, 4, {{4, 2}, {6, 2}}}, {5, 3, {}},
    };
    for (const auto& r : rows) {
        clear_position();
        place({{r.x, r.y, SITA_KEI}});
        勢力調査();
        int total = 0;
        for (int x = 1; x <= 11; ++x)
            for (int y = 1; y <= 11; ++y) total += SITA_SEIRYOKU[x][y];
        EXPECT_EQ(total, static_cast<int>(r.reached.size())) << r.x << "," << r.y;
        for (auto [x, y] : r.reached) EXPECT_EQ(SITA_SEIRYOKU[x][y], 1) << r.x << "," << r.y;
    }
}

TEST_F(Survey, RookCheckMarksTheLineAndGoesOnPastTheKing) {
    place({{5, 8, SITA_SYA}, {5, 4, UE_OU}});
    勢力調査();
    EXPECT_EQ(SITA_OUTE[5][5], 1);
    EXPECT_EQ(SITA_OUTE[5][6], 1);
    EXPECT_EQ(SITA_OUTE[5][7], 1);
    EXPECT_EQ(SITA_OUTE[5][8], 9);
    EXPECT_EQ(SITA_OUTE[5][4], 0);
    EXPECT_EQ(SITA_OUTE[5][3], 0);
    EXPECT_EQ(SITA_SEIRYOKU[5][4], 1);
    EXPECT_EQ(SITA_SEIRYOKU[5][3], 1);
    EXPECT_EQ(SITA_SEIRYOKU[5][2], 1);
    EXPECT_EQ(SITA_NERAI[5][4], SITA_SYA);
}

TEST_F(Survey, KnightCheckMarksTheKnightAndTheKing) {
    place({{6, 6, SITA_KEI}, {5, 4, UE_OU}});
    勢力調査();
    EXPECT_EQ(SITA_OUTE[6][6], 9);
    EXPECT_EQ(SITA_OUTE[5][4], 9);
    EXPECT_EQ(SITA_OUTE[7][4], 0);
}

TEST_F(Survey, DragonCountsItsOrthogonalNeighboursTwice) {
    place({{6, 6, SITA_SYA_NARI}});
    勢力調査();
    EXPECT_EQ(SITA_SEIRYOKU[6][5], 2);
    EXPECT_EQ(SITA_SEIRYOKU[6][7], 2);
    EXPECT_EQ(SITA_SEIRYOKU[5][6], 2);
    EXPECT_EQ(SITA_SEIRYOKU[7][6], 2);
    EXPECT_EQ(SITA_SEIRYOKU[5][5], 1);
    EXPECT_EQ(SITA_SEIRYOKU[7][5], 1);
    EXPECT_EQ(SITA_SEIRYOKU[5][7], 1);
    EXPECT_EQ(SITA_SEIRYOKU[7][7], 1);
    EXPECT_EQ(SITA_SEIRYOKU[6][2], 1);
    EXPECT_EQ(SITA_SEIRYOKU[6][6], 0);
}

TEST_F(Survey, OnlyTheKingsLeaveTheResetValuesButAroundThem) {
    place({{4, 9, SITA_OU}, {8, 3, UE_OU}});
    SITA_OU_X = SITA_OU_Y = UE_OU_X = UE_OU_Y = 0;
    勢力調査();
    EXPECT_EQ(SITA_OU_X, 4);
    EXPECT_EQ(SITA_OU_Y, 9);
    EXPECT_EQ(UE_OU_X, 8);
    EXPECT_EQ(UE_OU_Y, 3);
    for (int x = 1; x <= 11; ++x) {
        for (int y = 1; y <= 11; ++y) {
            const bool near_lower = std::abs(x - 4) <= 1 && std::abs(y - 9) <= 1 && !(x == 4 && y == 9);
            const bool near_upper = std::abs(x - 8) <= 1 && std::abs(y - 3) <= 1 && !(x == 8 && y == 3);
            EXPECT_EQ(SITA_SEIRYOKU[x][y], near_lower ? 1 : 0) << x << "," << y;
            EXPECT_EQ(UE_SEIRYOKU[x][y], near_upper ? 1 : 0) << x << "," << y;
            EXPECT_EQ(SITA_MAMORI[x][y], 999);
            EXPECT_EQ(UE_MAMORI[x][y], 999);
            EXPECT_EQ(SITA_NERAI[x][y], -999);
            EXPECT_EQ(UE_NERAI[x][y], 999);
            EXPECT_EQ(SITA_NERAI_X[x][y], 0);
            EXPECT_EQ(SITA_NERAI_Y[x][y], 0);
            EXPECT_EQ(SITA_OUTE[x][y], 0);
            EXPECT_EQ(UE_OUTE[x][y], 0);
        }
    }
}

// ---- Worked examples of the directional procedures
// ---------------------------------------------------------------------

TEST_F(Survey, LanceOnTheTopRowsBearsOnlyInsideTheBoard) {
    place({{4, 2, SITA_KYOU}, {7, 3, SITA_KYOU}});
    勢力調査();
    EXPECT_EQ(SITA_SEIRYOKU[4][1], 0);
    EXPECT_EQ(SITA_SEIRYOKU[7][2], 1);
    EXPECT_EQ(SITA_SEIRYOKU[7][1], 0);
    int total = 0;
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) total += SITA_SEIRYOKU[x][y];
    EXPECT_EQ(total, 1);
}

TEST_F(Survey, RookLineStopsAtItsOwnPieceAndDefendsIt) {
    place({{2, 6, SITA_SYA}, {2, 4, SITA_HU}});
    勢力調査();
    EXPECT_EQ(SITA_SEIRYOKU[2][5], 1);
    EXPECT_EQ(SITA_SEIRYOKU[2][4], 1);
    EXPECT_EQ(SITA_MAMORI[2][4], SITA_SYA);
    EXPECT_EQ(SITA_SEIRYOKU[2][3], 1); // from the pawn only
    EXPECT_EQ(SITA_SEIRYOKU[2][2], 0);
}

TEST_F(Survey, UpperRookCheckAlongARow) {
    place({{4, 5, UE_SYA}, {7, 5, SITA_OU}});
    勢力調査();
    EXPECT_EQ(UE_OUTE[5][5], 1);
    EXPECT_EQ(UE_OUTE[6][5], 1);
    EXPECT_EQ(UE_OUTE[4][5], 9);
    EXPECT_EQ(UE_OUTE[7][5], 0);
    EXPECT_EQ(UE_SEIRYOKU[8][5], 1);
    EXPECT_EQ(UE_SEIRYOKU[9][5], 1);
    EXPECT_EQ(UE_SEIRYOKU[10][5], 1);
    EXPECT_EQ(UE_NERAI[7][5], UE_SYA);
    EXPECT_EQ(UE_NERAI_X[7][5], 4);
    EXPECT_EQ(UE_NERAI_Y[7][5], 5);
}

TEST_F(Survey, UpperSilverDefendedByPromotedPawnRecordsGold) {
    place({{5, 5, UE_GIN}, {4, 5, UE_HU_NARI}});
    勢力調査();
    EXPECT_EQ(UE_MAMORI[5][5], UE_KIN);
}

TEST_F(Survey, LowerHorseRecordsBishopOnDiagonalsAndHorseOnSteps) {
    place({{5, 5, SITA_KAKU_NARI}, {7, 3, UE_GIN}, {5, 4, UE_KIN}});
    勢力調査();
    EXPECT_EQ(SITA_NERAI[7][3], SITA_KAKU);
    EXPECT_EQ(SITA_NERAI[5][4], SITA_KAKU_NARI);
    EXPECT_EQ(SITA_NERAI_X[7][3], 5);
    EXPECT_EQ(SITA_NERAI_Y[7][3], 5);
}

TEST_F(Survey, TheRingIsNeverReadByLines) {
    // A lower rook in the corner with upper pieces on the ring beside it.
    place({{2, 2, SITA_SYA}, {1, 2, UE_KIN}, {2, 1, UE_KIN}, {11, 2, UE_OU}});
    勢力調査();
    for (int k = 1; k <= 11; ++k) {
        EXPECT_EQ(SITA_SEIRYOKU[k][1], 0);
        EXPECT_EQ(SITA_SEIRYOKU[1][k], 0);
        EXPECT_EQ(SITA_SEIRYOKU[11][k], 0);
        EXPECT_EQ(UE_SEIRYOKU[k][1], 0);
    }
    EXPECT_EQ(SITA_NERAI[1][2], -999);
    EXPECT_EQ(SITA_SEIRYOKU[10][2], 1);
    // Upper pieces on the ring contribute nothing.
    EXPECT_EQ(UE_SEIRYOKU[2][2], 0);
    EXPECT_EQ(UE_SEIRYOKU[2][3], 0);
}

// ---- Further rules of the survey -----------------------------------------------------------

TEST_F(Survey, SilverAndDragonCountOnEmptyRingCellsButKingsNever) {
    place({{2, 5, SITA_GIN}, {10, 5, UE_GIN}, {6, 2, UE_OU}, {6, 10, SITA_OU}, {2, 9, SITA_SYA_NARI}});
    BAN[1][6] = UE_HU; // an occupied ring cell is no destination
    勢力調査();
    EXPECT_EQ(SITA_SEIRYOKU[1][4], 1); // lower silver forward-left
    EXPECT_EQ(SITA_SEIRYOKU[1][6], 0); // back-left diagonal, occupied
    EXPECT_EQ(SITA_NERAI[1][6], -999);
    EXPECT_EQ(SITA_SEIRYOKU[1][5], 0);  // no sideways step
    EXPECT_EQ(UE_SEIRYOKU[11][6], 1);   // upper silver forward-right
    EXPECT_EQ(UE_SEIRYOKU[11][4], 1);   // back-right
    EXPECT_EQ(UE_SEIRYOKU[6][1], 0);    // the upper king never counts the ring
    EXPECT_EQ(SITA_SEIRYOKU[6][11], 0); // nor the lower one
    EXPECT_EQ(SITA_SEIRYOKU[1][8], 1);  // dragon step onto the ring
    EXPECT_EQ(SITA_SEIRYOKU[1][10], 1);
    EXPECT_EQ(SITA_SEIRYOKU[1][9], 1);
}

TEST_F(Survey, PositionTablesOfDefendersAndUpperAttackersAreNeverReset) {
    place({{5, 5, UE_SYA}, {5, 7, UE_KIN}, {5, 3, SITA_KIN}});
    勢力調査();
    EXPECT_EQ(UE_MAMORI[5][7], UE_SYA);
    EXPECT_EQ(UE_MAMORI_X[5][7], 5);
    EXPECT_EQ(UE_MAMORI_Y[5][7], 5);
    EXPECT_EQ(UE_NERAI[5][3], UE_SYA);
    EXPECT_EQ(UE_NERAI_X[5][3], 5);
    EXPECT_EQ(UE_NERAI_Y[5][3], 5);

    clear_position();
    勢力調査();
    EXPECT_EQ(UE_MAMORI[5][7], 999);
    EXPECT_EQ(UE_NERAI[5][3], 999);
    EXPECT_EQ(UE_MAMORI_X[5][7], 5);
    EXPECT_EQ(UE_MAMORI_Y[5][7], 5);
    EXPECT_EQ(UE_NERAI_X[5][3], 5);
    EXPECT_EQ(UE_NERAI_Y[5][3], 5);
}

TEST_F(Survey, UpperPawnRecordsItsAttackWithoutSquare) {
    UE_NERAI_X[5][6] = 42;
    place({{5, 5, UE_HU}, {5, 6, SITA_GIN}, {2, 6, UE_SYA}});
    勢力調査();
    // The rook (x = 2) is met first and records with its square; the pawn replaces the code only.
    EXPECT_EQ(UE_NERAI[5][6], UE_HU);
    EXPECT_EQ(UE_NERAI_X[5][6], 2);
    EXPECT_EQ(UE_NERAI_Y[5][6], 6);
}

TEST_F(Survey, UpperSteppersRecordNoAttacksAndMarkTheKingSquare) {
    place({{5, 5, UE_GIN}, {5, 6, SITA_OU}, {8, 4, UE_KEI}, {7, 6, SITA_GIN}});
    勢力調査();
    EXPECT_EQ(UE_NERAI[5][6], 999);
    EXPECT_EQ(UE_NERAI[7][6], 999);
    EXPECT_EQ(UE_OUTE[5][5], 9);
    EXPECT_EQ(UE_OUTE[5][6], 9);
    EXPECT_EQ(UE_OUTE[8][4], 0);
    EXPECT_EQ(UE_SEIRYOKU[7][6], 1);
}

TEST_F(Survey, UpperHorseStepsOnlyCount) {
    place({{5, 5, UE_KAKU_NARI}, {5, 6, SITA_OU}, {5, 4, UE_KIN}});
    勢力調査();
    EXPECT_EQ(UE_SEIRYOKU[5][6], 1);
    EXPECT_EQ(UE_OUTE[5][5], 9);
    EXPECT_EQ(UE_OUTE[5][6], 0);
    EXPECT_EQ(UE_NERAI[5][6], 999);
    EXPECT_EQ(UE_MAMORI[5][4], 999); // the step records no defender
}

TEST_F(Survey, LowerKingAttacksButNeverChecks) {
    place({{5, 5, SITA_OU}, {5, 4, UE_OU}});
    勢力調査();
    EXPECT_EQ(SITA_NERAI[5][4], SITA_OU);
    EXPECT_EQ(SITA_NERAI_X[5][4], 5);
    EXPECT_EQ(SITA_NERAI_Y[5][4], 5);
    EXPECT_EQ(SITA_OUTE[5][5], 0);
    EXPECT_EQ(UE_OUTE[5][4], 0);
}

TEST_F(Survey, CheckMarkIsSetEvenWhenTheAttackRecordStays) {
    // Pawn first records -10 on the king; the gold behind it is not cheaper but still marks.
    place({{5, 4, UE_OU}, {5, 5, SITA_HU}, {6, 5, SITA_KIN}});
    勢力調査();
    EXPECT_EQ(SITA_NERAI[5][4], SITA_HU);
    EXPECT_EQ(SITA_OUTE[5][5], 9);
    EXPECT_EQ(SITA_OUTE[6][5], 9);
}

TEST_F(Survey, NeitherRowNorColumnZeroIsTouched) {
    SITA_SEIRYOKU[0][5] = 7;
    SITA_MAMORI[5][0] = 3;
    SITA_NERAI[0][0] = 4;
    place({{2, 2, SITA_SYA_NARI}, {2, 3, UE_OU}});
    勢力調査();
    EXPECT_EQ(SITA_SEIRYOKU[0][5], 7);
    EXPECT_EQ(SITA_MAMORI[5][0], 3);
    EXPECT_EQ(SITA_NERAI[0][0], 4);
    SITA_SEIRYOKU[0][5] = 0;
    SITA_MAMORI[5][0] = 999;
    SITA_NERAI[0][0] = -999;
}

// ---- The survey against a plain transcription of the text -------------------------------------------

// A literal, slow survey on its own tables, with 移動チェック for every neighbourhood.
struct Reference {
    Tbl ss{}, us{}, sm{}, um{}, umx{}, umy{}, sn{}, snx{}, sny{}, un{}, unx{}, uny{}, so{}, uo{};
    int sox = 0, soy = 0, uox = 0, uoy = 0;

    void lower(int c, int x, int y, int tx, int ty) {
        ss[tx][ty] += 1;
        if (BAN[tx][ty] < 0) {
            if (sm[tx][ty] > c) sm[tx][ty] = c;
        } else if (BAN[tx][ty] > 0) {
            if (sn[tx][ty] < c) sn[tx][ty] = c, snx[tx][ty] = x, sny[tx][ty] = y;
        }
    }
    void upper(int c, int x, int y, int tx, int ty, bool square, bool attacks, bool attack_square) {
        us[tx][ty] += 1;
        if (BAN[tx][ty] >= UE_HU) {
            if (um[tx][ty] > c) {
                um[tx][ty] = c;
                if (square) umx[tx][ty] = x, umy[tx][ty] = y;
            }
        } else if (attacks && BAN[tx][ty] <= SITA_HU && un[tx][ty] > c) {
            un[tx][ty] = c;
            if (attack_square) unx[tx][ty] = x, uny[tx][ty] = y;
        }
    }
    void ln(int c, int x, int y, int dx, int dy) {
        for (int i = 1;; ++i) {
            const int tx = x + i * dx, ty = y + i * dy;
            if (tx < 2 || tx > 10 || ty < 2 || ty > 10) return;
            if (c < 0)
                lower(c, x, y, tx, ty);
            else
                upper(c, x, y, tx, ty, true, true, true);
            const int enemy_king = c < 0 ? UE_OU : SITA_OU;
            Tbl& o = c < 0 ? so : uo;
            if (BAN[tx][ty] == enemy_king) {
                for (int j = 1; j < i; ++j) o[x + j * dx][y + j * dy] = 1;
                o[x][y] = 9;
            } else if (BAN[tx][ty] != KARA) {
                return;
            }
        }
    }
    void run() {
        for (int x = 1; x <= 11; ++x)
            for (int y = 1; y <= 11; ++y) {
                ss[x][y] = us[x][y] = snx[x][y] = sny[x][y] = so[x][y] = uo[x][y] = 0;
                sn[x][y] = -999;
                un[x][y] = sm[x][y] = um[x][y] = 999;
            }
        for (int x = 2; x <= 10; ++x)
            for (int y = 2; y <= 10; ++y) {
                const int c = BAN[x][y];
                auto lmark = [&](int tx, int ty) {
                    lower(c, x, y, tx, ty);
                    if (BAN[tx][ty] == UE_OU) so[x][y] = 9;
                };
                if (c == SITA_HU) {
                    if (y > 2) lmark(x, y - 1);
                } else if (c == SITA_HU_NARI || c == SITA_KYOU_NARI || c == SITA_KEI_NARI ||
                           c == SITA_GIN_NARI || c == SITA_KIN) {
                    const int d[6][2] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 0}, {1, 0}};
                    for (auto& e : d)
                        if (x + e[0] >= 2 && x + e[0] <= 10 && y + e[1] >= 2 && y + e[1] <= 10)
                            lmark(x + e[0], y + e[1]);
                } else if (c == SITA_KYOU) {
                    ln(c, x, y, 0, -1);
                } else if (c == SITA_KEI) {
                    for (int tx : {x - 1, x + 1})
                        if (tx >= 2 && tx <= 10 && y - 2 >= 2) {
                            lower(c, x, y, tx, y - 2);
                            if (BAN[tx][y - 2] == UE_OU) so[x][y] = 9, so[tx][y - 2] = 9;
                        }
                } else if (c == SITA_GIN || c == SITA_SYA_NARI || c == SITA_OU) {
                    if (c == SITA_SYA_NARI)
                        ln(c, x, y, 0, 1), ln(c, x, y, 0, -1), ln(c, x, y, 1, 0), ln(c, x, y, -1, 0);
                    if (c == SITA_OU) sox = x, soy = y;
                    for (int tx = x - 1; tx <= x + 1; ++tx)
                        for (int ty = y - 1; ty <= y + 1; ++ty)
                            if (移動チェック(x, y, tx, ty, c) == ON) {
                                if (c == SITA_OU)
                                    lower(c, x, y, tx, ty);
                                else
                                    lmark(tx, ty);
                            }
                } else if (c == SITA_KAKU || c == SITA_KAKU_NARI) {
                    if (c == SITA_KAKU_NARI) {
                        if (y > 2) lmark(x, y - 1);
                        if (y < 10) lmark(x, y + 1);
                        if (x > 2) lmark(x - 1, y);
                        if (x < 10) lmark(x + 1, y);
                    }
                    ln(SITA_KAKU, x, y, -1, -1), ln(SITA_KAKU, x, y, 1, -1), ln(SITA_KAKU, x, y, -1, 1),
                        ln(SITA_KAKU, x, y, 1, 1);
                } else if (c == SITA_SYA) {
                    ln(c, x, y, 0, 1), ln(c, x, y, 0, -1), ln(c, x, y, 1, 0), ln(c, x, y, -1, 0);
                } else if (c == UE_HU) {
                    if (y < 10) {
                        upper(c, x, y, x, y + 1, false, true, false);
                        if (BAN[x][y + 1] == SITA_OU) uo[x][y] = 9;
                    }
                } else if (c == UE_HU_NARI || c == UE_KYOU_NARI || c == UE_KEI_NARI || c == UE_GIN_NARI ||
                           c == UE_KIN) {
                    const int d[6][2] = {{0, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}};
                    for (auto& e : d) {
                        const int tx = x + e[0], ty = y + e[1];
                        if (tx < 2 || tx > 10 || ty < 2 || ty > 10) continue;
                        upper(UE_KIN, x, y, tx, ty, false, false, false);
                        if (BAN[tx][ty] == SITA_OU) uo[x][y] = 9;
                    }
                } else if (c == UE_KYOU) {
                    ln(c, x, y, 0, 1);
                } else if (c == UE_KEI) {
                    for (int tx : {x - 1, x + 1})
                        if (tx >= 2 && tx <= 10 && y < 9) {
                            upper(c, x, y, tx, y + 2, true, false, false);
                            if (BAN[tx][y + 2] == SITA_OU) uo[x][y] = 9, uo[tx][y + 2] = 9;
                        }
                } else if (c == UE_GIN || c == UE_SYA_NARI) {
                    if (c == UE_SYA_NARI)
                        ln(c, x, y, 0, 1), ln(c, x, y, 0, -1), ln(c, x, y, 1, 0), ln(c, x, y, -1, 0);
                    for (int tx = x - 1; tx <= x + 1; ++tx)
                        for (int ty = y - 1; ty <= y + 1; ++ty)
                            if (移動チェック(x, y, tx, ty, c) == ON) {
                                upper(c, x, y, tx, ty, true, false, false);
                                if (BAN[tx][ty] == SITA_OU) uo[x][y] = 9, uo[tx][ty] = 9;
                            }
                } else if (c == UE_KAKU || c == UE_KAKU_NARI) {
                    if (c == UE_KAKU_NARI) {
                        const int d[4][3] = {{0, -1, y > 2}, {0, 1, y < 10}, {-1, 0, x > 2}, {1, 0, x < 10}};
                        for (auto& e : d)
                            if (e[2]) {
                                us[x + e[0]][y + e[1]] += 1;
                                if (BAN[x + e[0]][y + e[1]] == SITA_OU) uo[x][y] = 9;
                            }
                    }
                    ln(c, x, y, -1, -1), ln(c, x, y, 1, -1), ln(c, x, y, -1, 1), ln(c, x, y, 1, 1);
                } else if (c == UE_SYA) {
                    ln(c, x, y, 0, 1), ln(c, x, y, 0, -1), ln(c, x, y, 1, 0), ln(c, x, y, -1, 0);
                } else if (c == UE_OU) {
                    uox = x, uoy = y;
                    for (int tx = x - 1; tx <= x + 1; ++tx)
                        for (int ty = y - 1; ty <= y + 1; ++ty)
                            if (移動チェック(x, y, tx, ty, c) == ON) us[tx][ty] += 1;
                }
            }
    }
};

const int kCodes[] = {
    SITA_HU,       SITA_HU_NARI, SITA_KYOU,    SITA_KYOU_NARI, SITA_KEI,    SITA_KEI_NARI, SITA_GIN,
    SITA_GIN_NARI, SITA_KIN,     SITA_KAKU,    SITA_KAKU_NARI, SITA_SYA,    SITA_SYA_NARI, UE_HU,
    UE_HU_NARI,    UE_KYOU,      UE_KYOU_NARI, UE_KEI,         UE_KEI_NARI, UE_GIN,        UE_GIN_NARI,
    UE_KIN,        UE_KAKU,      UE_KAKU_NARI, UE_SYA,         UE_SYA_NARI};

void random_position(std::mt19937& rng) {
    clear_position();
    std::uniform_int_distribution<int> cell(1, 11), kind(0, sizeof kCodes / sizeof kCodes[0] - 1),
        count(4, 40);
    std::uniform_int_distribution<int> board(2, 10);
    BAN[board(rng)][board(rng)] = SITA_OU;
    int ux, uy;
    do ux = board(rng), uy = board(rng);
    while (BAN[ux][uy] != KARA);
    BAN[ux][uy] = UE_OU;
    const int n = count(rng);
    for (int i = 0; i < n; ++i) {
        const int x = cell(rng), y = cell(rng);
        if (BAN[x][y] == KARA) BAN[x][y] = static_cast<Koma>(kCodes[kind(rng)]);
    }
}

TEST(SurveyReference, MatchesAPlainTranscriptionOnRandomPositions) {
    std::mt19937 rng(20240611);
    Reference ref;
    for (int round = 0; round < 3000; ++round) {
        random_position(rng);
        // Make the never-reset tables agree before both runs.
        std::memcpy(ref.umx, UE_MAMORI_X, sizeof(Tbl));
        std::memcpy(ref.umy, UE_MAMORI_Y, sizeof(Tbl));
        std::memcpy(ref.unx, UE_NERAI_X, sizeof(Tbl));
        std::memcpy(ref.uny, UE_NERAI_Y, sizeof(Tbl));
        ref.run();
        勢力調査();
        for (int x = 1; x <= 11; ++x) {
            for (int y = 1; y <= 11; ++y) {
                SCOPED_TRACE(::testing::Message() << "round " << round << " at " << x << "," << y);
                ASSERT_EQ(SITA_SEIRYOKU[x][y], ref.ss[x][y]);
                ASSERT_EQ(UE_SEIRYOKU[x][y], ref.us[x][y]);
                ASSERT_EQ(SITA_MAMORI[x][y], ref.sm[x][y]);
                ASSERT_EQ(UE_MAMORI[x][y], ref.um[x][y]);
                ASSERT_EQ(UE_MAMORI_X[x][y], ref.umx[x][y]);
                ASSERT_EQ(UE_MAMORI_Y[x][y], ref.umy[x][y]);
                ASSERT_EQ(SITA_NERAI[x][y], ref.sn[x][y]);
                ASSERT_EQ(SITA_NERAI_X[x][y], ref.snx[x][y]);
                ASSERT_EQ(SITA_NERAI_Y[x][y], ref.sny[x][y]);
                ASSERT_EQ(UE_NERAI[x][y], ref.un[x][y]);
                ASSERT_EQ(UE_NERAI_X[x][y], ref.unx[x][y]);
                ASSERT_EQ(UE_NERAI_Y[x][y], ref.uny[x][y]);
                ASSERT_EQ(SITA_OUTE[x][y], ref.so[x][y]);
                ASSERT_EQ(UE_OUTE[x][y], ref.uo[x][y]);
            }
        }
        ASSERT_EQ(SITA_OU_X, ref.sox);
        ASSERT_EQ(SITA_OU_Y, ref.soy);
        ASSERT_EQ(UE_OU_X, ref.uox);
        ASSERT_EQ(UE_OU_Y, ref.uoy);
    }
}

TEST(SurveyReference, RowAndColumnZeroAreNeverWritten) {
    // The survey resets rows and columns 1..11 only; row and column 0 keep their zero start, which is
    // what a rule reading beside a ring cell sees.
    clear_position();
    BAN[2][2] = SITA_SYA; // its lines run along row 2 and column 2, next to the ring
    勢力調査();
    EXPECT_EQ(SITA_MAMORI[0][0], 0);
    EXPECT_EQ(UE_MAMORI[0][7], 0);
    EXPECT_EQ(UE_NERAI[7][0], 0);
    EXPECT_EQ(SITA_NERAI[0][3], 0);
    EXPECT_EQ(SITA_SEIRYOKU[0][2], 0);
    EXPECT_EQ(SITA_MAMORI[1][1], 999);
    EXPECT_EQ(SITA_NERAI[11][3], -999);
}

} // namespace
