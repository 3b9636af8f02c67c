#include <gtest/gtest.h>

#include "platform/date_time_picker.h"
#include "store/clock.h"

#include <QApplication>
#include <QCheckBox>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QLocale>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <functional>

namespace {

class DateTimePickerTest : public ::testing::Test {
protected:
    DateTimePickerTest() { Clock::install(&clock); }
    ~DateTimePickerTest() override { Clock::install(nullptr); }

    static QDateTimeEdit *editOf(DateTimePicker &picker)
    {
        return picker.findChild<QDateTimeEdit *>();
    }
    static QCheckBox *checkBoxOf(DateTimePicker &picker) { return picker.findChild<QCheckBox *>(); }

    FixedClock clock {{2024, 3, 15, 14, 20, 45}};
};

} // namespace

TEST_F(DateTimePickerTest, HoldsNoValueOrAValue)
{
    DateTimePicker picker(DateTimePicker::Mode::Date);
    QSignalSpy changed(&picker, &DateTimePicker::changed);
    EXPECT_TRUE(picker.isNull());
    EXPECT_FALSE(picker.date().isValid());
    EXPECT_EQ(picker.storedText(), "");

    // Program changes are changes too, as the panels' handlers expect.
    picker.setDate(QDate(2024, 2, 29));
    EXPECT_FALSE(picker.isNull());
    EXPECT_EQ(picker.date(), QDate(2024, 2, 29));
    EXPECT_EQ(picker.storedText(), "20240229");
    EXPECT_EQ(changed.count(), 1);

    picker.setDate(QDate(2024, 2, 29));
    EXPECT_EQ(changed.count(), 1) << "the same value is no change";

    picker.setNull();
    EXPECT_TRUE(picker.isNull());
    EXPECT_EQ(picker.storedText(), "");
    EXPECT_EQ(changed.count(), 2);
    picker.setNull();
    EXPECT_EQ(changed.count(), 2);

    picker.setDate(QDate());
    EXPECT_TRUE(picker.isNull());

    picker.setNow();
    EXPECT_EQ(picker.storedText(), "20240315");
    EXPECT_EQ(changed.count(), 3);
}

TEST_F(DateTimePickerTest, NowIsTheClockToTheMinute)
{
    DateTimePicker picker(DateTimePicker::Mode::Time);
    picker.setNow();
    EXPECT_EQ(picker.time(), QTime(14, 20));
    EXPECT_EQ(picker.storedText(), "14:20");
}

TEST_F(DateTimePickerTest, StoredTextRoundTrips)
{
    const struct {
        DateTimePicker::Mode mode;
        const char *text;
        bool valid;
        const char *stored;
    } cases[] = {
        {DateTimePicker::Mode::Date, "20240229", true, "20240229"},
        {DateTimePicker::Mode::Date, "19000101", true, "19000101"},
        {DateTimePicker::Mode::Date, "17520914", true, "17520914"},
        {DateTimePicker::Mode::Date, "99991231", true, "99991231"},
        {DateTimePicker::Mode::Date, "", true, ""},
        {DateTimePicker::Mode::Date, "20230229", false, ""},
        {DateTimePicker::Mode::Date, "20241301", false, ""},
        {DateTimePicker::Mode::Date, "2024", false, ""},
        {DateTimePicker::Mode::Date, "202402291", false, ""},
        {DateTimePicker::Mode::Date, "2024-2-1", false, ""},
        {DateTimePicker::Mode::Date, "00000101", false, ""},
        {DateTimePicker::Mode::Time, "13:05", true, "13:05"},
        {DateTimePicker::Mode::Time, "00:00", true, "00:00"},
        {DateTimePicker::Mode::Time, "23:59", true, "23:59"},
        {DateTimePicker::Mode::Time, "9:07", true, "09:07"},
        {DateTimePicker::Mode::Time, "", true, ""},
        {DateTimePicker::Mode::Time, "1:05 PM", true, "13:05"},
        {DateTimePicker::Mode::Time, "12:00 AM", true, "00:00"},
        {DateTimePicker::Mode::Time, "12:30 PM", true, "12:30"},
        {DateTimePicker::Mode::Time, "11:59 PM", true, "23:59"},
        {DateTimePicker::Mode::Time, "24:00", false, ""},
        {DateTimePicker::Mode::Time, "13:05 PM", false, ""},
        {DateTimePicker::Mode::Time, "noon", false, ""},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.text);
        DateTimePicker picker(c.mode);
        picker.setNow(); // a value beforehand, so that a failure has to clear it
        EXPECT_EQ(picker.setStoredText(c.text), c.valid);
        EXPECT_EQ(picker.storedText(), c.stored);
        EXPECT_EQ(picker.isNull(), *c.stored == '\0');
    }
}

TEST_F(DateTimePickerTest, TakesEveryHourAsTwelveHourText)
{
    DateTimePicker picker(DateTimePicker::Mode::Time);
    for (int hour = 0; hour < 24; ++hour) {
        const QTime time(hour, 5);
        const QString twelveHour = QLocale::c().toString(time, u"h:mm AP"); // "1:05 PM"
        SCOPED_TRACE(twelveHour.toStdString());
        EXPECT_TRUE(picker.setStoredText(twelveHour));
        EXPECT_EQ(picker.storedText(), time.toString(u"HH:mm"));
    }
}

TEST_F(DateTimePickerTest, UserTogglesTheCheckBox)
{
    DateTimePicker picker(DateTimePicker::Mode::Date);
    picker.setCheckBoxVisible(true);
    picker.show();
    QCheckBox *box = checkBoxOf(picker);
    QDateTimeEdit *edit = editOf(picker);
    QSignalSpy changed(&picker, &DateTimePicker::changed);
    ASSERT_TRUE(box->isVisible());
    EXPECT_FALSE(box->isChecked());
    EXPECT_FALSE(edit->isEnabled()) << "no value: nothing to edit until ticked";
    EXPECT_EQ(edit->text().trimmed(), "");

    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_FALSE(picker.isNull());
    EXPECT_EQ(picker.storedText(), "20240315");
    EXPECT_TRUE(edit->isEnabled());
    EXPECT_NE(edit->text().trimmed(), "");
    EXPECT_EQ(changed.count(), 1);

    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_TRUE(picker.isNull());
    EXPECT_EQ(picker.storedText(), "");
    EXPECT_EQ(edit->text().trimmed(), "");
    EXPECT_EQ(changed.count(), 2);

    // The program's changes show in the box as well.
    picker.setStoredText("19900102");
    EXPECT_TRUE(box->isChecked());
    EXPECT_TRUE(edit->isEnabled());
    picker.setNull();
    EXPECT_FALSE(box->isChecked());
    EXPECT_EQ(changed.count(), 4);
}

TEST_F(DateTimePickerTest, CheckBoxIsHiddenUnlessAsked)
{
    DateTimePicker picker(DateTimePicker::Mode::Time);
    picker.show();
    EXPECT_FALSE(picker.isCheckBoxVisible());
    EXPECT_FALSE(checkBoxOf(picker)->isVisible());
    EXPECT_TRUE(editOf(picker)->isEnabled());

    picker.setCheckBoxVisible(true);
    EXPECT_TRUE(checkBoxOf(picker)->isVisible());
    EXPECT_FALSE(editOf(picker)->isEnabled());
}

TEST_F(DateTimePickerTest, KeyboardEntryChangesTheValue)
{
    for (auto mode : {DateTimePicker::Mode::Date, DateTimePicker::Mode::Time}) {
        DateTimePicker picker(mode);
        picker.setStoredText(mode == DateTimePicker::Mode::Date ? "20240315" : "13:05");
        picker.show();
        QDateTimeEdit *edit = editOf(picker);
        edit->setFocus();
        QSignalSpy changed(&picker, &DateTimePicker::changed);
        const QString before = picker.storedText();

        QTest::keyClick(edit, Qt::Key_Up);
        EXPECT_NE(picker.storedText(), before);
        EXPECT_EQ(changed.count(), 1);
    }
}

TEST_F(DateTimePickerTest, TypedTimeIsStored)
{
    DateTimePicker picker(DateTimePicker::Mode::Time);
    picker.setStoredText("13:05");
    picker.show();
    QDateTimeEdit *edit = editOf(picker);
    edit->setFocus();
    edit->setSelectedSection(QDateTimeEdit::HourSection);
    QSignalSpy changed(&picker, &DateTimePicker::changed);

    QTest::keyClicks(edit, "9");
    EXPECT_EQ(picker.storedText(), "21:05");
    EXPECT_GE(changed.count(), 1);
}

TEST_F(DateTimePickerTest, EditingAPickerWithoutValueStartsFromNow)
{
    // A picker without a check box that holds no value (a stored reading without
    // a date): the first step gives it the present date, not a step from nowhere.
    DateTimePicker picker(DateTimePicker::Mode::Date);
    picker.show();
    QDateTimeEdit *edit = editOf(picker);
    edit->setFocus();
    QSignalSpy changed(&picker, &DateTimePicker::changed);
    EXPECT_EQ(edit->text().trimmed(), "");

    QTest::keyClick(edit, Qt::Key_Tab); // moving on is no edit
    EXPECT_TRUE(picker.isNull());

    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_EQ(picker.storedText(), "20240315");
    EXPECT_EQ(changed.count(), 1);

    QTest::keyClick(edit, Qt::Key_Up);
    EXPECT_NE(picker.storedText(), "20240315");
    EXPECT_EQ(changed.count(), 2);
}

TEST_F(DateTimePickerTest, WheelOrClickOnAPickerWithoutValueGivesNow)
{
    const auto wheel = [](QDateTimeEdit *edit) {
        QWheelEvent event(QPointF(5, 5), edit->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120),
            Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(edit, &event);
    };
    const auto clickText = [](QDateTimeEdit *edit) {
        QTest::mouseClick(edit->findChild<QLineEdit *>(), Qt::LeftButton);
    };
    for (const auto &gesture : {std::function<void(QDateTimeEdit *)>(wheel),
             std::function<void(QDateTimeEdit *)>(clickText)}) {
        DateTimePicker picker(DateTimePicker::Mode::Time);
        picker.show();
        QSignalSpy changed(&picker, &DateTimePicker::changed);
        gesture(editOf(picker));
        EXPECT_EQ(picker.storedText(), "14:20");
        EXPECT_EQ(changed.count(), 1);
    }
}

TEST_F(DateTimePickerTest, EnterIsReported)
{
    DateTimePicker picker(DateTimePicker::Mode::Time);
    picker.setNow();
    picker.show();
    QSignalSpy entered(&picker, &DateTimePicker::returnPressed);
    QSignalSpy changed(&picker, &DateTimePicker::changed);

    QTest::keyClick(editOf(picker), Qt::Key_Return);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(changed.count(), 0);
    EXPECT_EQ(picker.storedText(), "14:20");

    // Enter moves on: it gives a picker without value none.
    picker.setNull();
    QTest::keyClick(editOf(picker), Qt::Key_Enter);
    EXPECT_EQ(entered.count(), 2);
    EXPECT_TRUE(picker.isNull());
    EXPECT_EQ(changed.count(), 1);
}
