// The persistent canvas behind the main window: a QImage painted in twips (15 to a pixel at scale 1).
#pragma once

#include "platform/pictures.h"

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

class CanvasImage {
  public:
    // Client area of the main window: 11175 x 9975 twips.
    static constexpr int kWidth = 745;
    static constexpr int kHeight = 665;
    // Beside it on the right, the window keeps this much of the same scale for the list of moves.
    static constexpr int kSideWidth = 220;
    static constexpr int kAreaWidth = kWidth + kSideWidth;
    // The smallest scale drawn: below it outlines and text stop being readable.
    static constexpr double kMinScale = 0.5;

    CanvasImage();

    // Loads every picture; returns the files that could not be loaded.
    QStringList load_pictures();
    // The picture of the file, at its own size: what scale 1 stamps.
    const QImage& picture(Pic p) const { return pictures_[static_cast<int>(p)]; }
    // The picture filling `size` device pixels: the file's own where the size is its own, else drawn
    // for that size, once per size until the scale changes. At scale 1 always the file's.
    const QImage& picture(Pic p, QSize size);
    // The device pixels a picture stamped at (x, y) twips covers.
    QRect stamp_rect(Pic p, double x, double y) const;

    void clear(int colour);
    void stamp(Pic p, double x, double y);
    void outline(int colour, double x1, double y1, double x2, double y2);
    // A translucent fill of [x1, x2) x [y1, y2): the colour at kTintAlpha over what is there.
    void tint(int colour, double x1, double y1, double x2, double y2);
    static constexpr int kTintAlpha = 110;
    void set_font_bold(bool bold) { bold_ = bold; }
    void print(double x, double y, const std::string& text, double points, int colour);

    // Device pixels per canvas pixel. A change draws what is on the canvas again at the new scale,
    // pictures drawn afresh for it.
    void set_scale(double scale);
    double scale() const { return scale_; }
    // Draws everything since the last clear() again (what a change of scale does).
    void repaint();
    // Twips to device pixels at the current scale.
    int map(double twips) const;
    // Where a device pixel of the canvas stands, in twips: a point inside the cell whose picture covers
    // that pixel, so that a click anywhere on a cell hits the cell.
    double twips_at(int device_pixel) const;
    // The background tile last stamped (HAIKEI_MIDORI by default): the margin around the canvas shows it.
    Pic background() const { return background_; }
    // Operations kept for a change of scale (bounded: those covered by later pictures are dropped).
    std::size_t kept() const { return ops_.size(); }

    const QImage& image() const { return image_; }
    static QColor colour(int index);
    static int px(double twips);
    // Folder holding pictures/.
    static QString asset_dir();

  private:
    struct Op {
        enum Kind { Stamp, Outline, Tint, Print } kind = Stamp;
        Pic pic = Pic::None;
        int colour = 0;
        double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        double points = 0;
        bool bold = false;
        std::string text;
        QRect extent; // in quarter twips: nothing it paints falls outside at any scale
    };
    void draw(const Op& op);
    void keep(Op op);
    void compact();

    QImage image_;
    double scale_ = 1.0;
    int clear_colour_ = 0;
    std::vector<Op> ops_;
    std::size_t compact_at_ = 1024;
    Pic background_ = Pic::HAIKEI_MIDORI;
    std::array<QImage, kPicCount> pictures_;
    std::map<std::tuple<int, int, int>, QImage> drawn_;
    bool bold_ = false;
};

// The canvas and the side beside it fitted into an area of the window: the largest scale at which all
// of both shows, centred.
struct CanvasFit {
    double scale = 1.0;  // logical pixels per canvas pixel
    QPoint offset;       // top left of the canvas in device pixels
    double device = 1.0; // device pixels per logical pixel

    // The canvas fitted into `area` logical pixels on a screen of that device-pixel ratio.
    static CanvasFit into(QSize area, double device_pixel_ratio);
    // The point of the canvas under a logical position, in twips; none in the margin.
    std::optional<QPointF> twips(const CanvasImage& canvas, QPointF logical) const;
    // A rectangle in twips, in logical pixels of the area.
    QRect logical(const QRect& twips) const;
};
