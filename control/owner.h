// The one owner of the program's state. control/ holds it and hands its parts to the procedures it
// calls: the position to the rules, the position, tables and memory to the computer, the record to
// kifu/. A new value of any part is made by assignment (TAIKYOKU.pos = Kyokumen{}).
#pragma once

#ifdef TESSORA_PURE
#error "below control/ a procedure is handed the parts it reads or writes"
#endif

#include "com/com.h"
#include "com/mate.h"
#include "com/tables.h"
#include "core/moves.h"
#include "core/rules.h"
#include "core/state.h"
#include "help/help.h"
#include "kifu/record.h"
#include "settings/settings.h"
#include "sound/effects.h"

#include <string>

struct Taikyoku {
    Kyokumen pos;
    Seiryoku tables;
    ComKioku com;
    Kiroku kifu;
    Shinkou shinkou;
    Tokei tokei;
    Settei settei;
};

extern Taikyoku TAIKYOKU;

// The settings file, the sounds and the help page, told on the program's own dialogs and menus.
inline void 読込_環境設定ファイル(Settei& s, void (*paint_background_setting)(int n)) {
    読込_環境設定ファイル(s, platform().menus(), platform().dialogs(), paint_background_setting);
}
inline void 書込_環境設定ファイル() {
    書込_環境設定ファイル(TAIKYOKU.settei, platform().menus(), platform().dialogs());
}
inline void チェック設定(int n) {
    チェック設定(platform().menus(), n);
}
inline void 初期化_サウンド(int window) {
    初期化_サウンド(window, platform().dialogs());
}
inline int 読込_効果音(const std::string& file, int flags) {
    return 読込_効果音(file, flags, platform().dialogs());
}
inline void load_sound_effects() {
    load_sound_effects(platform().dialogs());
}
inline void KAISETU_Click(const Settei& s) {
    KAISETU_Click(s, platform().dialogs());
}
inline void VER_Click(const Settei& s) {
    VER_Click(s, platform().dialogs(), platform().file_controls());
}
