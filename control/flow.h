// How a game proceeds: a human move, the computer's turn, a turn of the ring, a step through the record
// and a game resumed at the record's end. This is the one place outside core/ and kifu/ that moves the
// side to move, the move number and the record's counters on in play, and that stores moves into the
// record. Each step tells the game's view what happened as it happens, in the order a player sees and
// hears it (the computer's piece blinks, then moves, then half a second passes before its sound): the
// window's view paints, sounds and speaks (control/game_view.cpp); a tool's view may do nothing, so that
// whole games run without a canvas.
#pragma once

#include "core/state.h"

#include <string>

struct FlowEvent {
    enum class Kind {
        MoveNumber,       // the move number n is shown
        BoardOutlines,    // every cell's outline is drawn afresh: the selection and the guidance are gone
        SelectionDropped, // the selection of piece p at from, and its guidance, give way to the move to `to`
        PieceMoved,      // piece p went from `from` to `to` (a drop: from a hand box); `captured` stood there
        MoveText,        // the side's last move: p now stands at `to`
        MoveTextCleared, // the side's last move is no longer shown
        Thinking,        // the computer starts its search
        ThinkingDone,
        RingTurned,     // a ring button, right or left (n = 1 or -1): the ring turned, or stayed empty
        Blink,          // the computer's piece p blinks at `from` before it moves
        MoveMarked,     // the computer's move ends at `to`: its cell is outlined
        EntryShown,     // record entry n stands on the board, in the hands and on the clocks
        HandicapShown,  // the handicap level n is shown
        LevelShown,     // the computer's level n is shown
        HintShown,      // the hint's cells `from` and `to` are marked and its text shown
        HintCleared,    // the hint at `from` and `to` is gone
        LastMovesShown, // flow_last_moves() changed: its cells are marked afresh
        Sound,          // sound n plays
        Message,        // a message box: text, title
        Wait,           // `seconds` pass
        ClocksShown,    // both clocks are shown afresh: a game on a time control starts
    };
    Kind kind = Kind::MoveNumber;
    int side = 0;
    int fx = 0, fy = 0, tx = 0, ty = 0;
    int p = 0, captured = 0, n = 0;
    double seconds = 0;
    std::string text = {}, title = {};
    bool notice = false; // a message that needs no answer: beside the board while お知らせ is on
};

class GameView {
  public:
    virtual ~GameView() = default;
    virtual void on(const FlowEvent& e) = 0;
};

// The last move of each side up to the position shown, as the ring stands now: move[0] the latest,
// move[1] the one before it. A cell of x 0 is none: a move that is not there, or a drop's origin.
struct LastMoves {
    struct Move {
        Cell from, to;
        bool lower = false; // the lower player moved
        bool operator==(const Move&) const = default;
    } move[2];
    bool operator==(const LastMoves&) const = default;
};
const LastMoves& flow_last_moves();
// The view marks them afresh: the screen was painted over, or the option changed.
void flow_mark_last_moves();

// The view told from now on; nullptr puts back the window's, which paints.
void set_game_view(GameView* view);

// The program starts: the record holds nothing.
void flow_program_start();
// A fresh position: the course of the game starts anew (nobody to move, move 0) and the record is played
// over from its start; its entries stay until then, and are kept on leaving.
void flow_new_course();
// スタート: a game between two players. One where nobody has moved yet starts with the lower side moving
// first; true then.
bool flow_begin_two_players();
// 先手 (side 1) or 後手 (side -1) against the computer, the human on the lower side. A fresh game starts
// with the chosen side; one in progress goes on from the position shown (the record's later entries are
// dropped) with whoever is to move, and 先手 then gives the human the first side. The computer's turn
// follows when it is to move. Returns whether the human is to move; `fresh` says whether nobody had moved.
bool flow_begin_against_computer(int side, bool& fresh);
// A file's record, read and checked, takes the game's place (after a fresh position): entry 0 is the
// start at the file's handicap level, the sides follow the first move. Returns the number of moves.
struct KifuFileRead;
int flow_load_record(const KifuFileRead& f);
// A record just read waits to be stepped through with 進.
void flow_wait_for_stepping();
// The position was turned round (反転): the other side moves, and the record and the move number start
// again from here; the game goes on.
void flow_reversed();
// The record is dropped: a game at a new handicap starts from nothing.
void flow_drop_record();

// The click that resumes a game stepped through (its clock starts again and the player is told whose
// turn it is), or hands the move to the computer when it is to move.
void flow_resume_on_click();

// A game between two sides set up at a position: `pos` as it stands, TEBAN its side to move, the record
// empty, nobody having won, the influence tables surveyed afresh. The tools start their games so.
void flow_start_at(const Kyokumen& pos, int mode, int level);

// Carries a move out on the game, without a turn of the game, and tells the view what it changed.
void flow_move_piece(int fx, int fy, int tx, int ty, int p);

// The human moves piece p from the cell (fx, fy) picked, a board cell or a hand box's row, to (tx, ty), a
// move the rules allow; promote: the right button asked for promotion. Against the computer, its turn
// follows. Returned: the move as it was carried out, the piece as placed and the source as 駒移動 takes
// it.
struct HumanMove {
    int fx, fy, tx, ty, p;
};
HumanMove flow_human_move(int fx, int fy, int tx, int ty, int p, bool promote);
// The computer's turn (com_ban).
void flow_computer_turn();
// The ring turns one cell to the right (right) or to the left.
void flow_turn_ring(bool right);

// 進 and 戻: the next or the previous entry of the record, as far as it is stored.
void flow_step_forward();
void flow_step_back();
// 待った: takes back the last move (against the computer, its reply and the player's move before it), so
// that board, hands, ring, clocks, move number and record stand exactly as before the move taken back; a
// finished game is open again. Refused with a message when there is nothing to take back.
void flow_take_back();
// ヒント: during the player's turn against the computer, or in a game between two players, LEVEL4
// searches the position for the side to move; its move is marked until the next move. Returned: the
// steps that play it as a script would give them ("button KAITEN_R ; click L 5 1 ; click R 5 2"), or
// the empty text when the hint was refused.
std::string flow_hint();
// The steps of the hint still shown, or the empty text.
const std::string& flow_hint_steps();
// The hint's move as the list of moves writes it.
const std::string& flow_hint_text();
// Home and End: the first and the last position of the record, as stepping there would show them.
void flow_show_first();
void flow_show_last();
// A move chosen in the move list (0: the start): refused as Home and End are, else shown as
// flow_show_move shows it.
void flow_show_chosen_move(int n);
// Shows the position after move n of the record (0: the start) as stepping to it would, without its
// sound; the next click plays on from there. Nothing happens for an n the record does not hold.
void flow_show_move(int n);
// Shows the record's last entry as the current position of a game in the given mode (MODE_MAN_COM or
// MODE_MAN_MAN), as stepping to it in that game would, and leaves the game waiting for the click that
// resumes it. A game that had already ended stays ended.
void flow_resume_at_last_entry(int mode);

// The side to move's flag fell: the game ends, won by the other side.
void flow_time_up();
// 投了: after the player says so, the game ends in the opponent's favour (against the computer the
// player resigns; between two players, the side to move). Refused with a message when no game is under
// way at the record's latest position. True when the game was resigned.
bool flow_resign();
// A record read back takes the result and the time control kept with it.
void flow_record_result(const GameResult& result, const TimeControl& control);
// The result of the game on screen as the player is told it, or the empty text.
std::string flow_result_text();
