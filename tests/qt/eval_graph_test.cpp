// The review's graph: a click shows the move under it at any size, and the saved picture is drawn at
// the size asked for with the marked moves where a click finds them.
#include "qt/eval_graph.h"
#include "tools/temp_dir.h"

#include <QImage>
#include <QMouseEvent>
#include <QCoreApplication>

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kMoves = 10;

std::vector<GraphMove> game() {
    std::vector<GraphMove> moves(kMoves);
    for (int n = 1; n <= kMoves; ++n) moves[n - 1] = {n != 3, n * 100 - 400, false, ReviewMark::NONE};
    moves[6] = {true, 30000, true, ReviewMark::BAD}; // move 7 mates: drawn at the bound
    moves[8].mark = ReviewMark::DUBIOUS;
    return moves;
}

int clicked(EvalGraph& g, double x) {
    int got = -1;
    const auto c = QObject::connect(&g, &EvalGraph::move_clicked, [&](int n) { got = n; });
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(x, g.height() / 2.0), QPointF(x, g.height() / 2.0),
                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&g, &press);
    QObject::disconnect(c);
    return got;
}

TEST(EvalGraph, AClickShowsTheMoveUnderItAtEverySize) {
    EvalGraph g;
    g.set_moves(game());
    for (const QSize size : {QSize(200, 60), QSize(1000, 300)}) {
        g.resize(size);
        SCOPED_TRACE(size.width());
        // The ends are the first position and the last move; the places between go evenly.
        EXPECT_EQ(clicked(g, 0), 0);
        EXPECT_EQ(clicked(g, size.width() - 1), kMoves);
        EXPECT_EQ(clicked(g, size.width() / 2.0), kMoves / 2);
        const double step = size.width() / double(kMoves);
        EXPECT_EQ(clicked(g, size.width() / 2.0 + step * 0.9), kMoves / 2 + 1);
    }
}

// The centre of the pixels of one colour in an image.
QPointF centre_of(const QImage& image, QRgb colour) {
    double sx = 0, sy = 0, count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour) sx += x, sy += y, ++count;
    return count == 0 ? QPointF(-1, -1) : QPointF(sx / count, sy / count);
}

TEST(EvalGraph, SavesThePictureAtTheScaleAskedWithTheMarksWhereAClickFindsThem) {
    TempDir dir;
    EvalGraph g;
    g.set_moves(game());
    g.set_current(4);
    g.resize(400, 120);
    for (const double scale : {1.0, 2.5}) {
        SCOPED_TRACE(scale);
        const QString path = QString::fromStdString((dir.path() / "graph.png").string());
        ASSERT_TRUE(g.save_png(path, scale));
        const QImage image(path);
        EXPECT_EQ(image.size(), QSize(400 * scale, 120 * scale));
        const QPointF bad = centre_of(image, qRgb(220, 0, 0)) / scale;
        const QPointF dubious = centre_of(image, qRgb(240, 170, 0)) / scale;
        EXPECT_EQ(g.move_at(bad.x()), 7);
        EXPECT_EQ(g.move_at(dubious.x()), 9);
        // The mate stands at the top, inside the picture; the lower side's lead is up.
        EXPECT_GT(bad.y(), 0);
        EXPECT_LT(bad.y(), 120 * 0.15);
        EXPECT_LT(dubious.y(), 60);
    }
    EXPECT_FALSE(g.save_png(QString::fromStdString((dir.path() / "none" / "graph.png").string())));
}

} // namespace
