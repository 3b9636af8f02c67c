#include "dialog_windows_fixture.h"

#include "support/tab_walk.h"

#include <memory>
#include <vector>

using namespace vantorelle;

// Tab goes through each window's controls as a person reads them, from the
// control named first round to it again, and Shift+Tab the same way back.
TEST_F(DialogWindows, TabGoesThroughEachWindowAsItIsRead)
{
    const struct {
        const char *window;
        const char *first;
        std::vector<const char *> order;
    } windows[] = {
        {"Preferences", "chkDelete",
            {"Confirm delete operations (handhelds only)",
                "Backup databases on hotsync (Palm OS handhelds only)", "Currency Symbol:",
                "Date Format:", "Separator:", "Glucose Units:", "OK", "Cancel"}},
        {"Password", "txtPassword", {"Password:", "OK"}},
        {"ChangePassword", "txtCurrPW",
            {"Current Password:", "New Password:", "Retype Password:", "OK"}},
        {"About", "txtInfo", {"[txtInfo]", "OK"}},
    };
    for (const auto &w : windows) {
        SCOPED_TRACE(w.window);
        const std::unique_ptr<QWidget> window = open(w.window);
        expectTabOrder(*window, w.first, w.order);
    }
}
