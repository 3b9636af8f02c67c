#include "widgets/tab_order.h"

#include <QGridLayout>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace vantorelle {

namespace {

// The items of `layout` as they are seen: a grid's row by row, each row left
// to right; a box's in its order.
std::vector<QLayoutItem *> itemsAsSeen(QLayout &layout)
{
    struct Placed {
        int row = 0;
        int column = 0;
        QLayoutItem *item = nullptr;
    };
    std::vector<Placed> placed;
    auto *grid = qobject_cast<QGridLayout *>(&layout);
    for (int i = 0; i < layout.count(); ++i) {
        Placed p {0, i, layout.itemAt(i)};
        if (grid) {
            int rows = 0, columns = 0;
            grid->getItemPosition(i, &p.row, &p.column, &rows, &columns);
        }
        placed.push_back(p);
    }
    std::stable_sort(placed.begin(), placed.end(), [](const Placed &a, const Placed &b) {
        return a.row != b.row ? a.row < b.row : a.column < b.column;
    });
    std::vector<QLayoutItem *> items;
    for (const Placed &p : placed)
        items.push_back(p.item);
    return items;
}

void collectStops(QLayout &layout, std::vector<QWidget *> &stops);

void collectStops(QWidget &widget, std::vector<QWidget *> &stops)
{
    if (widget.focusPolicy() & Qt::TabFocus)
        stops.push_back(&widget);
    else if (QLayout *layout = widget.layout())
        collectStops(*layout, stops);
}

void collectStops(QLayout &layout, std::vector<QWidget *> &stops)
{
    for (QLayoutItem *item : itemsAsSeen(layout)) {
        if (QLayout *inner = item->layout())
            collectStops(*inner, stops);
        else if (QWidget *widget = item->widget())
            collectStops(*widget, stops);
    }
}

} // namespace

void orderTabsByLayout(QWidget &container)
{
    std::vector<QWidget *> stops;
    if (QLayout *layout = container.layout())
        collectStops(*layout, stops);
    for (std::size_t i = 1; i < stops.size(); ++i)
        QWidget::setTabOrder(stops[i - 1], stops[i]);
}

} // namespace vantorelle
