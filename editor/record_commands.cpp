#include "editor/record_editor.h"

#include "context/edit_state.h"
#include "editor/begin_editing.h"
#include "editor/topic_panel.h"
#include "mainwin/grid_layouts.h"
#include "mainwin/master_list_filler.h"
#include "mainwin/record_editor_host.h"
#include "platform/prompter.h"
#include "settings/error_trap.h"
#include "store/store.h"
#include "widgets/text_box.h"

#include <QComboBox>
#include <QGridLayout>
#include <QPushButton>

#include <algorithm>
#include <vector>

namespace vantorelle {

// The record commands: add, edit and cancel a record of the selected topic,
// start a new profile, and the Edit List buttons. Every command that fails
// leaves the window usable: the tracking of edits is given back.

namespace {

// The most profiles the handheld's synchronisation takes.
constexpr std::size_t profileLimit = 15999;

// The Edit List button of each master list a panel offers, with the list's
// index in the master-list editor.
struct EditListButton {
    MasterList list;
    const char *name;
    int index;
};

constexpr EditListButton editListButtons[] = {
    {MasterList::Contacts, "cmdEditContacts", 0},
    {MasterList::Locations, "cmdEditLocation", 2},
    {MasterList::Pharmacies, "cmdEditPharmacy", 3},
    {MasterList::Providers, "cmdEditProvider", 4},
};

} // namespace

void RecordEditor::addRecord()
{
    const std::optional<Topic> topic = host_.currentTopic();
    TopicPanel *panel = topic >= Topic::Insurance ? panelAt(topic) : nullptr;
    if (!panel)
        return;
    bool cleared = false;
    {
        const EditState::Untracked untracked(host_.editState());
        cleared = runTrapped(
            host_.installation(), QStringLiteral("adding a record"), [panel] { panel->clear(); });
    }
    if (!cleared)
        return;
    bringToFront(*panel);
    beginEditing(host_);
}

void RecordEditor::editRecord()
{
    const std::optional<Topic> topic = host_.currentTopic();
    TopicPanel *panel = panelAt(topic);
    if (!panel)
        return;
    // A listed topic's viewer finds the list row's record and leaves it the
    // table's current row, which the panel then shows; the profile topics show
    // the profile the selector made current. With no record listed (or the
    // listed one gone) there is nothing to edit, and a record that cannot be
    // shown is not edited.
    const bool listed = gridLayout(*topic) != nullptr;
    bool shown = !listed;
    if (listed
        && !runTrapped(host_.installation(), QStringLiteral("showing a record"),
            [this, &shown] { shown = host_.showListedRecord(); }))
        return;
    if (!shown || !fill(*panel))
        return;
    bringToFront(*panel);
    beginEditing(host_);
}

void RecordEditor::cancelEditing()
{
    runTrapped(host_.installation(), QStringLiteral("cancelling the changes"), [this] {
        host_.editState().setMode(EditMode::Normal);
        host_.showTopic();
    });
}

void RecordEditor::newProfile()
{
    const EditState::Untracked untracked(host_.editState());
    if (host_.store().table(TableId::MainID).recordCount() > profileLimit) {
        prompter().ask(QStringLiteral("Database Limit"),
            QStringLiteral("You may not have more than  %1 records.  This is a synchronization "
                           "limit.")
                .arg(profileLimit));
        return;
    }
    runTrapped(host_.installation(), QStringLiteral("adding a new record"), [this] {
        host_.selectTopic(Topic::Personal);
        TopicPanel &profile = *panel(Topic::Personal);
        profile.clear();
        bringToFront(profile);
        host_.editState().setMode(EditMode::Add);
        // Before the window is shown at start-up the focus goes nowhere.
        profile.textBox(1)->setFocus();
    });
}

void RecordEditor::addEditListButtons(TopicPanel &panel)
{
    auto *layout = qobject_cast<QGridLayout *>(panel.layout());
    const auto &controls = panel.descriptor().controls;
    // Every Edit List button of the panel in one column, after its controls.
    const int buttonColumn = layout ? layout->columnCount() : 0;
    for (const EditListButton &button : editListButtons) {
        const auto offered = std::find_if(controls.begin(), controls.end(),
            [&](const PanelControl &control) { return control.master == button.list; });
        QComboBox *combo = offered == controls.end() ? nullptr : panel.combo(offered->row);
        if (!combo || !layout)
            continue;
        // On the line of the first control that offers the list.
        int line = 0, column = 0, lines = 0, columns = 0;
        layout->getItemPosition(layout->indexOf(combo), &line, &column, &lines, &columns);
        auto *edit = new QPushButton(QStringLiteral("Edit List..."), &panel);
        edit->setObjectName(QString::fromLatin1(button.name));
        layout->addWidget(edit, line, buttonColumn);
        connect(edit, &QPushButton::clicked, this,
            [this, &panel, index = button.index] { editList(panel, index); });
    }
}

void RecordEditor::editList(TopicPanel &panel, int index)
{
    keepingChoices(panel, [this, index] { host_.editMasterList(index); });
}

void RecordEditor::fillMasterLists(TopicPanel &shown)
{
    keepingChoices(shown, [this] { host_.fillMasterLists(); });
}

void RecordEditor::keepingChoices(TopicPanel &panel, const std::function<void()> &refill)
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
    refill();
    if (host_.closing())
        return;
    for (const Kept &k : kept) {
        if (k.combo->isEditable())
            k.combo->setEditText(k.text);
        else if (k.key.isValid())
            k.combo->setCurrentIndex(k.combo->findData(k.key));
    }
}

} // namespace vantorelle
