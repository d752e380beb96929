// Stepping through the record (戻, 進), back to the start (最初) and turning the board about (反転).

#include "kifu/navigate.h"

#include "com/com.h"
#include "control/clock.h"
#include "control/game.h"
#include "com/mate.h"
#include "control/levels.h"
#include "core/moves.h"
#include "core/rules.h"
#include "core/state.h"
#include "display/draw.h"
#include "display/levels.h"
#include "display/texts.h"
#include "kifu/panel.h"
#include "kifu/record.h"
#include "platform/platform.h"
#include "sound/dslib.h"
#include "sound/effects.h"

#include <utility>

namespace {

// The kings' squares and the two-pawn flags follow the position now shown, so the rule and mate
// checks that read them next see that position. A king that is not on the board keeps its square.
void 調査_局面後設定() {
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) {
            if (BAN[x][y] == SITA_OU) {
                SITA_OU_X = x;
                SITA_OU_Y = y;
            } else if (BAN[x][y] == UE_OU) {
                UE_OU_X = x;
                UE_OU_Y = y;
            }
        }
    調査_2歩フラグ設定();
}

void restore(int n) {
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) BAN[x][y] = KIFU_BAN[n][x][y];
    for (int k = 1; k <= 7; ++k) {
        SITA_MOCHI[k] = KIFU_SITA_MOCHI[n][k];
        UE_MOCHI[k] = KIFU_UE_MOCHI[n][k];
    }
    SITA_MOCHI_KEI = 調査_持駒数(SITA_GAWA);
    UE_MOCHI_KEI = 調査_持駒数(UE_GAWA);
}

// Shows record entry n with the given clocks: both hand boxes, the whole board and the handicap level
// the record's game was played at.
void show_snapshot(int n, double ue_jikan, double sita_jikan) {
    restore(n);
    ハンデ_棋譜に合わせる();
    UE_JIKAN = ue_jikan;
    描画_所有時間(UE_GAWA, UE_JIKAN);
    SITA_JIKAN = sita_jikan;
    描画_所有時間(SITA_GAWA, SITA_JIKAN);
    描画_自持盤();
    描画_敵持盤();
    描画_盤();
}

// Shows record entry n as the position its move left: the clocks after that move and its text.
void show_after_move(int n, bool sound) {
    show_snapshot(n, KIFU_UE_JIKAN_ATO[n], KIFU_SITA_JIKAN_ATO[n]);
    int x = 0, y = 0, code = KARA;
    調査_移動結果(n, x, y, code);
    if (sound) dsPlay(OTO_KOMA);
    描画_移動結果(code > 0 ? UE_GAWA : SITA_GAWA, x, y, code);
}

// The game shown has already ended: a king was taken, or the human's last move mated the computer.
int 調査_終局(int mode) {
    bool sita_ou = false, ue_ou = false;
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) {
            sita_ou = sita_ou || BAN[x][y] == SITA_OU;
            ue_ou = ue_ou || BAN[x][y] == UE_OU;
        }
    if (!sita_ou) return UE_GAWA;
    if (!ue_ou) return SITA_GAWA;
    if (mode == MODE_MAN_COM && TEBAN == UE_GAWA) {
        勢力調査();
        if (詰めかCOM() == ON) return SITA_GAWA;
    }
    return 0;
}

} // namespace

void 再開待ち_最終局面(int mode) {
    SENTAKU = 0;
    platform().clock().set_timer(false);
    描画_将棋盤桝();
    KIFU_MODE = OFF;
    TAIKYOKU_MODE = mode;
    if (mode == MODE_MAN_COM) 描画_レベル(COM_LEVEL);
    KIFU_NO = KIFU_TESUU;
    TESUU = KIFU_TESUU;
    show_after_move(KIFU_NO, false);
    // The players took turns from entry 0, where the side that moved first (TEBAN 1) was to move.
    TEBAN = TESUU % 2 == 0 ? 1 : -1;
    描画_手数(TESUU, 15);
    調査_局面後設定();
    SYOUSYA = 調査_終局(mode);
    SAIKAI_MACHI = ON;
}

void STOP_Click() {
    platform().file_controls().close();
}

void CANCEL_Click() {
    初期設定();
    調査_局面後設定();
    dsPlay(OTO_KOMA);
}

void AFTER_Click() {
    platform().file_controls().close();
    if (TEBAN == 0) {
        dsPlay(OTO_KINSHI);
        platform().dialogs().message("「対局」で始めて下さい", "開始");
        return;
    }
    SAIKAI_MACHI = ON;
    // The record ends at KIFU_TESUU, and never beyond its room; only stored entries are shown.
    if (KIFU_NO >= KIFU_TESUU || KIFU_NO >= KIFU_MAX || KIFU_NO < 0) {
        if (KIFU_MODE == ON) {
            platform().dialogs().message("終わり", "進む");
        } else {
            dsPlay(OTO_KINSHI);
            platform().dialogs().message("できません", "進む");
        }
        return;
    }
    消去_思考中();
    SENTAKU = 0;
    platform().clock().set_timer(false);
    描画_将棋盤桝();

    KIFU_NO += 1;
    TESUU += 1;
    描画_手数(TESUU, 15);
    show_after_move(KIFU_NO, true);
    TEBAN = -TEBAN;
    描画_手数(TESUU, 15);
    調査_局面後設定();
}

void REPLAY_Click() {
    platform().file_controls().close();
    SAIKAI_MACHI = ON;
    // Only entries stored in the record are shown: one standing beyond its end is refused as at its start.
    if (KIFU_NO < 1 || KIFU_NO > KIFU_TESUU) {
        dsPlay(OTO_KINSHI);
        platform().dialogs().message("できません", "戻る");
        return;
    }
    SENTAKU = 0;
    platform().clock().set_timer(false);
    描画_将棋盤桝();
    消去_思考中();

    const int n = KIFU_NO - 1;
    show_snapshot(n, KIFU_UE_JIKAN_MAE[n], KIFU_SITA_JIKAN_MAE[n]);

    int x = 0, y = 0, code = KARA;
    調査_移動結果(KIFU_NO, x, y, code);
    dsPlay(OTO_KOMA);
    消去_移動結果(code > 0 ? UE_GAWA : SITA_GAWA);

    KIFU_NO -= 1;
    TESUU -= 1;
    TEBAN = -TEBAN;
    描画_手数(TESUU, 15);
    調査_局面後設定();
}

void REVERSE_Click() {
    if (KIFU_MODE == ON) {
        dsPlay(OTO_KINSHI);
        platform().dialogs().message("棋譜ﾓｰﾄﾞではできません", "反転");
        return;
    }
    HANTEN = ON;
    SENTAKU = 0;

    Koma copy[12][12];
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) copy[x][y] = BAN[x][y];
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) BAN[12 - x][12 - y] = static_cast<Koma>(-copy[x][y]);

    for (int k = 1; k <= 7; ++k) std::swap(SITA_MOCHI[k], UE_MOCHI[k]);
    SITA_MOCHI_KEI = 調査_持駒数(SITA_GAWA);
    UE_MOCHI_KEI = 調査_持駒数(UE_GAWA);
    調査_局面後設定();

    画面_再描画();
    描画_手数(TESUU, 15);
    if (HANDE_SETTEI == ON) {
        HANDE_LEVEL = -HANDE_LEVEL;
        描画_ハンデレベル(HANDE_LEVEL);
    }
    dsPlay(OTO_KOMA);
    TEBAN = -TEBAN;
    KIFU_NO = 0;
    KIFU_TESUU = 0;
}
