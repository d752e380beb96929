// The help page and the version dialog.
#pragma once

#include "core/state.h"

// The page is in the folder s.KIDOU_DIR names.
void KAISETU_Click(const Settei& s);
void VER_Click(const Settei& s);
