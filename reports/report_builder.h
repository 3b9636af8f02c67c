#pragma once

#include "context/main_window_context.h"
#include "documents/print_document.h"

class QPageLayout;

namespace vantorelle {

class ReportFile;

// The two reports the preview builds.
enum class ReportKind {
    Profile, // the profile the main window shows
    MasterLists,
};

// A report as the preview shows it: complete, or what was built before a
// failure.
struct BuiltReport {
    PrintDocument document;
    bool complete = false;
};

// Builds a report for the preview from the main window's tables, display
// preferences and shown profile and from the print options in the settings
// file, for pages of the preview's page setup; then writes it as RTF to the
// report file for Save to File. Nothing else happens while it builds.
class ReportBuilder {
public:
    explicit ReportBuilder(MainWindowContext &context);

    // A failure shows the error box ("building the print document") and leaves
    // no report in `file`, so that Save to File never saves an earlier report.
    BuiltReport build(ReportKind kind, const QPageLayout &pageLayout, ReportFile &file);

private:
    void addReport(PrintDocument &document, ReportKind kind, const QPageLayout &pageLayout);

    MainWindowContext &context_;
};

} // namespace vantorelle
