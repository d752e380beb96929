// The sound library: whole wave files in memory become numbered buffers that play once or loop.
// Every call with buffer 0, or after dsInitialize returned 0, does nothing.
#pragma once

#include <cstdint>

int dsInitialize(int window);
void dsTerminate(int handle);
int dsCreateDSB(int handle, const std::uint8_t* wave, int flags);
void dsPlay(int buffer);
void dsPlayLooping(int buffer);
void dsStop(int buffer);
void dsFree(int buffer);

// Someone who wants to know what is played (the script driver): action is "play", "loop" or "stop".
using DsListener = void (*)(const char* action, int buffer);
void dsSetListener(DsListener listener);
