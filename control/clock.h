// The players' clocks.
#pragma once

#include <string>

void Timer1_Timer();
double 調査_経過秒(double start, double now);
void KEIKA_Click();
void 時計_初期化(); // forgets the last whole second shown
