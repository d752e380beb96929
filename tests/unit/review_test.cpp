// 検討: the review of a record by LEVEL4, and its side file beside the kifu file.

#include "control/review.h"
#include "core/handicap.h"
#include "core/moves.h"
#include "display/texts.h"
#include "engine/position.h"
#include "kifu/navigate.h"
#include "kifu/notation.h"
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

Kyokumen even_start() {
    Kyokumen k;
    engine::to_program(engine::start_position(), k);
    return k;
}

// The start of a game at a handicap level.
Kyokumen handicap_start(int level) {
    Kyokumen k = even_start();
    place_handicap_start(k.BAN, level);
    return k;
}

// The record of a game from the starting position, or from `k`.
Kiroku record_of(const std::vector<M>& moves, Kyokumen k = even_start()) {
    Kiroku r;
    r.entries[0] = entry_of(k);
    for (const M& m : moves) {
        駒移動(k, m.fx, m.fy, m.tx, m.ty, m.placed != KARA ? m.placed : k.BAN[m.fx][m.fy]);
        r.entries[++r.KIFU_TESUU] = entry_of(k);
    }
    return r;
}

const M P76{4, 8, 4, 7}, P34{8, 4, 8, 5}, P26{9, 8, 9, 7}, P84{3, 4, 3, 5}, P25{9, 7, 9, 6};
// ▲２二角成, then the upper side leaves the horse standing (△６二銀) instead of taking it (△同銀).
const M B22{3, 9, 9, 3, SITA_KAKU_NARI}, S62{4, 2, 5, 3}, S22{8, 2, 9, 3}, R22{3, 3, 9, 3};
// The kings step to and fro: ▲５八王 △５二王 ▲５九王 △５一王.
const M K58{6, 10, 6, 9}, K52{6, 2, 6, 3}, K59{6, 9, 6, 10}, K51{6, 3, 6, 2};
// ▲５五角 left where the pawn that △５四歩 pushed takes it (△５五歩).
const M P54{6, 4, 6, 5}, B55{3, 9, 6, 6}, PX55{6, 5, 6, 6};

// The upper king alone on ５一 with a lower pawn on ５三; the lower side, with a gold in hand and its
// rook and bishop at home, mates at once with ▲５二金打.
Kyokumen mate_at_hand() {
    Kyokumen k;
    k.BAN[6][2] = UE_OU;
    k.BAN[6][4] = SITA_HU;
    k.BAN[6][10] = SITA_OU;
    k.BAN[9][9] = SITA_SYA;
    k.BAN[3][9] = SITA_KAKU;
    k.SITA_MOCHI[5] = 1;
    k.SITA_MOCHI_KEI = 1;
    return k;
}
const M G52{13, 7, 6, 3, SITA_KIN};

ReviewFile reviewed(const Kiroku& r, int threads = 2) {
    Review review(r, {kNodes, threads, {}});
    review.wait();
    EXPECT_TRUE(review.finished());
    EXPECT_EQ(review.positions_done(), r.KIFU_TESUU + 1);
    return review.results();
}

// A move is judged by the winning chance it gives up, so a side far ahead that stays far ahead is not
// told it blundered; a position come back to is worth what it is; a forced mate let go is 悪手 however
// far ahead the mover stays.
TEST(Review, MarksMovesByWhatTheyGiveUpAgainstThePreferredMove) {
    struct Case {
        const char* name;
        std::vector<M> moves;
        int bad_move; // 0: none is 悪手
        Kyokumen start = even_start();
    } cases[] = {
        {"quiet opening", {P76, P34, P26, P84, P25}, 0},
        {"horse left standing", {P76, P34, B22, S62}, 4},
        {"kings shuffled two pieces up",
         {K58, K52, K59, K51, K58, K52, K59, K51, K58, K52},
         0,
         handicap_start(2)},
        {"bishop given away ten pieces up", {P76, P54, B55, PX55, K58}, 0, handicap_start(10)},
        {"mate let go", {K58}, 1, mate_at_hand()},
        {"mate given", {G52}, 0, mate_at_hand()},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Kiroku r = record_of(c.moves, c.start);
        const ReviewFile f = reviewed(r);
        ASSERT_EQ(f.moves.size(), c.moves.size());
        for (int n = 1; n <= r.KIFU_TESUU; ++n) {
            const ReviewedMove& m = f.moves[n - 1];
            SCOPED_TRACE(n);
            EXPECT_TRUE(m.ready);
            EXPECT_EQ(m.mark == ReviewMark::BAD, n == c.bad_move) << m.loss;
            EXPECT_EQ(m.fingerprint, move_fingerprint(r, n));
            EXPECT_EQ(m.mark, mark_for(m.loss, m.missed_mate, {}));
        }
    }
    // The preferred move where the horse was left standing is a recapture (by the silver or the
    // rook), written as the move list writes it once played; the played ▲２二角成 was itself the
    // preferred move there or close to it.
    const Kiroku r = record_of({P76, P34, B22, S62});
    const ReviewFile f = reviewed(r);
    const bool by_silver = program_move(f.moves[3].best).placed == UE_GIN;
    const Kiroku taken = record_of({P76, P34, B22, by_silver ? S22 : R22});
    EXPECT_EQ(f.moves[3].best_text, recorded_move_text(taken, 4, Notation::Japanese));
    EXPECT_EQ(f.moves[3].best_text, by_silver ? "△同銀" : "△同飛");
    // After the horse is left standing the lower side is far ahead.
    EXPECT_GT(f.moves[3].eval, 500);
}

// The preferred move's turn of the ring (0..39 cells right) is written as the move list writes a played
// one: the shorter way round.
TEST(Review, WritesThePreferredMoveAsTheMoveListDoes) {
    const struct {
        int turns;
        const char* text;
    } rows[] = {{0, ""}, {3, "右3 "}, {20, "右20 "}, {21, "左19 "}, {37, "左3 "}};
    for (const auto& r : rows) EXPECT_EQ(turn_prefix(r.turns, Notation::Japanese), r.text);
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
    // The file's lines (the check line left out) changed, with the check made again for them: only the
    // lines' own form can tell.
    const auto rechecked = [&](auto change) {
        std::vector<std::string> lines;
        for (std::size_t i = 0, end; (end = text.find("\r\n", i)) != std::string::npos; i = end + 2)
            lines.push_back(text.substr(i, end - i));
        lines.pop_back();
        change(lines);
        return checked_text(lines);
    };
    ASSERT_TRUE(review_from_text(rechecked([](std::vector<std::string>&) {}), r));
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
        {"a line break lost",
         [&] {
             std::string t = text;
             return t.erase(t.find("\r\n", t.find("\r\n") + 2), 2);
         }()},
        {"line breaks without CR",
         [&] {
             std::string t;
             for (const char c : text)
                 if (c != '\r') t += c;
             return t;
         }()},
        {"a line joined to the one before", rechecked([](std::vector<std::string>& l) {
             l[1] += " " + l[2];
             l.erase(l.begin() + 2);
         })},
        {"a field too many", rechecked([](std::vector<std::string>& l) { l[1] += " 0"; })},
        {"a field of the wrong form", rechecked([](std::vector<std::string>& l) {
             const std::size_t mate = l[1].find(' ', l[1].find(' ') + 1) + 1;
             l[1][mate] = '2';
         })},
        {"a mark that does not follow the loss", rechecked([](std::vector<std::string>& l) {
             l[1].replace(l[1].find(" - "), 3, " \x88\xab\x8e\xe8 "); // 悪手
         })},
        {"of the first version", rechecked([](std::vector<std::string>& l) {
             l[0].replace(l[0].find("version=2"), 9, "version=1");
         })},
    };
    for (const Damage& d : damaged) {
        SCOPED_TRACE(d.name);
        EXPECT_FALSE(review_from_text(d.bytes, r));
    }
    EXPECT_FALSE(read_review_file((dir.path() / "none.検討").string(), r));
}

} // namespace
