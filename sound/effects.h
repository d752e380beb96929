// The program's four sounds and the routines around the sound library.
#pragma once

#include "platform/platform.h"

#include <string>

extern int OTO_SONOTA; // その他.wav: the version dialog
extern int OTO_KINSHI; // 禁止.wav: a refused action
extern int OTO_KOMA;   // 駒打音.wav: a piece set down
extern int OTO_BGM;    // BGM.wav: background music

// A library that will not start or a wave file it cannot take is told on `dialogs`.
void 初期化_サウンド(int window, Dialogs& dialogs);
int 読込_効果音(const std::string& file, int flags, Dialogs& dialogs);
void 終了_サウンド();
void 表示_警告(Dialogs& dialogs, const std::string& text);

// Start-up: the library and the four buffers in their order; end: the buffers freed, the library shut.
void load_sound_effects(Dialogs& dialogs);
void free_sound_effects();
