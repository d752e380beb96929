// The pictures of platform/pictures.h, drawn at any size. Every drawing is laid out in the picture's
// natural coordinates (a piece in 39 x 44 units, a tile in its 38 x 44 period) and mapped onto the
// pixels asked for, so a larger picture is the same drawing, finer. At the natural size the mapping
// is the identity, and the pixels are those of the committed assets.
#include "qt/art.h"
#include "qt/rng.h"

#include <QColor>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QRegion>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <map>
#include <mutex>
#include <tuple>
#include <utility>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// Integer hash to [0,1), for textures that must depend on the cell only.
double hash01(int a, int b, int c = 0) {
    uint32_t h = static_cast<uint32_t>(a) * 374761393u + static_cast<uint32_t>(b) * 668265263u +
                 static_cast<uint32_t>(c) * 2246822519u + 0x27d4eb2du;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / 16777216.0;
}

double clamp01(double v) {
    return std::clamp(v, 0.0, 1.0);
}
int to8(double v) {
    return static_cast<int>(std::clamp(v, 0.0, 255.0) + 0.5); // rounds halves up, as lround does here
}

// An opaque colour of the per-pixel textures: plain integers, written straight into the scan lines.
struct Rgb {
    int r, g, b;
};
Rgb rgb(double r, double g, double b) {
    return {to8(r), to8(g), to8(b)};
}
Rgb mix(const Rgb& a, const Rgb& b, double t) {
    return rgb(a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t);
}
Rgb scaled(const Rgb& c, double k) {
    return rgb(c.r * k, c.g * k, c.b * k);
}

// ---------------------------------------------------------------------------------------------
// Fonts and lettering.

struct Fonts {
    QString mincho = "IPAMincho";   // fixed-pitch Mincho: piece faces
    QString pmincho = "IPAPMincho"; // proportional Mincho: titles and Latin text
};

const Fonts& fonts() {
    static const Fonts loaded = [] {
        Fonts f;
        const char* files[] = {"/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf",
                               "/usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf",
                               "/usr/share/fonts/truetype/fonts-japanese-mincho.ttf"};
        for (const char* file : files) {
            if (!QFile::exists(file)) continue;
            const int id = QFontDatabase::addApplicationFont(file);
            if (id < 0) continue;
            for (const QString& fam : QFontDatabase::applicationFontFamilies(id)) {
                if (fam == "IPAMincho") f.mincho = fam;
                if (fam == "IPAPMincho") f.pmincho = fam;
            }
        }
        const QStringList families = QFontDatabase::families();
        if (!families.contains(f.mincho) || !families.contains(f.pmincho))
            std::fprintf(stderr, "warning: IPA Mincho fonts not found (fonts-ipafont-mincho); the pictures' "
                                 "lettering falls back to another face\n");
        return f;
    }();
    return loaded;
}

QFont font_px(const QString& family, double pixels) {
    QFont f(family);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// A text laid out once at 100 px, its baseline at y = 0: the outline and its advance width. Laying out
// is the slow part of lettering, and a picture at any size only scales the outline.
struct Lettering {
    QPainterPath path;
    double advance = 0;
};

const Lettering& lettering(const QString& family, const QString& text) {
    static std::mutex guard;
    static QHash<QString, Lettering> cache;
    const QString key = family + QChar(0) + text;
    std::lock_guard<std::mutex> lock(guard);
    auto it = cache.find(key);
    if (it == cache.end()) {
        const QFont f = font_px(family, 100);
        Lettering l;
        l.path.addText(0, 0, f, text);
        l.advance = QFontMetricsF(f).horizontalAdvance(text);
        it = cache.insert(key, l);
    }
    return *it; // entries are never removed, so the reference stays valid
}

// The outline of a text at `pixels`, laid out on one line with its baseline at y = 0.
QPainterPath text_path(const QString& family, double pixels, const QString& text) {
    return QTransform::fromScale(pixels / 100.0, pixels / 100.0).map(lettering(family, text).path);
}

// Fills a glyph outline; `embolden` > 0 thickens it by stroking the outline in the same colour.
void fill_path(QPainter& p, const QPainterPath& path, const QColor& colour, double embolden) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setBrush(colour);
    if (embolden > 0) {
        QPen pen(colour, embolden);
        pen.setJoinStyle(Qt::RoundJoin);
        p.setPen(pen);
    } else {
        p.setPen(Qt::NoPen);
    }
    p.drawPath(path);
    p.restore();
}

// Fills a text centred by its ink at (cx, cy); shear leans the glyph like a brush written quickly.
void draw_text_centered(QPainter& p, const QString& family, double pixels, const QString& text, double cx,
                        double cy, const QColor& colour, double embolden = 0.0, double shear = 0.0,
                        double sx = 1.0) {
    QPainterPath path = text_path(family, pixels, text);
    QTransform t;
    t.shear(shear, 0);
    t.scale(sx, 1.0);
    path = t.map(path);
    const QRectF b = path.boundingRect();
    path.translate(cx - b.center().x(), cy - b.center().y());
    fill_path(p, path, colour, embolden);
}

// Text centred on its layout box (advance width and the font's em box), not on its ink: used for
// the two characters of a piece name so that both sit on the same axis whatever their shape.
void draw_text_em_centered(QPainter& p, const QString& family, double pixels, const QString& text, double cx,
                           double cy, const QColor& colour, double embolden = 0.0) {
    QPainterPath path = text_path(family, pixels, text);
    const double adv = lettering(family, text).advance * (pixels / 100.0);
    // CJK glyphs fill the em square from ascent 0.88 em above the baseline to 0.12 em below.
    const double top = -0.88 * pixels, bottom = 0.12 * pixels;
    path.translate(cx - adv / 2.0, cy - (top + bottom) / 2.0);
    fill_path(p, path, colour, embolden);
}

// ---------------------------------------------------------------------------------------------
// Mapping the natural coordinates of a picture onto its pixels.

struct Scale {
    double x = 1.0, y = 1.0;
    bool identity() const { return x == 1.0 && y == 1.0; }
    QTransform transform() const { return QTransform::fromScale(x, y); }
    // The pixels a rectangle of natural coordinates covers, its edges rounded to whole pixels.
    QRect pixels(const QRectF& r) const {
        const QPoint tl(static_cast<int>(std::lround(r.left() * x)),
                        static_cast<int>(std::lround(r.top() * y)));
        const QPoint br(static_cast<int>(std::lround(r.right() * x)),
                        static_cast<int>(std::lround(r.bottom() * y)));
        return QRect(tl, br - QPoint(1, 1));
    }
};

Scale scale_of(QSize pixels, double natural_w, double natural_h) {
    return {pixels.width() / natural_w, pixels.height() / natural_h};
}

// A painter whose coordinates are the picture's natural ones.
void use_natural_coordinates(QPainter& p, const Scale& s) {
    if (!s.identity()) p.setTransform(s.transform());
}

QImage new_image(QSize size, const QColor& fill = Qt::black) {
    QImage img(size, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

// The natural coordinates of the centres of a picture's pixel columns (x) and rows (y).
struct Grid {
    std::vector<double> x, y;
};

// Per-pixel painter: f(i, j) -> colour of column i, row j (at g.x[i], g.y[j]).
template <class F> QImage shade(const Grid& g, F f) {
    QImage img(static_cast<int>(g.x.size()), static_cast<int>(g.y.size()),
               QImage::Format_ARGB32_Premultiplied);
    for (int j = 0; j < img.height(); ++j) {
        QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(j));
        for (int i = 0; i < img.width(); ++i) {
            const Rgb c = f(i, j);
            line[i] = qRgb(c.r, c.g, c.b);
        }
    }
    return img;
}

// ---------------------------------------------------------------------------------------------
// Board square and conveyor plate.

constexpr int PW = 39, PH = 44; // piece pictures

// Smooth periodic noise: a sum of sinusoids with whole numbers of periods across (w, h), so that
// the pattern repeats exactly every w units across and h units down.
struct PeriodicNoise {
    struct Wave {
        int kx, ky;
        double amp, phase;
    };
    std::vector<Wave> waves;
    double w, h;
    PeriodicNoise(uint64_t seed, double w_, double h_, int maxk, int count, double falloff) : w(w_), h(h_) {
        Rng r(seed);
        for (int i = 0; i < count; ++i) {
            Wave v;
            v.kx = static_cast<int>(r.next() % (2 * maxk + 1)) - maxk;
            v.ky = static_cast<int>(r.next() % (2 * maxk + 1)) - maxk;
            if (v.kx == 0 && v.ky == 0) v.kx = 1;
            const double k = std::sqrt(double(v.kx * v.kx + v.ky * v.ky));
            v.amp = 1.0 / std::pow(k, falloff);
            v.phase = r.uniform() * 2 * kPi;
            waves.push_back(v);
        }
        double sum = 0;
        for (auto& v : waves) sum += v.amp;
        for (auto& v : waves) v.amp /= sum;
    }
};

// The noise on the pixels of a grid (x stretched by x_factor), roughly in [-1, 1]. Each wave is split
// into a part of the column and a part of the row, sin(a + b) = sin a cos b + cos a sin b, so that a
// pixel costs no sine.
class GridNoise {
  public:
    GridNoise(const PeriodicNoise& n, const Grid& g, double x_factor = 1.0)
        : count_(n.waves.size()), col_sin_(g.x.size() * count_), col_cos_(col_sin_.size()),
          row_sin_(g.y.size() * count_), row_cos_(row_sin_.size()) {
        for (std::size_t k = 0; k < count_; ++k) {
            const PeriodicNoise::Wave& v = n.waves[k];
            for (std::size_t i = 0; i < g.x.size(); ++i) {
                const double a = 2 * kPi * (v.kx * (g.x[i] * x_factor) / n.w);
                col_sin_[i * count_ + k] = v.amp * std::sin(a);
                col_cos_[i * count_ + k] = v.amp * std::cos(a);
            }
            for (std::size_t j = 0; j < g.y.size(); ++j) {
                const double b = 2 * kPi * (v.ky * g.y[j] / n.h) + v.phase;
                row_sin_[j * count_ + k] = std::sin(b);
                row_cos_[j * count_ + k] = std::cos(b);
            }
        }
    }
    double operator()(int i, int j) const {
        const double *cs = &col_sin_[i * count_], *cc = &col_cos_[i * count_];
        const double *rs = &row_sin_[j * count_], *rc = &row_cos_[j * count_];
        double s = 0;
        for (std::size_t k = 0; k < count_; ++k) s += cs[k] * rc[k] + cc[k] * rs[k];
        return s;
    }

  private:
    std::size_t count_;
    std::vector<double> col_sin_, col_cos_, row_sin_, row_cos_;
};

// A piece's or square's pixels in its 39 x 44 units.
Grid piece_grid(QSize size) {
    const Scale s = scale_of(size, PW, PH);
    Grid g;
    for (int i = 0; i < size.width(); ++i) g.x.push_back((i + 0.5) / s.x);
    for (int j = 0; j < size.height(); ++j) g.y.push_back((j + 0.5) / s.y);
    return g;
}

// Plain wood of a board square: a warm light brown with a faint grain running across.
QImage wood_square(QSize size) {
    const Rgb base{222, 178, 108};
    const Grid g = piece_grid(size);
    // Grain: fine wavy lines along x, very faint,
    //   0.035 sin(1.15 y + 1.3 sin(0.11 x + 0.7) + 0.35 sin(0.31 x)) + 0.012 sin(3.1 y + 0.05 x),
    // each sine of a sum split into sines and cosines of the row's and the column's part.
    struct Part {
        double sin_wave, cos_wave, sin_fine, cos_fine;
    };
    std::vector<Part> across, down;
    for (double x : g.x) {
        const double bend = 1.3 * std::sin(x * 0.11 + 0.7) + 0.35 * std::sin(x * 0.31);
        across.push_back({std::sin(bend), std::cos(bend), std::sin(x * 0.05), std::cos(x * 0.05)});
    }
    for (double y : g.y)
        down.push_back({std::sin(y * 1.15), std::cos(y * 1.15), std::sin(y * 3.1), std::cos(y * 3.1)});
    return shade(g, [&](int i, int j) {
        const Part &a = across[i], &d = down[j];
        const double wave = d.sin_wave * a.cos_wave + d.cos_wave * a.sin_wave;
        const double grain = 0.035 * wave + 0.012 * (d.sin_fine * a.cos_fine + d.cos_fine * a.sin_fine);
        return scaled(base, 1.0 + grain);
    });
}

// Plain yellow conveyor plate with a slight bevel so it reads as a plate.
QImage yellow_plate(QSize size) {
    const Rgb base{250, 222, 40};
    const Grid g = piece_grid(size);
    return shade(g, [&](int i, int j) {
        const double x = g.x[i], y = g.y[j];
        const bool lit = x < 1.0 || y < 1.0; // the top and left edge, one unit wide
        double k = 1.0;
        if (lit) k = 1.03;
        if (x > PW - 1.0 || y > PH - 1.0) k = 0.86; // shaded bottom and right edge
        Rgb c = scaled(base, k);
        if (lit) c = mix(c, Rgb{255, 250, 190}, 0.45);
        return c;
    });
}

// Drawings shared by several pictures of one size, each drawn once. A resized board asks for new
// sizes, so the cache is emptied when it has grown past a few sizes' worth.
template <class Key> class Kept {
  public:
    explicit Kept(std::size_t limit) : limit_(limit) {}
    template <class Draw> QImage get(const Key& key, Draw draw) {
        {
            std::lock_guard<std::mutex> lock(guard_);
            if (auto it = kept_.find(key); it != kept_.end()) return it->second;
        }
        const QImage img = draw();
        std::lock_guard<std::mutex> lock(guard_);
        if (kept_.size() >= limit_) kept_.clear();
        kept_.emplace(key, img);
        return img;
    }

  private:
    std::size_t limit_;
    std::mutex guard_;
    std::map<Key, QImage> kept_;
};

// ---------------------------------------------------------------------------------------------
// Piece faces.

struct Face {
    QString text;  // two characters stacked, or one promoted character
    bool promoted; // red, cursive-looking, one character
};

// The pentagon of a piece in the 39 x 44 picture, pointing up.
QPolygonF pentagon() {
    QPolygonF poly;
    poly << QPointF(19.5, 2.0) << QPointF(31.6, 8.6) << QPointF(34.6, 41.6) << QPointF(4.4, 41.6)
         << QPointF(7.4, 8.6);
    return poly;
}

// The piece without its name (pentagon and grain) on a transparent layer, pointing up.
QImage blank_piece(QSize size) {
    const Scale s = scale_of(size, PW, PH);
    QImage layer(size, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing, true);
    use_natural_coordinates(p, s);

    const QPolygonF poly = pentagon();
    // Lighter wood, lit from the upper left.
    QLinearGradient g(QPointF(4, 2), QPointF(35, 42));
    g.setColorAt(0.0, QColor(252, 232, 186));
    g.setColorAt(0.55, QColor(244, 214, 158));
    g.setColorAt(1.0, QColor(230, 194, 132));
    p.setBrush(g);
    p.setPen(QPen(QColor(96, 60, 24), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolygon(poly);
    // A faint grain on the face, clipped to the pentagon's whole pixels.
    p.resetTransform();
    p.setClipRegion(QRegion(s.transform().map(poly).toPolygon()).intersected(s.pixels(QRectF(6, 9, 28, 32))));
    use_natural_coordinates(p, s);
    p.setPen(QPen(QColor(200, 160, 100, 38), 0.8));
    for (int i = 0; i < 6; ++i) {
        const double y0 = 12 + i * 5.3;
        QPainterPath w;
        w.moveTo(5, y0);
        w.cubicTo(14, y0 - 1.4, 24, y0 + 1.6, 35, y0 + 0.2);
        p.drawPath(w);
    }
    p.end();
    return layer;
}

// The square, the plate and the blank piece at a size: every piece of a size stands on the same
// square or plate and is the same blank piece with its name on it.
enum class Shared { SQUARE, PLATE, PIECE };

QImage shared_picture(Shared what, QSize size) {
    static Kept<std::tuple<Shared, int, int>> kept(24);
    return kept.get(std::make_tuple(what, size.width(), size.height()), [&] {
        return what == Shared::SQUARE  ? wood_square(size)
               : what == Shared::PLATE ? yellow_plate(size)
                                       : blank_piece(size);
    });
}

// The piece itself with its name.
QImage piece_layer(const Face& face, QSize size) {
    const Scale s = scale_of(size, PW, PH);
    QImage layer = shared_picture(Shared::PIECE, size);
    QPainter p(&layer);
    // The lettering keeps its proportions in a cell wider or taller than the natural one: one letter
    // scale, the centres where the geometry puts them.
    const double k = std::min(s.x, s.y);
    const QString& mincho = fonts().mincho;
    if (!face.promoted) {
        const QColor ink(0, 0, 0);
        draw_text_em_centered(p, mincho, 15.2 * k, face.text.mid(0, 1), 19.5 * s.x, 18.3 * s.y, ink,
                              0.55 * k);
        draw_text_em_centered(p, mincho, 15.2 * k, face.text.mid(1, 1), 19.5 * s.x, 33.6 * s.y, ink,
                              0.55 * k);
    } else {
        // Red, brush-like: one large character leaning forward and a little narrower.
        const QColor red(196, 16, 16);
        draw_text_centered(p, mincho, 22.5 * k, face.text, 19.8 * s.x, 26.5 * s.y, red, 0.95 * k, -0.16,
                           0.92);
    }
    p.end();
    return layer;
}

// Composes a piece onto a square: shadow, then the piece; upper pieces are turned by 180 degrees.
QImage piece_picture(const QImage& square, const Face& face, bool upper) {
    const QSize size = square.size();
    // The lower and upper piece, on the board and on the ring, share the face's layer.
    static Kept<std::tuple<QString, bool, int, int>> layers(64);
    QImage layer = layers.get(std::make_tuple(face.text, face.promoted, size.width(), size.height()),
                              [&] { return piece_layer(face, size); });
    if (upper) layer = layer.mirrored(true, true); // a half turn
    QImage out = square.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&out);
    // Soft shadow one unit below and right of the piece, on whole pixels.
    const Scale s = scale_of(size, PW, PH);
    const int dx = std::max(1, static_cast<int>(std::lround(s.x)));
    const int dy = std::max(1, static_cast<int>(std::lround(s.y)));
    // The shadow's colour where the piece is opaque, kept by the piece's alpha (as if the colour were
    // painted over the piece in SourceIn, without the rectangle fill that Qt hands to its threads).
    QImage shadow(size, QImage::Format_ARGB32_Premultiplied);
    shadow.fill(QColor(60, 35, 10, 110));
    {
        QPainter sh(&shadow);
        sh.setCompositionMode(QPainter::CompositionMode_DestinationIn);
        sh.drawImage(0, 0, layer);
    }
    p.drawImage(dx, dy, shadow);
    p.drawImage(0, 0, layer);
    p.end();
    return out;
}

QImage piece_picture(bool plate, QSize size, const Face& face, bool upper) {
    return piece_picture(shared_picture(plate ? Shared::PLATE : Shared::SQUARE, size), face, upper);
}

// ---------------------------------------------------------------------------------------------
// Background tiles, 40 x 45, repeating every 38 x 44 pixels: the screen places them one cell apart
// (570 x 660 twips = 38 x 44 pixels), so the last two columns and the last row overlap the next tile
// and must repeat its first ones. At another size the period is the scaled cell rounded to whole
// pixels, and the texture is stretched to it, so the tile still repeats exactly.

constexpr int TW = 40, TH = 45;
constexpr double TPX = 38.0, TPY = 44.0;

double wrap(double v, double period) {
    v = std::fmod(v, period);
    return v < 0 ? v + period : v;
}
// Distance from v to the nearest multiple of period.
double dist_to_grid(double v, double period) {
    const double m = wrap(v, period);
    return std::min(m, period - m);
}

// A tile's pixels in the units of its period.
Grid tile_grid(QSize size) {
    const int px = std::max(1, static_cast<int>(std::lround(size.width() * TPX / TW)));
    const int py = std::max(1, static_cast<int>(std::lround(size.height() * TPY / TH)));
    // Pixels one period apart get the very same coordinates (wrapping a scaled coordinate could differ
    // in the last bit, and the bricks' hash would tell).
    Grid g;
    for (int i = 0; i < size.width(); ++i) g.x.push_back((i % px + 0.5) * TPX / px);
    for (int j = 0; j < size.height(); ++j) g.y.push_back((j % py + 0.5) * TPY / py);
    return g;
}

// 網: deep blue with a light diamond net, knotted where the strings cross.
QImage tile_midori(QSize size) {
    const Rgb sea{22, 58, 150}, string{176, 208, 246};
    const Grid g = tile_grid(size);
    const GridNoise n(PeriodicNoise(11, TPX, TPY, 2, 6, 1.0), g);
    return shade(g, [&](int i, int j) {
        const double x = g.x[i], y = g.y[j];
        // Two families of lines: x/38 + y/44 = k/2 and x/38 - y/44 = k/2.
        const double gu = 2.0 * std::sqrt(1 / (TPX * TPX) + 1 / (TPY * TPY));
        const double u = 2.0 * (x / TPX + y / TPY) + 0.5, v = 2.0 * (x / TPX - y / TPY) + 0.5;
        const double du = dist_to_grid(u, 1.0) / gu, dv = dist_to_grid(v, 1.0) / gu; // in units
        const double line = std::max(clamp01(1.15 - du), clamp01(1.15 - dv));
        const double knot = clamp01(1.9 - std::hypot(du, dv));
        const double a = std::max(line * 0.72, knot * 0.9);
        Rgb base = scaled(sea, 1.0 + 0.10 * n(i, j) - 0.05 * (y / TPY));
        return mix(base, string, a);
    });
}

// 畳: green rush matting, rows of straw with a woven look and faint warp threads.
QImage tile_tatami(QSize size) {
    const Rgb straw{128, 164, 72};
    const Grid g = tile_grid(size);
    const GridNoise n(PeriodicNoise(23, TPX, TPY, 3, 10, 0.8), g);
    return shade(g, [&](int i, int j) {
        const double x = g.x[i], y = g.y[j];
        const double row = 4.0;                      // 11 rows of straw in 44 units
        const int r = static_cast<int>(y / row);     // 0..10
        const double fy = (y - r * row) / row;       // 0..1 within the row
        const double roundness = std::sin(fy * kPi); // each straw is round
        const int seg = static_cast<int>(x / 19.0 + ((r & 1) ? 0.5 : 0.0)) % 2; // weave
        double k = 0.78 + 0.30 * roundness + (seg ? 0.04 : -0.03);
        k += 0.05 * (hash01(r, 7) - 0.5) + 0.06 * n(i, j);
        k += 0.03 * std::sin(2 * kPi * (x / TPX * 6 + r * 0.37)); // fibre
        Rgb c = scaled(straw, k);
        // Warp threads every 19 units, partly hidden in the straw.
        const double dw = dist_to_grid(x - 9.5, 19.0);
        if (dw < 0.8) c = mix(c, Rgb{84, 104, 46}, 0.45 * (1 - roundness * 0.6));
        return c;
    });
}

// 竹: two green bamboo stalks side by side, each with a node, on a dark gap.
QImage tile_take(QSize size) {
    const Grid g = tile_grid(size);
    const GridNoise n(PeriodicNoise(37, TPX, TPY, 3, 8, 1.0), g);
    return shade(g, [&](int i, int j) {
        const double x = g.x[i], y = g.y[j];
        const int stalk = x < 19.0 ? 0 : 1;
        const double left = stalk * 19.0 + 1.5, width = 16.0;
        const double t = (x - left) / width; // 0..1 across the stalk
        if (t < 0.0 || t > 1.0) return rgb(18, 46, 18);
        // Cylinder shading with a highlight left of centre.
        const double c = std::cos((t - 0.5) * kPi);
        const double hl = std::exp(-std::pow((t - 0.32) / 0.12, 2.0));
        double k = 0.45 + 0.55 * c + 0.05 * n(i, j) + 0.02 * std::sin(2 * kPi * x / 2.0);
        Rgb g = scaled(Rgb{78, 156, 54}, k);
        g = mix(g, Rgb{200, 236, 160}, 0.45 * hl);
        // Node: a raised ring with a dark groove below it.
        const double node = stalk == 0 ? 11.0 : 33.0;
        const double dy = wrap(y - node + TPY / 2, TPY) - TPY / 2;
        if (std::abs(dy) < 1.0)
            g = mix(g, Rgb{214, 236, 170}, 0.55 * c);
        else if (dy >= 1.0 && dy < 2.2)
            g = scaled(g, 0.55);
        else if (dy <= -1.0 && dy > -2.0)
            g = scaled(g, 0.85);
        return g;
    });
}

// 宇宙: black with white stars of several sizes, one with a small cross of light.
QImage tile_uchu(QSize size) {
    struct Star {
        double x, y, b, r;
    };
    std::vector<Star> stars;
    Rng r(4242);
    for (int i = 0; i < 11; ++i) {
        Star s{r.uniform() * TPX, r.uniform() * TPY, 0.35 + 0.6 * r.uniform(), 0.35 + 0.25 * r.uniform()};
        stars.push_back(s);
    }
    stars.push_back({9.5, 31.5, 1.0, 0.8}); // the bright ones
    stars.push_back({28.5, 9.5, 0.95, 0.65});
    // Every term is a product of a function of the column and one of the row: the glow
    // exp(-(dx² + dy²) / 2r²) = exp(-dx² / 2r²) exp(-dy² / 2r²), the cross's arms, the blue halo.
    struct Axis {
        double glow, arm, beam, halo; // exp(-d²/2r²), exp(-|d| 0.9), exp(-d²/0.18), exp(-d²/8)
    };
    auto axis = [](const std::vector<double>& at, double centre, double period, double r) {
        std::vector<Axis> out;
        for (double v : at) {
            const double d = wrap(v - centre + period / 2, period) - period / 2;
            out.push_back({std::exp(-d * d / (2 * r * r)), std::exp(-std::abs(d) * 0.9),
                           std::exp(-d * d / 0.18), std::exp(-d * d / 8.0)});
        }
        return out;
    };
    const Grid g = tile_grid(size);
    std::vector<std::vector<Axis>> across, down;
    for (const Star& s : stars) {
        across.push_back(axis(g.x, s.x, TPX, s.r));
        down.push_back(axis(g.y, s.y, TPY, s.r));
    }
    return shade(g, [&](int i, int j) {
        double l = 0, blue = 0;
        for (std::size_t k = 0; k < stars.size(); ++k) {
            const Star& s = stars[k];
            const Axis &ax = across[k][i], &ay = down[k][j];
            l += s.b * ax.glow * ay.glow;
            if (s.r > 0.6) { // a cross of light
                l += 0.35 * s.b * ax.arm * ay.beam;
                l += 0.35 * s.b * ay.arm * ax.beam;
                blue += 0.1 * ax.halo * ay.halo;
            }
        }
        l = clamp01(l);
        return rgb(255 * l, 255 * l, 255 * clamp01(l + blue));
    });
}

// 煉瓦: red bricks in running bond with light mortar.
QImage tile_renga(QSize size) {
    const Grid g = tile_grid(size);
    const PeriodicNoise waves(59, TPX, TPY, 4, 12, 0.6);
    const GridNoise n(waves, g), n2(waves, g, 2.0); // n2: twice as fine across, for the mortar
    return shade(g, [&](int i, int j) {
        const double x = g.x[i], y = g.y[j];
        const double course = 11.0; // 4 courses in 44 units
        const int row = static_cast<int>(y / course);
        const double fy = y - row * course; // 0..11
        const double off = (row & 1) ? 9.0 : 0.0;
        const double bx = wrap(x + off, TPX); // 2 bricks of 19 in 38
        const int col = static_cast<int>(bx / 19.0);
        const double fx = bx - col * 19.0; // 0..19
        const Rgb mortar = scaled(Rgb{196, 186, 168}, 1.0 + 0.06 * n2(i, j));
        if (fy < 2.0 || fx < 2.0) return mortar;
        // Brick: its own shade, a rough surface, darker toward the lower right edges.
        const double own = hash01(row, col, 3) - 0.5;
        double k = 1.0 + 0.16 * own + 0.07 * n(i, j) + 0.05 * (hash01(int(x * 3), int(y * 3)) - 0.5);
        if (fy > course - 1.0 || fx > 18.0) k *= 0.82;
        if (fy < 3.0 || fx < 3.0) k *= 1.08;
        return scaled(Rgb{166, 54, 36}, k);
    });
}

// ---------------------------------------------------------------------------------------------
// Title logo, buttons, version and title pictures. Each is laid out in its natural size (w x h) and
// painted through a painter scaled onto the pixels.

// Fills the w x h picture with a gradient from `top` to `bottom`.
void fill_top_to_bottom(QPainter& p, int w, int h, const QColor& top, const QColor& bottom) {
    QLinearGradient bg(0, 0, 0, h);
    bg.setColorAt(0, top);
    bg.setColorAt(1, bottom);
    p.fillRect(QRectF(0, 0, w, h), bg);
}

// The program's logo as a small lacquered plate: "Tessora" in gold, a conveyor of yellow plates
// running along the top and bottom edges.
QImage logo_picture(QSize size, int w, int h) {
    QImage img = new_image(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    use_natural_coordinates(p, scale_of(size, w, h));
    fill_top_to_bottom(p, w, h, QColor(96, 18, 22), QColor(40, 6, 10));
    // Conveyor plates along the top and bottom edges.
    const double cell = 8.6;
    const int n = static_cast<int>((w - 4) / cell);
    const double x0 = (w - n * cell) / 2.0;
    for (int i = 0; i < n; ++i) {
        for (int row = 0; row < 2; ++row) {
            const double y = row == 0 ? 2.0 : h - 8.0;
            QRectF r(x0 + i * cell + 0.5, y, cell - 1.0, 6.0);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(250, 214, 40));
            p.drawRect(r);
        }
    }
    // Gold rule inside the plates.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(222, 182, 84), 1.0));
    p.drawRect(QRectF(2.5, 10.5, w - 5.0, h - 21.0));
    // The name.
    QLinearGradient gold(0, 13, 0, 40);
    gold.setColorAt(0, QColor(255, 236, 160));
    gold.setColorAt(0.5, QColor(236, 192, 84));
    gold.setColorAt(1, QColor(190, 140, 40));
    QPainterPath name = text_path(fonts().pmincho, 27, "Tessora");
    const QRectF b = name.boundingRect();
    name.translate(w / 2.0 - b.center().x(), h / 2.0 - 1.0 - b.center().y());
    p.setPen(QPen(QColor(30, 4, 6), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name.translated(0.8, 0.8));
    p.setPen(QPen(QBrush(gold), 0.6));
    p.setBrush(QBrush(gold));
    p.drawPath(name);
    p.end();
    return img;
}

// A black arrow with a white rim on red, pointing right (or left).
QImage arrow_picture(QSize size, int w, int h, bool right) {
    QImage img = new_image(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    use_natural_coordinates(p, scale_of(size, w, h));
    fill_top_to_bottom(p, w, h, QColor(226, 30, 24), QColor(170, 8, 8));
    const double cy = h / 2.0;
    QPolygonF a;
    // Pointing right: a shaft from x = 9 and a head from x = 42 to the tip at x = 62.
    a << QPointF(9, cy - 4.5) << QPointF(41, cy - 4.5) << QPointF(41, cy - 11.5) << QPointF(62, cy)
      << QPointF(41, cy + 11.5) << QPointF(41, cy + 4.5) << QPointF(9, cy + 4.5);
    if (!right) {
        for (QPointF& pt : a) pt.setX(w - pt.x());
    }
    QPen rim(Qt::white, 2.2);
    rim.setJoinStyle(Qt::MiterJoin);
    p.setPen(rim);
    p.setBrush(Qt::black);
    p.drawPolygon(a);
    p.end();
    return img;
}

// A square or plate, with a piece on it or not, over the pixels of a cell given in natural
// coordinates: drawn at the cell's own pixel size, not enlarged.
void draw_cell(QPainter& p, const Scale& s, const QRectF& cell, bool plate, const Face* face, bool upper) {
    const QRect px = s.pixels(cell);
    const QImage pic = face ? piece_picture(plate, px.size(), *face, upper)
                            : shared_picture(plate ? Shared::PLATE : Shared::SQUARE, px.size());
    p.save();
    p.resetTransform();
    p.drawImage(px.topLeft(), pic);
    p.restore();
}

// The lower right corner of the board at real size: 3 x 3 cells, the conveyor ring along the right
// and bottom, a few pieces. Used by the version and title pictures.
void draw_board_corner(QPainter& p, const Scale& s, int x0, int y0) {
    struct Cell {
        int x, y;
        Face face;
        bool upper;
    };
    const Cell pieces[] = {{0, 0, {"金将", false}, false},
                           {1, 1, {"玉将", false}, false},
                           {2, 0, {"飛車", false}, true},
                           {0, 2, {"と", true}, false},
                           {1, 0, {"歩兵", false}, false}};
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 3; ++y) {
            const bool ring = x == 2 || y == 2;
            const Cell* on = nullptr;
            for (const Cell& c : pieces)
                if (c.x == x && c.y == y) on = &c;
            draw_cell(p, s, QRectF(x0 + x * 38, y0 + y * 44, PW, PH), ring, on ? &on->face : nullptr,
                      on && on->upper);
        }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    for (int x = 0; x < 3; ++x)
        for (int y = 0; y < 3; ++y) p.drawRect(x0 + x * 38, y0 + y * 44, 38, 44);
    p.restore();
}

// The version information, shown in the version dialog above its two buttons.
QImage version_picture(QSize size, int w, int h) {
    QImage img = new_image(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const Scale s = scale_of(size, w, h);
    use_natural_coordinates(p, s);
    QLinearGradient bg(0, 0, w, h);
    bg.setColorAt(0, QColor(252, 246, 230));
    bg.setColorAt(1, QColor(234, 220, 190));
    p.fillRect(QRectF(0, 0, w, h), bg);
    // Left: a corner of the board with its conveyor ring.
    const int bx = 18, by = (h - 3 * 44) / 2;
    draw_board_corner(p, s, bx, by);
    // Right: the texts.
    const QString& pmincho = fonts().pmincho;
    const double tx = bx + 3 * 38 + (w - (bx + 3 * 38)) / 2.0;
    QLinearGradient ink(0, 30, 0, 70);
    ink.setColorAt(0, QColor(130, 18, 22));
    ink.setColorAt(1, QColor(70, 6, 10));
    QPainterPath name = text_path(pmincho, 40, "Tessora");
    const QRectF b = name.boundingRect();
    name.translate(tx - b.center().x(), h * 0.27 - b.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(ink));
    p.drawPath(name);
    p.setPen(QPen(QColor(150, 112, 40), 1.0));
    p.drawLine(QPointF(tx - 70, h * 0.45), QPointF(tx + 70, h * 0.45));
    draw_text_centered(p, pmincho, 18, "コンベア将棋", tx, h * 0.58, QColor(30, 20, 10), 0.25);
    draw_text_centered(p, pmincho, 15, "Version 1.0", tx, h * 0.74, QColor(30, 20, 10), 0.15);
    draw_text_centered(p, pmincho, 12, "将棋盤を囲む40マスの回転盤", tx, h * 0.88, QColor(96, 72, 40), 0.1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 112, 40), 2.0));
    p.drawRect(QRectF(2, 2, w - 4, h - 4));
    p.end();
    return img;
}

// The start-up title picture: the name between the two kings, a conveyor with pieces riding it.
QImage title_picture(QSize size, int w, int h) {
    QImage img = new_image(size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const Scale s = scale_of(size, w, h);
    use_natural_coordinates(p, s);
    QRadialGradient bg(QPointF(w / 2.0, h * 0.40), w * 0.7);
    bg.setColorAt(0, QColor(116, 26, 30));
    bg.setColorAt(1, QColor(30, 4, 8));
    p.fillRect(QRectF(0, 0, w, h), bg);
    // A conveyor of plates along the bottom, with pieces riding it.
    const int n = (w - 20) / 38;
    const int x0 = (w - n * 38) / 2, y0 = h - PH - 12;
    const Face faces[] = {{"飛車", false}, {"", false},  {"と", true}, {"角行", false}, {"", false},
                          {"銀将", false}, {"龍", true}, {"", false},  {"香車", false}, {"桂馬", false}};
    const bool upper[] = {false, false, true, false, false, true, false, false, true, false};
    for (int i = 0; i < n; ++i) {
        const Face& f = faces[i % 10];
        draw_cell(p, s, QRectF(x0 + i * 38, y0, PW, PH), true, f.text.isEmpty() ? nullptr : &f,
                  upper[i % 10]);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < n; ++i) p.drawRect(x0 + i * 38, y0, 38, 44);
    p.setRenderHint(QPainter::Antialiasing, true);
    // The two kings facing each other across the name.
    const Face gyoku{"玉将", false}, ou{"王将", false};
    draw_cell(p, s, QRectF(28, 24, PW, PH), false, &gyoku, false);
    draw_cell(p, s, QRectF(w - 28 - PW, 24, PW, PH), false, &ou, true);
    // The name and the subtitle.
    QLinearGradient gold(0, 50, 0, 110);
    gold.setColorAt(0, QColor(255, 240, 170));
    gold.setColorAt(0.5, QColor(238, 194, 84));
    gold.setColorAt(1, QColor(184, 132, 36));
    const QString& pmincho = fonts().pmincho;
    QPainterPath name = text_path(pmincho, 64, "Tessora");
    const QRectF b = name.boundingRect();
    name.translate(w / 2.0 - b.center().x(), h * 0.33 - b.center().y());
    p.setPen(QPen(QColor(20, 2, 4), 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name.translated(1.5, 1.5));
    p.setPen(QPen(QBrush(gold), 0.8));
    p.setBrush(QBrush(gold));
    p.drawPath(name);
    draw_text_centered(p, pmincho, 21, "コンベア将棋", w / 2.0, h * 0.57, QColor(250, 236, 200), 0.3);
    p.setPen(QPen(QColor(222, 182, 84), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(4, 4, w - 8, h - 8));
    p.end();
    return img;
}

// ---------------------------------------------------------------------------------------------
// Which piece a picture shows.

// The pieces stand in platform/pictures.h as: the lower side's six kinds (unpromoted, promoted), its
// gold and king, the same for the upper side, the empty square; then the plates: each side's six
// kinds and gold (no kings), the empty plate.
static_assert(static_cast<int>(Pic::SITA_HU_0) == 0 && static_cast<int>(Pic::UE_HU_0) == 14 &&
              static_cast<int>(Pic::KARA_MASU) == 28 && static_cast<int>(Pic::SITA_HU_K0) == 29 &&
              static_cast<int>(Pic::UE_HU_K0) == 42 && static_cast<int>(Pic::KARA_MASU_K) == 55 &&
              static_cast<int>(Pic::HAIKEI_MIDORI) == 56);

struct PieceArt {
    Face face;
    bool plate;
    bool upper;
};

// The piece of a picture 0..55 but the two empty ones.
PieceArt piece_of(int index) {
    static const char* const kinds[6][2] = {{"歩兵", "と"}, {"香車", "杏"}, {"桂馬", "圭"},
                                            {"銀将", "全"}, {"角行", "馬"}, {"飛車", "龍"}};
    const bool plate = index > static_cast<int>(Pic::KARA_MASU);
    const int per_side = plate ? 13 : 14;
    const int i = plate ? index - static_cast<int>(Pic::SITA_HU_K0) : index;
    const bool upper = i >= per_side;
    const int k = i % per_side;
    if (k < 12) return {{kinds[k / 2][k % 2], k % 2 == 1}, plate, upper};
    if (k == 12) return {{"金将", false}, plate, upper};
    return {{upper ? "王将" : "玉将", false}, plate, upper};
}

} // namespace

QImage draw_picture(Pic p, QSize pixels) {
    if (p <= Pic::None || p >= Pic::Count || pixels.isEmpty()) return {};
    const PicInfo& info = pic_info(p);
    switch (p) {
    case Pic::KARA_MASU:
        return shared_picture(Shared::SQUARE, pixels);
    case Pic::KARA_MASU_K:
        return shared_picture(Shared::PLATE, pixels);
    case Pic::HAIKEI_MIDORI:
        return tile_midori(pixels);
    case Pic::HAIKEI_TATAMI:
        return tile_tatami(pixels);
    case Pic::HAIKEI_TAKE:
        return tile_take(pixels);
    case Pic::HAIKEI_UCHU:
        return tile_uchu(pixels);
    case Pic::HAIKEI_RENGA:
        return tile_renga(pixels);
    case Pic::RUZIVUVOD:
        return logo_picture(pixels, info.width, info.height);
    case Pic::ARROW_L:
    case Pic::ARROW_R:
        return arrow_picture(pixels, info.width, info.height, p == Pic::ARROW_R);
    case Pic::VERSION:
        return version_picture(pixels, info.width, info.height);
    case Pic::TITLE_WINDOW:
        return title_picture(pixels, info.width, info.height);
    default: {
        const PieceArt a = piece_of(static_cast<int>(p));
        return piece_picture(a.plate, pixels, a.face, a.upper);
    }
    }
}
