// 検討: LEVEL4 searches every position of a record on worker threads, and each move gets the evaluation
// after it, the move the search preferred before it, and a mark where it gave up much of the mover's
// chance of winning against that, or let a forced mate go.
// Works on the copy of the record it is handed; the window reads the progress and the results while it
// runs, and may cancel it at any moment, keeping what is done.
#pragma once

#include "core/position.h"
#include "engine/search.h"
#include "kifu/notation.h"
#include "kifu/record.h"
#include "kifu/review_file.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct ReviewOptions {
    std::uint64_t nodes = engine::DEFAULT_NODES; // a position
    int threads = 2;
    ReviewThresholds thresholds;
};

class Review {
  public:
    // Starts the review of the record's entries 0..KIFU_TESUU at once.
    explicit Review(const Kiroku& record, const ReviewOptions& options = {});
    // Cancels and waits for the workers.
    ~Review();
    Review(const Review&) = delete;
    Review& operator=(const Review&) = delete;

    int moves() const { return static_cast<int>(sides_.size()) - 1; }
    int positions() const { return static_cast<int>(sides_.size()); }
    int positions_done() const { return done_.load(); }
    // Every position searched, or cancelled and the workers ended.
    bool finished() const { return finished_.load(); }
    // Stops the searches under way (within a few milliseconds) and waits for the workers; what was done
    // is kept, a position whose search was cut off is not.
    void cancel();
    // Waits until the review is finished. cancel() and wait() are called from one thread (the window's);
    // the progress and the results may be read from any.
    void wait();

    // Move n (1..moves()); `ready` once the positions before and after it are both searched.
    ReviewedMove result(int n) const;
    // All moves, as the side file keeps them.
    ReviewFile results() const;

  private:
    struct Searched {
        bool done = false;
        bool has_best = false;
        engine::Move best;
        int score = 0; // from the side to move's view, a mate as +-MATE
        bool mate = false;
    };
    void work();
    Searched search_position(int i, engine::Table& table) const;

    ReviewOptions options_;
    std::vector<engine::Position> positions_;
    std::vector<std::uint64_t> keys_;
    std::vector<Kyokumen> boards_; // the record's positions, for the preferred moves' notation
    std::vector<Cell> last_to_;    // where the move before each went, for 同
    std::vector<int> sides_;
    std::vector<std::uint64_t> fingerprints_; // of move n at n
    mutable std::mutex mutex_;
    std::vector<Searched> searched_;
    std::atomic<int> next_{0};
    std::atomic<int> done_{0};
    std::atomic<int> running_{0};
    std::atomic<bool> stop_{false};
    std::atomic<bool> finished_{false};
    std::vector<std::thread> workers_;
};

// The mover's chance of winning, 0..1, for an evaluation from its view: 1 / (1 + exp(-eval / 600)).
// With a pawn at 90, a pawn ahead is worth under 4 points in 100 of an even game, a rook taken (its
// worth on the board and in hand, some 2,000) makes the game 97 in 100 won, and a mate found is 1 or 0:
// the same loss in units weighs most where the game is open and little where it is long decided. At 600
// the marks of a game near even fall where they fell by units (150 and 300: 6 and 12 points in 100).
constexpr double WINNING_CHANCE_SCALE = 600;
double winning_chance(int eval);
// LEVEL4's move as the notation writes it: its turn of the ring the shorter way round.
NotatedMove notated_move(const engine::ProgramMove& pm);
// What the played move gives up against the preferred one, both from the mover's view: the winning
// chance lost in thousandths (0..1000).
int chance_lost(int preferred, int played);

// The preferred move as the program makes it.
engine::ProgramMove program_move(const PreferredMove& m);
