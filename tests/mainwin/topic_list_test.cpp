#include "views_fixture.h"

#include "store/store.h"
#include "store/topics.h"

#include <QHeaderView>

using namespace vantorelle;

namespace {

using TopicListTest = ViewsFixture;

constexpr int jane = 2;

QStringList row(const QTableWidget *grid, int r)
{
    QStringList cells;
    for (int c = 0; c < grid->columnCount(); ++c)
        cells << grid->item(r, c)->text();
    return cells;
}

} // namespace

TEST_F(TopicListTest, InsuranceRowsComeThroughTheLinksWithHiddenKeys)
{
    ASSERT_TRUE(startOn());
    show(jane, Topic::Insurance);
    const QTableWidget *grid = control<QTableWidget>("gridViewer");
    ASSERT_EQ(grid->rowCount(), 1); // the links to a deleted and to a missing company give none
    EXPECT_EQ(row(grid, 0),
        QStringList({"Acme Health", "PPO", "G-1", "P-9", "acmehealth20080101101010p",
            "doejane20080101101010p20080101101020p"}));
    EXPECT_TRUE(grid->isColumnHidden(4));
    EXPECT_TRUE(grid->isColumnHidden(5));
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "Company ");
    EXPECT_FALSE(grid->isHidden());
    EXPECT_FALSE(control<QPushButton>("cmdAdd")->isHidden());
    EXPECT_FALSE(control<QPushButton>("cmdDel")->isHidden());
    EXPECT_TRUE(viewerText().startsWith("Company:\tAcme Health"));
    // The link table is left past its last record of the profile.
    EXPECT_TRUE(table(TableId::InsXref).eof());
}

TEST_F(TopicListTest, ContactsListEveryLinkedContact)
{
    ASSERT_TRUE(startOn());
    show(jane, Topic::Contacts);
    ASSERT_EQ(control<QTableWidget>("gridViewer")->rowCount(), 2);
    EXPECT_EQ(row(control<QTableWidget>("gridViewer"), 1).mid(0, 4),
        QStringList({"Solo, ", "", "", "solo20080101101010p"}));
}

TEST_F(TopicListTest, PersonalAndLegalShowASummaryInsteadOfTheGrid)
{
    ASSERT_TRUE(startOn());
    show(jane, Topic::Allergies);
    control<QListWidget>("lstTopics")->setCurrentRow(int(topicIndex(Topic::Legal)));
    EXPECT_TRUE(control<QTableWidget>("gridViewer")->isHidden());
    EXPECT_TRUE(control<QPushButton>("cmdAdd")->isHidden());
    EXPECT_TRUE(control<QPushButton>("cmdDel")->isHidden());
    EXPECT_FALSE(control<QPushButton>("cmdEdit")->isHidden());
    EXPECT_TRUE(control<QPushButton>("cmdViewProvider")->isHidden());
    EXPECT_EQ(viewerText(),
        QString("Name:\tJane Doe\nMarital Status:\tMarried\n"
                "Organ Donor:\tYes\nWill:\t{in the safe}\n"
                "Pwr of Attorney:\tJohn Doe\nNext of Kin:\tJohn Doe\n"
                "Resusc Status:\tFull\nNotes:\ttyped \\b here\n"));
    // The long label of the power of attorney and the short ones: one column.
    const QList<qreal> legal = viewerValueStarts();
    ASSERT_EQ(legal.size(), 8);
    EXPECT_EQ(legal.count(legal.front()), legal.size());
    control<QListWidget>("lstTopics")->setCurrentRow(int(topicIndex(Topic::Personal)));
    const QList<qreal> personal = viewerValueStarts();
    ASSERT_FALSE(personal.isEmpty());
    EXPECT_EQ(personal.count(personal.front()), personal.size());
    // Each record's column stands just right of its own widest label.
    EXPECT_LT(personal.front(), legal.front());
}

TEST_F(TopicListTest, GlucoseHeaderAndCellsFollowThePreference)
{
    ASSERT_TRUE(startOn());
    DisplayPreferences display = main->preferences().display();
    display.glucoseUnits = "mmol/L";
    main->preferences().setDisplay(display);
    show(jane, Topic::Glucose);
    const QTableWidget *grid = control<QTableWidget>("gridViewer");
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), "Glucose (mmol/L) ");
    EXPECT_EQ(grid->item(0, 0)->text(), "5.5"); // 99 mg/dL converted
    EXPECT_EQ(grid->item(1, 0)->text(), "5.5"); // stored in mmol/L
}

TEST_F(TopicListTest, AProfileWithoutRecordsShowsOnlyTheHeader)
{
    ASSERT_TRUE(startOn());
    show(jane, Topic::Allergies);
    ASSERT_FALSE(control<QPushButton>("cmdEdit")->isHidden());
    control<QComboBox>("cboProfiles")->setCurrentIndex(1);
    control<QListWidget>("lstTopics")->setCurrentRow(int(topicIndex(Topic::Cholesterol)));
    EXPECT_EQ(control<QTableWidget>("gridViewer")->rowCount(), 0);
    EXPECT_EQ(control<QTableWidget>("gridViewer")->columnCount(), 6);
    EXPECT_TRUE(control<QPushButton>("cmdEdit")->isHidden());
    EXPECT_EQ(viewerText(), "");
}

TEST_F(TopicListTest, ALongListIsFilledInOnePass)
{
    ASSERT_TRUE(startOn());
    MemoryTable &weights = table(TableId::Weight);
    for (int i = 0; i < 20000; ++i) {
        weights.addNew();
        weights.setValue("REC_ID", "0x00000000");
        weights.setValue("STATUS", "0x0008");
        weights.setValue("Key", "doejane20080101101010p" + std::to_string(100000 + i));
        weights.setValue("Weight", std::to_string(i));
        weights.update();
    }
    weights.setFilter(Criterion::standardFilter());
    show(jane, Topic::Weight);
    EXPECT_EQ(control<QTableWidget>("gridViewer")->rowCount(), 20001);
    EXPECT_EQ(control<QTableWidget>("gridViewer")->item(20000, 0)->text(), "140");
}
