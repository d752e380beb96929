#include "control/game.h"
#include "control/level4.h"
#include "control/levels.h"
#include "control/play.h"

#include "com/com.h"
#include "control/clock.h"
#include "control/options.h"
#include "com/mate.h"
#include "core/moves.h"
#include "core/rules.h"
#include "core/state.h"
#include "display/draw.h"
#include "display/levels.h"
#include "display/texts.h"
#include "kifu/autosave.h"
#include "kifu/kifu_file.h"
#include "kifu/record.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/platform.h"
#include "settings/settings.h"
#include "sound/dslib.h"
#include "sound/effects.h"
#include "control/owner.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace {

// The selection kept between two clicks.
struct Selection {
    int from_x = 0, from_y = 0;
    int to_x = 0, to_y = 0;
    int piece = KARA; // keeps the code of the last selection, also after a move
};
Selection g_sel;

// The piece belongs to the side to move.
bool own_piece(int c) {
    return (is_lower(c) && TEBAN == SITA_GAWA) || (is_upper(c) && TEBAN == UE_GAWA);
}

void turn_message(const char* title) {
    platform().dialogs().message(TEBAN == 1 ? "先手の番です" : "後手の番です", title);
}

void start_clock_if_shown() {
    KAISHI_JIKOKU = platform().clock().now();
    if (platform().menus().checked(MenuItem::KEIKA)) platform().clock().set_timer(true);
}

// Selects a piece in a hand box; row is the clicked row, piece its unpromoted code.
void select_from_hand(int box_x, int row, int piece, bool mover_owns) {
    調査_2歩フラグ設定();
    SENTAKU = 1;
    g_sel.from_x = box_x;
    g_sel.from_y = row;
    g_sel.piece = piece;
    描画_桝輪郭(mover_owns ? SENTAKU_IRO : SIDOU_IRO, box_x, row);
    描画_移動可能桝色(TAIKYOKU.pos, TAIKYOKU.settei, box_x, row, SIDOU_IRO, piece);
}

void make_move(int button);

} // namespace

void 初期配置(Koma (&ban)[12][12]) {
    static const Koma back[9] = {SITA_KYOU, SITA_KEI, SITA_GIN, SITA_KIN, SITA_OU,
                                 SITA_KIN,  SITA_GIN, SITA_KEI, SITA_KYOU};
    for (int x = 2; x <= 10; ++x) {
        ban[x][8] = SITA_HU;
        ban[x][10] = back[x - 2];
        ban[x][4] = UE_HU;
        ban[x][2] = static_cast<Koma>(-back[x - 2]);
    }
    ban[3][9] = SITA_KAKU;
    ban[9][9] = SITA_SYA;
    ban[3][3] = UE_SYA;
    ban[9][3] = UE_KAKU;
}

void Form_Load() {
    com_中止解除();
    効果音_準備();
    KIDOU_DIR = data_folder(); // the current folder, unless the game was installed and started elsewhere
    KIFU_MODE = OFF;
    SIDOU_FLAG = OFF;
    KIFU_TESUU = 0;
    KIFU_TAIKYOKU = OFF;
    COM_LEVEL = 3;
    platform().menus().set_checked(MenuItem::LEVEL3, true);
    KIFU_GYOU.clear();
    platform().canvas().clear(0);
    UE_GAWA = 1;
    SITA_GAWA = -1;
    platform().windows().show_title(true);
    platform().canvas().refresh();
    待機_秒(2);
    platform().windows().show_title(false);
    読込_環境設定ファイル(TAIKYOKU.settei, 背景設定);
    初期設定();
    platform().windows().place_window();
}

void 初期設定() {
    // The sides and the two-pawn flags stay until a game is started: the kept record, written on
    // leaving, names its players by the sides, and the mate tests read the flags as last computed.
    Kyokumen pos;
    pos.SITA_GAWA = SITA_GAWA;
    pos.UE_GAWA = UE_GAWA;
    std::ranges::copy(NIFU_SITA, pos.NIFU_SITA);
    std::ranges::copy(NIFU_UE, pos.NIFU_UE);
    初期配置(pos.BAN);
    TAIKYOKU.pos = pos;
    TAIKYOKU.shinkou = Shinkou{};
    // The seconds counted and the start time stay: a clock that is not shown does not count, and 後手
    // starts from the time it had.
    TAIKYOKU.tokei = Tokei{.KEIKA_BYOU = KEIKA_BYOU, .KAISHI_JIKOKU = KAISHI_JIKOKU};
    HANDE_LEVEL = 0;
    // The record is played over from its start; its entries stay until then, and are kept on leaving.
    KIFU_NO = 0;
    platform().clock().set_timer(false);
    時計_初期化();
    画面_再描画(TAIKYOKU.pos, TAIKYOKU.shinkou, TAIKYOKU.tokei, TAIKYOKU.settei);
}

bool 保存_前回の対局(bool tell) {
    const int err = 書込_前回の対局(TAIKYOKU.kifu, TAIKYOKU.shinkou, TAIKYOKU.pos);
    if (err == 0) return true;
    const std::string path = 取得_前回の対局パス();
    std::fprintf(stderr, "tessora: %s: %s\n", path.c_str(), file_error_text(err).c_str());
    if (tell)
        platform().dialogs().message("対局を書き込めませんでした\n" + path + "\n" + 取得_失敗理由(err, true),
                                     "前回の対局");
    return false;
}

void 終了処理(bool tell) {
    com_中止();
    保存_前回の対局(tell);
    効果音_解放();
}

void 終局_棋譜満杯() {
    platform().clock().set_timer(false);
    SYOUSYA = SYOUSYA_HIKIWAKE;
    dsPlay(OTO_KINSHI);
    platform().dialogs().message(
        "棋譜が一杯です（" + std::to_string(KIFU_MAX) + "手まで）。引き分けで終わります", "終了");
}

void TAIKYOKU_Click() {
    platform().file_controls().close();
}

void MATCH_MAN_Click() {}

void START_Click() {
    const bool reset = SYOUSYA != 0;
    if (reset || TESUU == 0 || TEBAN == 0) 保存_前回の対局(true); // a new game is played over the record
    if (reset) 初期設定();
    if (reset) platform().canvas().refresh();
    描画_棋譜読込み部分消去(TAIKYOKU.pos, TAIKYOKU.settei);
    for (int x = -2; x <= 0; ++x) 描画_絵(HAIKEI_NO, x, 0);
    描画_将棋盤桝(TAIKYOKU.settei);
    KIFU_MODE = OFF;
    // Only started here: a clock already running (a game against the computer) keeps running.
    start_clock_if_shown();
    TAIKYOKU_MODE = MODE_MAN_MAN;
    if (TESUU == 0 || TEBAN == 0) {
        SITA_GAWA = 1;
        UE_GAWA = -1;
        TEBAN = 1;
        platform().dialogs().message("先手の番です", " ");
    } else {
        turn_message(" ");
    }
    SAIKAI_MACHI = OFF;
}

namespace {

// 先手 (side 1) and 後手 (side -1) against the computer, the human on the lower side. A fresh game
// starts with the chosen side; one in progress goes on with whoever is to move, and 先手 then gives the
// human the first side.
void 対局開始(int side) {
    if (SYOUSYA != 0 || TESUU == 0 || TEBAN == 0) 保存_前回の対局(true); // a new game replaces the record
    if (SYOUSYA != 0) 初期設定();
    描画_棋譜読込み部分消去(TAIKYOKU.pos, TAIKYOKU.settei);
    描画_レベル(TAIKYOKU.settei, COM_LEVEL);
    描画_将棋盤桝(TAIKYOKU.settei);
    SENTAKU = 0;
    TAIKYOKU_MODE = MODE_MAN_COM;
    KIFU_MODE = OFF;
    KIFU_TESUU = KIFU_NO; // the record goes on from the position shown; later entries are dropped
    if (side == 1) KAISHI_JIKOKU = platform().clock().now(); // 後手 has always kept the time it had
    platform().clock().set_timer(true);
    const bool fresh = TESUU == 0 || TEBAN == 0;
    const bool man_to_move = fresh ? side == 1 : TEBAN == SITA_GAWA;
    if (fresh || (man_to_move && side == 1)) {
        SITA_GAWA = side;
        UE_GAWA = -side;
        TEBAN = 1;
    }
    if (!man_to_move) {
        com_ban();
        return;
    }
    platform().dialogs().message("MANの番です", fresh ? " " : "対局");
    SAIKAI_MACHI = OFF;
}

} // namespace

void SENTE_Click() {
    対局開始(1);
}

void GOTE_Click() {
    対局開始(-1);
}

void OWARI_Click() {
    終了処理(true);
    platform().windows().end_program();
}

void 終了_シグナル() {
    終了処理(false);
    platform().windows().end_program();
}

void Form_KeyPress(int key) {
    if (key == 27) OWARI_Click();
}

void Form_Unload() {
    終了処理(true);
}

void Form_MouseDown(int button, int, double X, double Y) {
    platform().file_controls().close();
    if (KIFU_MODE == ON) {
        if (!platform().dialogs().ask("棋譜を '進 'で進めて下さい", "棋譜")) {
            dsPlay(OTO_KINSHI);
            初期設定();
        }
        return;
    }
    if (SYOUSYA != 0) {
        platform().dialogs().message("新規に対局してください", "終局");
        return;
    }
    const int mx = static_cast<int>(std::floor((X - BAN_X0) / MASU_W));
    const int my = static_cast<int>(std::floor((Y - BAN_Y0) / MASU_H));
    if (TEBAN == 0) {
        dsPlay(OTO_KINSHI);
        platform().dialogs().message("「対局」で始めて下さい", "開始");
        return;
    }

    // Resuming after a step through the record, or handing the move to the computer.
    if (TAIKYOKU_MODE == MODE_MAN_MAN) {
        if (SAIKAI_MACHI == ON) {
            SAIKAI_MACHI = OFF;
            start_clock_if_shown();
            turn_message("対局");
        }
    } else if (TEBAN == UE_GAWA) {
        SAIKAI_MACHI = OFF;
        platform().dialogs().message("OKですか？", "再開(COM)");
        com_ban();
    } else if (SAIKAI_MACHI == ON) {
        SAIKAI_MACHI = OFF;
        start_clock_if_shown();
        platform().dialogs().message("MANの番です", "対局");
    }

    if (mx >= 1 && mx <= 11 && my >= 1 && my <= 11) {
        if (SENTAKU == 0) {
            const int c = BAN[mx][my];
            if (c == KARA) return;
            g_sel.from_x = mx;
            g_sel.from_y = my;
            g_sel.piece = c;
            描画_移動可能桝色(TAIKYOKU.pos, TAIKYOKU.settei, mx, my, SIDOU_IRO, c);
            if (own_piece(c)) {
                描画_桝輪郭(SENTAKU_IRO, mx, my);
                SENTAKU = 1;
            } else {
                描画_桝輪郭(SIDOU_IRO, mx, my);
            }
            return;
        }
        g_sel.to_x = mx;
        g_sel.to_y = my;
        if ((g_sel.from_x == -1 && TEBAN == SITA_GAWA) || (g_sel.from_x == 13 && TEBAN == UE_GAWA)) {
            描画_移動可能桝色(TAIKYOKU.pos, TAIKYOKU.settei, g_sel.from_x, g_sel.from_y, WAKU_IRO,
                              g_sel.piece);
            描画_桝輪郭(WAKU_IRO, g_sel.from_x, g_sel.from_y);
            SENTAKU = 0;
        } else if (own_piece(BAN[mx][my])) {
            描画_桝輪郭(WAKU_IRO, g_sel.from_x, g_sel.from_y);
            g_sel.from_x = mx;
            g_sel.from_y = my;
            g_sel.piece = BAN[mx][my];
            描画_移動可能桝色(TAIKYOKU.pos, TAIKYOKU.settei, mx, my, SIDOU_IRO, g_sel.piece);
            描画_桝輪郭(SENTAKU_IRO, mx, my);
        } else if (移動チェック(g_sel.from_x, g_sel.from_y, mx, my, g_sel.piece) == OFF) {
            dsPlay(OTO_KINSHI);
            SENTAKU = 0;
            描画_将棋盤桝(TAIKYOKU.settei);
        } else {
            make_move(button);
        }
        return;
    }

    // Outside the grid: first wipe the marks of the last selection.
    if (g_sel.piece != KARA) {
        描画_移動可能桝色(TAIKYOKU.pos, TAIKYOKU.settei, g_sel.from_x, g_sel.from_y, WAKU_IRO, g_sel.piece);
        描画_桝輪郭(WAKU_IRO, g_sel.from_x, g_sel.from_y);
    }
    if (mx == 13 && my >= 3 && my <= BAN_SIZE) {
        const int k = my - 2;
        if (SITA_MOCHI[k] > 0) select_from_hand(13, my, SITA_KOMA_BY_KIND[k], TEBAN == SITA_GAWA);
    } else if (mx == -1 && my >= 1 && my <= 7) {
        const int k = 8 - my;
        if (UE_MOCHI[k] > 0) select_from_hand(-1, my, UE_KOMA_BY_KIND[k], TEBAN == UE_GAWA);
    }
}

namespace {

void make_move(int button) {
    Selection& s = g_sel;
    if (調査_棋譜満杯(TAIKYOKU.kifu)) {
        // A game resumed at the record's last entry: it ends as the computer's turn would.
        SENTAKU = 0;
        描画_将棋盤桝(TAIKYOKU.settei);
        終局_棋譜満杯();
        return;
    }
    // 9. Record the position before the move.
    手順保存(TAIKYOKU.kifu, TAIKYOKU.pos, TAIKYOKU.settei, s.from_x, s.from_y, s.to_x, s.to_y, s.piece,
             BAN[s.to_x][s.to_y], SITA_JIKAN, SITA_JIKAN + KEIKA_BYOU, UE_JIKAN, UE_JIKAN);
    TESUU += 1;
    描画_手数(TAIKYOKU.pos, TAIKYOKU.settei, TESUU, 15);
    // 10. Promotion only with the right button.
    if (調査_駒成(s.from_x, s.from_y, s.to_x, s.to_y, s.piece) == ON && button == 2) s.piece = NARI_KOMA;
    // 11. The move.
    SENTAKU = 0;
    描画_桝輪郭(WAKU_IRO, s.from_x, s.from_y);
    描画_桝輪郭(WAKU_IRO, s.to_x, s.to_y);
    描画_移動可能桝色(TAIKYOKU.pos, TAIKYOKU.settei, s.from_x, s.from_y, WAKU_IRO, s.piece);
    if (s.from_x == -1) s.from_y = 8 - s.from_y;
    const int captured = BAN[s.to_x][s.to_y];
    駒移動(s.from_x, s.from_y, s.to_x, s.to_y, s.piece);
    dsPlay(OTO_KOMA);
    KIFU_NO += 1;
    手順保存_着手後(TAIKYOKU.kifu, TAIKYOKU.pos);
    描画_移動結果(TAIKYOKU.pos, TAIKYOKU.settei, s.piece >= UE_HU ? UE_GAWA : SITA_GAWA, s.to_x, s.to_y,
                  s.piece);
    // 12. The turn changes.
    if (TAIKYOKU_MODE == MODE_MAN_COM) {
        platform().clock().set_timer(false);
        SITA_JIKAN += KEIKA_BYOU;
        勢力調査();
        if (詰めかCOM() == ON || captured == UE_OU) {
            SYOUSYA = SITA_GAWA;
            platform().dialogs().message("あなたの勝ちです", "終了");
        } else {
            TEBAN = UE_GAWA;
            com_ban();
        }
        return;
    }
    if (SYOUSYA == SITA_GAWA) {
        platform().dialogs().message("先手の勝ちです", "終了");
    } else if (SYOUSYA == UE_GAWA) {
        platform().dialogs().message("後手の勝ちです", "終了");
    }
    if (TEBAN == 1) {
        TEBAN = -1;
        SITA_JIKAN += KEIKA_BYOU;
    } else if (TEBAN == -1) {
        TEBAN = 1;
        UE_JIKAN += KEIKA_BYOU;
    }
    KAISHI_JIKOKU = platform().clock().now();
    if (SYOUSYA == 0 && 調査_棋譜満杯(TAIKYOKU.kifu)) 終局_棋譜満杯();
}

} // namespace
