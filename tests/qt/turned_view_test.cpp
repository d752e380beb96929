// 盤面を回転 turns what the screen shows, never the game: clicks on the turned screen play the moves
// the same pieces play unturned, and the turned board is the board seen from the other side.
#include "script_harness.h"

#include <QImage>
#include <QRect>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

namespace {

// The screen's cell that shows a cell of the game once the view is turned: the board and the ring
// about the centre, a hand box's row to the other box's row of the same kind.
void turn_cell(int& x, int& y) {
    if (x >= 1 && x <= 11 && y >= 1 && y <= 11) {
        x = 12 - x;
        y = 12 - y;
    } else if ((x == 13 && y >= 3 && y <= 9) || (x == -1 && y >= 1 && y <= 7)) {
        x = 12 - x;
        y = 10 - y;
    }
}

// The golden script with the view turned after start-up's answers and its clicks on the cells that now
// show what they showed.
std::string turned_script(const std::string& name) {
    std::ifstream in(std::string(TESSORA_GOLDEN_DIR) + "/" + name + ".script");
    std::string out, line;
    bool turned = false;
    while (std::getline(in, line)) {
        const bool preamble = line.empty() || line[0] == '#' || line.rfind("answer ", 0) == 0;
        if (!turned && !preamble) {
            out += "menu ROTATE\n";
            turned = true;
        }
        if (line.rfind("click ", 0) == 0) {
            std::istringstream words(line.substr(6));
            std::string button;
            int x = 0, y = 0;
            words >> button >> x >> y;
            turn_cell(x, y);
            line = "click " + button + " " + std::to_string(x) + " " + std::to_string(y);
        }
        out += line + "\n";
    }
    return out;
}

// The golden output without what depends on the screen (its checksums) and the files after it.
std::vector<std::string> golden_lines(const std::string& name) {
    std::ifstream in(std::string(TESSORA_GOLDEN_DIR) + "/" + name + ".out");
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        if (line.rfind("pixels ", 0) != 0 && line.rfind("file ", 0) != 0) lines.push_back(line);
    return lines;
}

} // namespace

// Games between two players on the ring (drops from both hands, turns, promotions) and against the
// computer, at a handicap and through the list of moves: played by clicks on the turned screen, every
// move, sound, message and position is the golden one.
TEST(TurnedView, ClicksOnTheTurnedScreenPlayTheGoldenGames) {
    for (const char* name : {"two-players-ring-a", "two-players-ring-b", "rules-two-players",
                             "com-level2-handicap-up", "move-list"}) {
        SCOPED_TRACE(name);
        TempDir dir;
        const ScriptResult r = run_script(turned_script(name), dir);
        ASSERT_TRUE(r.ok);
        std::vector<std::string> lines;
        for (std::string line : r.lines) {
            if (line.rfind("pixels ", 0) == 0) continue;
            for (size_t at; (at = line.find(dir.path().string())) != std::string::npos;)
                line.replace(at, dir.path().string().size(), "<work>");
            lines.push_back(line);
        }
        const std::vector<std::string> golden = golden_lines(name);
        ASSERT_EQ(lines.size(), golden.size());
        for (size_t i = 0; i < lines.size(); ++i) ASSERT_EQ(lines[i], golden[i]) << "line " << i;
    }
}

namespace {

QImage canvas_after(const std::string& script) {
    TempDir dir;
    if (!run_script(script + "shot end.png\n", dir).ok) return {};
    return QImage((dir.path() / "end.png").c_str());
}

// The pixels of the board and the ring, cells (1, 1) to (11, 11).
QImage board_of(const QImage& canvas) {
    return canvas.copy(QRect(QPoint((1050 + 570) / 15, (700 + 660) / 15),
                             QPoint((1050 + 570 * 12) / 15 - 1, (700 + 660 * 12) / 15 - 1)));
}

} // namespace

// The start position is the same seen from either side: turned, each piece is drawn as the other
// side's piece it stands for, so the board looks as it did. Turned back after moves, marks and the
// coordinates, the screen is what it was.
TEST(TurnedView, TheTurnedBoardIsTheOtherSidesViewAndTurnsBack) {
    const QImage start = canvas_after("menu START\n"), turned = canvas_after("menu START\nmenu ROTATE\n");
    ASSERT_FALSE(start.isNull());
    ASSERT_FALSE(turned.isNull());
    EXPECT_EQ(board_of(turned), board_of(start));

    const std::string game =
        "menu COORDS\nmenu START\nclick L 8 10\nclick L 7 11\nclick L 3 4\nclick L 3 5\n";
    const QImage plain = canvas_after(game + "menu TAKE\n");
    const QImage back = canvas_after(game + "menu ROTATE\nmenu ROTATE\n");
    const QImage once = canvas_after(game + "menu ROTATE\n");
    ASSERT_FALSE(plain.isNull());
    EXPECT_EQ(back, plain);
    EXPECT_NE(board_of(once), board_of(plain));
}
