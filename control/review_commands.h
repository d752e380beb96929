// 検討 in the program: the record on screen reviewed by LEVEL4 in the background while the player goes
// on, what it found shown beside the moves and in the graph, and kept beside the record's file.
#pragma once

#include <string>

// 検討: starts the review of the record on screen (refused while the computer thinks, without a
// record, or while one runs).
void KENTOU_Click();
// The window's timer while a review runs: shows how far it has got and what it has found; false once
// it has ended.
bool review_tick();
// Runs the review under way to its end before returning (the script driver's 検討).
void finish_review();
// Escape or the 中止 button while a review runs: it stops at once, keeping what is done. False when
// none runs.
bool cancel_review();
// The review's results and progress follow the record on screen.
void show_review();
// 評価グラフを保存: the graph of the review as a PNG picture.
void GRAPH_SAVE_Click();
// The record on screen was read from, or written to, the kifu file at `path`: its review is kept beside
// it (NAME.検討), and one kept there is read back when the record was read.
// A review under way goes on when its own record is read again; another record read stops it (what it
// found is kept beside its own record's file).
void record_read_from(const std::string& path);
void record_written_to(const std::string& path);
// A new game: the record on screen is no file's any more.
void forget_record_file();
// The program ends: a review still running stops, keeping what it found as 中止 does.
void end_review();
