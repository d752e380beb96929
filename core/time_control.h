// A game's time control, and what a side's clock shows under it. Without one the clocks count the time
// used, as they always did.
#pragma once

// Seconds: a main time, then either a byoyomi each move once it is spent, or an increment added after
// each move. All zero: none.
struct TimeControl {
    int main = 0, byoyomi = 0, increment = 0;
    bool on() const { return main > 0 || byoyomi > 0 || increment > 0; }
    bool operator==(const TimeControl&) const = default;
};

// A side's clock during its turn: `used` its time before this turn, `moves` the moves it has made,
// `elapsed` this turn's time so far.
struct ClockLeft {
    double main = 0;    // main time left
    double byoyomi = 0; // byoyomi left, once the main time is spent
    bool in_byoyomi = false;
    bool flag = false; // the time is up
    double shown() const { return in_byoyomi ? byoyomi : main; }
};
ClockLeft time_left(const TimeControl& c, double used, int moves, double elapsed);
