#include <gtest/gtest.h>

#include "store/clock.h"
#include "support/typed_keys.h"
#include "widgets/date_time_picker.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QClipboard>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

#include <functional>
#include <ostream>
#include <string>

using namespace vantorelle;

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
    // The wheel acts on the edit that has the focus only.
    const auto wheel = [](QDateTimeEdit *edit) {
        edit->activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(edit));
        edit->setFocus();
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

// ---- Typing, key by key as a user types, with the focus tabbed into the picker

namespace {

using Order = DateTimePicker::DateOrder;

// A window with a box before the picker, so that Tab brings the focus in as a
// user would; the keys go to whatever holds the focus.
class TypingWindow {
public:
    explicit TypingWindow(DateTimePicker::Mode mode)
        : before(new QLineEdit(&window))
        , picker(new DateTimePicker(mode, &window))
        , after(new QLineEdit(&window))
    {
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(before);
        layout->addWidget(picker);
        layout->addWidget(after);
        window.show();
        QApplication::setActiveWindow(&window);
        before->setFocus();
    }

    // Tabs into the picker and types `keys`.
    void typeIn(const QString &keys)
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(picker->isAncestorOf(QApplication::focusWidget()));
        type(keys);
    }
    // Types `keys` as on a US keyboard: a capital or a ":" with Shift held.
    static void type(const QString &keys)
    {
        for (const QChar c : keys) {
            const bool shifted = c.isUpper() || QStringLiteral(":?!").contains(c);
            QWidget *focus = QApplication::focusWidget();
            if (shifted)
                QTest::keyPress(focus, Qt::Key_Shift);
            QTest::keyClick(focus, c.toLatin1(), shifted ? Qt::ShiftModifier : Qt::NoModifier);
            if (shifted)
                QTest::keyRelease(focus, Qt::Key_Shift, Qt::ShiftModifier);
        }
    }
    // Ends the typing as a user moving on would.
    void tabOut() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
    std::string shown() const { return picker->findChild<QLineEdit *>()->text().toStdString(); }

    QWidget window;
    QLineEdit *before;
    DateTimePicker *picker;
    QLineEdit *after;
};

// The present moment: a morning and an afternoon of a February, whose 29 days
// a day typed before its month must not be held to.
struct Moment {
    const char *name;
    LocalDateTime at;
};
void PrintTo(const Moment &moment, std::ostream *out)
{
    *out << moment.name;
}
const Moment moments[] = {
    {"Morning", {2024, 2, 10, 9, 15, 0}},
    {"Afternoon", {2024, 2, 10, 14, 20, 45}},
};

// What the picker holds when the focus comes in: no value (the first key gives
// the present one), or a stored value of the other half of the day and of a
// month with 30 days.
struct Start {
    const char *name;
    const char *date;
    const char *time;
};
void PrintTo(const Start &start, std::ostream *out)
{
    *out << start.name;
}
const Start starts[] = {
    {"Empty", "", ""},
    {"Held", "20231130", "23:45"},
};

// A date typed as its month, day and year with `joiner` between them, in the
// order the picker shows; `stored` null where the typed date does not exist
// and the picker keeps what it held.
struct TypedDate {
    const char *name;
    const char *month, *day, *year, *joiner;
    const char *stored;
};
void PrintTo(const TypedDate &date, std::ostream *out)
{
    *out << date.name;
}
const TypedDate typedDates[] = {
    {"TwoDigitsAndSeparators", "03", "15", "2024", "/", "20240315"},
    {"OneDigitMonth", "3", "15", "2024", "/", "20240315"},
    {"OneDigitMonthAndDay", "3", "5", "2024", "/", "20240305"},
    {"LeadingZeros", "03", "05", "2024", "/", "20240305"},
    {"DigitsAlone", "03", "05", "2024", "", "20240305"},
    {"OneDigitsAlone", "3", "5", "2024", "", "20240305"},
    {"DashesWhereSlashesShow", "3", "5", "2024", "-", "20240305"},
    {"SpacesWhereSlashesShow", "3", "5", "2024", " ", "20240305"},
    {"SpacedDashes", "3", "5", "2024", " - ", "20240305"},
    {"OnesThatCouldTakeASecondDigit", "1", "1", "2000", "/", "20000101"},
    {"Elevens", "11", "11", "2011", "/", "20111111"},
    {"LastDayOfTheYear", "12", "31", "1999", "/", "19991231"},
    {"DayOfAMonthLongerThanTheHeldOne", "1", "31", "2024", "/", "20240131"},
    {"LeapDay", "2", "29", "2024", "/", "20240229"},
    {"FirstYearShown", "1", "1", "0100", "/", "01000101"},
    {"NoThirtiethOfFebruary", "02", "30", "2024", "/", nullptr},
    {"NoLeapDayInACommonYear", "2", "29", "2023", "/", nullptr},
    {"NoThirtyFirstOfApril", "4", "31", "2024", "/", nullptr},
    {"NoThirteenthMonth", "13", "1", "2024", "/", nullptr},
    {"NoDayZero", "3", "0", "2024", "/", nullptr},
    {"YearCutShort", "3", "5", "24", "/", nullptr},
};

struct NamedOrder {
    Order order;
    const char *name;
    const char16_t *shownAs; // the date pattern of what the edit shows
};
void PrintTo(const NamedOrder &order, std::ostream *out)
{
    *out << order.name;
}
const NamedOrder orders[] = {
    {Order::MonthDayYear, "MonthDayYear", u"MM/dd/yyyy"},
    {Order::DayMonthYear, "DayMonthYear", u"dd/MM/yyyy"},
    {Order::YearMonthDay, "YearMonthDay", u"yyyy/MM/dd"},
};

QString keysFor(const TypedDate &date, Order order)
{
    const QString j = QString::fromLatin1(date.joiner);
    const QString m = QString::fromLatin1(date.month), d = QString::fromLatin1(date.day),
                  y = QString::fromLatin1(date.year);
    switch (order) {
    case Order::DayMonthYear:
        return d + j + m + j + y;
    case Order::YearMonthDay:
        return y + j + m + j + d;
    case Order::MonthDayYear:
        break;
    }
    return m + j + d + j + y;
}

class TypedDates
    : public ::testing::TestWithParam<std::tuple<TypedDate, Moment, Start, NamedOrder>> {
protected:
    TypedDates() { Clock::install(&clock); }
    ~TypedDates() override { Clock::install(nullptr); }
    FixedClock clock {std::get<1>(GetParam()).at};
};

} // namespace

TEST_P(TypedDates, GiveTheDateMeant)
{
    const auto &[date, moment, start, order] = GetParam();
    TypingWindow typing(DateTimePicker::Mode::Date);
    typing.picker->setDateFormat(order.order, QStringLiteral("/"));
    typing.picker->setStoredText(QString::fromLatin1(start.date));
    const QString keys = keysFor(date, order.order);

    typing.typeIn(keys);
    typing.tabOut();
    const char *stored = date.stored ? date.stored : start.date;
    EXPECT_EQ(typing.picker->storedText().toStdString(), stored) << "typed " << keys.toStdString();
    if (*stored) { // the edit shows the value held, whatever was typed
        EXPECT_EQ(typing.shown(),
            QDate::fromString(QString::fromLatin1(stored), u"yyyyMMdd")
                .toString(QString::fromUtf16(order.shownAs))
                .toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(DateTimePicker, TypedDates,
    ::testing::Combine(::testing::ValuesIn(typedDates), ::testing::ValuesIn(moments),
        ::testing::ValuesIn(starts), ::testing::ValuesIn(orders)),
    [](const auto &info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::get<3>(info.param).name + "_"
            + std::get<1>(info.param).name + "_" + std::get<2>(info.param).name;
    });

namespace {

// A time typed as people type it, and the stored text it gives; `stored` null
// where the typed time does not exist and the picker keeps what it held.
struct TypedTime {
    const char *name;
    const char *keys;
    const char *stored;
};
void PrintTo(const TypedTime &time, std::ostream *out)
{
    *out << time.keys;
}
const TypedTime typedTimes[] = {
    {"SpaceAndCapitalAM", "8:30 AM", "08:30"},
    {"SpaceAndSmallAM", "8:30 am", "08:30"},
    {"LetterA", "8:30a", "08:30"},
    {"DigitsAndLetterA", "830a", "08:30"},
    {"LeadingZeroAndAM", "0830AM", "08:30"},
    {"NoHalfIsTheMorning", "8:30", "08:30"},
    {"TwentyFourHour", "20:30", "20:30"},
    {"TwentyFourHourDigitsAlone", "2030", "20:30"},
    {"PM", "8:30 PM", "20:30"},
    {"DigitsAndLetterP", "830p", "20:30"},
    {"MidnightAM", "12:00 AM", "00:00"},
    {"HalfPastMidnight", "1230a", "00:30"},
    {"MidnightTwentyFourHour", "0:00", "00:00"},
    {"NoonPM", "12:15 PM", "12:15"},
    {"NoonAlone", "12:15", "12:15"},
    {"OneDigitHourThatCouldTakeASecond", "1:05", "01:05"},
    {"OneDigitMinute", "7:5", "07:05"},
    {"LastMinute", "11:59 PM", "23:59"},
    {"DotsAndPointedAM", "8.30 a.m.", "08:30"},
    {"PointedPM", "8:30 p.m.", "20:30"},
    {"NoHourTwentyFive", "25:00", nullptr},
};

class TypedTimes : public ::testing::TestWithParam<std::tuple<TypedTime, Moment, Start>> {
protected:
    TypedTimes() { Clock::install(&clock); }
    ~TypedTimes() override { Clock::install(nullptr); }
    FixedClock clock {std::get<1>(GetParam()).at};
};

} // namespace

TEST_P(TypedTimes, GiveTheTimeMeant)
{
    const auto &[time, moment, start] = GetParam();
    TypingWindow typing(DateTimePicker::Mode::Time);
    typing.picker->setStoredText(QString::fromLatin1(start.time));

    typing.typeIn(QString::fromLatin1(time.keys));
    typing.tabOut();
    const char *stored = time.stored ? time.stored : start.time;
    EXPECT_EQ(typing.picker->storedText().toStdString(), stored);
    if (*stored) {
        EXPECT_EQ(typing.shown(),
            QTime::fromString(QString::fromLatin1(stored), u"HH:mm")
                .toString(u"h:mm AP")
                .toStdString());
    }
}

INSTANTIATE_TEST_SUITE_P(DateTimePicker, TypedTimes,
    ::testing::Combine(
        ::testing::ValuesIn(typedTimes), ::testing::ValuesIn(moments), ::testing::ValuesIn(starts)),
    [](const auto &info) {
        return std::string(std::get<0>(info.param).name) + "_" + std::get<1>(info.param).name + "_"
            + std::get<2>(info.param).name;
    });

TEST_F(DateTimePickerTest, ShowsDatesInTheOrderAndWithTheSeparatorAsked)
{
    const struct {
        Order order;
        const char *separator, *stored, *shown;
    } cases[] = {
        {Order::MonthDayYear, "/", "20240305", "03/05/2024"},
        {Order::DayMonthYear, ".", "20240305", "05.03.2024"},
        {Order::YearMonthDay, "-", "20240305", "2024-03-05"},
        {Order::MonthDayYear, "/", "01000101", "01/01/0100"}, // always four digits
        {Order::DayMonthYear, "'d'", "20240305", "05'd'03'd'2024"}, // taken as it stands
    };
    DateTimePicker empty(DateTimePicker::Mode::Date);
    DateTimePicker picker(DateTimePicker::Mode::Date);
    QSignalSpy changed(&picker, &DateTimePicker::changed);
    const auto shown = [](DateTimePicker &p) { return editOf(p)->text().toStdString(); };
    EXPECT_EQ(shown(picker).find(' '), 0u) << "until set: month, day, year with /";
    picker.setStoredText("20240305");
    EXPECT_EQ(shown(picker), "03/05/2024");
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shown);
        picker.setStoredText(c.stored);
        const int before = changed.count();
        picker.setDateFormat(c.order, c.separator);
        empty.setDateFormat(c.order, c.separator);
        EXPECT_EQ(shown(picker), c.shown);
        EXPECT_EQ(picker.storedText().toStdString(), c.stored);
        EXPECT_EQ(changed.count(), before) << "the value did not change";
        EXPECT_TRUE(empty.isNull());
        EXPECT_EQ(editOf(empty)->text().trimmed(), "");
    }
}

TEST_F(DateTimePickerTest, TypedDateTakesTheSeparatorShown)
{
    TypingWindow typing(DateTimePicker::Mode::Date);
    typing.picker->setDateFormat(Order::DayMonthYear, ".");
    typing.typeIn("5.3.2024");
    typing.tabOut();
    EXPECT_EQ(typing.picker->storedText(), "20240305");
    EXPECT_EQ(typing.shown(), "05.03.2024");
}

TEST_F(DateTimePickerTest, TypingGivesTheValueKeyByKeyAndEnterMovesOn)
{
    TypingWindow typing(DateTimePicker::Mode::Time);
    QSignalSpy changed(typing.picker, &DateTimePicker::changed);
    QSignalSpy entered(typing.picker, &DateTimePicker::returnPressed);

    typing.typeIn("8"); // the first key gives the present time, then the 8
    EXPECT_EQ(typing.picker->storedText(), "08:20");
    EXPECT_EQ(typing.shown(), "8:20 AM");
    EXPECT_EQ(changed.count(), 2);
    typing.type("3");
    EXPECT_EQ(typing.picker->storedText(), "08:03");
    EXPECT_EQ(typing.shown(), "8:3 AM") << "the minute as typed so far";
    typing.type("5p");
    EXPECT_EQ(typing.picker->storedText(), "20:35");
    EXPECT_EQ(changed.count(), 5);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(typing.picker->storedText(), "20:35");
    EXPECT_EQ(typing.shown(), "8:35 PM");
}

TEST_F(DateTimePickerTest, TheEditsOwnKeysActOnTheSectionReachedByTyping)
{
    TypingWindow typing(DateTimePicker::Mode::Date);
    typing.picker->setStoredText("20240305");
    typing.typeIn("4"); // April, then on to the day by itself
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
    EXPECT_EQ(typing.picker->storedText(), "20240406");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // on to the year
    typing.type("1999");
    EXPECT_EQ(typing.picker->storedText(), "19990406");
}

TEST_F(DateTimePickerTest, LeavingOnADayTheMonthLacksGivesBackTheDateHeld)
{
    TypingWindow typing(DateTimePicker::Mode::Date);
    typing.picker->setStoredText("20231130");
    typing.typeIn("02/30/20");
    EXPECT_EQ(typing.shown(), "02/30/20") << "what was typed shows while typing";
    typing.type("24");
    EXPECT_EQ(typing.shown(), "02/30/2024") << "not the last day of February";

    typing.after->setFocus(); // a click elsewhere
    EXPECT_EQ(typing.picker->storedText(), "20231130");
    EXPECT_EQ(typing.shown(), "11/30/2023");
}

// A shortcut's command, a window's menu key or a button's access key, acts on
// the value the typing ends on.
TEST_F(DateTimePickerTest, AShortcutActsOnTheValueTheTypingEndsOn)
{
    for (const bool accessKey : {false, true}) {
        SCOPED_TRACE(accessKey ? "Alt+K on a button" : "Ctrl+S of an action");
        TypingWindow typing(DateTimePicker::Mode::Date);
        typing.picker->setStoredText("20231130");
        QAction save(&typing.window);
        save.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
        typing.window.addAction(&save);
        auto *keep = new QPushButton(QStringLiteral("&Keep"), &typing.window);
        typing.window.layout()->addWidget(keep);
        keep->show(); // the window is shown already
        std::string saved;
        const auto store = [&] { saved = typing.picker->storedText().toStdString(); };
        QObject::connect(&save, &QAction::triggered, store);
        QObject::connect(keep, &QPushButton::clicked, store);

        typing.typeIn("02/30/2024");
        if (accessKey)
            pressShortcut(Qt::Key_K);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        EXPECT_EQ(saved, "20231130") << "not the February day typed before the 30";
        EXPECT_EQ(typing.shown(), "11/30/2023");
    }
}

// Ctrl or Alt with a letter, as a person looking for a menu's key presses it,
// types nothing, and when nothing takes it the part being typed goes on: "1",
// Alt+Q, "1" is month 11.
TEST_F(DateTimePickerTest, AKeyThatDoesNothingLeavesThePartBeingTyped)
{
    struct Case {
        const char *name;
        DateTimePicker::Mode mode;
        const char *held, *before;
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        const char *after, *stored;
    };
    const auto date = DateTimePicker::Mode::Date;
    const auto time = DateTimePicker::Mode::Time;
    const Case cases[] = {
        {"AltQInTheMonth", date, "20231130", "1", Qt::Key_Q, Qt::AltModifier, "107", "20231107"},
        {"CtrlQInTheMonth", date, "20231130", "1", Qt::Key_Q, Qt::ControlModifier, "107",
            "20231107"},
        {"CtrlShiftQInTheMonth", date, "20231130", "1", Qt::Key_Q,
            Qt::ControlModifier | Qt::ShiftModifier, "107", "20231107"},
        {"AltDigitInTheDay", date, "20231130", "12/2", Qt::Key_9, Qt::AltModifier, "5/2024",
            "20241225"},
        {"LogoKeyDigitInTheDay", date, "20231130", "12/2", Qt::Key_9, Qt::MetaModifier, "5/2024",
            "20241225"},
        {"CtrlQInTheHour", time, "10:00", "1", Qt::Key_Q, Qt::ControlModifier, "1:30p", "23:30"},
        {"AltHInTheMinute", time, "10:00", "9:4", Qt::Key_H, Qt::AltModifier, "5p", "21:45"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        TypingWindow typing(c.mode);
        typing.picker->setStoredText(QString::fromLatin1(c.held));
        typing.typeIn(QString::fromLatin1(c.before));
        const std::string shown = typing.shown();
        QTest::keyClick(QApplication::focusWidget(), c.key, c.modifiers);
        EXPECT_EQ(typing.shown(), shown);
        typing.type(QString::fromLatin1(c.after));
        EXPECT_EQ(typing.picker->storedText(), c.stored);
    }
}

// The edit's own Ctrl keys act as they do in any edit: they end the typing.
TEST_F(DateTimePickerTest, TheEditsOwnCtrlKeysStillAct)
{
    TypingWindow typing(DateTimePicker::Mode::Date);
    typing.picker->setStoredText("20231130");
    typing.typeIn("1");
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::SelectAll);
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Copy);
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("01/30/2023"));
    QApplication::clipboard()->setText(QStringLiteral("04/05/2020"));
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::SelectAll);
    QTest::keySequence(QApplication::focusWidget(), QKeySequence::Paste);
    EXPECT_EQ(typing.picker->storedText(), "20200405");
}

// Leaving the window for another and coming back is no move to another
// control: the date or time being typed goes on where it stopped.
TEST_F(DateTimePickerTest, TypingGoesOnAfterTheWindowIsLeftAndMadeActiveAgain)
{
    struct Case {
        DateTimePicker::Mode mode;
        const char *held, *before, *after, *stored, *shown;
    };
    const Case cases[] = {
        {DateTimePicker::Mode::Date, "20261210", "12/2", "5/2023", "20231225", "12/25/2023"},
        {DateTimePicker::Mode::Time, "10:00", "9:4", "5p", "21:45", "9:45 PM"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.before);
        TypingWindow typing(c.mode);
        typing.picker->setStoredText(QString::fromLatin1(c.held));
        typing.typeIn(QString::fromLatin1(c.before));
        QWidget *focused = QApplication::focusWidget();
        QApplication::setActiveWindow(nullptr); // another program's window
        QApplication::setActiveWindow(&typing.window);
        ASSERT_EQ(QApplication::focusWidget(), focused);
        typing.type(QString::fromLatin1(c.after));
        EXPECT_EQ(typing.picker->storedText(), c.stored);
        typing.tabOut();
        EXPECT_EQ(typing.shown(), c.shown);
    }
}

TEST_F(DateTimePickerTest, AValueSetWhileTheUserTypesEndsTheTyping)
{
    TypingWindow typing(DateTimePicker::Mode::Time);
    typing.picker->setStoredText("10:00");
    QObject::connect(
        typing.picker, &DateTimePicker::changed, typing.picker,
        [&] { typing.picker->setStoredText("06:45"); }, Qt::SingleShotConnection);
    typing.typeIn("8");
    EXPECT_EQ(typing.picker->storedText(), "06:45");
    typing.type("15");
    EXPECT_EQ(typing.picker->storedText(), "15:45") << "a new typing, from the value set";
}

TEST_F(DateTimePickerTest, TheUsersLocaleChangesNothing)
{
    // The C locale would show a month name, en_US a two-digit year, Japanese
    // its own words for the halves of the day.
    const QLocale before;
    for (const char *name : {"C", "en_US", "de_DE", "ja_JP"}) {
        SCOPED_TRACE(name);
        QLocale::setDefault(QLocale(QString::fromLatin1(name)));
        TypingWindow date(DateTimePicker::Mode::Date);
        date.picker->setStoredText("20240305");
        EXPECT_EQ(date.shown(), "03/05/2024");
        date.typeIn("12/31/1999");
        date.tabOut();
        EXPECT_EQ(date.picker->storedText(), "19991231");

        TypingWindow time(DateTimePicker::Mode::Time);
        time.picker->setStoredText("08:05");
        EXPECT_EQ(time.shown(), "8:05 AM");
        time.typeIn("8:30p");
        time.tabOut();
        EXPECT_EQ(time.picker->storedText(), "20:30");
        EXPECT_EQ(time.shown(), "8:30 PM");
    }
    QLocale::setDefault(before);
}

// Tab brings the focus to the tick box of a picker that may be left without a
// value; what is typed there is the value, as if the box had been ticked first.
TEST_F(DateTimePickerTest, TypingOnTheTickBoxTicksItAndGivesTheValueTyped)
{
    const struct {
        DateTimePicker::Mode mode;
        Order order;
        const char *separator;
        bool spaceFirst; // ticked with Space before the typing
        const char *keys, *stored;
    } cases[] = {
        {DateTimePicker::Mode::Date, Order::MonthDayYear, "/", false, "12012026", "20261201"},
        {DateTimePicker::Mode::Date, Order::DayMonthYear, ".", false, "12012026", "20260112"},
        {DateTimePicker::Mode::Date, Order::MonthDayYear, "/", false, "3/5/2024", "20240305"},
        {DateTimePicker::Mode::Date, Order::MonthDayYear, "/", true, "12012026", "20261201"},
        {DateTimePicker::Mode::Time, Order::MonthDayYear, "", false, "8:30a", "08:30"},
        {DateTimePicker::Mode::Time, Order::MonthDayYear, "", false, "830p", "20:30"},
        {DateTimePicker::Mode::Time, Order::MonthDayYear, "", true, "0915", "09:15"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.keys) + (c.spaceFirst ? " after Space" : ""));
        TypingWindow typing(c.mode);
        if (c.mode == DateTimePicker::Mode::Date)
            typing.picker->setDateFormat(c.order, QString::fromLatin1(c.separator));
        typing.picker->setCheckBoxVisible(true);
        // What a watcher of the picker sees first: the tick, which gives the present value.
        QStringList seen;
        QObject::connect(typing.picker, &DateTimePicker::changed, typing.picker,
            [&] { seen << typing.picker->storedText(); });

        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), checkBoxOf(*typing.picker));
        if (c.spaceFirst)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        TypingWindow::type(QString::fromLatin1(c.keys));
        EXPECT_TRUE(editOf(*typing.picker)->hasFocus())
            << "the keys after the first go on into the edit";
        typing.tabOut();
        EXPECT_TRUE(checkBoxOf(*typing.picker)->isChecked());
        EXPECT_EQ(typing.picker->storedText().toStdString(), c.stored);
        ASSERT_FALSE(seen.isEmpty());
        EXPECT_EQ(seen.front(),
            c.mode == DateTimePicker::Mode::Date ? QStringLiteral("20240315")
                                                 : QStringLiteral("14:20"));
    }
}

TEST_F(DateTimePickerTest, SpaceOnTheTickBoxTicksAndUnticks)
{
    TypingWindow typing(DateTimePicker::Mode::Date);
    typing.picker->setCheckBoxVisible(true);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCheckBox *box = checkBoxOf(*typing.picker);
    ASSERT_EQ(QApplication::focusWidget(), box);

    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_EQ(typing.picker->storedText(), "20240315");
    EXPECT_EQ(QApplication::focusWidget(), box);
    QTest::keyClick(box, Qt::Key_Space);
    EXPECT_TRUE(typing.picker->isNull());
    // Letters and signs typed on the box leave it as it is.
    TypingWindow::type("a/");
    EXPECT_TRUE(typing.picker->isNull());
    EXPECT_EQ(QApplication::focusWidget(), box);
}
