#include "engine/position.h"

#include "engine/evaluate.h"

#include <algorithm>
#include <cstdlib>
#include <memory>

namespace engine {

std::uint64_t splitmix(std::uint64_t& s) {
    std::uint64_t z = (s += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

namespace {

constexpr std::array<int, RING> make_ring_sq() {
    std::array<int, RING> r{};
    int n = 0;
    for (int x = 1; x <= 11; ++x) r[n++] = sq(x, 1);
    for (int y = 2; y <= 10; ++y) r[n++] = sq(11, y);
    for (int x = 11; x >= 1; --x) r[n++] = sq(x, 11);
    for (int y = 10; y >= 2; --y) r[n++] = sq(1, y);
    return r;
}

constexpr std::array<int, NSQ> make_ring_index(const std::array<int, RING>& r) {
    std::array<int, NSQ> idx{};
    for (int& v : idx) v = -1;
    for (int i = 0; i < RING; ++i) idx[r[i]] = i;
    return idx;
}

} // namespace

Koma piece_code(int type, int side) {
    return static_cast<Koma>(side == LOWER ? -MAGNITUDES[type] : MAGNITUDES[type]);
}

namespace {

constexpr int NTYPES = 15;

// Steps and slides of each type, seen from the lower player (forward is dy = -1).
struct Dir {
    int dx, dy;
};
struct Movement {
    std::vector<Dir> steps, slides;
};

const std::vector<Dir> GOLD = {{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {0, 1}};
const std::vector<Dir> DIAG = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
const std::vector<Dir> ORTH = {{0, -1}, {-1, 0}, {1, 0}, {0, 1}};

const Movement MOVEMENT[NTYPES] = {
    {{{0, -1}}, {}},                                                              // pawn
    {GOLD, {}},                                                                   // promoted pawn
    {{}, {{0, -1}}},                                                              // lance
    {GOLD, {}},                                                                   // promoted lance
    {{{-1, -2}, {1, -2}}, {}},                                                    // knight
    {GOLD, {}},                                                                   // promoted knight
    {{{-1, -1}, {0, -1}, {1, -1}, {-1, 1}, {1, 1}}, {}},                          // silver
    {GOLD, {}},                                                                   // promoted silver
    {GOLD, {}},                                                                   // gold
    {GOLD, {}},                                                                   // gold, promoted code
    {{}, DIAG},                                                                   // bishop
    {ORTH, DIAG},                                                                 // horse
    {{}, ORTH},                                                                   // rook
    {DIAG, ORTH},                                                                 // dragon
    {{{-1, -1}, {0, -1}, {1, -1}, {-1, 0}, {1, 0}, {-1, 1}, {0, 1}, {1, 1}}, {}}, // king
};

// Square offsets per side and type.
struct Offsets {
    std::vector<int> steps, slides;
};
struct OffsetTable {
    Offsets t[2][NTYPES];
    OffsetTable() {
        for (int s = 0; s < 2; ++s) {
            for (int k = 0; k < NTYPES; ++k) {
                const int f = s == LOWER ? 1 : -1;
                for (Dir d : MOVEMENT[k].steps) t[s][k].steps.push_back(d.dx + W * d.dy * f);
                for (Dir d : MOVEMENT[k].slides) t[s][k].slides.push_back(d.dx + W * d.dy * f);
            }
        }
    }
};
const OffsetTable& offsets() {
    static const OffsetTable table;
    return table;
}

struct Zobrist {
    std::uint64_t board[NSQ][2 * NTYPES];
    std::uint64_t ring[RING][2 * NTYPES];
    std::uint64_t hand[2][8][41];
    std::uint64_t side;
    Zobrist() {
        std::uint64_t s = 0x5445535345524121ULL;
        for (auto& a : board)
            for (auto& v : a) v = splitmix(s);
        for (auto& a : ring)
            for (auto& v : a) v = splitmix(s);
        for (auto& a : hand)
            for (auto& b : a)
                for (auto& v : b) v = splitmix(s);
        side = splitmix(s);
    }
};
const Zobrist& zobrist() {
    static const Zobrist z;
    return z;
}

int zindex(int code) {
    return type_of(code) * 2 + side_of(code);
}

struct PlayArea {
    bool on[NSQ]{};
    PlayArea() {
        for (int x = 2; x <= 10; ++x)
            for (int y = 2; y <= 10; ++y) on[sq(x, y)] = true;
    }
};
const PlayArea PLAY_AREA;

bool on_play_area(int s) {
    return PLAY_AREA.on[s];
}

bool is_king(int code) {
    return code == SITA_OU || code == UE_OU;
}
bool owned_by(int code, int side) {
    return side == LOWER ? code <= SITA_HU : (code >= UE_HU && code != OFF_BOARD);
}
Koma promoted(Koma c) {
    return static_cast<Koma>(c < 0 ? c - 1 : c + 1);
}
// Pawn, bishop and rook lose nothing by promoting.
bool always_promote(Koma c) {
    const int a = std::abs(c);
    return a == 10 || a == 800 || a == 900;
}

// The ring up to its turn: the pieces in clockwise order, read from the one that gives the smallest
// sequence of (distance from it, code). `drop` removes one ring place, `add_at` adds `add` at another.
std::uint64_t ring_canonical(const Position& p, int drop = -1, int add_at = -1, Koma add = KARA) {
    // The pieces twice over, the second round 40 places on, so that reading n pieces from any start
    // needs no wrapping.
    int pos[2 * RING];
    Koma code[2 * RING];
    int n = 0;
    for (int i = 0; i < RING; ++i) {
        const Koma c = i == add_at ? add : i == drop ? KARA : p.b[RING_SQ[i]];
        if (c == KARA) continue;
        pos[n] = i;
        code[n] = c;
        ++n;
    }
    if (n == 0) return 0;
    for (int i = 0; i < n; ++i) {
        pos[n + i] = pos[i] + RING;
        code[n + i] = code[i];
    }
    int best = 0;
    for (int a = 1; a < n; ++a) {
        for (int m = 0; m < n; ++m) {
            const int da = pos[a + m] - pos[a], db = pos[best + m] - pos[best];
            if (da != db) {
                if (da < db) best = a;
                break;
            }
            if (code[a + m] != code[best + m]) {
                if (code[a + m] < code[best + m]) best = a;
                break;
            }
        }
    }
    const Zobrist& z = zobrist();
    std::uint64_t h = 0;
    for (int m = 0; m < n; ++m) h ^= z.ring[pos[best + m] - pos[best]][zindex(code[best + m])];
    return h;
}

// Lifting a piece off a cell and setting one down, keeping the king squares, pawn counts, material and
// board key (the ring's part of the key is recomputed by the caller once the move is complete).
void lift(Position& p, int s) {
    const Koma c = p.b[s];
    if (on_play_area(s)) {
        p.key ^= zobrist().board[s][zindex(c)];
        p.material[side_of(c)] -= material_at(c, s);
        if (!is_king(c)) --p.pieces[side_of(c)];
        if (c == SITA_HU) --p.pawns[LOWER][sq_x(s)];
        if (c == UE_HU) --p.pawns[UPPER][sq_x(s)];
    }
    if (is_king(c)) p.king[side_of(c)] = -1;
    p.b[s] = KARA;
}
void set_down(Position& p, int s, Koma c) {
    if (on_play_area(s)) {
        p.key ^= zobrist().board[s][zindex(c)];
        p.material[side_of(c)] += material_at(c, s);
        if (!is_king(c)) ++p.pieces[side_of(c)];
        if (c == SITA_HU) ++p.pawns[LOWER][sq_x(s)];
        if (c == UE_HU) ++p.pawns[UPPER][sq_x(s)];
    }
    if (is_king(c)) p.king[side_of(c)] = s;
    p.b[s] = c;
}
void change_hand(Position& p, int side, int kind, int by) {
    const Zobrist& z = zobrist();
    p.key ^= z.hand[side][kind][std::clamp(p.hand[side][kind], 0, 40)];
    p.hand[side][kind] += by;
    p.material[side] += hand_worth(kind) * by;
    p.key ^= z.hand[side][kind][std::clamp(p.hand[side][kind], 0, 40)];
}

// Places 0..39 split into groups, each group's members in increasing order: a fixed store, so that
// grouping allocates nothing.
struct Groups {
    std::uint8_t count = 0;
    std::uint8_t size[RING];
    std::uint8_t member[RING][RING];
    // Puts place i into the group of key k (keys[g] for group g), opening a group for a new key.
    template <class Key> void add(Key* keys, const Key& k, int i) {
        int g = 0;
        while (g < count && !(keys[g] == k)) ++g;
        if (g == count) {
            keys[g] = k;
            size[count++] = 0;
        }
        member[g][size[g]++] = static_cast<std::uint8_t>(i);
    }
};

// The empty ring places grouped by the position that putting a piece of a given code there gives.
// Most positions of a search share their ring with many others, and grouping the places is the dear
// part of generating moves onto it, so the groups are kept in a fixed table, keyed by the ring as it
// stands (its key, then the ring itself compared) and the code.
struct SlotEntry {
    std::uint64_t key = 0;
    std::array<Koma, RING> ring{};
    Koma code = KARA;
    bool used = false;
    Groups groups;
};

// The ring's cells as they stand (not up to its turn), hashed.
std::uint64_t ring_as_it_stands(const Position& p) {
    const Zobrist& z = zobrist();
    std::uint64_t h = 0;
    for (int j = 0; j < RING; ++j) {
        const Koma c = p.b[RING_SQ[j]];
        if (c != KARA) h ^= z.ring[j][zindex(c)];
    }
    return h;
}

struct Generator {
    const Position& p;
    MoveList& out;
    bool search_only;
    int me;
    std::uint64_t ring_key = 0;
    bool ring_key_known = false;

    const Groups& slots_for(Koma code) {
        thread_local std::vector<SlotEntry> cache(4096);
        if (!ring_key_known) {
            ring_key = ring_as_it_stands(p);
            ring_key_known = true;
        }
        const std::uint64_t h =
            ring_key ^ (static_cast<std::uint64_t>(static_cast<std::uint16_t>(code)) * 0x9e3779b97f4a7c15ULL);
        SlotEntry& e = cache[(h ^ (h >> 29)) & (cache.size() - 1)];
        const auto same_ring = [&] {
            for (int j = 0; j < RING; ++j)
                if (e.ring[j] != p.b[RING_SQ[j]]) return false;
            return true;
        };
        if (e.used && e.key == ring_key && e.code == code && same_ring()) return e.groups;
        e.used = true;
        e.key = ring_key;
        e.code = code;
        for (int j = 0; j < RING; ++j) e.ring[j] = p.b[RING_SQ[j]];
        e.groups.count = 0;
        std::uint64_t seen[RING];
        for (int j = 0; j < RING; ++j)
            if (e.ring[j] == KARA) e.groups.add(seen, ring_canonical(p, -1, j, code), j);
        return e.groups;
    }

    void push(int from, int to, int turns, Koma piece, Koma placed, Koma cap) {
        Move m;
        m.from = static_cast<std::int16_t>(from);
        m.to = static_cast<std::int16_t>(to);
        m.turns = static_cast<std::int8_t>(turns);
        m.piece = piece;
        m.placed = placed;
        m.captured = cap;
        out.push_back(m);
    }

    // Which of a board piece's moves from_board gives.
    enum Part : unsigned { CAPTURES = 1, PROMOTIONS = 2, STEPS = 4, ONTO_RING = 8, EVERY = 15 };

    void board_move(int f, int t, Koma pc, Koma cap, unsigned parts) {
        const bool capture = cap != KARA;
        if (may_promote(sq_x(f), sq_y(f), sq_y(t), pc)) {
            if (parts & (capture ? CAPTURES : PROMOTIONS)) push(f, t, 0, pc, promoted(pc), cap);
            if (search_only && always_promote(pc)) return;
        }
        if (parts & (capture ? CAPTURES : STEPS)) push(f, t, 0, pc, pc, cap);
    }

    // Onto the ring: the piece may go to any reachable ring cell once the ring is turned so that the
    // wanted empty place stands there; one move per distinct resulting ring, with the fewest turns.
    void ring_moves(int f, Koma pc, const int* targets, int n) {
        for (int promo = 0; promo < 2; ++promo) {
            const Koma placed = promo ? promoted(pc) : pc;
            int usable[8];
            int nu = 0;
            for (int i = 0; i < n; ++i) {
                const bool may = may_promote(sq_x(f), sq_y(f), sq_y(targets[i]), pc);
                if (promo ? may : !(may && search_only && always_promote(pc))) usable[nu++] = targets[i];
            }
            if (nu == 0) continue;
            const Groups& groups = slots_for(placed);
            for (int g = 0; g < groups.count; ++g) {
                int best_t = usable[0], best_turns = RING;
                for (int gi = 0; gi < groups.size[g]; ++gi)
                    for (int i = 0, j = groups.member[g][gi]; i < nu; ++i) {
                        const int turns = (RING_INDEX[usable[i]] - j + RING) % RING;
                        if (turns < best_turns) best_turns = turns, best_t = usable[i];
                    }
                push(f, best_t, best_turns, pc, placed, KARA);
            }
        }
    }

    // A board piece's moves: captures (promoting or not), other moves that promote, other moves on the
    // board, moves onto the ring, as `parts` asks.
    void from_board(int f, unsigned parts) {
        const Koma pc = p.b[f];
        const int ty = type_of(pc);
        const Offsets& o = offsets().t[me][ty];
        const bool quiet = parts & (PROMOTIONS | STEPS);
        int ring_t[8];
        int nring = 0;
        for (int d : o.steps) {
            const int t = f + d;
            const Koma c = p.b[t];
            if (c == OFF_BOARD) continue;
            // What stands on a ring cell now does not matter: the ring can be turned first.
            if (RING_INDEX[t] >= 0) {
                if (!is_king(pc)) ring_t[nring++] = t;
                continue;
            }
            if (owned_by(c, me) || (!quiet && c == KARA)) continue;
            board_move(f, t, pc, c, parts);
        }
        for (int d : o.slides) {
            for (int t = f + d;; t += d) {
                const Koma c = p.b[t];
                if (c == OFF_BOARD) break;
                if (RING_INDEX[t] >= 0) {
                    ring_t[nring++] = t;
                    break;
                }
                if (owned_by(c, me)) break;
                if (c != KARA) {
                    board_move(f, t, pc, c, parts);
                    break;
                }
                if (quiet) board_move(f, t, pc, c, parts);
            }
        }
        if ((parts & ONTO_RING) && nring > 0) ring_moves(f, pc, ring_t, nring);
    }

    // From the ring: the piece may stand on any of the 40 cells after the turn; it enters the play area
    // onto an empty square by its own movement. Pieces whose departure leaves the same ring are one
    // piece here. One move per destination, with the fewest turns.
    void from_ring(const std::uint8_t* same, int n) {
        const Koma pc = p.b[RING_SQ[same[0]]];
        const Offsets& o = offsets().t[me][type_of(pc)];
        bool seen[NSQ] = {};
        for (int turns = 0; turns < RING; ++turns) {
            for (int k = 0; k < n; ++k) {
                const int s = RING_SQ[(same[k] + turns) % RING];
                const auto enter = [&](int to) {
                    if (seen[to]) return;
                    seen[to] = true;
                    push(s, to, turns, pc, pc, KARA);
                };
                for (int d : o.steps) {
                    const int to = s + d;
                    if (p.b[to] == KARA && on_play_area(to)) enter(to);
                }
                for (int d : o.slides)
                    for (int to = s + d; p.b[to] == KARA && on_play_area(to); to += d) enter(to);
            }
        }
    }

    void drops() {
        for (int kind = 1; kind <= 7; ++kind) {
            if (p.hand[me][kind] <= 0) continue;
            const Koma pc = me == LOWER ? SITA_KOMA_BY_KIND[kind] : UE_KOMA_BY_KIND[kind];
            for (int x = 2; x <= 10; ++x) {
                if (kind == 1 && p.pawns[me][x] > 0) continue;
                for (int y = 2; y <= 10; ++y)
                    if (p.b[sq(x, y)] == KARA) push(-kind, sq(x, y), 0, pc, pc, KARA);
            }
        }
    }

    void board(unsigned parts) {
        for (int y = 2; y <= 10; ++y)
            for (int x = 2; x <= 10; ++x)
                if (owned_by(p.b[sq(x, y)], me)) from_board(sq(x, y), parts);
    }

    // Two ring pieces whose departure leaves the same ring give the same moves: one of each such group
    // moves.
    void off_ring() {
        std::pair<Koma, std::uint64_t> kinds[RING];
        Groups groups;
        for (int i = 0; i < RING; ++i) {
            const Koma c = p.b[RING_SQ[i]];
            if (!owned_by(c, me)) continue;
            groups.add(kinds, std::pair<Koma, std::uint64_t>{c, ring_canonical(p, i)}, i);
        }
        for (int g = 0; g < groups.count; ++g) from_ring(groups.member[g], groups.size[g]);
    }

    void all() {
        board(EVERY);
        off_ring();
        drops();
    }

    void stage(Stage st) {
        switch (st) {
        case Stage::TACTICAL:
            board(CAPTURES | PROMOTIONS);
            break;
        case Stage::QUIET:
            board(STEPS);
            break;
        case Stage::RING_AND_DROPS:
            board(ONTO_RING);
            off_ring();
            drops();
            break;
        }
    }
};

} // namespace

namespace {

// For each side: the step offsets and slide directions by which some type attacks, with the set of
// types (a bit each) that do; and for each code on the play area, its type's bit if that side owns it.
struct AttackTable {
    // For attacked_around: one of the nine squares around a centre, its offset from it, and the square
    // of the nine next to it back along a line (-1 if none).
    struct Cell {
        int index, offset, back;
    };
    struct Way {
        int d;
        unsigned types;
    };
    struct Line : Way {
        // The nine in the order attacked_around takes them, each after the one behind it.
        Cell cells[9];
    };
    Way steps[2][16];
    Line slides[2][8];
    int nsteps[2]{}, nslides[2]{};
    unsigned bit[2][2 * 950 + 1]{};
    // Which of the nine squares around a centre a piece of the side and type standing at (dx, dy) from
    // it (|dx| <= 2, |dy| <= 3: a knight's reach) can take on by a step, as attacked_around's bits.
    unsigned step_around[2][NTYPES][7][5]{};
    AttackTable() {
        for (int side = 0; side < 2; ++side) {
            for (int t = 0; t < NTYPES; ++t) {
                const auto add = [&](auto* v, int& n, int d) {
                    for (int i = 0; i < n; ++i)
                        if (v[i].d == d) {
                            v[i].types |= 1u << t;
                            return;
                        }
                    v[n].d = d;
                    v[n++].types = 1u << t;
                };
                for (int d : offsets().t[side][t].steps) add(steps[side], nsteps[side], d);
                for (int d : offsets().t[side][t].slides) add(slides[side], nslides[side], d);
            }
        }
        for (int c = -950; c <= 950; ++c)
            if (c != KARA && type_of(c) >= 0) bit[side_of(c)][c + 950] = 1u << type_of(c);
        for (int side = 0; side < 2; ++side)
            for (int i = 0; i < nslides[side]; ++i) {
                Line& way = slides[side][i];
                const int oy = (way.d + W / 2 + 2 * W) / W - 2, ox = way.d - oy * W; // each -1..1
                for (int n = 0; n < 9; ++n) {
                    const int dy = oy >= 0 ? n / 3 - 1 : 1 - n / 3, dx = ox >= 0 ? n % 3 - 1 : 1 - n % 3;
                    const int bx = dx - ox, by = dy - oy;
                    way.cells[n] = {(dy + 1) * 3 + dx + 1, dx + W * dy,
                                    std::abs(bx) <= 1 && std::abs(by) <= 1 ? (by + 1) * 3 + bx + 1 : -1};
                }
            }
        for (int side = 0; side < 2; ++side)
            for (int t = 0; t < NTYPES; ++t)
                for (int dy = -3; dy <= 3; ++dy)
                    for (int dx = -2; dx <= 2; ++dx)
                        for (int cell = 0; cell < 9; ++cell)
                            for (int d : offsets().t[side][t].steps)
                                if (d == (cell % 3 - 1 - dx) + W * (cell / 3 - 1 - dy))
                                    step_around[side][t][dy + 3][dx + 2] |= 1u << cell;
    }
    // Is c, standing on the play area, a piece of side `by` of one of the types?
    bool piece_of(Koma c, int by, unsigned types) const { return bit[by][c + 950] & types; }
};
const AttackTable ATTACKS;

} // namespace

namespace {

// Hands each piece of side `by` that attacks play-area square s to found(from, step), the step being the
// direction it comes in; stops at the first for which found returns true, and says whether one did.
template <class Found> bool find_attacker(const Position& p, int s, int by, Found&& found) {
    const AttackTable& a = ATTACKS;
    for (int i = 0; i < a.nsteps[by]; ++i) {
        const int f = s - a.steps[by][i].d;
        if (on_play_area(f) && a.piece_of(p.b[f], by, a.steps[by][i].types) && found(f, a.steps[by][i].d))
            return true;
    }
    for (int i = 0; i < a.nslides[by]; ++i) {
        const int d = a.slides[by][i].d;
        int f = s - d;
        while (p.b[f] == KARA && on_play_area(f)) f -= d;
        if (on_play_area(f) && a.piece_of(p.b[f], by, a.slides[by][i].types) && found(f, d)) return true;
    }
    return false;
}

} // namespace

bool attacked(const Position& p, int s, int by) {
    return find_attacker(p, s, by, [](int, int) { return true; });
}

unsigned attacked_around(const Position& p, int s, int by) {
    const AttackTable& a = ATTACKS;
    const int cx = sq_x(s), cy = sq_y(s);
    unsigned around = 0;
    // Steps: every piece that can step onto one of the nine stands within a knight's reach of the centre.
    for (int y = std::max(2, cy - 3); y <= std::min(10, cy + 3); ++y)
        for (int x = std::max(2, cx - 2); x <= std::min(10, cx + 2); ++x) {
            const Koma c = p.b[sq(x, y)];
            if (c != KARA && side_of(c) == by)
                around |= a.step_around[by][type_of(c)][y - cy + 3][x - cx + 2];
        }
    // Lines: along each direction, a square whose neighbour back along the line is an empty square of
    // the nine sees the same first piece as that neighbour, so the squares are taken from the far end.
    int stop[9];
    for (int i = 0; i < a.nslides[by]; ++i) {
        const AttackTable::Line& way = a.slides[by][i];
        for (const AttackTable::Cell& cell : way.cells) {
            const int t = s + cell.offset;
            if (!on_play_area(t)) continue;
            int f = t - way.d;
            if (p.b[f] == KARA && on_play_area(f)) {
                if (cell.back >= 0)
                    f = stop[cell.back];
                else
                    while (p.b[f] == KARA && on_play_area(f)) f -= way.d;
            }
            stop[cell.index] = f;
            if (on_play_area(f) && a.piece_of(p.b[f], by, way.types)) around |= 1u << cell.index;
        }
    }
    // A step may reach past the play area's edge.
    if (cx == 2) around &= ~0111u;
    if (cx == 10) around &= ~0444u;
    if (cy == 2) around &= ~0007u;
    if (cy == 10) around &= ~0700u;
    return around;
}

int check_lines(const Position& p, int side, std::array<bool, NSQ>& mask) {
    mask.fill(false);
    const int s = p.king[side];
    if (s < 0) return 0;
    int checkers = 0;
    find_attacker(p, s, 1 - side, [&](int f, int d) {
        ++checkers;
        for (; f != s; f += d) mask[f] = true; // for a step attacker, its own square alone
        return false;
    });
    return checkers;
}

int turns_to_come_back(const Position& p, Koma c, int from) {
    const Offsets& o = offsets().t[side_of(c)][type_of(c)];
    for (int k = 0, i = from; k < RING; ++k, i = i + 1 == RING ? 0 : i + 1) {
        const int s = RING_SQ[i];
        for (int d : o.steps)
            if (p.b[s + d] == KARA && on_play_area(s + d)) return k;
        for (int d : o.slides)
            if (p.b[s + d] == KARA && on_play_area(s + d)) return k;
    }
    return -1;
}

bool can_come_back(const Position& p, Koma c) {
    return turns_to_come_back(p, c, 0) >= 0;
}

const std::array<int, RING> RING_SQ = make_ring_sq();
const std::array<int, NSQ> RING_INDEX = make_ring_index(RING_SQ);

bool may_promote(int fx, int fy, int ty, Koma piece) {
    if (fx <= 1 || fx >= 11 || fy <= 1 || fy >= 11) return false;
    switch (piece) {
    case SITA_HU:
    case SITA_KYOU:
    case SITA_KEI:
        return ty < 5;
    case SITA_GIN:
    case SITA_KAKU:
    case SITA_SYA:
        return ty < 5 || fy < 5;
    case UE_HU:
    case UE_KYOU:
    case UE_KEI:
        return ty > 7;
    case UE_GIN:
    case UE_KAKU:
    case UE_SYA:
        return ty > 7 || fy > 7;
    default:
        return false;
    }
}

Position empty_position() {
    Position p;
    p.b.fill(OFF_BOARD);
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) p.b[sq(x, y)] = KARA;
    p.key = compute_key(p);
    return p;
}

Position start_position() {
    Position p = empty_position();
    const Koma back[9] = {UE_KYOU, UE_KEI, UE_GIN, UE_KIN, UE_OU, UE_KIN, UE_GIN, UE_KEI, UE_KYOU};
    for (int x = 2; x <= 10; ++x) {
        put(p, x, 2, back[x - 2]);
        put(p, x, 4, UE_HU);
        put(p, x, 8, SITA_HU);
        put(p, x, 10, static_cast<Koma>(-back[x - 2]));
    }
    put(p, 3, 3, UE_SYA);
    put(p, 9, 3, UE_KAKU);
    put(p, 3, 9, SITA_KAKU);
    put(p, 9, 9, SITA_SYA);
    return p;
}

void put(Position& p, int x, int y, Koma code) {
    const int s = sq(x, y);
    if (p.b[s] != KARA) lift(p, s);
    if (code != KARA) set_down(p, s, code);
    if (RING_INDEX[s] >= 0) {
        p.key ^= p.ring_key;
        p.ring_key = ring_canonical(p);
        p.key ^= p.ring_key;
    }
}

void set_hand(Position& p, int side, int kind, int count) {
    change_hand(p, side, kind, count - p.hand[side][kind]);
}

void set_side(Position& p, int side) {
    if (p.side != side) p.key ^= zobrist().side;
    p.side = side;
}

std::uint64_t compute_key(const Position& p) {
    const Zobrist& z = zobrist();
    std::uint64_t k = ring_canonical(p);
    for (int x = 2; x <= 10; ++x)
        for (int y = 2; y <= 10; ++y)
            if (p.b[sq(x, y)] != KARA) k ^= z.board[sq(x, y)][zindex(p.b[sq(x, y)])];
    for (int s = 0; s < 2; ++s)
        for (int kind = 1; kind <= 7; ++kind) k ^= z.hand[s][kind][std::clamp(p.hand[s][kind], 0, 40)];
    if (p.side == UPPER) k ^= z.side;
    return k;
}

void generate(const Position& p, MoveList& out, bool search_only) {
    out.clear();
    if (p.king_taken()) return;
    Generator g{p, out, search_only, p.side};
    g.all();
}

void generate_captures(const Position& p, MoveList& out) {
    out.clear();
    if (p.king_taken()) return;
    Generator g{p, out, true, p.side};
    g.board(Generator::CAPTURES);
}

void generate_stage(const Position& p, Stage stage, MoveList& out, bool search_only) {
    out.clear();
    if (p.king_taken()) return;
    Generator g{p, out, search_only, p.side};
    g.stage(stage);
}

bool find_move(const Position& p, const Move& m, Move& found, bool search_only) {
    if (p.king_taken() || m.to < 0 || m.to >= NSQ || m.turns < 0 || m.turns >= RING) return false;
    thread_local MoveList moves;
    moves.clear();
    Generator g{p, moves, search_only, p.side};
    if (m.is_drop()) {
        // Only the drops of its kind.
        const int kind = m.drop_kind();
        if (kind > 7 || p.hand[p.side][kind] <= 0) return false;
        const int x = sq_x(m.to);
        if (!on_play_area(m.to) || p.b[m.to] != KARA || (kind == 1 && p.pawns[p.side][x] > 0)) return false;
        found = m;
        found.piece = found.placed = p.side == LOWER ? SITA_KOMA_BY_KIND[kind] : UE_KOMA_BY_KIND[kind];
        found.captured = KARA;
        found.turns = 0;
        return m.turns == 0 && m.placed == found.placed;
    }
    if (m.from >= NSQ) return false;
    if (on_play_area(m.from)) {
        // Only the moves of the piece on its square.
        if (!owned_by(p.b[m.from], p.side)) return false;
        g.from_board(m.from, on_play_area(m.to)
                                 ? Generator::CAPTURES | Generator::PROMOTIONS | Generator::STEPS
                                 : Generator::ONTO_RING);
    } else if (RING_INDEX[m.from] >= 0) {
        g.off_ring();
    } else {
        return false;
    }
    for (const Move& c : moves)
        if (c == m) {
            found = c;
            return true;
        }
    return false;
}

void turn_ring(Position& p, int k) {
    k = ((k % RING) + RING) % RING;
    if (k == 0) return;
    Koma old[RING];
    for (int i = 0; i < RING; ++i) old[i] = p.b[RING_SQ[i]];
    for (int i = 0, j = k; i < RING; ++i, j = j + 1 == RING ? 0 : j + 1) p.b[RING_SQ[j]] = old[i];
}

void make(Position& p, const Move& m, Undo& u) {
    u.move = m;
    u.key = p.key;
    u.ring_key = p.ring_key;
    turn_ring(p, m.turns);
    const int me = p.side;
    bool ring_changed = RING_INDEX[m.to] >= 0;
    if (m.is_drop()) {
        change_hand(p, me, m.drop_kind(), -1);
    } else {
        ring_changed = ring_changed || RING_INDEX[m.from] >= 0;
        lift(p, m.from);
    }
    if (m.captured != KARA) {
        lift(p, m.to);
        if (!is_king(m.captured)) change_hand(p, me, ::hand_kind(m.captured), +1);
    }
    set_down(p, m.to, m.placed);
    if (ring_changed) {
        p.key ^= p.ring_key;
        p.ring_key = ring_canonical(p);
        p.key ^= p.ring_key;
    }
    set_side(p, 1 - me);
}

void unmake(Position& p, const Undo& u) {
    const Move& m = u.move;
    const int me = 1 - p.side;
    p.side = me;
    lift(p, m.to);
    if (m.captured != KARA) {
        set_down(p, m.to, m.captured);
        if (!is_king(m.captured)) change_hand(p, me, ::hand_kind(m.captured), -1);
    }
    if (m.is_drop())
        change_hand(p, me, m.drop_kind(), +1);
    else
        set_down(p, m.from, m.piece);
    turn_ring(p, RING - m.turns);
    p.key = u.key;
    p.ring_key = u.ring_key;
}

Position from_program(const Kyokumen& k) {
    Position p = empty_position();
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y)
            if (k.BAN[x][y] != KARA) put(p, x, y, k.BAN[x][y]);
    for (int kind = 1; kind <= 7; ++kind) {
        set_hand(p, LOWER, kind, k.SITA_MOCHI[kind]);
        set_hand(p, UPPER, kind, k.UE_MOCHI[kind]);
    }
    set_side(p, k.TEBAN == k.UE_GAWA ? UPPER : LOWER);
    return p;
}

ProgramMove to_program_move(const Move& m, int side) {
    ProgramMove pm{m.turns, sq_x(m.from), sq_y(m.from), sq_x(m.to), sq_y(m.to), m.piece, m.placed};
    if (m.is_drop()) {
        const Cell c = drop_source({side == UPPER, m.drop_kind()});
        pm.fx = c.x;
        pm.fy = c.y;
    }
    return pm;
}

void to_program(const Position& p, Kyokumen& k) {
    for (int x = 1; x <= 11; ++x)
        for (int y = 1; y <= 11; ++y) k.BAN[x][y] = p.b[sq(x, y)];
    k.SITA_MOCHI_KEI = k.UE_MOCHI_KEI = 0;
    for (int kind = 1; kind <= 7; ++kind) {
        k.SITA_MOCHI[kind] = p.hand[LOWER][kind];
        k.UE_MOCHI[kind] = p.hand[UPPER][kind];
        k.SITA_MOCHI_KEI += p.hand[LOWER][kind];
        k.UE_MOCHI_KEI += p.hand[UPPER][kind];
    }
}

} // namespace engine
