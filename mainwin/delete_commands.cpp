#include "mainwin/main_window.h"

#include "mainwin/grid_cells.h"
#include "mainwin/grid_layouts.h"
#include "mainwin/long_operation.h"
#include "mainwin/record_editor_hooks.h"
#include "platform/prompter.h"
#include "settings/error_trap.h"
#include "store/record_operations.h"
#include "store/store.h"
#include "text/cp1252.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QSignalBlocker>
#include <QTableWidget>

#include <algorithm>
#include <optional>

namespace vantorelle {

// The Delete buttons: one record of the listed topic, or a whole profile.
// Every command that fails leaves the window usable: the pointer, the
// window's enabled state and the tracking of edits are given back.

void MainWindow::deleteListedRecord()
{
    const std::optional<Topic> topic = currentTopic();
    const GridLayout *layout = topic ? gridLayout(*topic) : nullptr;
    QTableWidget *grid = recordGrid_;
    if (!layout || grid->rowCount() < 1)
        return;
    runTrapped(installation_, QStringLiteral("deleting row item"), [&] {
        // The row the grid shows, even when the table's current row moved
        // since; insurance and contacts delete the profile's link only, whose
        // Key follows the master's.
        const int row = std::max(grid->currentRow(), 0);
        const int keyColumn = layout->keyColumn() + (layout->master ? 1 : 0);
        if (const auto record = listedRow(grid, row, keyColumn))
            RecordOperations(store()).deleteRecord(layout->table, *record);
        {
            const QSignalBlocker blocker(grid);
            grid->removeRow(row);
            if (grid->rowCount() > 0)
                grid->setCurrentCell(std::min(row, grid->rowCount() - 1), 0);
        }
        showListedRecord();
    });
}

void MainWindow::deleteProfile()
{
    const int idx = profileSelector_->currentIndex();
    const QListWidgetItem *keyItem = profileKeys_->item(idx);
    if (profileSelector_->count() == 0 || !keyItem)
        return;
    const int answer = prompter().ask(QStringLiteral("Confirm Delete"),
        QStringLiteral("Do you really want to delete this personal profile and associated data?"),
        Prompter::YesNo, Prompter::Question);
    if (answer != Prompter::Yes)
        return;

    // The profile the selector shows, whatever row of the profile table is current.
    const std::string key = Cp1252::toStdString(keyItem->text());
    runTrapped(installation_, QStringLiteral("deleting records"), [&] {
        const LongOperation busy(*this);
        {
            const EditState::Untracked untracked(editState_);
            RecordOperations(store()).deleteProfile(key);
            {
                const QSignalBlocker blocker(profileSelector_);
                profileSelector_->removeItem(idx);
                delete profileKeys_->takeItem(idx);
                profileSelector_->setCurrentIndex(-1);
            }
            editState_.setMode(EditMode::Normal);
        }
        const int left = profileSelector_->count();
        recordCountLabel_->setText(QStringLiteral("Records Listed: ") + QString::number(left));
        if (left > 0) {
            {
                const QSignalBlocker blocker(profileSelector_);
                profileSelector_->setCurrentIndex(idx < left ? idx : idx - 1);
            }
            profileChosen();
            if (editorHooks_)
                editorHooks_->showPanel(Topic::Personal);
        } else {
            // No profile left: the selector starts a new one.
            profileChosen();
        }
        if (editorHooks_)
            editorHooks_->cancelEditing();
    });
}

} // namespace vantorelle
