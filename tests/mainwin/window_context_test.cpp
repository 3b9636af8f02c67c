#include "views_fixture.h"

#include "context/main_window_context.h"
#include "store/topics.h"

using namespace vantorelle;

namespace {

using WindowContextTest = ViewsFixture;

constexpr int jane = 2;

// What the windows beside the main window read of it, through the interface
// they are given.
TEST_F(WindowContextTest, NamesTheShownProfileAndTopic)
{
    ASSERT_TRUE(startOn());
    MainWindowContext &context = *main;
    show(jane, Topic::Allergies);

    const std::optional<ListedProfile> profile = context.currentProfile();
    ASSERT_TRUE(profile);
    EXPECT_EQ(profile->key, "doejane20080101101010p");
    EXPECT_EQ(profile->name, "Doe, Jane");
    EXPECT_EQ(context.currentTopic(), Topic::Allergies);
    EXPECT_EQ(context.editState().mode(), EditMode::Normal);

    {
        const QSignalBlocker blocker(control<QComboBox>("cboProfiles"));
        control<QComboBox>("cboProfiles")->setCurrentIndex(-1);
    }
    EXPECT_FALSE(context.currentProfile());
}

TEST_F(WindowContextTest, ShowsAProfileAndATopicAsAsked)
{
    ASSERT_TRUE(startOn());
    MainWindowContext &context = *main;

    EXPECT_TRUE(context.selectProfile("doeadam20080101101011p"));
    EXPECT_EQ(control<QComboBox>("cboProfiles")->currentText(), "Doe, Adam");
    EXPECT_TRUE(viewerText().startsWith("Name:\tAdam Doe"));
    EXPECT_FALSE(context.selectProfile("nobody20080101101011p"));
    EXPECT_EQ(control<QComboBox>("cboProfiles")->currentText(), "Doe, Adam");

    context.selectTopic(Topic::Allergies);
    EXPECT_EQ(control<QListWidget>("lstTopics")->currentRow(), int(topicIndex(Topic::Allergies)));
    EXPECT_EQ(context.currentTopic(), Topic::Allergies);
}

// A change of the display preferences shows the list and the record again at
// once, the same row still chosen.
TEST_F(WindowContextTest, TheViewsFollowTheDisplayPreferences)
{
    ASSERT_TRUE(startOn());
    show(jane, Topic::Allergies);
    clickRow(1);
    const QTableWidget *grid = control<QTableWidget>("gridViewer");
    ASSERT_EQ(grid->item(0, 1)->text(), "02/02/2008");

    DisplayPreferences display = main->preferences().display();
    display.dateFormat = DateFormat::YearMonthDay;
    display.dateSeparator = "-";
    main->preferences().setDisplay(display);

    EXPECT_EQ(grid->item(0, 1)->text(), "2008-02-02");
    EXPECT_EQ(grid->currentRow(), 1);
    EXPECT_TRUE(viewerText().startsWith("Allergy:\tPeanuts"));
    clickRow(0);
    EXPECT_TRUE(viewerText().contains("Date:\t2008-02-02"));
    EXPECT_TRUE(prompter.boxes.isEmpty());
}

} // namespace
