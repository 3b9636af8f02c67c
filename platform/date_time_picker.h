#pragma once

#include <QDate>
#include <QDateTime>
#include <QTime>
#include <QWidget>

class QCheckBox;
class QDateTimeEdit;

// A date or time edit that can also hold no value, for the entry panels.
//
// "No value" stands for the stored empty text "". With the check box shown it
// reads as an unticked box beside a blank, disabled edit, and ticking the box
// gives the present date or time. Without the check box the edit stays blank
// and enabled, and the first key, click or wheel turn in it gives the present
// date or time; a typed key or a click in the text then acts as usual, a step
// (arrow key, the edit's buttons, the wheel) goes no further.
class DateTimePicker : public QWidget {
    Q_OBJECT

public:
    enum class Mode { Date, Time };

    explicit DateTimePicker(Mode mode, QWidget *parent = nullptr);

    Mode mode() const { return mode_; }

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
    // Enter or Return was pressed in the picker.
    void returnPressed();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    // Every value change goes through here; emits `changed` when it is one.
    void setValue(bool null, QDate date, QTime time);
    void showState();
    void onEditChanged();
    void onCheckBoxToggled(bool checked);

    const Mode mode_;
    QCheckBox *checkBox_;
    QDateTimeEdit *edit_;
    bool checkBoxVisible_ = false;
    bool null_ = true;
    QDateTime editValue_; // the edit's value as last seen, to tell real changes
};
