#include "control/clock.h"

#include "core/state.h"
#include "display/texts.h"
#include "settings/settings.h"
#include "platform/platform.h"
#include "control/flow.h"
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
    const Kyokumen& k = TAIKYOKU.pos;
    const Tokei& t = TAIKYOKU.tokei;
    const bool mover = k.TEBAN != 0 && (k.TEBAN == k.UE_GAWA || k.TEBAN == k.SITA_GAWA);
    long whole = static_cast<long>(std::floor(t.KEIKA_BYOU));
    if (t.time_control.on() && mover) {
        const ClockLeft left = clock_left(k, t, k.TEBAN, t.KEIKA_BYOU);
        if (left.flag) {
            draw_clock(k, TAIKYOKU.settei, t, k.TEBAN, t.KEIKA_BYOU); // at 00:00:00
            flow_time_up();
            return;
        }
        whole = static_cast<long>(std::ceil(left.shown()));
    }
    if (whole == g_last_second) return;
    g_last_second = whole;
    if (mover) draw_clock(k, TAIKYOKU.settei, t, k.TEBAN, t.KEIKA_BYOU);
    platform().canvas().refresh();
}

bool clock_runs_down() {
    return TAIKYOKU.tokei.time_control.on();
}

double 調査_経過秒(double start, double now) {
    if (start > now) return now + (86400 - start); // midnight passed
    return now - start;
}

void KEIKA_Click() {
    Tokei& t = TAIKYOKU.tokei;
    if (TAIKYOKU.settei.KEIKA_HYOUJI == ON) {
        set_clock_option(TAIKYOKU.settei, platform().menus(), false);
        // A time control keeps its clocks running and shown.
        if (!clock_runs_down()) {
            platform().clock().set_timer(false);
            消去_所有時間(TAIKYOKU.pos, TAIKYOKU.settei, TAIKYOKU.pos.SITA_GAWA);
            消去_所有時間(TAIKYOKU.pos, TAIKYOKU.settei, TAIKYOKU.pos.UE_GAWA);
        }
    } else {
        set_clock_option(TAIKYOKU.settei, platform().menus(), true);
        platform().clock().set_timer(true);
        if (!clock_runs_down()) draw_clocks(TAIKYOKU.pos, TAIKYOKU.settei, t);
    }
    書込_環境設定ファイル();
}
