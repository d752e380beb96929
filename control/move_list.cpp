#include "control/move_list.h"

#include "control/flow.h"
#include "control/review_commands.h"
#include "display/texts.h"
#include "kifu/notation.h"
#include "platform/platform.h"
#include "platform/translate.h"
#include "control/owner.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {

// What a row is worked out from, entry by entry: the board, and how far the ring had turned when the
// entry was stored and when its move was made (the row names the cells the move was made on).
struct Board {
    std::array<Koma, 12 * 12> ban;
    int turned = 0, after = 0, turns = 0;
    bool operator==(const Board&) const = default;
};

Board board_of(const Kiroku& r, int n) {
    Board b;
    std::memcpy(b.ban.data(), r.entries[n].ban, sizeof r.entries[n].ban);
    b.turned = r.ring_turned[n];
    b.after = r.ring_after[n];
    b.turns = r.turns_before[n];
    return b;
}

// The boards the rows were worked out from, and the rows.
struct Rows {
    Notation notation = Notation::Japanese;
    std::vector<Board> boards;
    std::vector<std::string> texts;
};

} // namespace

const std::vector<std::string>& move_list_rows(const Kiroku& r) {
    static Rows rows;
    const int moves = std::clamp(r.KIFU_TESUU, 0, KIFU_MAX);
    // Row n reads entries n - 1 and n: every row from the first changed entry on is worked out again.
    std::size_t same = 0;
    if (rows.notation != notation_in_use()) rows.boards.clear(); // the language changed: all again
    rows.notation = notation_in_use();
    while (same < rows.boards.size() && same <= static_cast<std::size_t>(moves) &&
           rows.boards[same] == board_of(r, same))
        ++same;
    rows.boards.resize(moves + 1);
    rows.texts.resize(moves + 1);
    rows.texts[0] = translate("Moves", "開始局面");
    for (int n = static_cast<int>(same); n <= moves; ++n) {
        rows.boards[n] = board_of(r, n);
        if (n == 0) continue;
        const std::string text = recorded_move_text(r, n, rows.notation);
        rows.texts[n] = text.empty() ? translate("Moves", "？") : text;
    }
    return rows.texts;
}

void show_move_list() {
    MovesPanel* list = platform().move_list();
    if (!list) return;
    const std::vector<std::string>& rows = move_list_rows(TAIKYOKU.kifu);
    list->show_moves(rows, std::clamp(TAIKYOKU.shinkou.TESUU, 0, static_cast<int>(rows.size()) - 1));
    show_review();
    list->show_result(flow_result_text());
}
