#include "editor_fixture.h"

#include "store/criterion.h"
#include "store/record_operations.h"
#include "store/store.h"
#include "store/topics.h"
#include "support/typed_keys.h"

#include <QAction>
#include <QApplication>
#include <QTest>

#include <ostream>

using namespace vantorelle;

namespace {

// The Edit command typed on the record grid (Alt+I) when the grid's row has
// no record behind it any more: nothing to edit, and no error box.

// tests/data/editor_personal: Ann Lee is linked to the insurance company Acme
// Health and to the contact Carl Dunn.
struct GoneMasterCase {
    const char *label;
    Topic topic;
    TableId masters;
    const char *masterKey; // the master Ann's only link names
    int list; // its master list's index in the Edit menu
};

void PrintTo(const GoneMasterCase &c, std::ostream *out)
{
    *out << c.label;
}

class EditCommandTest : public EditorFixture {
protected:
    void SetUp() override
    {
        moreData = QStringLiteral("editor_personal");
        EditorFixture::SetUp();
        ASSERT_FALSE(HasFatalFailure());
        main->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    }

    // Types `key` with `modifiers` where the keyboard focus is.
    void type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : main.get(), key, modifiers);
    }

    QTableWidget *grid() const { return control<QTableWidget>("gridViewer"); }
};

class GoneMaster : public EditCommandTest, public ::testing::WithParamInterface<GoneMasterCase> { };

// The master-list editor deletes the company (or contact) the profile's only
// link names; back in the main window the user edits the row that showed it.
TEST_P(GoneMaster, EditOfARowWhoseMasterWasDeletedShowsNoError)
{
    const GoneMasterCase &c = GetParam();
    SecondaryWindows windows;
    windows.editMaster = [&](int) {
        MemoryTable &masters = table(c.masters);
        masters.moveFirst();
        ASSERT_TRUE(masters.find(Criterion::equal("Key", c.masterKey)));
        RecordOperations(main->store()).deleteRecord(c.masters, masters.handle());
    };
    main->setSecondaryWindows(windows);
    ASSERT_TRUE(main->selectProfile(profileKey)); // Ann Lee
    showTopic(c.topic);
    ASSERT_EQ(grid()->rowCount(), 1);
    grid()->setFocus();

    control<QAction>(QStringLiteral("mnuEditMaster(%1)").arg(c.list).toLatin1().constData())
        ->trigger();
    pressShortcut(Qt::Key_I); // Edit

    EXPECT_TRUE(prompter.boxes.isEmpty()) << boxTexts().join(u'|').toStdString();
    EXPECT_FALSE(editing());
    EXPECT_TRUE(control<QFrame>("frmViewer")->isVisible());
    // The grid lists what is left: the link to a master that is gone shows nothing.
    EXPECT_EQ(grid()->rowCount(), 0);
    EXPECT_FALSE(control<QPushButton>("cmdEdit")->isVisible());
}

INSTANTIATE_TEST_SUITE_P(Links, GoneMaster,
    ::testing::Values(
        GoneMasterCase {"Insurance", Topic::Insurance, TableId::InsID, "20240102090000p", 1},
        GoneMasterCase {"Contacts", Topic::Contacts, TableId::ConID, "20240103100000p", 0}),
    [](const auto &info) { return std::string(info.param.label); });

} // namespace

namespace {

// The File menu stays open while a record is added or edited. Its Import and
// Export dialogs end the editing once the user gives it up; the topic's list
// then comes back in front, listing what an import added.
TEST_F(EditCommandTest, ImportTypedWhileAddingShowsTheTopicAgain)
{
    SecondaryWindows windows;
    windows.importData = [&](QWidget *, const QString &) {
        EditedRecord reading;
        reading.values = {{"Vaccination", "Tetanus"}, {"Date", "20250101"}};
        RecordOperations(main->store()).saveTopicRecord(TableId::Vacc, profileKey, reading);
    };
    main->setSecondaryWindows(windows);
    ASSERT_TRUE(main->selectProfile(profileKey)); // Ann Lee, no vaccination
    showTopic(Topic::Vaccinations);
    ASSERT_EQ(grid()->rowCount(), 0);
    control<QPushButton>("cmdAdd")->setFocus();
    type(Qt::Key_Space);
    ASSERT_TRUE(editing());

    prompter.setNextAnswers({Prompter::No});
    type(Qt::Key_I, Qt::ControlModifier);

    EXPECT_FALSE(editing());
    EXPECT_TRUE(control<QFrame>("frmViewer")->isVisible());
    EXPECT_EQ(grid()->rowCount(), 1);
    ASSERT_EQ(prompter.boxes.size(), 1) << boxTexts().join(u'|').toStdString();
    EXPECT_EQ(prompter.boxes[0].title, "Changes Not Saved");
}

} // namespace

namespace {

TEST_F(EditCommandTest, PrintChosenWhileEditingShowsTheTopicAgain)
{
    SecondaryWindows windows;
    windows.printProfile = [] {};
    main->setSecondaryWindows(windows);
    ASSERT_TRUE(main->selectProfile(profileKey)); // Ann Lee and her readings
    showTopic(Topic::BloodPressure);
    control<QPushButton>("cmdEdit")->setFocus();
    type(Qt::Key_Space);
    ASSERT_TRUE(editing());

    prompter.setNextAnswers({Prompter::No});
    control<QAction>("mnuPrint")->trigger();

    EXPECT_FALSE(editing());
    EXPECT_TRUE(control<QFrame>("frmViewer")->isVisible());
    EXPECT_TRUE(grid()->isVisible());
}

} // namespace
