// The settings file.
#pragma once

#include "core/state.h"

// Reads the file into the check marks and the guidance option of s. The background it names is handed
// to 背景設定 (control/), which checks and paints it as the line is read.
void 読込_環境設定ファイル(Settei& s, void (*背景設定)(int n));
void 書込_環境設定ファイル();
void チェック設定(int n);
