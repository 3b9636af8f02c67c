#include "mainwin/main_window.h"

#include "mainwin/column_fitter.h"
#include "mainwin/record_grid.h"
#include "mainwin/record_views.h"
#include "settings/error_trap.h"
#include "settings/preferences.h"
#include "store/store.h"
#include "text/cp1252.h"

#include <QComboBox>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include "widgets/rich_text_view.h"

namespace vantorelle {

namespace {

// The profile the selector shows, made the current row of the profile table;
// false when there is none (no entry chosen, or its record is gone).
bool findSelectedProfile(MemoryTable &profiles, const QComboBox *selector, const QListWidget *keys)
{
    profiles.moveFirst();
    const QListWidgetItem *key = keys->item(selector->currentIndex());
    return key && profiles.find(Criterion::equal("Key", Cp1252::toStdString(key->text())));
}

} // namespace

TableAccess MainWindow::tableAccess()
{
    return [this](TableId id) -> MemoryTable & { return store().table(id); };
}

void MainWindow::connectViews()
{
    connect(profileSelector_, &QComboBox::currentIndexChanged, this, [this] { profileChosen(); });
    connect(topicList_, &QListWidget::currentRowChanged, this, [this] { topicChosen(); });
    connect(recordGrid_, &QTableWidget::currentCellChanged, this,
        [this](int row, int, int previousRow) {
            if (row != previousRow)
                gridRowChanged();
        });
}

std::optional<Topic> MainWindow::currentTopic() const
{
    const int row = topicList_->currentRow();
    if (row < 0 || row >= int(topicCount))
        return std::nullopt;
    return topicAt(std::size_t(row));
}

void MainWindow::showTopic()
{
    topicChosen();
}

void MainWindow::selectTopic(Topic topic)
{
    {
        const QSignalBlocker blocker(topicList_);
        topicList_->setCurrentRow(int(topicIndex(topic)));
    }
    topicChosen();
}

void MainWindow::topicChosen()
{
    runTrapped(installation_, QStringLiteral("selecting a topic"), [this] {
        MemoryTable &profiles = store().table(TableId::MainID);
        if (!findSelectedProfile(profiles, profileSelector_, profileKeys_)) {
            if (profileSelector_->count() == 0)
                return;
            // The record behind the entry is gone: drop the entry and show
            // another profile.
            const int gone = profileSelector_->currentIndex();
            {
                const QSignalBlocker blocker(profileSelector_);
                if (gone >= 0) {
                    profileSelector_->removeItem(gone);
                    delete profileKeys_->takeItem(gone);
                }
                profileSelector_->setCurrentIndex(-1);
            }
            profileChosen();
            return;
        }

        addButton_->show();
        deleteButton_->show();
        viewProviderButton_->hide();
        const std::string profileKey(profiles.value("Key"));
        viewerFrame_->raise();
        viewerFrame_->show();

        const std::optional<Topic> topic = currentTopic();
        const DisplayPreferences &display = preferences_.display();
        if (topic == Topic::Personal || topic == Topic::Legal) {
            const RecordView &view = recordView(*topic);
            ValueSources sources;
            sources.record = RecordRef::current(profiles);
            sources.display = display;
            addButton_->hide();
            deleteButton_->hide();
            editButton_->show();
            recordGrid_->hide();
            recordViewer_->show();
            recordViewer_->raise();
            recordViewer_->setRtf(Cp1252::toUnicode(recordViewText(view, sources)));
        } else if (const GridLayout *layout = topic ? gridLayout(*topic) : nullptr) {
            // Named for a screen reader by the topic it lists, as the topic list shows it.
            recordGrid_->setAccessibleName(topicList_->currentItem()->text());
            const auto rows = gridRows(*layout, profileKey, tableAccess(), display);
            fillGrid(recordGrid_, *layout, rows, display.glucoseUnits);
            columnFitter_->measure(designedWidths(*layout, recordGrid_));
            showListedRecord();
            recordGrid_->show();
        }
    });
}

} // namespace vantorelle
