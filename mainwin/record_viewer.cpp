#include "mainwin/main_window.h"

#include "mainwin/error_trap.h"
#include "mainwin/grid_layouts.h"
#include "mainwin/rtf_field.h"
#include "mainwin/shown_record.h"
#include "mainwin/view_provider_key.h"
#include "platform/cp1252.h"
#include "settings/preferences.h"

#include <algorithm>

std::string ViewProviderKey;

int Main::gridIndex(int row, int col, const QTableWidget *grid)
{
    return row * grid->columnCount() + col;
}

QString Main::gridText(const QTableWidget *grid, int index)
{
    const int columns = grid->columnCount();
    const QTableWidgetItem *item
        = columns > 0 && index >= 0 ? grid->item(index / columns, index % columns) : nullptr;
    return item ? item->text() : QString();
}

void Main::gridViewer_Click()
{
    if (gridViewer->rowCount() == 0) {
        cmdEdit->hide();
        rtViewer->setRtf(QString());
        return;
    }
    cmdEdit->show();
    cmdViewProvider->hide();
    cmdViewProvider->setText(QStringLiteral("View Provider"));

    // Rows left from a grid topic show nothing under another topic.
    const std::optional<Topic> topic = currentTopic();
    const GridLayout *layout = topic ? gridLayout(*topic) : nullptr;
    ShownRecord shown;
    if (layout) {
        const int row = std::max(gridViewer->currentRow(), 0);
        const std::string key = Cp1252::toStdString(
            gridText(gridViewer, gridIndex(row, layout->keyColumn(), gridViewer)));
        shown = ShowRecordOf(*topic, key, tableAccess(), preferences_.display());
    } else {
        shown.rtf = std::string(RecordViewHeader).append(RecordViewEnd);
    }
    if (shown.button != ViewButton::None) {
        if (shown.button == ViewButton::Pharmacy)
            cmdViewProvider->setText(QStringLiteral("View Pharmacy"));
        ViewProviderKey = shown.masterKey;
        cmdViewProvider->show();
    }
    rtViewer->setRtf(Cp1252::toUnicode(shown.rtf));
    rtViewer->setTabStop(shown.tabStop);
    rtViewer->moveCursor(QTextCursor::Start);
}

void Main::gridViewer_SelChange()
{
    runTrapped(installation_, QStringLiteral("showing a record"), [this] { gridViewer_Click(); });
}
