#include "platform/date_time_picker.h"

#include "store/clock.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLocale>
#include <QSignalBlocker>
#include <QTimeEdit>

namespace {

// The edit's lowest value doubles as "no value": while the picker holds none the
// edit sits there and shows its special text, a blank.
const QString blank = QStringLiteral(" ");
const QDate firstDate(100, 1, 1);

// The locale's short date, with the year in full so that birth dates can be typed.
QString shortDateFormat()
{
    QString format = QLocale().dateFormat(QLocale::ShortFormat);
    if (!format.contains(u"yyyy"))
        format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
    return format;
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

bool isStepKey(int key)
{
    return key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp
        || key == Qt::Key_PageDown;
}

} // namespace

DateTimePicker::DateTimePicker(Mode mode, QWidget *parent)
    : QWidget(parent)
    , mode_(mode)
    , checkBox_(new QCheckBox(this))
    , edit_(mode == Mode::Date ? static_cast<QDateTimeEdit *>(new QDateEdit(this))
                               : new QTimeEdit(this))
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(checkBox_);
    layout->addWidget(edit_, 1);

    if (mode == Mode::Date) {
        edit_->setMinimumDate(firstDate);
        edit_->setDisplayFormat(shortDateFormat());
        edit_->setCalendarPopup(true);
    } else {
        edit_->setDisplayFormat(QStringLiteral("h:mm AP"));
    }
    edit_->installEventFilter(this);
    if (auto *text = edit_->findChild<QLineEdit *>())
        text->installEventFilter(this);

    connect(edit_, &QDateTimeEdit::dateTimeChanged, this, &DateTimePicker::onEditChanged);
    connect(checkBox_, &QCheckBox::toggled, this, &DateTimePicker::onCheckBoxToggled);
    showState();
}

void DateTimePicker::setCheckBoxVisible(bool visible)
{
    checkBoxVisible_ = visible;
    showState();
}

void DateTimePicker::setNull()
{
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
    // A picker without a check box is given a value by starting to edit it. A
    // step (arrow key, the edit's buttons, the wheel) only brings the present
    // value: stepping from the hidden lowest value would be meaningless.
    if (null_ && !checkBoxVisible_) {
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
    return QWidget::eventFilter(watched, event);
}

void DateTimePicker::keyPressEvent(QKeyEvent *event)
{
    // The edit and the check box leave Enter to their parent.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
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
    setFocusProxy(edit_->isEnabled() ? static_cast<QWidget *>(edit_) : checkBox_);
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
