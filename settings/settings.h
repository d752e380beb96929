// The settings file.
#pragma once

#include "core/state.h"
#include "platform/platform.h"

// Reads the file into the options of s and their check marks. The background it names is handed
// to paint_background_setting (control/), which checks and paints it as the line is read. A file that cannot
// be written is told on `dialogs`, once while it stays so.
void 読込_環境設定ファイル(Settei& s, Menus& menus, Dialogs& dialogs,
                           void (*paint_background_setting)(int n));
// Writes the background and guidance as the menu checks them, and 経過時間 and BGM as s holds them.
void 書込_環境設定ファイル(Settei& s, Menus& menus, Dialogs& dialogs);
// 経過時間 and BGM: the option and its check mark, set together.
void set_clock_option(Settei& s, Menus& menus, bool on);
void set_music_option(Settei& s, Menus& menus, bool on);
void チェック設定(Menus& menus, int n);
