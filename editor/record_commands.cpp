#include "editor/record_editor.h"

#include "editor/text_box.h"
#include "editor/topic_panel.h"
#include "mainwin/error_trap.h"
#include "mainwin/grid_layouts.h"
#include "mainwin/long_operation.h"
#include "mainwin/main_window.h"
#include "mainwin/master_list_filler.h"
#include "platform/cp1252.h"
#include "platform/prompter.h"
#include "store/record_operations.h"
#include "store/store.h"

#include <QGridLayout>
#include <QSignalBlocker>

#include <algorithm>
#include <optional>
#include <vector>

// The record commands: add, edit, cancel and delete a record of the selected
// topic, start and delete a whole profile, and the Edit List and View
// Provider buttons. Every command that fails leaves the window usable: the
// pointer, the window's enabled state and TrackEdits are given back.

namespace {

// The most profiles the handheld's synchronisation takes.
constexpr std::size_t ProfileLimit = 15999;

// The Edit List button of each master list a panel offers, with the list's
// index in the master-list editor.
struct EditListButton {
    MasterList list;
    const char *name;
    qint16 index;
};

constexpr EditListButton editListButtons[] = {
    {MasterList::Contacts, "cmdEditContacts", 0},
    {MasterList::Locations, "cmdEditLocation", 2},
    {MasterList::Pharmacies, "cmdEditPharmacy", 3},
    {MasterList::Providers, "cmdEditProvider", 4},
};

// The row of `table` that row `row` of the grid shows. The grid lists a
// profile's rows in the table's order, so the grid's n-th row of a Key is the
// table's n-th row of that Key, also when several rows share it.
std::optional<RowHandle> gridRecord(
    MemoryTable &table, const QTableWidget *grid, int row, int keyColumn)
{
    const auto keyAt
        = [&](int r) { return Main::gridText(grid, Main::gridIndex(r, keyColumn, grid)); };
    const QString key = keyAt(row);
    int earlier = 0;
    for (int r = 0; r < row; ++r)
        earlier += keyAt(r) == key ? 1 : 0;
    const Criterion same = Criterion::equal("Key", Cp1252::toStdString(key));
    for (table.moveFirst(); table.find(same); table.moveNext()) {
        if (earlier-- == 0)
            return table.handle();
    }
    return std::nullopt;
}


} // namespace

void RecordEditor::connectRecordCommands()
{
    connect(main_.cmdDel, &QPushButton::clicked, this, &RecordEditor::cmdDel_Click);
    connect(main_.cmdDelete, &QPushButton::clicked, this, &RecordEditor::cmdDelete_Click);
    connect(main_.cmdNew, &QPushButton::clicked, this, &RecordEditor::cmdNew_Click);
    connect(
        main_.cmdViewProvider, &QPushButton::clicked, this, &RecordEditor::cmdViewProvider_Click);
}

void RecordEditor::cmdAdd_Click()
{
    const std::optional<Topic> topic = main_.currentTopic();
    TopicPanel *panel = topic >= Topic::Insurance ? panelAt(topic) : nullptr;
    if (!panel)
        return;
    main_.TrackEdits = false;
    const bool cleared = runTrapped(
        main_.installation(), QStringLiteral("adding a record"), [panel] { panel->clear(); });
    main_.TrackEdits = true;
    if (!cleared)
        return;
    bringToFront(*panel);
    main_.frmViewer->hide();
    ChangeMode(QStringLiteral("Add"));
}

void RecordEditor::cmdEdit_Click()
{
    const std::optional<Topic> topic = main_.currentTopic();
    TopicPanel *panel = panelAt(topic);
    if (!panel)
        return;
    // A listed topic's viewer finds the grid row's record and leaves it the
    // table's current row, which the panel then shows; the profile topics show
    // the profile the selector made current. A record that cannot be shown is
    // not edited.
    const bool listed = gridLayout(*topic) != nullptr;
    if ((listed
            && !runTrapped(main_.installation(), QStringLiteral("showing a record"),
                [this] { main_.gridViewer_Click(); }))
        || !showPanel(*panel))
        return;
    bringToFront(*panel);
    main_.frmViewer->hide();
    ChangeMode(QStringLiteral("Edit"));
}

void RecordEditor::cmdNewCancel_Click()
{
    if (!runTrapped(main_.installation(), QStringLiteral("cancelling the changes"), [this] {
            ChangeMode(QStringLiteral("Clear"));
            main_.ModeText.clear();
            main_.lstTopics_Click();
        }))
        main_.TrackEdits = true;
}

void RecordEditor::cmdDel_Click()
{
    const std::optional<Topic> topic = main_.currentTopic();
    const GridLayout *layout = topic ? gridLayout(*topic) : nullptr;
    QTableWidget *grid = main_.gridViewer;
    if (!layout || grid->rowCount() < 1)
        return;
    runTrapped(main_.installation(), QStringLiteral("deleting row item"), [&] {
        // The row the grid shows, even when the table's current row moved
        // since; insurance and contacts delete the profile's link only, whose
        // Key follows the master's.
        const int row = std::max(grid->currentRow(), 0);
        const int keyColumn = layout->keyColumn() + (layout->master ? 1 : 0);
        MemoryTable &table = main_.store().table(layout->table);
        if (const auto record = gridRecord(table, grid, row, keyColumn))
            RecordOperations(main_.store()).deleteRecord(layout->table, *record);
        {
            const QSignalBlocker blocker(grid);
            grid->removeRow(row);
            if (grid->rowCount() > 0)
                grid->setCurrentCell(std::min(row, grid->rowCount() - 1), 0);
        }
        main_.gridViewer_Click();
    });
}

void RecordEditor::cmdDelete_Click()
{
    const int idx = main_.cboProfiles->currentIndex();
    const QListWidgetItem *keyItem = main_.lstKeys->item(idx);
    if (main_.cboProfiles->count() == 0 || !keyItem)
        return;
    const int answer = prompter().ask(QStringLiteral("Confirm Delete"),
        QStringLiteral("Do you really want to delete this personal profile and associated data?"),
        Prompter::YesNo, Prompter::Question);
    if (answer != Prompter::Yes)
        return;

    // The profile the selector shows, whatever row of the profile table is current.
    const std::string key = Cp1252::toStdString(keyItem->text());
    main_.TrackEdits = false;
    const bool deleted = runTrapped(main_.installation(), QStringLiteral("deleting records"), [&] {
        const LongOperation busy(main_);
        RecordOperations(main_.store()).deleteProfile(key);
        {
            const QSignalBlocker blocker(main_.cboProfiles);
            main_.cboProfiles->removeItem(idx);
            delete main_.lstKeys->takeItem(idx);
            main_.cboProfiles->setCurrentIndex(-1);
        }
        ChangeMode(QStringLiteral("Clear"));
        main_.ModeText.clear();
        const int left = main_.cboProfiles->count();
        main_.StatusPanel1->setText(QStringLiteral("Records Listed: ") + QString::number(left));
        main_.TrackEdits = true;
        if (left > 0) {
            {
                const QSignalBlocker blocker(main_.cboProfiles);
                main_.cboProfiles->setCurrentIndex(idx < left ? idx : idx - 1);
            }
            main_.cboProfiles_Click();
            ShowFields(Topic::Personal);
        } else {
            // No profile left: the selector starts a new one.
            main_.cboProfiles_Change();
        }
        cmdNewCancel_Click();
    });
    if (!deleted)
        main_.TrackEdits = true;
}

void RecordEditor::cmdNew_Click()
{
    main_.TrackEdits = false;
    if (main_.store().dsMainID().recordCount() > ProfileLimit) {
        prompter().ask(QStringLiteral("Database Limit"),
            QStringLiteral("You may not have more than  %1 records.  This is a synchronization "
                           "limit.")
                .arg(ProfileLimit));
        main_.TrackEdits = true;
        return;
    }
    runTrapped(main_.installation(), QStringLiteral("adding a new record"), [this] {
        {
            const QSignalBlocker blocker(main_.lstTopics);
            main_.lstTopics->setCurrentRow(int(topicIndex(Topic::Personal)));
        }
        main_.lstTopics_Click();
        TopicPanel &profile = *panel(Topic::Personal);
        profile.clear();
        bringToFront(profile);
        main_.frmViewer->hide();
        ChangeMode(QStringLiteral("Add"));
        main_.ModeText = QStringLiteral("Add");
        // Before the window is shown at start-up the focus goes nowhere.
        profile.textBox(1)->setFocus();
    });
    main_.TrackEdits = true;
}

void RecordEditor::addEditListButtons(TopicPanel &panel)
{
    auto *layout = qobject_cast<QGridLayout *>(panel.layout());
    const auto &controls = panel.descriptor().controls;
    for (const EditListButton &button : editListButtons) {
        const auto offered = std::find_if(controls.begin(), controls.end(),
            [&](const PanelControl &control) { return control.master == button.list; });
        QComboBox *combo = offered == controls.end() ? nullptr : panel.combo(offered->row);
        if (!combo || !layout)
            continue;
        // On the line of the first control that offers the list, after the others.
        int line = 0, column = 0, lines = 0, columns = 0;
        layout->getItemPosition(layout->indexOf(combo), &line, &column, &lines, &columns);
        auto *edit = new QPushButton(QStringLiteral("Edit List..."), &panel);
        edit->setObjectName(QString::fromLatin1(button.name));
        layout->addWidget(edit, line, layout->columnCount());
        connect(edit, &QPushButton::clicked, this,
            [this, &panel, index = button.index] { cmdEditList_Click(panel, index); });
    }
}

void RecordEditor::cmdEditList_Click(TopicPanel &panel, qint16 index)
{
    // The refill empties every master-list combo box: what the user typed
    // there (power of attorney, next of kin, a location) or chose (a
    // provider, a pharmacy) is put back, a choice only while its master is left.
    struct Kept {
        QComboBox *combo;
        QString text;
        QVariant key;
    };
    std::vector<Kept> kept;
    for (const PanelControl &control : panel.descriptor().controls) {
        if (QComboBox *combo = control.master ? panel.combo(control.row) : nullptr)
            kept.push_back({combo, combo->currentText(), combo->currentData()});
    }
    main_.mnuEditMaster_Click(index);
    if (main_.closing())
        return;
    for (const Kept &k : kept) {
        if (k.combo->isEditable())
            k.combo->setEditText(k.text);
        else if (k.key.isValid())
            k.combo->setCurrentIndex(k.combo->findData(k.key));
    }
}

void RecordEditor::cmdViewProvider_Click()
{
    if (main_.secondaryWindows.viewProvider)
        main_.secondaryWindows.viewProvider(&main_);
}
