// make_assets OUTPUT_DIR
//
// Writes every picture of platform/pictures.h, drawn by qt/art at its natural size, into
// OUTPUT_DIR/pictures/ (24-bit BMP, the two dialog pictures as JPEG), the program's icon into
// OUTPUT_DIR/icons/hicolor/ and the four wave files into OUTPUT_DIR/ (mono, 22050 Hz, 16-bit PCM).
// Everything is drawn or synthesised; random numbers come from fixed seeds, so two runs give
// identical files. Run with QT_QPA_PLATFORM=offscreen; the fonts are IPA (P) Mincho.
#include "platform/pictures.h"
#include "qt/art.h"
#include "qt/rng.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPolygonF>
#include <QString>
#include <QTransform>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

constexpr double kPi = 3.14159265358979323846;

bool save_bmp(const QImage& img, const QString& path) {
    const QImage out = img.convertToFormat(QImage::Format_RGB888);
    return out.save(path, "BMP");
}

bool save_jpg(const QImage& img, const QString& path) {
    const QImage out = img.convertToFormat(QImage::Format_RGB888);
    return out.save(path, "JPG", 92);
}

// ---------------------------------------------------------------------------------------------
// Pictures: the whole list of platform/pictures.h.

bool make_pictures(const QString& dir) {
    bool ok = true;
    for (int i = 0; i < kPicCount; ++i) {
        const PicInfo& pi = pic_info(static_cast<Pic>(i));
        const QImage img = draw_picture(static_cast<Pic>(i), QSize(pi.width, pi.height));
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
    const bool ok =
        make_pictures(out + "/pictures") && make_icons(out + "/icons/hicolor") && make_sounds(out);
    return ok ? 0 : 1;
}
