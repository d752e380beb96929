#include "core/time_control.h"

#include <algorithm>

ClockLeft time_left(const TimeControl& c, double used, int moves, double elapsed) {
    ClockLeft l;
    // The byoyomi never eats into the main time, so what is left of it follows from the total alone;
    // an increment comes back after each move made.
    const double main =
        c.byoyomi > 0 ? std::max(0.0, c.main - used) : c.main + double(c.increment) * moves - used;
    if (c.byoyomi > 0 && elapsed >= main) {
        l.in_byoyomi = true;
        l.byoyomi = c.byoyomi - (elapsed - main);
        l.flag = l.byoyomi < 0;
        l.byoyomi = std::max(0.0, l.byoyomi);
        return l;
    }
    l.main = main - elapsed;
    l.flag = l.main < 0;
    l.main = std::max(0.0, l.main);
    return l;
}
