// Stepping through the record: an entry put back on the board, and what follows from the position shown.

#include "kifu/navigate.h"

#include "core/moves.h"
#include "core/rules.h"

#include <cstdlib>

void follow_shown_position(Kyokumen& k) {
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) {
            if (k.BAN[x][y] == SITA_OU) {
                k.SITA_OU_X = x;
                k.SITA_OU_Y = y;
            } else if (k.BAN[x][y] == UE_OU) {
                k.UE_OU_X = x;
                k.UE_OU_Y = y;
            }
        }
    調査_2歩フラグ設定(k);
}

void restore_entry(Kyokumen& k, const Kiroku& r, int n) {
    put_entry(k, r.entries[n]);
}

namespace {

// The cells of two boards that differ.
int differing_cells(const Koma (&a)[12][12], const Koma (&b)[12][12]) {
    int n = 0;
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) n += a[x][y] != b[x][y];
    return n;
}

} // namespace

RecordedMove recorded_move(const Kiroku& r, int n) {
    RecordedMove m;
    if (n < 1 || n > KIFU_MAX) return m;
    const RecordEntry& after = r.entries[n];
    // The ring may have turned any number of cells before the move: the turn that leaves only the move's
    // own one or two cells changed; the turns the game made where it knows them, else the shortest way
    // round.
    const int was = r.ring_turned[n - 1], is = r.ring_turned[n];
    const int known = was != TURNS_UNKNOWN && is != TURNS_UNKNOWN ? ((is - was) % 40 + 40) % 40 : -1;
    Kyokumen turned;
    put_entry(turned, r.entries[n - 1]);
    int best = -1;
    Kyokumen at_best;
    for (int k = 0; k < 40; ++k) {
        const int cells = differing_cells(turned.BAN, after.ban);
        const int net = shortest_turns(k);
        const bool settled = known >= 0 && best == known;
        if (cells >= 1 && cells <= 2 && !settled &&
            (best < 0 || k == known || std::abs(net) < std::abs(m.turns))) {
            best = k;
            m.turns = net;
            at_best = turned;
        }
        回転盤_右回転(turned);
    }
    if (best < 0) return m;
    int changed = 0;
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) {
            const Koma was = at_best.BAN[x][y], now = after.ban[x][y];
            if (was == now) continue;
            ++changed;
            if (now != KARA) {
                m.to = {x, y};
                m.placed = now;
                m.captured = was;
            } else {
                m.from = {x, y};
                m.moved = was;
            }
        }
    if (m.placed == KARA || (changed == 2 && m.from == Cell{})) return m;
    m.mover_turns = r.turns_before[n] != TURNS_UNKNOWN ? shortest_turns(r.turns_before[n]) : m.turns;
    m.lower = is_lower(m.placed);
    if (m.from == Cell{}) {
        // A drop: the mover's hand row of the piece's kind.
        const int kind = hand_kind(m.placed);
        if (kind == 0) return m;
        m.from = hand_cell(HandSlot{!m.lower, kind});
    }
    m.found = true;
    return m;
}

int shortest_turns(int right_turns) {
    const int k = (right_turns % 40 + 40) % 40;
    return k <= 20 ? k : k - 40;
}
