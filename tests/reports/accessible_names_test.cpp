#include "report_window_fixture.h"

#include "reports/graph_window.h"
#include "reports/print_options_dialog.h"
#include "reports/print_preview_window.h"
#include "reports/report_builder.h"
#include "support/accessible_names.h"
#include "support/find_control.h"

#include <functional>
#include <memory>

using namespace vantorelle;

namespace {

using ReportWindowNames = ReportWindowFixture;

} // namespace

// A screen reader meets each control of the report and graph windows by the
// caption beside it.
TEST_F(ReportWindowNames, EveryControlIsNamedByItsCaption)
{
    const struct {
        const char *window;
        std::function<std::unique_ptr<QWidget>()> open;
        std::vector<std::pair<const char *, const char *>> named;
    } windows[] = {
        {"PrintOptions", [&] { return std::make_unique<PrintOptionsDialog>(context, reportFile); },
            {{"DTPrintEnd", "to"}}},
        {"PrintPreview",
            [&] {
                return std::make_unique<PrintPreviewWindow>(
                    context, ReportKind::Profile, reportFile);
            },
            {{"cmbZoomMode", "Zoom:"}}},
        {"Graph", [&] { return std::make_unique<GraphWindow>(context); },
            {{"lstTopics", "Topic:"}, {"cboRange", "Quick Date Ranges:"}, {"DTGraphStart", "From"},
                {"DTGraphEnd", "to"}}},
    };
    for (const auto &w : windows) {
        SCOPED_TRACE(w.window);
        const std::unique_ptr<QWidget> window = w.open();
        for (const auto &[name, caption] : w.named)
            expectNamed(findControl<QWidget>(*window, name), QString::fromLatin1(caption));
        expectNamedByCaptions(*window);
    }
    EXPECT_TRUE(prompter.boxes.isEmpty());
}
