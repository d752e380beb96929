// The lines of a text file as its bytes arrive: CR LF, LF and CR all end a line, and the end of the
// bytes ends an unfinished last line. The settings and kifu files are split the same way.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// A line running on past this without an end is no line of the program's files (a name typed in a
// text box stays below it): splitting stops there rather than scan a huge file to its end.
inline constexpr std::size_t MAX_LINE_BYTES = 65536;

class LineSplitter {
  public:
    static constexpr std::size_t ALL = static_cast<std::size_t>(-1);
    // Keeps the first `kept` bytes of each line, and takes up to `limit` lines.
    explicit LineSplitter(std::size_t kept = ALL, std::size_t limit = ALL) : kept_(kept), limit_(limit) {}
    // False once there is nothing more to take.
    bool feed(std::string_view bytes);
    // Ends the last line if it has no end of its own; returns the lines.
    std::vector<std::string> finish();
    bool too_long() const { return too_long_; } // a line ran past MAX_LINE_BYTES
    bool more() const { return more_; }         // something other than blank lines follows the limit
    std::size_t count() const { return lines_.size(); }

  private:
    std::size_t kept_, limit_;
    std::vector<std::string> lines_;
    std::string current_;
    std::size_t length_ = 0; // bytes of the current line, kept or not
    bool open_ = false;      // bytes of an unfinished line were seen
    bool after_cr_ = false;
    bool too_long_ = false;
    bool more_ = false;
    std::size_t beyond_ = 0; // bytes looked at beyond the limit
};

// The lines of bytes, each whole.
std::vector<std::string> split_lines(std::string_view bytes);
