#include "control/clock.h"

#include "core/state.h"
#include "display/texts.h"
#include "settings/settings.h"
#include "platform/platform.h"
#include "control/owner.h"

#include <cmath>

namespace {
long g_last_second = 0; // the last whole second the display showed
}

void reset_clocks() {
    g_last_second = 0;
}

void Timer1_Timer() {
    if (!platform().clock().timer_enabled() || TAIKYOKU.pos.SYOUSYA != 0) return;
    TAIKYOKU.tokei.KEIKA_BYOU = 調査_経過秒(TAIKYOKU.tokei.KAISHI_JIKOKU, platform().clock().now());
    const long whole = static_cast<long>(std::floor(TAIKYOKU.tokei.KEIKA_BYOU));
    if (whole == g_last_second) return;
    g_last_second = whole;
    if (TAIKYOKU.pos.TEBAN == TAIKYOKU.pos.UE_GAWA) {
        描画_所有時間(TAIKYOKU.pos, TAIKYOKU.settei, TAIKYOKU.pos.UE_GAWA,
                      TAIKYOKU.tokei.KEIKA_BYOU + TAIKYOKU.tokei.UE_JIKAN);
    } else if (TAIKYOKU.pos.TEBAN == TAIKYOKU.pos.SITA_GAWA) {
        描画_所有時間(TAIKYOKU.pos, TAIKYOKU.settei, TAIKYOKU.pos.SITA_GAWA,
                      TAIKYOKU.tokei.KEIKA_BYOU + TAIKYOKU.tokei.SITA_JIKAN);
    }
    platform().canvas().refresh();
}

double 調査_経過秒(double start, double now) {
    if (start > now) return now + (86400 - start); // midnight passed
    return now - start;
}

void KEIKA_Click() {
    if (TAIKYOKU.settei.KEIKA_HYOUJI == ON) {
        set_clock_option(TAIKYOKU.settei, platform().menus(), false);
        platform().clock().set_timer(false);
        消去_所有時間(TAIKYOKU.pos, TAIKYOKU.settei, TAIKYOKU.pos.SITA_GAWA);
        消去_所有時間(TAIKYOKU.pos, TAIKYOKU.settei, TAIKYOKU.pos.UE_GAWA);
    } else {
        set_clock_option(TAIKYOKU.settei, platform().menus(), true);
        platform().clock().set_timer(true);
        描画_所有時間(TAIKYOKU.pos, TAIKYOKU.settei, TAIKYOKU.pos.UE_GAWA, TAIKYOKU.tokei.UE_JIKAN);
        描画_所有時間(TAIKYOKU.pos, TAIKYOKU.settei, TAIKYOKU.pos.SITA_GAWA, TAIKYOKU.tokei.SITA_JIKAN);
    }
    書込_環境設定ファイル();
}
