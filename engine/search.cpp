#include "engine/search.h"

#include "engine/evaluate.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <thread>
#include <vector>

namespace engine {

namespace {

// The score of a move at `ply` that leaves the mover's king to be taken: the capture that follows.
int king_lost(int ply) {
    return -(MATE - ply - 2);
}

int board_value(Koma c) {
    return BOARD_VALUE[type_of(c)];
}

// Is play-area square s on a rank, file or diagonal through square k?
bool in_line(int s, int k) {
    const int x = sq_x(s), y = sq_y(s);
    if (x < 2 || x > 10 || y < 2 || y > 10) return false;
    const int dx = x - sq_x(k), dy = y - sq_y(k);
    return dx == 0 || dy == 0 || std::abs(dx) == std::abs(dy);
}

} // namespace

namespace {

constexpr int INF = 32000;
// Coming back to a position is worth this much less than nothing to the side that searches: against the
// lower levels a draw by shuffling is a lost chance of a win.
constexpr int CONTEMPT = 300;
constexpr int MAX_PLY = 96;
// At the frontier: the most a quiet move is taken to gain in the evaluation (a drop beside a king shifts
// its safety term most), and how many moves are searched before the quiet ones left are passed over.
constexpr int FUTILITY_MARGIN = 250;
constexpr std::size_t LATE_MOVES = 16;
// How far above beta a node's evaluation must stand, per ply left, for the node to be cut without a
// search, and up to how many plies left.
constexpr int STATIC_CUT_MARGIN = 200;
constexpr int STATIC_CUT_DEPTH = 5;
// How many moves of a list are picked one by one before the rest is sorted.
constexpr std::size_t PICKED = 4;

// The captures in a row full strength's quiescence search follows.
constexpr int ALL_CAPTURES = 8;

// A step below full: its node cap, its depth cap, how far below the best score a root move may score
// and still be played, and how many captures in a row its quiescence search follows. The weakest looks
// one move ahead and follows three captures, about as far as level 3 looks; the next follows every
// capture; each step above looks further and strays less. The margins stay under a minor piece's
// worth, so a move the search sees losing a piece outright, or the king, is never chosen.
struct StrengthStep {
    std::uint64_t nodes;
    int max_depth;
    int margin;
    int captures;
};
constexpr StrengthStep STRENGTH_STEPS[FULL_STRENGTH - WEAKEST_STRENGTH] = {
    {3000, 1, 100, 3},
    {3000, 1, 80, ALL_CAPTURES},
    {10000, 2, 60, ALL_CAPTURES},
    {40000, 3, 30, ALL_CAPTURES},
};

const StrengthStep* strength_step(int strength) {
    if (strength >= FULL_STRENGTH) return nullptr;
    return &STRENGTH_STEPS[std::max(strength, WEAKEST_STRENGTH) - WEAKEST_STRENGTH];
}

// A move at the root, its score in the last iteration, and (for a weaker step) its line.
struct RootMove {
    Move move;
    int score;
    std::vector<Move> line;
};

// The order in which a node's moves come: the table's move, captures and promotions, the killers, the
// other board moves, then moves onto and off the ring and drops. Each stage is generated only when the
// ones before it did not cut off.
enum class Step : std::uint8_t { HASH, TACTICAL, KILLERS, QUIET, RING_AND_DROPS, DONE };

// A stage's moves with their order keys (score, place in generation order), picked lazily.
struct Picker {
    Step step = Step::DONE;
    Move hash;
    bool hash_given = false;
    Move killers_given[2];
    int nkillers = 0;
    int killer = 0;
    bool filled = false; // the current stage's moves are generated
    // At the frontier: the futility bound and the node's alpha as it stands; once the bound is at or
    // under alpha, the quiet stages keep only the moves that may give check, counting those left out.
    int futile = 0, alpha = 0;
    bool frontier = false;
    int left_out = 0;
    MoveList moves;
    std::vector<std::pair<int, int>> keys;
    std::size_t next = 0;
    MoveList rest;
    std::vector<int> order;
    // Moves another thread was busy with, searched after all the others (the last pass).
    MoveList deferred;
    std::size_t deferred_next = 0;
    bool last_pass = false;

    bool given(const Move& m) const {
        if (hash_given && m == hash) return true;
        for (int i = 0; i < nkillers; ++i)
            if (m == killers_given[i]) return true;
        return false;
    }

    // Brings the best of moves i.. to place i (ties to the earlier generated). Most nodes cut off on
    // their first move or two, so the first few are picked one at a time; a loop that goes on past them
    // has the rest sorted at once.
    void pick(std::size_t i) {
        const auto before = [](const std::pair<int, int>& a, const std::pair<int, int>& b) {
            return a.first != b.first ? a.first > b.first : a.second < b.second;
        };
        if (i > PICKED) return;
        if (i == PICKED) {
            if (keys.size() <= i + 1) return;
            // The moves ride along with their keys: the keys' places say where each stands now.
            order.resize(keys.size() - i);
            for (std::size_t j = 0; j < order.size(); ++j) order[j] = static_cast<int>(i + j);
            std::sort(order.begin(), order.end(), [&](int a, int b) { return before(keys[a], keys[b]); });
            rest.assign(moves.begin() + static_cast<std::ptrdiff_t>(i), moves.end());
            for (std::size_t j = 0; j < order.size(); ++j)
                moves[i + j] = rest[static_cast<std::size_t>(order[j]) - i];
            return;
        }
        std::size_t best = i;
        for (std::size_t j = i + 1; j < keys.size(); ++j)
            if (before(keys[j], keys[best])) best = j;
        if (best != i) {
            std::swap(keys[i], keys[best]);
            std::swap(moves[i], moves[best]);
        }
    }
};

} // namespace

// An entry as three words: the move and depth, the score, bound and age, and the key xored with both.
// Written and read a word at a time, an entry half written by another thread fails its key check.
struct Table::Entry {
    std::atomic<std::uint64_t> check{0}, move_depth{0}, score_bound{0};
};

static_assert(sizeof(Table::Entry) == 24, "the table's size in memory is counted on");

namespace {

// An entry as the search uses it.
struct Stored {
    std::uint64_t key = 0;
    Move move;
    int score = 0;
    int depth = 0;
    std::uint8_t bound = 0; // Bound
    std::uint8_t age = 0;   // the search that stored it, counted modulo 64
};

Stored load(const Table::Entry& e) {
    const std::uint64_t md = e.move_depth.load(std::memory_order_relaxed);
    const std::uint64_t sb = e.score_bound.load(std::memory_order_relaxed);
    Stored s;
    s.key = e.check.load(std::memory_order_relaxed) ^ md ^ sb;
    s.move.from = static_cast<std::int16_t>(md & 0xffff);
    s.move.to = static_cast<std::int16_t>((md >> 16) & 0xffff);
    s.move.placed = static_cast<Koma>((md >> 32) & 0xffff);
    s.move.turns = static_cast<std::int8_t>((md >> 48) & 0xff);
    s.depth = static_cast<std::int8_t>(md >> 56);
    s.score = static_cast<std::int16_t>(sb & 0xffff);
    s.bound = static_cast<std::uint8_t>((sb >> 16) & 3);
    s.age = static_cast<std::uint8_t>((sb >> 18) & 63);
    return s;
}

// The fields a move is compared by, in the low 56 bits of a word.
std::uint64_t move_bits(const Move& m) {
    const auto u16 = [](int v) { return static_cast<std::uint64_t>(static_cast<std::uint16_t>(v)); };
    return u16(m.from) | u16(m.to) << 16 | u16(m.placed) << 32 |
           static_cast<std::uint64_t>(static_cast<std::uint8_t>(m.turns)) << 48;
}

// Only the fields a move is compared by are kept: a table's move is found again among those generated.
void save(Table::Entry& e, const Stored& s) {
    const std::uint64_t md =
        move_bits(s.move) | static_cast<std::uint64_t>(static_cast<std::uint8_t>(s.depth)) << 56;
    const std::uint64_t sb =
        static_cast<std::uint16_t>(s.score) | std::uint64_t{s.bound} << 16 | std::uint64_t{s.age} << 18;
    e.move_depth.store(md, std::memory_order_relaxed);
    e.score_bound.store(sb, std::memory_order_relaxed);
    e.check.store(s.key ^ md ^ sb, std::memory_order_relaxed);
}

} // namespace

Table::Table() : cells(std::make_unique<Entry[]>(SIZE)) {}
Table::~Table() = default;

void Table::clear() {
    for (std::size_t i = 0; i < SIZE; ++i) save(cells[i], Stored{});
    age = 0;
}

std::uint8_t Table::next_age() {
    age = static_cast<std::uint8_t>((age + 1) & 63);
    return age;
}

namespace {

enum Bound : std::uint8_t { NONE, EXACT, LOWER_BOUND, UPPER_BOUND };

// The moves some thread is searching right now, each as its position's key mixed with the move: a
// thread that comes to a move another is busy with searches its other moves first and that one last,
// so the threads of one search spread over a node's moves instead of all searching the same one.
class Busy {
  public:
    static std::uint64_t of(std::uint64_t key, const Move& m) {
        const std::uint64_t code = move_bits(m);
        return key ^ (code * 0x9E3779B97F4A7C15ull) ^ (code >> 29);
    }
    bool held(std::uint64_t h) const { return slots[h & (SIZE - 1)].load(std::memory_order_relaxed) == h; }
    void hold(std::uint64_t h) { slots[h & (SIZE - 1)].store(h, std::memory_order_relaxed); }
    void release(std::uint64_t h) {
        std::uint64_t mine = h;
        slots[h & (SIZE - 1)].compare_exchange_strong(mine, 0, std::memory_order_relaxed);
    }

  private:
    static constexpr std::size_t SIZE = std::size_t{1} << 15;
    std::unique_ptr<std::atomic<std::uint64_t>[]> slots =
        std::make_unique<std::atomic<std::uint64_t>[]>(SIZE);
};

// What the threads of one search share besides the table.
struct Shared {
    std::atomic<bool> halt{false}; // the first thread is done: the helpers give up
    std::chrono::steady_clock::time_point start = std::chrono::steady_clock::now();
    Busy busy;
};

// Only moves searched at least this deep are worth telling the other threads about.
constexpr int SHARED_DEPTH = 4;

struct Searcher {
    Position p;
    Limits lim;
    Shared& shared;
    bool helper;
    bool sharing; // other threads search with it
    // How far below the best a root move may score and still be chosen (a weaker step's), else 0.
    int choice_margin;
    int captures_followed;
    // Full strength alone cuts a node whose evaluation stands far above beta: the weaker steps keep the
    // search their scores on the help page were measured with.
    bool full_strength;
    int first_depth;
    Table::Entry* tt;
    std::uint64_t mask;
    std::uint8_t age;
    std::uint64_t nodes = 0;
    std::uint64_t evaluations = 0;
    bool aborted = false;
    Move killers[MAX_PLY][2]{};
    int history[30][NSQ]{};
    std::uint64_t path[MAX_PLY + 2]{}; // the keys from the root to the current node
    int root_side;
    std::vector<Picker> pickers = std::vector<Picker>(MAX_PLY + 1);
    // Evaluations by key: the iterations of a search come back to the same positions near the leaves.
    struct Evaluated {
        std::uint64_t key = 0;
        int score = 0;
    };
    static constexpr std::size_t EVALUATED = std::size_t{1} << 16;
    std::vector<Evaluated> evaluated = std::vector<Evaluated>(EVALUATED);
    std::vector<std::array<bool, NSQ>> lines = std::vector<std::array<bool, NSQ>>(MAX_PLY + 1);
    // The line expected from each node of the principal variation: its best move, then the line of the
    // node under it. Only nodes searched with an open window fill theirs, so it costs next to nothing.
    std::vector<std::array<Move, MAX_PLY + 1>> line_moves =
        std::vector<std::array<Move, MAX_PLY + 1>>(MAX_PLY + 2);
    std::array<int, MAX_PLY + 2> line_length{};

    // A helper (id > 0) searches as the first thread does, and only fills the table for it: where the
    // two come to the same node, each takes the moves the other is not busy with first.
    Searcher(const Position& pos, const Limits& l, Table& table, std::uint8_t search_age, Shared& sh, int id)
        : p(pos), lim(l), shared(sh), helper(id > 0), sharing(l.threads > 1),
          choice_margin(strength_step(l.strength) ? strength_step(l.strength)->margin : 0),
          captures_followed(strength_step(l.strength) ? strength_step(l.strength)->captures : ALL_CAPTURES),
          full_strength(!strength_step(l.strength)), first_depth(1) {
        tt = table.entries();
        mask = Table::SIZE - 1;
        age = search_age;
        std::sort(lim.seen.begin(), lim.seen.end()); // the game's earlier positions, looked up by halves
        path[0] = p.key;
        root_side = p.side;
    }

    // Has the game or this line of the search already been here, with the same side to move?
    bool repeated(int ply) const {
        for (int i = ply - 2; i >= 0; i -= 2)
            if (path[i] == p.key) return true;
        return std::binary_search(lim.seen.begin(), lim.seen.end(), p.key);
    }

    int hist_index(const Move& m) const { return type_of(m.placed) * 2 + side_of(m.placed); }

    // Seconds since the search started, on the clock the limits count.
    double elapsed() const {
        if (lim.virtual_nodes_per_second > 0)
            return static_cast<double>(nodes) / lim.virtual_nodes_per_second;
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - shared.start).count();
    }

    bool out_of_budget() {
        if (aborted) return true;
        if (nodes >= lim.nodes)
            aborted = true;
        else if ((nodes & 1023) == 0)
            aborted = (lim.stop && lim.stop->load()) || shared.halt.load(std::memory_order_relaxed) ||
                      (!helper && lim.time.hard > 0 && elapsed() >= lim.time.hard);
        return aborted;
    }

    // m is the best move at ply so far: its line is m and the line of the node it led to.
    void set_line(int ply, const Move& m) {
        std::array<Move, MAX_PLY + 1>& line = line_moves[ply];
        line[0] = m;
        const int n = std::min(line_length[ply + 1], MAX_PLY);
        std::copy_n(line_moves[ply + 1].begin(), n, line.begin() + 1);
        line_length[ply] = n + 1;
    }

    std::vector<Move> line_at(int ply) const {
        return {line_moves[ply].begin(), line_moves[ply].begin() + line_length[ply]};
    }

    bool in_check() const { return engine::in_check(p); }

    // Before the move: could m check the enemy king? Only by landing near it, by a long-range piece
    // landing in line with it, or by a board piece leaving a line through it.
    bool may_give_check(const Move& m) const {
        const int k = p.king[1 - p.side];
        if (k < 0) return false;
        if (!m.is_drop() && in_line(m.from, k)) return true;
        const int tx = sq_x(m.to), ty = sq_y(m.to);
        if (tx < 2 || tx > 10 || ty < 2 || ty > 10) return false;
        if (std::max(std::abs(tx - sq_x(k)), std::abs(ty - sq_y(k))) <= 2) return true;
        const int t = type_of(m.placed);
        return (t == 2 || t >= 10) && in_line(m.to, k);
    }

    // In check, a move other than the king's can only help on a square of lines[ply] (see check_lines);
    // any other leaves the king to be taken, which is known without making it.
    bool answers_check(const Move& m, int ply) const { return type_of(m.piece) == 14 || lines[ply][m.to]; }

    // Called after make(m): does m leave the mover's king where it is taken next? Such a move scores as
    // the loss it is without a node spent on it. Only a move made in check, a king's own step, or a board
    // piece leaving a line through its king can do that (ring pieces neither attack nor block).
    bool exposes_king(const Move& m, bool was_check) const {
        const int mover = 1 - p.side, k = p.king[mover];
        if (k < 0) return false;
        if (!was_check && type_of(m.piece) != 14 && (m.is_drop() || !in_line(m.from, k))) return false;
        return attacked(p, k, p.side);
    }

    int evaluate_here() {
        Evaluated& e = evaluated[p.key & (EVALUATED - 1)];
        if (e.key != p.key) {
            e = {p.key, evaluate(p)};
            ++evaluations;
        }
        return e.score;
    }

    static bool is_quiet(const Move& m) { return m.captured == KARA && m.placed == m.piece; }

    // Captures by the worth taken, then the taker's; promotions by the piece they make.
    static int tactical_score(const Move& m) {
        if (m.captured != KARA) {
            if (m.captured == SITA_OU || m.captured == UE_OU) return (1 << 29);
            return (1 << 28) + board_value(m.captured) * 16 - (m.is_drop() ? 0 : board_value(m.piece)) / 8;
        }
        return (1 << 27) + board_value(m.placed);
    }

    int quiet_score(const Move& m) const { return history[hist_index(m)][m.to] - (m.turns != 0 ? 50 : 0); }

    // Fills a picker with a stage's moves, less those already given and, at the frontier, the quiet
    // moves that cannot matter there, and their keys.
    void fill(Picker& pk, Stage stage) {
        generate_stage(p, stage, pk.moves, true);
        const bool checks_only = pk.frontier && stage != Stage::TACTICAL && pk.futile <= pk.alpha;
        std::size_t n = 0;
        for (const Move& m : pk.moves) {
            if (pk.given(m)) continue;
            if (checks_only && is_quiet(m) && !may_give_check(m)) {
                ++pk.left_out;
                continue;
            }
            pk.moves[n++] = m;
        }
        pk.moves.resize(n);
        pk.keys.resize(n);
        for (std::size_t i = 0; i < n; ++i)
            pk.keys[i] = {stage == Stage::TACTICAL ? tactical_score(pk.moves[i]) : quiet_score(pk.moves[i]),
                          static_cast<int>(i)};
        pk.next = 0;
    }

    void start_moves(int ply, const Move& hash) {
        Picker& pk = pickers[ply];
        pk.step = Step::HASH;
        pk.hash = hash;
        pk.hash_given = false;
        pk.nkillers = 0;
        pk.killer = 0;
        pk.frontier = false;
        pk.left_out = 0;
        pk.deferred.clear();
        pk.deferred_next = 0;
        pk.last_pass = false;
    }

    // The node's next move in staged order; false when there is none left. A stage's moves are
    // generated when it is reached.
    bool next_move(int ply, Move& out) {
        Picker& pk = pickers[ply];
        for (;;) {
            switch (pk.step) {
            case Step::HASH:
                pk.step = Step::TACTICAL;
                pk.filled = false;
                if (pk.hash.to != 0 && find_move(p, pk.hash, out)) {
                    pk.hash = out;
                    pk.hash_given = true;
                    return true;
                }
                break;
            case Step::TACTICAL:
            case Step::QUIET:
            case Step::RING_AND_DROPS:
                if (!pk.filled) {
                    fill(pk, pk.step == Step::TACTICAL ? Stage::TACTICAL
                             : pk.step == Step::QUIET  ? Stage::QUIET
                                                       : Stage::RING_AND_DROPS);
                    pk.filled = true;
                }
                if (pk.next < pk.moves.size()) {
                    pk.pick(pk.next);
                    out = pk.moves[pk.next++];
                    return true;
                }
                pk.step = pk.step == Step::TACTICAL ? Step::KILLERS
                          : pk.step == Step::QUIET  ? Step::RING_AND_DROPS
                                                    : Step::DONE;
                pk.filled = false;
                break;
            case Step::KILLERS:
                while (pk.killer < 2) {
                    const Move k = killers[ply][pk.killer++];
                    if (k.to == 0 || pk.given(k) || !find_move(p, k, out) || !is_quiet(out)) continue;
                    pk.killers_given[pk.nkillers++] = out;
                    return true;
                }
                pk.step = Step::QUIET;
                break;
            case Step::DONE:
                if (pk.deferred_next == pk.deferred.size()) return false;
                pk.last_pass = true;
                out = pk.deferred[pk.deferred_next++];
                return true;
            }
        }
    }

    int score_to_tt(int s, int ply) const {
        return s > MATE - 1000 ? s + ply : s < -MATE + 1000 ? s - ply : s;
    }
    int score_from_tt(int s, int ply) const {
        return s > MATE - 1000 ? s - ply : s < -MATE + 1000 ? s + ply : s;
    }

    int quiesce(int alpha, int beta, int ply, int qdepth) {
        ++nodes;
        if (p.king[p.side] < 0) return -(MATE - ply);
        if (out_of_budget()) return 0;
        const int stand = evaluate_here();
        if (stand >= beta || ply >= MAX_PLY || qdepth >= captures_followed) return stand;
        alpha = std::max(alpha, stand);
        Picker& pk = pickers[ply];
        MoveList& moves = pk.moves;
        generate_captures(p, moves);
        const bool check = !moves.empty() && in_check();
        pk.keys.resize(moves.size());
        for (std::size_t i = 0; i < moves.size(); ++i)
            pk.keys[i] = {tactical_score(moves[i]), static_cast<int>(i)};
        for (std::size_t i = 0; i < moves.size(); ++i) {
            pk.pick(i);
            const Move m = moves[i];
            Undo u;
            make(p, m, u);
            if (exposes_king(m, check)) {
                unmake(p, u);
                continue;
            }
            const int s = -quiesce(-beta, -alpha, ply + 1, qdepth + 1);
            unmake(p, u);
            if (aborted) return 0;
            if (s > alpha) {
                alpha = s;
                if (s >= beta) break;
            }
        }
        return alpha;
    }

    void store(Table::Entry& slot, int depth, int ply, int best, const Move& best_move, int alpha0,
               int beta) {
        // An entry of an earlier search gives way; in this one, a deeper entry of another position stays.
        const Stored old = load(slot);
        if (old.key != p.key && old.age == age && old.depth > depth) return;
        Stored e;
        e.key = p.key;
        e.move = best_move;
        e.score = static_cast<std::int16_t>(score_to_tt(best, ply));
        e.depth = static_cast<std::int8_t>(depth);
        e.bound = best >= beta ? LOWER_BOUND : best > alpha0 ? EXACT : UPPER_BOUND;
        e.age = age;
        save(slot, e);
    }

    // maybe_check false: the move that led here cannot have given check (see may_give_check).
    int negamax(int depth, int alpha, int beta, int ply, bool null_ok, bool maybe_check = true) {
        line_length[ply] = 0;
        if (p.king[p.side] < 0) return -(MATE - ply);
        const bool check = maybe_check && in_check();
        if (check) ++depth;
        if (depth <= 0) return quiesce(alpha, beta, ply, 0);
        ++nodes;
        if (out_of_budget()) return 0;
        if (ply >= MAX_PLY) return evaluate(p);
        path[ply] = p.key;
        if (lim.avoid_repetition && repeated(ply)) return p.side == root_side ? -CONTEMPT : CONTEMPT;
        const bool pv = beta - alpha > 1;

        Table::Entry& slot = tt[p.key & mask];
        const Stored e = load(slot);
        Move hash_move{};
        if (e.key == p.key && e.bound != NONE) {
            hash_move = e.move;
            const int s = score_from_tt(e.score, ply);
            if (!pv && e.depth >= depth &&
                (e.bound == EXACT || (e.bound == LOWER_BOUND && s >= beta) ||
                 (e.bound == UPPER_BOUND && s <= alpha)))
                return s;
        }

        // The evaluation of this node, asked for at most once.
        int static_eval = INF;
        const auto eval = [&] { return static_eval != INF ? static_eval : (static_eval = evaluate_here()); };

        // Near the leaves, a position whose evaluation stands far above beta is taken to hold it.
        if (full_strength && !pv && !check && depth <= STATIC_CUT_DEPTH && std::abs(beta) < MATE - 1000 &&
            eval() - STATIC_CUT_MARGIN * depth >= beta)
            return eval();

        // Null move: if passing still holds beta, a real move will too.
        if (null_ok && !pv && !check && depth >= 3 && eval() >= beta) {
            set_side(p, 1 - p.side);
            const int s = -negamax(depth - 3, -beta, -beta + 1, ply + 1, false);
            set_side(p, 1 - p.side);
            if (aborted) return 0;
            if (s >= beta && s < MATE - 1000) return s;
        }

        if (check) check_lines(p, p.side, lines[ply]);

        // At the frontier a quiet move that gives no check is passed over when it cannot lift the score
        // up to alpha (the quiescence search under it would only stand pat), and so is every such move
        // ordered late. Checks, captures and promotions are always searched.
        const bool frontier = !pv && !check && depth == 1 && std::abs(alpha) < MATE - 1000;
        const int futile = frontier ? eval() + FUTILITY_MARGIN : INF;
        const int alpha0 = alpha;
        int best = -INF;
        Move best_move{};
        start_moves(ply, hash_move);
        Picker& pk = pickers[ply];
        pk.frontier = frontier;
        pk.futile = futile;
        Move m;
        std::size_t i = 0;
        bool any = false;
        for (; (pk.alpha = alpha, next_move(ply, m)); ++i) {
            if (i == 0) best_move = m;
            any = true;
            const bool quiet = is_quiet(m);
            if (check && !answers_check(m, ply)) {
                best = std::max(best, king_lost(ply));
                continue;
            }
            const bool prunable = quiet && i > 0 && (futile <= alpha || (frontier && i >= LATE_MOVES));
            const bool gives = may_give_check(m);
            if (prunable && !gives) {
                best = std::max(best, std::min(futile, alpha));
                continue;
            }
            const bool told = sharing && depth >= SHARED_DEPTH;
            const std::uint64_t busy_key = told ? Busy::of(p.key, m) : 0;
            if (told && i > 0 && !pk.last_pass && shared.busy.held(busy_key)) {
                pk.deferred.push_back(m);
                continue;
            }
            Undo u;
            make(p, m, u);
            if (exposes_king(m, check)) {
                unmake(p, u);
                best = std::max(best, king_lost(ply));
                continue;
            }
            if (prunable && !in_check()) {
                unmake(p, u);
                best = std::max(best, std::min(futile, alpha));
                continue;
            }
            if (told) shared.busy.hold(busy_key);
            int s;
            if (i == 0) {
                s = -negamax(depth - 1, -beta, -alpha, ply + 1, true, gives);
            } else {
                // Late quiet moves are searched shallower first.
                int r = 0;
                if (quiet && !check && depth >= 3 && i >= 4 && !(m == killers[ply][0]) &&
                    !(m == killers[ply][1]))
                    r = i >= 12 ? 2 : 1;
                s = -negamax(depth - 1 - r, -alpha - 1, -alpha, ply + 1, true, gives);
                if (s > alpha && r > 0) s = -negamax(depth - 1, -alpha - 1, -alpha, ply + 1, true, gives);
                if (s > alpha && s < beta) s = -negamax(depth - 1, -beta, -alpha, ply + 1, true, gives);
            }
            unmake(p, u);
            if (told) shared.busy.release(busy_key);
            if (aborted) return 0;
            if (s > best) {
                best = s;
                best_move = m;
            }
            if (s > alpha) {
                alpha = s;
                if (pv) set_line(ply, m);
                if (s >= beta) {
                    if (quiet) {
                        if (!(m == killers[ply][0])) {
                            killers[ply][1] = killers[ply][0];
                            killers[ply][0] = m;
                        }
                        history[hist_index(m)][m.to] += depth * depth;
                    }
                    break;
                }
            }
        }
        if (pk.left_out > 0) best = std::max(best, std::min(futile, alpha));
        if (!any && pk.left_out == 0) return -(MATE - ply); // no move at all: lost
        store(slot, depth, ply, best, best_move, alpha0, beta);
        return best;
    }

    Result run() {
        Result r;
        MoveList root;
        generate(p, root, true);
        if (root.empty()) return r;
        r.found = true;
        r.best = root[0];
        // A king within reach is taken at once.
        for (const Move& m : root)
            if (m.captured == SITA_OU || m.captured == UE_OU) {
                r.best = m;
                r.score = MATE;
                r.pv = {m};
                return r;
            }
        // The table's move of an earlier search first, then captures and promotions, then the rest.
        const Stored e = load(tt[p.key & mask]);
        const Move hash = e.key == p.key && e.bound != NONE ? e.move : Move{};
        // Each root move with its score: first by the move order, then by the last iteration.
        std::vector<RootMove> moves;
        for (const Move& m : root)
            moves.push_back({m, m == hash ? 1 << 30 : is_quiet(m) ? quiet_score(m) : tactical_score(m), {}});
        const bool root_check = in_check();
        double instability = 0;
        // A weaker step chooses among the last finished iteration's root moves.
        std::vector<RootMove> chosen_from;
        Move chosen_best;
        for (int depth = first_depth; depth <= lim.max_depth; ++depth) {
            // Best first, then by the last iteration's scores.
            std::stable_sort(moves.begin(), moves.end(),
                             [](const RootMove& a, const RootMove& b) { return a.score > b.score; });

            int alpha = -INF;
            Move best = moves[0].move;
            int best_score = -INF;
            std::vector<Move> best_line;
            // Root moves another thread is busy with come last, as in the tree.
            std::vector<std::size_t> deferred;
            for (std::size_t k = 0; k < moves.size() + deferred.size(); ++k) {
                const bool last_pass = k >= moves.size();
                const std::size_t i = last_pass ? deferred[k - moves.size()] : k;
                RootMove& rm = moves[i];
                const std::uint64_t busy_key = sharing ? Busy::of(p.key, rm.move) : 0;
                if (sharing && i > 0 && !last_pass && shared.busy.held(busy_key)) {
                    deferred.push_back(i);
                    continue;
                }
                if (sharing) shared.busy.hold(busy_key);
                const bool gives = may_give_check(rm.move);
                line_length[1] = 0;
                Undo u;
                make(p, rm.move, u);
                int s;
                if (exposes_king(rm.move, root_check)) {
                    s = king_lost(0);
                } else if (i == 0) {
                    s = -negamax(depth - 1, -INF, INF, 1, true, gives);
                } else {
                    // A weaker step needs the scores of the moves near the best, not only that they
                    // are worse.
                    const int near_best = alpha - choice_margin;
                    s = -negamax(depth - 1, -near_best - 1, -near_best, 1, true, gives);
                    if (s > near_best && !aborted) s = -negamax(depth - 1, -INF, -near_best, 1, true, gives);
                }
                unmake(p, u);
                if (sharing) shared.busy.release(busy_key);
                if (aborted) break;
                rm.score = s;
                if (choice_margin > 0 && s > alpha - choice_margin) {
                    set_line(0, rm.move);
                    rm.line = line_at(0);
                }
                if (s > best_score) {
                    best_score = s;
                    best = rm.move;
                    alpha = s;
                    set_line(0, best);
                    best_line = line_at(0);
                }
            }
            if (aborted) {
                // A move proved better than the last full iteration's choice is kept.
                if (best_score > r.score && best_score > -INF) {
                    r.best = best;
                    r.pv = best_line;
                }
                break;
            }
            if (depth > first_depth) instability = instability / 2 + (best == r.best ? 0 : 1);
            r.best = best;
            r.score = best_score;
            r.depth = depth;
            r.pv = best_line;
            if (choice_margin > 0) {
                chosen_from = moves;
                chosen_best = best;
            }
            Table::Entry& root_entry = tt[p.key & mask];
            store(root_entry, depth, 0, best_score, best, -INF, INF);
            if (!helper && lim.on_iteration) {
                r.nodes = nodes;
                r.seconds = elapsed();
                lim.on_iteration(r);
            }
            if (best_score > MATE - 1000 || best_score < -MATE + 1000) break;
            if (!helper && lim.time.soft > 0 && elapsed() >= stop_after(lim.time, instability)) break;
            // The best stays first whatever the scores of the others.
            for (RootMove& rm : moves)
                if (rm.move == best) rm.score = INF;
        }
        // A helper that got to the end first (the deepest iteration, or a mate) has the move: the
        // others need not get there too.
        if (helper && !aborted && r.depth > 0) shared.halt = true;
        // An iteration cut short may have found a better move: that one is played.
        if (choice_margin > 0 && r.depth > 0 && r.best == chosen_best) choose_weaker(r, chosen_from);
        r.nodes = nodes;
        return r;
    }

    // A weaker step's move: one of those scoring within the margin of the best, the better the likelier,
    // drawn by the seed and the position. Where a mate is seen either way the best is played.
    void choose_weaker(Result& r, const std::vector<RootMove>& moves) const {
        if (std::abs(r.score) > MATE - 1000) return;
        std::vector<std::uint64_t> weight(moves.size(), 0);
        std::uint64_t total = 0;
        for (std::size_t i = 0; i < moves.size(); ++i) {
            const int below = r.score - moves[i].score;
            if (below >= 0 && below < choice_margin)
                weight[i] = static_cast<std::uint64_t>((choice_margin - below) * (choice_margin - below));
            total += weight[i];
        }
        if (total == 0) return;
        std::uint64_t state = lim.seed ^ p.key;
        std::uint64_t x = splitmix(state) % total;
        for (std::size_t i = 0; i < moves.size(); ++i) {
            if (x < weight[i]) {
                r.best = moves[i].move;
                r.score = moves[i].score;
                r.pv = moves[i].line;
                return;
            }
            x -= weight[i];
        }
    }
};

} // namespace

TimePlan plan_time(const GameClock& c) {
    // What this move may spend without the flag falling (the increment comes only after it).
    const double margin = std::min(c.overhead, 0.25 * (c.remaining + c.byoyomi));
    const double available = std::max(0.0, c.remaining + c.byoyomi - margin);
    // The main time shared over the moves the game may still last, and most of what comes back each
    // move; once the main time is spent the byoyomi is this move's alone.
    const int moves_to_go = std::max(12, 40 - c.moves_played / 4);
    const double base = c.remaining / moves_to_go + 0.8 * c.increment + 0.8 * c.byoyomi;
    TimePlan t;
    t.hard = std::min(available, std::max(base, std::min(4 * base, c.remaining / 4 + c.byoyomi)));
    t.soft = std::min(base, t.hard);
    return t;
}

TimePlan plan_fixed(double seconds) {
    // The player asked for about this long: at least half of it.
    return {seconds, seconds};
}

double stop_after(const TimePlan& plan, double instability) {
    return std::min(plan.hard, plan.soft * std::clamp(0.5 + instability, 0.5, 2.0));
}

namespace {

Result search_on_threads(const Position& p, const Limits& limits) {
    Table* table = limits.table;
    std::unique_ptr<Table> own;
    if (!table) {
        own = std::make_unique<Table>();
        table = own.get();
    }
    Shared shared;
    const std::uint8_t age = table->next_age();
    std::vector<std::unique_ptr<Searcher>> helpers;
    std::vector<Result> helper_results(static_cast<std::size_t>(std::max(0, limits.threads - 1)));
    for (int id = 1; id < limits.threads; ++id)
        helpers.push_back(std::make_unique<Searcher>(p, limits, *table, age, shared, id));
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < helpers.size(); ++i)
        threads.emplace_back([&, i] { helper_results[i] = helpers[i]->run(); });
    auto s = std::make_unique<Searcher>(p, limits, *table, age, shared, 0);
    Result r = s->run();
    r.seconds = s->elapsed();
    shared.halt = true;
    for (std::thread& t : threads) t.join();
    r.nodes = s->nodes;
    r.evaluations = s->evaluations;
    for (std::size_t i = 0; i < helpers.size(); ++i) {
        r.nodes += helpers[i]->nodes;
        r.evaluations += helpers[i]->evaluations;
        // A helper that finished a deeper iteration knows better.
        const Result& h = helper_results[i];
        if (h.found && h.depth > r.depth) {
            r.best = h.best;
            r.score = h.score;
            r.depth = h.depth;
            r.pv = h.pv;
        }
    }
    return r;
}

} // namespace

Result search(const Position& p, const Limits& limits) {
    const StrengthStep* step = strength_step(limits.strength);
    if (!step) return search_on_threads(p, limits);
    // A weaker step keeps to its caps whatever the budget or time, on one thread so that its choice
    // follows the seed alone.
    Limits capped = limits;
    capped.nodes = std::min(limits.nodes, step->nodes);
    capped.max_depth = std::min(limits.max_depth, step->max_depth);
    capped.threads = 1;
    return search_on_threads(p, capped);
}

namespace {

// The quiescence search of LEVEL4 on its own (no table, no lazy evaluation, a cap on its nodes), which
// keeps the line it expects.
struct QuietLine {
    explicit QuietLine(const Position& from) : p(from) {}
    Position p;
    std::uint64_t nodes = 0;
    std::array<std::vector<Move>, 10> lines;

    int search(int alpha, int beta, int ply) {
        lines[ply].clear();
        if (p.king[p.side] < 0) return -(MATE - ply);
        const int stand = evaluate(p);
        if (stand >= beta || ply >= 8 || ++nodes > 20000) return stand;
        alpha = std::max(alpha, stand);
        MoveList moves;
        generate_captures(p, moves);
        std::stable_sort(moves.begin(), moves.end(), [](const Move& a, const Move& b) {
            return Searcher::tactical_score(a) > Searcher::tactical_score(b);
        });
        for (const Move& m : moves) {
            Undo u;
            make(p, m, u);
            const int s = -search(-beta, -alpha, ply + 1);
            unmake(p, u);
            if (s > alpha) {
                alpha = s;
                lines[ply].assign(1, m);
                lines[ply].insert(lines[ply].end(), lines[ply + 1].begin(), lines[ply + 1].end());
                if (s >= beta) break;
            }
        }
        return alpha;
    }
};

} // namespace

Position quiet_leaf(const Position& p) {
    QuietLine q(p);
    q.search(-INF, INF, 0);
    Position leaf = p;
    for (const Move& m : q.lines[0]) {
        Undo u;
        make(leaf, m, u);
    }
    return leaf;
}

} // namespace engine
