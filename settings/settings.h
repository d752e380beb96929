// The settings file.
#pragma once

// Reads the file into the check marks. The background it names is handed to 背景設定 (control/),
// which checks and paints it as the line is read.
void 読込_環境設定ファイル(void (*背景設定)(int n));
void 書込_環境設定ファイル();
void チェック設定(int n);
