// One run of the program, as the script driver runs it, in a fresh temporary folder that is the current
// folder while it lasts (the settings file, kifu files and any autosave land there and go with it).
#pragma once

#include "tools/soak/invariants.h"

#include <memory>
#include <sstream>
#include <string>
#include <vector>

class ScriptPlatform;
class TempDir;

class Session {
  public:
    Session();
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    // Runs one script line, then checks the invariants.
    Violation step(const std::string& line);
    bool ended() const;
    // What a player would have seen and heard so far, one line per event.
    std::string output() const { return out_.str(); }

  private:
    std::unique_ptr<TempDir> dir_;
    std::ostringstream out_;
    std::unique_ptr<ScriptPlatform> runner_;
};

struct Outcome {
    Violation violation;
    int failed_line = -1; // index of the line after which it showed, or -1
    std::string output;
};

// Runs a whole script in a fresh session, stopping at the first broken invariant.
Outcome play(const std::vector<std::string>& script);
