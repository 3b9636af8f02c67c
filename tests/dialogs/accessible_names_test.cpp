#include "dialog_windows_fixture.h"

#include "support/accessible_names.h"
#include "support/find_control.h"

#include <memory>
#include <utility>
#include <vector>

using namespace vantorelle;

// A screen reader meets the boxes and lists of the preferences and password
// windows by the captions beside them.
TEST_F(DialogWindows, EveryControlIsNamedByItsCaption)
{
    const struct {
        const char *window;
        std::vector<std::pair<const char *, const char *>> named;
    } windows[] = {
        {"Preferences",
            {{"txtCurrency", "Currency Symbol:"}, {"cboDateFmt", "Date Format:"},
                {"cboDateSep", "Separator:"}, {"cboGlucose", "Glucose Units:"}}},
        {"Password", {{"txtPassword", "Password:"}}},
        {"ChangePassword", {}},
    };
    for (const auto &w : windows) {
        SCOPED_TRACE(w.window);
        const std::unique_ptr<QWidget> window = open(w.window);
        EXPECT_GT(expectNamedByCaptions(*window), 0u);
        for (const auto &[name, caption] : w.named)
            expectNamed(findControl<QWidget>(*window, name), QString::fromLatin1(caption));
    }
}
