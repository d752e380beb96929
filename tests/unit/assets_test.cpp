// The committed assets: every picture of platform/pictures.h exists at exactly its listed size (BMPs as
// 24-bit bitmaps, the dialog pictures as JPEG), the four wave files are mono 16-bit PCM of the right
// length, and the help page is there. Read with small readers of our own: no Qt here.
#include "platform/pictures.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#ifndef TESSORA_ASSET_DIR
#error "TESSORA_ASSET_DIR must name the assets folder"
#endif

namespace {

const std::string kAssets = TESSORA_ASSET_DIR;

std::vector<unsigned char> read_file(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    if (!f) return {};
    return std::vector<unsigned char>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

uint32_t le16(const std::vector<unsigned char>& b, size_t at) {
    return b[at] | (b[at + 1] << 8);
}
uint32_t le32(const std::vector<unsigned char>& b, size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}
int32_t sle32(const std::vector<unsigned char>& b, size_t at) {
    return static_cast<int32_t>(le32(b, at));
}

bool ends_with(const std::string& s, const std::string& tail) {
    return s.size() >= tail.size() && s.compare(s.size() - tail.size(), tail.size(), tail) == 0;
}

struct Bmp {
    bool ok = false;
    std::string error;
    int width = 0, height = 0, bits = 0;
};

// The BITMAPFILEHEADER and BITMAPINFOHEADER of a Windows bitmap, checked against the file's length.
Bmp read_bmp(const std::vector<unsigned char>& b) {
    Bmp r;
    if (b.size() < 54) return r.error = "shorter than a bitmap header", r;
    if (b[0] != 'B' || b[1] != 'M') return r.error = "no BM signature", r;
    const uint32_t offset = le32(b, 10), header = le32(b, 14);
    if (header < 40) return r.error = "no BITMAPINFOHEADER", r;
    r.width = sle32(b, 18);
    const int32_t h = sle32(b, 22);
    r.height = h < 0 ? -h : h;
    const uint32_t planes = le16(b, 26), compression = le32(b, 30);
    r.bits = static_cast<int>(le16(b, 28));
    if (planes != 1) return r.error = "planes is not 1", r;
    if (compression != 0) return r.error = "compressed", r;
    const uint64_t stride = (static_cast<uint64_t>(r.width) * r.bits + 31) / 32 * 4;
    if (offset + stride * r.height > b.size()) return r.error = "pixel data runs past the end of the file", r;
    r.ok = true;
    return r;
}

struct Jpeg {
    bool ok = false;
    std::string error;
    int width = 0, height = 0, components = 0;
};

// Walks the JPEG markers up to the first start-of-frame and reads the frame size from it.
Jpeg read_jpeg(const std::vector<unsigned char>& b) {
    Jpeg r;
    if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8) return r.error = "no SOI marker", r;
    size_t i = 2;
    while (i + 4 <= b.size()) {
        if (b[i] != 0xFF) return r.error = "marker expected", r;
        const unsigned char m = b[i + 1];
        if (m == 0xFF) {
            ++i;
            continue;
        } // fill byte
        const size_t len = (b[i + 2] << 8) | b[i + 3];
        const bool sof = (m >= 0xC0 && m <= 0xCF) && m != 0xC4 && m != 0xC8 && m != 0xCC;
        if (sof) {
            if (i + 2 + len > b.size() || len < 8) return r.error = "short frame header", r;
            r.height = (b[i + 5] << 8) | b[i + 6];
            r.width = (b[i + 7] << 8) | b[i + 8];
            r.components = b[i + 9];
            r.ok = true;
            return r;
        }
        if (m == 0xD9 || m == 0xDA) break; // end of image, or scan data before any frame
        i += 2 + len;
    }
    return r.error = "no start-of-frame marker", r;
}

TEST(Assets, EveryPictureExistsAtItsListedSizeAsA24BitBitmapOrAJpeg) {
    for (int i = 0; i < kPicCount; ++i) {
        const PicInfo& info = pic_info(static_cast<Pic>(i));
        SCOPED_TRACE(info.file);
        const std::string path = kAssets + "/pictures/" + info.file;
        const std::vector<unsigned char> bytes = read_file(path);
        ASSERT_FALSE(bytes.empty()) << "missing or empty: " << path;
        if (ends_with(info.file, ".jpg")) {
            const Jpeg j = read_jpeg(bytes);
            ASSERT_TRUE(j.ok) << j.error;
            EXPECT_EQ(j.width, info.width);
            EXPECT_EQ(j.height, info.height);
            EXPECT_EQ(j.components, 3) << "a colour JPEG";
        } else {
            ASSERT_TRUE(ends_with(info.file, ".bmp"));
            const Bmp bmp = read_bmp(bytes);
            ASSERT_TRUE(bmp.ok) << bmp.error;
            EXPECT_EQ(bmp.width, info.width);
            EXPECT_EQ(bmp.height, info.height);
            EXPECT_EQ(bmp.bits, 24);
        }
    }
}

TEST(Assets, PiecePicturesFitABoardCellAndTilesOverlapTheirNeighbours) {
    // A cell is 570 x 660 twips = 38 x 44 pixels: pieces cover it, tiles overlap the next one.
    EXPECT_EQ(pic_info(Pic::SITA_HU_0).width, 39);
    EXPECT_EQ(pic_info(Pic::SITA_HU_0).height, 44);
    EXPECT_EQ(pic_info(Pic::KARA_MASU_K).width, 39);
    EXPECT_EQ(pic_info(Pic::HAIKEI_TAKE).width, 40);
    EXPECT_EQ(pic_info(Pic::HAIKEI_TAKE).height, 45);
    EXPECT_EQ(pic_info(Pic::RUZIVUVOD).width, 121);
    EXPECT_EQ(pic_info(Pic::RUZIVUVOD).height, 58);
}

TEST(Assets, BackgroundTilesRepeatEveryCellSoTheyTileWithoutSeams) {
    // Tiles are stamped 38 pixels apart across and 44 down; the overlapping columns and row must
    // repeat the first ones, or a seam shows.
    for (Pic p :
         {Pic::HAIKEI_MIDORI, Pic::HAIKEI_TATAMI, Pic::HAIKEI_TAKE, Pic::HAIKEI_UCHU, Pic::HAIKEI_RENGA}) {
        const PicInfo& info = pic_info(p);
        SCOPED_TRACE(info.file);
        const std::vector<unsigned char> b = read_file(kAssets + "/pictures/" + info.file);
        const Bmp bmp = read_bmp(b);
        ASSERT_TRUE(bmp.ok && bmp.bits == 24) << bmp.error;
        const uint32_t offset = le32(b, 10);
        const size_t stride = (static_cast<size_t>(bmp.width) * 3 + 3) / 4 * 4;
        auto px = [&](int x, int y) { // rows are stored bottom-up
            const size_t at =
                offset + static_cast<size_t>(bmp.height - 1 - y) * stride + static_cast<size_t>(x) * 3;
            return static_cast<uint32_t>(b[at] | (b[at + 1] << 8) | (b[at + 2] << 16));
        };
        int mismatches = 0;
        for (int y = 0; y < bmp.height; ++y)
            for (int x = 38; x < bmp.width; ++x) mismatches += px(x, y) != px(x - 38, y);
        for (int x = 0; x < bmp.width; ++x) mismatches += px(x, 44) != px(x, 0);
        EXPECT_EQ(mismatches, 0);
    }
}

struct Wave {
    bool ok = false;
    std::string error;
    int format = 0, channels = 0, rate = 0, bits = 0;
    double seconds = 0;
    std::vector<int16_t> samples;
};

// A RIFF/WAVE file: the fmt and data chunks, other chunks skipped.
Wave read_wave(const std::vector<unsigned char>& b) {
    Wave w;
    if (b.size() < 12) return w.error = "too short", w;
    if (std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
        return w.error = "not RIFF/WAVE", w;
    if (le32(b, 4) + 8 != b.size()) return w.error = "RIFF size does not match the file", w;
    bool fmt = false;
    size_t i = 12;
    while (i + 8 <= b.size()) {
        const std::string id(b.begin() + i, b.begin() + i + 4);
        const uint32_t len = le32(b, i + 4);
        if (i + 8 + len > b.size()) return w.error = "chunk " + id + " runs past the end", w;
        if (id == "fmt ") {
            if (len < 16) return w.error = "short fmt chunk", w;
            w.format = static_cast<int>(le16(b, i + 8));
            w.channels = static_cast<int>(le16(b, i + 10));
            w.rate = static_cast<int>(le32(b, i + 12));
            w.bits = static_cast<int>(le16(b, i + 22));
            fmt = true;
        } else if (id == "data") {
            if (!fmt) return w.error = "data before fmt", w;
            if (w.bits != 16 || w.channels != 1) return w.error = "not 16-bit mono", w;
            for (size_t k = 0; k + 1 < len; k += 2)
                w.samples.push_back(static_cast<int16_t>(le16(b, i + 8 + k)));
            w.seconds = static_cast<double>(w.samples.size()) / w.rate;
            w.ok = true;
            return w;
        }
        i += 8 + len + (len & 1);
    }
    return w.error = "no data chunk", w;
}

TEST(Assets, WaveFilesAreMonoPcmOfTheirLengthClass) {
    struct Expect {
        const char* name;
        double min_s, max_s;
    };
    const Expect list[] = {
        {"駒打音.wav", 0.05, 0.4}, // a short clack
        {"禁止.wav", 0.15, 0.8},   // a short refusal
        {"その他.wav", 0.2, 1.5},  // a light chime
        {"BGM.wav", 20.0, 120.0},  // looping music
    };
    for (const Expect& e : list) {
        SCOPED_TRACE(e.name);
        const std::vector<unsigned char> bytes = read_file(kAssets + "/" + e.name);
        ASSERT_FALSE(bytes.empty()) << "missing";
        const Wave w = read_wave(bytes);
        ASSERT_TRUE(w.ok) << w.error;
        EXPECT_EQ(w.format, 1) << "PCM";
        EXPECT_EQ(w.channels, 1);
        EXPECT_EQ(w.bits, 16);
        EXPECT_GE(w.rate, 11025);
        EXPECT_GE(w.seconds, e.min_s);
        EXPECT_LE(w.seconds, e.max_s);
        int peak = 0;
        for (int16_t s : w.samples) peak = std::max(peak, s < 0 ? -int(s) : int(s));
        EXPECT_GT(peak, 8000) << "audible";
        EXPECT_LT(peak, 32767) << "not clipped";
    }
}

TEST(Assets, EffectsStartAndEndInSilenceAndTheMusicLoopsWithoutAStep) {
    for (const char* name : {"駒打音.wav", "禁止.wav", "その他.wav"}) {
        SCOPED_TRACE(name);
        const Wave w = read_wave(read_file(kAssets + "/" + name));
        ASSERT_TRUE(w.ok) << w.error;
        EXPECT_LT(std::abs(int(w.samples.front())), 200);
        EXPECT_LT(std::abs(int(w.samples.back())), 200);
    }
    const Wave w = read_wave(read_file(kAssets + "/BGM.wav"));
    ASSERT_TRUE(w.ok) << w.error;
    // The jump from the last sample back to the first is no larger than the steps around it: a click
    // at the seam would stand far above its neighbours.
    const std::vector<int16_t>& s = w.samples;
    const size_t n = s.size();
    ASSERT_GT(n, 64u);
    int local = 0;
    for (size_t i = 1; i < 32; ++i) {
        local = std::max(local, std::abs(int(s[i]) - int(s[i - 1])));
        local = std::max(local, std::abs(int(s[n - i]) - int(s[n - i - 1])));
    }
    EXPECT_LE(std::abs(int(s.front()) - int(s.back())), 2 * local + 64);
}

// A help page: UTF-8 HTML that tells of every topic, in lines the package's checker reads as source (a
// line longer than 512 bytes makes it take the page for a minified file whose source is missing).
void expect_help_page(const char* file, std::initializer_list<const char*> topics) {
    const std::vector<unsigned char> b = read_file(kAssets + "/" + file);
    ASSERT_FALSE(b.empty()) << file;
    const std::string page(b.begin(), b.end());
    EXPECT_EQ(page.rfind("<!DOCTYPE html>", 0), 0u) << file;
    EXPECT_NE(page.find("<meta charset=\"utf-8\">"), std::string::npos) << file;
    for (const char* topic : topics) EXPECT_NE(page.find(topic), std::string::npos) << file << ": " << topic;
    std::size_t number = 1, start = 0;
    for (std::size_t end; (end = page.find('\n', start)) != std::string::npos; start = end + 1, ++number)
        EXPECT_LE(end - start, 512u) << file << " line " << number;
}

TEST(Assets, HelpPageIsUtf8HtmlInJapanese) {
    expect_help_page("Tessora.htm",
                     {"対局(COM)", "スタート", "右ボタン", "コンベア", "二歩", "棋譜", "反転", "COM対局ﾚﾍﾞﾙ",
                      "名人", "12級", "移動指導", "経過時間", "Tessora.ini", ".棋譜"});
}

// The page 解説 opens in English tells of the same things in the English menus' words.
TEST(Assets, HelpPageIsUtf8HtmlInEnglish) {
    expect_help_page("Tessora_en.htm",
                     {"Against the computer", "Start", "right", "conveyor", "Two pawns", "Record",
                      "Flip board", "Computer level", "Meijin", "12 kyu", "Move guidance", "Elapsed time",
                      "Tessora.ini", ".棋譜", "P*5e", "Language"});
}

} // namespace
