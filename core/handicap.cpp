#include "core/handicap.h"

#include "platform/translate.h"

#include <cstdlib>

namespace {

constexpr HandicapRow HANDE_HYOU[21] = {
    {0, 0, KARA},        // -10: the lowest level, no row of its own
    {7, 10, SITA_KIN},   // -9
    {5, 10, SITA_KIN},   // -8
    {8, 10, SITA_GIN},   // -7
    {4, 10, SITA_GIN},   // -6
    {9, 10, SITA_KEI},   // -5
    {3, 10, SITA_KEI},   // -4
    {10, 10, SITA_KYOU}, // -3
    {2, 10, SITA_KYOU},  // -2
    {9, 9, SITA_SYA},    // -1
    {3, 9, SITA_KAKU},   // 0: the even position
    {9, 3, UE_KAKU},     // 1
    {3, 3, UE_SYA},      // 2
    {10, 2, UE_KYOU},    // 3
    {2, 2, UE_KYOU},     // 4
    {9, 2, UE_KEI},      // 5
    {3, 2, UE_KEI},      // 6
    {8, 2, UE_GIN},      // 7
    {4, 2, UE_GIN},      // 8
    {7, 2, UE_KIN},      // 9
    {5, 2, UE_KIN},      // 10: the computer keeps king and pawns only
};

// Per hand kind 1..7 and the king (8): the pieces of a full set.
constexpr int FULL_SET[9] = {0, 18, 4, 4, 4, 4, 2, 2, 2};

} // namespace

void place_start_position(Koma (&ban)[12][12]) {
    static const Koma back[9] = {SITA_KYOU, SITA_KEI, SITA_GIN, SITA_KIN, SITA_OU,
                                 SITA_KIN,  SITA_GIN, SITA_KEI, SITA_KYOU};
    for (int x = 2; x <= 10; ++x) {
        ban[x][8] = SITA_HU;
        ban[x][10] = back[x - 2];
        ban[x][4] = UE_HU;
        ban[x][2] = static_cast<Koma>(-back[x - 2]);
    }
    ban[3][9] = SITA_KAKU;
    ban[9][9] = SITA_SYA;
    ban[3][3] = UE_SYA;
    ban[9][3] = UE_KAKU;
}

const HandicapRow& handicap_row(int level) {
    return HANDE_HYOU[level < -10 ? 0 : level > 10 ? 20 : level + 10];
}

void place_handicap_start(Koma (&ban)[12][12], int level) {
    for (int l = level + 1; l <= 0; ++l) ban[handicap_row(l).x][handicap_row(l).y] = KARA;
    for (int l = 1; l <= level; ++l) ban[handicap_row(l).x][handicap_row(l).y] = KARA;
}

int handicap_piece_count(int level, int kind) {
    if (kind < 1 || kind > 8) return 0;
    int n = FULL_SET[kind];
    // Level L, of either sign, lacks the pieces of rows 1..|L| (those of -|L|+1..0 are their mirror).
    for (int l = 1; l <= std::abs(level) && l <= 10; ++l)
        if (hand_kind(handicap_row(l).koma) == kind) --n;
    return n;
}

std::string handicap_name(int level) {
    // Written into the files as they are; shown through translate("Handicap", name).
    static const char* const NAMES[21] = {
        TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人"), TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段"),
        TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段"), TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段"),
        TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段"), TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段"),
        TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段"), TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段"),
        TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段"), TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級"),
        TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級"), TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級"),
        TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級"), TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級"),
        TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級"), TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級"),
        TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級"), TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級"),
        TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級"), TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級"),
        TRANSLATABLE("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級"),
    };
    if (level < -10 || level > 10) return "";
    return NAMES[level + 10];
}
