#include "editor_fixture.h"

#include "support/fake_browser.h"
#include "support/typed_keys.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <functional>
#include <ostream>
#include <variant>
#include <vector>

using namespace vantorelle;

namespace {

// Runs `then` once `window` has the keyboard, as a user answering it would.
// A window that does not get it in time fails the test and is closed, which
// ends the modal loop waiting on it.
void onceActive(QWidget *window, const std::function<void()> &then)
{
    auto *poll = new QTimer(window);
    const QDeadlineTimer deadline(10000);
    QObject::connect(poll, &QTimer::timeout, window, [poll, window, then, deadline] {
        if (window->isActiveWindow()) {
            poll->stop();
            then();
        } else if (deadline.hasExpired()) {
            poll->stop();
            ADD_FAILURE() << "the window \"" << window->windowTitle().toStdString()
                          << "\" did not become active within 10 s";
            window->close();
        }
    });
    poll->start(10);
}

// What the user types: keys, or text.
using Step = std::variant<QKeyCombination, const char *>;

// The main window with the record editor on the X display, where a window is
// active or not as on a desktop with no window manager: when a window closes,
// nothing gives the keyboard back to another one but the program itself. The
// export shows a dialog that, once it has the keyboard, tells its end in a
// message box and closes with it; the graph window closes once it has the
// keyboard.
class KeyboardFocus : public EditorFixture {
protected:
    void SetUp() override
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs the X display: ctest runs it there";
        EditorFixture::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        SecondaryWindows windows;
        windows.exportData = [](QWidget *owner, const QString &) {
            QDialog dialog(owner);
            QMessageBox done(QMessageBox::NoIcon, QStringLiteral("Export"),
                QStringLiteral("Export Complete"), QMessageBox::Ok, &dialog);
            onceActive(&dialog, [&] {
                onceActive(&done, [&] { done.accept(); });
                done.exec();
                dialog.accept();
            });
            dialog.exec();
        };
        windows.importData = [](QWidget *, const QString &) {};
        windows.graph = [this] {
            graph = std::make_unique<QWidget>();
            graph->show();
            graph->activateWindow();
            onceActive(graph.get(), [this] { graph->close(); });
        };
        main->setSecondaryWindows(windows);
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }

    // Types the steps where the focus is; false when no control has it.
    static bool type(const std::vector<Step> &steps)
    {
        for (const Step &step : steps) {
            QWidget *focus = QApplication::focusWidget();
            if (!focus)
                return false;
            if (const auto *text = std::get_if<const char *>(&step)) {
                QTest::keyClicks(focus, QString::fromLatin1(*text));
                continue;
            }
            const QKeyCombination key = std::get<QKeyCombination>(step);
            if (key.keyboardModifiers() == Qt::AltModifier)
                pressShortcut(key.key());
            else
                QTest::keyClick(focus, key.key(), key.keyboardModifiers());
        }
        return true;
    }

    // Waits until the main window is the only window shown, and active.
    bool backInTheMainWindow() const
    {
        return QTest::qWaitFor([this] {
            const QWidgetList windows = QApplication::topLevelWidgets();
            return main->isActiveWindow()
                && std::none_of(windows.begin(), windows.end(),
                    [this](const QWidget *w) { return w != main.get() && w->isVisible(); });
        });
    }

    static std::string focusName()
    {
        const QWidget *focus = QApplication::focusWidget();
        return focus ? focus->objectName().toStdString() : "(none)";
    }

    std::unique_ptr<QWidget> graph;
};

// A command, typed from a control of a topic, and the control that has the
// keyboard focus after it.
struct FocusCase {
    const char *name;
    Topic topic;
    const char *focused;
    std::vector<Step> steps;
    const char *after;
};
void PrintTo(const FocusCase &c, std::ostream *out)
{
    *out << c.name;
}

constexpr QKeyCombination ctrl(Qt::Key key)
{
    return Qt::CTRL | key;
}
constexpr QKeyCombination alt(Qt::Key key)
{
    return Qt::ALT | key;
}
constexpr QKeyCombination enter = QKeyCombination(Qt::Key_Return);

const FocusCase focusCases[] = {
    // Save All shows the Personal topic, which has no grid: the profile
    // selector takes the keyboard; a control still shown keeps it.
    {"SaveAllFromTheGrid", Topic::BloodPressure, "gridViewer", {ctrl(Qt::Key_S)}, "cboProfiles"},
    {"SaveAllFromTheTopicList", Topic::BloodPressure, "lstTopics", {ctrl(Qt::Key_S)}, "lstTopics"},
    // The panel goes; the grid shows the topic again.
    {"SavingAReading", Topic::BloodPressure, "gridViewer",
        {alt(Qt::Key_A), "120", enter, "80", alt(Qt::Key_S)}, "gridViewer"},
    {"CancellingAReading", Topic::BloodPressure, "gridViewer", {alt(Qt::Key_A), alt(Qt::Key_E)},
        "gridViewer"},
    // The only profile deleted, the first one is entered: the profile list
    // is shown again.
    {"SavingTheFirstProfile", Topic::Personal, "cboProfiles",
        {alt(Qt::Key_D), alt(Qt::Key_N), "Ann", enter, "Lee", alt(Qt::Key_S)}, "cboProfiles"},
    // Windows closing give the keyboard back to the control that had it.
    {"ADialogClosingWithItsMessage", Topic::BloodPressure, "gridViewer", {ctrl(Qt::Key_E)},
        "gridViewer"},
    {"TheGraphWindowClosing", Topic::Glucose, "lstTopics", {ctrl(Qt::Key_G)}, "lstTopics"},
};

class FocusAfterCommand : public KeyboardFocus, public ::testing::WithParamInterface<FocusCase> { };

} // namespace

TEST_P(FocusAfterCommand, AControlOfTheActiveMainWindowHasTheKeyboard)
{
    const FocusCase &c = GetParam();
    showTopic(c.topic);
    control<QWidget>(c.focused)->setFocus();
    ASSERT_EQ(focusName(), c.focused);

    ASSERT_TRUE(type(c.steps)) << "no control has the keyboard along the way";
    ASSERT_TRUE(backInTheMainWindow());
    EXPECT_FALSE(editing());
    EXPECT_EQ(focusName(), c.after);
}

INSTANTIATE_TEST_SUITE_P(Commands, FocusAfterCommand, ::testing::ValuesIn(focusCases),
    [](const auto &info) { return std::string(info.param.name); });

namespace {

// Where the control of a shortcut case is.
enum class Where { MainWindow, ModalDialog };

// A key typed in a control, and the menu item it chooses ("" none).
struct ShortcutCase {
    const char *control;
    QKeyCombination key;
    const char *item;
    Where where = Where::MainWindow;
};

const ShortcutCase shortcutCases[] = {
    // Every shortcut of the menus from a text box, which takes some of
    // these keys for itself; the Edit menu is off while a record is edited.
    {"txtBP(1)", ctrl(Qt::Key_S), "mnuSaveAll"},
    {"txtBP(1)", ctrl(Qt::Key_I), "mnuImport"},
    {"txtBP(1)", ctrl(Qt::Key_E), "mnuExport"},
    {"txtBP(1)", ctrl(Qt::Key_B), "mnuBackup"},
    {"txtBP(1)", ctrl(Qt::Key_G), "mnuGraph"},
    {"txtBP(1)", ctrl(Qt::Key_H), "mnuManual"},
    {"txtBP(1)", ctrl(Qt::Key_N), ""},
    // The other kinds of entry control.
    {"txtBP(7)", ctrl(Qt::Key_E), "mnuExport"},
    {"cboBPActivity", ctrl(Qt::Key_E), "mnuExport"},
    {"dtBPDate", ctrl(Qt::Key_E), "mnuExport"},
    {"dtBPTime", ctrl(Qt::Key_E), "mnuExport"},
    // A text box of a modal dialog, such as Export's file name, keeps the key:
    // the cursor goes to the end of its line.
    {"txtFileName", ctrl(Qt::Key_E), "", Where::ModalDialog},
};

// Opens a modal dialog of the main window with a text box named `name` and,
// once it has the keyboard, types `key` in the box. The cursor's place after the key.
int typedInADialog(QWidget *main, const char *name, QKeyCombination key)
{
    QDialog dialog(main);
    dialog.setWindowTitle(QStringLiteral("Export Data"));
    auto *box = new QLineEdit(QStringLiteral("blood pressure.csv"), &dialog);
    box->setObjectName(QLatin1String(name));
    int cursor = -1;
    onceActive(&dialog, [&] {
        box->setFocus();
        box->setCursorPosition(0);
        QTest::keyClick(box, key.key(), key.keyboardModifiers());
        cursor = box->cursorPosition();
        dialog.accept();
    });
    dialog.exec();
    return cursor;
}

} // namespace

TEST_F(KeyboardFocus, EveryMenuShortcutWorksFromEveryKindOfEntryControl)
{
    FakeBrowser helpViewer({QStringLiteral("file")});
    QStringList chosen;
    for (QAction *menu : main->menuBar()->actions()) {
        for (QAction *item : menu->menu()->actions())
            QObject::connect(
                item, &QAction::triggered, item, [&chosen, item] { chosen << item->objectName(); });
    }
    showTopic(Topic::BloodPressure);

    for (const ShortcutCase &c : shortcutCases) {
        const QString key = QKeySequence(c.key).toString();
        SCOPED_TRACE(std::string(c.control) + " " + key.toStdString());
        if (c.where == Where::ModalDialog) {
            chosen.clear();
            EXPECT_EQ(typedInADialog(main.get(), c.control, c.key),
                int(std::strlen("blood pressure.csv")));
            ASSERT_TRUE(backInTheMainWindow());
            EXPECT_EQ(chosen.join(u',').toStdString(), c.item);
            continue;
        }
        if (!editing()) {
            showTopic(Topic::BloodPressure);
            control<QWidget>("gridViewer")->setFocus();
            ASSERT_TRUE(type({alt(Qt::Key_A)}));
        }
        // A box or picker passes the focus on to its edit.
        QWidget *target = control<QWidget>(c.control);
        target->setFocus();
        const QWidget *focus = QApplication::focusWidget();
        ASSERT_TRUE(focus == target || target->isAncestorOf(focus));
        chosen.clear();
        // A command that would end the editing asks first; Yes keeps the reading.
        prompter.setNextAnswers({Prompter::Yes});

        ASSERT_TRUE(type({c.key}));
        ASSERT_TRUE(backInTheMainWindow());
        EXPECT_EQ(chosen.join(u',').toStdString(), c.item);
    }
    EXPECT_EQ(helpViewer.opened.size(), 1);
}
