#include "editor/personal_panel.h"
#include "editor/topic_panel.h"
#include "store/clock.h"
#include "support/fake_main_window_context.h"

#include <gtest/gtest.h>

using namespace vantorelle;

// The Personal panel's refresh after a save, on a faked main window: the
// selector lists the profiles again only when it lacks the saved one or its
// new name, then shows the profile by its Key.

namespace {

EditedRecord profile(const char *first, const char *last)
{
    EditedRecord record;
    record.values = {{"First", first}, {"Last", last}};
    return record;
}

class PersonalRefresh : public ::testing::Test {
protected:
    void SetUp() override { Clock::install(&clock); }
    void TearDown() override { Clock::install(nullptr); }

    // Saves `record` as the panel's Save does, then refreshes the window.
    SavedRecord save(const EditedRecord &record)
    {
        const SavedRecord saved = hooks.store(record);
        EXPECT_TRUE(hooks.refresh(saved));
        return saved;
    }

    FixedClock clock {{2026, 3, 7, 9, 5, 0}};
    FakeMainWindowContext context;
    TopicPanel panel {Topic::Personal, PersonalPanel::descriptor, context.preferences()};
    PersonalPanel hooks {context, panel};
};

TEST_F(PersonalRefresh, ANewProfileIsListedBeforeItIsShown)
{
    context.editState().setMode(EditMode::Add);
    const SavedRecord saved = save(profile("Ann", "Lee"));

    const QString selected = QStringLiteral("selectProfile(%1)").arg(saved.key.c_str());
    EXPECT_EQ(context.refreshes, QStringList({"showRecords", selected, "showTopic"}));
}

TEST_F(PersonalRefresh, OnlyARenamedProfileIsListedAgain)
{
    context.editState().setMode(EditMode::Add);
    const SavedRecord added = save(profile("Ann", "Lee"));
    context.listed.insert(added.key);
    hooks.shownFirst = "Ann";
    hooks.shownLast = "Lee";
    context.editState().setMode(EditMode::Edit);
    const QString selected = QStringLiteral("selectProfile(%1)").arg(added.key.c_str());

    EditedRecord same = profile("Ann", "Lee");
    same.key = added.key;
    same.row = added.row;
    context.refreshes.clear();
    save(same);
    EXPECT_EQ(context.refreshes, QStringList({selected, "showTopic"}));

    EditedRecord renamed = profile("Anne", "Lee");
    renamed.key = added.key;
    renamed.row = added.row;
    context.refreshes.clear();
    save(renamed);
    EXPECT_EQ(context.refreshes, QStringList({"showRecords", selected, "showTopic"}));
}

} // namespace
