#include "mainwin/main_window.h"

#include "mainwin/grid_cells.h"
#include "mainwin/grid_layouts.h"
#include "mainwin/saved_row.h"
#include "mainwin/shown_record.h"
#include "platform/cp1252.h"
#include "platform/rich_text_view.h"
#include "platform/rtf_field.h"
#include "settings/error_trap.h"
#include "settings/preferences.h"

#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include <algorithm>

void Main::showListedRecord()
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
        viewProviderKey_ = shown.masterKey;
        cmdViewProvider->show();
    }
    rtViewer->setRtf(Cp1252::toUnicode(shown.rtf));
    rtViewer->setTabStop(shown.tabStop);
    rtViewer->moveCursor(QTextCursor::Start);
}

void Main::gridRowChanged()
{
    runTrapped(installation_, QStringLiteral("showing a record"), [this] { showListedRecord(); });
}

void Main::viewProvider()
{
    if (secondaryWindows_.viewProvider) {
        secondaryWindows_.viewProvider(
            this, viewProviderKey_, cmdViewProvider->text() == QLatin1String("View Pharmacy"));
    }
}

void Main::selectSavedRecord(const QString &shownText, const QString &key, int lastColumn)
{
    const std::optional<Topic> topic = currentTopic();
    const GridLayout *layout = topic ? gridLayout(*topic) : nullptr;
    if (!layout)
        return;
    const int row = savedRow(gridViewer, shownText, key, layout->keyColumn());
    if (row < 0)
        return; // the grid keeps the row the refresh made current
    gridViewer->setFocus();
    {
        const QSignalBlocker blocker(gridViewer);
        gridViewer->setCurrentCell(row, 0);
        gridViewer->setRangeSelected(QTableWidgetSelectionRange(row, 0, row, lastColumn), true);
    }
    showListedRecord();
}
