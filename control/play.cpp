#include "control/play.h"

#include "com/com.h"
#include "com/mate.h"
#include "control/clock.h"
#include "control/game.h"
#include "control/level4.h"
#include "core/moves.h"
#include "core/rules.h"
#include "display/draw.h"
#include "display/texts.h"
#include "kifu/record.h"
#include "platform/platform.h"
#include "sound/dslib.h"
#include "sound/effects.h"
#include "control/owner.h"

namespace {

// After a turn of the ring: the sound or, for an empty ring, the message.
void after_turn() {
    if (調査_回転盤上駒数(SITA_GAWA) + 調査_回転盤上駒数(UE_GAWA) == 0) {
        platform().dialogs().message("まだコンベアにネタ（駒）が乗っていません", "");
    } else {
        dsPlay(OTO_KOMA);
    }
}

// The search found no legal move: the computer resigns.
void 投了() {
    消去_思考中(TAIKYOKU.pos, TAIKYOKU.settei);
    platform().clock().set_timer(false);
    SYOUSYA = SITA_GAWA;
    platform().dialogs().message("あなたの勝ちです", "終了");
}

} // namespace

void 駒移動(int fx, int fy, int tx, int ty, int p) {
    const int target = BAN[tx][ty];
    駒移動(KYOKUMEN, fx, fy, tx, ty, p);
    // What changed, painted in the order the move always showed it: the hand that gained a piece, the
    // emptied source, the hand a piece was dropped from, the destination.
    if (target <= SITA_HU) {
        描画_敵持盤(TAIKYOKU.pos, TAIKYOKU.settei);
    } else if (target >= UE_HU) {
        描画_自持盤(TAIKYOKU.pos, TAIKYOKU.settei);
    }
    描画_絵(KARA, fx, fy);
    描画_桝輪郭(0, fx, fy);
    if (fx == -1) {
        描画_敵持盤(TAIKYOKU.pos, TAIKYOKU.settei);
    } else if (fx == 13) {
        描画_自持盤(TAIKYOKU.pos, TAIKYOKU.settei);
    }
    描画_絵(p, tx, ty);
    描画_桝輪郭(0, tx, ty);
}

void KAITEN_L_Click() {
    回転盤_左回転();
    描画_盤(TAIKYOKU.pos, TAIKYOKU.settei);
    after_turn();
}

void KAITEN_R_Click() {
    回転盤_右回転();
    描画_盤(TAIKYOKU.pos, TAIKYOKU.settei);
    platform().canvas().refresh();
    after_turn();
}

int com_探索() {
    // The preparation of the search has always left the two-pawn flags of this position on the game,
    // where the mate test after the computer's move reads them.
    調査_2歩フラグ設定();
    const int found = com_探索(KYOKUMEN, SEIRYOKU, COM_KIOKU, COM_LEVEL, Timer1_Timer);
    // Turning the ring clears the selection, as the search's turns always have.
    if (KAITEN_TANSAKU == ON) SENTAKU = 0;
    return found;
}

void com_ban() {
    if (SYOUSYA != 0) return;
    if (調査_棋譜満杯(TAIKYOKU.kifu)) {
        // No room in the record for the computer's move: nothing is moved.
        終局_棋譜満杯();
        return;
    }

    KAISHI_JIKOKU = platform().clock().now();
    if (platform().menus().checked(MenuItem::KEIKA)) platform().clock().set_timer(true);
    消去_思考中(TAIKYOKU.pos, TAIKYOKU.settei);
    描画_思考中(TAIKYOKU.pos, TAIKYOKU.settei);
    描画_桝輪郭(WAKU_IRO, 1, 8);
    platform().canvas().refresh();

    const int found = COM_LEVEL == 4 ? com_探索_LEVEL4() : com_探索();
    // The program is ending during LEVEL4's search: no move is made.
    if (COM_LEVEL == 4 && com_中止済み() == ON) return;
    if (found == OFF) {
        投了();
        return;
    }

    const int fx = COM_TE_MOTO_X, fy = COM_TE_MOTO_Y;
    const int tx = COM_TE_SAKI_X, ty = COM_TE_SAKI_Y;
    const Koma mae = COM_TE_KOMA_MAE, oku = COM_TE_KOMA_OKU;

    手順保存(TAIKYOKU.kifu, TAIKYOKU.pos, TAIKYOKU.settei, fx, fy, tx, ty, mae, oku, SITA_JIKAN, SITA_JIKAN,
             UE_JIKAN, UE_JIKAN + KEIKA_BYOU);
    TESUU += 1;
    if (KAITEN_UTI == ON)
        for (int i = 0; i < KAITEN_KAISUU; ++i) KAITEN_R_Click();
    if (const HandSlot h = drop_slot(fx, fy); h.upper)
        描画_駒点滅(TAIKYOKU.settei, oku, -1, hand_cell(h).y, 2);
    else
        描画_駒点滅(TAIKYOKU.settei, mae, fx, fy, 2);
    駒移動(fx, fy, tx, ty, oku);
    描画_手数(TAIKYOKU.pos, TAIKYOKU.settei, TESUU, 15);
    消去_思考中(TAIKYOKU.pos, TAIKYOKU.settei);
    待機_秒(0.5);
    dsPlay(OTO_KOMA);
    KIFU_NO += 1;
    手順保存_着手後(TAIKYOKU.kifu, TAIKYOKU.pos);
    platform().clock().set_timer(false);

    勢力調査();
    // A taken king ends the game before the mate test, which would look at a board without that king.
    if (SYOUSYA == UE_GAWA) {
        消去_移動結果(TAIKYOKU.pos, TAIKYOKU.settei, UE_GAWA);
        platform().dialogs().message("ｺﾝﾋﾟｭｰﾀの勝ちです", "終了");
        TEBAN = SITA_GAWA;
        return;
    }
    if (詰めかMAN() == ON) {
        platform().dialogs().message("よし！!", "詰め ?");
    } else if (at(UE_SEIRYOKU, SITA_OU_X, SITA_OU_Y) > 0) {
        platform().dialogs().message("   ** 王手 **", "");
    }
    描画_移動結果(TAIKYOKU.pos, TAIKYOKU.settei, UE_GAWA, tx, ty, oku);
    描画_桝輪郭(15, tx, ty);

    UE_JIKAN += KEIKA_BYOU;
    KAISHI_JIKOKU = platform().clock().now();
    TEBAN = SITA_GAWA;
    // The human's turn has no room left: the game ends here, as the computer's turn would.
    if (調査_棋譜満杯(TAIKYOKU.kifu)) {
        終局_棋譜満杯();
        return;
    }
    if (platform().menus().checked(MenuItem::KEIKA)) platform().clock().set_timer(true);
}
