#include "qt/move_list_view.h"

#include <QAbstractItemView>

namespace {

// "  12 ▲７六歩": the move number right-aligned, so the texts line up.
QString row_text(int n, const std::string& text) {
    if (n == 0) return QString::fromStdString(text);
    return QString("%1 %2").arg(n, 3).arg(QString::fromStdString(text));
}

} // namespace

MoveListView::MoveListView(QWidget* parent) : QListWidget(parent) {
    setObjectName("MOVE_LIST");
    // The keys stay with the window: the arrows step through the game there.
    setFocusPolicy(Qt::NoFocus);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setStyleSheet("QListWidget { background-color: rgb(255, 255, 232); color: black; }"
                  "QListWidget::item:selected { background-color: rgb(40, 90, 160); color: white; }");
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int n = row(item);
        if (on_chosen && n >= 0) on_chosen(n);
    });
}

void MoveListView::show_moves(const std::vector<std::string>& rows, int current) {
    if (rows != rows_) {
        // Rows are only ever added at the end in play: keep the ones that stayed.
        std::size_t same = 0;
        while (same < rows.size() && same < rows_.size() && rows[same] == rows_[same]) ++same;
        while (static_cast<std::size_t>(count()) > same) delete takeItem(count() - 1);
        for (std::size_t n = same; n < rows.size(); ++n) addItem(row_text(static_cast<int>(n), rows[n]));
        rows_ = rows;
    }
    if (current >= 0 && current < count() && currentRow() != current) setCurrentRow(current);
    if (QListWidgetItem* shown = item(currentRow())) scrollToItem(shown);
}
