// The invariants the soak checks after every step, read from the program-wide state.
#pragma once

#include <string>

struct Violation {
    std::string key;  // what broke, without numbers: two failures with one key are the same fault
    std::string what; // the full description, with the counts seen
    bool broken() const { return !key.empty(); }
};

// The first invariant the current position breaks, or an empty Violation.
Violation check_invariants();
