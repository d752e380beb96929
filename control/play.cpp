#include "control/play.h"

#include "com/com.h"
#include "control/clock.h"
#include "control/flow.h"
#include "core/moves.h"
#include "core/rules.h"
#include "control/owner.h"

void 駒移動(int fx, int fy, int tx, int ty, int p) {
    flow_move_piece(fx, fy, tx, ty, p);
}

void KAITEN_L_Click() {
    flow_turn_ring(false);
}

void KAITEN_R_Click() {
    flow_turn_ring(true);
}

int search_turn() {
    // The preparation of the search has always left the two-pawn flags of this position on the game,
    // where the mate test after the computer's move reads them.
    調査_2歩フラグ設定(TAIKYOKU.pos);
    const int found =
        search_turn(TAIKYOKU.pos, TAIKYOKU.tables, TAIKYOKU.com, TAIKYOKU.settei.COM_LEVEL, Timer1_Timer);
    // Turning the ring clears the selection, as the search's turns always have.
    if (TAIKYOKU.com.KAITEN_TANSAKU == ON) TAIKYOKU.shinkou.SENTAKU = 0;
    return found;
}

void com_ban() {
    flow_computer_turn();
}
