// The influence survey 勢力調査 and the eight directional procedures 勢力確定.
//
// The survey runs thousands of times per computer move, so it works straight on the tables it is
// handed with no allocation; the neighbourhoods that the text finds through 移動チェック (silver,
// king, dragon steps) use a transcription of the move check for a one-step move from a play-area
// square (step_allowed below; a unit test holds it equal to 移動チェック on every such move).
#include "com/com.h"

namespace {

using Cell = std::int16_t;

inline Cell c16(int v) {
    return static_cast<Cell>(v);
}
inline bool on_board(int x, int y) {
    return x >= 2 && x <= 10 && y >= 2 && y <= 10;
}

// Resets rows and columns 1..11 of a table; row and column 0 are left alone.
inline void reset(Tbl& t, Cell v) {
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) t[x][y] = v;
}

// One run of the survey over the position handed in, writing the tables handed in. The two lower rules
// are forced inline: they are the innermost step, and as members they would otherwise stay calls.
struct Survey {
    Kyokumen& pos; // the survey notes the kings' squares
    Seiryoku& tb;

    // 移動チェック(x, y, tx, ty, p) for a source (x, y) on the play area, a target one step away (or the
    // source itself) and p one of SITA_GIN, UE_GIN, SITA_OU, UE_OU, SITA_SYA_NARI, UE_SYA_NARI.
    inline bool step_allowed(int p, int x, int y, int tx, int ty) {
        const int dx = tx - x;
        const int dy = ty - y;
        if (dx == 0 && dy == 0) return false; // step 2: the source itself
        const int b = pos.BAN[tx][ty];
        // Step 3: onto the ring only onto an empty cell, never a king. (Step 4 does not apply: the source
        // lies on the play area.)
        if (is_ring(tx, ty) && (p == SITA_OU || p == UE_OU || b != KARA)) return false;
        // Step 5: never onto one of the mover's own pieces.
        if (p >= UE_HU ? b >= UE_HU : b <= SITA_HU) return false;
        // Step 8: the kings and the dragon's single steps take every neighbour; the silvers do not step
        // straight back.
        if (p == SITA_GIN) return dy == -1 || (dy == 1 && dx != 0);
        if (p == UE_GIN) return dy == 1 || (dy == -1 && dx != 0);
        return true;
    }

    // ---- Lower side -------------------------------------------------------------------------------------

    // Lower contribution rule, steps 1 to 3 without the check mark: a lower piece with code c on (x, y)
    // bears on (tx, ty).
    [[gnu::always_inline]] inline void lower_rule(int c, int x, int y, int tx, int ty) {
        tb.SITA_SEIRYOKU[tx][ty] = c16(tb.SITA_SEIRYOKU[tx][ty] + 1);
        const int b = pos.BAN[tx][ty];
        if (b < 0) {
            if (tb.SITA_MAMORI[tx][ty] > c) tb.SITA_MAMORI[tx][ty] = c16(c);
        } else if (b > 0) {
            if (tb.SITA_NERAI[tx][ty] < c) {
                tb.SITA_NERAI[tx][ty] = c16(c);
                tb.SITA_NERAI_X[tx][ty] = c16(x);
                tb.SITA_NERAI_Y[tx][ty] = c16(y);
            }
        }
    }

    // The full lower rule with the check mark on the piece's own square only.
    [[gnu::always_inline]] inline void lower_rule_marked(int c, int x, int y, int tx, int ty) {
        lower_rule(c, x, y, tx, ty);
        if (pos.BAN[tx][ty] == UE_OU) tb.SITA_OUTE[x][y] = 9;
    }

    // One lower line from (x, y) in steps (dx, dy), recording code c, within the play area.
    inline void lower_line(int c, int x, int y, int dx, int dy) {
        int tx = x + dx;
        int ty = y + dy;
        while (on_board(tx, ty)) {
            lower_rule(c, x, y, tx, ty);
            const int b = pos.BAN[tx][ty];
            if (b == UE_OU) {
                for (int sx = x + dx, sy = y + dy; sx != tx || sy != ty; sx += dx, sy += dy)
                    tb.SITA_OUTE[sx][sy] = 1;
                tb.SITA_OUTE[x][y] = 9;
            } else if (b != KARA) {
                break;
            }
            tx += dx;
            ty += dy;
        }
    }

    // The 3 x 3 neighbourhood through the move check (lower silver and dragon): full lower rule, mark on the
    // piece's own square.
    inline void lower_steps(int p, int x, int y) {
        for (int tx = x - 1; tx <= x + 1; ++tx)
            for (int ty = y - 1; ty <= y + 1; ++ty)
                if (step_allowed(p, x, y, tx, ty)) lower_rule_marked(p, x, y, tx, ty);
    }

    // ---- Upper side -------------------------------------------------------------------------------------

    // The upper contribution rule. WITH_SQUARE: the defender record keeps its square. ATTACKS: records
    // attacks in UE_NERAI (ATTACK_SQUARE: with the square). MARK_T: a check also marks the target square.
    template <bool WITH_SQUARE, bool ATTACKS, bool ATTACK_SQUARE, bool MARK_T>
    inline void upper_rule(int c, int x, int y, int tx, int ty) {
        tb.UE_SEIRYOKU[tx][ty] = c16(tb.UE_SEIRYOKU[tx][ty] + 1);
        const int b = pos.BAN[tx][ty];
        if (b >= UE_HU) {
            if (tb.UE_MAMORI[tx][ty] > c) {
                tb.UE_MAMORI[tx][ty] = c16(c);
                if (WITH_SQUARE) {
                    tb.UE_MAMORI_X[tx][ty] = c16(x);
                    tb.UE_MAMORI_Y[tx][ty] = c16(y);
                }
            }
        } else if (ATTACKS) {
            if (b <= SITA_HU && tb.UE_NERAI[tx][ty] > c) {
                tb.UE_NERAI[tx][ty] = c16(c);
                if (ATTACK_SQUARE) {
                    tb.UE_NERAI_X[tx][ty] = c16(x);
                    tb.UE_NERAI_Y[tx][ty] = c16(y);
                }
            }
        }
        if (b == SITA_OU) {
            tb.UE_OUTE[x][y] = 9;
            if (MARK_T) tb.UE_OUTE[tx][ty] = 9;
        }
    }

    // One upper line from (x, y) in steps (dx, dy), recording code c, within the play area.
    inline void upper_line(int c, int x, int y, int dx, int dy) {
        int tx = x + dx;
        int ty = y + dy;
        while (on_board(tx, ty)) {
            tb.UE_SEIRYOKU[tx][ty] = c16(tb.UE_SEIRYOKU[tx][ty] + 1);
            const int b = pos.BAN[tx][ty];
            if (b >= UE_HU) {
                if (tb.UE_MAMORI[tx][ty] > c) {
                    tb.UE_MAMORI[tx][ty] = c16(c);
                    tb.UE_MAMORI_X[tx][ty] = c16(x);
                    tb.UE_MAMORI_Y[tx][ty] = c16(y);
                }
            } else if (b <= SITA_HU) {
                if (tb.UE_NERAI[tx][ty] > c) {
                    tb.UE_NERAI[tx][ty] = c16(c);
                    tb.UE_NERAI_X[tx][ty] = c16(x);
                    tb.UE_NERAI_Y[tx][ty] = c16(y);
                }
            }
            if (b == SITA_OU) {
                for (int sx = x + dx, sy = y + dy; sx != tx || sy != ty; sx += dx, sy += dy)
                    tb.UE_OUTE[sx][sy] = 1;
                tb.UE_OUTE[x][y] = 9;
            } else if (b != KARA) {
                break;
            }
            tx += dx;
            ty += dy;
        }
    }

    // Either side's line, the side decided by the code (below 0: lower).
    inline void line(int c, int x, int y, int dx, int dy) {
        if (c < 0)
            lower_line(c, x, y, dx, dy);
        else
            upper_line(c, x, y, dx, dy);
    }

    // The 3 x 3 neighbourhood through the move check (upper silver and dragon): upper rule with square, no
    // attack records, marks on the piece's square and on the target.
    inline void upper_steps(int p, int x, int y) {
        for (int tx = x - 1; tx <= x + 1; ++tx)
            for (int ty = y - 1; ty <= y + 1; ++ty)
                if (step_allowed(p, x, y, tx, ty)) upper_rule<true, false, false, true>(p, x, y, tx, ty);
    }

    void 勢力確定上直進(int code, int x, int y) { line(code, x, y, 0, -1); }
    void 勢力確定下直進(int code, int x, int y) { line(code, x, y, 0, 1); }
    void 勢力確定右直進(int code, int x, int y) { line(code, x, y, 1, 0); }
    void 勢力確定左直進(int code, int x, int y) { line(code, x, y, -1, 0); }

    void 勢力確定自角(int x, int y) {
        lower_line(SITA_KAKU, x, y, -1, -1); // up-left
        lower_line(SITA_KAKU, x, y, 1, -1);  // up-right
        lower_line(SITA_KAKU, x, y, -1, 1);  // down-left
        lower_line(SITA_KAKU, x, y, 1, 1);   // down-right
    }

    void 勢力確定敵角(int code, int x, int y) {
        upper_line(code, x, y, -1, -1);
        upper_line(code, x, y, 1, -1);
        upper_line(code, x, y, -1, 1);
        upper_line(code, x, y, 1, 1);
    }

    void 勢力確定自金(int code, int x, int y) {
        static constexpr int D[6][2] = {{0, -1}, {-1, -1}, {1, -1}, {0, 1}, {-1, 0}, {1, 0}};
        for (const auto& d : D) {
            const int tx = x + d[0];
            const int ty = y + d[1];
            if (on_board(tx, ty)) lower_rule_marked(code, x, y, tx, ty);
        }
    }

    void 勢力確定敵金(int x, int y) {
        static constexpr int D[6][2] = {{0, -1}, {0, 1}, {-1, 1}, {1, 1}, {-1, 0}, {1, 0}};
        for (const auto& d : D) {
            const int tx = x + d[0];
            const int ty = y + d[1];
            if (on_board(tx, ty)) upper_rule<false, false, false, false>(UE_KIN, x, y, tx, ty);
        }
    }

    void run() {
        // 1. Reset (rows and columns 1..11; the position tables UE_MAMORI_X/Y and UE_NERAI_X/Y are kept).
        reset(tb.SITA_SEIRYOKU, 0);
        reset(tb.UE_SEIRYOKU, 0);
        reset(tb.SITA_NERAI_X, 0);
        reset(tb.SITA_NERAI_Y, 0);
        reset(tb.SITA_OUTE, 0);
        reset(tb.UE_OUTE, 0);
        reset(tb.SITA_NERAI, -999);
        reset(tb.UE_NERAI, 999);
        reset(tb.SITA_MAMORI, 999);
        reset(tb.UE_MAMORI, 999);

        // 2. Scan the play area, x outer, y inner.
        for (int x = 2; x <= 10; ++x) {
            for (int y = 2; y <= 10; ++y) {
                const int c = pos.BAN[x][y];
                switch (c) {
                case KARA:
                    break;

                // Lower pieces.
                case SITA_HU:
                    if (y > 2) lower_rule_marked(c, x, y, x, y - 1);
                    break;
                case SITA_HU_NARI:
                case SITA_KYOU_NARI:
                case SITA_KEI_NARI:
                case SITA_GIN_NARI:
                case SITA_KIN:
                    勢力確定自金(c, x, y);
                    break;
                case SITA_KYOU:
                    勢力確定上直進(SITA_KYOU, x, y);
                    break;
                case SITA_KEI:
                    for (int tx = x - 1; tx <= x + 1; tx += 2) {
                        const int ty = y - 2;
                        if (tx < 2 || tx > 10 || ty < 2) continue;
                        lower_rule(c, x, y, tx, ty);
                        if (pos.BAN[tx][ty] == UE_OU) {
                            tb.SITA_OUTE[x][y] = 9;
                            tb.SITA_OUTE[tx][ty] = 9;
                        }
                    }
                    break;
                case SITA_GIN:
                    lower_steps(SITA_GIN, x, y);
                    break;
                case SITA_KAKU:
                    勢力確定自角(x, y);
                    break;
                case SITA_KAKU_NARI:
                    if (y > 2) lower_rule_marked(c, x, y, x, y - 1);
                    if (y < 10) lower_rule_marked(c, x, y, x, y + 1);
                    if (x > 2) lower_rule_marked(c, x, y, x - 1, y);
                    if (x < 10) lower_rule_marked(c, x, y, x + 1, y);
                    勢力確定自角(x, y);
                    break;
                case SITA_SYA:
                case SITA_SYA_NARI:
                    勢力確定下直進(c, x, y);
                    勢力確定上直進(c, x, y);
                    勢力確定右直進(c, x, y);
                    勢力確定左直進(c, x, y);
                    if (c == SITA_SYA_NARI) lower_steps(SITA_SYA_NARI, x, y);
                    break;
                case SITA_OU:
                    pos.SITA_OU_X = x;
                    pos.SITA_OU_Y = y;
                    for (int tx = x - 1; tx <= x + 1; ++tx)
                        for (int ty = y - 1; ty <= y + 1; ++ty)
                            if (step_allowed(SITA_OU, x, y, tx, ty)) lower_rule(SITA_OU, x, y, tx, ty);
                    break;

                // Upper pieces.
                case UE_HU:
                    if (y < 10) upper_rule<false, true, false, false>(c, x, y, x, y + 1);
                    break;
                case UE_HU_NARI:
                case UE_KYOU_NARI:
                case UE_KEI_NARI:
                case UE_GIN_NARI:
                case UE_KIN:
                    勢力確定敵金(x, y);
                    break;
                case UE_KYOU:
                    勢力確定下直進(UE_KYOU, x, y);
                    break;
                case UE_KEI:
                    if (x > 2 && y < 9) upper_rule<true, false, false, true>(c, x, y, x - 1, y + 2);
                    if (x < 10 && y < 9) upper_rule<true, false, false, true>(c, x, y, x + 1, y + 2);
                    break;
                case UE_GIN:
                    upper_steps(UE_GIN, x, y);
                    break;
                case UE_KAKU:
                    勢力確定敵角(UE_KAKU, x, y);
                    break;
                case UE_KAKU_NARI: {
                    // The four single steps count only, with the check mark on the horse's square.
                    const int sq[4][2] = {{x, y - 1}, {x, y + 1}, {x - 1, y}, {x + 1, y}};
                    const bool ok[4] = {y > 2, y<10, x> 2, x < 10};
                    for (int k = 0; k < 4; ++k) {
                        if (!ok[k]) continue;
                        const int tx = sq[k][0];
                        const int ty = sq[k][1];
                        tb.UE_SEIRYOKU[tx][ty] = c16(tb.UE_SEIRYOKU[tx][ty] + 1);
                        if (pos.BAN[tx][ty] == SITA_OU) tb.UE_OUTE[x][y] = 9;
                    }
                    勢力確定敵角(UE_KAKU_NARI, x, y);
                    break;
                }
                case UE_SYA:
                case UE_SYA_NARI:
                    勢力確定下直進(c, x, y);
                    勢力確定上直進(c, x, y);
                    勢力確定右直進(c, x, y);
                    勢力確定左直進(c, x, y);
                    if (c == UE_SYA_NARI) upper_steps(UE_SYA_NARI, x, y);
                    break;
                case UE_OU:
                    pos.UE_OU_X = x;
                    pos.UE_OU_Y = y;
                    for (int tx = x - 1; tx <= x + 1; ++tx)
                        for (int ty = y - 1; ty <= y + 1; ++ty)
                            if (step_allowed(UE_OU, x, y, tx, ty))
                                tb.UE_SEIRYOKU[tx][ty] = c16(tb.UE_SEIRYOKU[tx][ty] + 1);
                    break;

                default: // the gold codes ±111 and anything else contribute nothing
                    break;
                }
            }
        }
    }
};

} // namespace

void 勢力確定上直進(Kyokumen& pos, Seiryoku& tb, int code, int x, int y) {
    Survey{pos, tb}.勢力確定上直進(code, x, y);
}
void 勢力確定下直進(Kyokumen& pos, Seiryoku& tb, int code, int x, int y) {
    Survey{pos, tb}.勢力確定下直進(code, x, y);
}
void 勢力確定右直進(Kyokumen& pos, Seiryoku& tb, int code, int x, int y) {
    Survey{pos, tb}.勢力確定右直進(code, x, y);
}
void 勢力確定左直進(Kyokumen& pos, Seiryoku& tb, int code, int x, int y) {
    Survey{pos, tb}.勢力確定左直進(code, x, y);
}
void 勢力確定自角(Kyokumen& pos, Seiryoku& tb, int x, int y) {
    Survey{pos, tb}.勢力確定自角(x, y);
}
void 勢力確定敵角(Kyokumen& pos, Seiryoku& tb, int code, int x, int y) {
    Survey{pos, tb}.勢力確定敵角(code, x, y);
}
void 勢力確定自金(Kyokumen& pos, Seiryoku& tb, int code, int x, int y) {
    Survey{pos, tb}.勢力確定自金(code, x, y);
}
void 勢力確定敵金(Kyokumen& pos, Seiryoku& tb, int x, int y) {
    Survey{pos, tb}.勢力確定敵金(x, y);
}

void 勢力調査(Kyokumen& pos, Seiryoku& tb) {
    Survey{pos, tb}.run();
}
