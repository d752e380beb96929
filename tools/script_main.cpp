// tessora-script FILE: plays a script of user actions against the program headlessly; FILE "-" is the
// standard input, read line by line as it comes (a pipe from a program that plays move by move).
#include "platform/platform.h"
#include "qt/script_platform.h"

#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: tessora-script FILE|-\n");
        return 2;
    }
    const bool from_stdin = std::string(argv[1]) == "-";
    std::ifstream file;
    if (!from_stdin) file.open(argv[1]);
    std::istream& script = from_stdin ? std::cin : static_cast<std::istream&>(file);
    if (!script) {
        std::fprintf(stderr, "tessora-script: cannot open %s\n", argv[1]);
        return 2;
    }
    // Runs without a display; the sound library falls back to a silent device when there is none.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    QGuiApplication app(argc, argv);
    ScriptPlatform runner(std::cout);
    set_platform(&runner);
    const bool ok = runner.run(script);
    set_platform(nullptr);
    return ok ? 0 : 1;
}
