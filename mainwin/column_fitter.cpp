#include "mainwin/column_fitter.h"

#include <QEvent>
#include <QHeaderView>
#include <QScrollBar>
#include <QTableView>

#include <algorithm>
#include <numeric>

namespace vantorelle {

ColumnFitter::ColumnFitter(QTableView *grid)
    : QObject(grid)
    , grid_(grid)
{
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->horizontalHeader()->setStretchLastSection(false);
    grid->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->viewport()->installEventFilter(this);
}

void ColumnFitter::measure(const std::vector<int> &designed)
{
    const QHeaderView *header = grid_->horizontalHeader();
    const int columns = header->count();
    leastWidths_.assign(std::size_t(columns), 0);
    for (int column = 0; column < columns; ++column) {
        if (grid_->isColumnHidden(column))
            continue;
        const int wanted = column < int(designed.size()) ? designed[std::size_t(column)] : 0;
        // QTableView hides the measure of a column's cells; the view it is keeps it public.
        const QAbstractItemView *view = grid_;
        leastWidths_[std::size_t(column)]
            = std::max({header->sectionSizeHint(column), view->sizeHintForColumn(column), wanted});
    }
    fit();
}

bool ColumnFitter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == grid_->viewport() && event->type() == QEvent::Resize)
        fit();
    return QObject::eventFilter(watched, event);
}

void ColumnFitter::fit()
{
    const qint64 least = std::accumulate(leastWidths_.begin(), leastWidths_.end(), qint64(0));
    if (least <= 0)
        return;
    const int available = grid_->viewport()->width();
    // Each column's share of the viewport is its least width scaled; the
    // rounding remainders go to the last shown column, so the columns end
    // exactly at the viewport's edge.
    int given = 0, last = -1;
    for (std::size_t column = 0; column < leastWidths_.size(); ++column) {
        if (leastWidths_[column] == 0)
            continue;
        const int width = int(leastWidths_[column] * available / least);
        grid_->setColumnWidth(int(column), width);
        given += width;
        last = int(column);
    }
    if (last >= 0)
        grid_->setColumnWidth(last, grid_->columnWidth(last) + available - given);
}

} // namespace vantorelle
