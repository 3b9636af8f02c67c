#include "exchange/field_picker.h"
#include "support/find_control.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QListWidget>
#include <QSignalSpy>
#include <QTest>

using namespace vantorelle;

namespace {

class FieldPickerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        picker.setAvailable({"Weight", "Date", "Time", "Notes"});
        picker.show();
        QApplication::setActiveWindow(&picker);
        ASSERT_TRUE(QTest::qWaitForWindowActive(&picker));
    }

    QListWidget *available() { return findControl<QListWidget>(picker, "lstFields(0)"); }
    QListWidget *order() { return findControl<QListWidget>(picker, "lstFields(1)"); }

    void click(const char *button)
    {
        QTest::mouseClick(findControl<QAbstractButton>(picker, button), Qt::LeftButton);
    }

    // Clicks the entry `text` of `list`, with the keyboard modifiers given.
    void clickEntry(QListWidget *list, const QString &text, Qt::KeyboardModifiers modifiers = {})
    {
        const QList<QListWidgetItem *> found = list->findItems(text, Qt::MatchExactly);
        ASSERT_FALSE(found.isEmpty()) << text.toStdString();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
            list->visualItemRect(found.first()).center());
    }

    // A double click as the mouse sends it: a click, then the second press.
    void doubleClickEntry(QListWidget *list, int row)
    {
        const QPoint at = list->visualItemRect(list->item(row)).center();
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    }

    // Alt and `key` typed in `focus`; `button` is clicked (a mnemonic clicks
    // its button a moment later).
    void altKey(QWidget *focus, Qt::Key key, const char *button)
    {
        QSignalSpy clicked(findControl<QAbstractButton>(picker, button), &QAbstractButton::clicked);
        QTest::keyClick(focus, key, Qt::AltModifier);
        EXPECT_TRUE(clicked.count() == 1 || clicked.wait(1000)) << button;
    }

    // The order list, entries joined by "|".
    std::string ordered() const { return picker.ordered().join(QLatin1Char('|')).toStdString(); }

    QString current() const
    {
        QListWidgetItem *item = findControl<QListWidget>(picker, "lstFields(1)")->currentItem();
        return item ? item->text() : QString();
    }

    FieldPicker picker {QStringLiteral("Field Order In File to Export:")};
};

TEST_F(FieldPickerTest, AddAppendsEverySelectedFieldInListOrderAsOftenAsAsked)
{
    click("cmdAdd(0)"); // nothing chosen yet
    EXPECT_EQ(ordered(), "");

    clickEntry(available(), "Time");
    clickEntry(available(), "Weight", Qt::ControlModifier);
    click("cmdAdd(0)");
    EXPECT_EQ(ordered(), "Weight|Time");
    click("cmdAdd(0)");
    EXPECT_EQ(ordered(), "Weight|Time|Weight|Time");
    EXPECT_EQ(picker.available().join(QLatin1Char('|')), "Weight|Date|Time|Notes");
}

TEST_F(FieldPickerTest, RemoveTakesOutTheSelectedAndLeavesTheNextOneCurrent)
{
    click("cmdAdd(2)");
    clickEntry(order(), "Date");
    clickEntry(order(), "Time", Qt::ShiftModifier);
    click("cmdAdd(1)");
    EXPECT_EQ(ordered(), "Weight|Notes");
    EXPECT_EQ(current(), "Notes");
    click("cmdAdd(1)"); // the current one is selected too
    EXPECT_EQ(ordered(), "Weight");
    EXPECT_EQ(current(), "Weight");
}

TEST_F(FieldPickerTest, AllReplacesTheOrderAndNoneEmptiesIt)
{
    clickEntry(available(), "Notes");
    click("cmdAdd(0)");
    click("cmdAdd(2)");
    EXPECT_EQ(ordered(), "Weight|Date|Time|Notes");
    click("cmdAdd(3)");
    EXPECT_EQ(ordered(), "");
}

TEST_F(FieldPickerTest, AnEntryThatStandsForNoFieldIsAddedOnlyOneByOne)
{
    picker.setAvailable({"IGNORE this field", "Weight", "Date"}, 1);
    click("cmdAdd(2)");
    EXPECT_EQ(ordered(), "Weight|Date");
    clickEntry(available(), "IGNORE this field");
    click("cmdAdd(0)");
    click("cmdAdd(0)");
    EXPECT_EQ(ordered(), "Weight|Date|IGNORE this field|IGNORE this field");
}

TEST_F(FieldPickerTest, TheArrowsMoveTheCurrentEntryWithinTheList)
{
    click("cmdAdd(2)");
    click("cmdScroll(0)"); // no entry current
    EXPECT_EQ(ordered(), "Weight|Date|Time|Notes");

    clickEntry(order(), "Date");
    click("cmdScroll(0)");
    EXPECT_EQ(ordered(), "Date|Weight|Time|Notes");
    EXPECT_EQ(current(), "Date");
    click("cmdScroll(0)"); // already first
    EXPECT_EQ(ordered(), "Date|Weight|Time|Notes");

    clickEntry(order(), "Notes");
    click("cmdScroll(1)"); // already last
    EXPECT_EQ(ordered(), "Date|Weight|Time|Notes");
    click("cmdScroll(0)");
    click("cmdScroll(0)");
    EXPECT_EQ(ordered(), "Date|Notes|Weight|Time");
    click("cmdScroll(1)");
    EXPECT_EQ(ordered(), "Date|Weight|Notes|Time");
    EXPECT_EQ(current(), "Notes");
}

TEST_F(FieldPickerTest, ADoubleClickAddsAnAvailableFieldAndRemovesAnOrderedOne)
{
    doubleClickEntry(available(), 3);
    doubleClickEntry(available(), 1);
    EXPECT_EQ(ordered(), "Notes|Date");
    doubleClickEntry(order(), 0);
    EXPECT_EQ(ordered(), "Date");
}

TEST_F(FieldPickerTest, WorksFromTheKeyboard)
{
    available()->setFocus();
    QTest::keyClick(available(), Qt::Key_End);
    altKey(available(), Qt::Key_D, "cmdAdd(0)");
    QTest::keyClick(available(), Qt::Key_Home);
    QTest::keyClick(available(), Qt::Key_Down, Qt::ShiftModifier);
    altKey(available(), Qt::Key_D, "cmdAdd(0)");
    EXPECT_EQ(ordered(), "Notes|Weight|Date");

    order()->setFocus(); // the first entry current, not selected yet
    altKey(order(), Qt::Key_R, "cmdAdd(1)");
    EXPECT_EQ(ordered(), "Notes|Weight|Date");
    QTest::keyClick(order(), Qt::Key_Space);
    altKey(order(), Qt::Key_R, "cmdAdd(1)");
    EXPECT_EQ(ordered(), "Weight|Date");
    altKey(order(), Qt::Key_A, "cmdAdd(2)");
    EXPECT_EQ(ordered(), "Weight|Date|Time|Notes");
    altKey(order(), Qt::Key_N, "cmdAdd(3)");
    EXPECT_EQ(ordered(), "");
}

TEST_F(FieldPickerTest, OfferingOtherFieldsEmptiesTheOrder)
{
    click("cmdAdd(2)");
    picker.setAvailable({"Systolic", "Date"});
    EXPECT_EQ(picker.available().join(QLatin1Char('|')), "Systolic|Date");
    EXPECT_EQ(ordered(), "");
}

} // namespace
