// Stepping through the record: 戻, 進, 最初, 反転.
#pragma once

void STOP_Click();
void CANCEL_Click();
void AFTER_Click();
void REPLAY_Click();
void REVERSE_Click();
// Shows the record's last entry as the current position of a game in the given mode (MODE_MAN_COM or
// MODE_MAN_MAN), as stepping to it in that game would, and leaves the game waiting for the click that
// resumes it. A game that had already ended stays ended.
void 再開待ち_最終局面(int mode);
