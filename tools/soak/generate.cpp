#include "tools/soak/generate.h"

#include "control/commands.h"
#include "core/rules.h"
#include "core/state.h"
#include "control/owner.h"

#include <algorithm>
#include <iomanip>
#include <sstream>
#include <tuple>
#include <utility>
#include <vector>

namespace {

// Names in the session's folder: some files get written and read back, some never exist.
const char* const kFileNames[] = {"a", "b", "対局", "missing", "", "前回の対局", "m"};
// The files a mutation starts from: those the program writes, the kept game most.
const char* const kMutated[] = {"前回の対局.棋譜", "前回の対局.棋譜", "a.棋譜", "b.棋譜", "対局.棋譜"};
const char* const kFolders[] = {".", "sub", "missing"};
// The commands that start, step, turn about or handicap a game.
const char* const kPlay[] = {"START",  "SENTE", "GOTE",    "CANCEL",     "REVERSE",
                             "REPLAY", "AFTER", "LBEL_UP", "LEBEL_DOWN", "KIFU_READ"};

std::string click_line(bool right, int x, int y) {
    return std::string("click ") + (right ? "R " : "L ") + std::to_string(x) + " " + std::to_string(y);
}

// Cells of the pieces the side to move may pick up: on the board and ring, and hand box rows.
std::vector<std::pair<int, int>> own_cells() {
    const bool lower = TAIKYOKU.pos.TEBAN == 0 || TAIKYOKU.pos.TEBAN == TAIKYOKU.pos.SITA_GAWA;
    std::vector<std::pair<int, int>> cells;
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y)
            if (lower ? is_lower(TAIKYOKU.pos.BAN[x][y]) : is_upper(TAIKYOKU.pos.BAN[x][y]))
                cells.emplace_back(x, y);
    for (int k = 1; k <= 7; ++k) {
        const Cell c = hand_cell({!lower, k});
        if (lower ? TAIKYOKU.pos.SITA_MOCHI[k] > 0 : TAIKYOKU.pos.UE_MOCHI[k] > 0)
            cells.emplace_back(c.x, c.y);
    }
    return cells;
}

// The piece a click on that cell picks up: on the board and ring, or from a hand box row.
int piece_at(int x, int y) {
    if (is_hand_box(x)) {
        const HandSlot h = hand_slot_at({x, y});
        return h.upper ? UE_KOMA_BY_KIND[h.kind] : SITA_KOMA_BY_KIND[h.kind];
    }
    return x >= 1 && x <= 11 && y >= 1 && y <= 11 ? TAIKYOKU.pos.BAN[x][y] : KARA;
}

// Cells the move rules let the piece on (x, y) go to.
std::vector<std::pair<int, int>> targets(int x, int y) {
    std::vector<std::pair<int, int>> cells;
    const int p = piece_at(x, y);
    if (p == KARA) return cells;
    for (int tx = 1; tx <= 11; ++tx)
        for (int ty = 1; ty <= 11; ++ty)
            if (移動チェック(TAIKYOKU.pos, x, y, tx, ty, p) == ON) cells.emplace_back(tx, ty);
    return cells;
}

} // namespace

std::string Generator::click() {
    const bool right = chance(0.25);
    int x = 0, y = 0;
    const auto own = own_cells();
    const auto moves = last_x_ != 0 ? targets(last_x_, last_y_) : std::vector<std::pair<int, int>>{};
    if (!moves.empty() && chance(0.8)) {
        std::tie(x, y) = moves[pick(static_cast<int>(moves.size()))];
    } else if (!own.empty() && chance(0.6)) {
        std::tie(x, y) = own[pick(static_cast<int>(own.size()))];
    } else if (chance(0.85)) {
        x = 1 + pick(11);
        y = 1 + pick(11);
    } else if (chance(0.5)) {
        x = 13;
        y = 1 + pick(11); // rows 3..9 are the hand, the others miss it
    } else {
        x = -1;
        y = pick(9);
    }
    last_x_ = x;
    last_y_ = y;
    return click_line(right, x, y);
}

std::string Generator::file_command() {
    switch (pick(8)) {
    case 0:
        return "menu KIFU_WRITE";
    case 1:
        return "menu KIFU_READ";
    case 2:
        return "button Command1";
    case 3:
        return std::string("type Text1 ") + kFileNames[pick(std::size(kFileNames))];
    case 4:
        return "type Text" + std::to_string(2 + pick(3)) + " " + (chance(0.5) ? "先手名" : "");
    case 5:
        return std::string("folder ") + kFolders[pick(std::size(kFolders))];
    default:
        return std::string("pick ") + kFileNames[pick(std::size(kFileNames))] + ".棋譜";
    }
}

std::string Generator::restart_or_mutate(int roll) {
    if (roll < 8) {
        if (chance(0.8)) then_ = {"menu KIFU_READ", "pick 前回の対局.棋譜"};
        return "restart";
    }
    then_ = {"menu KIFU_READ", "pick m.棋譜"};
    return std::string("mutate ") + kMutated[pick(std::size(kMutated))] + " m.棋譜 " +
           std::to_string(pick(1000000));
}

std::string Generator::next() {
    if (!then_.empty()) {
        const std::string line = then_.front();
        then_.pop_front();
        return line;
    }
    if (const int roll = pick(1000); roll < 16) {
        last_x_ = last_y_ = 0;
        return restart_or_mutate(roll);
    }
    const int roll = pick(1000);
    if (roll >= 600) return click();
    last_x_ = last_y_ = 0;
    if (roll < 300) {
        // Half the menu picks come from the commands that change the game, so that sequences of them
        // (start, reverse, step, handicap, read) turn up often; the rest from every command and button.
        const auto commands = all_commands();
        const std::string name = chance(0.5) ? kPlay[pick(std::size(kPlay))]
                                             : commands[pick(static_cast<int>(commands.size()))].name;
        // Ending the program ends the script: keep it rare.
        if (name == "OWARI" && !chance(0.1)) return "menu START";
        if (without_.count(name)) return "wait 0";
        return (name.rfind("KAITEN", 0) == 0 || name == "Command1" ? "button " : "menu ") + name;
    }
    if (roll < 360) return chance(0.5) ? "button KAITEN_L" : "button KAITEN_R";
    if (roll < 410) return chance(0.6) ? "answer Yes" : "answer No";
    if (roll < 460) {
        std::ostringstream s;
        s << "wait " << std::fixed << std::setprecision(2) << pick(400) / 100.0;
        return s.str();
    }
    if (roll < 560) return file_command();
    // A row of the list of moves, also one the list does not have.
    if (roll < 570) return "list " + std::to_string(pick(30));
    if (roll < 580) {
        // A press anywhere on the window, in twips, also off the grid.
        return std::string("press ") + (chance(0.5) ? "L " : "R ") + std::to_string(pick(11175)) + " " +
               std::to_string(pick(9975));
    }
    const int key = chance(0.05) ? 27 : 1 + pick(126);
    return "key " + std::to_string(key);
}
