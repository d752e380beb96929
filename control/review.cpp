// 検討: the positions of a record searched on worker threads, each with a table of its own cleared
// before every position, so that the results depend only on the record and the budget, not on the
// number of threads or the order in which the positions come.

#include "control/review.h"

#include "kifu/navigate.h"
#include "kifu/notation.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace {

int other(int side) {
    return side == engine::LOWER ? engine::UPPER : engine::LOWER;
}

// A score near MATE is a king taken or a mate found, however far.
bool is_mate(int score) {
    return std::abs(score) > engine::MATE - 1000;
}

} // namespace

double winning_chance(int eval) {
    return 1 / (1 + std::exp(-eval / WINNING_CHANCE_SCALE));
}

NotatedMove notated_move(const engine::ProgramMove& pm) {
    const int turns = shortest_turns(pm.turns);
    return {.turns = turns,
            .shown_turns = turns,
            .from = {pm.fx, pm.fy},
            .to = {pm.tx, pm.ty},
            .placed = pm.placed};
}

int chance_lost(int preferred, int played) {
    const double lost = winning_chance(preferred) - winning_chance(played);
    return std::clamp(static_cast<int>(std::lround(lost * 1000)), 0, 1000);
}

engine::ProgramMove program_move(const PreferredMove& m) {
    return {m.turns, m.fx, m.fy, m.tx, m.ty, m.before, m.placed};
}

Review::Review(const Kiroku& record, const ReviewOptions& options) : options_(options) {
    const int n = std::clamp(record.KIFU_TESUU, 0, KIFU_MAX);
    // The side to move in each position: the mover of the next move as the record shows it; after the
    // last move, the other side. A move the entries do not show alternates.
    sides_.resize(static_cast<std::size_t>(n) + 1);
    for (int i = 0; i <= n; ++i) {
        const RecordedMove next = i < n ? recorded_move(record, i + 1) : RecordedMove{};
        if (next.found)
            sides_[i] = next.lower ? engine::LOWER : engine::UPPER;
        else
            sides_[i] = i == 0 ? engine::LOWER : other(sides_[i - 1]);
        Kyokumen k;
        put_entry(k, record.entries[i]);
        boards_.push_back(k);
        const RecordedMove last = recorded_move(record, i);
        last_to_.push_back(last.found ? last.to : Cell{});
        engine::Position p = engine::from_program(k);
        engine::set_side(p, sides_[i]);
        positions_.push_back(p);
        keys_.push_back(p.key);
        fingerprints_.push_back(move_fingerprint(record, i));
    }
    searched_.resize(positions_.size());
    const int threads = std::max(1, std::min(options_.threads, n + 1));
    running_ = threads;
    for (int t = 0; t < threads; ++t) workers_.emplace_back([this] { work(); });
}

Review::~Review() {
    cancel();
}

void Review::cancel() {
    stop_ = true;
    wait();
}

void Review::wait() {
    for (std::thread& t : workers_)
        if (t.joinable()) t.join();
}

Review::Searched Review::search_position(int i, engine::Table& table) const {
    Searched s;
    const engine::Position& p = positions_[i];
    s.mate = true;
    if (p.king[p.side] < 0) {
        s.score = -engine::MATE;
        return s;
    }
    if (p.king[other(p.side)] < 0) {
        s.score = engine::MATE;
        return s;
    }
    table.clear();
    engine::Limits limits;
    limits.nodes = options_.nodes;
    limits.stop = &stop_;
    limits.table = &table;
    // The game has no rule for a position come back to: it is worth what it is worth.
    limits.avoid_repetition = false;
    const engine::Result r = engine::search(p, limits);
    if (!r.found) {
        s.score = -engine::MATE; // no move at all: lost
        return s;
    }
    s.has_best = true;
    s.best = r.best;
    s.mate = is_mate(r.score);
    s.score = s.mate ? (r.score > 0 ? engine::MATE : -engine::MATE) : r.score;
    return s;
}

void Review::work() {
    auto table = std::make_unique<engine::Table>();
    for (;;) {
        const int i = next_++;
        if (i >= positions() || stop_) break;
        Searched s = search_position(i, *table);
        // A search cut off by the stop is not the search's answer.
        if (stop_) break;
        s.done = true;
        {
            std::lock_guard<std::mutex> lock(mutex_);
            searched_[i] = s;
        }
        ++done_;
    }
    if (--running_ == 0) finished_ = true;
}

ReviewedMove Review::result(int n) const {
    ReviewedMove m;
    if (n < 1 || n > moves()) return m;
    m.fingerprint = fingerprints_[n];
    Searched before, after;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        before = searched_[n - 1];
        after = searched_[n];
    }
    if (!before.done || !after.done) return m;
    const int mover = sides_[n - 1];
    m.ready = true;
    m.mate = after.mate;
    m.eval = sides_[n] == engine::LOWER ? after.score : -after.score;
    const int gives = sides_[n] == mover ? after.score : -after.score;
    m.has_best = before.has_best;
    if (before.has_best) {
        const engine::Move& b = before.best;
        const engine::ProgramMove pm = engine::to_program_move(b, mover);
        m.best = {pm.turns, pm.fx, pm.fy, pm.tx, pm.ty, pm.before, pm.placed};
        m.best_text = move_notation(boards_[n - 1], notated_move(pm), last_to_[n - 1], Notation::Japanese);
        // The played move is the preferred one when it leads to the same position, however far the ring
        // was turned before it (the key does not depend on the ring's turn).
        engine::Position p = positions_[n - 1];
        engine::Undo u;
        engine::make(p, b, u);
        m.played_best = p.key == keys_[n];
        if (!m.played_best) {
            m.loss = chance_lost(before.score, gives);
            m.missed_mate = before.score == engine::MATE && gives != engine::MATE;
        }
    }
    m.mark = mark_for(m.loss, m.missed_mate, options_.thresholds);
    return m;
}

ReviewFile Review::results() const {
    ReviewFile f;
    f.nodes = options_.nodes;
    f.thresholds = options_.thresholds;
    for (int n = 1; n <= moves(); ++n) f.moves.push_back(result(n));
    return f;
}
