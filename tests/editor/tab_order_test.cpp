#include "history_fixture.h"

#include "support/tab_walk.h"
#include "text/stored_text.h"

#include <QTest>

#include <string>
#include <vector>

using namespace vantorelle;

namespace {

// Each panel's controls as Tab reaches them from its first one, for a new
// profile or record. A tick box Tab reaches unticked is ticked with Space, so
// that its date or time edit is reached too. From the last control Tab goes
// on to Save and Cancel and back to the first; Shift+Tab goes the same way
// back.
const struct {
    Topic topic;
    std::vector<const char *> captions;
} panelTabs[] = {
    {Topic::Personal,
        {"First Name:", "Last Name:", "Birthdate: (tick)", "Birthdate:", "Age:", "Home Ph",
            "Home Ph", "SSN", "SSN", "Gender:", "Marital Status:", "Address:", "Blood Type:",
            "Height:", "Weight:", "Blood Pressure:", "Pulse:", "Cholesterol:", "Organ Donor:",
            "Will:", "Living Will:", "Power of Attorney:", "Edit List...",
            "Next of Kin:", "Resuscitation Status:", "Notes:"}},
    {Topic::Insurance,
        {"Company:", "Type:", "Group #:", "Policy #:", "Date: (tick)",
            "Date:", "Phone:", "FAX:", "Address:", "Notes:", "Select"}},
    {Topic::Contacts,
        {"First:", "Last:", "Home Phone:", "Work Phone:", "Mobile Phone:", "Address:", "Notes:",
            "Select"}},
    {Topic::Allergies, {"Allergy:", "Reaction:", "Date: (tick)", "Date:", "Notes:"}},
    {Topic::Illnesses,
        {"Illness/Condition:", "Symptoms:", "Onset Date: (tick)", "Onset Date:",
            "Cured Date: (tick)", "Cured Date:", "Diagnosis:", "Physician:", "Edit List...",
            "Location:", "Edit List...", "Treatment:", "Notes:"}},
    {Topic::Surgeries,
        {"Surgery/Hospitalization:", "Date: (tick)", "Date:", "Amount:", "Physician:",
            "Edit List...", "Location:", "Edit List...", "Instructions:", "Notes:"}},
    {Topic::Appointments,
        {"Physician:", "Edit List...", "Date: (tick)", "Date:", "Time: (tick)",
            "Time:", "Location:", "Edit List...", "Reason:", "Diagnosis:", "Treatment:", "Notes:",
            "Follow-up Date: (tick)", "Follow-up Date:", "Time: (tick)", "Time:"}},
    {Topic::Medications,
        {"Medication:", "Take:", "Dosage:", "Physician:", "Edit List...",
            "Purpose:", "Start Date: (tick)", "Start Date:", "Stop Date: (tick)",
            "Stop Date:", "Pharmacy:", "Edit List...", "Rx #:", "Active:", "Notes:"}},
    {Topic::Vaccinations,
        {"Vaccination", "Date:", "Physician:", "Edit List...", "Location:", "Edit List...",
            "Notes:"}},
    {Topic::Tests,
        {"Test:", "Date:", "Amount:", "Physician:", "Edit List...", "Location:", "Edit List...",
            "Result:", "Goal:", "Notes:"}},
    {Topic::BloodPressure,
        {"Systolic:", "Diastolic:", "Pulse:", "Date:", "Time:", "Activity:", "Notes:"}},
    {Topic::Weight, {"Weight:", "Date:", "Time:", "Notes:"}},
    {Topic::Glucose,
        {"Glucose:", "mg/dL", "Carbs (g):", "Event:", "Date:", "Time:", "Notes:", "Insulin:"}},
    {Topic::Cholesterol,
        {"Total:", "LDL:", "HDL:", "Triglycerides:", "Date:", "Time: (tick)", "Time:", "Notes:"}},
    {Topic::FamilyHistory,
        {"First Name:", "Last Name:", "Relation:", "Side:", "Birthdate: (tick)", "Birthdate:",
            "Deceased: (tick)", "Deceased:", "Illnesses/Diseases/Conditions:", "Notes:"}},
};

using PanelTabOrder = HistoryFixture;

} // namespace

TEST_F(PanelTabOrder, TabGoesThroughEachPanelAsItIsReadAndShiftTabBack)
{
    main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get()));
    for (const auto &c : panelTabs) {
        SCOPED_TRACE(topicName(c.topic));
        showTopic(c.topic);
        if (c.topic == Topic::Personal)
            editor->newProfile();
        else
            editor->addRecord();
        ASSERT_TRUE(editing());
        TopicPanel &shown = panel(c.topic);
        shown.findChild<QWidget *>(ownText(shown.descriptor().controls.front().name))->setFocus();

        std::vector<const char *> order = c.captions;
        order.insert(order.end(), {"Save", "Cancel"});
        const std::string expected = joinedCaptions(order);
        EXPECT_EQ(tabRound(), expected);
        EXPECT_EQ(tabRound(Qt::Key_Backtab), expected);
        // With every box ticked now, Tab comes to each box before its edit still.
        EXPECT_EQ(tabRound(), expected);

        editor->cancelEditing();
    }
}
