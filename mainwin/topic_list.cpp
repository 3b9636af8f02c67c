#include "mainwin/main_window.h"

#include "mainwin/record_grid.h"
#include "mainwin/record_view_lines.h"
#include "platform/cp1252.h"
#include "settings/error_trap.h"
#include "settings/preferences.h"
#include "store/store.h"

#include <QComboBox>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>

#include "platform/rich_text_view.h"

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

TableAccess Main::tableAccess()
{
    return [this](TableId id) -> MemoryTable & { return store().table(id); };
}

void Main::connectViews()
{
    connect(cboProfiles, &QComboBox::currentIndexChanged, this, [this] { profileChosen(); });
    connect(lstTopics, &QListWidget::currentRowChanged, this, [this] { topicChosen(); });
    connect(
        gridViewer, &QTableWidget::currentCellChanged, this, [this](int row, int, int previousRow) {
            if (row != previousRow)
                gridRowChanged();
        });
}

std::optional<Topic> Main::currentTopic() const
{
    const int row = lstTopics->currentRow();
    if (row < 0 || row >= int(TopicCount))
        return std::nullopt;
    return topicAt(std::size_t(row));
}

void Main::showTopic()
{
    topicChosen();
}

void Main::selectTopic(Topic topic)
{
    {
        const QSignalBlocker blocker(lstTopics);
        lstTopics->setCurrentRow(int(topicIndex(topic)));
    }
    topicChosen();
}

void Main::topicChosen()
{
    runTrapped(installation_, QStringLiteral("selecting a topic"), [this] {
        MemoryTable &profiles = store().dsMainID();
        if (!findSelectedProfile(profiles, cboProfiles, lstKeys)) {
            if (cboProfiles->count() == 0)
                return;
            // The record behind the entry is gone: drop the entry and show
            // another profile.
            const int gone = cboProfiles->currentIndex();
            {
                const QSignalBlocker blocker(cboProfiles);
                if (gone >= 0) {
                    cboProfiles->removeItem(gone);
                    delete lstKeys->takeItem(gone);
                }
                cboProfiles->setCurrentIndex(-1);
            }
            profileChosen();
            return;
        }

        cmdAdd->show();
        cmdDel->show();
        cmdViewProvider->hide();
        const std::string profileKey(profiles.value("Key"));
        frmViewer->raise();
        frmViewer->show();

        const std::optional<Topic> topic = currentTopic();
        const DisplayPreferences &display = preferences_.display();
        if (topic == Topic::Personal || topic == Topic::Legal) {
            const RecordView &view = recordView(*topic);
            ValueSources sources;
            sources.record = RecordRef::current(profiles);
            sources.display = display;
            cmdAdd->hide();
            cmdDel->hide();
            cmdEdit->show();
            gridViewer->hide();
            rtViewer->show();
            rtViewer->raise();
            rtViewer->setRtf(Cp1252::toUnicode(RecordViewText(view, sources)));
            rtViewer->setTabStop(view.tabStop);
        } else if (const GridLayout *layout = topic ? gridLayout(*topic) : nullptr) {
            const auto rows = GridRows(*layout, profileKey, tableAccess(), display);
            FillGrid(gridViewer, *layout, rows, display.glucoseUnits);
            showListedRecord();
            gridViewer->show();
        }
    });
}
