// Short names the tests use for the game's own parts: references into the owner, and the forms of the
// pure procedures that work on the game's own position, tables and memory.
#pragma once

#include "control/owner.h"

// The record's entries.
inline RecordEntry (&KIFU)[KIFU_MAX + 1] = TAIKYOKU.kifu.entries;

inline Kyokumen& KYOKUMEN = TAIKYOKU.pos;
inline Seiryoku& SEIRYOKU = TAIKYOKU.tables;
inline ComKioku& COM_KIOKU = TAIKYOKU.com;
inline Koma (&BAN)[12][12] = TAIKYOKU.pos.BAN;
inline int& TEBAN = TAIKYOKU.pos.TEBAN;
inline int& SITA_GAWA = TAIKYOKU.pos.SITA_GAWA;
inline int& UE_GAWA = TAIKYOKU.pos.UE_GAWA;
inline int (&SITA_MOCHI)[8] = TAIKYOKU.pos.SITA_MOCHI;
inline int (&UE_MOCHI)[8] = TAIKYOKU.pos.UE_MOCHI;
inline int& SITA_MOCHI_KEI = TAIKYOKU.pos.SITA_MOCHI_KEI;
inline int& UE_MOCHI_KEI = TAIKYOKU.pos.UE_MOCHI_KEI;
inline int& SYOUSYA = TAIKYOKU.pos.SYOUSYA;
inline int& SITA_OU_X = TAIKYOKU.pos.SITA_OU_X;
inline int& SITA_OU_Y = TAIKYOKU.pos.SITA_OU_Y;
inline int& UE_OU_X = TAIKYOKU.pos.UE_OU_X;
inline int& UE_OU_Y = TAIKYOKU.pos.UE_OU_Y;
inline int (&NIFU_SITA)[12] = TAIKYOKU.pos.NIFU_SITA;
inline int (&NIFU_UE)[12] = TAIKYOKU.pos.NIFU_UE;
inline int& TAIKYOKU_MODE = TAIKYOKU.shinkou.TAIKYOKU_MODE;
inline int& TESUU = TAIKYOKU.shinkou.TESUU;
inline int& SENTAKU = TAIKYOKU.shinkou.SENTAKU;
inline Koma& NARI_KOMA = TAIKYOKU.shinkou.NARI_KOMA;
inline int& SAIKAI_MACHI = TAIKYOKU.shinkou.SAIKAI_MACHI;
inline int& KIFU_MODE = TAIKYOKU.shinkou.KIFU_MODE;
inline int& HANTEN = TAIKYOKU.shinkou.HANTEN;
inline int& HANDE_SETTEI = TAIKYOKU.shinkou.HANDE_SETTEI;
inline double& SITA_JIKAN = TAIKYOKU.tokei.SITA_JIKAN;
inline double& UE_JIKAN = TAIKYOKU.tokei.UE_JIKAN;
inline double& KEIKA_BYOU = TAIKYOKU.tokei.KEIKA_BYOU;
inline double& KAISHI_JIKOKU = TAIKYOKU.tokei.KAISHI_JIKOKU;
inline int& HANDE_LEVEL = TAIKYOKU.settei.HANDE_LEVEL;
inline int& SIDOU_FLAG = TAIKYOKU.settei.SIDOU_FLAG;
inline int& COM_LEVEL = TAIKYOKU.settei.COM_LEVEL;
inline int& HAIKEI_NO = TAIKYOKU.settei.HAIKEI_NO;
inline int& SIDOU_IRO = TAIKYOKU.settei.SIDOU_IRO;
inline int& WAKU_IRO = TAIKYOKU.settei.WAKU_IRO;
inline std::string& KIDOU_DIR = TAIKYOKU.settei.KIDOU_DIR;
inline Tbl& SITA_SEIRYOKU = TAIKYOKU.tables.SITA_SEIRYOKU;
inline Tbl& UE_SEIRYOKU = TAIKYOKU.tables.UE_SEIRYOKU;
inline Tbl& SITA_MAMORI = TAIKYOKU.tables.SITA_MAMORI;
inline Tbl& UE_MAMORI = TAIKYOKU.tables.UE_MAMORI;
inline Tbl& UE_MAMORI_X = TAIKYOKU.tables.UE_MAMORI_X;
inline Tbl& UE_MAMORI_Y = TAIKYOKU.tables.UE_MAMORI_Y;
inline Tbl& SITA_NERAI = TAIKYOKU.tables.SITA_NERAI;
inline Tbl& SITA_NERAI_X = TAIKYOKU.tables.SITA_NERAI_X;
inline Tbl& SITA_NERAI_Y = TAIKYOKU.tables.SITA_NERAI_Y;
inline Tbl& UE_NERAI = TAIKYOKU.tables.UE_NERAI;
inline Tbl& UE_NERAI_X = TAIKYOKU.tables.UE_NERAI_X;
inline Tbl& UE_NERAI_Y = TAIKYOKU.tables.UE_NERAI_Y;
inline Tbl& SITA_OUTE = TAIKYOKU.tables.SITA_OUTE;
inline Tbl& UE_OUTE = TAIKYOKU.tables.UE_OUTE;
inline Tbl& NIGEMICHI = TAIKYOKU.tables.NIGEMICHI;
inline Tbl& MOCHIKAKU_NERAI = TAIKYOKU.tables.MOCHIKAKU_NERAI;
inline Tbl& SITA_IDOU_FUKA = TAIKYOKU.tables.SITA_IDOU_FUKA;
inline int& UE_IDOU_FUKA_ARI = TAIKYOKU.tables.UE_IDOU_FUKA_ARI;
inline double& SAIKOU_HYOUKA = TAIKYOKU.com.SAIKOU_HYOUKA;
inline Koma& IDOU_KOMA = TAIKYOKU.com.IDOU_KOMA;
inline int& OU_KYORI_MAE = TAIKYOKU.com.OU_KYORI_MAE;
inline int& NIGEMICHI_SUU = TAIKYOKU.com.NIGEMICHI_SUU;
inline Koma (&BAN_HOZON)[12][12] = TAIKYOKU.com.BAN_HOZON;
inline int& UE_MOCHI_KEI_MAE = TAIKYOKU.com.UE_MOCHI_KEI_MAE;
inline Tbl& SITA_SEIRYOKU_MAE = TAIKYOKU.com.SITA_SEIRYOKU_MAE;
inline Tbl& UE_SEIRYOKU_MAE = TAIKYOKU.com.UE_SEIRYOKU_MAE;
inline Tbl& UE_NERAI_X_MAE = TAIKYOKU.com.UE_NERAI_X_MAE;
inline Tbl& UE_NERAI_Y_MAE = TAIKYOKU.com.UE_NERAI_Y_MAE;
inline int& COM_TE_MOTO_X = TAIKYOKU.com.COM_TE_MOTO_X;
inline int& COM_TE_MOTO_Y = TAIKYOKU.com.COM_TE_MOTO_Y;
inline int& COM_TE_SAKI_X = TAIKYOKU.com.COM_TE_SAKI_X;
inline int& COM_TE_SAKI_Y = TAIKYOKU.com.COM_TE_SAKI_Y;
inline Koma& COM_TE_KOMA_MAE = TAIKYOKU.com.COM_TE_KOMA_MAE;
inline Koma& COM_TE_KOMA_OKU = TAIKYOKU.com.COM_TE_KOMA_OKU;
inline int& KAITEN_UTI = TAIKYOKU.com.KAITEN_UTI;
inline int& KAITEN_KAISUU = TAIKYOKU.com.KAITEN_KAISUU;
inline int& KAITEN_TANSAKU = TAIKYOKU.com.KAITEN_TANSAKU;
inline int& KIFU_NO = TAIKYOKU.kifu.KIFU_NO;
inline int& KIFU_TESUU = TAIKYOKU.kifu.KIFU_TESUU;
inline std::string& KIFU_GYOU = TAIKYOKU.kifu.KIFU_GYOU;
inline int& KIFU_HANDE_LEVEL = TAIKYOKU.kifu.KIFU_HANDE_LEVEL;
inline int& KIFU_TAIKYOKU = TAIKYOKU.kifu.KIFU_TAIKYOKU;

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
