// The computer's search. It tries every move of the upper side on its own copy of the position (board
// moves, moves from the ring in each of its 40 positions, drops), scores each with 盤評価 and takes it
// back; the game's position is not touched. control/play.cpp carries the chosen move out on the game,
// with the ring turns, the blink, the sound and the verdict.
#include "com/com.h"
#include "com/mate.h"
#include "core/moves.h"
#include "core/rules.h"

#include <algorithm>
#include <cstdlib>

namespace {

// One search: the copy of the position it turns and tries moves on, the game's influence tables (the
// never-reset ones carry over to the next turns), the computer's memory, the level, and the clock tick
// the search gives once per column.
struct Tansaku {
    Kyokumen& pos;
    Seiryoku& tb;
    ComKioku& mem;
    int level;
    void (*tick_fn)();

    void tick() const {
        if (tick_fn) tick_fn();
    }

    void take_candidate(double score, int fx, int fy, int tx, int ty, Koma mae, Koma oku) {
        mem.SAIKOU_HYOUKA = score;
        mem.COM_TE_MOTO_X = fx;
        mem.COM_TE_MOTO_Y = fy;
        mem.COM_TE_SAKI_X = tx;
        mem.COM_TE_SAKI_Y = ty;
        mem.COM_TE_KOMA_MAE = mae;
        mem.COM_TE_KOMA_OKU = oku;
    }

    // A board or ring move of m from (fx, fy) to (tx, ty): made on BAN, scored, taken back. Only a board
    // move is offered the promotion. True when it became the chosen move.
    bool score_move(int fx, int fy, int tx, int ty, Koma m, bool board_move) {
        mem.IDOU_KOMA = m;
        mem.OU_KYORI_MAE = std::max(std::abs(fx - pos.SITA_OU_X), std::abs(fy - pos.SITA_OU_Y));
        const Koma cap = pos.BAN[tx][ty];
        pos.BAN[fx][fy] = KARA;
        pos.BAN[tx][ty] = m;
        Koma nari = KARA;
        const int p = board_move ? 調査_駒成(fx, fy, tx, ty, m, nari) : OFF;
        勢力調査(pos, tb);
        double score = 盤評価(pos, tb, mem, level, cap, m, fx, fy, tx, ty);
        Koma oku = m;
        if (p == ON) {
            pos.BAN[tx][ty] = nari;
            勢力調査(pos, tb);
            const double score2 = 盤評価(pos, tb, mem, level, cap, nari, fx, fy, tx, ty);
            if (score2 > score) {
                score = score2;
                oku = nari;
            }
            // Pawn, bishop and rook lose nothing by promoting, whatever the scores said.
            if (m == UE_HU || m == UE_KAKU || m == UE_SYA) oku = nari;
        }
        pos.BAN[tx][ty] = cap;
        pos.BAN[fx][fy] = m;
        if (!(score > mem.SAIKOU_HYOUKA)) return false;
        take_candidate(score, fx, fy, tx, ty, m, oku);
        return true;
    }

    // A drop of hand kind k on (tx, ty). The hand itself is not touched while the drop is scored.
    void score_drop(int k, int tx, int ty) {
        const Koma piece = UE_KOMA_BY_KIND[k];
        mem.IDOU_KOMA = piece;
        pos.BAN[tx][ty] = piece;
        勢力調査(pos, tb);
        const double score = 盤評価(pos, tb, mem, level, KARA, piece, -1, k, tx, ty);
        pos.BAN[tx][ty] = KARA;
        if (!(score > mem.SAIKOU_HYOUKA)) return;
        take_candidate(score, -1, k, tx, ty, piece, piece);
        mem.KAITEN_UTI = OFF;
    }

    // Family 1. Returns true when a move taking the human's king was chosen: the search ends there.
    bool search_board() {
        for (int x = 2; x <= 10; ++x) {
            tick();
            for (int y = 2; y <= 10; ++y) {
                const Koma m = pos.BAN[x][y];
                if (m < UE_HU) continue;
                for (int tx = 1; tx <= 11; ++tx) {
                    for (int ty = 1; ty <= 11; ++ty) {
                        if (移動チェック(pos, x, y, tx, ty, m) != ON) continue;
                        if (score_move(x, y, tx, ty, m, true) && pos.BAN[tx][ty] == SITA_OU) return true;
                    }
                }
            }
        }
        return false;
    }

    // Family 2 on the real ring, turned one step after each of the 40 positions. Returns true on a king
    // capture (a ring move can never capture, so this is only for symmetry with the board moves).
    bool search_ring() {
        for (int k = 0; k <= 39; ++k) {
            for (int x = 1; x <= 11; ++x) {
                tick();
                for (int y = 1; y <= 11; ++y) {
                    if (!is_ring(x, y)) continue;
                    const Koma m = pos.BAN[x][y];
                    if (m < UE_HU) continue;
                    for (int tx = 2; tx <= 10; ++tx) {
                        for (int ty = 2; ty <= 10; ++ty) {
                            if (移動チェック(pos, x, y, tx, ty, m) != ON) continue;
                            if (!score_move(x, y, tx, ty, m, false)) continue;
                            mem.KAITEN_UTI = ON;
                            mem.KAITEN_KAISUU = k;
                            if (pos.BAN[tx][ty] == SITA_OU) return true;
                        }
                    }
                }
            }
            回転盤_右回転(pos);
        }
        return false;
    }

    // Family 3. Returns true once a mate or a king capture has been found.
    bool search_drops() {
        for (int k = 1; k <= 7; ++k) {
            tick();
            if (pos.UE_MOCHI[k] <= 0) continue;
            const Koma piece = UE_KOMA_BY_KIND[k];
            for (int tx = 2; tx <= 10; ++tx) {
                for (int ty = 2; ty <= 10; ++ty) {
                    if (移動チェック(pos, -1, k, tx, ty, piece) != ON) continue;
                    score_drop(k, tx, ty);
                    if (mem.SAIKOU_HYOUKA >= 9998) return true;
                }
            }
        }
        return false;
    }

    // The preparation of a turn: the saved board, the escape squares, the survey, the probes and the
    // "before" copies the evaluation compares with.
    void 準備() {
        mem.SAIKOU_HYOUKA = -99999;
        for (int x = 1; x <= 11; ++x) {
            for (int y = 1; y <= 11; ++y) {
                mem.BAN_HOZON[x][y] = pos.BAN[x][y];
                tb.NIGEMICHI[x][y] = KARA;
            }
        }
        // The escape squares are counted before this turn's survey, on the tables as they stand.
        調査_2歩フラグ設定(pos);
        mem.NIGEMICHI_SUU = 調査_自王逃道(pos, tb);
        勢力調査(pos, tb);
        調査_持角狙座標(pos, tb);
        調査_移動不可駒(pos, tb);
        mem.UE_MOCHI_KEI_MAE = pos.UE_MOCHI_KEI;
        for (int x = 1; x <= 11; ++x) {
            for (int y = 1; y <= 11; ++y) {
                mem.SITA_SEIRYOKU_MAE[x][y] = tb.SITA_SEIRYOKU[x][y];
                mem.UE_SEIRYOKU_MAE[x][y] = tb.UE_SEIRYOKU[x][y];
                mem.UE_NERAI_X_MAE[x][y] = tb.UE_NERAI_X[x][y];
                mem.UE_NERAI_Y_MAE[x][y] = tb.UE_NERAI_Y[x][y];
            }
        }
    }

    int run() {
        mem.KAITEN_UTI = OFF;
        mem.KAITEN_KAISUU = 0;
        準備();
        mem.KAITEN_TANSAKU = OFF;
        // Every chosen candidate raises SAIKOU_HYOUKA above its starting value.
        const auto found = [this] { return mem.SAIKOU_HYOUKA > -99999 ? ON : OFF; };
        if (search_board()) return found();
        if (調査_回転盤上駒数(pos, pos.UE_GAWA) > 0) {
            mem.KAITEN_UTI = OFF;
            mem.KAITEN_KAISUU = 0;
            mem.KAITEN_TANSAKU = ON;
            const bool stopped = search_ring();
            // Whether the loop ran out or stopped early, the ring goes back to where it started.
            for (int x = 1; x <= 11; ++x)
                for (int y = 1; y <= 11; ++y) pos.BAN[x][y] = mem.BAN_HOZON[x][y];
            if (stopped) return found();
        }
        if (mem.UE_MOCHI_KEI_MAE > 0) search_drops();
        return found();
    }
};

} // namespace

void prepare_search(Kyokumen& pos, Seiryoku& tb, ComKioku& mem) {
    Tansaku{pos, tb, mem, 0, nullptr}.準備();
}

int search_turn(const Kyokumen& game, Seiryoku& tb, ComKioku& mem, int level, void (*tick)()) {
    Kyokumen pos = game;
    return Tansaku{pos, tb, mem, level, tick}.run();
}
