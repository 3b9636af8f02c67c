#include "views_fixture.h"

#include "mainwin/grid_cells.h"
#include "store/topics.h"

using namespace vantorelle;

namespace {

class RecordViewerTest : public ViewsFixture {
protected:
    // What the View button opens: the master's Key, "pharmacy" or "provider".
    std::string viewButtonOpens()
    {
        std::string opened;
        SecondaryWindows windows;
        windows.viewProvider = [&](QWidget *owner, const std::string &key, bool pharmacy) {
            EXPECT_EQ(owner, main.get());
            opened = key + (pharmacy ? " pharmacy" : " provider");
        };
        main->setSecondaryWindows(windows);
        control<QPushButton>("cmdViewProvider")->click();
        return opened;
    }
};

constexpr int jane = 2;

} // namespace

TEST_F(RecordViewerTest, ViewButtonFollowsTheShownRecord)
{
    ASSERT_TRUE(startOn());
    show(jane, Topic::Medications);
    EXPECT_FALSE(control<QPushButton>("cmdViewProvider")->isHidden());
    EXPECT_EQ(control<QPushButton>("cmdViewProvider")->text(), "View Pharmacy");
    EXPECT_EQ(viewButtonOpens(), "cornerdrugs20080101101010p pharmacy");

    clickRow(1); // zinc: a physician, no pharmacy
    EXPECT_TRUE(control<QPushButton>("cmdViewProvider")->isHidden());
    EXPECT_TRUE(viewerText().startsWith("Medication:\tZinc"));
    // Hidden, the button keeps what it opens; the caption no longer says pharmacy.
    EXPECT_EQ(viewButtonOpens(), "cornerdrugs20080101101010p provider");

    control<QListWidget>("lstTopics")
        ->setCurrentRow(int(topicIndex(Topic::Illnesses))); // the cold: a deleted provider
    EXPECT_FALSE(control<QPushButton>("cmdViewProvider")->isHidden());
    EXPECT_EQ(control<QPushButton>("cmdViewProvider")->text(), "View Provider");
    EXPECT_EQ(viewButtonOpens(), "drgone20080101101010p provider");
    EXPECT_TRUE(viewerText().contains("Physician:\t<not found>"));
}

TEST_F(RecordViewerTest, TheShownRecordStaysCurrentForEditAndDelete)
{
    ASSERT_TRUE(startOn());
    show(jane, Topic::BloodPressure);
    clickRow(1);
    EXPECT_EQ(table(TableId::BP).value("SBP"), "120");
    EXPECT_FALSE(control<QPushButton>("cmdEdit")->isHidden());
}

TEST_F(RecordViewerTest, ARecordGoneFromItsTableLeavesAnEmptyView)
{
    ASSERT_TRUE(startOn());
    show(jane, Topic::Allergies);
    MemoryTable &allergies = table(TableId::Allergy);
    allergies.moveFirst();
    ASSERT_TRUE(allergies.find(Criterion::equal("Key", "doejane20080101101010pdust79919797")));
    allergies.applyDeleteRule();

    main->showListedRecord();
    EXPECT_EQ(viewerText(), "");
    EXPECT_FALSE(control<QPushButton>("cmdEdit")->isHidden());
    EXPECT_TRUE(control<QPushButton>("cmdViewProvider")->isHidden());
}

TEST_F(RecordViewerTest, OnPersonalAGridStillListingRowsGivesAnEmptyView)
{
    ASSERT_TRUE(startOn());
    show(jane, Topic::Allergies);
    {
        const QSignalBlocker blocker(control<QListWidget>("lstTopics"));
        control<QListWidget>("lstTopics")->setCurrentRow(int(topicIndex(Topic::Personal)));
    }
    control<QPushButton>("cmdEdit")->hide();
    main->showListedRecord();
    EXPECT_EQ(viewerText(), "");
    EXPECT_FALSE(control<QPushButton>("cmdEdit")->isHidden());
}

TEST_F(RecordViewerTest, CellTextReadsTheGridAndNothingOutsideIt)
{
    ASSERT_TRUE(startOn());
    show(jane, Topic::Allergies);
    const QTableWidget *grid = control<QTableWidget>("gridViewer");
    EXPECT_EQ(cellText(grid, 1, 2), "doejane20080101101010ppeanuts79919898");
    EXPECT_EQ(cellText(grid, 0, 0), "Dust");
    EXPECT_EQ(cellText(grid, 2, 0), "");
    EXPECT_EQ(cellText(grid, -1, 0), "");
    EXPECT_EQ(cellText(grid, 0, grid->columnCount()), "");
}

TEST_F(RecordViewerTest, LaterLinesOfAValueStartAtTheValueColumn)
{
    ASSERT_TRUE(startOn());
    show(jane, Topic::Allergies);
    EXPECT_EQ(viewerText(),
        QString("Allergy:\tDust\nReaction:\tSneezing\n\tItching\n"
                "Date:\t02/02/2008\nNotes:\ta {b} c\n"));
    const QList<qreal> starts = viewerValueStarts();
    ASSERT_EQ(starts.size(), 5);
    EXPECT_EQ(starts.count(starts.front()), starts.size());
}
