#include "control/clock.h"

#include "core/state.h"
#include "display/draw.h"
#include "display/texts.h"
#include "kifu/record.h"
#include "platform/platform.h"
#include "settings/settings.h"

#include <cmath>

namespace {
long g_last_second = 0; // the last whole second the display showed
}

void 時計_初期化() {
    g_last_second = 0;
}

void Timer1_Timer() {
    if (!platform().clock().timer_enabled() || SYOUSYA != 0) return;
    KEIKA_BYOU = 調査_経過秒(KAISHI_JIKOKU, platform().clock().now());
    const long whole = static_cast<long>(std::floor(KEIKA_BYOU));
    if (whole == g_last_second) return;
    g_last_second = whole;
    if (TEBAN == UE_GAWA) {
        描画_所有時間(UE_GAWA, KEIKA_BYOU + UE_JIKAN);
    } else if (TEBAN == SITA_GAWA) {
        描画_所有時間(SITA_GAWA, KEIKA_BYOU + SITA_JIKAN);
    }
    platform().canvas().refresh();
}

double 調査_経過秒(double start, double now) {
    if (start > now) return now + (86400 - start); // midnight passed
    return now - start;
}

std::string 調査_時間秒追加結果(double s) {
    const double h = s >= 3600 ? std::floor(s / 3600) : 0;
    const double r = s - 3600 * h;
    const double m = std::floor(r / 60);
    const double sec = r - 60 * m;
    return 変換_数字から文字(static_cast<int>(h)) + ":" + 変換_数字から文字(static_cast<int>(m)) + ":" +
           変換_数字から文字(static_cast<int>(std::floor(sec)));
}

void 描画_所有時間(int side, double s) {
    if (!platform().menus().checked(MenuItem::KEIKA)) return;
    const int c = 取得_対背景色();
    const std::string t = 調査_時間秒追加結果(s);
    消去_所有時間(side);
    if (side == SITA_GAWA) {
        描画_数値(13.1, 11.3, t, 0, 0, 12);
        描画_数値(13, 11.2, t, c, 0, 12);
    } else if (side == UE_GAWA) {
        描画_数値(-1.5, 9.3, t, 0, 0, 12);
        描画_数値(-1.6, 9.2, t, c, 0, 12);
        描画_絵(BAN[1][9], 1, 9);
        描画_桝輪郭(0, 1, 9);
    }
}

void 消去_所有時間(int side) {
    if (side == SITA_GAWA) {
        for (int x = 13; x <= 15; ++x) 描画_絵(HAIKEI_NO, x, 11);
    } else if (side == UE_GAWA) {
        for (int x = -2; x <= 0; ++x) 描画_絵(HAIKEI_NO, x, 9);
    }
}

void KEIKA_Click() {
    if (platform().menus().checked(MenuItem::KEIKA)) {
        platform().menus().set_checked(MenuItem::KEIKA, false);
        platform().clock().set_timer(false);
        消去_所有時間(SITA_GAWA);
        消去_所有時間(UE_GAWA);
    } else {
        platform().menus().set_checked(MenuItem::KEIKA, true);
        platform().clock().set_timer(true);
        描画_所有時間(UE_GAWA, UE_JIKAN);
        描画_所有時間(SITA_GAWA, SITA_JIKAN);
    }
    書込_環境設定ファイル();
}
