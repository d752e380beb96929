// make_assets OUTPUT_DIR
//
// Generates every picture of platform/pictures.h into OUTPUT_DIR/pictures/ (24-bit BMP, the two
// dialog pictures as JPEG), the program's icon into OUTPUT_DIR/icons/hicolor/ and the four wave files
// into OUTPUT_DIR/ (mono, 22050 Hz, 16-bit PCM).
// Everything is drawn or synthesised here; random numbers come from fixed seeds, so two runs give
// identical files. Run with QT_QPA_PLATFORM=offscreen; the fonts are IPA (P) Mincho.
#include "platform/pictures.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRadialGradient>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

// ---------------------------------------------------------------------------------------------
// Deterministic random numbers.

class Rng {
  public:
    explicit Rng(uint64_t seed) : s_(seed ? seed : 0x9E3779B97F4A7C15ull) {}
    uint64_t next() {
        // xorshift64*
        s_ ^= s_ >> 12;
        s_ ^= s_ << 25;
        s_ ^= s_ >> 27;
        return s_ * 0x2545F4914F6CDD1Dull;
    }
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); } // [0,1)
    double symmetric() { return 2.0 * uniform() - 1.0; }                                        // [-1,1)

  private:
    uint64_t s_;
};

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
    return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0)));
}
QColor rgb(double r, double g, double b) {
    return QColor(to8(r), to8(g), to8(b));
}
QColor mix(const QColor& a, const QColor& b, double t) {
    return rgb(a.red() + (b.red() - a.red()) * t, a.green() + (b.green() - a.green()) * t,
               a.blue() + (b.blue() - a.blue()) * t);
}
QColor scaled(const QColor& c, double k) {
    return rgb(c.red() * k, c.green() * k, c.blue() * k);
}

// ---------------------------------------------------------------------------------------------
// Fonts.

QString g_mincho = "IPAMincho";   // fixed-pitch Mincho: piece faces
QString g_pmincho = "IPAPMincho"; // proportional Mincho: titles and Latin text

void load_fonts() {
    const char* files[] = {"/usr/share/fonts/opentype/ipafont-mincho/ipam.ttf",
                           "/usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf",
                           "/usr/share/fonts/truetype/fonts-japanese-mincho.ttf"};
    for (const char* f : files) {
        if (!QFile::exists(f)) continue;
        const int id = QFontDatabase::addApplicationFont(f);
        if (id < 0) continue;
        for (const QString& fam : QFontDatabase::applicationFontFamilies(id)) {
            if (fam == "IPAMincho") g_mincho = fam;
            if (fam == "IPAPMincho") g_pmincho = fam;
        }
    }
    if (!QFontDatabase::families().contains(g_mincho) || !QFontDatabase::families().contains(g_pmincho))
        std::fprintf(stderr, "make_assets: warning: IPA Mincho fonts not found (fonts-ipafont-mincho)\n");
}

QFont font_px(const QString& family, double pixels) {
    QFont f(family);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixels))));
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::PreferAntialias);
    return f;
}

// The outline of a text, laid out on one line with its baseline at y = 0.
QPainterPath text_path(const QString& family, double pixels, const QString& text) {
    QPainterPath path;
    QFont f = font_px(family, 100); // lay out large, then scale: exact sub-pixel size
    path.addText(0, 0, f, text);
    return QTransform::fromScale(pixels / 100.0, pixels / 100.0).map(path);
}

// Fills a text outline centred (by its ink) at (cx, cy), thickened by a stroke of the given width.

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

// shear leans the glyph like a brush written quickly.
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
    QFont f = font_px(family, 100);
    QFontMetricsF fm(f);
    const double k = pixels / 100.0;
    const double adv = fm.horizontalAdvance(text) * k;
    // CJK glyphs fill the em square from ascent 0.88 em above the baseline to 0.12 em below.
    const double top = -0.88 * pixels, bottom = 0.12 * pixels;
    path.translate(cx - adv / 2.0, cy - (top + bottom) / 2.0);
    fill_path(p, path, colour, embolden);
}

// ---------------------------------------------------------------------------------------------
// Image helpers.

QImage new_image(int w, int h, const QColor& fill = Qt::black) {
    QImage img(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

// Per-pixel painter: f(x, y) -> colour, on the pixel centres.
void shade(QImage& img, const std::function<QColor(double, double)>& f) {
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) img.setPixelColor(x, y, f(x + 0.5, y + 0.5));
}

bool save_bmp(const QImage& img, const QString& path) {
    const QImage out = img.convertToFormat(QImage::Format_RGB888);
    return out.save(path, "BMP");
}

bool save_jpg(const QImage& img, const QString& path) {
    const QImage out = img.convertToFormat(QImage::Format_RGB888);
    return out.save(path, "JPG", 92);
}

// ---------------------------------------------------------------------------------------------
// Board square and conveyor plate.

constexpr int PW = 39, PH = 44; // piece pictures

// Smooth periodic noise: a sum of sinusoids with whole numbers of periods across (w, h), so that
// the pattern repeats exactly every w pixels across and h pixels down.
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
    double operator()(double x, double y) const {
        double s = 0;
        for (const auto& v : waves) s += v.amp * std::sin(2 * kPi * (v.kx * x / w + v.ky * y / h) + v.phase);
        return s; // roughly in [-1, 1]
    }
};

// Plain wood of a board square: a warm light brown with a faint grain running across.
QImage wood_square() {
    QImage img = new_image(PW, PH);
    const QColor base(222, 178, 108);
    shade(img, [&](double x, double y) {
        // Grain: fine wavy lines along x, very faint.
        const double wave = std::sin(y * 1.15 + 1.3 * std::sin(x * 0.11 + 0.7) + 0.35 * std::sin(x * 0.31));
        const double grain = 0.035 * wave + 0.012 * std::sin(y * 3.1 + x * 0.05);
        return scaled(base, 1.0 + grain);
    });
    return img;
}

// Plain yellow conveyor plate with a slight bevel so it reads as a plate.
QImage yellow_plate() {
    QImage img = new_image(PW, PH);
    const QColor base(250, 222, 40);
    shade(img, [&](double x, double y) {
        double k = 1.0;
        if (x < 1.5 || y < 1.5) k = 1.03;           // lit top and left edge
        if (x > PW - 1.5 || y > PH - 1.5) k = 0.86; // shaded bottom and right edge
        QColor c = scaled(base, k);
        if (x < 1.5 || y < 1.5) c = mix(c, QColor(255, 250, 190), 0.45);
        return c;
    });
    return img;
}

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

// The piece itself (pentagon and lettering) on a transparent layer, pointing up.
QImage piece_layer(const Face& face) {
    QImage layer(PW, PH, QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    QPainter p(&layer);
    p.setRenderHint(QPainter::Antialiasing, true);

    const QPolygonF poly = pentagon();
    // Lighter wood, lit from the upper left.
    QLinearGradient g(QPointF(4, 2), QPointF(35, 42));
    g.setColorAt(0.0, QColor(252, 232, 186));
    g.setColorAt(0.55, QColor(244, 214, 158));
    g.setColorAt(1.0, QColor(230, 194, 132));
    p.setBrush(g);
    p.setPen(QPen(QColor(96, 60, 24), 1.0, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolygon(poly);
    // A faint grain on the face.
    p.setClipRegion(QRegion(poly.toPolygon()).intersected(QRect(6, 9, 28, 32)));
    p.setPen(QPen(QColor(200, 160, 100, 38), 0.8));
    for (int i = 0; i < 6; ++i) {
        const double y0 = 12 + i * 5.3;
        QPainterPath w;
        w.moveTo(5, y0);
        w.cubicTo(14, y0 - 1.4, 24, y0 + 1.6, 35, y0 + 0.2);
        p.drawPath(w);
    }
    p.setClipping(false);

    if (!face.promoted) {
        const QColor ink(0, 0, 0);
        draw_text_em_centered(p, g_mincho, 15.2, face.text.mid(0, 1), 19.5, 18.3, ink, 0.55);
        draw_text_em_centered(p, g_mincho, 15.2, face.text.mid(1, 1), 19.5, 33.6, ink, 0.55);
    } else {
        // Red, brush-like: one large character leaning forward and a little narrower.
        const QColor red(196, 16, 16);
        draw_text_centered(p, g_mincho, 22.5, face.text, 19.8, 26.5, red, 0.95, -0.16, 0.92);
    }
    p.end();
    return layer;
}

// Composes a piece onto a square: shadow, then the piece; upper pieces are turned by 180 degrees.
QImage piece_picture(const QImage& square, const Face& face, bool upper) {
    QImage layer = piece_layer(face);
    if (upper) layer = layer.mirrored(true, true); // a half turn
    QImage out = square.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter p(&out);
    // Soft shadow one pixel below and right of the piece.
    QImage shadow(PW, PH, QImage::Format_ARGB32_Premultiplied);
    shadow.fill(Qt::transparent);
    {
        QPainter s(&shadow);
        s.drawImage(0, 0, layer);
        s.setCompositionMode(QPainter::CompositionMode_SourceIn);
        s.fillRect(shadow.rect(), QColor(60, 35, 10, 110));
    }
    p.drawImage(1, 1, shadow);
    p.drawImage(0, 0, layer);
    p.end();
    return out;
}

// ---------------------------------------------------------------------------------------------
// Background tiles, 40 x 45, repeating every 38 x 44 pixels: the screen places them one cell apart
// (570 x 660 twips = 38 x 44 pixels), so the last two columns and the last row overlap the next tile
// and must repeat its first ones.

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

// Pixel coordinates reduced to one period (pixel centres).
void tile_coords(int x, int y, double& px, double& py) {
    px = wrap(x + 0.5, TPX);
    py = wrap(y + 0.5, TPY);
}

QImage tile_from(const std::function<QColor(double, double)>& f) {
    QImage img = new_image(TW, TH);
    for (int y = 0; y < TH; ++y)
        for (int x = 0; x < TW; ++x) {
            double px, py;
            tile_coords(x, y, px, py);
            img.setPixelColor(x, y, f(px, py));
        }
    return img;
}

// 網: deep blue with a light diamond net, knotted where the strings cross.
QImage tile_midori() {
    const QColor sea(22, 58, 150), string(176, 208, 246);
    PeriodicNoise n(11, TPX, TPY, 2, 6, 1.0);
    return tile_from([&](double x, double y) {
        // Two families of lines: x/38 + y/44 = k/2 and x/38 - y/44 = k/2.
        const double gu = 2.0 * std::sqrt(1 / (TPX * TPX) + 1 / (TPY * TPY));
        const double u = 2.0 * (x / TPX + y / TPY) + 0.5, v = 2.0 * (x / TPX - y / TPY) + 0.5;
        const double du = dist_to_grid(u, 1.0) / gu, dv = dist_to_grid(v, 1.0) / gu; // in pixels
        const double line = std::max(clamp01(1.15 - du), clamp01(1.15 - dv));
        const double knot = clamp01(1.9 - std::hypot(du, dv));
        const double a = std::max(line * 0.72, knot * 0.9);
        QColor base = scaled(sea, 1.0 + 0.10 * n(x, y) - 0.05 * (y / TPY));
        return mix(base, string, a);
    });
}

// 畳: green rush matting, rows of straw with a woven look and faint warp threads.
QImage tile_tatami() {
    const QColor straw(128, 164, 72);
    PeriodicNoise n(23, TPX, TPY, 3, 10, 0.8);
    return tile_from([&](double x, double y) {
        const double row = 4.0;                      // 11 rows of straw in 44 pixels
        const int r = static_cast<int>(y / row);     // 0..10
        const double fy = (y - r * row) / row;       // 0..1 within the row
        const double roundness = std::sin(fy * kPi); // each straw is round
        const int seg = static_cast<int>(x / 19.0 + ((r & 1) ? 0.5 : 0.0)) % 2; // weave
        double k = 0.78 + 0.30 * roundness + (seg ? 0.04 : -0.03);
        k += 0.05 * (hash01(r, 7) - 0.5) + 0.06 * n(x, y);
        k += 0.03 * std::sin(2 * kPi * (x / TPX * 6 + r * 0.37)); // fibre
        QColor c = scaled(straw, k);
        // Warp threads every 19 pixels, partly hidden in the straw.
        const double dw = dist_to_grid(x - 9.5, 19.0);
        if (dw < 0.8) c = mix(c, QColor(84, 104, 46), 0.45 * (1 - roundness * 0.6));
        return c;
    });
}

// 竹: two green bamboo stalks side by side, each with a node, on a dark gap.
QImage tile_take() {
    PeriodicNoise n(37, TPX, TPY, 3, 8, 1.0);
    return tile_from([&](double x, double y) {
        const int stalk = x < 19.0 ? 0 : 1;
        const double left = stalk * 19.0 + 1.5, width = 16.0;
        const double t = (x - left) / width; // 0..1 across the stalk
        if (t < 0.0 || t > 1.0) return rgb(18, 46, 18);
        // Cylinder shading with a highlight left of centre.
        const double c = std::cos((t - 0.5) * kPi);
        const double hl = std::exp(-std::pow((t - 0.32) / 0.12, 2.0));
        double k = 0.45 + 0.55 * c + 0.05 * n(x, y) + 0.02 * std::sin(2 * kPi * x / 2.0);
        QColor g = scaled(QColor(78, 156, 54), k);
        g = mix(g, QColor(200, 236, 160), 0.45 * hl);
        // Node: a raised ring with a dark groove below it.
        const double node = stalk == 0 ? 11.0 : 33.0;
        const double dy = wrap(y - node + TPY / 2, TPY) - TPY / 2;
        if (std::abs(dy) < 1.0)
            g = mix(g, QColor(214, 236, 170), 0.55 * c);
        else if (dy >= 1.0 && dy < 2.2)
            g = scaled(g, 0.55);
        else if (dy <= -1.0 && dy > -2.0)
            g = scaled(g, 0.85);
        return g;
    });
}

// 宇宙: black with white stars of several sizes, one with a small cross of light.
QImage tile_uchu() {
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
    return tile_from([&](double x, double y) {
        double l = 0, blue = 0;
        for (const Star& s : stars) {
            double dx = wrap(x - s.x + TPX / 2, TPX) - TPX / 2;
            double dy = wrap(y - s.y + TPY / 2, TPY) - TPY / 2;
            const double d2 = dx * dx + dy * dy;
            l += s.b * std::exp(-d2 / (2 * s.r * s.r));
            if (s.r > 0.6) { // a cross of light
                l += 0.35 * s.b * std::exp(-std::abs(dx) * 0.9) * std::exp(-dy * dy / 0.18);
                l += 0.35 * s.b * std::exp(-std::abs(dy) * 0.9) * std::exp(-dx * dx / 0.18);
                blue += 0.1 * std::exp(-d2 / 8.0);
            }
        }
        l = clamp01(l);
        return rgb(255 * l, 255 * l, 255 * clamp01(l + blue));
    });
}

// 煉瓦: red bricks in running bond with light mortar.
QImage tile_renga() {
    PeriodicNoise n(59, TPX, TPY, 4, 12, 0.6);
    return tile_from([&](double x, double y) {
        const double course = 11.0; // 4 courses in 44 pixels
        const int row = static_cast<int>(y / course);
        const double fy = y - row * course; // 0..11
        const double off = (row & 1) ? 9.0 : 0.0;
        const double bx = wrap(x + off, TPX); // 2 bricks of 19 in 38
        const int col = static_cast<int>(bx / 19.0);
        const double fx = bx - col * 19.0; // 0..19
        const QColor mortar = scaled(QColor(196, 186, 168), 1.0 + 0.06 * n(x * 2, y));
        if (fy < 2.0 || fx < 2.0) return mortar;
        // Brick: its own shade, a rough surface, darker toward the lower right edges.
        const double own = hash01(row, col, 3) - 0.5;
        double k = 1.0 + 0.16 * own + 0.07 * n(x, y) + 0.05 * (hash01(int(x * 3), int(y * 3)) - 0.5);
        if (fy > course - 1.0 || fx > 18.0) k *= 0.82;
        if (fy < 3.0 || fx < 3.0) k *= 1.08;
        return scaled(QColor(166, 54, 36), k);
    });
}

// ---------------------------------------------------------------------------------------------
// Title logo, buttons, version and title pictures.

// The program's logo as a small lacquered plate: "Tessora" in gold, a conveyor of yellow plates
// running along the top and bottom edges.
QImage logo_picture(int w, int h) {
    QImage img = new_image(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient bg(0, 0, 0, h);
    bg.setColorAt(0, QColor(96, 18, 22));
    bg.setColorAt(1, QColor(40, 6, 10));
    p.fillRect(img.rect(), bg);
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
    QPainterPath name = text_path(g_pmincho, 27, "Tessora");
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
QImage arrow_picture(int w, int h, bool right) {
    QImage img = new_image(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient bg(0, 0, 0, h);
    bg.setColorAt(0, QColor(226, 30, 24));
    bg.setColorAt(1, QColor(170, 8, 8));
    p.fillRect(img.rect(), bg);
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

// The lower right corner of the board at real size: 3 x 3 cells, the conveyor ring along the right
// and bottom, a few pieces. Used by the version and title pictures.
void draw_board_corner(QPainter& p, int x0, int y0, const QImage& square, const QImage& plate) {
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
            QImage pic = ring ? plate : square;
            for (const Cell& c : pieces)
                if (c.x == x && c.y == y) pic = piece_picture(ring ? plate : square, c.face, c.upper);
            p.drawImage(x0 + x * 38, y0 + y * 44, pic);
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
QImage version_picture(int w, int h, const QImage& square, const QImage& plate) {
    QImage img = new_image(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QLinearGradient bg(0, 0, w, h);
    bg.setColorAt(0, QColor(252, 246, 230));
    bg.setColorAt(1, QColor(234, 220, 190));
    p.fillRect(img.rect(), bg);
    // Left: a corner of the board with its conveyor ring.
    const int bx = 18, by = (h - 3 * 44) / 2;
    draw_board_corner(p, bx, by, square, plate);
    // Right: the texts.
    const double tx = bx + 3 * 38 + (w - (bx + 3 * 38)) / 2.0;
    QLinearGradient ink(0, 30, 0, 70);
    ink.setColorAt(0, QColor(130, 18, 22));
    ink.setColorAt(1, QColor(70, 6, 10));
    QPainterPath name = text_path(g_pmincho, 40, "Tessora");
    const QRectF b = name.boundingRect();
    name.translate(tx - b.center().x(), h * 0.27 - b.center().y());
    p.setPen(Qt::NoPen);
    p.setBrush(QBrush(ink));
    p.drawPath(name);
    p.setPen(QPen(QColor(150, 112, 40), 1.0));
    p.drawLine(QPointF(tx - 70, h * 0.45), QPointF(tx + 70, h * 0.45));
    draw_text_centered(p, g_pmincho, 18, "コンベア将棋", tx, h * 0.58, QColor(30, 20, 10), 0.25);
    draw_text_centered(p, g_pmincho, 15, "Version 1.0", tx, h * 0.74, QColor(30, 20, 10), 0.15);
    draw_text_centered(p, g_pmincho, 12, "将棋盤を囲む40マスの回転盤", tx, h * 0.88, QColor(96, 72, 40), 0.1);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(150, 112, 40), 2.0));
    p.drawRect(QRectF(2, 2, w - 4, h - 4));
    p.end();
    return img;
}

// The start-up title picture: the name between the two kings, a conveyor with pieces riding it.
QImage title_picture(int w, int h, const QImage& square, const QImage& plate) {
    QImage img = new_image(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    QRadialGradient bg(QPointF(w / 2.0, h * 0.40), w * 0.7);
    bg.setColorAt(0, QColor(116, 26, 30));
    bg.setColorAt(1, QColor(30, 4, 8));
    p.fillRect(img.rect(), bg);
    // A conveyor of plates along the bottom, with pieces riding it.
    const int n = (w - 20) / 38;
    const int x0 = (w - n * 38) / 2, y0 = h - PH - 12;
    const Face faces[] = {{"飛車", false}, {"", false},  {"と", true}, {"角行", false}, {"", false},
                          {"銀将", false}, {"龍", true}, {"", false},  {"香車", false}, {"桂馬", false}};
    const bool upper[] = {false, false, true, false, false, true, false, false, true, false};
    for (int i = 0; i < n; ++i) {
        const Face& f = faces[i % 10];
        QImage pic = f.text.isEmpty() ? plate : piece_picture(plate, f, upper[i % 10]);
        p.drawImage(x0 + i * 38, y0, pic);
    }
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::black, 1.0));
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < n; ++i) p.drawRect(x0 + i * 38, y0, 38, 44);
    p.setRenderHint(QPainter::Antialiasing, true);
    // The two kings facing each other across the name.
    p.drawImage(28, 24, piece_picture(square, {"玉将", false}, false));
    p.drawImage(w - 28 - PW, 24, piece_picture(square, {"王将", false}, true));
    // The name and the subtitle.
    QLinearGradient gold(0, 50, 0, 110);
    gold.setColorAt(0, QColor(255, 240, 170));
    gold.setColorAt(0.5, QColor(238, 194, 84));
    gold.setColorAt(1, QColor(184, 132, 36));
    QPainterPath name = text_path(g_pmincho, 64, "Tessora");
    const QRectF b = name.boundingRect();
    name.translate(w / 2.0 - b.center().x(), h * 0.33 - b.center().y());
    p.setPen(QPen(QColor(20, 2, 4), 3.0));
    p.setBrush(Qt::NoBrush);
    p.drawPath(name.translated(1.5, 1.5));
    p.setPen(QPen(QBrush(gold), 0.8));
    p.setBrush(QBrush(gold));
    p.drawPath(name);
    draw_text_centered(p, g_pmincho, 21, "コンベア将棋", w / 2.0, h * 0.57, QColor(250, 236, 200), 0.3);
    p.setPen(QPen(QColor(222, 182, 84), 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(4, 4, w - 8, h - 8));
    p.end();
    return img;
}

// ---------------------------------------------------------------------------------------------
// Pictures: the whole list of platform/pictures.h.

bool make_pictures(const QString& dir) {
    const QImage square = wood_square();
    const QImage plate = yellow_plate();

    // Faces per kind: index 0 and 1.
    const Face hu[2] = {{"歩兵", false}, {"と", true}};
    const Face kyou[2] = {{"香車", false}, {"杏", true}};
    const Face kei[2] = {{"桂馬", false}, {"圭", true}};
    const Face gin[2] = {{"銀将", false}, {"全", true}};
    const Face kaku[2] = {{"角行", false}, {"馬", true}};
    const Face sya[2] = {{"飛車", false}, {"龍", true}};
    const Face kin = {"金将", false};
    const Face gyoku = {"玉将", false};
    const Face ou = {"王将", false};

    std::array<QImage, kPicCount> pics;
    auto put_pair = [&](Pic first, const Face f[2], const QImage& base, bool upper) {
        pics[static_cast<int>(first)] = piece_picture(base, f[0], upper);
        pics[static_cast<int>(first) + 1] = piece_picture(base, f[1], upper);
    };
    for (int side = 0; side < 2; ++side) {
        const bool upper = side == 1;
        for (int k = 0; k < 2; ++k) {
            const QImage& base = k == 0 ? square : plate;
            Pic hu0, kyou0, kei0, gin0, kaku0, sya0, kinp;
            if (!upper && k == 0) {
                hu0 = Pic::SITA_HU_0, kyou0 = Pic::SITA_KYOU_0, kei0 = Pic::SITA_KEI_0,
                gin0 = Pic::SITA_GIN_0;
                kaku0 = Pic::SITA_KAKU_0, sya0 = Pic::SITA_SYA_0, kinp = Pic::SITA_KIN;
            } else if (upper && k == 0) {
                hu0 = Pic::UE_HU_0, kyou0 = Pic::UE_KYOU_0, kei0 = Pic::UE_KEI_0, gin0 = Pic::UE_GIN_0;
                kaku0 = Pic::UE_KAKU_0, sya0 = Pic::UE_SYA_0, kinp = Pic::UE_KIN;
            } else if (!upper) {
                hu0 = Pic::SITA_HU_K0, kyou0 = Pic::SITA_KYOU_K0, kei0 = Pic::SITA_KEI_K0,
                gin0 = Pic::SITA_GIN_K0;
                kaku0 = Pic::SITA_KAKU_K0, sya0 = Pic::SITA_SYA_K0, kinp = Pic::SITA_KIN_K;
            } else {
                hu0 = Pic::UE_HU_K0, kyou0 = Pic::UE_KYOU_K0, kei0 = Pic::UE_KEI_K0, gin0 = Pic::UE_GIN_K0;
                kaku0 = Pic::UE_KAKU_K0, sya0 = Pic::UE_SYA_K0, kinp = Pic::UE_KIN_K;
            }
            put_pair(hu0, hu, base, upper);
            put_pair(kyou0, kyou, base, upper);
            put_pair(kei0, kei, base, upper);
            put_pair(gin0, gin, base, upper);
            put_pair(kaku0, kaku, base, upper);
            put_pair(sya0, sya, base, upper);
            pics[static_cast<int>(kinp)] = piece_picture(base, kin, upper);
        }
    }
    pics[static_cast<int>(Pic::SITA_OU)] = piece_picture(square, gyoku, false);
    pics[static_cast<int>(Pic::UE_OU)] = piece_picture(square, ou, true);
    pics[static_cast<int>(Pic::KARA_MASU)] = square;
    pics[static_cast<int>(Pic::KARA_MASU_K)] = plate;
    pics[static_cast<int>(Pic::HAIKEI_MIDORI)] = tile_midori();
    pics[static_cast<int>(Pic::HAIKEI_TATAMI)] = tile_tatami();
    pics[static_cast<int>(Pic::HAIKEI_TAKE)] = tile_take();
    pics[static_cast<int>(Pic::HAIKEI_UCHU)] = tile_uchu();
    pics[static_cast<int>(Pic::HAIKEI_RENGA)] = tile_renga();

    auto info = [](Pic p) { return pic_info(p); };
    pics[static_cast<int>(Pic::RUZIVUVOD)] =
        logo_picture(info(Pic::RUZIVUVOD).width, info(Pic::RUZIVUVOD).height);
    pics[static_cast<int>(Pic::ARROW_L)] =
        arrow_picture(info(Pic::ARROW_L).width, info(Pic::ARROW_L).height, false);
    pics[static_cast<int>(Pic::ARROW_R)] =
        arrow_picture(info(Pic::ARROW_R).width, info(Pic::ARROW_R).height, true);
    pics[static_cast<int>(Pic::VERSION)] =
        version_picture(info(Pic::VERSION).width, info(Pic::VERSION).height, square, plate);
    pics[static_cast<int>(Pic::TITLE_WINDOW)] =
        title_picture(info(Pic::TITLE_WINDOW).width, info(Pic::TITLE_WINDOW).height, square, plate);

    bool ok = true;
    for (int i = 0; i < kPicCount; ++i) {
        const PicInfo& pi = pic_info(static_cast<Pic>(i));
        QImage img = pics[i];
        if (img.isNull() || img.width() != pi.width || img.height() != pi.height) {
            std::fprintf(stderr, "make_assets: picture %s has the wrong size (%dx%d, wanted %dx%d)\n",
                         pi.file, img.width(), img.height(), pi.width, pi.height);
            ok = false;
            continue;
        }
        const QString path = dir + "/" + QString::fromUtf8(pi.file);
        const bool jpg =
            path.endsWith(".jpg", Qt::CaseInsensitive) || path.endsWith(".jpeg", Qt::CaseInsensitive);
        if (!(jpg ? save_jpg(img, path) : save_bmp(img, path))) {
            std::fprintf(stderr, "make_assets: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok;
}

// ---------------------------------------------------------------------------------------------
// The program's icon: an upright piece bearing 王 on a yellow conveyor plate. It is drawn on a grid of
// 16 units with the strokes on whole units, so that at 16 px every stroke is one crisp pixel and the
// king still reads; the larger sizes are the same drawing, finer.

QImage icon_picture(int s) {
    QImage img(s, s, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing, true);
    const double u = s / 16.0;
    auto at = [u](double x, double y) { return QPointF(x * u, y * u); };

    // The plate, with a darker rim.
    p.setPen(QPen(QColor(176, 140, 12), std::max(1.0, 0.5 * u)));
    p.setBrush(QColor(250, 222, 40));
    p.drawRoundedRect(QRectF(at(0.5, 0.5), at(15.5, 15.5)), 2.2 * u, 2.2 * u);

    QPolygonF piece;
    piece << at(8, 0.8) << at(12.4, 3.2) << at(13.6, 15.2) << at(2.4, 15.2) << at(3.6, 3.2);
    if (s >= 32) { // a soft shadow where it can be seen
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(60, 35, 10, 90));
        p.drawPolygon(QTransform::fromTranslate(0.35 * u, 0.35 * u).map(piece));
    }
    QLinearGradient wood(at(2, 1), at(14, 15));
    wood.setColorAt(0.0, QColor(252, 232, 186));
    wood.setColorAt(1.0, QColor(226, 188, 124));
    p.setBrush(wood);
    p.setPen(QPen(QColor(96, 60, 24), std::max(1.0, 0.55 * u), Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolygon(piece);

    // 王 from bars on whole pixels: three across and one down.
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor ink(24, 14, 6);
    const int bar = std::max(1, static_cast<int>(std::lround(1.3 * u)));
    auto px = [u](double v) { return static_cast<int>(std::lround(v * u)); };
    p.fillRect(QRect(px(5), px(5), px(11) - px(5), bar), ink);
    p.fillRect(QRect(px(5.5), px(8.5), px(10.5) - px(5.5), bar), ink);
    p.fillRect(QRect(px(4.5), px(12), px(11.5) - px(4.5), bar), ink);
    p.fillRect(QRect(px(8) - bar / 2, px(5), bar, px(12) - px(5)), ink);
    p.end();
    return img;
}

// The icon at the sizes of the hicolor theme, laid out as the theme is: DIR/NxN/apps/tessora.png.
bool make_icons(const QString& dir) {
    bool ok = true;
    for (int s : {16, 24, 32, 48, 64, 128, 256, 512}) {
        const QString folder = QString("%1/%2x%2/apps").arg(dir).arg(s);
        const QString path = folder + "/tessora.png";
        if (!QDir().mkpath(folder) || !icon_picture(s).save(path, "PNG")) {
            std::fprintf(stderr, "make_assets: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok;
}

// ---------------------------------------------------------------------------------------------
// Sound.

constexpr int kRate = 22050;

using Samples = std::vector<double>;

bool write_wav(const QString& path, const Samples& s) {
    std::vector<char> bytes;
    auto put32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<char>((v >> (8 * i)) & 0xFF));
    };
    auto put16 = [&](uint16_t v) {
        bytes.push_back(static_cast<char>(v & 0xFF));
        bytes.push_back(static_cast<char>(v >> 8));
    };
    auto tag = [&](const char* t) { bytes.insert(bytes.end(), t, t + 4); };
    const uint32_t data_bytes = static_cast<uint32_t>(s.size() * 2);
    tag("RIFF");
    put32(36 + data_bytes);
    tag("WAVE");
    tag("fmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(kRate);
    put32(kRate * 2);
    put16(2);
    put16(16);
    tag("data");
    put32(data_bytes);
    for (double v : s) {
        const long q = std::lround(std::clamp(v, -1.0, 1.0) * 32767.0);
        put16(static_cast<uint16_t>(static_cast<int16_t>(q)));
    }
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const bool ok =
        f.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
    f.close();
    return ok;
}

void normalise(Samples& s, double peak) {
    double m = 0;
    for (double v : s) m = std::max(m, std::abs(v));
    if (m > 0)
        for (double& v : s) v *= peak / m;
}

// Raised-cosine fade of the first and last samples to exact silence.
void fade_ends(Samples& s, int in, int out) {
    const int n = static_cast<int>(s.size());
    for (int i = 0; i < in && i < n; ++i) s[i] *= 0.5 - 0.5 * std::cos(kPi * i / in);
    for (int i = 0; i < out && i < n; ++i) s[n - 1 - i] *= 0.5 - 0.5 * std::cos(kPi * i / out);
    if (n > 0) s[n - 1] = 0.0;
    if (n > 0 && in > 0) s[0] = 0.0;
}

// RBJ band-pass biquad (constant 0 dB peak gain).
struct Biquad {
    double b0 = 0, b1 = 0, b2 = 0, a1 = 0, a2 = 0, x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    static Biquad bandpass(double f, double q) {
        Biquad b;
        const double w0 = 2 * kPi * f / kRate, alpha = std::sin(w0) / (2 * q), a0 = 1 + alpha;
        b.b0 = alpha / a0;
        b.b1 = 0;
        b.b2 = -alpha / a0;
        b.a1 = -2 * std::cos(w0) / a0;
        b.a2 = (1 - alpha) / a0;
        return b;
    }
    static Biquad lowpass(double f, double q) {
        Biquad b;
        const double w0 = 2 * kPi * f / kRate, alpha = std::sin(w0) / (2 * q), a0 = 1 + alpha,
                     c = std::cos(w0);
        b.b0 = (1 - c) / 2 / a0;
        b.b1 = (1 - c) / a0;
        b.b2 = (1 - c) / 2 / a0;
        b.a1 = -2 * c / a0;
        b.a2 = (1 - alpha) / a0;
        return b;
    }
    static Biquad highpass(double f, double q) {
        Biquad b;
        const double w0 = 2 * kPi * f / kRate, alpha = std::sin(w0) / (2 * q), a0 = 1 + alpha,
                     c = std::cos(w0);
        b.b0 = (1 + c) / 2 / a0;
        b.b1 = -(1 + c) / a0;
        b.b2 = (1 + c) / 2 / a0;
        b.a1 = -2 * c / a0;
        b.a2 = (1 - alpha) / a0;
        return b;
    }
    double operator()(double x) {
        const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        return y;
    }
};

// 駒打音: a short burst of noise through two resonant band-pass filters (the wood's modes), a
// touch of the unfiltered burst for the crisp edge, and a low knock of the board. About 0.15 s.
Samples sound_koma() {
    const int n = static_cast<int>(0.15 * kRate);
    Samples s(n, 0.0);
    Rng r(0xC1AC);
    Biquad m1 = Biquad::bandpass(1050, 28), m2 = Biquad::bandpass(2350, 32), m3 = Biquad::bandpass(3900, 20);
    Biquad hp = Biquad::highpass(2500, 0.7);
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        const double burst = t < 0.004 ? r.symmetric() * std::exp(-t / 0.0012) : 0.0;
        double v = 5.0 * m1(burst) + 3.6 * m2(burst) + 1.6 * m3(burst) + 0.35 * hp(burst);
        v += 0.28 * std::sin(2 * kPi * 190 * t) * std::exp(-t / 0.012) * (1 - std::exp(-t / 0.0008)); // body
        s[i] = v;
    }
    normalise(s, 0.9);
    fade_ends(s, 8, static_cast<int>(0.02 * kRate));
    return s;
}

// 禁止: two short low buzzes, "bu-bu". About 0.3 s.
Samples sound_kinshi() {
    const int n = static_cast<int>(0.30 * kRate);
    Samples s(n, 0.0);
    auto buzz = [&](double start, double len, double f) {
        const int a = static_cast<int>(start * kRate), b = static_cast<int>((start + len) * kRate);
        const double att = 0.004, rel = 0.018;
        Biquad lp = Biquad::lowpass(2400, 0.8);
        for (int i = a; i < b && i < n; ++i) {
            const double t = double(i - a) / kRate;
            double env = 1.0;
            if (t < att) env = t / att;
            if (t > len - rel) env = std::max(0.0, (len - t) / rel);
            // Band-limited square wave (odd harmonics below 5 kHz) with a slightly detuned second one.
            double v = 0;
            for (int h = 1; h * f < 5000; h += 2) {
                v += std::sin(2 * kPi * h * f * t) / h;
                v += 0.6 * std::sin(2 * kPi * h * (f * 1.03) * t) / h;
            }
            s[i] += lp(v) * env;
        }
    };
    buzz(0.000, 0.115, 116);
    buzz(0.165, 0.125, 110);
    normalise(s, 0.8);
    fade_ends(s, 0, 16);
    return s;
}

// その他: a light two-note chime. About 0.6 s.
Samples sound_sonota() {
    const int n = static_cast<int>(0.60 * kRate);
    Samples s(n, 0.0);
    auto bell = [&](double start, double f, double amp) {
        const int a = static_cast<int>(start * kRate);
        const double ratio[] = {1.0, 2.76, 5.40, 2.0};
        const double gain[] = {1.0, 0.32, 0.12, 0.18};
        const double tau[] = {0.22, 0.09, 0.045, 0.12};
        for (int i = a; i < n; ++i) {
            const double t = double(i - a) / kRate;
            double v = 0;
            for (int k = 0; k < 4; ++k)
                v += gain[k] * std::sin(2 * kPi * f * ratio[k] * t) * std::exp(-t / tau[k]);
            s[i] += amp * v * (1 - std::exp(-t / 0.0015));
        }
    };
    bell(0.00, 1318.5, 1.0);  // E6
    bell(0.11, 1975.5, 0.85); // B6
    normalise(s, 0.7);
    fade_ends(s, 0, static_cast<int>(0.08 * kRate));
    return s;
}

// --- Background music ---------------------------------------------------------------------------
//
// A 24-second piece in the miyako-bushi (in) scale on A: A B C E F. A koto plays the melody, a lower
// koto the accompaniment, a shamisen-like bright pluck answers in the second half, and a soft taiko
// marks the bars. Every note is rendered and added into a circular buffer, so note tails that run
// past the end wrap around to the start: the file loops without a seam.

struct Loop {
    Samples buf;
    explicit Loop(int n) : buf(n, 0.0) {}
    void add(int pos, const Samples& note, double gain) {
        const int n = static_cast<int>(buf.size());
        for (size_t i = 0; i < note.size(); ++i) buf[(pos + static_cast<int>(i)) % n] += gain * note[i];
    }
};

double midi_hz(int m) {
    return 440.0 * std::pow(2.0, (m - 69) / 12.0);
}

// A plucked string by the Karplus-Strong method: a burst of noise in a delay line one period long,
// fed back through a gentle low-pass. brightness in (0, 1]: how much of the high end survives.
Samples pluck(double f, double seconds, double decay_s, double brightness, uint64_t seed, double pick = 0.18,
              double attack_s = 0.0025) {
    const int n = static_cast<int>(seconds * kRate);
    Samples out(n, 0.0);
    const double period = kRate / f;
    // The two-tap loss filter delays by (1 - brightness) / 2 samples; the all-pass tunes the
    // fractional rest.
    const double total = period - 0.5 * (1.0 - brightness);
    const int len = std::max(2, static_cast<int>(std::floor(total)));
    const double frac = total - len;
    const double ap = (1 - frac) / (1 + frac);
    std::vector<double> line(len, 0.0);
    Rng r(seed);
    // Excitation: noise, smoothed by brightness, with a comb for the plucking point.
    double prev = 0;
    for (int i = 0; i < len; ++i) {
        const double x = r.symmetric();
        prev = prev + (x - prev) * (0.1 + 0.5 * brightness);
        line[i] = prev;
    }
    const int pk = std::max(1, static_cast<int>(pick * len));
    std::vector<double> ex(line);
    for (int i = 0; i < len; ++i) line[i] = ex[i] - ex[(i + pk) % len];
    double mean = 0;
    for (double v : line) mean += v;
    mean /= len;
    for (double& v : line) v -= mean;
    // Loss per period so that the level falls by 60 dB in decay_s.
    const double g = std::pow(0.001, 1.0 / (decay_s * f));
    double last = 0, ap_x1 = 0, ap_y1 = 0;
    int idx = 0;
    for (int i = 0; i < n; ++i) {
        const double cur = line[idx];
        const double avg = (cur * (0.5 + 0.5 * brightness) + last * (0.5 - 0.5 * brightness)) * g;
        last = cur;
        const double y = ap * avg + ap_x1 - ap * ap_y1; // first-order all-pass
        ap_x1 = avg;
        ap_y1 = y;
        line[idx] = y;
        idx = (idx + 1) % len;
        out[i] = cur;
    }
    // The pick takes a moment to release the string (no step at the onset), and the string is damped
    // at the end of its time.
    const int att = std::min(n, static_cast<int>(attack_s * kRate));
    for (int i = 0; i < att; ++i) out[i] *= 0.5 - 0.5 * std::cos(kPi * i / att);
    const int rel = std::min(n, static_cast<int>(0.06 * kRate));
    for (int i = 0; i < rel; ++i) out[n - 1 - i] *= double(i) / rel;
    return out;
}

// A soft taiko: a sine falling in pitch with a short felt-like noise at the start.
Samples taiko(double seconds, double f0, uint64_t seed) {
    const int n = static_cast<int>(seconds * kRate);
    Samples out(n, 0.0);
    Rng r(seed);
    Biquad lp = Biquad::lowpass(900, 0.7);
    double phase = 0;
    for (int i = 0; i < n; ++i) {
        const double t = double(i) / kRate;
        const double f = f0 * (0.62 + 0.38 * std::exp(-t / 0.05));
        phase += 2 * kPi * f / kRate;
        const double body = std::sin(phase) * std::exp(-t / 0.22);
        const double skin = lp(r.symmetric()) * std::exp(-t / 0.012);
        out[i] = (body + 0.6 * skin) * (1 - std::exp(-t / 0.002));
    }
    const int rel = std::min(n, static_cast<int>(0.05 * kRate));
    for (int i = 0; i < rel; ++i) out[n - 1 - i] *= double(i) / rel;
    return out;
}

// Small feedback-free echo, added circularly (a room for the koto).
void loop_echo(Samples& s, double delay_s, double gain, int taps) {
    const int n = static_cast<int>(s.size());
    const Samples dry = s;
    for (int k = 1; k <= taps; ++k) {
        const int d = static_cast<int>(delay_s * k * kRate);
        const double g = std::pow(gain, k);
        for (int i = 0; i < n; ++i) s[(i + d) % n] += g * dry[i];
    }
}

Samples sound_bgm() {
    const double bpm = 80.0;
    const double beat = 60.0 / bpm; // 0.75 s
    const int bars = 8, beats_per_bar = 4;
    const double length = bars * beats_per_bar * beat; // 24 s
    const int n = static_cast<int>(std::lround(length * kRate));
    Loop mel(n), acc(n), sam(n), drum(n);
    auto at = [&](double beat_pos) { return static_cast<int>(std::lround(beat_pos * beat * kRate)) % n; };

    // The scale: A B C E F (miyako-bushi). MIDI numbers.
    enum : int {
        A3 = 57,
        B3 = 59,
        C4 = 60,
        E4 = 64,
        F4 = 65,
        A4 = 69,
        B4 = 71,
        C5 = 72,
        E5 = 76,
        F5 = 77,
        A5 = 81,
        A2 = 45,
        E3 = 52,
        F3 = 53,
        C3 = 48,
        B2 = 47,
        E2 = 40
    };
    struct Note {
        double start, len;
        int pitch;
    };
    // Melody (koto), beats from the start of the loop.
    const std::vector<Note> melody = {
        // bar 1
        {0, 1, A4},
        {1, 1, B4},
        {2, 2, C5},
        // bar 2
        {4, 1, B4},
        {5, 0.5, A4},
        {5.5, 0.5, F4},
        {6, 2, E4},
        // bar 3
        {8, 0.5, E4},
        {8.5, 0.5, F4},
        {9, 1, A4},
        {10, 1, B4},
        {11, 0.5, C5},
        {11.5, 0.5, B4},
        // bar 4
        {12, 3, A4},
        // bar 5
        {16, 1, E5},
        {17, 1, C5},
        {18, 1, B4},
        {19, 0.5, C5},
        {19.5, 0.5, B4},
        // bar 6
        {20, 1, A4},
        {21, 1, F4},
        {22, 2, E4},
        // bar 7
        {24, 0.5, F4},
        {24.5, 0.5, E4},
        {25, 1, C4},
        {26, 1, B3},
        {27, 0.5, C4},
        {27.5, 0.5, E4},
        // bar 8
        {28, 2.5, A3},
        {30.5, 0.5, B3},
        {31, 0.5, C4},
        {31.5, 0.5, E4},
    };
    uint64_t seed = 1000;
    for (const Note& nt : melody) {
        const double dur = nt.len * beat + 1.6;
        Samples s = pluck(midi_hz(nt.pitch), dur, 2.2, 0.62, seed++, 0.16);
        mel.add(at(nt.start), s, 0.9);
        // Long notes: the octave above is touched lightly half a beat later (a koto ornament).
        if (nt.len >= 2) {
            Samples g = pluck(midi_hz(nt.pitch + 12), 0.9, 0.8, 0.5, seed++, 0.2);
            mel.add(at(nt.start + 0.5), g, 0.22);
        }
    }
    // Accompaniment (low koto): open fifths and a walking figure, one pattern per bar.
    const int roots[bars][4] = {
        {A2, E3, A3, E3}, {E2, B2, E3, B2},      {F3 - 12, C3, F3, C3}, {A2, E3, A3, E3},
        {C3, E3, A3, E3}, {F3 - 12, C3, F3, C3}, {E2, B2, E3, B2},      {A2, E3, A3, B2},
    };
    for (int b = 0; b < bars; ++b)
        for (int k = 0; k < 4; ++k) {
            Samples s = pluck(midi_hz(roots[b][k]), beat + 1.2, 1.6, 0.45, seed++, 0.22);
            acc.add(at(b * 4 + k), s, k == 0 ? 0.75 : 0.5);
        }
    // Shamisen-like answers in the second half: bright, short, on the off-beats.
    const std::vector<Note> answers = {
        {14.5, 0.5, E5}, {15, 0.5, F5}, {15.5, 0.5, A5}, {18.5, 0.5, F5}, {23, 0.5, A4},
        {23.5, 0.5, B4}, {29, 0.5, E5}, {29.5, 0.5, C5}, {30, 0.5, B4},
    };
    for (const Note& nt : answers) {
        Samples s = pluck(midi_hz(nt.pitch), 0.7, 0.45, 0.95, seed++, 0.08);
        sam.add(at(nt.start), s, 0.55);
    }
    // Soft taiko: the first beat of each bar, a lighter stroke before the bar lines of 4 and 8.
    for (int b = 0; b < bars; ++b) {
        drum.add(at(b * 4), taiko(0.9, 92, 7000 + b), 0.55);
        drum.add(at(b * 4 + 2), taiko(0.9, 104, 7100 + b), 0.25);
    }
    drum.add(at(15.5), taiko(0.9, 120, 7201), 0.3);
    drum.add(at(31.5), taiko(0.9, 120, 7202), 0.3);

    Samples koto = mel.buf;
    for (int i = 0; i < n; ++i) koto[i] += acc.buf[i] + sam.buf[i];
    loop_echo(koto, 0.19, 0.28, 3);
    Samples out(n, 0.0);
    for (int i = 0; i < n; ++i) out[i] = koto[i] + drum.buf[i];
    // A gentle one-pole high-pass run twice around the loop so its state at the start is the one it
    // has at the end (no step at the seam): removes any DC.
    double y = 0, xprev = out[n - 1];
    const double a = 0.999;
    for (int pass = 0; pass < 2; ++pass) {
        Samples src = out;
        for (int i = 0; i < n; ++i) {
            const double x = src[i];
            y = a * (y + x - xprev);
            xprev = x;
            if (pass == 1) out[i] = y;
        }
        if (pass == 0) xprev = src[n - 1];
    }
    // Soften the very top (the noise of the plucks near the Nyquist frequency): a low-pass run twice
    // around the loop, keeping the second pass, so that its state wraps across the seam as well.
    {
        Biquad lp = Biquad::lowpass(6000, 0.707);
        Samples src = out;
        for (int pass = 0; pass < 2; ++pass)
            for (int i = 0; i < n; ++i) {
                const double v = lp(src[i]);
                if (pass == 1) out[i] = v;
            }
    }
    // A soft saturation lifts the quiet passages against the pluck onsets.
    normalise(out, 1.0);
    for (double& v : out) v = std::tanh(2.0 * v) / std::tanh(2.0);
    normalise(out, 0.75);
    return out;
}

bool make_sounds(const QString& dir) {
    bool ok = true;
    struct {
        const char* name;
        Samples (*make)();
    } const list[] = {{"その他.wav", sound_sonota},
                      {"禁止.wav", sound_kinshi},
                      {"駒打音.wav", sound_koma},
                      {"BGM.wav", sound_bgm}};
    for (const auto& e : list) {
        const QString path = dir + "/" + QString::fromUtf8(e.name);
        if (!write_wav(path, e.make())) {
            std::fprintf(stderr, "make_assets: cannot write %s\n", qPrintable(path));
            ok = false;
        }
    }
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_assets OUTPUT_DIR\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QDir d;
    if (!d.mkpath(out + "/pictures")) {
        std::fprintf(stderr, "make_assets: cannot create %s/pictures\n", argv[1]);
        return 1;
    }
    load_fonts();
    const bool ok =
        make_pictures(out + "/pictures") && make_icons(out + "/icons/hicolor") && make_sounds(out);
    return ok ? 0 : 1;
}
