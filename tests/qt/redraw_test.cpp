// What a move or a new game repaints must leave the hand box and the title picture as a full redraw
// of the screen paints them.
#include "script_harness.h"

#include <QImage>
#include <QRect>
#include <gtest/gtest.h>

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

} // namespace
