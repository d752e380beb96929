// 盤評価: the score of one candidate move of the computer (the upper side), read from the position
// after the move, the influence tables of that position, the "before" copies taken at the start of the
// turn and a few probes. The rules run in a fixed order; each adds to one running double, one operation
// per rule, and some of them end the evaluation early.
#include "com/com.h"
#include "com/readers.h"
#include "com/mate.h"
#include "core/rules.h"

#include <cstdlib>

namespace {

// The candidate move as 盤評価 sees it.
struct Move {
    int cap; // what stood on the destination before the move
    int m;   // the code now standing on the destination
    int m0;  // the code of the mover before any promotion (IDOU_KOMA)
    int fx, fy, tx, ty;
    int kx, ky; // the human's king
};

// One evaluation: the position after the candidate move, its survey, the turn's "before" copies.
struct Hyouka : Yomi {
    const ComKioku& mem;
    int level;

    // The ring rule: a destination on the conveyor earns +1; either way the evaluation ends here.
    double ring_rule(const Move& v, double s) {
        if (is_ring(v.tx, v.ty)) return s + 1;
        return s;
    }

    // Check bonuses. Returns true when the evaluation stops: mate (9998), or a mate by an unpromoted pawn
    // (-9998, refused).
    bool check_rules(const Move& v, double& s) {
        if (!(tb.UE_SEIRYOKU[v.kx][v.ky] > 0)) return false;
        if (詰めかMAN(pos, tb) == ON) {
            s = (v.m == UE_HU) ? -9998 : 9998;
            return true;
        }
        // The king itself attacks the checking piece, which is defended.
        if (tb.SITA_NERAI[v.tx][v.ty] == SITA_OU && covered(v.tx, v.ty)) s += 100;
        // Diagonally next to the king and guarded by a dragon on the king's file or rank.
        if (tb.SITA_SEIRYOKU[v.tx][v.ty] <= 2 && tb.UE_MAMORI[v.tx][v.ty] == UE_SYA_NARI && v.tx != v.kx &&
            v.ty != v.ky && std::abs(v.kx - v.tx) < 2 && std::abs(v.ky - v.ty) < 2 &&
            (tb.UE_MAMORI_X[v.tx][v.ty] == v.kx || tb.UE_MAMORI_Y[v.tx][v.ty] == v.ky))
            s += 900;
        if (!attacked(v.tx, v.ty)) s += 10;
        return false;
    }

    // Approach to the human's king along the direction that now dominates.
    void approach_rule(const Move& v, double& s) {
        const int dx = std::abs(v.tx - v.kx);
        const int dy = std::abs(v.ty - v.ky);
        if (dx > dy) {
            if (mem.OU_KYORI_MAE > dx) s += 1;
        } else {
            if (mem.OU_KYORI_MAE > dy) s += 0.1;
        }
    }

    // The recorded attacker of the destination is pinned to its king and the moved piece could take it.
    void pinned_attacker_rule(const Move& v, double& s) {
        const int ax = tb.SITA_NERAI_X[v.tx][v.ty];
        const int ay = tb.SITA_NERAI_Y[v.tx][v.ty];
        const int st = tb.SITA_SEIRYOKU[v.tx][v.ty];
        if (sita(ax, ay) > 0 &&
            (st == 1 || (st == 2 && tb.UE_SEIRYOKU[v.kx][v.ky] > 0 && covered(v.tx, v.ty))) &&
            at(tb.SITA_IDOU_FUKA, ax, ay) == 1 &&
            ((v.kx == ax && v.kx != v.tx) || (v.ky == ay && v.ky != v.ty) ||
             (v.kx != ax && v.ky != ay && (v.kx == v.tx || v.ky == v.ty))) &&
            移動チェック(pos, v.tx, v.ty, ax, ay, v.m0) == ON) {
            if (v.fx >= 0 && ban(at(mem.UE_NERAI_X_MAE, ax, ay), at(mem.UE_NERAI_Y_MAE, ax, ay)) == KARA)
                return;
            s += std::abs(ban(ax, ay));
        }
    }

    // Safety of the destination: the bishop caution and escape squares taken when it is not attacked,
    // exchange arithmetic when it is attacked and covered, the loss of a dropped piece when it is attacked
    // and not covered.
    void destination_rules(const Move& v, double& s) {
        const int tx = v.tx, ty = v.ty, m = v.m;
        if (!attacked(tx, ty)) {
            if (m != UE_KAKU && m != UE_KAKU_NARI && m != UE_OU && m != UE_HU)
                s -= 盤評価_自角注意_COM(pos, tb, tx, ty, m);
            if ((std::abs(tx - v.kx) < 3 && std::abs(ty - v.ky) < 3) || m == UE_KYOU ||
                (UE_KAKU <= m && m <= UE_SYA_NARI)) {
                const int n = 調査_自王逃道(pos, tb);
                if (mem.NIGEMICHI_SUU > n) s += mem.NIGEMICHI_SUU - n;
            }
        } else if (covered(tx, ty)) {
            if ((pos.SITA_MOCHI[4] > 0 || pos.SITA_MOCHI[5] > 0) && 1 < tx && tx < 9 &&
                (((ban(tx - 1, ty) == SITA_SYA || ban(tx - 1, ty) == SITA_SYA_NARI) &&
                  ban(tx + 1, ty) == UE_OU) ||
                 ((ban(tx + 1, ty) == SITA_SYA || ban(tx + 1, ty) == SITA_SYA_NARI) &&
                  ban(tx - 1, ty) == UE_OU)))
                s -= m;
            const int nerai = std::abs(tb.SITA_NERAI[tx][ty]);
            if (m > nerai) s = s - m + nerai;
            if (tb.SITA_NERAI[tx][ty] == SITA_OU && ty < v.ky && tb.UE_SEIRYOKU[v.kx][v.ky] > 0) s += m;
        } else {
            if (v.fx < 0) s -= m + 50;
        }
    }

    // A piece other than a lance or rook moving onto the file of a lower lance on the "ninth rank".
    void lance_file_rule(const Move& v, double& s) {
        if (pos.BAN[v.tx][9] == SITA_KYOU && (v.tx == 1 || v.tx == 9) && v.m != UE_KYOU && v.m != UE_SYA &&
            v.m != UE_SYA_NARI && v.tx != v.fx)
            s -= 0.1;
    }

    // Captures. Returns true when level 1 stops the evaluation after the big-piece bonus.
    bool capture_rules(const Move& v, double& s) {
        if (v.cap == KARA) return false;
        const int value = std::abs(v.cap);
        if ((v.cap == SITA_KAKU || v.cap == SITA_KAKU_NARI || v.cap == SITA_SYA || v.cap == SITA_SYA_NARI) &&
            v.m <= UE_KIN)
            s += value;
        if (level == 1) return true;
        if (attacked(v.tx, v.ty)) {
            if (covered(v.tx, v.ty)) {
                if (pos.BAN[v.tx][v.ty] < std::abs(tb.SITA_NERAI[v.tx][v.ty])) s += value;
            } else {
                if (at(mem.SITA_SEIRYOKU_MAE, v.fx, v.fy) > 0 &&
                    調査_移動可場所数(pos, tb, v.fx, v.fy, v.m) == 0)
                    s += value;
            }
        } else {
            s += value;
            if (v.cap == SITA_HU_NARI || v.cap == SITA_KYOU_NARI || v.cap == SITA_KEI_NARI) s += 50;
        }
        return false;
    }

    // Pawn: the final rules of a pawn board move, each ending the evaluation, about the lower piece that
    // now stands right in front of the pawn.
    double pawn_front_finish(const Move& v, double s) {
        const int tx = v.tx, ty = v.ty;
        const int front = ban(tx, ty + 1);
        if (!(front <= SITA_HU)) return s;
        if (tb.UE_SEIRYOKU[tx][ty] > tb.SITA_SEIRYOKU[tx][ty]) return s + 1;
        if (front == SITA_HU) return s - 5;
        if (!covered(tx, ty)) {
            if (attacked(tx, ty)) return s;
            return s + 1;
        }
        if (at(mem.UE_SEIRYOKU_MAE, tx, ty + 1) > 0 && at(mem.SITA_SEIRYOKU_MAE, tx, ty + 1) == 0)
            return s - 1;
        if (tb.UE_SEIRYOKU[tx][ty] >= tb.SITA_SEIRYOKU[tx][ty]) return s + 5;
        return s;
    }

    // Pawn board move: backing, the piece in front, bishop lines beside it, captures.
    double pawn_board_move(const Move& v, double s) {
        const int tx = v.tx, ty = v.ty;
        s -= 0.1;
        if (tb.UE_MAMORI[tx][ty] == UE_KIN || tb.UE_MAMORI[tx][ty] == UE_GIN) s += 0.6;
        if (ty >= 9) return s;

        if (tb.UE_MAMORI[tx][ty] == UE_KYOU) {
            s += 1;
        } else if (tb.UE_MAMORI[tx][ty] == UE_SYA && tb.UE_MAMORI_X[tx][ty] == tx &&
                   tb.UE_SEIRYOKU[tx][ty] >= tb.SITA_SEIRYOKU[tx][ty] && tb.UE_MAMORI_Y[tx][ty] < ty) {
            s += 2;
        }

        if (sita(tx, ty + 1) == 0 && ban(tx, ty + 2) <= SITA_KEI) s += 1;

        if (ty < 8) {
            if (ban(tx, ty + 1) == SITA_HU && attacked(tx, ty + 1)) s -= 5;
            if (tx < 10 && ban(tx + 1, ty) == UE_KAKU) {
                s += 0.5;
                if (ban(tx + 1, ty + 2) == SITA_HU) s += 5;
            }
            if (tx > 2) {
                if (tx == 8 && ty == 5 && pos.BAN[9][3] == UE_KAKU) s += 10;
                if (ban(tx - 1, ty) == UE_KAKU) {
                    s += 0.5;
                    if (ban(tx - 1, ty + 2) == SITA_HU) s += 5;
                }
            }
        }

        if (v.cap <= SITA_HU && at(tb.UE_SEIRYOKU, v.fx, v.fy) == 1) {
            if (ty > 3 && tb.SITA_NERAI[tx][ty] == SITA_KYOU && ban(tx, ty - 2) == UE_KAKU) {
                s -= 5;
            } else {
                s += 5;
            }
            if (v.cap == SITA_HU &&
                (tb.SITA_NERAI[tx][ty] == SITA_KYOU || tb.SITA_NERAI[tx][ty] == SITA_SYA) &&
                at(tb.UE_SEIRYOKU, v.fx, v.fy) < 2)
                s += 50;
        }

        return pawn_front_finish(v, s);
    }

    // Pawn drop: against a lower pawn or lance drop, the bishop's pawn, blocking a rook or lance file.
    double pawn_drop(const Move& v, double s) {
        const int tx = v.tx, ty = v.ty;
        if (!covered(tx, ty) && ty > 1 && ban(tx, ty - 1) >= UE_GIN &&
            (pos.SITA_MOCHI[1] > 0 || pos.SITA_MOCHI[2] > 0))
            s += 6;
        if (pos.BAN[3][9] == SITA_KAKU && tx == 3 && ty == 8 &&
            (tb.SITA_SEIRYOKU[3][8] == 0 || tb.UE_SEIRYOKU[3][8] > 0))
            s += 30;
        const int ax = tb.SITA_NERAI_X[tx][ty];
        const int ay = tb.SITA_NERAI_Y[tx][ty];
        if (!(at(mem.UE_SEIRYOKU_MAE, ax, ay) > 0 && sita(ax, ay) == 0)) {
            if (covered(tx, ty) && tx == ax &&
                (tb.SITA_NERAI[tx][ty] == SITA_SYA || tb.SITA_NERAI[tx][ty] == SITA_KYOU) && ty < ay)
                return s + 120;
        }
        return s;
    }

    // Pawn: lance and knight aims, the piece behind and in front, a rook beside it; then drop or board move.
    double pawn_rules(const Move& v, double s) {
        const int tx = v.tx, ty = v.ty;
        if (pos.UE_MOCHI[2] > 0) s += 調査_香狙い(pos, tb, tx, ty);
        if (pos.UE_MOCHI[3] > 0) s += 調査_桂狙い(pos, tb, tx, ty);

        if (ty < 9) {
            const int front = ban(tx, ty + 1);
            if (front == UE_KIN) {
                s += 0.5;
            } else if (front == UE_SYA) {
                s -= 1;
            }
            if (front < SITA_HU && 調査_移動可場所数(pos, tb, tx, ty + 1, front) == 0) s += std::abs(front);
        }

        if (covered(tx, ty)) {
            if (1 < tx && tx < 9 && (ban(tx + 1, ty) == UE_SYA || ban(tx - 1, ty) == UE_SYA)) s -= 1;
            if (ue(tx, ty) >= sita(tx, ty) && ty < 9 && ban(tx, ty + 1) <= SITA_HU) s += 1;
        }

        if (v.fx < 0) return pawn_drop(v, s);
        if (v.fx > 0) return pawn_board_move(v, s);
        return s;
    }

    // Lance: knight aim; a drop that skewers the piece behind the one in front; a board move that takes
    // nothing, or takes a lance.
    double lance_rules(const Move& v, double s) {
        const int tx = v.tx, ty = v.ty;
        if (pos.UE_MOCHI[3] > 0) s += 調査_桂狙い(pos, tb, tx, ty);
        if (v.fx == -1) {
            if (ty < 9) {
                if (pos.SITA_MOCHI[1] > 0 && attacked(tx, ty + 1) && !attacked(tx, ty)) s -= 10;
                if (ban(tx, ty + 1) <= SITA_KYOU &&
                    (tb.UE_SEIRYOKU[tx][ty] >= tb.SITA_SEIRYOKU[tx][ty] || !attacked(tx, ty))) {
                    for (int y = ty + 2; y <= 10; ++y) {
                        const int c = pos.BAN[tx][y];
                        if (c == KARA) continue;
                        if (移動チェック(pos, tx, ty + 1, tx, y, UE_KYOU) == ON && c < SITA_KYOU)
                            return s + std::abs(c);
                        break;
                    }
                }
            }
            return s;
        }
        if (v.cap == KARA) return s - 0.9;
        if (v.cap == SITA_KYOU) {
            s += 10;
            if (attacked(tx, ty)) return s + 10;
        }
        return s;
    }

    // Knight: a small standing penalty, the square in front and the two next jumps attacked.
    double knight_rules(const Move& v, double s) {
        const int tx = v.tx, ty = v.ty;
        s -= 0.1;
        if (attacked(tx, ty + 1)) s -= 1;
        if (ty < 9 && 2 < tx && tx < 10) {
            if (attacked(tx - 1, ty + 2) && attacked(tx + 1, ty + 2)) s -= 1;
            if (tx == 8 && ty == 4 && pos.BAN[9][5] == UE_KAKU) return s - 5;
        }
        return s;
    }

    // Silver: straight forward steps against a lower silver on the fifth rank, a knight behind it, the
    // square beside the king; off the top ring row it gets nothing.
    double silver_rules(const Move& v, double s) {
        const int tx = v.tx, ty = v.ty;
        if (!(ty > 1)) return s;
        if (ty > v.fy) {
            if (pos.BAN[8][6] == SITA_GIN || pos.BAN[9][6] == SITA_GIN || pos.BAN[10][6] == SITA_GIN) {
                if (tx == v.fx) s += 5;
            } else {
                if (tx == v.fx) s -= 0.1;
            }
        }
        if (pos.BAN[tx][ty - 1] == UE_KEI) s -= 0.5;
        if (tx == 5 && ty == 3 && pos.BAN[4][3] == UE_OU) s += 5;
        return ring_rule(v, s);
    }

    // Gold: diagonal forward steps, the bishop in front on rank 3, going back to guard against a bishop drop.
    double gold_rules(const Move& v, double s) {
        const int tx = v.tx, ty = v.ty;
        if (ty > v.fy && tx != v.fx) s -= 0.5;
        if (ty == 4) {
            if (tb.SITA_SEIRYOKU[7][5] > 0 && pos.BAN[7][5] == UE_KAKU) s -= 5;
        } else if (ty == 2) {
            if (pos.BAN[9][4] == UE_HU && pos.BAN[9][7] == SITA_HU && tb.SITA_MAMORI[9][7] == SITA_SYA &&
                tx == 8)
                s += 10;
            if (pos.SITA_MOCHI[6] > 0) {
                if (at(mem.UE_SEIRYOKU_MAE, tx, ty + 1) == 0 && ban(tx, ty + 1) >= UE_HU) {
                    s += 2;
                    if (at(mem.UE_SEIRYOKU_MAE, tx, ty + 2) == 1 && ban(tx, ty + 2) == UE_KAKU) s += 125;
                }
            }
        }
        return ring_rule(v, s);
    }

    // Bishop: big neighbours, opening squares, a trapped bishop, a drop with few flights.
    double bishop_rules(const Move& v, double s) {
        const int tx = v.tx, ty = v.ty;
        s += 調査_周辺状況(pos, tx, ty);
        if (ty < 10) {
            if (ty == 4) {
                if (tx == 9 && pos.BAN[10][5] == UE_HU && pos.BAN[10][7] == SITA_HU &&
                    pos.BAN[11][11] == SITA_KYOU)
                    s -= 10;
                if (tx == 7 && pos.BAN[9][6] == SITA_HU && tb.SITA_MAMORI[9][6] == SITA_SYA) s += 9;
            }
            if (attacked(tx, ty + 1)) {
                if (調査_移動可場所数(pos, tb, tx, ty, UE_KAKU) == 0) s -= 100;
                if (ty < 9 && ban(tx, ty + 2) == SITA_HU) s -= 1;
            }
        }
        if (v.fy == 4) {
            if (v.fx == 10 && pos.BAN[10][5] == UE_HU && pos.BAN[10][7] == SITA_HU &&
                tb.SITA_MAMORI[10][7] == SITA_KYOU)
                s += 10;
            if (v.fx == 7 && pos.BAN[9][6] == SITA_HU && tb.SITA_MAMORI[9][6] == SITA_SYA &&
                mem.UE_SEIRYOKU_MAE[9][5] > tb.UE_SEIRYOKU[9][5])
                s -= 10;
        }
        if (v.fx == -1) {
            if (ty > 7) {
                if (調査_移動可場所数(pos, tb, tx, ty, UE_KAKU) <= 3) s -= 20;
            } else if (ty == 6) {
                if ((tx == 2 || tx == 10) && pos.BAN[tx][8] == SITA_HU) s -= 10;
                if (tx == 5 && pos.BAN[6][9] == SITA_KIN) s -= 10;
            }
        }
        return ring_rule(v, s);
    }

    // Rook and dragon: a line next to the human's king on a safe square.
    void near_king_line_bonus(const Move& v, double& s) {
        if ((v.kx == v.tx || v.ky == v.ty) && std::abs(v.kx - v.tx) < 3 && std::abs(v.ky - v.ty) < 3)
            s += 100;
    }

    bool safe_or_king_attacker(const Move& v) {
        return !attacked(v.tx, v.ty) || (tb.SITA_NERAI[v.tx][v.ty] == SITA_OU && covered(v.tx, v.ty));
    }

    // Rook drop: behind a silver between golds on the back rank.
    double rook_drop(const Move& v, double s) {
        const int tx = v.tx, ty = v.ty;
        if (ty == 10 && pos.BAN[tx][9] == SITA_GIN && 2 < tx && tx < 10 &&
            ((pos.BAN[tx - 1][10] != KARA && pos.BAN[tx + 1][9] == SITA_KIN) ||
             (pos.BAN[tx + 1][10] != KARA && pos.BAN[tx - 1][9] == SITA_KIN)))
            s -= 1;
        return ring_rule(v, s);
    }

    // Rook board move: the opening file, squares in front attacked, the rook's own file, a trapped rook,
    // a line close to the human's king.
    double rook_board_move(const Move& v, double s) {
        const int tx = v.tx, ty = v.ty, fx = v.fx, fy = v.fy;
        if (!attacked(tx, ty) && tx == 4 && ty == 5 && pos.BAN[4][8] == SITA_KAKU &&
            pos.BAN[4][7] == SITA_HU && pos.BAN[4][6] == KARA)
            s += 7;
        if (ty < 9) {
            if (attacked(tx, ty + 1)) {
                s -= 1;
                if (ban(tx, ty + 2) == SITA_HU && fy == ty) s -= 5;
            }
            if (fy < 10 && ban(9, fy + 1) == SITA_HU && at(tb.SITA_MAMORI, 9, fy + 1, 999) == SITA_SYA) {
                if (ue(9, fy) < at(mem.UE_SEIRYOKU_MAE, 9, fy)) s -= 11;
                if (ban(8, fy) == UE_HU && fy != ty) s -= 11;
            }
            if (fx == 3 && fy == 3 && !attacked(3, 3) && tx == 3 && ty == 4) s -= 1;
        }
        if (safe_or_king_attacker(v)) {
            if (調査_移動可場所数(pos, tb, tx, ty, UE_SYA) <= 1) {
                s -= 35;
                return ring_rule(v, s);
            }
            near_king_line_bonus(v, s);
        }
        return ring_rule(v, s);
    }

    // Dragon: a silver between golds, leaving the back rank, breaking into the back rank, a line close to
    // the human's king.
    double dragon_rules(const Move& v, double s) {
        const int tx = v.tx, ty = v.ty, fx = v.fx, fy = v.fy;
        if (ban(tx, ty - 1) == SITA_GIN && 2 < tx && tx < 10 &&
            ((ban(tx - 1, ty) != KARA && ban(tx + 1, ty - 1) == SITA_KIN) ||
             (ban(tx + 1, ty) != KARA && ban(tx - 1, ty - 1) == SITA_KIN)))
            s -= 10;
        if (fy == 10 && ban(fx, 9) == SITA_GIN) {
            if (fx > 2 && ban(fx - 1, 9) == SITA_KIN) s += 2;
            if (fx < 10 && ban(fx + 1, 9) == SITA_KIN) s += 2;
        }
        if (ty == 10 && pos.BAN[tx][9] <= SITA_HU) {
            if (tx == 4 && pos.BAN[3][10] <= SITA_HU && pos.BAN[5][9] == SITA_KIN) s -= 150;
            if (tx == 8 && pos.BAN[9][10] <= SITA_HU && pos.BAN[7][9] == SITA_KIN) s -= 150;
        }
        if (safe_or_king_attacker(v)) near_king_line_bonus(v, s);
        return ring_rule(v, s);
    }

    // Rook and dragon: big neighbours first, then the drop, board move or dragon rules.
    double rook_family_rules(const Move& v, double s) {
        s += 調査_周辺状況(pos, v.tx, v.ty);
        if (v.m == UE_SYA_NARI) return dragon_rules(v, s);
        if (v.fx == -1) return rook_drop(v, s);
        return rook_board_move(v, s);
    }

    // King: stay on the first three rows, off the centre file; pieces left behind; more cover; few flights.
    double king_rules(const Move& v, double s) {
        const int tx = v.tx, ty = v.ty, fx = v.fx, fy = v.fy;
        if (ty > 3) s = s - 15 - ty;
        if (tx != 6) s += 1;
        if (tb.UE_IDOU_FUKA_ARI == ON) s += 10;
        if (ty < fy && fy < 10) {
            for (int x = fx - 1; x <= fx + 1; ++x) {
                if (2 <= x && x <= 10 && pos.BAN[x][fy + 1] >= UE_HU) s -= 1;
            }
        }
        if (tb.UE_SEIRYOKU[tx][ty] > mem.UE_SEIRYOKU_MAE[tx][ty]) s += 1;
        if (調査_移動可場所数(pos, tb, tx, ty, UE_OU) < 2) return s - 20;
        return s;
    }

    // The rules of the moving piece; a promoted lance, knight or silver has none.
    double piece_rules(const Move& v, double s) {
        switch (v.m) {
        case UE_HU:
            return pawn_rules(v, s);
        case UE_HU_NARI:
            if (tb.UE_SEIRYOKU[v.tx][v.ty] >= tb.SITA_SEIRYOKU[v.tx][v.ty]) s += 1;
            return ring_rule(v, s);
        case UE_KYOU:
            return lance_rules(v, s);
        case UE_KEI:
            return knight_rules(v, s);
        case UE_GIN:
            return silver_rules(v, s);
        case UE_KIN:
            return gold_rules(v, s);
        case UE_KAKU:
            return bishop_rules(v, s);
        case UE_KAKU_NARI:
            s += 調査_周辺状況(pos, v.tx, v.ty);
            return ring_rule(v, s);
        case UE_SYA:
        case UE_SYA_NARI:
            return rook_family_rules(v, s);
        case UE_OU:
            return king_rules(v, s);
        default:
            return s;
        }
    }

    double run(int cap, int m, int fx, int fy, int tx, int ty) {
        const Move v{cap, m, mem.IDOU_KOMA, fx, fy, tx, ty, pos.SITA_OU_X, pos.SITA_OU_Y};
        double score = 0;

        // Terminal verdicts: the human's king taken, the computer's own king left attacked.
        if (cap == SITA_OU) return 9999;
        if (tb.SITA_SEIRYOKU[pos.UE_OU_X][pos.UE_OU_Y] >= 1) return -9998;

        if (check_rules(v, score)) return score;

        // Kind of move: a drop costs a little, a promotion earns a little.
        if (fx < 0) {
            score -= 5;
        } else if (m > v.m0) {
            score += 10;
        }

        score += 盤評価_COM危険座標(pos, tb, mem, m, tx, ty);
        approach_rule(v, score);
        pinned_attacker_rule(v, score);
        destination_rules(v, score);
        lance_file_rule(v, score);
        if (capture_rules(v, score)) return score;
        if (level == 2) return score;
        return piece_rules(v, score);
    }
};

} // namespace

double 盤評価(Kyokumen& pos, Seiryoku& tb, const ComKioku& mem, int level, int cap, int m, int fx, int fy,
              int tx, int ty) {
    return Hyouka{{pos, tb}, mem, level}.run(cap, m, fx, fy, tx, ty);
}
