#include "masters_fixture.h"

#include "masters/provider_viewer.h"
#include "support/tab_walk.h"

#include <QTest>

#include <string>
#include <vector>

using namespace vantorelle;

namespace {

using MasterTabOrder = MastersFixture;

// Each list's entry controls as Tab reaches them from the first one while an
// item is edited; the commands still enabled follow. A tick box Tab reaches
// unticked is ticked with Space, so that its date edit is reached too.
const struct {
    MasterListId list;
    const char *first;
    std::vector<const char *> order;
} editedLists[] = {
    {MasterListId::Contacts, "txtConID(1)",
        {"First:", "Last:", "Home Phone:", "Work Phone:", "Mobile Phone:", "Address:", "Notes:"}},
    {MasterListId::Insurance, "txtInsID(1)",
        {"Company:", "Type:", "Group #:", "Policy #:", "Date: (tick)",
            "Date:", "Phone:", "FAX:", "Address:", "Notes:"}},
    {MasterListId::Locations, "txtLocation(0)", {"Location:"}},
    {MasterListId::Pharmacies, "txtPharmID(1)",
        {"Pharmacy:", "Contact:", "Phone:", "FAX:", "Hours:", "Address:", "Email:", "Website:",
            "Notes:"}},
    {MasterListId::Providers, "txtProvID(1)",
        {"Name:", "Type/Specialty:", "Office Phone:", "Emergency Ph:", "FAX:", "Clinic/Hospital:",
            "Hours:", "Address:", "Email:", "Website:", "Notes:"}},
    {MasterListId::ProviderTypes, "txtProvType(0)", {"Type:"}},
};

} // namespace

// Tab goes through the master-list editor as a person reads it, round from
// the first control to it again, and Shift+Tab the same way back: the list
// chooser, the items, the entry controls, the commands. The provider viewer
// likewise.
TEST_F(MasterTabOrder, TabGoesThroughTheWindowsAsTheyAreRead)
{
    open(MasterListId::Providers);
    ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
    control<QWidget>("cboMasterList")->setFocus();
    const std::string browsing = joinedCaptions(std::vector<const char *> {
        "Master Provider List", "[lstMasterItems]", "New", "Edit", "Delete", "Close"});
    EXPECT_EQ(tabRound(), browsing);
    EXPECT_EQ(tabRound(Qt::Key_Backtab), browsing);

    for (const auto &c : editedLists) {
        SCOPED_TRACE(int(c.list));
        open(c.list);
        ASSERT_TRUE(QTest::qWaitForWindowActive(editor.get()));
        click("cmdNew");
        control<QWidget>(c.first)->setFocus();
        std::vector<const char *> order = c.order;
        order.insert(order.end(), {"Save", "Cancel", "Close"});
        EXPECT_EQ(tabRound(), joinedCaptions(order));
        EXPECT_EQ(tabRound(Qt::Key_Backtab), joinedCaptions(order));
    }

    ProviderViewer viewer(*context, "20090306080200p", false);
    viewer.show();
    QApplication::setActiveWindow(&viewer);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    findControl<QWidget>(viewer, "rtViewer")->setFocus();
    const std::string viewing
        = joinedCaptions(std::vector<const char *> {"[rtViewer]", "Edit", "Close"});
    EXPECT_EQ(tabRound(), viewing);
    EXPECT_EQ(tabRound(Qt::Key_Backtab), viewing);
}
