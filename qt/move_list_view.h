// The list of the record's moves beside the board: one row a position, the one on screen highlighted
// and kept in view; a click on a row asks for that position.
#pragma once

#include <QListWidget>
#include <functional>
#include <string>
#include <vector>

class MoveListView : public QListWidget {
  public:
    explicit MoveListView(QWidget* parent);
    // Row 0 is the start, row n the position after move n.
    void show_moves(const std::vector<std::string>& rows, int current);
    std::function<void(int)> on_chosen; // a row was clicked

  private:
    std::vector<std::string> rows_;
};
