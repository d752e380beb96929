// The values of the game beside its position: the course of the game, the clocks and the options.
// control/owner.h holds one of each in the owner of the program's state; the folders below control/
// are handed the ones they read or write.
#pragma once

#include "core/position.h"
#include "core/time_control.h"

#include <string>

// The course of the game: mode, move count, the selected cell, the waits and modes of the record.
struct Shinkou {
    int TAIKYOKU_MODE = MODE_MAN_MAN;
    int TESUU = 0;
    int SENTAKU = 0; // ON while a piece of the side to move is picked
    // The piece picked last and its cell (a board cell or a hand box's row); kept after the move, whose
    // marks a click beside the board wipes.
    int SENTAKU_X = 0, SENTAKU_Y = 0;
    Koma SENTAKU_KOMA = KARA;
    // The hint shown (ヒント) until the next move: its two cells, or x 0 when none.
    int HINT_MOTO_X = 0, HINT_MOTO_Y = 0, HINT_SAKI_X = 0, HINT_SAKI_Y = 0;
    Koma NARI_KOMA = 0; // the promoted code 調査_駒成 last offered
    int SAIKAI_MACHI = OFF;
    int KIFU_MODE = OFF;
    int HANTEN = OFF;
    int HANDE_SETTEI = OFF;
};

// The players' clocks in seconds.
struct Tokei {
    double SITA_JIKAN = 0;
    double UE_JIKAN = 0;
    double KEIKA_BYOU = 0;
    double KAISHI_JIKOKU = 0;
    // The game's time control (none: the clocks count up), and the moves each side has made up to the
    // position shown, which an increment pays back.
    TimeControl time_control;
    int lower_moves = 0, upper_moves = 0;
};

// How a game ended: the winner's side value (0 for none) after `moves` moves.
struct GameResult {
    enum class Reason { NONE, RESIGNED, TIME, KING_TAKEN, MATE, FULL_RECORD };
    Reason reason = Reason::NONE;
    int winner = 0;
    bool winner_upper = false; // the winner played the upper side
    int moves = 0;
    bool operator==(const GameResult&) const = default;
};

// The options and the choices of the menus.
struct Settei {
    int HANDE_LEVEL = 0;
    int SIDOU_FLAG = OFF;
    int COM_LEVEL = 3;
    int HAIKEI_NO = HAIKEI_TAKE_NO; // background picture 2..6
    int SIDOU_IRO = 2;              // colour of guidance outlines
    int WAKU_IRO = 0;               // colour of ordinary square outlines
    int KEIKA_HYOUJI = OFF;         // 経過時間: the players' clocks are shown
    int BGM_ENSOU = OFF;            // BGM: the background music is on
    int KOUKAON = ON;   // 効果音: the sound effects play (a preference, not in the settings file)
    int LAST_MOVE = ON; // 最終手を表示: the last moves are marked on the board (a preference too)
    int ZAHYOU = OFF;   // 座標を表示: the ring's cells are named beside the board (a preference too)
    int HYOUKA = OFF;   // 評価値を表示: LEVEL4's evaluation and line are shown (a preference too)
    int NOTICES = OFF; // お知らせを盤の横に表示: what needs no answer is told beside the board (a preference)
    TimeControl time_control; // 持ち時間 for the next game (a preference too)
    // Folder of the help page: the current folder at start-up, or the installed data folder.
    std::string KIDOU_DIR;
};
