// The list of the record's moves beside the board: one row a position, the one on screen highlighted
// and kept in view; a click on a row asks for that position.
#pragma once

#include "platform/platform.h"

#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

class MoveListView : public QListWidget {
  public:
    explicit MoveListView(QWidget* parent);
    // Row 0 is the start, row n the position after move n.
    void show_moves(const std::vector<std::string>& rows, int current);
    // What the review found for move n (at n - 1): its mark and the move preferred before it, beside it.
    void show_review(const std::vector<ReviewRow>& moves);
    // The game's result, on a last line that is not a position.
    void show_result(const std::string& text);
    // The review's marks and notes again, in the language now in use.
    void recaption();
    std::function<void(int)> on_chosen; // a row was clicked

  private:
    void annotate(int n);
    std::vector<std::string> rows_;
    std::vector<ReviewRow> review_;
    std::string result_;
    void take_result();
    void place_result();
};
