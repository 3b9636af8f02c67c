#include "masters/master_list_editor.h"

#include "masters/master_panel.h"
#include "platform/prompter.h"
#include "settings/app_info.h"
#include "settings/error_box_and_logs.h"
#include "settings/error_trap.h"
#include "settings/preferences.h"
#include "store/criterion.h"
#include "store/listing_order.h"
#include "store/record_operations.h"
#include "store/record_status.h"
#include "store/store.h"
#include "text/stored_text.h"
#include "widgets/enter_key.h"
#include "widgets/tab_order.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace vantorelle {

namespace {

QPushButton *button(const char *name, const char *caption, QWidget *parent)
{
    auto *b = new QPushButton(QString::fromUtf8(caption), parent);
    b->setObjectName(QString::fromLatin1(name));
    // Enter in an entry control never presses a button of its own accord.
    b->setAutoDefault(false);
    return b;
}

// The Key column: REC_ID, STATUS, Key, then the table's own fields.
constexpr std::size_t keyColumn = 2;

} // namespace

MasterListEditor::MasterListEditor(MainWindowContext &context, MasterListId list, QWidget *parent)
    : QDialog(parent)
    , context_(context)
    , listChooser_(new QComboBox(this))
    , items_(new QListWidget(this))
    , panelStack_(new QStackedWidget(this))
    , newButton_(button("cmdNew", "&New", this))
    , editButton_(button("cmdEdit", "&Edit", this))
    , deleteButton_(button("cmdDelete", "&Delete", this))
    , saveButton_(button("cmdSave", "&Save", this))
    , cancelButton_(button("cmdCancel", "&Cancel", this))
    , closeButton_(button("cmdClose", "C&lose", this))
{
    setObjectName(QStringLiteral("frmEditMaster"));
    setWindowTitle(QStringLiteral("Edit Master List"));
    listChooser_->setObjectName(QStringLiteral("cboMasterList"));
    items_->setObjectName(QStringLiteral("lstMasterItems"));

    for (int i = 0; i < masterListCount; ++i) {
        const MasterListDefinition &definition = masterListDefinition(static_cast<MasterListId>(i));
        listChooser_->addItem(ownText(definition.title));
        auto *panel = new MasterPanel(definition, panelStack_);
        panel->setObjectName(QStringLiteral("fraMaster(%1)").arg(i));
        panel->setDatePreference(context_.preferences().display());
        panelStack_->addWidget(panel);
        panels_[std::size_t(i)] = panel;
    }

    auto *body = new QHBoxLayout;
    body->addWidget(items_, 2);
    body->addWidget(panelStack_, 3);
    auto *commands = new QHBoxLayout;
    for (QPushButton *b : {newButton_, editButton_, deleteButton_})
        commands->addWidget(b);
    commands->addStretch(1);
    commands->addWidget(saveButton_);
    commands->addWidget(cancelButton_);
    commands->addStretch(1);
    commands->addWidget(closeButton_);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(listChooser_);
    layout->addLayout(body, 1);
    layout->addLayout(commands);
    orderTabsByLayout(*this);
    resize(760, 560);

    connect(listChooser_, &QComboBox::currentIndexChanged, this, &MasterListEditor::listChosen);
    connect(items_, &QListWidget::currentRowChanged, this, [this] {
        runTrapped(context_.installation(), QStringLiteral("selecting a master record"),
            [this] { showSelectedItem(); });
    });
    connect(newButton_, &QPushButton::clicked, this, &MasterListEditor::newItem);
    connect(editButton_, &QPushButton::clicked, this, &MasterListEditor::editItem);
    connect(saveButton_, &QPushButton::clicked, this, &MasterListEditor::saveItem);
    connect(deleteButton_, &QPushButton::clicked, this, &MasterListEditor::deleteItem);
    connect(cancelButton_, &QPushButton::clicked, this, &MasterListEditor::cancelEditing);
    connect(closeButton_, &QPushButton::clicked, this, &MasterListEditor::closeEditor);

    setEditing(false);
    chooseList(list);
}

MasterListEditor::~MasterListEditor() = default;

void MasterListEditor::edit(MainWindowContext &context, MasterListId list, QWidget *parent)
{
    MasterListEditor editor(context, list, parent);
    editor.exec();
    // Ended by the end of the session with an item half typed: the item is
    // left out, as a record being typed is, and the log says so.
    const QString endedBy = context.sessionEndCause();
    if (editor.editing_ && !endedBy.isEmpty()) {
        logError(context.installation(),
            QStringLiteral("The program was ended by %1 while an item of the %2 was being "
                           "entered; what was typed was not saved.")
                .arg(endedBy, ownText(masterListDefinition(editor.list()).title)));
    }
}

void MasterListEditor::chooseList(MasterListId list)
{
    {
        const QSignalBlocker blocker(listChooser_);
        listChooser_->setCurrentIndex(static_cast<int>(list));
    }
    listChosen();
}

MasterListId MasterListEditor::list() const
{
    return static_cast<MasterListId>(std::max(listChooser_->currentIndex(), 0));
}

const MasterListDefinition &MasterListEditor::currentList() const
{
    return masterListDefinition(list());
}

MasterPanel &MasterListEditor::panel() const
{
    return *panels_[static_cast<std::size_t>(list())];
}

MemoryTable &MasterListEditor::table() const
{
    return context_.store().table(currentList().table);
}

void MasterListEditor::listChosen()
{
    runTrapped(context_.installation(), QStringLiteral("selecting a master list"), [this] {
        // A location or provider type added or renamed here is offered to
        // the providers at once.
        panel().fillMasterCombos(context_.store());
        fillItems();
        selectRow(0);
    });
}

void MasterListEditor::fillItems()
{
    const MasterListDefinition &current = currentList();
    panelStack_->setCurrentWidget(&panel());
    const QSignalBlocker blocker(items_);
    items_->clear();
    listed_.clear();
    shown_.reset();

    MemoryTable &rows = table();
    rows.setSort(listingSort(current.table));
    const std::size_t first = *rows.columnIndex(current.first);
    const auto second = current.second.empty() ? std::nullopt : rows.columnIndex(current.second);
    for (rows.moveFirst(); !rows.eof(); rows.moveNext()) {
        std::string line(rows.value(first));
        if (second)
            line.append(", ").append(rows.value(*second));
        items_->addItem(shownText(line));
        listed_.push_back({std::string(rows.value(keyColumn)), rows.handle()});
    }
}

void MasterListEditor::selectRow(int row)
{
    const bool any = !listed_.empty();
    editButton_->setVisible(any);
    deleteButton_->setVisible(any);
    {
        const QSignalBlocker blocker(items_);
        items_->setCurrentRow(any ? std::clamp(row, 0, int(listed_.size()) - 1) : -1);
    }
    runTrapped(context_.installation(), QStringLiteral("selecting a master record"),
        [this] { showSelectedItem(); });
}

void MasterListEditor::showSelectedItem()
{
    MasterPanel &shownPanel = panel();
    const int row = items_->currentRow();
    shown_.reset();
    if (row < 0 || std::size_t(row) >= listed_.size()) {
        // Nothing listed: nothing shown, not even a deleted item's values.
        shownPanel.clear();
        shownPanel.setEditable(false);
        return;
    }
    // The row the list was filled from; should it be gone, the item of the
    // row's Key. A Key is a literal: an apostrophe in a name is a character.
    const ListedItem &item = listed_[std::size_t(row)];
    MemoryTable &rows = table();
    std::optional<RowHandle> found;
    if (rows.isVisible(item.row) && rows.valueAt(item.row, keyColumn) == item.key) {
        found = item.row;
    } else if (rows.recordCount() > 0) {
        rows.moveFirst();
        if (rows.find(Criterion::equal("Key", item.key)))
            found = rows.handle();
    }
    if (found) {
        shown_ = ShownItem {std::string(rows.valueAt(*found, 0)),
            std::string(rows.valueAt(*found, 1)), item.key, *found};
        shownPanel.showItem(rows, *found);
    } else {
        shownPanel.clear();
    }
    shownPanel.setEditable(false);
}

void MasterListEditor::setEditing(bool editing)
{
    editing_ = editing;
    for (MasterPanel *p : panels_)
        p->setEditable(editing && p == &panel());
    saveButton_->setVisible(editing);
    cancelButton_->setVisible(editing);
    for (QWidget *browsing : std::initializer_list<QWidget *> {
             listChooser_, items_, newButton_, editButton_, deleteButton_})
        browsing->setEnabled(!editing);
    if (editing)
        panel().firstControl()->setFocus(Qt::OtherFocusReason);
    else
        items_->setFocus(Qt::OtherFocusReason);
}

void MasterListEditor::newItem()
{
    runTrapped(context_.installation(), QStringLiteral("adding a master record"), [this] {
        const MasterListDefinition &current = currentList();
        // Counted on the list: the items not deleted.
        if (items_->count() >= current.maximum) {
            prompter().ask(ownText(current.maximumTitle),
                ownText(current.maximumText) + QString::number(current.maximum) + QLatin1Char('.'));
            return;
        }
        shown_ = ShownItem {std::string(newRecordId), std::string(RecordStatus::added), {}, {}};
        panel().clear();
        setEditing(true);
    });
}

void MasterListEditor::editItem()
{
    runTrapped(context_.installation(), QStringLiteral("editing a master record"), [this] {
        if (shown_)
            setEditing(true);
    });
}

void MasterListEditor::saveItem()
{
    std::optional<RowHandle> saved;
    if (!runTrapped(context_.installation(), QStringLiteral("saving a master record"),
            [&] { saved = save(); })
        || !saved)
        return; // still editing, nothing stored
    setEditing(false);
    runTrapped(context_.installation(), QStringLiteral("selecting a master list"), [&] {
        fillItems();
        const auto at = std::find_if(listed_.begin(), listed_.end(),
            [&](const ListedItem &item) { return item.row == *saved; });
        selectRow(at == listed_.end() ? 0 : int(at - listed_.begin()));
    });
}

std::optional<RowHandle> MasterListEditor::save()
{
    const MasterListDefinition &current = currentList();
    const std::vector<std::string> values = panel().values();
    for (int row : current.required) {
        if (values[std::size_t(row)].empty()) {
            prompter().ask(QString::fromUtf8(AppInfo::title),
                ownText(current.blankLine1) + QStringLiteral("\r\n\r\n")
                    + ownText(current.blankLine2));
            return std::nullopt;
        }
    }
    if (!shown_)
        return std::nullopt;

    EditedRecord item;
    item.key = shown_->key;
    item.row = shown_->row;
    item.recId = shown_->recId;
    item.status = shown_->status;
    const FieldTable &fields = *current.fields;
    for (int row = 1; row <= fields.visibleCount; ++row)
        item.values.emplace_back(fields.row(row).name, values[std::size_t(row)]);
    // Every value, length and key is checked before a row is touched: the
    // item is stored whole, or not at all.
    const std::string_view name = current.keyedByName ? values[0] : std::string_view();
    return RecordOperations(context_.store()).saveMasterItem(current.table, item, name).row;
}

void MasterListEditor::deleteItem()
{
    const int row = items_->currentRow();
    if (row < 0 || std::size_t(row) >= listed_.size())
        return;
    const int answer = prompter().ask(QStringLiteral("Confirm Delete"),
        QStringLiteral("Do you really want to delete this list item?"), Prompter::YesNo,
        Prompter::Question);
    if (answer != Prompter::Yes)
        return;
    runTrapped(context_.installation(), QStringLiteral("deleting a record"), [&] {
        // The selected row's own record, never another of the same Key; the
        // list loses the row only once the record is deleted or marked.
        const ListedItem item = listed_[std::size_t(row)];
        if (table().isVisible(item.row) && table().valueAt(item.row, keyColumn) == item.key)
            RecordOperations(context_.store()).deleteRecord(currentList().table, item.row);
        fillItems();
        selectRow(row - 1);
    });
}

void MasterListEditor::cancelEditing()
{
    setEditing(false);
    runTrapped(context_.installation(), QStringLiteral("selecting a master record"),
        [this] { showSelectedItem(); });
}

void MasterListEditor::closeEditor()
{
    if (editing_) {
        const int answer = prompter().ask(QStringLiteral("Changes Pending"),
            QStringLiteral("Do you want to go back and save this item?"), Prompter::YesNo,
            Prompter::Question);
        if (answer == Prompter::Yes)
            return;
    }
    done(QDialog::Rejected);
}

void MasterListEditor::reject()
{
    closeEditor();
}

void MasterListEditor::keyPressEvent(QKeyEvent *event)
{
    if (isEnterKey(*event)) {
        clickFocusedButton(*this);
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

} // namespace vantorelle
