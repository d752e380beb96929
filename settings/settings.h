// The settings file.
#pragma once

#include "core/state.h"
#include "platform/platform.h"

// Reads the file into the check marks and the guidance option of s. The background it names is handed
// to paint_background_setting (control/), which checks and paints it as the line is read. A file that cannot
// be written is told on `dialogs`, once while it stays so.
void 読込_環境設定ファイル(Settei& s, Menus& menus, Dialogs& dialogs,
                           void (*paint_background_setting)(int n));
void 書込_環境設定ファイル(Menus& menus, Dialogs& dialogs);
void チェック設定(Menus& menus, int n);
