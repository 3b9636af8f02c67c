#include "report_window_fixture.h"

#include "reports/graph_window.h"
#include "reports/print_master_lists_dialog.h"
#include "reports/print_options_dialog.h"
#include "reports/print_preview_window.h"
#include "reports/report_builder.h"
#include "support/find_control.h"
#include "support/tab_walk.h"

#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace vantorelle;

namespace {

using ReportTabOrder = ReportWindowFixture;

} // namespace

// Tab goes through each report and graph window as a person reads it, from
// the control named first round to it again, and Shift+Tab the same way back.
TEST_F(ReportTabOrder, TabGoesThroughEachWindowAsItIsRead)
{
    const struct {
        const char *window;
        std::function<std::unique_ptr<QWidget>()> open;
        const char *first;
        std::vector<const char *> order;
    } windows[] = {
        {"PrintOptions", [&] { return std::make_unique<PrintOptionsDialog>(context, reportFile); },
            "chkPrintDateRange",
            {"Only print for the date range below:", "[DTPrintStart]", "to", "Personal and Legal",
                "Insurance", "List Only", "Contacts", "List Only", "Allergies", "List Only",
                "Illnesses/Conditions", "List Only", "Surgeries/Hospitalizations", "List Only",
                "Appointments", "List Only", "Medications", "List Only", "Vaccinations", "Tests",
                "List Only", "Blood Pressure", "Weight", "Glucose", "Family History", "List Only",
                "Cholesterol", "Preview", "Cancel"}},
        {"PrintMasterLists",
            [&] { return std::make_unique<PrintMasterListsDialog>(context, reportFile); },
            "chkSections(0)",
            {"Contacts", "Insurance", "Location", "Pharmacy", "Provider", "Provider Type",
                "Preview", "Cancel"}},
        {"PrintPreview",
            [&] {
                return std::make_unique<PrintPreviewWindow>(
                    context, ReportKind::Profile, reportFile);
            },
            "cmbZoomMode",
            {"Zoom:", "<<", "<", ">", ">>", "[vp]", "Page Setup", "Printer Setup", "Print",
                "Save to File...", "Cancel"}},
        {"Graph", [&] { return std::make_unique<GraphWindow>(context); }, "lstTopics",
            {"Topic:", "Quick Date Ranges:", "From", "to", "Draw Graph", "Print", "Save", "Close"}},
    };
    for (const auto &w : windows) {
        SCOPED_TRACE(w.window);
        const std::unique_ptr<QWidget> window = w.open();
        expectTabOrder(*window, w.first, w.order);
    }
    EXPECT_TRUE(prompter.boxes.isEmpty());
}
