// The program-wide names of the game state. They are references into the one owner of the program's
// state (control/owner.h) and remain only while the folders above core/ and com/ move to taking the
// parts they need as parameters; core/ and com/ themselves never use them (their sources are compiled
// with TESSORA_PURE, which hides these names).
#pragma once

#include "core/position.h"

#include <string>

#ifndef TESSORA_PURE
// The position (Kyokumen).
extern Kyokumen& KYOKUMEN;
extern Koma (&BAN)[12][12];
extern int& TEBAN;
extern int& SITA_GAWA;
extern int& UE_GAWA;
extern int (&SITA_MOCHI)[8];
extern int (&UE_MOCHI)[8];
extern int& SITA_MOCHI_KEI;
extern int& UE_MOCHI_KEI;
extern int& SYOUSYA;
extern int &SITA_OU_X, &SITA_OU_Y;
extern int &UE_OU_X, &UE_OU_Y;
extern int (&NIFU_SITA)[12];
extern int (&NIFU_UE)[12];

// The course of the game (Shinkou).
extern int& TAIKYOKU_MODE;
extern int& TESUU;
extern int& SENTAKU;
extern Koma& NARI_KOMA;
extern int& SAIKAI_MACHI;
extern int& KIFU_MODE;
extern int& HANTEN;
extern int& HANDE_SETTEI;

// The clocks (Tokei).
extern double& SITA_JIKAN;
extern double& UE_JIKAN;
extern double& KEIKA_BYOU;
extern double& KAISHI_JIKOKU;

// The options (Settei).
extern int& HANDE_LEVEL;
extern int& SIDOU_FLAG;
extern int& COM_LEVEL;
extern int& HAIKEI_NO;         // background picture 2..6
extern int& SIDOU_IRO;         // colour of guidance outlines
extern int& WAKU_IRO;          // colour of ordinary square outlines
// Folder of the help page: the current folder at start-up, or the installed data folder.
extern std::string& KIDOU_DIR;
#endif
