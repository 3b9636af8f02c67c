#include "history_fixture.h"

#include "dialogs/set_password_window.h"
#include "support/typed_keys.h"
#include "widgets/date_time_picker.h"
#include "widgets/text_box.h"

#include <QApplication>
#include <QDateTimeEdit>
#include <QLineEdit>
#include <QProcess>
#include <QScrollArea>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include <ostream>
#include <vector>

using namespace vantorelle;

// What this desktop does by default to a person's typing, tried in the main
// window: nothing that was entered changes unasked.

namespace {

class DesktopInput : public HistoryFixture {
protected:
    void SetUp() override
    {
        HistoryFixture::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }

    // Blood Pressure, Add, "120", Enter, "80": a reading half typed, the
    // keyboard in Diastolic.
    void typeHalfAReading()
    {
        showTopic(Topic::BloodPressure);
        pressShortcut(Qt::Key_A);
        ASSERT_TRUE(editing());
        typeKeys(QApplication::focusWidget(), QStringLiteral("120"));
        pressKey(Qt::Key_Return);
        typeKeys(QApplication::focusWidget(), QStringLiteral("80"));
    }

    // The text a control of a panel holds, as shown.
    static QString shownText(QWidget *control)
    {
        if (auto *box = qobject_cast<TextBox *>(control))
            return box->text();
        if (auto *combo = qobject_cast<QComboBox *>(control))
            return combo->currentText();
        return control->findChild<QLineEdit *>()->text();
    }
    // Where the control's keys go.
    static QWidget *keysOf(QWidget *control)
    {
        if (auto *box = qobject_cast<TextBox *>(control))
            return box->editor();
        if (auto *picker = qobject_cast<DateTimePicker *>(control))
            return picker->findChild<QDateTimeEdit *>();
        return control;
    }
};

// A control of a record being added, and what is typed into it first.
struct AltCase {
    const char *name;
    const char *control;
    Topic topic;
    const char *typed;
};
void PrintTo(const AltCase &c, std::ostream *out)
{
    *out << c.name;
}

const AltCase altCases[] = {
    {"TextBox", "txtBP(2)", Topic::BloodPressure, "80"},
    {"NotesBox", "txtBP(7)", Topic::BloodPressure, "after coffee"},
    {"DatePicker", "dtBPDate", Topic::BloodPressure, "12/10/2026"},
    {"EditableList", "cboIllnessLocation", Topic::Illnesses, "Clinic"},
};

class AltKey : public DesktopInput, public ::testing::WithParamInterface<AltCase> { };

} // namespace

// On this desktop a text box types the letter of an Alt key no shortcut
// takes (Alt+H looking for the Help menu gives "80h"): it types nothing. A
// character typed with AltGr is no Alt key and goes in.
TEST_P(AltKey, NothingTakesTypesNothingAndAltGrStillTypes)
{
    const AltCase &c = GetParam();
    showTopic(c.topic);
    pressShortcut(Qt::Key_A); // Add
    ASSERT_TRUE(editing());
    QWidget *control = this->control<QWidget>(c.control);
    QWidget *keys = keysOf(control);
    keys->setFocus();
    QTest::keyClicks(keys, QString::fromLatin1(c.typed));
    const QString typed = shownText(control);
    ASSERT_FALSE(typed.isEmpty());

    for (Qt::Key key : {Qt::Key_H, Qt::Key_W, Qt::Key_Q, Qt::Key_5})
        QTest::keyClick(keys, key, Qt::AltModifier);
    EXPECT_EQ(shownText(control), typed);
    EXPECT_TRUE(editing());
    EXPECT_TRUE(prompter.boxes.isEmpty());

    if (qobject_cast<TextBox *>(control)) {
        // AltGr as X11 gives it, and as a keyboard that gives it as Ctrl+Alt.
        QTest::sendKeyEvent(
            QTest::Click, keys, Qt::Key_E, QStringLiteral("€"), Qt::GroupSwitchModifier);
        QTest::sendKeyEvent(QTest::Click, keys, Qt::Key_Q, QStringLiteral("@"),
            Qt::ControlModifier | Qt::AltModifier);
        EXPECT_EQ(shownText(control), typed + QStringLiteral("€@"));
    }
}

INSTANTIATE_TEST_SUITE_P(Controls, AltKey, ::testing::ValuesIn(altCases),
    [](const auto &info) { return std::string(info.param.name); });

// The Alt keys that act still act: Alt+A adds, Alt+S saves what was typed.
TEST_F(DesktopInput, AltKeysThatActStillAct)
{
    ASSERT_NO_FATAL_FAILURE(typeHalfAReading());
    pressShortcut(Qt::Key_H);
    pressShortcut(Qt::Key_S);
    EXPECT_FALSE(editing());
    ASSERT_TRUE(findRecord(TableId::BP, QString::fromLatin1(newKey)));
    EXPECT_EQ(field(TableId::BP, "SBP"), "120");
    EXPECT_EQ(field(TableId::BP, "DBP"), "80");
}

// In a date being typed, Alt or Ctrl with a letter that nothing in the window
// takes leaves the month being typed: "1", Alt+Q, "1" is November. The Alt
// key of the Save button still saves the date typed.
TEST_F(DesktopInput, AKeyNothingTakesLeavesTheMonthBeingTyped)
{
    ASSERT_NO_FATAL_FAILURE(typeHalfAReading());
    auto *date = control<DateTimePicker>("dtBPDate");
    const struct {
        Qt::KeyboardModifier modifier;
        const char *after, *stored;
    } cases[] = {
        {Qt::AltModifier, "107/2025", "20251107"},
        {Qt::ControlModifier, "205/2024", "20241205"},
    };
    for (const auto &c : cases) {
        control<TextBox>("txtBP(3)")->editor()->setFocus();
        pressKey(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), keysOf(date));
        pressKey(Qt::Key_1);
        pressKey(Qt::Key_Q, c.modifier);
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(c.after));
        EXPECT_EQ(date->storedText(), c.stored);
    }
    pressShortcut(Qt::Key_S);
    EXPECT_FALSE(editing());
    EXPECT_TRUE(prompter.boxes.isEmpty());
    MemoryTable &readings = table(TableId::BP);
    readings.moveFirst();
    ASSERT_TRUE(readings.find(Criterion::equal("Date", "20241205")));
    EXPECT_EQ(field(TableId::BP, "SBP"), "120");
}

// A dialog's text box types no Alt letter either.
TEST_F(DesktopInput, ADialogsTextBoxTypesNoAltLetter)
{
    SetPasswordWindow dialog(
        QString(), [](const std::string &, const std::string &, const std::string &) {});
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    auto *box = qobject_cast<QLineEdit *>(QApplication::focusWidget());
    ASSERT_NE(box, nullptr);
    QTest::keyClicks(box, QStringLiteral("abc"));
    QTest::keyClick(box, Qt::Key_H, Qt::AltModifier);
    EXPECT_EQ(box->text(), QStringLiteral("abc"));
}

// Coming back to the window is no arrival in the box that has the focus: a
// completion keeps its selection, and the next key replaces it.
TEST_F(DesktopInput, ACompletionGoesOnAfterTheWindowIsLeftAndMadeActiveAgain)
{
    showTopic(Topic::Illnesses);
    pressShortcut(Qt::Key_A);
    ASSERT_TRUE(editing());
    auto *location = control<QComboBox>("cboIllnessLocation");
    location->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(location, QStringLiteral("Cit"));
    ASSERT_EQ(location->currentText(), QStringLiteral("City Clinic"));
    ASSERT_EQ(location->lineEdit()->selectedText(), QStringLiteral("y Clinic"));

    QApplication::setActiveWindow(nullptr); // another program's window
    QApplication::setActiveWindow(main.get());
    ASSERT_EQ(QApplication::focusWidget(), location);
    EXPECT_EQ(location->lineEdit()->selectedText(), QStringLiteral("y Clinic"));
    QTest::keyClicks(location, QStringLiteral("adel"));
    EXPECT_EQ(location->currentText(), QStringLiteral("Citadel"));

    // Arriving from another control still leaves nothing selected.
    control<TextBox>("txtIllness(1)")->editor()->setFocus(Qt::TabFocusReason);
    location->setFocus(Qt::TabFocusReason);
    EXPECT_FALSE(location->lineEdit()->hasSelectedText());
}

namespace {

// Real wheel turns, from the X server: the program sees them as it sees a
// person's, the focus moves by them as by a person's. Only on the X display.
class MouseWheel : public DesktopInput {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs the X display: ctest runs it there";
        DesktopInput::SetUp();
    }

    // Turns the wheel `notches` down over the middle of `control`, and waits
    // until the program has had every turn.
    static void turnWheel(QWidget *control, int notches)
    {
        WheelTurns turns;
        qApp->installEventFilter(&turns);
        const QPoint at = control->mapToGlobal(control->rect().center());
        QStringList arguments {
            "mousemove", "--sync", QString::number(at.x()), QString::number(at.y())};
        for (int i = 0; i < notches; ++i)
            arguments << "click"
                      << "5";
        ASSERT_EQ(QProcess::execute(QStringLiteral("xdotool"), arguments), 0);
        EXPECT_TRUE(QTest::qWaitFor([&] { return turns.count == notches; }))
            << turns.count << " of " << notches << " turns came";
        qApp->removeEventFilter(&turns);
    }

private:
    // Counts the turns the X server gives the program's windows.
    struct WheelTurns : QObject {
        int count = 0;
        bool eventFilter(QObject *watched, QEvent *event) override
        {
            if (event->type() == QEvent::Wheel && watched->isWindowType())
                ++count;
            return false;
        }
    };
};

} // namespace

// The mouse resting over a list or a picker of the reading being typed, the
// wheel turned: none of them was clicked or given the focus, so none changes,
// and the box being typed in keeps the keyboard. Given the focus, each steps
// its value by the wheel as before.
TEST_F(MouseWheel, StepsOnlyTheListOrPickerThatHasTheFocus)
{
    ASSERT_NO_FATAL_FAILURE(typeHalfAReading());
    QWidget *typing = QApplication::focusWidget();
    ASSERT_EQ(typing->parentWidget(), control<TextBox>("txtBP(2)"));

    auto *date = control<DateTimePicker>("dtBPDate");
    auto *time = control<DateTimePicker>("dtBPTime");
    auto *activity = control<QComboBox>("cboBPActivity");
    const auto values = [&] {
        return QStringList {date->storedText(), time->storedText(), activity->currentText()};
    };
    const QStringList before = values();
    const std::vector<QWidget *> stepped {
        date->findChild<QDateTimeEdit *>(), time->findChild<QDateTimeEdit *>(), activity};
    for (QWidget *control : stepped) {
        turnWheel(control, 2);
        EXPECT_EQ(values(), before) << control->objectName().toStdString();
        EXPECT_EQ(QApplication::focusWidget(), typing);
    }

    for (std::size_t i = 0; i < stepped.size(); ++i) {
        stepped[i]->setFocus(Qt::TabFocusReason);
        const QStringList was = values();
        turnWheel(stepped[i], 1);
        const QStringList now = values();
        for (std::size_t j = 0; j < stepped.size(); ++j)
            EXPECT_EQ(now[j] != was[j], i == j) << "turned over control " << i << ", value " << j;
    }
}

// A turn over a list without the focus goes on to what holds it: a panel
// too small for the window scrolls.
TEST_F(MouseWheel, OverAListWithoutTheFocusScrollsWhatHoldsIt)
{
    QScrollArea area;
    auto *panel = new QWidget;
    auto *layout = new QVBoxLayout(panel);
    auto *list = new QComboBox;
    list->addItems({"Normal", "Resting", "Exercise"});
    auto *box = new QLineEdit;
    layout->addWidget(box);
    layout->addWidget(list);
    layout->addSpacing(2000);
    area.setWidget(panel);
    area.resize(300, 200);
    area.show();
    area.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&area));
    box->setFocus();

    turnWheel(list, 1);
    EXPECT_EQ(list->currentIndex(), 0);
    EXPECT_GT(area.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(box->hasFocus());
}
