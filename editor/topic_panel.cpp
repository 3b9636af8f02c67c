#include "editor/topic_panel.h"

#include "editor/panel_hooks.h"
#include "settings/preferences.h"
#include "store/record_status.h"
#include "store/stored_dates.h"
#include "text/cp1252.h"
#include "text/stored_text.h"
#include "widgets/accessible_caption.h"
#include "widgets/date_time_picker.h"
#include "widgets/list_choice.h"
#include "widgets/text_box.h"
#include "widgets/typing_limit.h"

#include <QComboBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace vantorelle {

TopicPanel::TopicPanel(
    Topic topic, const PanelDescriptor &descriptor, const Preferences &preferences, QWidget *parent)
    : QGroupBox(ownText(descriptor.caption), parent)
    , keyBox(new QLineEdit(this))
    , idBox(new QLineEdit(this))
    , statusBox(new QLineEdit(this))
    , topic_(topic)
    , descriptor_(descriptor)
    , preferences_(preferences)
    , slots_(std::size_t(descriptor.fields->lastRow() + 1))
    , touched_(slots_.size(), false)
{
    setObjectName(QStringLiteral("frmButtons(%1)").arg(topicIndex(topic)));
    const QString boxes = ownText(descriptor.boxes);
    const HiddenBoxNames &names = descriptor.hiddenBoxes;
    keyBox->setObjectName(names.key.empty() ? boxes + QStringLiteral("Key") : ownText(names.key));
    idBox->setObjectName(names.id.empty() ? boxes + QStringLiteral("IDNum") : ownText(names.id));
    statusBox->setObjectName(
        names.status.empty() ? boxes + QStringLiteral("STATUS") : ownText(names.status));
    for (QLineEdit *hidden : {keyBox, idBox, statusBox})
        hidden->hide();
    build();
}

void TopicPanel::build()
{
    auto *layout = new QGridLayout(this);
    int line = -1;
    int besideColumn = 2;
    QComboBox *caption = nullptr; // a list standing as the caption of the control after it
    for (const PanelControl &control : descriptor_.controls) {
        Slot &slot = slots_[std::size_t(control.row)];
        slot.control = &control;
        QWidget *widget = makeControl(slot);
        widget->setObjectName(ownText(control.name));
        if (!control.heading.empty())
            layout->addWidget(new QLabel(ownText(control.heading), this), ++line, 0, 1, -1);
        if (control.asLabel) {
            layout->addWidget(widget, ++line, 0, Qt::AlignTop);
            besideColumn = 1;
            caption = slot.combo;
        } else if (control.label.empty() && line >= 0) {
            layout->addWidget(widget, line, besideColumn++);
            // Named by the item the list beside it shows, such as the phone's type.
            if (caption) {
                nameByCaption(*widget, caption->currentText());
                connect(caption, &QComboBox::currentTextChanged, widget,
                    [widget](const QString &text) { nameByCaption(*widget, text); });
            }
            caption = nullptr;
        } else {
            ++line;
            besideColumn = 2;
            // A label stands level with its one-line control, at the top of a notes box.
            const Qt::Alignment level
                = control.kind == ControlKind::Notes ? Qt::AlignTop : Qt::AlignVCenter;
            auto *label = new QLabel(ownText(control.label), this);
            layout->addWidget(label, line, 0, Qt::AlignLeft | level);
            layout->addWidget(widget, line, 1);
            captionControl(*label, *widget);
        }
    }
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(line + 1, 1);
}

QWidget *TopicPanel::makeControl(Slot &slot)
{
    const PanelControl &control = *slot.control;
    const int row = control.row;
    const auto touch = [this, row] {
        if (!filling_)
            touched_[std::size_t(row)] = true;
    };
    switch (control.kind) {
    case ControlKind::Text:
    case ControlKind::Notes:
        slot.text = new TextBox(
            control.kind == ControlKind::Notes ? TextBox::Lines::Many : TextBox::Lines::One, this);
        connect(slot.text, &TextBox::textChanged, this, touch);
        watch(row, slot.text->editor());
        return slot.text;
    case ControlKind::EditCombo:
    case ControlKind::ListCombo:
        slot.combo = new QComboBox(this);
        for (std::string_view item : control.items)
            slot.combo->addItem(ownText(item));
        if (control.kind == ControlKind::EditCombo) {
            slot.combo->setEditable(true);
            slot.combo->setInsertPolicy(QComboBox::NoInsert);
            slot.combo->setCompleter(nullptr);
            TypingLimit::of(slot.combo->lineEdit()); // its size comes with setTextLimits
            connect(slot.combo, &QComboBox::editTextChanged, this, touch);
            watch(row, slot.combo->lineEdit());
        } else {
            connect(slot.combo, &QComboBox::currentIndexChanged, this, touch);
        }
        slot.combo->setCurrentIndex(-1);
        watch(row, slot.combo);
        return slot.combo;
    case ControlKind::KeyList:
        // Filled by the master-list fill, each item carrying its master's Key.
        slot.combo = new QComboBox(this);
        connect(slot.combo, &QComboBox::currentIndexChanged, this, touch);
        watch(row, slot.combo);
        return slot.combo;
    case ControlKind::Date:
    case ControlKind::Time:
        slot.picker
            = new DateTimePicker(control.kind == ControlKind::Date ? DateTimePicker::Mode::Date
                                                                   : DateTimePicker::Mode::Time,
                this);
        slot.picker->setCheckBoxVisible(control.checkBox);
        connect(slot.picker, &DateTimePicker::changed, this, touch);
        if (control.enterNext != enterPasses)
            connect(
                slot.picker, &DateTimePicker::returnPressed, this, [this, row] { moveOn(row); });
        return slot.picker;
    }
    return nullptr;
}

void TopicPanel::watch(int row, QObject *keys)
{
    if (slots_[std::size_t(row)].control->enterNext == enterPasses)
        return;
    keys->setProperty("panelRow", row);
    keys->installEventFilter(this);
}

bool TopicPanel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            moveOn(watched->property("panelRow").toInt());
            return true;
        }
    }
    return QGroupBox::eventFilter(watched, event);
}

// Enter gives the focus to the next control of the panel's order; one that
// cannot take it now (hidden, disabled) leaves the focus where it is.
void TopicPanel::moveOn(int row)
{
    const int next = slots_[std::size_t(row)].control->enterNext;
    if (QWidget *target = slots_[std::size_t(next)].widget(); target && target->isEnabled())
        target->setFocus(Qt::TabFocusReason);
}

TextBox *TopicPanel::textBox(int row) const
{
    return slots_.at(std::size_t(row)).text;
}

QComboBox *TopicPanel::combo(int row) const
{
    return slots_.at(std::size_t(row)).combo;
}

DateTimePicker *TopicPanel::picker(int row) const
{
    return slots_.at(std::size_t(row)).picker;
}

void TopicPanel::setTextLimits()
{
    for (const Slot &slot : slots_) {
        if (!slot.control)
            continue;
        const int size = descriptor_.fields->row(slot.control->row).size;
        if (slot.text)
            slot.text->setMaxLength(size);
        else if (slot.combo && slot.combo->isEditable())
            TypingLimit::of(slot.combo->lineEdit())->setLimit(size);
    }
}

void TopicPanel::clear()
{
    const QScopedValueRollback filling(filling_, true);
    for (const Slot &slot : slots_) {
        if (!slot.control)
            continue;
        const bool now = slot.control->clear == ClearTo::Now;
        const QString cleared
            = slot.control->clear == ClearTo::Text ? ownText(slot.control->clearText) : QString();
        if (slot.text)
            slot.text->setText(cleared);
        else if (slot.combo && slot.combo->isEditable())
            slot.combo->setEditText(cleared);
        else if (slot.control->kind == ControlKind::KeyList)
            slot.combo->setCurrentIndex(-1);
        else if (slot.combo)
            showInList(*slot.combo, cleared);
        else if (now)
            slot.picker->setNow();
        else
            slot.picker->setNull();
    }
    if (descriptor_.afterClear)
        descriptor_.afterClear(*this, preferences_.display());
    if (hooks_)
        hooks_->afterClear();
    idBox->setText(ownText(newRecordId));
    statusBox->setText(ownText(RecordStatus::added));
    keyBox->setText(QString());
    stored_.clear();
    shownRow_.reset();
    std::fill(touched_.begin(), touched_.end(), false);
}

void TopicPanel::showRecord(const MemoryTable &table)
{
    const QScopedValueRollback filling(filling_, true);
    idBox->setText(shownText(table.value("REC_ID")));
    statusBox->setText(shownText(table.value("STATUS")));
    keyBox->setText(shownText(table.value("Key")));
    const FieldTable &fields = *descriptor_.fields;
    std::vector<std::string> stored(slots_.size());
    for (int row = 1; row <= fields.lastRow(); ++row)
        stored[std::size_t(row)] = table.value(fields.row(row).name);

    for (const Slot &slot : slots_) {
        if (!slot.control)
            continue;
        const std::string &value = stored[std::size_t(slot.control->row)];
        if (slot.text) {
            slot.text->setText(shownText(value));
        } else if (slot.control->kind == ControlKind::KeyList) {
            // The item of the stored Key; none for an empty Key or one the list lacks.
            slot.combo->setCurrentIndex(
                value.empty() ? -1 : slot.combo->findData(shownText(value)));
        } else if (slot.combo && slot.combo->isEditable()) {
            slot.combo->setEditText(shownText(value));
        } else if (slot.combo) {
            showInList(*slot.combo, shownText(value));
        } else if (slot.control->kind == ControlKind::Date) {
            slot.picker->setStoredText(shownText(value));
        } else if (value.empty() || (slot.control->midnightShowsNone && value == "00:00")) {
            if (slot.control->checkBoxOnNone)
                slot.picker->setCheckBoxVisible(true);
            slot.picker->setNull();
        } else {
            slot.picker->setStoredText(shownText(twelveHourTime(value)));
        }
    }
    stored_ = std::move(stored);
    shownRow_ = table.handle();
    std::fill(touched_.begin(), touched_.end(), false);
}

std::string TopicPanel::controlValue(const Slot &slot) const
{
    // A master list holds its items' keys beside their names.
    if (slot.control->kind == ControlKind::KeyList)
        return slot.combo->currentIndex() < 0 ? std::string()
                                              : storedText(slot.combo->currentData().toString());
    return slot.storedValue();
}

std::vector<std::string> TopicPanel::values() const
{
    std::vector<std::string> values(slots_.size());
    for (std::size_t row = 1; row < slots_.size(); ++row) {
        const Slot &slot = slots_[row];
        const bool shown = !stored_.empty();
        if (slot.control && (!shown || touched_[row]))
            values[row] = controlValue(slot);
        else if (shown)
            values[row] = stored_[row];
    }
    return values;
}

bool TopicPanel::blank(int row) const
{
    const Slot &slot = slots_.at(std::size_t(row));
    const bool chosenNow = slot.control && (stored_.empty() || touched_[std::size_t(row)]);
    // A master without a name counts as none chosen.
    if (chosenNow && slot.control->kind == ControlKind::KeyList)
        return slot.combo->currentIndex() < 0 || slot.combo->currentText().isEmpty();
    return values()[std::size_t(row)].empty();
}

} // namespace vantorelle
