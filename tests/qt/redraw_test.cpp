// What a move or a new game repaints must leave the hand box and the title picture as a full redraw
// of the screen paints them.
#include "core/position.h"
#include "script_harness.h"

#include <QImage>
#include <QRect>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <utility>

namespace {

// The canvas rectangle of a twip area, clipped to the canvas.
QRect pixels(double left, double top, double right, double bottom, const QImage& img) {
    auto px = [](double t) { return static_cast<int>(t / 15.0 + 0.5); };
    return QRect(QPoint(px(left), px(top)), QPoint(px(right) - 1, px(bottom) - 1)).intersected(img.rect());
}

int differing_pixels(const QImage& a, const QImage& b, const QRect& area) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += a.pixel(x, y) != b.pixel(x, y);
    return n;
}

int pixels_of(const QImage& img, const QRect& area, QRgb colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) n += img.pixel(x, y) == colour;
    return n;
}

TEST(Screen, MovesAndNewGamesLeaveTheLowerHandBoxAndTheTitleWhole) {
    TempDir dir;
    // A two-player game in which the lower player takes a pawn; the moves after it redraw the move
    // number beside the pawn's count and the lower player's last move above the hand box. The
    // background item then redraws everything.
    const ScriptResult r = run_script(R"(menu START
click L 6 8
click L 6 7
click L 6 4
click L 6 5
click L 6 7
click L 6 6
click L 2 4
click L 2 5
click L 6 6
click L 6 5
click L 2 5
click L 2 6
click L 5 8
click L 5 7
dump
shot moved.png
menu TAKE
shot full.png
)",
                                      dir);
    ASSERT_TRUE(r.ok);
    const auto d = r.starting("dump");
    ASSERT_EQ(d.size(), 1u);
    ASSERT_NE(d[0].find("TESUU=7"), std::string::npos);
    const QImage moved((dir.path() / "moved.png").c_str());
    const QImage full((dir.path() / "full.png").c_str());
    ASSERT_FALSE(moved.isNull());
    ASSERT_FALSE(full.isNull());

    // The lower hand box: cells (13, 3) to (14, 9), pictures, outlines and counts.
    const QRect hand = pixels(8460, 2680, 9600, 7300, full);
    const QRect pawn_count = pixels(9030, 2680, 9600, 3340, full);
    EXPECT_GT(pixels_of(full, pawn_count, qRgb(255, 0, 0)), 10); // the red count of one pawn
    EXPECT_EQ(differing_pixels(moved, full, hand), 0);

    // The title picture at (765, 9148) twips, 1815 x 870.
    const QRect title = pixels(765, 9148, 765 + 1815, 9148 + 870, full);
    EXPECT_EQ(differing_pixels(moved, full, title), 0);
}

// The cells of the board and the ring whose inside (within the outline) differs between two canvases.
std::set<std::pair<int, int>> differing_cells(const QImage& a, const QImage& b) {
    std::set<std::pair<int, int>> cells;
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) {
            const double l = 1050 + 570 * x, t = 700 + 660 * y;
            if (differing_pixels(a, b, pixels(l + 15, t + 15, l + 570, t + 660, a)) > 0) cells.insert({x, y});
        }
    return cells;
}

// The canvas at the end of a script run in a folder of its own.
QImage canvas_after(const std::string& script) {
    TempDir dir;
    if (!run_script(script + "shot end.png\n", dir).ok) return {};
    return QImage((dir.path() / "end.png").c_str());
}

// The last move of each side is marked in its cells, and only there, as the play goes on; 最終手を表示
// (LASTMOVE) turned off leaves the screen as it is without the marks.
TEST(Screen, TheLastMovesAreMarkedUntilTheOptionTakesThemAway) {
    using Cells = std::set<std::pair<int, int>>;
    // Two players: the lower silver goes onto the ring, which turns twice; the upper silver follows.
    const std::string onto_ring = "menu START\nclick L 8 10\nclick L 7 11\n";
    const std::string turned = onto_ring + "button KAITEN_R\nbutton KAITEN_R\n";
    const std::string answered = turned + "click L 8 2\nclick L 9 1\n";
    const std::string pawns = "menu START\nclick L 5 8\nclick L 5 7\nclick L 5 4\nclick L 5 5\n";
    const struct {
        const char* what;
        std::string script;
        Cells marked;
    } rows[] = {
        {"a move onto the ring", onto_ring, {{8, 10}, {7, 11}}},
        {"the ring turned: the mark rides with the silver", turned, {{8, 10}, {5, 11}}},
        {"the other side's move", answered, {{8, 10}, {5, 11}, {8, 2}, {9, 1}}},
        {"a step back", answered + "menu REPLAY\n", {{8, 10}, {5, 11}}},
        {"the start", onto_ring + "menu REPLAY\n", {}},
        {"the first move again", onto_ring + "menu REPLAY\nmenu END\n", {{8, 10}, {7, 11}}},
        {"待った", pawns + "click L 2 8\nclick L 2 7\nmenu MATTA\n", {{5, 8}, {5, 7}, {5, 4}, {5, 5}}},
        {"another background", pawns + "menu UCHU\n", {{5, 8}, {5, 7}, {5, 4}, {5, 5}}},
        {"a new game", pawns + "menu CANCEL\n", {}},
        {"the option turned off", pawns + "menu LASTMOVE\n", {}},
        {"the option off and on again",
         pawns + "menu LASTMOVE\nmenu LASTMOVE\n",
         {{5, 8}, {5, 7}, {5, 4}, {5, 5}}},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        // The same play with the option off from the start.
        std::string plain = "menu LASTMOVE\n";
        std::istringstream lines(row.script);
        for (std::string line; std::getline(lines, line);)
            if (line != "menu LASTMOVE") plain += line + "\n";
        const QImage marked = canvas_after(row.script), off = canvas_after(plain);
        ASSERT_FALSE(marked.isNull());
        EXPECT_EQ(differing_cells(marked, off), row.marked);
        if (row.marked.empty()) {
            EXPECT_EQ(differing_pixels(marked, off, marked.rect()), 0);
        }
    }
}

} // namespace

// The hint marks its two cells with a band seen over any piece, background and last-move tint (light
// cyan on either side of black), and a move clears it to the screen the move alone leaves.
TEST(Screen, TheHintStandsOutOnItsCellsUntilTheNextMove) {
    // The upper pawn's cell is tinted; LEVEL4 searches briefly.
    const std::string pawns = "nodes 20000\nmenu START\nclick L 5 8\nclick L 5 7\nclick L 5 4\nclick L 5 5\n";
    TempDir dir;
    const ScriptResult r = run_script(pawns + "menu HINT\nshot hint.png\n", dir);
    ASSERT_TRUE(r.ok);
    const auto hints = r.starting("hint ");
    ASSERT_EQ(hints.size(), 1u);
    // "hint MOVE | click L x y ; click L|R x y": the piece's cell and its target.
    std::set<std::pair<int, int>> hinted;
    std::istringstream steps(hints[0].substr(hints[0].find(" | ") + 3));
    for (std::string word; steps >> word;)
        if (word == "click") {
            std::string button;
            int x = 0, y = 0;
            steps >> button >> x >> y;
            hinted.insert({x, y});
        }
    ASSERT_EQ(hinted.size(), 2u) << hints[0];
    const QImage hint((dir.path() / "hint.png").c_str()), plain = canvas_after(pawns);
    ASSERT_FALSE(hint.isNull());
    EXPECT_EQ(differing_cells(hint, plain), hinted);
    for (const auto& [x, y] : hinted) {
        const QRect cell =
            pixels(1050 + 570 * x, 700 + 660 * y, 1050 + 570 * (x + 1), 700 + 660 * (y + 1), hint);
        const int mid = cell.center().y();
        EXPECT_EQ(hint.pixel(cell.left(), mid), qRgb(0, 255, 255)) << x << "," << y;
        EXPECT_EQ(hint.pixel(cell.left() + 1, mid), qRgb(0, 0, 0)) << x << "," << y;
        EXPECT_EQ(hint.pixel(cell.left() + 2, mid), qRgb(0, 255, 255)) << x << "," << y;
    }
    // Another move than the hint's: the board is what that move leaves without a hint.
    const std::string move = "click L 9 8\nclick L 9 7\n";
    EXPECT_TRUE(
        differing_cells(canvas_after(pawns + "menu HINT\n" + move), canvas_after(pawns + move)).empty());
}

// 座標を表示 names the ring's files and ranks beside the board and touches no cell of the board; off
// again, the screen is what a background change paints without it.
TEST(Screen, TheRingsCoordinatesComeAndGoWithTheOption) {
    const std::string game = "menu START\nclick L 8 10\nclick L 7 11\n";
    const QImage plain = canvas_after(game + "menu TAKE\n"), on = canvas_after("menu COORDS\n" + game),
                 off = canvas_after("menu COORDS\n" + game + "menu COORDS\n");
    ASSERT_FALSE(plain.isNull());
    EXPECT_GT(differing_pixels(on, plain, on.rect()), 100);
    for (const auto& [x, y] : differing_cells(on, plain)) EXPECT_TRUE(is_ring(x, y)) << x << "," << y;
    EXPECT_EQ(differing_pixels(off, plain, off.rect()), 0);
}
