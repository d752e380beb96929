// The record's commands: the file panel (読込, 書込 and its buttons and lists) and stepping through the
// record (戻, 進, 最初, 反転). kifu/ computes the lines, the checks and the file; these show, sound and
// speak around it.
#pragma once

#include "kifu/text_record.h"

#include <string>

void KIFU_READ_Click();
void KIFU_WRITE_Click();
// テキストで保存: the writing face of the panel, whose RETURN writes the record as NAME.kifu.
void KIFU_TEXT_Click();
// テキストをコピー: the same text on the clipboard.
void KIFU_COPY_Click();
// What the text record's header says of the game on screen: the date, the names typed in the panel (the
// computer by its level where none was typed), the handicap, and the result where the record shows
// one (a king taken).
TextRecordInfo text_record_info();
void Drive1_Change(const std::string& drive);
void Dir1_Change(const std::string& folder);
void File1_Click(const std::string& name);
// At start-up: a game left unfinished in 前回の対局.棋譜 is offered ("前回の対局を続けますか？") and, when
// taken up, comes back as it was left, ready to play on.
void offer_kept_game();
void Command1_Click();

void STOP_Click();
void CANCEL_Click();
void AFTER_Click();
void REPLAY_Click();
void REVERSE_Click();
// Home and End: the first and the last position of the record.
void HOME_Click();
void END_Click();
// A row of the move list clicked: the position after move n (0: the start).
void show_listed_move(int n);
// ヒント: LEVEL4's move for the side to move, shown until the next move.
void HINT_Click();
// 待った: the last move taken back.
void MATTA_Click();
// Shows the record's last entry as the current position of a game in the given mode (MODE_MAN_COM or
// MODE_MAN_MAN), as stepping to it in that game would, and leaves the game waiting for the click that
// resumes it. A game that had already ended stays ended.
void resume_at_last_entry(int mode);
