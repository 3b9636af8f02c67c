#include "widgets/date_time_picker.h"

#include "store/clock.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QDateEdit>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QMetaMethod>
#include <QSignalBlocker>
#include <QTimeEdit>

#include <algorithm>
#include <functional>

namespace vantorelle {

namespace {

// The edit's lowest value doubles as "no value": while the picker holds none the
// edit sits there and shows its special text, a blank.
const QString blank = QStringLiteral(" ");
const QDate firstDate(100, 1, 1);

// Text put in a display format as it stands.
QString literal(const QString &text)
{
    if (text.isEmpty())
        return text;
    QString quoted = text;
    quoted.replace(u'\'', QStringLiteral("''"));
    return u'\'' + quoted + u'\'';
}

// A key that types a character into the value.
bool isTypedKey(const QKeyEvent *event)
{
    return !event->text().isEmpty() && event->text().front().isPrint()
        && !event->modifiers().testAnyFlags(
            Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
}

// Keys that move on or act on the window rather than edit the value.
bool isPassingKey(const QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Meta:
        return true;
    default:
        return event->modifiers().testAnyFlags(
            Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    }
}

// A key that only changes what the next key types or does.
bool isModifierKey(int key)
{
    switch (key) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta:
    case Qt::Key_CapsLock:
    case Qt::Key_NumLock:
        return true;
    default:
        return false;
    }
}

bool isStepKey(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp
        || key == Qt::Key_PageDown;
}

// Calls `act` as a shortcut is about to run its command, while it filters the
// application's events. A shortcut's key never reaches the control with the
// focus: the command comes in its place.
class ShortcutWatch : public QObject {
public:
    ShortcutWatch(QObject *parent, std::function<void()> act)
        : QObject(parent)
        , act_(std::move(act))
    {
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Shortcut)
            act_();
        return false;
    }

private:
    std::function<void()> act_;
};

} // namespace

DateTimePicker::DateTimePicker(Mode mode, QWidget *parent)
    : QWidget(parent)
    , mode_(mode)
    , checkBox_(new QCheckBox(this))
    , edit_(mode == Mode::Date ? static_cast<QDateTimeEdit *>(new QDateEdit(this))
                               : new QTimeEdit(this))
    , text_(edit_->findChild<QLineEdit *>())
    , shortcutWatch_(new ShortcutWatch(this, [this] { endTyping(); }))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(checkBox_);
    layout->addWidget(edit_, 1);

    // Digits and "AM"/"PM" whatever the user's locale, so that the edit shows
    // the text the typing makes; the calendar keeps the user's own.
    edit_->setLocale(QLocale::c());
    if (mode == Mode::Date) {
        edit_->setMinimumDate(firstDate);
        edit_->setCalendarPopup(true);
        edit_->calendarWidget()->setLocale(QLocale());
        setDateFormat(DateOrder::MonthDayYear, QStringLiteral("/"));
    } else {
        setParts(
            {Part::Hour, Part::Minute, Part::Half}, {QStringLiteral(":"), QStringLiteral(" ")});
    }
    edit_->installEventFilter(this);
    text_->installEventFilter(this);
    checkBox_->installEventFilter(this);

    connect(edit_, &QDateTimeEdit::dateTimeChanged, this, &DateTimePicker::onEditChanged);
    connect(checkBox_, &QCheckBox::toggled, this, &DateTimePicker::onCheckBoxToggled);
    showState();
}

void DateTimePicker::setCheckBoxVisible(bool visible)
{
    checkBoxVisible_ = visible;
    showState();
}

void DateTimePicker::setDateFormat(DateOrder order, const QString &separator)
{
    Q_ASSERT(mode_ == Mode::Date);
    switch (order) {
    case DateOrder::MonthDayYear:
        setParts({Part::Month, Part::Day, Part::Year}, {separator, separator});
        break;
    case DateOrder::DayMonthYear:
        setParts({Part::Day, Part::Month, Part::Year}, {separator, separator});
        break;
    case DateOrder::YearMonthDay:
        setParts({Part::Year, Part::Month, Part::Day}, {separator, separator});
        break;
    }
}

void DateTimePicker::setParts(std::vector<Part> parts, std::vector<QString> separators)
{
    typing_.reset();
    parts_ = std::move(parts);
    separators_ = std::move(separators);
    QString format;
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        static const QString patterns[] = {QStringLiteral("yyyy"), QStringLiteral("MM"),
            QStringLiteral("dd"), QStringLiteral("h"), QStringLiteral("mm"), QStringLiteral("AP")};
        format += patterns[int(parts_[i])];
        if (i < separators_.size())
            format += literal(separators_[i]);
    }
    {
        const QSignalBlocker block(edit_);
        edit_->setDisplayFormat(format);
    }
    showState();
}

void DateTimePicker::setNull()
{
    typing_.reset();
    setValue(true, {}, {});
}

QDate DateTimePicker::date() const
{
    Q_ASSERT(mode_ == Mode::Date);
    return null_ ? QDate() : edit_->date();
}

void DateTimePicker::setDate(QDate date)
{
    Q_ASSERT(mode_ == Mode::Date);
    typing_.reset();
    setValue(!date.isValid(), date, {});
}

QTime DateTimePicker::time() const
{
    Q_ASSERT(mode_ == Mode::Time);
    return null_ ? QTime() : edit_->time();
}

void DateTimePicker::setTime(QTime time)
{
    Q_ASSERT(mode_ == Mode::Time);
    typing_.reset();
    setValue(!time.isValid(), {}, QTime(time.hour(), time.minute()));
}

void DateTimePicker::setNow()
{
    const LocalDateTime now = Clock::current().now();
    if (mode_ == Mode::Date)
        setDate(QDate(now.year, now.month, now.day));
    else
        setTime(QTime(now.hour, now.minute));
}

QString DateTimePicker::storedText() const
{
    if (null_)
        return {};
    return mode_ == Mode::Date ? edit_->date().toString(u"yyyyMMdd")
                               : edit_->time().toString(u"HH:mm");
}

bool DateTimePicker::setStoredText(const QString &text)
{
    if (text.isEmpty()) {
        setNull();
        return true;
    }
    if (mode_ == Mode::Date) {
        QDate date;
        bool digits = text.size() == 8;
        for (QChar c : text)
            digits = digits && c >= u'0' && c <= u'9';
        if (digits)
            date = QDate(text.left(4).toInt(), text.mid(4, 2).toInt(), text.mid(6, 2).toInt());
        if (date < firstDate)
            date = {};
        setDate(date);
        return date.isValid();
    }
    QTime time = QTime::fromString(text, u"H:mm");
    if (!time.isValid())
        time = QTime::fromString(text, u"h:mm AP");
    setTime(time);
    return time.isValid();
}

bool DateTimePicker::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == checkBox_) {
        if (event->type() == QEvent::KeyPress) {
            const auto *key = static_cast<QKeyEvent *>(event);
            if (const QChar c = isTypedKey(key) ? key->text().front() : QChar();
                c >= u'0' && c <= u'9') {
                typeOnCheckBox(c);
                return true;
            }
        }
        return QWidget::eventFilter(watched, event);
    }

    // A picker without a check box is given a value by starting to edit it. A
    // step (arrow key, the edit's buttons, the wheel) only brings the present
    // value: stepping from the hidden lowest value would be meaningless.
    const bool startsFromNull = null_ && !checkBoxVisible_;
    if (startsFromNull) {
        bool starts = false;
        bool consumed = false;
        switch (event->type()) {
        case QEvent::KeyPress: {
            const auto *key = static_cast<QKeyEvent *>(event);
            starts = !isPassingKey(key);
            consumed = isStepKey(key->key());
            break;
        }
        case QEvent::MouseButtonPress:
            starts = true;
            consumed = watched == edit_; // outside the text: the buttons
            break;
        case QEvent::Wheel:
            starts = consumed = true;
            break;
        default:
            break;
        }
        if (starts) {
            setNow();
            if (consumed)
                return true;
        }
    }

    switch (event->type()) {
    case QEvent::KeyPress:
        if (const auto *key = static_cast<QKeyEvent *>(event); isTypedKey(key) && !null_) {
            type(key->text().front(), startsFromNull);
            return true;
        } else if (isIdleChord(key)) {
            return true; // the edit would take an Alt or logo key with a digit as the digit
        } else if (!isModifierKey(key->key())) {
            endTyping();
        }
        break;
    case QEvent::MouseButtonPress:
    case QEvent::Wheel:
        endTyping();
        break;
    case QEvent::FocusIn:
        if (watched == edit_)
            qApp->installEventFilter(shortcutWatch_);
        break;
    case QEvent::FocusOut:
        if (watched == edit_)
            qApp->removeEventFilter(shortcutWatch_);
        // Another window made active is no end of the typing: it goes on
        // when the window comes back.
        if (static_cast<QFocusEvent *>(event)->reason() != Qt::ActiveWindowFocusReason)
            endTyping();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

// No Tab stop of its own (no focus proxy either, which Tab would stop at in
// the picker's place): its parts are the stops.
void DateTimePicker::focusInEvent(QFocusEvent *event)
{
    (edit_->isEnabled() ? static_cast<QWidget *>(edit_) : checkBox_)->setFocus(event->reason());
}

void DateTimePicker::keyPressEvent(QKeyEvent *event)
{
    // The edit and the check box leave Enter to their parent. A panel that
    // moves on with Enter takes it; elsewhere it goes on to the window as from
    // any edit, to a dialog's default button.
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && isSignalConnected(QMetaMethod::fromSignal(&DateTimePicker::returnPressed))) {
        emit returnPressed();
        event->accept();
        return;
    }
    QWidget::keyPressEvent(event);
}

void DateTimePicker::setValue(bool null, QDate date, QTime time)
{
    const bool same = null == null_
        && (null || (mode_ == Mode::Date ? date == edit_->date() : time == edit_->time()));
    null_ = null;
    if (!null) {
        const QSignalBlocker block(edit_);
        edit_->setSpecialValueText({});
        if (mode_ == Mode::Date)
            edit_->setDate(date);
        else
            edit_->setTime(time);
    }
    showState();
    if (!same)
        emit changed();
}

void DateTimePicker::showState()
{
    {
        const QSignalBlocker block(edit_);
        edit_->setSpecialValueText(null_ ? blank : QString());
        if (null_)
            edit_->setDateTime(edit_->minimumDateTime());
    }
    {
        const QSignalBlocker block(checkBox_);
        checkBox_->setChecked(!null_);
    }
    editValue_ = edit_->dateTime();
    checkBox_->setVisible(checkBoxVisible_);
    edit_->setEnabled(!(null_ && checkBoxVisible_));
}

void DateTimePicker::onEditChanged()
{
    // The edit also reports its value unchanged, when Enter confirms it.
    if (edit_->dateTime() == editValue_)
        return;
    editValue_ = edit_->dateTime();
    // The user changed the edit. Were the picker still without a value (a way
    // round the event filter), the change gives it one.
    if (null_) {
        null_ = false;
        showState();
    }
    emit changed();
}

void DateTimePicker::onCheckBoxToggled(bool checked)
{
    if (checked)
        setNow();
    else
        setNull();
}

void DateTimePicker::typeOnCheckBox(QChar digit)
{
    // Ticked as by the user, so that whoever watches the box (change
    // tracking, a default shown) sees a tick first.
    checkBox_->setChecked(true);
    if (null_)
        return; // a handler took the value back
    edit_->setFocus(Qt::OtherFocusReason);
    // The digit begins the first section, whichever the edit had.
    endTyping();
    typing_ = heldParts();
    typing_->section = 0;
    type(digit, false);
}

bool DateTimePicker::isIdleChord(const QKeyEvent *key) const
{
    const int code = key->key();
    if (!((code >= Qt::Key_A && code <= Qt::Key_Z) || (code >= Qt::Key_0 && code <= Qt::Key_9))
        || !key->modifiers().testAnyFlags(Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    // The edit claims its own keys before any shortcut, when asked.
    QKeyEvent claim(QEvent::ShortcutOverride, code, key->modifiers(), key->text());
    claim.ignore();
    QCoreApplication::sendEvent(text_, &claim);
    return !claim.isAccepted();
}

// ---- Typing

int DateTimePicker::Typing::part(Part which) const
{
    switch (which) {
    case Part::Year:
        return year;
    case Part::Month:
        return month;
    case Part::Day:
        return day;
    case Part::Minute:
        return minute;
    case Part::Hour:
    case Part::Half:
        break;
    }
    return hour;
}

void DateTimePicker::Typing::setPart(Part which, int value)
{
    switch (which) {
    case Part::Year:
        year = value;
        break;
    case Part::Month:
        month = value;
        break;
    case Part::Day:
        day = value;
        break;
    case Part::Minute:
        minute = value;
        break;
    case Part::Hour:
    case Part::Half:
        hour = value;
        break;
    }
}

DateTimePicker::Typing DateTimePicker::heldParts() const
{
    Typing parts;
    const QDate date = edit_->date();
    const QTime time = edit_->time();
    parts.year = date.year();
    parts.month = date.month();
    parts.day = date.day();
    parts.hour = time.hour();
    parts.minute = time.minute();
    parts.section
        = std::size_t(std::clamp(edit_->currentSectionIndex(), 0, int(parts_.size()) - 1));
    parts.startNull = null_;
    parts.startDate = date;
    parts.startTime = time;
    return parts;
}

void DateTimePicker::type(QChar typed, bool fromNull)
{
    if (!typing_) {
        typing_ = heldParts();
        if (fromNull) {
            // The key that gave the present value begins the first section.
            typing_->section = 0;
            typing_->startNull = true;
        }
    }
    Typing &typing = *typing_;
    const char16_t c = typed.toLower().unicode();
    const auto half = std::find(parts_.begin(), parts_.end(), Part::Half);
    if (c >= u'0' && c <= u'9') {
        if (parts_[typing.section] != Part::Half)
            typeDigit(typing, c - u'0');
    } else if (half != parts_.end() && (c == u'a' || c == u'p')) {
        typing.hour = typing.hour % 12 + (c == u'p' ? 12 : 0);
        typing.section = std::size_t(half - parts_.begin());
        typing.digits.clear();
        typing.movedOn = true;
    } else if (typed.isLetter()) {
        // Such as the "m" of "am": nothing to do.
    } else if (!typing.movedOn) {
        // A separator; one typed right after the section moved on (by itself
        // or by a separator) is taken as that move.
        typing.digits.clear();
        typing.movedOn = true;
        if (typing.section + 1 < parts_.size())
            ++typing.section;
    }
    takeTyping();
}

void DateTimePicker::typeDigit(Typing &typing, int digit)
{
    const Part part = parts_[typing.section];
    typing.digits += QChar(u'0' + digit);
    const int value = typing.digits.toInt();
    typing.setPart(part, value);

    // The section is full at its width, or when no further digit could follow.
    const int largest = part == Part::Year ? 9999
        : part == Part::Month              ? 12
        : part == Part::Day                ? 31
        : part == Part::Hour               ? 23
                                           : 59;
    const bool full = typing.digits.size() == (part == Part::Year ? 4 : 2) || value * 10 > largest;
    typing.movedOn = full;
    if (full) {
        typing.digits.clear();
        if (typing.section + 1 < parts_.size())
            ++typing.section;
    }
}

bool DateTimePicker::partsValue(const Typing &typing, QDate &date, QTime &time) const
{
    if (mode_ == Mode::Date) {
        date = QDate(typing.year, typing.month, typing.day);
        return date.isValid() && date >= firstDate;
    }
    time = QTime(typing.hour, typing.minute);
    return time.isValid();
}

void DateTimePicker::takeTyping()
{
    QDate date;
    QTime time;
    if (partsValue(*typing_, date, time))
        setValue(false, date, time);
    // A handler of `changed` that set a value has ended the typing.
    if (typing_)
        showParts(*typing_);
}

void DateTimePicker::endTyping()
{
    if (!typing_)
        return;
    const Typing typing = *typing_;
    typing_.reset();
    QDate date;
    QTime time;
    if (!partsValue(typing, date, time)) {
        // No such date or time: what was typed is refused as a whole.
        QApplication::beep();
        setValue(typing.startNull, typing.startDate, typing.startTime);
    }
    if (!null_) {
        Typing held = heldParts();
        held.section = typing.section;
        showParts(held);
    }
}

QString DateTimePicker::partsText(
    const Typing &typing, qsizetype &sectionStart, qsizetype &sectionLength) const
{
    QString text;
    for (std::size_t i = 0; i < parts_.size(); ++i) {
        QString section;
        if (i == typing.section && !typing.digits.isEmpty()) {
            section = typing.digits;
        } else {
            switch (parts_[i]) {
            case Part::Year:
                section = QStringLiteral("%1").arg(typing.year, 4, 10, QChar(u'0'));
                break;
            case Part::Month:
            case Part::Day:
            case Part::Minute:
                section = QStringLiteral("%1").arg(typing.part(parts_[i]), 2, 10, QChar(u'0'));
                break;
            case Part::Hour:
                section = QString::number(typing.hour > 23 ? typing.hour
                        : typing.hour % 12 == 0            ? 12
                                                           : typing.hour % 12);
                break;
            case Part::Half:
                section = typing.hour < 12 ? QStringLiteral("AM") : QStringLiteral("PM");
                break;
            }
        }
        if (i == typing.section) {
            sectionStart = text.size();
            sectionLength = section.size();
        }
        text += section;
        if (i < separators_.size())
            text += separators_[i];
    }
    return text;
}

void DateTimePicker::showParts(const Typing &typing)
{
    // The edit keeps a section of its own, for the keys it handles. It learns
    // it from the cursor, reading the text then; given the text of the value
    // held, that reading changes nothing.
    Typing held = heldParts();
    held.section = typing.section;
    qsizetype start = 0;
    qsizetype length = 0;
    {
        const QSignalBlocker block(text_);
        text_->setText(partsText(held, start, length));
    }
    edit_->setCurrentSectionIndex(int(typing.section));

    // What was typed is written past the edit's own reading, which would take
    // it its way (a 30 in February read as the 28th or 29th); the value has
    // been set already.
    const QSignalBlocker block(text_);
    const QValidator *reading = text_->validator();
    text_->setValidator(nullptr);
    text_->setText(partsText(typing, start, length));
    text_->setValidator(reading);
    text_->setSelection(int(start), int(length));
}

} // namespace vantorelle
