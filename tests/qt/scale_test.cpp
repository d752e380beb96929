// The canvas at other scales: the same screen, drawn sharply at the size, and clicks that land in the
// cells the player sees.
#include "control/game.h"
#include "support/names.h"
#include "core/state.h"
#include "display/draw.h"
#include "qt/art.h"
#include "qt/canvas.h"
#include "qt/script_platform.h"
#include "script_harness.h"
#include "tools/temp_dir.h"

#include <QImage>
#include <cmath>
#include <gtest/gtest.h>
#include <sstream>

namespace {

struct ShownCell {
    const char* what;
    double x, y;
};

// One cell of every kind the screen shows (with the position the test sets up).
const ShownCell kCells[] = {
    {"lower piece on the board", 2, 10}, {"upper piece on the board", 2, 2}, {"empty square", 6, 6},
    {"piece on the ring", 1, 5},         {"empty ring plate", 11, 11},       {"upper hand box", -1, 7},
    {"lower hand box", 13, 3},           {"background tile", 15, 10},
};

// A middle game in two-player mode: a pawn of each side on the ring, pieces in both hands.
QImage mid_game(ScriptPlatform& runner) {
    runner.command("menu START");
    BAN[1][5] = UE_HU;
    BAN[7][11] = SITA_KAKU;
    SITA_MOCHI[1] = 2;
    UE_MOCHI[3] = 1;
    画面_再描画(TAIKYOKU.pos, TAIKYOKU.shinkou, TAIKYOKU.tokei, TAIKYOKU.settei);
    return runner.canvas().image();
}

int max_difference(QRgb a, QRgb b) {
    return std::max(
        {std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

// The game started headlessly in a folder with the pictures, ended when the test ends.
struct StartedGame {
    StartedGame() {
        set_platform(&runner);
        Form_Load();
    }
    ~StartedGame() {
        終了処理(true);
        set_platform(nullptr);
    }
    TempDir dir;
    bool assets_copied = (copy_assets(dir), true); // before the platform looks for the pictures
    std::ostringstream out;
    ScriptPlatform runner{out};
};

} // namespace

TEST(Scale, AtTwiceTheSizeEveryKindOfCellShowsTheSameColourAtItsCentre) {
    StartedGame game;
    ScriptPlatform& runner = game.runner;
    const QImage one = mid_game(runner);
    ASSERT_TRUE(runner.command("scale 2"));
    const QImage two = runner.canvas().image();
    EXPECT_EQ(two.size(), QSize(1490, 1330));
    // The mean colour of the middle of each cell: a letter's stroke may cross the very centre at one
    // size and miss it at another, but the cell's colours stay.
    auto mean = [](const QImage& image, double cx, double cy, double twips_per_pixel) {
        const int l = static_cast<int>(std::lround((cx - 60) / twips_per_pixel));
        const int r = static_cast<int>(std::lround((cx + 60) / twips_per_pixel));
        const int t = static_cast<int>(std::lround((cy - 60) / twips_per_pixel));
        const int b = static_cast<int>(std::lround((cy + 60) / twips_per_pixel));
        double sum[3] = {0, 0, 0};
        for (int y = t; y < b; ++y)
            for (int x = l; x < r; ++x) {
                const QRgb p = image.pixel(x, y);
                sum[0] += qRed(p), sum[1] += qGreen(p), sum[2] += qBlue(p);
            }
        const double n = double(r - l) * (b - t);
        return qRgb(int(sum[0] / n), int(sum[1] / n), int(sum[2] / n));
    };
    for (const ShownCell& c : kCells) {
        const double cx = cell_x(c.x) + 285, cy = cell_y(c.y) + 330;
        const QRgb at1 = mean(one, cx, cy, 15), at2 = mean(two, cx, cy, 7.5);
        EXPECT_LE(max_difference(at1, at2), 12)
            << c.what << ": " << std::hex << at1 << " at scale 1, " << at2;
    }
}

TEST(Scale, APieceIsDrawnAtTheSizeItsCellHasNotEnlarged) {
    StartedGame game;
    ScriptPlatform& runner = game.runner;
    mid_game(runner);
    ASSERT_TRUE(runner.command("scale 2"));
    const QImage canvas = runner.canvas().image();
    struct Piece {
        int x, y;
        Pic pic;
    };
    for (const Piece& p :
         {Piece{2, 10, Pic::SITA_KYOU_0}, Piece{6, 2, Pic::UE_OU}, Piece{1, 5, Pic::UE_HU_K0}}) {
        const QImage drawn = draw_picture(p.pic, QSize(78, 88)).convertToFormat(QImage::Format_RGB32);
        const int left = static_cast<int>(std::lround(cell_x(p.x) / 7.5));
        const int top = static_cast<int>(std::lround(cell_y(p.y) / 7.5));
        // Inside the outline (2 pixels wide) and left of the right neighbour's overlapping column.
        int differ = 0;
        for (int y = 2; y < 86; ++y)
            for (int x = 2; x < 76; ++x) differ += canvas.pixel(left + x, top + y) != drawn.pixel(x, y);
        EXPECT_EQ(differ, 0) << "cell " << p.x << "," << p.y;
    }
}

TEST(Scale, TextIsDrawnAtTheScaledSize) {
    // The bounding box of the lit pixels of a text, drawn at scale 1 and then again at scale 2.
    CanvasImage canvas;
    canvas.clear(0);
    canvas.print(cell_x(14.4), cell_y(2.4), "思考中", 12, 15);
    auto lit = [&] {
        QRect box;
        const QImage& image = canvas.image();
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) != qRgb(0, 0, 0)) box |= QRect(x, y, 1, 1);
        return box;
    };
    const QRect one = lit();
    canvas.set_scale(2);
    const QRect two = lit();
    ASSERT_FALSE(one.isEmpty());
    EXPECT_NEAR(two.width(), 2.0 * one.width(), 0.1 * one.width());
    EXPECT_NEAR(two.height(), 2.0 * one.height(), 0.1 * one.height());
    EXPECT_NEAR(two.left(), 2.0 * one.left(), 3);
    EXPECT_NEAR(two.top(), 2.0 * one.top(), 3);
}

TEST(Scale, AClickJustInsideAnyCornerOfACellHitsThatCellAndTheMarginHitsNothing) {
    struct Fit {
        QSize area;
        double device_pixel_ratio;
    };
    // 1.37 on a plain screen (the canvas fills the width, margins above and below); 2 as scale 1 on a
    // screen of device-pixel ratio 2 (margins left and right).
    const Fit fits[] = {{{1322, 1100}, 1.0}, {{1000, 665}, 2.0}};
    for (const Fit& f : fits) {
        const CanvasFit fit = CanvasFit::into(f.area, f.device_pixel_ratio);
        CanvasImage canvas;
        canvas.set_scale(fit.scale * fit.device);
        auto click = [&](int device_x, int device_y) {
            // The middle of the device pixel, in logical coordinates as the window gets them.
            return fit.twips(canvas, QPointF((fit.offset.x() + device_x + 0.5) / fit.device,
                                             (fit.offset.y() + device_y + 0.5) / fit.device));
        };
        for (const ShownCell& c : kCells) {
            const int l = canvas.map(cell_x(c.x)), t = canvas.map(cell_y(c.y));
            const int r = canvas.map(cell_x(c.x + 1)) - 1, b = canvas.map(cell_y(c.y + 1)) - 1;
            for (const QPoint corner : {QPoint(l, t), QPoint(r, t), QPoint(l, b), QPoint(r, b)}) {
                const std::optional<QPointF> at = click(corner.x(), corner.y());
                ASSERT_TRUE(at) << c.what;
                EXPECT_EQ(std::floor((at->x() - 1050) / 570), c.x)
                    << c.what << " at scale " << canvas.scale();
                EXPECT_EQ(std::floor((at->y() - 700) / 660), c.y) << c.what << " at scale " << canvas.scale();
            }
        }
        const QSize image = canvas.image().size();
        for (const QPoint outside :
             {QPoint(-1, 0), QPoint(0, -1), QPoint(image.width(), 0), QPoint(0, image.height())})
            if (QRect(-fit.offset, f.area * f.device_pixel_ratio).contains(outside)) {
                EXPECT_FALSE(click(outside.x(), outside.y()))
                    << "margin at " << outside.x() << "," << outside.y();
            }
    }
}

TEST(Scale, AChangeOfScaleAndBackGivesTheVeryPixelsDrawnBefore) {
    // Long enough that operations under later pictures have been dropped more than once: what the
    // canvas keeps must still draw the same screen.
    TempDir dir;
    const ScriptResult r =
        run_script("menu START\nclick L 5 8\nclick L 5 7\nbutton KAITEN_L\nbutton KAITEN_L\n"
                   "menu UCHU\nclick L 5 4\nclick L 5 5\nbutton KAITEN_R\nmenu SIDOU\n"
                   "click L 3 8\nclick L 3 7\nmenu TATAMI\nclick L 4 4\nclick L 4 5\n"
                   "pixels\nscale 1.37\nscale 1\npixels\n",
                   dir);
    const std::vector<std::string> shots = r.starting("pixels");
    ASSERT_EQ(shots.size(), 2u);
    EXPECT_EQ(shots[0], shots[1]);
}
