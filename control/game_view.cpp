#include "control/game_view.h"

#include "core/state.h"
#include "display/draw.h"
#include "display/levels.h"
#include "display/texts.h"
#include "platform/platform.h"
#include "platform/translate.h"
#include "control/move_list.h"
#include "control/options.h"
#include "control/owner.h"

#include <algorithm>
#include <vector>

namespace {

// What a move changed, painted in the order a move always showed it: the hand that gained a piece, the
// emptied source, the hand a piece was dropped from, the destination; `captured` stood at (tx, ty).
void paint_move(int fx, int fy, int tx, int ty, int p, int captured) {
    const Kyokumen& k = TAIKYOKU.pos;
    const Settei& s = TAIKYOKU.settei;
    if (captured <= SITA_HU) {
        描画_敵持盤(k, s);
    } else if (captured >= UE_HU) {
        描画_自持盤(k, s);
    }
    描画_絵(KARA, fx, fy);
    描画_桝輪郭(0, fx, fy);
    if (fx == -1) {
        描画_敵持盤(k, s);
    } else if (fx == 13) {
        描画_自持盤(k, s);
    }
    描画_絵(p, tx, ty);
    描画_桝輪郭(0, tx, ty);
}

// The hint's marks: a colour no other mark has (light cyan), its text right of the lower hand box.
constexpr int kHintColour = 11;
constexpr double kHintTextX = 14.2, kHintTextY = 4.2;

// The hint's cell: a band three lines wide inside the cell's edge, light cyan either side of black, so
// that it stands out on every background, piece and last-move tint (one line alone vanished on the
// light blue tint). Each line is a pixel of scale 1 wide, as wide as that pixel at any scale, so the
// band is solid.
void mark_hint(int x, int y) {
    const Cell shown = view_cell({x, y});
    x = shown.x;
    y = shown.y;
    const int colours[] = {kHintColour, 0, kHintColour};
    for (int i = 0; i < 3; ++i)
        platform().canvas().outline(colours[i], cell_x(x) + 15 * i, cell_y(y) + 15 * i,
                                    cell_x(x + 1) - 15 * i, cell_y(y + 1) - 15 * i);
}

// The last moves' marks: a translucent fill inside the cell's outline, so the piece and every outline
// stay as they are; one colour per side, none of them an outline's colour or the hint's.
constexpr int kLowerMoveColour = 9;  // light blue
constexpr int kUpperMoveColour = 13; // light magenta

class PaintingView : public GameView {
  public:
    void on(const FlowEvent& e) override {
        const Kyokumen& k = TAIKYOKU.pos;
        const Settei& s = TAIKYOKU.settei;
        using K = FlowEvent::Kind;
        switch (e.kind) {
        case K::MoveNumber:
            描画_手数(k, s, e.n, 15);
            show_move_list();
            break;
        case K::BoardOutlines:
            描画_将棋盤桝(s);
            break;
        case K::SelectionDropped:
            描画_桝輪郭(s.WAKU_IRO, e.fx, e.fy);
            描画_桝輪郭(s.WAKU_IRO, e.tx, e.ty);
            描画_移動可能桝色(k, s, e.fx, e.fy, s.WAKU_IRO, e.p);
            break;
        case K::PieceMoved:
            clear_notice(); // a move was made
            paint_move(e.fx, e.fy, e.tx, e.ty, e.p, e.captured);
            break;
        case K::MoveText:
            描画_移動結果(k, s, e.side, e.tx, e.ty, e.p);
            break;
        case K::MoveTextCleared:
            消去_移動結果(k, s, e.side);
            break;
        case K::Thinking:
            消去_思考中(k, s);
            描画_思考中(k, s);
            outline_on_screen(s.WAKU_IRO, 1, 8);
            platform().canvas().refresh();
            break;
        case K::ThinkingDone:
            消去_思考中(k, s);
            break;
        case K::RingTurned:
            描画_盤(k, s);
            painted_.clear(); // the board painted over the marks
            mark_last_moves();
            if (e.n > 0) platform().canvas().refresh();
            break;
        case K::Blink:
            描画_駒点滅(s, e.p, e.fx, e.fy, 2);
            break;
        case K::MoveMarked:
            描画_桝輪郭(15, e.tx, e.ty);
            break;
        case K::EntryShown: {
            clear_notice();
            const Tokei& t = TAIKYOKU.tokei;
            draw_clocks(k, s, t);
            描画_自持盤(k, s);
            描画_敵持盤(k, s);
            描画_盤(k, s);
            break;
        }
        case K::HandicapShown:
            描画_ハンデレベル(s, e.n);
            break;
        case K::LevelShown:
            描画_レベル(s, e.n);
            break;
        case K::HintShown:
            mark_hint(e.fx, e.fy);
            mark_hint(e.tx, e.ty);
            // "ヒント：" over the move, which may be as long as "▲右12 １０五銀不成".
            for (int line = 0; line < 2; ++line) {
                const std::string text = line == 0 ? translate("Board", "ヒント：") : e.text;
                描画_数値(kHintTextX + 0.1, kHintTextY + 0.1 + 0.6 * line, text, 0, 0, 12);
                描画_数値(kHintTextX, kHintTextY + 0.6 * line, text, kHintColour, 0, 12);
            }
            platform().canvas().refresh();
            break;
        case K::HintCleared:
            for (int x = 14; x <= 17; ++x)
                for (int y : {4, 5}) 描画_絵(s.HAIKEI_NO, x, y);
            for (Cell c : {Cell{e.fx, e.fy}, Cell{e.tx, e.ty}}) unmark_hint(c);
            break;
        case K::LastMovesShown:
            mark_last_moves();
            break;
        case K::Sound:
            play_effect(e.n);
            break;
        case K::Message:
            if (e.notice) {
                inform(e.text, e.title);
            } else {
                platform().dialogs().message(e.text, e.title);
            }
            break;
        case K::ClocksShown:
            draw_clocks(k, s, TAIKYOKU.tokei);
            break;
        case K::Wait:
            待機_秒(e.seconds);
            break;
        }
        // The texts beside the upper hand box repaint the ring cell they touch.
        if (e.kind == K::MoveText || e.kind == K::MoveTextCleared || e.kind == K::Thinking ||
            e.kind == K::ThinkingDone)
            for (const Mark& m : painted_)
                if (view_cell(m.cell) == Cell{1, 8}) paint_cell(m);
    }

  private:
    struct Mark {
        Cell cell;
        int colour = -1; // -1: unmarked
    };

    static void paint_cell(const Mark& m) {
        const Kyokumen& k = TAIKYOKU.pos;
        const Settei& s = TAIKYOKU.settei;
        const int x = m.cell.x, y = m.cell.y;
        描画_絵(k.BAN[x][y], x, y);
        // Inside the outline's lines at every scale: from the pixel after the left and top lines up to
        // the right and bottom ones.
        if (const Cell v = view_cell(m.cell); m.colour >= 0)
            platform().canvas().tint(m.colour, cell_x(v.x) + 15, cell_y(v.y) + 15, cell_x(v.x + 1),
                                     cell_y(v.y + 1));
        描画_桝輪郭(s.WAKU_IRO, x, y);
    }

    // A cell the hint marked is painted as it stands, with its last-move mark; a hand box whole.
    void unmark_hint(Cell c) const {
        const Kyokumen& k = TAIKYOKU.pos;
        const Settei& s = TAIKYOKU.settei;
        if (c.x == -1) {
            描画_敵持盤(k, s);
        } else if (c.x == 13) {
            描画_自持盤(k, s);
        } else {
            const auto m = std::ranges::find_if(painted_, [&](const Mark& p) { return p.cell == c; });
            paint_cell(m != painted_.end() ? *m : Mark{c});
        }
    }

    // The cells of the last moves marked, those marked before and no longer painted plain.
    void mark_last_moves() {
        std::vector<Mark> marks;
        if (TAIKYOKU.settei.LAST_MOVE == ON)
            for (int i : {1, 0}) // the latest move's colour where both moves meet
                for (const LastMoves::Move& m = flow_last_moves().move[i]; Cell c : {m.from, m.to})
                    if (c.x != 0) marks.push_back({c, m.lower ? kLowerMoveColour : kUpperMoveColour});
        for (const Mark& old : painted_)
            if (std::ranges::none_of(marks, [&](const Mark& m) { return m.cell == old.cell; }))
                paint_cell({old.cell});
        for (const Mark& m : marks) paint_cell(m);
        painted_ = std::move(marks);
    }

    std::vector<Mark> painted_; // the cells marked on the canvas
};

} // namespace

GameView& painting_view() {
    static PaintingView view;
    return view;
}
