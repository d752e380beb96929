// Definitions of the computer player's program-wide tables (declared in com/tables.h).
// Like every program-wide array they start at zero. The survey resets rows and columns 1..11 to its own
// values (999 / -999 for the records) each time it runs and never touches row and column 0, which
// therefore stay zero for the whole run.
#include "com/tables.h"

Tbl SITA_SEIRYOKU, UE_SEIRYOKU;
Tbl SITA_MAMORI, UE_MAMORI;
Tbl UE_MAMORI_X, UE_MAMORI_Y;
Tbl SITA_NERAI;
Tbl SITA_NERAI_X, SITA_NERAI_Y;
Tbl UE_NERAI;
Tbl UE_NERAI_X, UE_NERAI_Y;
Tbl SITA_OUTE, UE_OUTE;

Tbl NIGEMICHI;

Tbl MOCHIKAKU_NERAI;
Tbl SITA_IDOU_FUKA;
int UE_IDOU_FUKA_ARI = OFF;

double SAIKOU_HYOUKA = 0;
Koma IDOU_KOMA = 0;
int OU_KYORI_MAE = 0;
int NIGEMICHI_SUU = 0;
Koma BAN_HOZON[12][12];
int UE_MOCHI_KEI_MAE = 0;
Tbl SITA_SEIRYOKU_MAE, UE_SEIRYOKU_MAE, UE_NERAI_X_MAE, UE_NERAI_Y_MAE;

