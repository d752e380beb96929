// Runs a part of the soak in a child process, so every script starts from the state of a freshly
// started program (the record arrays and other program-wide state keep nothing of the script before),
// and a crash or sanitizer abort becomes a failure that can be saved and shrunk like any other.
#pragma once

#include "tools/soak/session.h"

#include <functional>

// Runs `body` in a child and hands back its outcome; a child that dies gives a "crash" violation.
// `quiet` silences the child's error output (while shrinking, the same sanitizer report over and over).
Outcome isolated(const std::function<Outcome()>& body, bool quiet);
