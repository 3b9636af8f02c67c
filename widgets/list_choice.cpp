#include "widgets/list_choice.h"

#include <QComboBox>

namespace vantorelle {

namespace {

// Marks the item a list shows for a stored value it does not offer.
constexpr int storedOnlyRole = Qt::UserRole + 1;

} // namespace

void showInList(QComboBox &list, const QString &value)
{
    dropStoredOnly(list);
    if (value.isEmpty()) {
        list.setCurrentIndex(-1);
        return;
    }
    int item = list.findText(value, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (item < 0) {
        list.addItem(value);
        item = list.count() - 1;
        list.setItemData(item, true, storedOnlyRole);
    }
    list.setCurrentIndex(item);
}

void dropStoredOnly(QComboBox &list)
{
    const bool shownNow = list.currentData(storedOnlyRole).toBool();
    for (int i = list.count() - 1; i >= 0; --i) {
        if (list.itemData(i, storedOnlyRole).toBool())
            list.removeItem(i);
    }
    if (shownNow)
        list.setCurrentIndex(-1); // not the item that took its place
}

} // namespace vantorelle
