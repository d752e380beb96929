// Kifu files: building a record line from the record, reading one back, checking the entries, writing.
#pragma once

#include "core/state.h"
#include "kifu/record.h"

#include <cstddef>
#include <string>
#include <vector>

// The lines before the record lines: the title, the upper player, the lower player.
inline constexpr std::size_t KIFU_MIDASHI_GYOU = 3;

// The entry of record index n (0..500) as a file holds it, its clocks in whole seconds; an index outside
// the record gives an empty entry.
RecordEntry filed_entry(const Kiroku& r, int n);
// The record line of an entry: 518 characters, one more for each pawn count of 10 or more. A clock
// beyond its five columns is written as the nearest value they hold.
std::string record_line_of(const RecordEntry& k);
// The record line of index n.
std::string record_line(const Kiroku& r, int n);
// Reads one record line by its columns; the two pawn counts in hand take the given number of digits.
// Missing or unreadable fields give 0; any bytes are accepted.
RecordEntry entry_from_line(const std::string& line, int sita_hu_keta = 1, int ue_hu_keta = 1);
// Reads the record lines of a file, finding which pawn counts of a 519- or 520-character line have
// two digits.
std::vector<RecordEntry> entries_from_lines(const std::vector<std::string>& lines);
// What makes an entry impossible in a game at the handicap level (a code that is no piece, a king on
// the ring, two kings of one side, a kind of piece not there as often as a full set less what the level
// takes off, a king missing but in the last entry, where the last move may have taken it), or the empty
// text for a possible one.
std::string entry_fault(const RecordEntry& k, int hande_level, bool last);
// What keeps a file's entries from following one another as a game does, naming the first line that does
// not: each entry one move of the side to move from the one before it (the ring turned any number of
// cells first), as the list of moves reads it, with the hands changed by that move alone; the side that
// made the first move, then each side in turn. Entry 0 is the start position at the handicap level, or
// the first entry of a reversed game. The empty text when they do.
std::string moves_fault(const std::vector<RecordEntry>& entries, int hande_level, bool reversed);
// The lines of a file's bytes, each cut to 521 bytes; CR LF, LF and CR all end a line. A line of more
// than 64 KiB ends the reading.
std::vector<std::string> file_lines(const std::string& bytes);
// Writes the three header lines and record lines first .. KIFU_TESUU (first 1, or 0 for a record whose
// start no reader knows) to path, replacing a file of that name. Returns 0, or the errno of the step that
// failed (an existing file is then left as it was).
int write_kifu_file(const Kiroku& r, const std::string& path, const std::string& title,
                    const std::string& upper, const std::string& lower, int first = 1);
// A kifu file read and checked before anything of the game is touched.
struct KifuFileRead {
    std::vector<std::string> lines;   // the header lines and at most KIFU_MAX record lines, as read
    std::vector<RecordEntry> entries; // the record's entries, blank lines at the end left out
    bool more = false;                // record lines beyond KIFU_MAX followed
    std::string fault;                // why the file cannot be used (no entries then), or the empty text
    int hande_level = 0;              // the handicap level of a kept game
    // A kept game played on after 反転: the side to move at its start (1 or -1), whose position is then
    // entries[0]; 0 for any other file.
    int reversed = 0;
};
// A file is read only when every record line has the record's width, no blank line stands between
// them, every entry is a position of a game at the file's handicap level, and the entries follow one
// another move by move (moves_fault); the fault names the first line that is not.
KifuFileRead 読込_棋譜ファイル(const std::string& path);
// The same for the lines of a file (as file_lines gives them); `more` as the file had them.
KifuFileRead check_file_lines(std::vector<std::string> lines, bool more = false);
// Stores an entry as record index n.
void set_entry(Kiroku& r, int n, const RecordEntry& k);
// The words said when a kifu file cannot be read or written, for an errno.
std::string failure_reason(int e, bool writing);
// The path of a file name in a folder of the file panel.
std::string path_in_folder(const std::string& folder, const std::string& name);
