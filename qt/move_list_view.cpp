#include "qt/move_list_view.h"

#include "kifu/review_file.h"
#include "platform/translate.h"

#include <QAbstractItemView>
#include <QBrush>
#include <QColor>

#include <algorithm>

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
    // A reviewed move shows the preferred move on a line of its own; what is too long is cut short.
    setTextElideMode(Qt::ElideRight);
    setStyleSheet("QListWidget { background-color: rgb(255, 255, 232); color: black; }"
                  "QListWidget::item:selected { background-color: rgb(40, 90, 160); color: white; }");
    connect(this, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        const int n = row(item);
        if (on_chosen && n >= 0 && n < static_cast<int>(rows_.size())) on_chosen(n);
    });
}

void MoveListView::take_result() {
    if (static_cast<std::size_t>(count()) > rows_.size()) delete takeItem(count() - 1);
}

void MoveListView::place_result() {
    take_result();
    if (result_.empty()) return;
    auto* it = new QListWidgetItem(QString::fromStdString(result_));
    it->setFlags(Qt::ItemIsEnabled);
    it->setForeground(QBrush(QColor(Qt::black)));
    addItem(it);
}

void MoveListView::show_result(const std::string& text) {
    if (text == result_) return;
    result_ = text;
    place_result();
}

void MoveListView::show_moves(const std::vector<std::string>& rows, int current) {
    if (rows != rows_) {
        take_result();
        // Rows are only ever added at the end in play: keep the ones that stayed.
        std::size_t same = 0;
        while (same < rows.size() && same < rows_.size() && rows[same] == rows_[same]) ++same;
        while (static_cast<std::size_t>(count()) > same) delete takeItem(count() - 1);
        rows_ = rows;
        for (std::size_t n = same; n < rows.size(); ++n) {
            addItem(QString());
            annotate(static_cast<int>(n));
        }
        place_result();
    }
    if (current >= 0 && current < count() && currentRow() != current) setCurrentRow(current);
    if (QListWidgetItem* shown = item(currentRow())) scrollToItem(shown);
}

void MoveListView::show_review(const std::vector<ReviewRow>& moves) {
    if (moves.size() == review_.size() &&
        std::equal(moves.begin(), moves.end(), review_.begin(), [](const ReviewRow& a, const ReviewRow& b) {
            return a.ready == b.ready && a.eval == b.eval && a.mate == b.mate && a.mark == b.mark &&
                   a.best == b.best;
        }))
        return;
    review_ = moves;
    for (int n = 0; n < count(); ++n) annotate(n);
}

void MoveListView::recaption() {
    for (int n = 0; n < count(); ++n) annotate(n);
}

void MoveListView::annotate(int n) {
    QListWidgetItem* it = item(n);
    if (!it || n >= static_cast<int>(rows_.size())) return;
    QString text = row_text(n, rows_[n]);
    QColor colour(Qt::black);
    QString tip;
    if (n >= 1 && n <= static_cast<int>(review_.size()) && review_[n - 1].ready) {
        const ReviewRow& r = review_[n - 1];
        const auto mark = static_cast<ReviewMark>(r.mark);
        if (mark != ReviewMark::NONE) {
            text += QString::fromUtf8(" ") + QString::fromStdString(translate("Review", mark_text(mark)));
            colour = mark == ReviewMark::BAD ? QColor(200, 0, 0) : QColor(190, 110, 0);
        }
        const QString best = QString::fromStdString(r.best);
        // The preferred move where it is another than the one played.
        if (!best.isEmpty() && best != QString::fromStdString(rows_[n]))
            text += QString::fromUtf8("\n      →") + best;
        const std::string said =
            r.mate ? (r.eval > 0 ? translate("Review", "評価：下側の勝ち（詰み）")
                                 : translate("Review", "評価：上側の勝ち（詰み）"))
                   : fill(translate("Review", "評価：%1（下側から見て）"), {eval_text(r.eval)});
        tip = QString::fromStdString(said);
        if (!best.isEmpty())
            tip += QString::fromStdString(fill(translate("Review", "\n最善：%1"), {best.toStdString()}));
    }
    it->setText(text);
    it->setForeground(QBrush(colour));
    it->setToolTip(tip);
}
