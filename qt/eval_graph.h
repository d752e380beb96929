// The graph of a reviewed game (検討): the evaluation after every move, the lower side's advantage up,
// clipped at a bound so that one mate does not flatten the rest; the move on screen marked by a
// vertical line, 悪手 and 疑問手 as dots. It holds no game state: it is handed what to show. Painted at
// whatever size it has, so it stays sharp at every scale; a click asks for the move under it.
#pragma once

#include "kifu/review_file.h"
#include "platform/platform.h"

#include <QSize>
#include <QString>
#include <QWidget>

#include <vector>

class QPainter;

// What the graph shows of move n (at index n - 1).
struct GraphMove {
    bool ready = false; // not yet reviewed: not drawn
    int eval = 0;       // after the move, from the lower side's view
    bool mate = false;
    ReviewMark mark = ReviewMark::NONE;
};

class EvalGraph : public QWidget {
    Q_OBJECT
  public:
    // Evaluations beyond this, and mates, are drawn at it.
    static constexpr int BOUND = 3000;

    explicit EvalGraph(QWidget* parent = nullptr);
    // The moves of the game, reviewed or not (their number is the game's number of moves).
    void set_moves(std::vector<GraphMove> moves);
    // The move on screen, 0 for the starting position.
    void set_current(int n);
    int current() const { return current_; }
    const std::vector<GraphMove>& moves() const { return moves_; }
    // The move whose place is nearest to x (widget pixels), 0..the number of moves.
    int move_at(double x) const;
    // Renders the graph at `scale` times the widget's size (its size hint while it has none) and saves
    // it as a PNG picture; false when it could not be written.
    bool save_png(const QString& path, double scale = 1) const;
    QSize sizeHint() const override { return {600, 160}; }

  signals:
    void move_clicked(int n);

  protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

  private:
    std::vector<GraphMove> moves_;
    int current_ = 0;
};

// The graph painted on any painter at `size` (with the evaluations and move numbers written beside it
// when `labelled`), and saved as a labelled PNG picture of that many pixels (false when it could not be
// written): what the widget shows, also where there is no widget.
void paint_eval_graph(QPainter& p, QSizeF size, const std::vector<GraphMove>& moves, int current,
                      bool labelled = false);
bool save_eval_graph(const QString& path, QSize pixels, const std::vector<GraphMove>& moves, int current);
// The graph of the review's rows as the platform is handed them.
std::vector<GraphMove> graph_moves(const std::vector<ReviewRow>& rows);
// The size of the picture the graph is saved as, in pixels.
inline constexpr QSize kGraphPicture{1200, 400};
