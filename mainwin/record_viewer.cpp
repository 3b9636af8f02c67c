#include "mainwin/main_window.h"

#include "documents/rtf_field.h"
#include "mainwin/grid_cells.h"
#include "mainwin/grid_layouts.h"
#include "mainwin/saved_row.h"
#include "mainwin/shown_record.h"
#include "settings/error_trap.h"
#include "settings/preferences.h"
#include "text/cp1252.h"
#include "widgets/rich_text_view.h"

#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include <algorithm>

namespace vantorelle {

bool MainWindow::showListedRecord()
{
    if (recordGrid_->rowCount() == 0) {
        editButton_->hide();
        recordViewer_->setRtf(QString());
        return false;
    }
    editButton_->show();
    viewProviderButton_->hide();
    viewProviderButton_->setText(QStringLiteral("View Provider"));

    // Rows left from a grid topic show nothing under another topic.
    const std::optional<Topic> topic = currentTopic();
    const GridLayout *layout = topic ? gridLayout(*topic) : nullptr;
    ShownRecord shown;
    if (layout) {
        const int row = std::max(recordGrid_->currentRow(), 0);
        shown = shownRecordOf(*topic, listedRow(recordGrid_, row, layout->keyColumn()),
            tableAccess(), preferences_.display());
    } else {
        shown.rtf = std::string(recordViewHeader).append(recordViewEnd);
    }
    if (shown.button != ViewButton::None) {
        if (shown.button == ViewButton::Pharmacy)
            viewProviderButton_->setText(QStringLiteral("View Pharmacy"));
        viewProviderKey_ = shown.masterKey;
        viewProviderButton_->show();
    }
    recordViewer_->setRtf(Cp1252::toUnicode(shown.rtf));
    recordViewer_->moveCursor(QTextCursor::Start);
    return shown.found;
}

void MainWindow::gridRowChanged()
{
    runTrapped(installation_, QStringLiteral("showing a record"), [this] { showListedRecord(); });
}

void MainWindow::viewProvider()
{
    if (secondaryWindows_.viewProvider) {
        secondaryWindows_.viewProvider(
            this, viewProviderKey_, viewProviderButton_->text() == QLatin1String("View Pharmacy"));
    }
}

void MainWindow::selectSavedRecord(const QString &shownText, RowHandle saved, int lastColumn)
{
    const std::optional<Topic> topic = currentTopic();
    const GridLayout *layout = topic ? gridLayout(*topic) : nullptr;
    if (!layout)
        return;
    const int row = savedRow(recordGrid_, shownText, saved, layout->keyColumn());
    if (row < 0)
        return; // the grid keeps the row the refresh made current
    recordGrid_->setFocus();
    {
        const QSignalBlocker blocker(recordGrid_);
        recordGrid_->setCurrentCell(row, 0);
        recordGrid_->setRangeSelected(QTableWidgetSelectionRange(row, 0, row, lastColumn), true);
    }
    showListedRecord();
}

} // namespace vantorelle
