// The players' clocks.
#pragma once

#include <string>

void Timer1_Timer();
double 調査_経過秒(double start, double now);
std::string 調査_時間秒追加結果(double seconds);
void 描画_所有時間(int side, double seconds);
void 消去_所有時間(int side);
void KEIKA_Click();
void 時計_初期化(); // forgets the last whole second shown
