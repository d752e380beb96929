// The one owner of the program's state (declared in control/owner.h).
#include "control/owner.h"

Taikyoku TAIKYOKU;
