// The review of a game (検討) kept beside its kifu file: NAME.検討 next to NAME.棋譜, so that the kifu
// file itself never changes. It holds, per move, what the review found, and a fingerprint of the record
// it belongs to: read back with any other record it gives nothing.
#pragma once

#include "core/position.h"
#include "kifu/record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

enum class ReviewMark { NONE = 0, DUBIOUS = 1, BAD = 2 };
// "疑問手", "悪手", or "-" for none.
const char* mark_text(ReviewMark m);

// A move is marked when it gives up at least this much of the mover's chance of winning, in thousandths,
// against the move the search preferred (in an even game some 145 and 295 of the engine's units, a pawn
// on the board being 90); a move after which the mover no longer has the forced mate it had is 悪手.
struct ReviewThresholds {
    int dubious = 60;
    int bad = 120;
};
ReviewMark mark_for(int loss, bool missed_mate, const ReviewThresholds& t);

// The preferred move as the program makes a move: the ring turned `turns` cells right first, then the
// piece `before` from (fx, fy) to (tx, ty), `placed` standing there afterwards (a drop from a hand box).
struct PreferredMove {
    int turns = 0, fx = 0, fy = 0, tx = 0, ty = 0;
    Koma before = KARA, placed = KARA;
    bool operator==(const PreferredMove&) const = default;
};

// What the review found for one move n (1..N) of a record.
struct ReviewedMove {
    bool ready = false; // both positions around the move have been searched
    int eval = 0;       // after the move, from the lower side's view; a mate is +-30000
    bool mate = false;
    int loss = 0; // the mover's winning chance the played move gives up against the preferred, 0..1000
    bool missed_mate = false; // the mover had a forced mate before the move and has none after it
    ReviewMark mark = ReviewMark::NONE;
    bool has_best = false;    // false where the side to move had no move
    bool played_best = false; // the move played leads where the preferred one does (whatever its turn)
    PreferredMove best;
    std::string best_text;         // as the move list writes it
    std::uint64_t fingerprint = 0; // of the record's two entries around the move (move_fingerprint)
    bool operator==(const ReviewedMove&) const = default;
};

// Fingerprints of the boards and hands (not the clocks, which a file keeps in whole seconds): of the two
// entries around move n, and of the whole record (entries 0..KIFU_TESUU and their number). A result
// whose fingerprint still equals its move's belongs to the record on screen.
std::uint64_t move_fingerprint(const Kiroku& r, int n);
std::uint64_t record_fingerprint(const Kiroku& r);
// How the side files write a fingerprint: 16 hex digits.
std::string fingerprint_text(std::uint64_t v);
// An evaluation as shown: a sign before a gain ("+120", "0", "-45").
std::string eval_text(int eval);
// The moves of r a side file speaks of: KIFU_TESUU within 0..KIFU_MAX.
int moves_of(const Kiroku& r);

struct ReviewFile {
    std::uint64_t nodes = 0; // the node budget a position the review was made with
    ReviewThresholds thresholds;
    std::vector<ReviewedMove> moves; // move n at index n - 1, KIFU_TESUU of them (some may not be ready)
};

// A file beside a record's: NAME + suffix for NAME.棋譜 (any other name gets the suffix added).
std::string beside_record(const std::string& kifu_path, std::string_view suffix);
// NAME.検討 for NAME.棋譜.
std::string review_path(const std::string& kifu_path);
// The file's text (Shift_JIS, CR LF): a first line naming it with its version, the budget, the
// thresholds, the record's fingerprint and number of moves; one line per ready move; a last line with a
// check of every byte before it, line breaks included.
std::string review_file_text(const Kiroku& r, const ReviewFile& review);
// Lines (Shift_JIS) as a file holds them: each ended with CR LF, and the check line after them.
std::string checked_text(const std::vector<std::string>& lines);
// The review read back from a file's bytes for record r; nothing when the bytes are damaged in any way
// (the check, and every line's fields by number and form), are of another version (a file of version 1,
// whose evaluations scored a position come back to, is made again by the next 検討) or belong to
// another record.
std::optional<ReviewFile> review_from_text(const std::string& bytes, const Kiroku& r);
// Writes the file, replacing one of that name; 0 or the errno of the failed step.
int write_review_file(const std::string& path, const Kiroku& r, const ReviewFile& review);
// Reads the file for record r; nothing when it is missing, unreadable, damaged or of another record.
std::optional<ReviewFile> read_review_file(const std::string& path, const Kiroku& r);
