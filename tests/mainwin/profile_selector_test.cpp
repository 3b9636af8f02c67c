#include "views_fixture.h"

#include "store/store.h"
#include "store/topics.h"

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
    EXPECT_EQ(entries(main->cboProfiles), QStringList({"Abbot, Bob", "Doe, Adam", "Doe, Jane"}));
    EXPECT_EQ(entries(main->lstKeys),
        QStringList(
            {"abbotbob20080101101012p", "doeadam20080101101011p", "doejane20080101101010p"}));
    EXPECT_EQ(main->StatusPanel1->text(), "Records Listed: 3");
    EXPECT_EQ(main->cboProfiles->currentIndex(), 0);
    EXPECT_TRUE(viewerText().startsWith("Name:\tBob Abbot"));
}

TEST_F(ProfileSelectorTest, ChoosingAPersonShowsTheirPersonalTopic)
{
    ASSERT_TRUE(startOn());
    show(1, Topic::Allergies);
    ASSERT_EQ(main->gridViewer->rowCount(), 1); // Adam's cats
    main->cboProfiles->setCurrentIndex(2);
    EXPECT_EQ(main->currentTopic(), Topic::Personal);
    EXPECT_TRUE(main->gridViewer->isHidden());
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
    main->StatusPanel1->setText("Records Listed: 3");
    editor.calls.clear();

    main->ShowRecords();
    EXPECT_EQ(main->cboProfiles->count(), 0);
    EXPECT_EQ(main->lstKeys->count(), 0);
    EXPECT_FALSE(main->cboProfiles->isHidden());
    EXPECT_EQ(main->StatusPanel1->text(), "Records Listed: 3");
    EXPECT_EQ(editor.calls, QStringList({"clearFields(Personal)", "ChangeMode(Clear)"}));
}

TEST_F(ProfileSelectorTest, AddOrEditModeKeepsTheModeAndTheSelection)
{
    ASSERT_TRUE(startOn());
    main->cboProfiles->setCurrentIndex(2);
    main->ModeText = "Add";
    editor.calls.clear();
    main->ShowRecords();
    EXPECT_FALSE(editor.calls.contains("ChangeMode(Clear)"));
}

TEST_F(ProfileSelectorTest, AChangeWhileTheFirstProfileIsEnteredDoesNothing)
{
    ASSERT_TRUE(startOn());
    {
        const QSignalBlocker blocker(main->cboProfiles);
        main->cboProfiles->clear();
        main->lstKeys->clear();
    }
    main->cmdNewSave->show();
    editor.calls.clear();
    main->cboProfiles_Change();
    EXPECT_TRUE(editor.calls.isEmpty());

    main->cmdNewSave->hide();
    main->cboProfiles_Change();
    EXPECT_EQ(editor.calls, QStringList({"cmdNew_Click"}));
}

TEST_F(ProfileSelectorTest, AProfileGoneFromTheTableIsDroppedAndTheFirstShown)
{
    ASSERT_TRUE(startOn());
    main->cboProfiles->setCurrentIndex(2);
    // Jane and then Bob are deleted behind the selector's back.
    MemoryTable &profiles = table(TableId::MainID);
    for (const char *key : {"doejane20080101101010p", "abbotbob20080101101012p"}) {
        profiles.moveFirst();
        ASSERT_TRUE(profiles.find(Criterion::equal("Key", key)));
        profiles.setValue("STATUS", "0x0002");
        profiles.update();
    }

    main->lstTopics->setCurrentRow(int(topicIndex(Topic::Weight)));
    EXPECT_EQ(entries(main->cboProfiles), QStringList({"Doe, Adam"}));
    EXPECT_EQ(entries(main->lstKeys), QStringList({"doeadam20080101101011p"}));
    EXPECT_EQ(main->cboProfiles->currentIndex(), 0);
    EXPECT_EQ(main->currentTopic(), Topic::Personal);
    EXPECT_TRUE(viewerText().startsWith("Name:\tAdam Doe"));
    EXPECT_TRUE(prompter.boxes.isEmpty());
}
