// The evaluation graph: everything is measured from the size it is painted at.

#include "qt/eval_graph.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace {

// The plot's edges inside a painting of `size`: a small margin left and right so that the first and
// last moves' dots are whole.
struct Frame {
    double left, right, top, bottom;
    int moves;
    // `below` and `beside`: room kept under the plot and left of it for labels.
    Frame(QSizeF size, int moves, double below = 0, double beside = 0) : moves(moves) {
        const double m = std::max(3.0, size.height() / 25);
        left = m + beside;
        right = size.width() - m;
        top = m;
        bottom = size.height() - m - below;
    }
    double x(int n) const { return left + (right - left) * n / std::max(1, moves); }
    double y(int eval) const {
        const double v = std::clamp(eval, -EvalGraph::BOUND, EvalGraph::BOUND) / double(EvalGraph::BOUND);
        return (top + bottom) / 2 - v * (bottom - top) / 2;
    }
};

const QColor kBackground(250, 248, 240), kGrid(215, 210, 195), kZero(120, 115, 100);
const QColor kLine(40, 40, 40), kAbove(70, 110, 200, 70), kBelow(200, 90, 60, 70);
const QColor kCurrent(30, 90, 220);
const QColor kBad(220, 0, 0), kDubious(240, 170, 0);

} // namespace

EvalGraph::EvalGraph(QWidget* parent) : QWidget(parent) {
    setMinimumSize(120, 40);
    setCursor(Qt::PointingHandCursor);
}

void EvalGraph::set_moves(std::vector<GraphMove> moves) {
    moves_ = std::move(moves);
    update();
}

void EvalGraph::set_current(int n) {
    current_ = n;
    update();
}

int EvalGraph::move_at(double x) const {
    const Frame f(QSizeF(size()), static_cast<int>(moves_.size()));
    if (f.moves == 0 || f.right <= f.left) return 0;
    const int n = static_cast<int>(std::lround((x - f.left) / (f.right - f.left) * f.moves));
    return std::clamp(n, 0, f.moves);
}

bool EvalGraph::save_png(const QString& path, double scale) const {
    const QSize base = size().isEmpty() ? sizeHint() : size();
    return save_eval_graph(path,
                           QSize(std::max(1, int(std::lround(base.width() * scale))),
                                 std::max(1, int(std::lround(base.height() * scale)))),
                           moves_, current_);
}

bool save_eval_graph(const QString& path, QSize pixels, const std::vector<GraphMove>& moves, int current) {
    QImage image(pixels, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&image);
    paint_eval_graph(p, QSizeF(pixels), moves, current, true);
    p.end();
    return image.save(path, "PNG");
}

void EvalGraph::paintEvent(QPaintEvent*) {
    QPainter p(this);
    paint_eval_graph(p, QSizeF(size()), moves_, current_);
}

void EvalGraph::mousePressEvent(QMouseEvent* e) {
    if (e->button() != Qt::LeftButton || moves_.empty()) return;
    emit move_clicked(move_at(e->position().x()));
}

void paint_eval_graph(QPainter& p, QSizeF size, const std::vector<GraphMove>& moves, int current,
                      bool labelled) {
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(QRectF(QPointF(0, 0), size), kBackground);
    const double text = labelled ? std::max(8.0, size.height() / 24) : 0;
    const Frame f(size, static_cast<int>(moves.size()), text * 1.5, text * 3.5);
    if (labelled) {
        // The evaluation every thousand left of the plot, the move numbers under it.
        QFont font = p.font();
        font.setPixelSize(static_cast<int>(std::lround(text)));
        p.setFont(font);
        p.setPen(kZero);
        for (int v = -EvalGraph::BOUND + 1000; v < EvalGraph::BOUND; v += 1000)
            p.drawText(QRectF(0, f.y(v) - text, f.left - text * 0.5, text * 2),
                       Qt::AlignRight | Qt::AlignVCenter, v > 0 ? QString("+%1").arg(v) : QString::number(v));
        // At most ten numbers, on round steps.
        int step = 1;
        for (int s : {1, 2, 5, 10, 20, 50, 100})
            if ((step = s) * 10 >= f.moves) break;
        for (int n = step; n <= f.moves; n += step)
            p.drawText(QRectF(f.x(n) - text * 2, f.bottom + text * 0.2, text * 4, text * 1.3),
                       Qt::AlignHCenter | Qt::AlignTop, QString::number(n));
    }
    const double line = std::max(1.0, size.height() / 120);

    // Every thousand units a faint line, the zero line stronger.
    p.setPen(QPen(kGrid, line * 0.6));
    for (int v = -EvalGraph::BOUND + 1000; v < EvalGraph::BOUND; v += 1000)
        if (v != 0) p.drawLine(QPointF(f.left, f.y(v)), QPointF(f.right, f.y(v)));

    // The curve in runs of reviewed moves, the area between it and zero filled by the side ahead.
    const double zero = f.y(0);
    for (std::size_t i = 0; i < moves.size();) {
        if (!moves[i].ready) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < moves.size() && moves[end].ready) ++end;
        QPainterPath curve;
        for (std::size_t j = i; j < end; ++j) {
            const QPointF pt(f.x(int(j) + 1), f.y(moves[j].eval));
            if (j == i)
                curve.moveTo(pt);
            else
                curve.lineTo(pt);
        }
        QPainterPath area = curve;
        area.lineTo(f.x(int(end)), zero);
        area.lineTo(f.x(int(i) + 1), zero);
        area.closeSubpath();
        p.save();
        p.setPen(Qt::NoPen);
        p.setClipRect(QRectF(0, 0, size.width(), zero));
        p.fillPath(area, kAbove);
        p.setClipRect(QRectF(0, zero, size.width(), size.height() - zero));
        p.fillPath(area, kBelow);
        p.restore();
        p.setPen(QPen(kLine, line, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        if (end - i == 1)
            p.drawPoint(curve.elementAt(0));
        else
            p.drawPath(curve);
        i = end;
    }
    p.setPen(QPen(kZero, line));
    p.drawLine(QPointF(f.left, zero), QPointF(f.right, zero));

    if (current >= 0 && current <= f.moves && f.moves > 0) {
        p.setPen(QPen(kCurrent, line * 1.5));
        p.drawLine(QPointF(f.x(current), 0), QPointF(f.x(current), size.height()));
    }

    // The marked moves last, over everything else.
    // No wider than the space between two moves, so that neighbouring marks stay apart.
    const double r =
        std::max(2.0, std::min(size.height() / 40, (f.right - f.left) / std::max(1, f.moves) * 0.45));
    p.setPen(Qt::NoPen);
    for (std::size_t j = 0; j < moves.size(); ++j) {
        const GraphMove& m = moves[j];
        if (!m.ready || m.mark == ReviewMark::NONE) continue;
        p.setBrush(m.mark == ReviewMark::BAD ? kBad : kDubious);
        p.drawEllipse(QPointF(f.x(int(j) + 1), f.y(m.eval)), r, r);
    }
}

std::vector<GraphMove> graph_moves(const std::vector<ReviewRow>& rows) {
    std::vector<GraphMove> moves;
    for (const ReviewRow& r : rows)
        moves.push_back({r.ready, r.eval, r.mate, static_cast<ReviewMark>(r.mark)});
    return moves;
}
