#include "tools/soak/invariants.h"

#include "core/handicap.h"
#include "core/state.h"
#include "kifu/kifu_file.h"
#include "kifu/record.h"
#include "control/owner.h"

#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <vector>

namespace {

// Per hand kind 1..7 (pawn, lance, knight, silver, gold, bishop, rook) and the king (8): the names
// used in reports.
constexpr const char* kName[9] = {"", "HU", "KYOU", "KEI", "GIN", "KIN", "KAKU", "SYA", "OU"};
constexpr int kKing = 8;

// Hand kind 1..7 of a code, 8 for a king, 0 for anything that is no piece a game can hold (the gold
// codes ±111 exist as constants, but no rule makes them).
int kind_of(int code) {
    if (code == SITA_OU || code == UE_OU) return kKing;
    if (code == SITA_KIN_NARI || code == UE_KIN_NARI) return 0;
    return hand_kind(code);
}

std::string cell(int x, int y) {
    std::string s = "(";
    s += std::to_string(x);
    s += ", ";
    s += std::to_string(y);
    s += ')';
    return s;
}

Violation broken(std::string key, const std::string& what) {
    return {std::move(key), what};
}

// A position the player is only looking at: a record read from a file, a stepped-to snapshot, or a
// finished game may lack the king that was taken.
bool king_may_be_taken() {
    return TAIKYOKU.pos.SYOUSYA != 0 || TAIKYOKU.shinkou.KIFU_MODE == ON ||
           TAIKYOKU.shinkou.SAIKAI_MACHI == ON;
}

} // namespace

Violation check_invariants() {
    int count[9] = {};
    int kings_lower = 0, kings_upper = 0;
    for (int x = 0; x <= 11; ++x) {
        for (int y = 0; y <= 11; ++y) {
            const int c = TAIKYOKU.pos.BAN[x][y];
            if (c == KARA) continue;
            const int k = kind_of(c);
            if (k == 0 || x == 0 || y == 0)
                return broken("invalid code", "BAN" + cell(x, y) + " holds " + std::to_string(c));
            ++count[k];
            if (k != kKing) continue;
            if (is_ring(x, y))
                return broken("king on the ring", "king " + std::to_string(c) + " on " + cell(x, y));
            ++(c < 0 ? kings_lower : kings_upper);
        }
    }
    for (int k = 1; k <= 7; ++k) {
        if (TAIKYOKU.pos.SITA_MOCHI[k] < 0 || TAIKYOKU.pos.UE_MOCHI[k] < 0)
            return broken("negative hand", std::string("hand count of ") + kName[k] + " below 0");
        count[k] += TAIKYOKU.pos.SITA_MOCHI[k] + TAIKYOKU.pos.UE_MOCHI[k];
    }

    if (std::abs(TAIKYOKU.settei.HANDE_LEVEL) > 10)
        return broken("handicap level", "HANDE_LEVEL = " + std::to_string(TAIKYOKU.settei.HANDE_LEVEL));
    int expected[9];
    for (int k = 1; k <= 8; ++k) expected[k] = handicap_piece_count(TAIKYOKU.settei.HANDE_LEVEL, k);

    for (int k = 1; k <= 7; ++k) {
        if (count[k] != expected[k]) {
            std::ostringstream s;
            s << kName[k] << ": " << count[k] << " in the game, the shown handicap level "
              << TAIKYOKU.settei.HANDE_LEVEL << " leaves " << expected[k];
            return broken(std::string("piece count ") + kName[k], s.str());
        }
    }
    const int taken = expected[kKing] - count[kKing];
    if (kings_lower > 1 || kings_upper > 1 || taken < 0 || taken > 1 ||
        (taken == 1 && !king_may_be_taken())) {
        std::ostringstream s;
        s << "kings: " << kings_lower << " lower, " << kings_upper << " upper (TEBAN=" << TAIKYOKU.pos.TEBAN
          << " SYOUSYA=" << TAIKYOKU.pos.SYOUSYA << " KIFU_MODE=" << TAIKYOKU.shinkou.KIFU_MODE
          << " SAIKAI_MACHI=" << TAIKYOKU.shinkou.SAIKAI_MACHI << ")";
        return broken("one king per side", s.str());
    }
    // Every position of the record is one of a whole game at the record's handicap level, as the
    // reader requires of a file: what a kept game is written from reads back.
    for (int n = 1; n <= std::min(TAIKYOKU.kifu.KIFU_TESUU, KIFU_MAX); ++n) {
        const std::string what = entry_fault(filed_entry(TAIKYOKU.kifu, n), TAIKYOKU.kifu.KIFU_HANDE_LEVEL,
                                             n == TAIKYOKU.kifu.KIFU_TESUU);
        if (!what.empty())
            return broken("whole record entry", "record entry " + std::to_string(n) + " of " +
                                                    std::to_string(TAIKYOKU.kifu.KIFU_TESUU) + ": " + what);
    }
    // And its positions follow one another move by move, as the reader requires of them.
    const Kiroku& r = TAIKYOKU.kifu;
    std::vector<RecordEntry> written;
    for (int n = r.starts_reversed ? 0 : 1; n <= std::min(r.KIFU_TESUU, KIFU_MAX); ++n)
        written.push_back(filed_entry(r, n));
    if (const std::string what = moves_fault(written, r.KIFU_HANDE_LEVEL, r.starts_reversed); !what.empty())
        return broken("record moves",
                      "the record of " + std::to_string(r.KIFU_TESUU) + " moves written, " + what);
    return {};
}
