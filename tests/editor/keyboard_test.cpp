#include "history_fixture.h"

#include "store/criterion.h"
#include "support/typed_keys.h"
#include "widgets/date_time_picker.h"

#include <QApplication>
#include <QCheckBox>
#include <QTest>

#include <ostream>
#include <vector>

using namespace vantorelle;

namespace {

// The main window worked with the keyboard alone, key by key where the focus is.
class KeyboardTest : public HistoryFixture {
protected:
    void SetUp() override
    {
        HistoryFixture::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }

    static void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    static void type(const QString &text)
    {
        for (const QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    static QString focusName()
    {
        const QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QStringLiteral("(none)");
    }
};

// The controls Tab goes through from the grid, around the window and back.
struct GridTabs {
    const char *name;
    Topic topic;
    std::vector<const char *> order;
};
void PrintTo(const GridTabs &c, std::ostream *out)
{
    *out << c.name;
}
const GridTabs gridTabs[] = {
    {"BloodPressure", Topic::BloodPressure,
        {"rtViewer", "cmdAdd", "cmdDel", "cmdEdit", "cboProfiles", "cmdNew", "cmdDelete",
            "lstTopics", "gridViewer"}},
    // An appointment's physician can be viewed.
    {"Appointments", Topic::Appointments,
        {"rtViewer", "cmdAdd", "cmdDel", "cmdEdit", "cmdViewProvider", "cboProfiles", "cmdNew",
            "cmdDelete", "lstTopics", "gridViewer"}},
};

class GridTabOrder : public KeyboardTest, public ::testing::WithParamInterface<GridTabs> { };

} // namespace

TEST_P(GridTabOrder, TabAndShiftTabLeaveTheGridTheArrowsMoveInIt)
{
    const GridTabs &c = GetParam();
    showTopic(c.topic);
    QTableWidget *grid = control<QTableWidget>("gridViewer");
    ASSERT_GE(grid->rowCount(), 2);
    grid->setFocus();
    type(Qt::Key_Down);
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_EQ(focusName(), "gridViewer");
    type(Qt::Key_Up);
    EXPECT_EQ(grid->currentRow(), 0);

    for (const char *next : c.order) {
        type(Qt::Key_Tab);
        EXPECT_EQ(focusName(), next);
    }
    for (auto previous = c.order.rbegin() + 1; previous != c.order.rend(); ++previous) {
        type(Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(focusName(), *previous);
    }
    type(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), "gridViewer");
    type(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), "lstTopics");
}

INSTANTIATE_TEST_SUITE_P(Topics, GridTabOrder, ::testing::ValuesIn(gridTabs),
    [](const auto &info) { return std::string(info.param.name); });

// Enter, or the keypad's Enter, on a focused button of the main window
// presses it, as Space does.
TEST_F(KeyboardTest, EnterOnAFocusedButtonPressesIt)
{
    showTopic(Topic::BloodPressure);
    const std::size_t readings = table(TableId::BP).recordCount();
    control<QPushButton>("cmdAdd")->setFocus();
    type(Qt::Key_Return);
    ASSERT_TRUE(editing());
    type(QStringLiteral("120"));
    type(Qt::Key_Return);
    type(QStringLiteral("80"));
    control<QPushButton>("cmdNewSave")->setFocus();
    type(Qt::Key_Return);
    EXPECT_FALSE(editing());
    EXPECT_EQ(table(TableId::BP).recordCount(), readings + 1);

    control<QPushButton>("cmdAdd")->setFocus();
    type(Qt::Key_Enter, Qt::KeypadModifier);
    ASSERT_TRUE(editing());
    type(QStringLiteral("130"));
    control<QPushButton>("cmdNewCancel")->setFocus();
    type(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_FALSE(editing());
    EXPECT_EQ(table(TableId::BP).recordCount(), readings + 1);
    EXPECT_TRUE(prompter.boxes.isEmpty()) << boxTexts().join(u'|').toStdString();
}

// Tab from the physician list goes on past its Edit List button to the date's
// tick box; the date and, after a further Tab, the time are typed there as a
// person types them.
TEST_F(KeyboardTest, AnAppointmentsDateAndTimeTypedOnTheirTickBoxesAreStored)
{
    showTopic(Topic::Appointments);
    control<QTableWidget>("gridViewer")->setFocus();
    pressShortcut(Qt::Key_A); // Add
    QComboBox *physician = control<QComboBox>("cboApptProvider");
    ASSERT_TRUE(physician->hasFocus());
    type(QStringLiteral("d")); // the first physician whose name begins so
    ASSERT_EQ(physician->currentText(), "Dr. Adams");
    const QString provider = physician->currentData().toString();

    type(Qt::Key_Tab);
    ASSERT_EQ(focusName(), "cmdEditProvider");
    type(Qt::Key_Tab);
    auto *date = control<DateTimePicker>("dtApptDate1");
    ASSERT_EQ(QApplication::focusWidget(), date->findChild<QCheckBox *>());
    type(QStringLiteral("12012026"));
    type(Qt::Key_Tab);
    auto *time = control<DateTimePicker>("dtApptTime1");
    ASSERT_EQ(QApplication::focusWidget(), time->findChild<QCheckBox *>());
    type(QStringLiteral("8:30a"));
    pressShortcut(Qt::Key_S); // Save

    EXPECT_TRUE(prompter.boxes.isEmpty()) << boxTexts().join(u'|').toStdString();
    EXPECT_FALSE(editing());
    MemoryTable &appointments = table(TableId::Appt);
    appointments.moveFirst();
    ASSERT_TRUE(appointments.find(Criterion::equal("Date", "20261201")));
    EXPECT_EQ(appointments.value("Time"), "08:30");
    EXPECT_EQ(appointments.value("ProvID"), provider.toStdString());
    EXPECT_TRUE(std::string(appointments.value("Key")).starts_with(profileKey));
}

// A stored record follows the same rule: the follow-up date typed on its tick
// box is saved with the appointment.
TEST_F(KeyboardTest, ADateTypedOnTheTickBoxOfAnEditedRecordIsSaved)
{
    const QString key = QStringLiteral("20090305070809p7975958914:3020100101000001p");
    showTopic(Topic::Appointments);
    ASSERT_TRUE(selectRecord(key));
    control<QTableWidget>("gridViewer")->setFocus();
    pressShortcut(Qt::Key_I); // Edit
    auto *followUp = control<DateTimePicker>("dtApptDate2");
    ASSERT_TRUE(followUp->isVisible());
    ASSERT_TRUE(followUp->isNull());
    followUp->findChild<QCheckBox *>()->setFocus();

    type(QStringLiteral("5012024"));
    type(Qt::Key_Tab);
    pressShortcut(Qt::Key_S); // Save

    EXPECT_TRUE(prompter.boxes.isEmpty()) << boxTexts().join(u'|').toStdString();
    MemoryTable &appointments = table(TableId::Appt);
    appointments.moveFirst();
    ASSERT_TRUE(appointments.find(Criterion::equal("Key", key.toStdString())));
    EXPECT_EQ(appointments.value("Date2"), "20240501");
    EXPECT_EQ(appointments.value("Date"), "20240410");
}
