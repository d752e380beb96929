// The position as a value: the rules answer for the position they are handed, and the computer's
// search works on its own copy, whatever the game itself holds.
#include "com/com.h"
#include "support/names.h"
#include "core/rules.h"

#include <gtest/gtest.h>

#include <initializer_list>

namespace {

struct Put {
    int x, y, code;
};

Kyokumen position(std::initializer_list<Put> pieces, std::initializer_list<int> upper_hand = {}) {
    Kyokumen k;
    for (const Put& p : pieces) k.BAN[p.x][p.y] = static_cast<Koma>(p.code);
    for (int kind : upper_hand) {
        k.UE_MOCHI[kind] += 1;
        k.UE_MOCHI_KEI += 1;
    }
    return k;
}

// ---- Rules on a position handed in ----------------------------------------------------------------------

struct RuleRow {
    const char* what;
    std::initializer_list<Put> handed; // the position asked about
    std::initializer_list<Put> game;   // what the game holds meanwhile
    int fx, fy, tx, ty, piece;
    int expected;
};

class RulesOnAValue : public ::testing::TestWithParam<RuleRow> {};

TEST_P(RulesOnAValue, AnswerForThePositionHandedIn) {
    const RuleRow& r = GetParam();
    Kyokumen k = position(r.handed);
    調査_2歩フラグ設定(k);
    TAIKYOKU.pos = position(r.game);
    調査_2歩フラグ設定(TAIKYOKU.pos);
    const Kyokumen game = TAIKYOKU.pos;
    EXPECT_EQ(移動チェック(k, r.fx, r.fy, r.tx, r.ty, r.piece), r.expected) << r.what;
    EXPECT_EQ(TAIKYOKU.pos, game) << r.what;
}

const RuleRow kRuleRows[] = {
    {"a clear file where the game's is blocked",
     {{5, 9, SITA_KYOU}},
     {{5, 9, SITA_KYOU}, {5, 6, SITA_HU}},
     5,
     9,
     5,
     3,
     SITA_KYOU,
     ON},
    {"a blocked file where the game's is clear",
     {{5, 9, SITA_KYOU}, {5, 6, SITA_HU}},
     {{5, 9, SITA_KYOU}},
     5,
     9,
     5,
     3,
     SITA_KYOU,
     OFF},
    {"a pawn on the file only in the game", {}, {{4, 8, SITA_HU}}, 13, 3, 4, 5, SITA_HU, ON},
    {"a pawn on the file only in the value", {{4, 8, SITA_HU}}, {}, 13, 3, 4, 5, SITA_HU, OFF},
    {"an occupied ring cell only in the game",
     {{3, 2, SITA_HU}},
     {{3, 2, SITA_HU}, {3, 1, UE_KIN}},
     3,
     2,
     3,
     1,
     SITA_HU,
     ON},
};

INSTANTIATE_TEST_SUITE_P(Rows, RulesOnAValue, ::testing::ValuesIn(kRuleRows));

// ---- The search on a copy -------------------------------------------------------------------------------

struct SearchRow {
    const char* what;
    std::initializer_list<Put> pieces;
    std::initializer_list<int> upper_hand;
};

class SearchOnACopy : public ::testing::TestWithParam<SearchRow> {};

TEST_P(SearchOnACopy, LeavesThePositionAndTheGameUntouchedAndFindsTheSameMoveAsOnTheGame) {
    const SearchRow& r = GetParam();
    for (int level = 1; level <= 3; ++level) {
        // The search on a value while the game holds another position.
        Kyokumen k = position(r.pieces, r.upper_hand);
        Seiryoku tb;
        ComKioku mem;
        勢力調査(k, tb);
        const Kyokumen before = k;
        TAIKYOKU.pos = position({{6, 10, SITA_OU}, {6, 2, UE_OU}, {5, 5, UE_SYA}});
        const Kyokumen game = TAIKYOKU.pos;
        const int found = search_turn(k, tb, mem, level);
        EXPECT_EQ(k, before) << r.what << ", level " << level;
        EXPECT_EQ(TAIKYOKU.pos, game) << r.what << ", level " << level;

        // The same position held by the game, with fresh tables: the same move.
        TAIKYOKU.pos = before;
        TAIKYOKU.tables = Seiryoku{};
        TAIKYOKU.com = ComKioku{};
        勢力調査(TAIKYOKU.pos, TAIKYOKU.tables);
        EXPECT_EQ(search_turn(TAIKYOKU.pos, TAIKYOKU.tables, TAIKYOKU.com, level), found) << r.what;
        const ComKioku& g = TAIKYOKU.com;
        EXPECT_EQ(g.COM_TE_MOTO_X, mem.COM_TE_MOTO_X) << r.what << ", level " << level;
        EXPECT_EQ(g.COM_TE_MOTO_Y, mem.COM_TE_MOTO_Y) << r.what << ", level " << level;
        EXPECT_EQ(g.COM_TE_SAKI_X, mem.COM_TE_SAKI_X) << r.what << ", level " << level;
        EXPECT_EQ(g.COM_TE_SAKI_Y, mem.COM_TE_SAKI_Y) << r.what << ", level " << level;
        EXPECT_EQ(g.COM_TE_KOMA_OKU, mem.COM_TE_KOMA_OKU) << r.what << ", level " << level;
        EXPECT_EQ(g.KAITEN_UTI, mem.KAITEN_UTI) << r.what << ", level " << level;
        EXPECT_EQ(g.KAITEN_KAISUU, mem.KAITEN_KAISUU) << r.what << ", level " << level;
    }
}

const SearchRow kSearchRows[] = {
    {"board moves only",
     {{6, 10, SITA_OU}, {6, 2, UE_OU}, {5, 4, UE_HU}, {5, 8, SITA_HU}, {7, 3, UE_GIN}},
     {}},
    {"pieces on the ring, turned 40 times by the search",
     {{6, 10, SITA_OU}, {6, 2, UE_OU}, {3, 1, UE_KIN}, {11, 7, UE_GIN}, {4, 11, SITA_KEI}, {5, 8, SITA_HU}},
     {}},
    {"drops from the hand", {{6, 10, SITA_OU}, {6, 2, UE_OU}, {4, 8, SITA_HU}}, {1, 3, 6, 7}},
    {"the human's king can be taken", {{6, 10, SITA_OU}, {6, 2, UE_OU}, {6, 6, UE_SYA}, {1, 5, UE_HU}}, {2}},
};

INSTANTIATE_TEST_SUITE_P(Rows, SearchOnACopy, ::testing::ValuesIn(kSearchRows));

} // namespace
