#include "platform/lines.h"

#include <utility>

namespace {

bool blank(char c) {
    return c == ' ' || c == '\t';
}

} // namespace

bool LineSplitter::feed(std::string_view bytes) {
    for (const char c : bytes) {
        if (after_cr_) {
            after_cr_ = false;
            if (c == '\n') continue;
        }
        if (lines_.size() >= limit_) {
            // Blank lines at the end are no lines of the file; anything else is a line left out.
            if (c != '\r' && c != '\n' && !blank(c)) more_ = true;
            if (more_ || ++beyond_ > MAX_LINE_BYTES) return false;
            continue;
        }
        if (c == '\r' || c == '\n') {
            lines_.push_back(std::move(current_));
            current_.clear();
            length_ = 0;
            open_ = false;
            after_cr_ = c == '\r';
        } else {
            open_ = true;
            if (++length_ > MAX_LINE_BYTES) {
                too_long_ = true;
                return false;
            }
            if (current_.size() < kept_) current_ += c;
        }
    }
    return true;
}

std::vector<std::string> LineSplitter::finish() {
    if (open_) {
        lines_.push_back(std::move(current_));
        current_.clear();
        open_ = false;
    }
    return std::move(lines_);
}

std::vector<std::string> split_lines(std::string_view bytes) {
    LineSplitter s;
    s.feed(bytes);
    return s.finish();
}
