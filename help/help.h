// The help page and the version dialog.
#pragma once

#include "core/state.h"
#include "platform/platform.h"

// The page is in the folder s.KIDOU_DIR names.
void KAISETU_Click(const Settei& s, Dialogs& dialogs);
void VER_Click(const Settei& s, Dialogs& dialogs, FileControls& panel);
