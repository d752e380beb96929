// The computer's turn. The search tries every move of the upper side on the real board (board moves,
// moves from the ring in each of its 40 positions, drops), scores each with 盤評価 and takes it back;
// com_ban then carries the best one out as a human move would be, with the ring turns, the blink, the
// sound and the verdict.
#include "com/com.h"

#include "control/clock.h"
#include "core/mate.h"
#include "core/moves.h"
#include "core/rules.h"
#include "display/draw.h"
#include "display/texts.h"
#include "kifu/record.h"
#include "platform/platform.h"
#include "sound/dslib.h"
#include "sound/effects.h"

#include <algorithm>
#include <cstdlib>
#include <string>

int COM_TE_MOTO_X = 0, COM_TE_MOTO_Y = 0;
int COM_TE_SAKI_X = 0, COM_TE_SAKI_Y = 0;
Koma COM_TE_KOMA_MAE = KARA;
Koma COM_TE_KOMA_OKU = KARA;
int KAITEN_UTI = OFF;
int KAITEN_KAISUU = 0;

namespace {

// SYOUSYA once the record is full: the game is over and neither side has won.
constexpr int SYOUSYA_HIKIWAKE = 2;

void 候補_採用(double score, int fx, int fy, int tx, int ty, Koma mae, Koma oku) {
    SAIKOU_HYOUKA = score;
    COM_TE_MOTO_X = fx;
    COM_TE_MOTO_Y = fy;
    COM_TE_SAKI_X = tx;
    COM_TE_SAKI_Y = ty;
    COM_TE_KOMA_MAE = mae;
    COM_TE_KOMA_OKU = oku;
}

// A board or ring move of m from (fx, fy) to (tx, ty): made on BAN, scored, taken back. Only a board
// move is offered the promotion. True when it became the chosen move.
bool 候補評価_移動(int fx, int fy, int tx, int ty, Koma m, bool board_move) {
    IDOU_KOMA = m;
    OU_KYORI_MAE = std::max(std::abs(fx - SITA_OU_X), std::abs(fy - SITA_OU_Y));
    const Koma cap = BAN[tx][ty];
    BAN[fx][fy] = KARA;
    BAN[tx][ty] = m;
    const int p = board_move ? 調査_駒成(fx, fy, tx, ty, m) : OFF;
    const Koma nari = NARI_KOMA;
    勢力調査();
    double score = 盤評価(cap, m, fx, fy, tx, ty);
    Koma oku = m;
    if (p == ON) {
        BAN[tx][ty] = nari;
        勢力調査();
        const double score2 = 盤評価(cap, nari, fx, fy, tx, ty);
        if (score2 > score) {
            score = score2;
            oku = nari;
        }
        // Pawn, bishop and rook lose nothing by promoting, whatever the scores said.
        if (m == UE_HU || m == UE_KAKU || m == UE_SYA) oku = nari;
    }
    BAN[tx][ty] = cap;
    BAN[fx][fy] = m;
    if (!(score > SAIKOU_HYOUKA)) return false;
    候補_採用(score, fx, fy, tx, ty, m, oku);
    return true;
}

// A drop of hand kind k on (tx, ty). The hand itself is not touched while the drop is scored.
void 候補評価_打ち(int k, int tx, int ty) {
    const Koma piece = UE_KOMA_BY_KIND[k];
    IDOU_KOMA = piece;
    BAN[tx][ty] = piece;
    勢力調査();
    const double score = 盤評価(KARA, piece, -1, k, tx, ty);
    BAN[tx][ty] = KARA;
    if (!(score > SAIKOU_HYOUKA)) return;
    候補_採用(score, -1, k, tx, ty, piece, piece);
    KAITEN_UTI = OFF;
}

// Family 1. Returns true when a move taking the human's king was chosen: the search ends there.
bool 探索_盤上() {
    for (int x = 2; x <= 10; ++x) {
        Timer1_Timer();
        for (int y = 2; y <= 10; ++y) {
            const Koma m = BAN[x][y];
            if (m < UE_HU) continue;
            for (int tx = 1; tx <= 11; ++tx) {
                for (int ty = 1; ty <= 11; ++ty) {
                    if (移動チェック(x, y, tx, ty, m) != ON) continue;
                    if (候補評価_移動(x, y, tx, ty, m, true) && BAN[tx][ty] == SITA_OU) return true;
                }
            }
        }
    }
    return false;
}

// Family 2 on the real ring, turned one step after each of the 40 positions. Returns true on a king
// capture (a ring move can never capture, so this is only for symmetry with the board moves).
bool 探索_回転盤() {
    for (int k = 0; k <= 39; ++k) {
        for (int x = 1; x <= 11; ++x) {
            Timer1_Timer();
            for (int y = 1; y <= 11; ++y) {
                if (!is_ring(x, y)) continue;
                const Koma m = BAN[x][y];
                if (m < UE_HU) continue;
                for (int tx = 2; tx <= 10; ++tx) {
                    for (int ty = 2; ty <= 10; ++ty) {
                        if (移動チェック(x, y, tx, ty, m) != ON) continue;
                        if (!候補評価_移動(x, y, tx, ty, m, false)) continue;
                        KAITEN_UTI = ON;
                        KAITEN_KAISUU = k;
                        if (BAN[tx][ty] == SITA_OU) return true;
                    }
                }
            }
        }
        回転盤_右回転();
    }
    return false;
}

// Family 3. Returns true once a mate or a king capture has been found.
bool 探索_持駒() {
    for (int k = 1; k <= 7; ++k) {
        Timer1_Timer();
        if (UE_MOCHI[k] <= 0) continue;
        const Koma piece = UE_KOMA_BY_KIND[k];
        for (int tx = 2; tx <= 10; ++tx) {
            for (int ty = 2; ty <= 10; ++ty) {
                if (移動チェック(-1, k, tx, ty, piece) != ON) continue;
                候補評価_打ち(k, tx, ty);
                if (SAIKOU_HYOUKA >= 9998) return true;
            }
        }
    }
    return false;
}

// No room in the record for the computer's move: the game stops without a winner, nothing is moved.
void 記録満杯_終局() {
    platform().set_timer(false);
    SYOUSYA = SYOUSYA_HIKIWAKE;
    dsPlay(OTO_KINSHI);
    platform().message("棋譜が一杯です（" + std::to_string(KIFU_MAX) + "手まで）。引き分けで終わります",
                       "終了");
}

// The search found no legal move: the computer resigns.
void 投了() {
    消去_思考中();
    platform().set_timer(false);
    SYOUSYA = SITA_GAWA;
    platform().message("あなたの勝ちです", "終了");
}

} // namespace

// The preparation of a turn: the saved board, the escape squares, the survey, the probes and the
// "before" copies the evaluation compares with.
void 探索_準備() {
    SAIKOU_HYOUKA = -99999;
    for (int x = 1; x <= 11; ++x) {
        for (int y = 1; y <= 11; ++y) {
            BAN_HOZON[x][y] = BAN[x][y];
            NIGEMICHI[x][y] = KARA;
        }
    }
    // The escape squares are counted before this turn's survey, on the tables as they stand.
    調査_2歩フラグ設定();
    NIGEMICHI_SUU = 調査_自王逃道();
    勢力調査();
    調査_持角狙座標();
    調査_移動不可駒();
    UE_MOCHI_KEI_MAE = UE_MOCHI_KEI;
    for (int x = 1; x <= 11; ++x) {
        for (int y = 1; y <= 11; ++y) {
            SITA_SEIRYOKU_MAE[x][y] = SITA_SEIRYOKU[x][y];
            UE_SEIRYOKU_MAE[x][y] = UE_SEIRYOKU[x][y];
            UE_NERAI_X_MAE[x][y] = UE_NERAI_X[x][y];
            UE_NERAI_Y_MAE[x][y] = UE_NERAI_Y[x][y];
        }
    }
}

int com_探索() {
    KAITEN_UTI = OFF;
    KAITEN_KAISUU = 0;
    探索_準備();
    // Every chosen candidate raises SAIKOU_HYOUKA above its starting value.
    const auto found = [] { return SAIKOU_HYOUKA > -99999 ? ON : OFF; };
    if (探索_盤上()) return found();
    if (調査_回転盤上駒数(UE_GAWA) > 0) {
        KAITEN_UTI = OFF;
        KAITEN_KAISUU = 0;
        const bool stopped = 探索_回転盤();
        // Whether the loop ran out or stopped early, the ring goes back to where it started.
        for (int x = 1; x <= 11; ++x)
            for (int y = 1; y <= 11; ++y) BAN[x][y] = BAN_HOZON[x][y];
        if (stopped) return found();
    }
    if (UE_MOCHI_KEI_MAE > 0) 探索_持駒();
    return found();
}

void com_ban() {
    if (SYOUSYA != 0) return;
    if (KIFU_NO > KIFU_MAX) {
        記録満杯_終局();
        return;
    }

    KAISHI_JIKOKU = platform().now();
    if (platform().checked(MenuItem::KEIKA)) platform().set_timer(true);
    消去_思考中();
    描画_思考中();
    描画_桝輪郭(WAKU_IRO, 1, 8);
    platform().refresh();

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

    手順保存(fx, fy, tx, ty, mae, oku, SITA_JIKAN, SITA_JIKAN, UE_JIKAN, UE_JIKAN + KEIKA_BYOU);
    TESUU += 1;
    if (KAITEN_UTI == ON)
        for (int i = 0; i < KAITEN_KAISUU; ++i) KAITEN_R_Click();
    if (fx == -1)
        描画_駒点滅(oku, -1, 8 - fy, 2);
    else
        描画_駒点滅(mae, fx, fy, 2);
    駒移動(fx, fy, tx, ty, oku);
    描画_手数(TESUU, 15);
    消去_思考中();
    待機_秒(0.5);
    dsPlay(OTO_KOMA);
    KIFU_NO += 1;
    platform().set_timer(false);

    勢力調査();
    // A taken king ends the game before the mate test, which would look at a board without that king.
    if (SYOUSYA == UE_GAWA) {
        消去_移動結果(UE_GAWA);
        platform().message("ｺﾝﾋﾟｭｰﾀの勝ちです", "終了");
        TEBAN = SITA_GAWA;
        return;
    }
    if (詰めかMAN() == ON) {
        platform().message("よし！!", "詰め ?");
    } else if (at(UE_SEIRYOKU, SITA_OU_X, SITA_OU_Y) > 0) {
        platform().message("   ** 王手 **", "");
    }
    描画_移動結果(UE_GAWA, tx, ty, oku);
    描画_桝輪郭(15, tx, ty);

    UE_JIKAN += KEIKA_BYOU;
    KAISHI_JIKOKU = platform().now();
    TEBAN = SITA_GAWA;
    if (platform().checked(MenuItem::KEIKA)) platform().set_timer(true);
}
