// The players' clocks.
#pragma once

#include <string>

void Timer1_Timer();
double 調査_経過秒(double start, double now);
void KEIKA_Click();
void reset_clocks(); // forgets the last whole second shown
// The game is played under a time control: its clocks count down and are shown, and a flag falls.
bool clock_runs_down();
