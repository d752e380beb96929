// The computer player's procedures. Each works on the position, the influence tables and the memory it
// is handed.
#pragma once

#include "com/tables.h"

// Influence survey and its directional helpers. The survey also notes the kings' squares in pos.
void 勢力調査(Kyokumen& pos, Seiryoku& tb);
void 勢力確定上直進(Kyokumen& pos, Seiryoku& tb, int code, int x, int y);
void 勢力確定下直進(Kyokumen& pos, Seiryoku& tb, int code, int x, int y);
void 勢力確定右直進(Kyokumen& pos, Seiryoku& tb, int code, int x, int y);
void 勢力確定左直進(Kyokumen& pos, Seiryoku& tb, int code, int x, int y);
void 勢力確定自金(Kyokumen& pos, Seiryoku& tb, int code, int x, int y);
void 勢力確定敵金(Kyokumen& pos, Seiryoku& tb, int x, int y);
void 勢力確定自角(Kyokumen& pos, Seiryoku& tb, int x, int y);
void 勢力確定敵角(Kyokumen& pos, Seiryoku& tb, int code, int x, int y);

// Tactical probes. Those that lift a piece put it back before they return.
int 調査_移動可場所数(const Kyokumen& pos, const Seiryoku& tb, int x, int y, int c);
int 調査_桂狙い(const Kyokumen& pos, const Seiryoku& tb, int x, int y);
int 調査_香狙い(const Kyokumen& pos, const Seiryoku& tb, int x, int y);
int 調査_周辺状況(const Kyokumen& pos, int x, int y);
int 調査_自守駒MAN_直進駒(Kyokumen& pos, int x, int y);
void 調査_持角狙座標(const Kyokumen& pos, Seiryoku& tb);
void 調査_移動不可駒(Kyokumen& pos, Seiryoku& tb);

// Evaluation of the position after a candidate move (the candidate is made on pos).
double 盤評価(Kyokumen& pos, Seiryoku& tb, const ComKioku& mem, int level, int cap, int m, int fx, int fy,
              int tx, int ty);
double 盤評価_COM危険座標(Kyokumen& pos, Seiryoku& tb, const ComKioku& mem, int m, int tx, int ty);
double 盤評価_自角注意_COM(const Kyokumen& pos, const Seiryoku& tb, int tx, int ty, int m);

// The search of one turn on a copy of `game`: chooses the move into mem's COM_TE_ fields and returns ON,
// or OFF when no legal move exists. `game` is not touched; the tables and mem are the game's. tick, when
// given, is called as the search goes, as the clock's timer would be.
void prepare_search(Kyokumen& pos, Seiryoku& tb, ComKioku& mem);
int search_turn(const Kyokumen& game, Seiryoku& tb, ComKioku& mem, int level, void (*tick)() = nullptr);
