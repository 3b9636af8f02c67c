#include "views_fixture.h"

#include "store/store.h"
#include "store/topics.h"

using namespace vantorelle;

namespace {

QStringList entries(const QComboBox *combo)
{
    QStringList list;
    for (int i = 0; i < combo->count(); ++i)
        list << combo->itemText(i);
    return list;
}

QStringList entries(const QListWidget *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts << list->item(i)->text();
    return texts;
}

using ProfileSelectorTest = ViewsFixture;

} // namespace

TEST_F(ProfileSelectorTest, ListsUndeletedProfilesByLastAndFirstName)
{
    ASSERT_TRUE(startOn());
    EXPECT_EQ(entries(control<QComboBox>("cboProfiles")),
        QStringList({"Abbot, Bob", "Doe, Adam", "Doe, Jane"}));
    EXPECT_EQ(entries(control<QListWidget>("lstKeys")),
        QStringList(
            {"abbotbob20080101101012p", "doeadam20080101101011p", "doejane20080101101010p"}));
    EXPECT_EQ(control<QLabel>("StatusPanel1")->text(), "Records Listed: 3");
    EXPECT_EQ(control<QComboBox>("cboProfiles")->currentIndex(), 0);
    EXPECT_TRUE(viewerText().startsWith("Name:\tBob Abbot"));
}

TEST_F(ProfileSelectorTest, ChoosingAPersonShowsTheirPersonalTopic)
{
    ASSERT_TRUE(startOn());
    show(1, Topic::Allergies);
    ASSERT_EQ(control<QTableWidget>("gridViewer")->rowCount(), 1); // Adam's cats
    control<QComboBox>("cboProfiles")->setCurrentIndex(2);
    EXPECT_EQ(main->currentTopic(), Topic::Personal);
    EXPECT_TRUE(control<QTableWidget>("gridViewer")->isHidden());
    EXPECT_TRUE(viewerText().startsWith("Name:\tJane Doe"));
    // The profile table stands on the profile shown, for the profile editor.
    EXPECT_EQ(table(TableId::MainID).value("First"), "Jane");
}

TEST_F(ProfileSelectorTest, WithoutProfilesTheSelectorIsEmptyAndTheStatusKept)
{
    ASSERT_TRUE(startOn());
    MemoryTable &profiles = table(TableId::MainID);
    for (profiles.moveFirst(); !profiles.eof(); profiles.moveNext())
        profiles.applyDeleteRule();
    control<QLabel>("StatusPanel1")->setText("Records Listed: 3");
    editor.calls.clear();

    main->showRecords();
    EXPECT_EQ(control<QComboBox>("cboProfiles")->count(), 0);
    EXPECT_EQ(control<QListWidget>("lstKeys")->count(), 0);
    EXPECT_FALSE(control<QComboBox>("cboProfiles")->isHidden());
    EXPECT_EQ(control<QLabel>("StatusPanel1")->text(), "Records Listed: 3");
    EXPECT_EQ(editor.calls, QStringList({"clearPanel(Personal)", "mode(Normal)"}));
}

TEST_F(ProfileSelectorTest, AddOrEditModeKeepsTheModeAndTheSelection)
{
    ASSERT_TRUE(startOn());
    control<QComboBox>("cboProfiles")->setCurrentIndex(2);
    main->editState().setMode(EditMode::Add);
    editor.calls.clear();
    main->showRecords();
    EXPECT_FALSE(editor.calls.contains("mode(Normal)"));
    EXPECT_EQ(main->editState().mode(), EditMode::Add);
}

TEST_F(ProfileSelectorTest, AChangeWhileTheFirstProfileIsEnteredDoesNothing)
{
    ASSERT_TRUE(startOn());
    QComboBox *selector = control<QComboBox>("cboProfiles");
    control<QListWidget>("lstKeys")->clear();
    control<QPushButton>("cmdNewSave")->show();
    editor.calls.clear();
    selector->clear(); // the selector's change comes with no profile listed
    EXPECT_TRUE(editor.calls.isEmpty());

    {
        const QSignalBlocker blocker(selector);
        selector->addItem("Doe, Jane");
    }
    control<QPushButton>("cmdNewSave")->hide();
    selector->clear();
    EXPECT_EQ(editor.calls, QStringList({"newProfile"}));
}

TEST_F(ProfileSelectorTest, AProfileGoneFromTheTableIsDroppedAndTheFirstShown)
{
    ASSERT_TRUE(startOn());
    control<QComboBox>("cboProfiles")->setCurrentIndex(2);
    // Jane and then Bob are deleted behind the selector's back.
    MemoryTable &profiles = table(TableId::MainID);
    for (const char *key : {"doejane20080101101010p", "abbotbob20080101101012p"}) {
        profiles.moveFirst();
        ASSERT_TRUE(profiles.find(Criterion::equal("Key", key)));
        profiles.setValue("STATUS", "0x0002");
        profiles.update();
    }

    control<QListWidget>("lstTopics")->setCurrentRow(int(topicIndex(Topic::Weight)));
    EXPECT_EQ(entries(control<QComboBox>("cboProfiles")), QStringList({"Doe, Adam"}));
    EXPECT_EQ(entries(control<QListWidget>("lstKeys")), QStringList({"doeadam20080101101011p"}));
    EXPECT_EQ(control<QComboBox>("cboProfiles")->currentIndex(), 0);
    EXPECT_EQ(main->currentTopic(), Topic::Personal);
    EXPECT_TRUE(viewerText().startsWith("Name:\tAdam Doe"));
    EXPECT_TRUE(prompter.boxes.isEmpty());
}
