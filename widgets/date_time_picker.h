#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QWidget>

#include <optional>
#include <vector>

class QCheckBox;
class QDateTimeEdit;
class QLineEdit;

namespace vantorelle {

// A date or time edit that can also hold no value, for the entry panels.
//
// "No value" stands for the stored empty text "". With the check box shown it
// reads as an unticked box beside a blank, disabled edit, and ticking the box
// gives the present date or time. A digit typed on the box does what ticking
// it and typing the digit in the edit would: a person who tabs onto the box
// and types the date gets that date (Space still ticks and unticks). Without
// the check box the edit stays blank and enabled, and the first key, click or
// wheel turn in it gives the present date or time; a typed key or a click in
// the text then acts as usual, a step (arrow key, the edit's buttons, the
// wheel) goes no further.
//
// Tab comes to the box, then to the edit, ticked or not (an unticked box's
// edit is off and passed over), and Shift+Tab back the same way; focus given
// to the picker itself goes to its edit, or to the box while the edit is off.
//
// Typing is the picker's own, so that what people type gives the value they
// mean. A section takes digits until it is full or no further digit could
// follow, then moves on by itself; a separator (any character but a digit or
// a letter) moves to the next section, unless the section has just moved on:
// "3/5/2024" and "03052024" are the same date. A time's hour is taken as
// typed on the 24-hour clock ("8" is 8 AM, "20" 8 PM), and "a" or "p" sets the
// half of the day ("12a" is midnight). While the typed parts make a date or
// time, the picker holds it; when the typing ends (another key the edit acts
// on, Enter, a shortcut's command, leaving the picker) on parts that make none
// (02/30/2024, a year cut short), the picker goes back to the value it held
// before the typing, and beeps. A key that types nothing and that neither a
// shortcut nor the edit takes (Ctrl or Alt with a letter, as a person looking
// for a menu presses) leaves the typing as it was. Another window made active
// is no leaving: back in the window, the typing goes on where it stopped.
class DateTimePicker : public QWidget {
    Q_OBJECT

public:
    enum class Mode { Date, Time };
    // The order of the parts of a shown date.
    enum class DateOrder { MonthDayYear, DayMonthYear, YearMonthDay };

    explicit DateTimePicker(Mode mode, QWidget *parent = nullptr);

    Mode mode() const { return mode_; }

    // Date mode: shows dates in `order` with `separator` between the parts and
    // the year in four digits. Until set: month, day, year with "/".
    void setDateFormat(DateOrder order, const QString &separator);

    bool isCheckBoxVisible() const { return checkBoxVisible_; }
    void setCheckBoxVisible(bool visible);

    bool isNull() const { return null_; }
    void setNull();

    // Date mode only. The null date while the picker holds no value; setting
    // an invalid date clears the picker.
    QDate date() const;
    void setDate(QDate date);

    // Time mode only, to the minute. The null time while the picker holds no
    // value; setting an invalid time clears the picker.
    QTime time() const;
    void setTime(QTime time);

    // The present date or time, from the program's clock.
    void setNow();

    // The value as the tables store it: "yyyymmdd" or "HH:mm" (24-hour), ""
    // for no value.
    QString storedText() const;
    // Sets the value from stored text: "" gives no value; a date is "yyyymmdd";
    // a time is "HH:mm" or the 12-hour "h:mm AM"/"h:mm PM". Text that is no
    // valid date or time leaves the picker without a value and answers false.
    bool setStoredText(const QString &text);

signals:
    // The value changed, no value included: by the user (typing, stepping,
    // the calendar, the check box) and by the program (every setter), as the
    // panels' change handlers expect. Not emitted when a setter gives the value
    // the picker already holds.
    void changed();
    // Enter or Return was pressed in the picker. While nothing is connected,
    // the key goes on to the window, as from any edit.
    void returnPressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // The parts of a value, one per section of the edit.
    enum class Part { Year, Month, Day, Hour, Minute, Half };
    // The value's parts while the user types (the hour on the 24-hour clock),
    // the section being typed and its digits so far.
    struct Typing {
        int year = 0, month = 0, day = 0, hour = 0, minute = 0;
        std::size_t section = 0;
        QString digits;
        bool movedOn = false; // the last key filled or ended its section
        // The value the typing began from.
        bool startNull = false;
        QDate startDate;
        QTime startTime;

        int part(Part which) const;
        void setPart(Part which, int value);
    };

    // Every value change goes through here; emits `changed` when it is one.
    void setValue(bool null, QDate date, QTime time);
    void showState();
    void onEditChanged();
    void onCheckBoxToggled(bool checked);
    // A digit typed while the check box has the focus.
    void typeOnCheckBox(QChar digit);
    // Ctrl, Alt or the logo key with a letter or a digit, which no shortcut
    // took (it would not have come) and which is none of the edit's own keys
    // (select all, copy, paste, undo...): a key that does nothing.
    bool isIdleChord(const QKeyEvent *key) const;
    void setParts(std::vector<Part> parts, std::vector<QString> separators);

    // A typed character, `fromNull` when the key has just given the picker its
    // first value.
    void type(QChar typed, bool fromNull);
    void typeDigit(Typing &typing, int digit);
    // The parts of the value held, the edit's current section the one to type.
    Typing heldParts() const;
    // Takes the typed parts when they make a value, and shows what was typed.
    void takeTyping();
    // Ends the typing: typed parts that make no value give back the value it
    // began from.
    void endTyping();
    // The value the parts make; false when they make none.
    bool partsValue(const Typing &typing, QDate &date, QTime &time) const;
    // Shows the parts in the edit, the section being typed selected.
    void showParts(const Typing &typing);
    // The edit's text for the parts, and where in it the section being typed is.
    QString partsText(
        const Typing &typing, qsizetype &sectionStart, qsizetype &sectionLength) const;

    const Mode mode_;
    QCheckBox *checkBox_;
    QDateTimeEdit *edit_;
    QLineEdit *text_; // the edit's text
    // Ends the typing before a shortcut's command runs, so that a Save acts on
    // the value the typing ends on; watches the application while the edit
    // has the focus.
    QObject *shortcutWatch_;
    bool checkBoxVisible_ = false;
    bool null_ = true;
    QDateTime editValue_; // the edit's value as last seen, to tell real changes
    std::vector<Part> parts_; // the sections of the edit, in the order shown
    std::vector<QString> separators_; // the text after each section but the last
    std::optional<Typing> typing_;
};

} // namespace vantorelle
