// What stepping through the record computes: an entry put back on the board, and what follows from
// the position shown.
#pragma once

// Puts record entry n on the board and in both hands.
void 復元_棋譜局面(int n);
// The kings' squares and the two-pawn flags follow the position now shown, so the rule and mate
// checks that read them next see that position. A king that is not on the board keeps its square.
void 調査_局面後設定();
// The winner of a game shown that has already ended (a king was taken, or in a game against the
// computer (MODE_MAN_COM) the human's last move mated it), or 0.
int 調査_終局(int mode);
