// Moves carried out on the game where the player sees and hears them: a move of a piece, the two ring
// buttons, and the computer's turn. The state change itself is core/'s and com/'s; these paint, sound
// and speak around it in the order the player has always seen.
#pragma once

void 駒移動(int fx, int fy, int tx, int ty, int p);
void KAITEN_L_Click();
void KAITEN_R_Click();
void com_ban();
// The computer's search on the game's position, tables and level, with the clock ticking.
int com_探索();
