#include "masters/master_panel.h"

#include "settings/picker_date_format.h"
#include "text/stored_text.h"
#include "widgets/accessible_caption.h"
#include "widgets/list_choice.h"
#include "widgets/typing_limit.h"

#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

#include <algorithm>

namespace vantorelle {

namespace {

const char *const rowProperty = "masterRow";

} // namespace

MasterPanel::MasterPanel(const MasterListDefinition &definition, QWidget *parent)
    : QGroupBox(ownText(definition.caption), parent)
    , definition_(definition)
    , slots_(std::size_t(definition.fields->lastRow() + 1))
    , touched_(slots_.size(), false)
{
    build();
}

void MasterPanel::build()
{
    auto *layout = new QGridLayout(this);
    int line = 0;
    for (const MasterControl &control : definition_.controls) {
        Slot &slot = slots_[std::size_t(control.row)];
        slot.control = &control;
        QWidget *widget = makeControl(slot);
        widget->setObjectName(ownText(control.name));
        widget->setEnabled(false);
        // A label stands level with a one-line control, at the top of a taller one.
        const Qt::Alignment level
            = control.kind == MasterControlKind::Lines ? Qt::AlignTop : Qt::AlignVCenter;
        auto *label = new QLabel(ownText(control.label), this);
        layout->addWidget(label, line, 0, Qt::AlignLeft | level);
        layout->addWidget(widget, line, 1);
        captionControl(*label, *widget);
        if (control.kind == MasterControlKind::Lines)
            layout->setRowStretch(line, 1);
        ++line;
    }
    layout->setColumnStretch(1, 1);
    // A panel of one-line controls keeps them together at the top.
    if (std::none_of(definition_.controls.begin(), definition_.controls.end(),
            [](const MasterControl &c) { return c.kind == MasterControlKind::Lines; }))
        layout->setRowStretch(line, 1);
}

int MasterPanel::sizeOf(const MasterControl &control) const
{
    return control.sizeFrom ? control.sizeFrom->row(control.sizeRow).size
                            : definition_.fields->row(control.row).size;
}

QWidget *MasterPanel::makeControl(Slot &slot)
{
    const MasterControl &control = *slot.control;
    const int row = control.row;
    const auto touch = [this, row] {
        if (!filling_)
            touched_[std::size_t(row)] = true;
    };
    QObject *keys = nullptr;
    switch (control.kind) {
    case MasterControlKind::Text:
    case MasterControlKind::Lines:
        slot.text = new TextBox(
            control.kind == MasterControlKind::Lines ? TextBox::Lines::Many : TextBox::Lines::One,
            this);
        slot.text->setMaxLength(sizeOf(control));
        connect(slot.text, &TextBox::textChanged, this, touch);
        keys = slot.text->editor();
        break;
    case MasterControlKind::FixedList:
    case MasterControlKind::KeyList:
        slot.combo = new QComboBox(this);
        for (std::string_view item : control.items)
            slot.combo->addItem(ownText(item));
        slot.combo->setCurrentIndex(-1);
        connect(slot.combo, &QComboBox::currentIndexChanged, this, touch);
        keys = slot.combo;
        break;
    case MasterControlKind::KeyCombo:
        slot.combo = new QComboBox(this);
        slot.combo->setEditable(true);
        slot.combo->setInsertPolicy(QComboBox::NoInsert);
        slot.combo->setCompleter(nullptr);
        TypingLimit::of(slot.combo->lineEdit())->setLimit(sizeOf(control));
        connect(slot.combo, &QComboBox::editTextChanged, this, touch);
        keys = slot.combo->lineEdit();
        break;
    case MasterControlKind::Date:
        slot.picker = new DateTimePicker(DateTimePicker::Mode::Date, this);
        slot.picker->setCheckBoxVisible(true);
        connect(slot.picker, &DateTimePicker::changed, this, touch);
        break;
    }
    if (keys && control.enterNext != noEnterMove) {
        keys->setProperty(rowProperty, row);
        keys->installEventFilter(this);
    }
    return slot.widget();
}

void MasterPanel::fillMasterCombos(Store &store)
{
    const QScopedValueRollback filling(filling_, true);
    for (const Slot &slot : slots_) {
        if (!slot.control || !slot.control->itemsFrom)
            continue;
        const MemoryTable &table = store.table(*slot.control->itemsFrom);
        const std::size_t key = *table.columnIndex("Key");
        slot.combo->clear();
        for (RowHandle row : table.rowsByValue(key, {}))
            slot.combo->addItem(shownText(table.valueAt(row, key)));
        slot.combo->setCurrentIndex(-1);
    }
}

void MasterPanel::setDatePreference(const DisplayPreferences &display)
{
    for (const Slot &slot : slots_) {
        if (slot.picker)
            applyDatePreference(*slot.picker, display);
    }
}

void MasterPanel::clear()
{
    const QScopedValueRollback filling(filling_, true);
    for (const Slot &slot : slots_) {
        if (slot.text)
            slot.text->setText(QString());
        else if (slot.picker)
            slot.picker->setNull();
        else if (slot.combo) {
            // Nothing of the item shown before is carried into the new one.
            showInList(*slot.combo, QString());
            slot.combo->clearEditText();
        }
    }
    stored_.clear();
    std::fill(touched_.begin(), touched_.end(), false);
}

void MasterPanel::showItem(const MemoryTable &table, RowHandle row)
{
    const QScopedValueRollback filling(filling_, true);
    const FieldTable &fields = *definition_.fields;
    std::vector<std::string> stored(slots_.size());
    stored[0] = table.valueAt(row, *table.columnIndex("Key"));
    for (int r = 1; r <= fields.lastRow(); ++r) {
        if (const auto column = table.columnIndex(fields.row(r).name))
            stored[std::size_t(r)] = table.valueAt(row, *column);
    }

    for (const Slot &slot : slots_) {
        if (!slot.control)
            continue;
        const QString value = shownText(stored[std::size_t(slot.control->row)]);
        if (slot.text)
            slot.text->setText(value);
        else if (slot.combo && slot.combo->isEditable())
            slot.combo->setEditText(value);
        else if (slot.combo)
            showInList(*slot.combo, value);
        else
            // The stored "yyyymmdd" as its year, month and day: never through
            // text formatted by the date preference.
            slot.picker->setStoredText(value);
    }
    stored_ = std::move(stored);
    std::fill(touched_.begin(), touched_.end(), false);
}

void MasterPanel::setEditable(bool editable)
{
    for (const Slot &slot : slots_) {
        if (QWidget *widget = slot.widget())
            widget->setEnabled(editable);
    }
}

QWidget *MasterPanel::control(int row) const
{
    if (row < 0 || std::size_t(row) >= slots_.size())
        return nullptr;
    return slots_[std::size_t(row)].widget();
}

QWidget *MasterPanel::firstControl() const
{
    return control(definition_.controls.front().row);
}

std::vector<std::string> MasterPanel::values() const
{
    const bool shown = !stored_.empty();
    std::vector<std::string> values(slots_.size());
    for (std::size_t row = 0; row < slots_.size(); ++row) {
        const Slot &slot = slots_[row];
        if (slot.control && (!shown || touched_[row]))
            values[row] = slot.storedValue();
        else if (shown)
            values[row] = stored_[row];
    }
    return values;
}

bool MasterPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            const int row = watched->property(rowProperty).toInt();
            const int next = slots_[std::size_t(row)].control->enterNext;
            if (QWidget *target = control(next); target && target->isEnabled())
                target->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

} // namespace vantorelle
