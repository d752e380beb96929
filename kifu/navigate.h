// Stepping through the record: 戻, 進, 最初, 反転.
#pragma once

void STOP_Click();
void CANCEL_Click();
void AFTER_Click();
void REPLAY_Click();
void REVERSE_Click();
