#include "qt/canvas.h"

#include "platform/folders.h"
#include "qt/art.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {
const QRgb kPalette[16] = {
    qRgb(0, 0, 0),       qRgb(0, 0, 128),   qRgb(0, 128, 0),   qRgb(0, 128, 128),
    qRgb(128, 0, 0),     qRgb(128, 0, 128), qRgb(128, 128, 0), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(0, 0, 255),   qRgb(0, 255, 0),   qRgb(0, 255, 255),
    qRgb(255, 0, 0),     qRgb(255, 0, 255), qRgb(255, 255, 0), qRgb(255, 255, 255),
};

constexpr double kTwips = 15.0;
// Extents are kept in quarter twips, so that fractional cells round by less than a pixel.
constexpr double kQuarter = 4.0;

// The rectangle of twips [l, r) x [t, b), rounded outwards (what an operation may paint) or inwards
// (what a picture surely covers).
QRect quarters(double l, double t, double r, double b, bool outwards) {
    auto out = [&](double v, bool up) {
        return static_cast<int>(up == outwards ? std::ceil(v * kQuarter) : std::floor(v * kQuarter));
    };
    const int x1 = outwards ? out(l, false) : out(l, true);
    const int y1 = outwards ? out(t, false) : out(t, true);
    const int x2 = outwards ? out(r, true) : out(r, false);
    const int y2 = outwards ? out(b, true) : out(b, false);
    return QRect(QPoint(x1, y1), QPoint(x2 - 1, y2 - 1));
}

bool is_background(Pic p) {
    return p >= Pic::HAIKEI_MIDORI && p <= Pic::HAIKEI_RENGA;
}

QFont font_of(double points, bool bold, double scale) {
    QFont font("IPAPMincho");
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(points * 96.0 / 72.0 * scale))));
    font.setBold(bold);
    return font;
}

} // namespace

CanvasImage::CanvasImage() : image_(kWidth, kHeight, QImage::Format_RGB32) {
    image_.fill(Qt::black);
}

QColor CanvasImage::colour(int index) {
    return QColor(kPalette[index & 15]);
}

int CanvasImage::px(double twips) {
    return static_cast<int>(std::lround(twips / kTwips));
}

int CanvasImage::map(double twips) const {
    return static_cast<int>(std::lround(twips / kTwips * scale_));
}

double CanvasImage::twips_at(int device_pixel) const {
    // map(t) <= i exactly when t < (i + 0.5) * 15 / scale: the pixel's pictures are those of the cells
    // reaching past that point, so a hair before it lies in the cell the pixel shows.
    return (device_pixel + 0.5) * kTwips / scale_ - 1e-6;
}

QString CanvasImage::asset_dir() {
    return QString::fromStdString(pictures_folder(QCoreApplication::applicationDirPath().toStdString()));
}

QStringList CanvasImage::load_pictures() {
    QStringList missing;
    const QString dir = asset_dir() + "/pictures/";
    for (int i = 0; i < kPicCount; ++i) {
        const PicInfo& info = pic_info(static_cast<Pic>(i));
        if (!pictures_[i].load(dir + QString::fromUtf8(info.file))) missing << QString::fromUtf8(info.file);
    }
    drawn_.clear();
    return missing;
}

const QImage& CanvasImage::picture(Pic p, QSize size) {
    const QImage& own = pictures_[static_cast<int>(p)];
    // A missing file stays missing at every size: the player was told once.
    // Scale 1 is the picture files, pixel for pixel.
    if (own.isNull() || own.size() == size || scale_ == 1.0) return own;
    auto [it, fresh] = drawn_.try_emplace({static_cast<int>(p), size.width(), size.height()});
    if (fresh) it->second = draw_picture(p, size).convertToFormat(QImage::Format_RGB32);
    return it->second;
}

QRect CanvasImage::stamp_rect(Pic p, double x, double y) const {
    // From the mapped corner to the mapped far corner: neighbours neither gap nor overlap more than
    // their twips say.
    const PicInfo& info = pic_info(p);
    return QRect(QPoint(map(x), map(y)),
                 QPoint(map(x + info.width * kTwips) - 1, map(y + info.height * kTwips) - 1));
}

void CanvasImage::clear(int colour) {
    clear_colour_ = colour;
    ops_.clear();
    compact_at_ = 1024;
    image_.fill(CanvasImage::colour(colour));
}

void CanvasImage::stamp(Pic p, double x, double y) {
    if (p == Pic::None) return;
    if (is_background(p)) background_ = p;
    const PicInfo& info = pic_info(p);
    Op op;
    op.pic = p;
    op.x1 = x;
    op.y1 = y;
    op.x2 = x + info.width * kTwips;
    op.y2 = y + info.height * kTwips;
    op.extent = quarters(op.x1, op.y1, op.x2, op.y2, true);
    draw(op);
    keep(std::move(op));
}

void CanvasImage::outline(int colour, double x1, double y1, double x2, double y2) {
    Op op;
    op.kind = Op::Outline;
    op.colour = colour;
    op.x1 = x1;
    op.y1 = y1;
    op.x2 = x2;
    op.y2 = y2;
    // The right and bottom lines lie past x2 and y2 by their width: 3 pixels of scale 1 cover it down
    // to the smallest scale.
    op.extent = quarters(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2) + 3 * kTwips,
                         std::max(y1, y2) + 3 * kTwips, true);
    draw(op);
    keep(std::move(op));
}

void CanvasImage::tint(int colour, double x1, double y1, double x2, double y2) {
    Op op;
    op.kind = Op::Tint;
    op.colour = colour;
    op.x1 = std::min(x1, x2);
    op.y1 = std::min(y1, y2);
    op.x2 = std::max(x1, x2);
    op.y2 = std::max(y1, y2);
    op.extent = quarters(op.x1, op.y1, op.x2, op.y2, true);
    draw(op);
    keep(std::move(op));
}

void CanvasImage::print(double x, double y, const std::string& text, double points, int colour) {
    Op op;
    op.kind = Op::Print;
    op.colour = colour;
    op.x1 = x;
    op.y1 = y;
    op.points = points;
    op.bold = bold_;
    op.text = text;
    // Glyphs at another size are not exactly the scaled ones: a margin of a tenth and two pixels.
    const QFontMetrics metrics(font_of(points, bold_, 1.0));
    const QString s = QString::fromStdString(text);
    const double w = (metrics.horizontalAdvance(s) * 1.1 + 4) * kTwips;
    const double h = (metrics.height() * 1.1 + 4) * kTwips;
    op.extent = quarters(x - 2 * kTwips, y - 2 * kTwips, x + w, y + h, true);
    draw(op);
    keep(std::move(op));
}

void CanvasImage::draw(const Op& op) {
    QPainter painter(&image_);
    switch (op.kind) {
    case Op::Stamp: {
        const QRect r = stamp_rect(op.pic, op.x1, op.y1);
        const QImage& pic = picture(op.pic, r.size());
        if (pic.isNull()) return; // a missing picture paints nothing
        painter.drawImage(r.topLeft(), pic);
        return;
    }
    case Op::Outline: {
        const int l = map(op.x1), t = map(op.y1), r = map(op.x2), b = map(op.y2);
        if (scale_ == 1.0) {
            painter.setPen(QPen(CanvasImage::colour(op.colour), 0));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(QRect(l, t, r - l, b - t));
            return;
        }
        // Lines as wide as a pixel of scale 1 is now, each starting where the 1-pixel line starts.
        const int w = std::max(1, static_cast<int>(std::lround(scale_)));
        const QColor c = CanvasImage::colour(op.colour);
        painter.fillRect(QRect(l, t, r - l + w, w), c);
        painter.fillRect(QRect(l, b, r - l + w, w), c);
        painter.fillRect(QRect(l, t, w, b - t + w), c);
        painter.fillRect(QRect(r, t, w, b - t + w), c);
        return;
    }
    case Op::Tint: {
        // The pixels from the mapped corner up to the mapped far corner, as a stamp covers them.
        const int l = map(op.x1), t = map(op.y1), r = map(op.x2), b = map(op.y2);
        QColor c = CanvasImage::colour(op.colour);
        c.setAlpha(kTintAlpha);
        painter.fillRect(QRect(l, t, r - l, b - t), c);
        return;
    }
    case Op::Print: {
        const QFont font = font_of(op.points, op.bold, scale_);
        painter.setFont(font);
        painter.setPen(CanvasImage::colour(op.colour));
        const QFontMetrics metrics(font);
        painter.drawText(map(op.x1), map(op.y1) + metrics.ascent(), QString::fromStdString(op.text));
        return;
    }
    }
}

void CanvasImage::keep(Op op) {
    ops_.push_back(std::move(op));
    if (ops_.size() >= compact_at_) compact();
}

void CanvasImage::compact() {
    // From the last operation back: one that lies under the pictures stamped after it, or off the
    // canvas, paints nothing that shows at any scale (twips map to pixels monotonically).
    const QRect canvas = quarters(0, 0, kWidth * kTwips, kHeight * kTwips, false);
    QRegion covered;
    std::vector<Op> kept;
    for (auto it = ops_.rbegin(); it != ops_.rend(); ++it) {
        const QRect shown = it->extent & canvas;
        if (shown.isEmpty() || QRegion(shown).subtracted(covered).isEmpty()) continue;
        if (it->kind == Op::Stamp && !picture(it->pic).isNull())
            covered += quarters(it->x1, it->y1, it->x2, it->y2, false) & canvas;
        kept.push_back(std::move(*it));
    }
    ops_.assign(std::make_move_iterator(kept.rbegin()), std::make_move_iterator(kept.rend()));
    compact_at_ = std::max<std::size_t>(1024, ops_.size() * 2);
}

void CanvasImage::repaint() {
    image_.fill(CanvasImage::colour(clear_colour_));
    const bool bold = bold_;
    for (const Op& op : ops_) draw(op);
    bold_ = bold;
}

void CanvasImage::set_scale(double scale) {
    scale = std::max(kMinScale, scale);
    if (scale == scale_) return;
    scale_ = scale;
    drawn_.clear();
    image_ = QImage(std::max(1, static_cast<int>(std::lround(kWidth * scale))),
                    std::max(1, static_cast<int>(std::lround(kHeight * scale))), QImage::Format_RGB32);
    repaint();
}

CanvasFit CanvasFit::into(QSize area, double device_pixel_ratio) {
    CanvasFit fit;
    fit.device = device_pixel_ratio > 0 ? device_pixel_ratio : 1.0;
    fit.scale = std::max(CanvasImage::kMinScale, std::min(area.width() / double(CanvasImage::kAreaWidth),
                                                          area.height() / double(CanvasImage::kHeight)));
    const double d = fit.scale * fit.device;
    const int w = static_cast<int>(std::lround(CanvasImage::kAreaWidth * d));
    const int h = static_cast<int>(std::lround(CanvasImage::kHeight * d));
    // Whole device pixels, so that the canvas is shown pixel for pixel.
    fit.offset = QPoint(std::max(0, (static_cast<int>(std::lround(area.width() * fit.device)) - w) / 2),
                        std::max(0, (static_cast<int>(std::lround(area.height() * fit.device)) - h) / 2));
    return fit;
}

std::optional<QPointF> CanvasFit::twips(const CanvasImage& canvas, QPointF logical) const {
    const int x = static_cast<int>(std::floor(logical.x() * device)) - offset.x();
    const int y = static_cast<int>(std::floor(logical.y() * device)) - offset.y();
    if (x < 0 || y < 0 || x >= canvas.image().width() || y >= canvas.image().height()) return std::nullopt;
    return QPointF(canvas.twips_at(x), canvas.twips_at(y));
}

QRect CanvasFit::logical(const QRect& twips) const {
    auto at = [&](double t, int off) {
        return static_cast<int>(std::lround(off / device + t / kTwips * scale));
    };
    const int l = at(twips.left(), offset.x()), t = at(twips.top(), offset.y());
    const int r = at(twips.left() + twips.width(), offset.x());
    const int b = at(twips.top() + twips.height(), offset.y());
    return QRect(l, t, r - l, b - t);
}
