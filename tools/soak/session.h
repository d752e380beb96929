// Runs of the program, as the script driver runs it, in a fresh temporary folder that is the current
// folder while they last (the settings file, kifu files and the kept game land there and go with it).
// Besides the driver's commands, a script line may be
//   restart            the program ends as closing its window ends it, and starts again in the folder
//                      as a freshly started process would (nothing of the program's state carried over)
//   mutate FROM TO N   writes the kifu file FROM of the folder, changed by mutation N (cut, a line
//                      dropped, doubled, swapped or blanked, a byte or digit changed), as TO
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

    // Runs one script line (a driver command, restart or mutate), then checks the invariants.
    Violation step(const std::string& line);
    bool ended() const;
    // What a player would have seen and heard so far, one line per event.
    std::string output() const { return out_.str(); }

  private:
    void start();
    void mutate(const std::string& from, const std::string& to, unsigned long n);

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
