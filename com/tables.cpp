// Definitions of the computer player's program-wide tables (declared in com/tables.h).
// Each table starts at the value the influence survey resets it to: 999 for the defender records and
// UE_NERAI, -999 for SITA_NERAI, 0 for everything else. Row and column 0, which the survey never
// touches, hold the same value.
#include "com/tables.h"

#define TESSORA_ROW(v)                                                                                       \
    { v, v, v, v, v, v, v, v, v, v, v, v }
#define TESSORA_TABLE(v)                                                                                     \
    {                                                                                                        \
        TESSORA_ROW(v), TESSORA_ROW(v), TESSORA_ROW(v), TESSORA_ROW(v), TESSORA_ROW(v), TESSORA_ROW(v),      \
            TESSORA_ROW(v), TESSORA_ROW(v), TESSORA_ROW(v), TESSORA_ROW(v), TESSORA_ROW(v), TESSORA_ROW(v)   \
    }

Tbl SITA_SEIRYOKU, UE_SEIRYOKU;
Tbl SITA_MAMORI = TESSORA_TABLE(999), UE_MAMORI = TESSORA_TABLE(999);
Tbl UE_MAMORI_X, UE_MAMORI_Y;
Tbl SITA_NERAI = TESSORA_TABLE(-999);
Tbl SITA_NERAI_X, SITA_NERAI_Y;
Tbl UE_NERAI = TESSORA_TABLE(999);
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

#undef TESSORA_TABLE
#undef TESSORA_ROW
