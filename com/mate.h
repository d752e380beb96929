// Check and mate detection on a position and its influence tables: the two mate tests, an upper piece
// reaching the lower king, escape squares.
#pragma once

#include "com/tables.h"

// The trial moves of the tests are made on the position handed in and taken back before they return.
int 詰めかCOM(Kyokumen& pos, Seiryoku& tb);
int 詰めかMAN(Kyokumen& pos, const Seiryoku& tb);
int 詰めかMAN_COM移動(const Kyokumen& pos);
int 調査_自王逃道(const Kyokumen& pos, Seiryoku& tb);

#ifndef TESSORA_PURE
// The same on the game's own position and tables.
inline int 詰めかCOM() {
    return 詰めかCOM(KYOKUMEN, SEIRYOKU);
}
inline int 詰めかMAN() {
    return 詰めかMAN(KYOKUMEN, SEIRYOKU);
}
inline int 詰めかMAN_COM移動() {
    return 詰めかMAN_COM移動(KYOKUMEN);
}
inline int 調査_自王逃道() {
    return 調査_自王逃道(KYOKUMEN, SEIRYOKU);
}
#endif
