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

// The program-wide names of the game's parts: references into TAIKYOKU (control/owner.cpp), for the
// code of control/ and above that reads the game's own values. Nothing below control/ sees them: the
// procedures there are handed the parts.

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
extern int& HAIKEI_NO; // background picture 2..6
extern int& SIDOU_IRO; // colour of guidance outlines
extern int& WAKU_IRO;  // colour of ordinary square outlines
// Folder of the help page: the current folder at start-up, or the installed data folder.
extern std::string& KIDOU_DIR;

// The influence tables (Seiryoku) and the computer's memory (ComKioku).
extern Seiryoku& SEIRYOKU;
extern ComKioku& COM_KIOKU;
extern Tbl &SITA_SEIRYOKU, &UE_SEIRYOKU;
extern Tbl &SITA_MAMORI, &UE_MAMORI;
extern Tbl &UE_MAMORI_X, &UE_MAMORI_Y;
extern Tbl& SITA_NERAI;
extern Tbl &SITA_NERAI_X, &SITA_NERAI_Y;
extern Tbl& UE_NERAI;
extern Tbl &UE_NERAI_X, &UE_NERAI_Y;
extern Tbl &SITA_OUTE, &UE_OUTE;
extern Tbl& NIGEMICHI;
extern Tbl& MOCHIKAKU_NERAI;
extern Tbl& SITA_IDOU_FUKA;
extern int& UE_IDOU_FUKA_ARI;

extern double& SAIKOU_HYOUKA;
extern Koma& IDOU_KOMA;
extern int& OU_KYORI_MAE;
extern int& NIGEMICHI_SUU;
extern Koma (&BAN_HOZON)[12][12];
extern int& UE_MOCHI_KEI_MAE;
extern Tbl &SITA_SEIRYOKU_MAE, &UE_SEIRYOKU_MAE, &UE_NERAI_X_MAE, &UE_NERAI_Y_MAE;
extern int &COM_TE_MOTO_X, &COM_TE_MOTO_Y;
extern int &COM_TE_SAKI_X, &COM_TE_SAKI_Y;
extern Koma& COM_TE_KOMA_MAE;
extern Koma& COM_TE_KOMA_OKU;
extern int& KAITEN_UTI;
extern int& KAITEN_KAISUU;
extern int& KAITEN_TANSAKU;

// The record (Kiroku).
extern int& KIFU_NO;
extern int& KIFU_TESUU;
extern std::string& KIFU_GYOU;
extern int& KIFU_HANDE_LEVEL;
extern int& KIFU_TAIKYOKU;

// The pure procedures on the game's own position, tables and memory. A turn of the game's ring also
// clears the selection.
inline int 移動チェック(int fx, int fy, int tx, int ty, int p) {
    return 移動チェック(KYOKUMEN, fx, fy, tx, ty, p);
}
inline int 移動チェック飛車(int fx, int fy, int tx, int ty) {
    return 移動チェック飛車(KYOKUMEN, fx, fy, tx, ty);
}
inline int 移動チェック角(int fx, int fy, int tx, int ty) {
    return 移動チェック角(KYOKUMEN, fx, fy, tx, ty);
}
inline int 調査_駒成(int fx, int fy, int tx, int ty, int p) {
    return 調査_駒成(fx, fy, tx, ty, p, NARI_KOMA);
}
inline void 調査_2歩フラグ設定() {
    調査_2歩フラグ設定(KYOKUMEN);
}
inline int 調査_持駒数(int side) {
    return 調査_持駒数(KYOKUMEN, side);
}
inline int 調査_回転盤上駒数(int side) {
    return 調査_回転盤上駒数(KYOKUMEN, side);
}
inline void 回転盤_右回転() {
    SENTAKU = 0;
    回転盤_右回転(KYOKUMEN);
}
inline void 回転盤_左回転() {
    SENTAKU = 0;
    回転盤_左回転(KYOKUMEN);
}
inline void 勢力調査() {
    勢力調査(KYOKUMEN, SEIRYOKU);
}
inline void 勢力確定上直進(int code, int x, int y) {
    勢力確定上直進(KYOKUMEN, SEIRYOKU, code, x, y);
}
inline void 勢力確定下直進(int code, int x, int y) {
    勢力確定下直進(KYOKUMEN, SEIRYOKU, code, x, y);
}
inline void 勢力確定右直進(int code, int x, int y) {
    勢力確定右直進(KYOKUMEN, SEIRYOKU, code, x, y);
}
inline void 勢力確定左直進(int code, int x, int y) {
    勢力確定左直進(KYOKUMEN, SEIRYOKU, code, x, y);
}
inline void 勢力確定自金(int code, int x, int y) {
    勢力確定自金(KYOKUMEN, SEIRYOKU, code, x, y);
}
inline void 勢力確定敵金(int x, int y) {
    勢力確定敵金(KYOKUMEN, SEIRYOKU, x, y);
}
inline void 勢力確定自角(int x, int y) {
    勢力確定自角(KYOKUMEN, SEIRYOKU, x, y);
}
inline void 勢力確定敵角(int code, int x, int y) {
    勢力確定敵角(KYOKUMEN, SEIRYOKU, code, x, y);
}
inline int 調査_移動可場所数(int x, int y, int c) {
    return 調査_移動可場所数(KYOKUMEN, SEIRYOKU, x, y, c);
}
inline int 調査_桂狙い(int x, int y) {
    return 調査_桂狙い(KYOKUMEN, SEIRYOKU, x, y);
}
inline int 調査_香狙い(int x, int y) {
    return 調査_香狙い(KYOKUMEN, SEIRYOKU, x, y);
}
inline int 調査_周辺状況(int x, int y) {
    return 調査_周辺状況(KYOKUMEN, x, y);
}
inline int 調査_自守駒MAN_直進駒(int x, int y) {
    return 調査_自守駒MAN_直進駒(KYOKUMEN, x, y);
}
inline void 調査_持角狙座標() {
    調査_持角狙座標(KYOKUMEN, SEIRYOKU);
}
inline void 調査_移動不可駒() {
    調査_移動不可駒(KYOKUMEN, SEIRYOKU);
}
inline double 盤評価(int cap, int m, int fx, int fy, int tx, int ty) {
    return 盤評価(KYOKUMEN, SEIRYOKU, COM_KIOKU, COM_LEVEL, cap, m, fx, fy, tx, ty);
}
inline double 盤評価_COM危険座標(int m, int tx, int ty) {
    return 盤評価_COM危険座標(KYOKUMEN, SEIRYOKU, COM_KIOKU, m, tx, ty);
}
inline double 盤評価_自角注意_COM(int tx, int ty, int m) {
    return 盤評価_自角注意_COM(KYOKUMEN, SEIRYOKU, tx, ty, m);
}
inline void prepare_search() {
    prepare_search(KYOKUMEN, SEIRYOKU, COM_KIOKU);
}
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

inline void 調査_移動結果(int n, int& out_x, int& out_y, int& out_piece) {
    調査_移動結果(TAIKYOKU.kifu, n, out_x, out_y, out_piece);
}

// The settings file, the sounds and the help page, told on the program's own dialogs and menus.
inline void 読込_環境設定ファイル(Settei& s, void (*paint_background_setting)(int n)) {
    読込_環境設定ファイル(s, platform().menus(), platform().dialogs(), paint_background_setting);
}
inline void 書込_環境設定ファイル() {
    書込_環境設定ファイル(platform().menus(), platform().dialogs());
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
