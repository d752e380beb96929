// The help page and the version dialog.
#pragma once

void KAISETU_Click();
void VER_Click();
