#include "display/texts.h"

#include "core/handicap.h"
#include "core/rules.h"
#include "core/state.h"
#include "display/draw.h"
#include "kifu/notation.h"
#include "platform/platform.h"
#include "platform/translate.h"
#include "sound/effects.h"

#include <cmath>
#include <string>

namespace {

const char* const kKanjiDigits[10] = {"", "一", "二", "三", "四", "五", "六", "七", "八", "九"};
const char* const kWideDigits[10] = {"", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
// The ranks as the western notation names them.
const char* const kRankLetters[10] = {"", "a", "b", "c", "d", "e", "f", "g", "h", "i"};

bool english() {
    return language_in_use() == Language::English;
}

void print_at(double x, double y, const std::string& text, int colour, double size) {
    platform().canvas().print(cell_x(x), cell_y(y), text, size, colour);
}

// A text on the background: the black shadow first, then the text 0.1 cell up and left of it.
void shadowed_move_text(const Settei& s, double x, double y, const std::string& text) {
    描画_移動駒種類(x + 0.1, y + 0.1, text, 0);
    描画_移動駒種類(x, y, text, 取得_対背景色(s));
}

// The ring's cell the texts beside the upper hand box touch, at (x, y) of the screen.
void repaint_ring_cell(const Kyokumen& k, const Settei& s, int x, int y) {
    repaint_shown_cell(k, s.WAKU_IRO, x, y);
}

} // namespace

std::string 文字列変換(int value) {
    if (value >= 1 && value <= 9) return kWideDigits[value];
    if (value >= 1001 && value <= 1009) return kKanjiDigits[value - 1000];
    switch (value) {
    case SITA_HU:
    case UE_HU:
        return "歩";
    case SITA_HU_NARI:
    case UE_HU_NARI:
        return "と";
    case SITA_KYOU:
    case UE_KYOU:
        return "香";
    case SITA_KYOU_NARI:
    case UE_KYOU_NARI:
        return "香成";
    case SITA_KEI:
    case UE_KEI:
        return "桂";
    case SITA_KEI_NARI:
    case UE_KEI_NARI:
        return "桂成";
    case SITA_GIN:
    case UE_GIN:
        return "銀";
    case SITA_GIN_NARI:
    case UE_GIN_NARI:
        return "銀成";
    case SITA_KIN:
    case UE_KIN:
        return "金";
    case SITA_KAKU:
    case UE_KAKU:
        return "角";
    case SITA_KAKU_NARI:
    case UE_KAKU_NARI:
        return "角成";
    case SITA_SYA:
    case UE_SYA:
        return "飛";
    case SITA_SYA_NARI:
    case UE_SYA_NARI:
        return "飛成";
    case SITA_OU:
    case UE_OU:
        return "王";
    default:
        return "";
    }
}

std::string message_text(int index) {
    if (index >= -10 && index <= 10) return translate("Handicap", handicap_name(index).c_str());
    if (index == 99) return translate("Board", "手目");
    return "";
}

void 描画_数値(double x, double y, int value, int colour, int mode, double size) {
    if (mode == 0) {
        print_at(x, y, std::to_string(value), colour, size);
    } else if (value >= 1 && value <= 9) {
        print_at(x, y, english() ? kRankLetters[value] : kKanjiDigits[value], colour, size);
    }
}

void 描画_数値(double x, double y, const std::string& text, int colour, int mode, double size) {
    if (mode == 0) print_at(x, y, text, colour, size);
}

void 描画_移動駒種類(double x, double y, const std::string& text, int colour) {
    print_at(x, y, text, colour, 12);
}

void 描画_文字列(double x, double y, int index, int colour, double size) {
    const std::string text = message_text(index);
    if (!text.empty()) platform().canvas().print(cell_x(x) + 120, cell_y(y) + 160, text, size, colour);
}

void 描画_メッセージ(int kind) {
    static const char* const kTexts[4] = {
        TRANSLATABLE("Handicap", "\n\n局面→最初にして下さい"),
        TRANSLATABLE("Handicap", "棋譜ﾓｰﾄﾞではできません\n\n局面→最初にして下さい"),
        TRANSLATABLE("Handicap", "対局途中ではできません\n\n局面→最初にして下さい"),
        TRANSLATABLE("Handicap", "反転後ではできません\n\n局面→最初にして下さい")};
    const char* const text = kTexts[kind >= 1 && kind <= 3 ? kind : 0];
    platform().dialogs().message(translate("Handicap", text), translate("Handicap", "ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定"));
}

void 描画_桝_数値(const Kyokumen& k, const Settei& s) {
    platform().canvas().set_font_bold(true);
    const int c = 取得_対背景色(s);
    // Turned, the files count up from the left and the ranks down from the top.
    const bool turned = view_turned();
    for (int i = 1; i <= 9; ++i) {
        const int file = turned ? i : 10 - i, rank = turned ? 10 - i : i;
        描画_絵(s.HAIKEI_NO, i + 1, 0);
        描画_数値(i + 1.2, 0.5, file, 0, 0, 16);
        描画_数値(i + 1.1, 0.4, file, c, 0, 16);
        描画_絵(s.HAIKEI_NO, 12, i + 1);
        // The rank letters of the western notation as large as the file digits; the kanji as they were.
        const double rank_size = english() ? 16 : 12, rank_y = english() ? i + 1.2 : i + 1.3;
        描画_数値(12.2, rank_y + 0.1, rank, 0, 1, rank_size);
        描画_数値(12.1, rank_y, rank, c, 1, rank_size);
    }
    if (s.ZAHYOU == ON) paint_ring_coordinates(s); // else the screen is as it has always been
    paint_right_hand_box(k, s);
}

void paint_ring_coordinates(const Settei& s) {
    for (Cell c : {Cell{1, 0}, Cell{11, 0}, Cell{12, 1}, Cell{12, 11}}) 描画_絵(s.HAIKEI_NO, c.x, c.y);
    platform().canvas().set_font_bold(true);
    const int c = 取得_対背景色(s);
    struct Label {
        double x, y;
        const char* text;
        double size;
    };
    const double rank_size = english() ? 16.0 : 12.0, top = english() ? 1.2 : 1.3,
                 bottom = english() ? 11.2 : 11.3;
    const char* const first = english() ? "o" : "〇";
    const char* const last = english() ? "j" : "十";
    const Label labels[] = {{1.0, 0.4, "10", 16},
                            {11.1, 0.4, "0", 16},
                            {12.1, top, first, rank_size},
                            {12.1, bottom, last, rank_size}};
    // Turned, the left column is file ０ and the top row rank 十.
    const Label turned[] = {{1.1, 0.4, "0", 16},
                            {11.0, 0.4, "10", 16},
                            {12.1, top, last, rank_size},
                            {12.1, bottom, first, rank_size}};
    for (const Label& l : view_turned() ? turned : labels) {
        描画_数値(l.x + 0.1, l.y + 0.1, l.text, 0, 0, l.size);
        描画_数値(l.x, l.y, l.text, c, 0, l.size);
    }
}

void 描画_移動結果(const Kyokumen& k, const Settei& s, int side, int x, int y, int code) {
    消去_移動結果(k, s, side);
    if (english()) {
        // The cell as the notation names it (a ring cell too), then the piece: "7f P", "10e +R".
        const bool upper = side == k.UE_GAWA;
        if (!upper && side != k.SITA_GAWA) return;
        const std::string cell = cell_name({x, y}, Notation::English);
        const std::string piece = piece_name(code, Notation::English);
        shadowed_move_text(s, upper ? -1.6 : 14.4, upper ? 8.4 : 2.4, cell + " " + piece);
        if (upper) repaint_ring_cell(k, s, 1, 8);
        return;
    }
    const bool ring = is_ring(x, y);
    if (side == k.UE_GAWA) {
        if (ring) {
            shadowed_move_text(s, -1.6, 8.4, "盤");
            shadowed_move_text(s, -1.1, 8.4, "外");
        } else {
            shadowed_move_text(s, -1.6, 8.4, 文字列変換(11 - x));
            shadowed_move_text(s, -1.2, 8.4, 文字列変換(y - 1 + 1000));
        }
        shadowed_move_text(s, -0.6, 8.4, 文字列変換(code));
        repaint_ring_cell(k, s, 1, 8);
    } else if (side == k.SITA_GAWA) {
        if (ring) {
            shadowed_move_text(s, 14.4, 2.4, "盤");
            shadowed_move_text(s, 14.9, 2.4, "外");
        } else {
            shadowed_move_text(s, 14.4, 2.4, 文字列変換(11 - x));
            shadowed_move_text(s, 14.8, 2.4, 文字列変換(y - 1 + 1000));
        }
        shadowed_move_text(s, 15.4, 2.4, 文字列変換(code));
    }
}

void 消去_移動結果(const Kyokumen& k, const Settei& s, int side) {
    if (side == k.UE_GAWA) {
        消去_思考中(k, s);
    } else if (side == k.SITA_GAWA) {
        for (int x = 14; x <= 16; ++x) 描画_絵(s.HAIKEI_NO, x, 2);
        outline_on_screen(s.WAKU_IRO, 13, 3); // its top right corner lies under the tile at (14, 2)
    }
}

void 描画_思考中(const Kyokumen& k, const Settei& s) {
    const std::string thinking = translate("Board", "思考中");
    描画_数値(-1.5, 8.5, thinking, 0, 0, 12);
    描画_数値(-1.6, 8.4, thinking, 取得_対背景色(s), 0, 12);
    repaint_ring_cell(k, s, 1, 8);
}

void 消去_思考中(const Kyokumen& k, const Settei& s) {
    for (int x = -2; x <= 0; ++x) 描画_絵(s.HAIKEI_NO, x, 8);
    outline_on_screen(s.WAKU_IRO, -1, 7);
    repaint_ring_cell(k, s, 1, 8);
}

void 描画_手数(const Kyokumen& k, const Settei& s, int n, int) {
    描画_絵(s.HAIKEI_NO, 15, 3);
    描画_絵(s.HAIKEI_NO, 14, 3);
    outline_on_screen(s.WAKU_IRO, 11, 3);
    // The tile at (14, 3) is where the hand box right of the board prints its pawn count.
    paint_right_hand_box(k, s);
    const double x = n < 10 ? 15.2 : n < 100 ? 15.1 : 15.0;
    const int c = 取得_対背景色(s);
    描画_数値(x + 0.1, 3.4, n, 0, 0, 12);
    描画_数値(x, 3.3, n, c, 0, 12);
    描画_文字列(15.9, 3.2, 99, 0, 10);
    描画_文字列(15.8, 3.1, 99, c, 10);
}

void 描画_移動可能桝色(const Kyokumen& k, const Settei& s, int sx, int sy, int colour, int code) {
    描画_将棋盤桝(s);
    if (s.SIDOU_FLAG == OFF) return;
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y)
            if (移動チェック(k, sx, sy, x, y, code) == ON) 描画_桝輪郭(colour, x, y);
}

void 描画_駒点滅(const Settei& s, int code, int x, int y, int count) {
    for (int i = 0; i < count; ++i) {
        描画_絵(KARA, x, y);
        描画_桝輪郭(s.WAKU_IRO, x, y);
        platform().canvas().refresh();
        待機_秒(0.2);
        描画_絵(code, x, y);
        描画_桝輪郭(s.WAKU_IRO, x, y);
        platform().canvas().refresh();
        待機_秒(0.2);
    }
}

std::string 変換_数字から文字(int value) {
    std::string s = std::to_string(value);
    if (s.size() == 1) return "0" + s;
    if (s.size() == 2) return s;
    return "";
}

std::string 調査_時間秒追加結果(double s) {
    const double h = s >= 3600 ? std::floor(s / 3600) : 0;
    const double r = s - 3600 * h;
    const double m = std::floor(r / 60);
    const double sec = r - 60 * m;
    return 変換_数字から文字(static_cast<int>(h)) + ":" + 変換_数字から文字(static_cast<int>(m)) + ":" +
           変換_数字から文字(static_cast<int>(std::floor(sec)));
}

namespace {

void print_time(const Kyokumen& k, const Settei& s, int side, double seconds) {
    const int c = 取得_対背景色(s);
    const std::string t = 調査_時間秒追加結果(seconds);
    消去_所有時間(k, s, side);
    if (side == k.SITA_GAWA) {
        描画_数値(13.1, 11.3, t, 0, 0, 12);
        描画_数値(13, 11.2, t, c, 0, 12);
    } else if (side == k.UE_GAWA) {
        描画_数値(-1.5, 9.3, t, 0, 0, 12);
        描画_数値(-1.6, 9.2, t, c, 0, 12);
        repaint_shown_cell(k, 0, 1, 9);
    }
}

} // namespace

void 描画_所有時間(const Kyokumen& k, const Settei& s, int side, double seconds) {
    if (s.KEIKA_HYOUJI == ON) print_time(k, s, side, seconds);
}

ClockLeft clock_left(const Kyokumen& k, const Tokei& t, int side, double elapsed) {
    const bool lower = side == k.SITA_GAWA;
    return time_left(t.time_control, lower ? t.SITA_JIKAN : t.UE_JIKAN, lower ? t.lower_moves : t.upper_moves,
                     elapsed);
}

void draw_clock(const Kyokumen& k, const Settei& s, const Tokei& t, int side, double elapsed) {
    if (!t.time_control.on()) {
        描画_所有時間(k, s, side, elapsed + (side == k.SITA_GAWA ? t.SITA_JIKAN : t.UE_JIKAN));
        return;
    }
    // The seconds still to come, so that 00:00:00 stands when the flag falls.
    print_time(k, s, side, std::ceil(clock_left(k, t, side, elapsed).shown()));
}

void draw_clocks(const Kyokumen& k, const Settei& s, const Tokei& t) {
    draw_clock(k, s, t, k.UE_GAWA, 0);
    draw_clock(k, s, t, k.SITA_GAWA, 0);
}

void 消去_所有時間(const Kyokumen& k, const Settei& s, int side) {
    if (side == k.SITA_GAWA) {
        for (int x = 13; x <= 15; ++x) 描画_絵(s.HAIKEI_NO, x, 11);
    } else if (side == k.UE_GAWA) {
        for (int x = -2; x <= 0; ++x) 描画_絵(s.HAIKEI_NO, x, 9);
    }
}

void 描画_棋譜読込み部分消去(const Kyokumen& k, const Settei& s) {
    描画_桝_数値(k, s);
    描画_絵(s.HAIKEI_NO, -1, 12);
    描画_絵(s.HAIKEI_NO, 0, 12);
    for (int x = 1; x <= 11; ++x) {
        描画_絵(s.HAIKEI_NO, x, 12);
        outline_on_screen(s.WAKU_IRO, x, 10);
    }
    描画_絵(1, -0.5, 12.8); // the title picture's top lies under the tiles of row 12
}
