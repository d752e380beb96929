// 検討: the review of a record by LEVEL4, and its side file beside the kifu file.

#include "control/review.h"
#include "core/moves.h"
#include "display/texts.h"
#include "engine/position.h"
#include "kifu/navigate.h"
#include "kifu/review_file.h"
#include "tools/temp_dir.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

namespace {

// Small enough for the sanitizers, large enough to see a piece left hanging.
constexpr std::uint64_t kNodes = 20000;

// A board move by cells (x = 11 - file, y = rank + 1), the piece placed as `placed` when given.
struct M {
    int fx, fy, tx, ty;
    Koma placed = KARA;
};

// The record of a game from the starting position.
Kiroku record_of(const std::vector<M>& moves) {
    Kiroku r;
    Kyokumen k;
    engine::to_program(engine::start_position(), k);
    r.entries[0] = entry_of(k);
    for (const M& m : moves) {
        駒移動(k, m.fx, m.fy, m.tx, m.ty, m.placed != KARA ? m.placed : k.BAN[m.fx][m.fy]);
        r.entries[++r.KIFU_TESUU] = entry_of(k);
    }
    return r;
}

const M P76{4, 8, 4, 7}, P34{8, 4, 8, 5}, P26{9, 8, 9, 7}, P84{3, 4, 3, 5}, P25{9, 7, 9, 6};
// ▲２二角成, then the upper side leaves the horse standing (△６二銀) instead of taking it (△同銀).
const M B22{3, 9, 9, 3, SITA_KAKU_NARI}, S62{4, 2, 5, 3}, S22{8, 2, 9, 3};

ReviewFile reviewed(const Kiroku& r, int threads = 2) {
    Review review(r, {kNodes, threads, {}});
    review.wait();
    EXPECT_TRUE(review.finished());
    EXPECT_EQ(review.positions_done(), r.KIFU_TESUU + 1);
    return review.results();
}

TEST(Review, MarksMovesByWhatTheyGiveUpAgainstThePreferredMove) {
    struct Case {
        const char* name;
        std::vector<M> moves;
        int bad_move; // 0: none is 悪手
    } cases[] = {
        {"quiet opening", {P76, P34, P26, P84, P25}, 0},
        {"horse left standing", {P76, P34, B22, S62}, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Kiroku r = record_of(c.moves);
        const ReviewFile f = reviewed(r);
        ASSERT_EQ(f.moves.size(), c.moves.size());
        for (int n = 1; n <= r.KIFU_TESUU; ++n) {
            const ReviewedMove& m = f.moves[n - 1];
            SCOPED_TRACE(n);
            EXPECT_TRUE(m.ready);
            EXPECT_EQ(m.mark == ReviewMark::BAD, n == c.bad_move) << m.loss;
            EXPECT_EQ(m.fingerprint, move_fingerprint(r, n));
            EXPECT_EQ(m.mark, mark_for_loss(m.loss, {}));
        }
    }
    // The preferred move where the horse was left standing is the recapture, written as the move list
    // writes it once played; the played ▲２二角成 was itself the preferred move there or close to it.
    const Kiroku r = record_of({P76, P34, B22, S62});
    const ReviewFile f = reviewed(r);
    const Kiroku taken = record_of({P76, P34, B22, S22});
    EXPECT_EQ(f.moves[3].best_text, move_list_text(recorded_move(taken, 4)));
    EXPECT_EQ(f.moves[3].best_text, "△２二銀");
    EXPECT_EQ(program_move(f.moves[3].best).placed, UE_GIN);
    // After the horse is left standing the lower side is far ahead.
    EXPECT_GT(f.moves[3].eval, 500);
}

// The preferred move is written as the move list writes a played one: the ring's turn the shorter way,
// a drop with 打.
TEST(Review, WritesThePreferredMoveAsTheMoveListDoes) {
    const struct {
        int turns;
        Cell to;
        int placed;
        bool drop;
        const char* text;
    } rows[] = {
        {0, {4, 7}, SITA_HU, false, "▲７六歩"},
        {0, {6, 6}, SITA_KAKU, true, "▲５五角打"},
        {3, {1, 5}, UE_KIN, false, "△右3 盤外金"},
        {37, {1, 5}, UE_KIN, false, "△左3 盤外金"},
        {20, {6, 6}, UE_KAKU_NARI, false, "△右20 ５五角成"},
    };
    for (const auto& r : rows) EXPECT_EQ(move_text(r.turns, r.to, r.placed, r.drop), r.text);
}

TEST(Review, GivesTheSameResultsWithOneThreadOrTwo) {
    const Kiroku r = record_of({P76, P34, B22, S62});
    EXPECT_EQ(reviewed(r, 1).moves, reviewed(r, 2).moves);
}

TEST(Review, CancelKeepsWhatIsDoneAndOnlyThat) {
    const Kiroku r = record_of({P76, P34, P26, P84, P25, S62});
    Review review(r, {kNodes * 10, 1, {}});
    while (review.positions_done() < 2) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    review.cancel();
    EXPECT_TRUE(review.finished());
    const int done = review.positions_done();
    EXPECT_LT(done, r.KIFU_TESUU + 1);
    const ReviewFile kept = review.results();
    // One thread takes the positions in order: a move is ready once the position after it is done.
    for (int n = 1; n <= r.KIFU_TESUU; ++n) {
        SCOPED_TRACE(n);
        EXPECT_EQ(kept.moves[n - 1].ready, n < done);
        EXPECT_EQ(kept.moves[n - 1].fingerprint, move_fingerprint(r, n));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    EXPECT_EQ(review.positions_done(), done);
}

TEST(ReviewFile, ReadsBackWithItsRecordOnlyAndNeverDamaged) {
    TempDir dir;
    const Kiroku r = record_of({P76, P34, B22, S62});
    ReviewFile f = reviewed(r);
    f.moves[1] = ReviewedMove{}; // a review cancelled before move 2 was ready
    f.moves[1].fingerprint = move_fingerprint(r, 2);
    const std::string path = review_path((dir.path() / "対局.棋譜").string());
    EXPECT_EQ(std::filesystem::path(path).filename().string(), "対局.検討");
    ASSERT_EQ(write_review_file(path, r, f), 0);
    const std::optional<ReviewFile> back = read_review_file(path, r);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->nodes, kNodes);
    EXPECT_EQ(back->moves, f.moves);

    // Another record: a move changed, one move more or less.
    for (const Kiroku& other :
         {record_of({P76, P34, B22, S22}), record_of({P76, P34, B22}), record_of({P76, P34, B22, S62, P26})})
        EXPECT_FALSE(read_review_file(path, other));

    const std::string text = review_file_text(r, f);
    struct Damage {
        const char* name;
        std::string bytes;
    } damaged[] = {
        {"cut short", text.substr(0, text.size() / 2)},
        {"last line gone", text.substr(0, text.rfind("end "))},
        {"a digit changed",
         [&] {
             std::string t = text;
             t[t.find("\r\n") + 4] ^= 1;
             return t;
         }()},
        {"empty", ""},
    };
    for (const Damage& d : damaged) {
        SCOPED_TRACE(d.name);
        EXPECT_FALSE(review_from_text(d.bytes, r));
    }
    EXPECT_FALSE(read_review_file((dir.path() / "none.検討").string(), r));
}

} // namespace
