#include "views_fixture.h"

#include "mainwin/view_provider_key.h"
#include "store/topics.h"

namespace {

using RecordViewerTest = ViewsFixture;

constexpr int jane = 2;

} // namespace

TEST_F(RecordViewerTest, ViewButtonFollowsTheShownRecord)
{
    ASSERT_TRUE(startOn());
    show(jane, Topic::Medications);
    EXPECT_FALSE(main->cmdViewProvider->isHidden());
    EXPECT_EQ(main->cmdViewProvider->text(), "View Pharmacy");
    EXPECT_EQ(ViewProviderKey, "cornerdrugs20080101101010p");

    clickRow(1); // zinc: a physician, no pharmacy
    EXPECT_TRUE(main->cmdViewProvider->isHidden());
    EXPECT_TRUE(viewerText().startsWith("Medication:\tZinc"));
    EXPECT_EQ(ViewProviderKey, "cornerdrugs20080101101010p"); // kept while hidden

    main->lstTopics->setCurrentRow(
        int(topicIndex(Topic::Illnesses))); // the cold: a deleted provider
    EXPECT_FALSE(main->cmdViewProvider->isHidden());
    EXPECT_EQ(main->cmdViewProvider->text(), "View Provider");
    EXPECT_EQ(ViewProviderKey, "drgone20080101101010p");
    EXPECT_TRUE(viewerText().contains("Physician:\t<not found>"));
}

TEST_F(RecordViewerTest, TheShownRecordStaysCurrentForEditAndDelete)
{
    ASSERT_TRUE(startOn());
    show(jane, Topic::BloodPressure);
    clickRow(1);
    EXPECT_EQ(table(TableId::BP).value("SBP"), "120");
    EXPECT_FALSE(main->cmdEdit->isHidden());
}

TEST_F(RecordViewerTest, ARecordGoneFromItsTableLeavesAnEmptyView)
{
    ASSERT_TRUE(startOn());
    show(jane, Topic::Allergies);
    MemoryTable &allergies = table(TableId::Allergy);
    allergies.moveFirst();
    ASSERT_TRUE(allergies.find(Criterion::equal("Key", "doejane20080101101010pdust79919797")));
    allergies.applyDeleteRule();

    main->gridViewer_Click();
    EXPECT_EQ(viewerText(), "");
    EXPECT_FALSE(main->cmdEdit->isHidden());
    EXPECT_TRUE(main->cmdViewProvider->isHidden());
}

TEST_F(RecordViewerTest, OnPersonalAGridStillListingRowsGivesAnEmptyView)
{
    ASSERT_TRUE(startOn());
    show(jane, Topic::Allergies);
    {
        const QSignalBlocker blocker(main->lstTopics);
        main->lstTopics->setCurrentRow(int(topicIndex(Topic::Personal)));
    }
    main->cmdEdit->hide();
    main->gridViewer_Click();
    EXPECT_EQ(viewerText(), "");
    EXPECT_FALSE(main->cmdEdit->isHidden());
}

TEST_F(RecordViewerTest, GridIndexAddressesTheCellTextArray)
{
    ASSERT_TRUE(startOn());
    show(jane, Topic::Allergies);
    const QTableWidget *grid = main->gridViewer;
    EXPECT_EQ(Main::gridIndex(1, 2, grid), 5);
    EXPECT_EQ(
        Main::gridText(grid, Main::gridIndex(1, 2, grid)), "doejane20080101101010ppeanuts79919898");
    EXPECT_EQ(Main::gridText(grid, Main::gridIndex(0, 0, grid)), "Dust");
    EXPECT_EQ(Main::gridText(grid, Main::gridIndex(2, 0, grid)), "");
    EXPECT_EQ(Main::gridText(grid, -1), "");
}

TEST_F(RecordViewerTest, LaterLinesOfAValueStartAtTheValueColumn)
{
    ASSERT_TRUE(startOn());
    show(jane, Topic::Allergies);
    EXPECT_EQ(viewerText(),
        QString("Allergy:\tDust\nReaction:\tSneezing\n\tItching\n"
                "Date:\t02/02/2008\nNotes:\ta {b} c\n"));
    EXPECT_EQ(viewerTabStop(), 1100);
}
