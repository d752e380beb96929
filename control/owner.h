// The one owner of the program's state. control/ holds it and hands its parts to the procedures it
// calls: the position to the rules, the position, tables and memory to the computer, the record to
// kifu/. A new value of any part is made by assignment (TAIKYOKU.pos = Kyokumen{}).
#pragma once

#include "com/tables.h"
#include "core/position.h"
#include "kifu/record.h"

#include <string>

// The course of the game: mode, move count, the selected cell, the waits and modes of the record.
struct Shinkou {
    int TAIKYOKU_MODE = MODE_MAN_MAN;
    int TESUU = 0;
    int SENTAKU = 0;
    Koma NARI_KOMA = 0; // the promoted code 調査_駒成 last offered
    int SAIKAI_MACHI = OFF;
    int KIFU_MODE = OFF;
    int HANTEN = OFF;
    int HANDE_SETTEI = OFF;
};

// The players' clocks in seconds.
struct Tokei {
    double SITA_JIKAN = 0;
    double UE_JIKAN = 0;
    double KEIKA_BYOU = 0;
    double KAISHI_JIKOKU = 0;
};

// The options and the choices of the menus.
struct Settei {
    int HANDE_LEVEL = 0;
    int SIDOU_FLAG = OFF;
    int COM_LEVEL = 3;
    int HAIKEI_NO = HAIKEI_TAKE_NO;
    int SIDOU_IRO = 2;
    int WAKU_IRO = 0;
    std::string KIDOU_DIR;
};

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
