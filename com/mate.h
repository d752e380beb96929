// Check and mate detection on a position and its influence tables: the two mate tests, an upper piece
// reaching the lower king, escape squares.
#pragma once

#include "com/tables.h"

// The trial moves of the tests are made on the position handed in and taken back before they return.
int 詰めかCOM(Kyokumen& pos, Seiryoku& tb);
int 詰めかMAN(Kyokumen& pos, const Seiryoku& tb);
int 詰めかMAN_COM移動(const Kyokumen& pos);
int 調査_自王逃道(const Kyokumen& pos, Seiryoku& tb);
