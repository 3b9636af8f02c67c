#pragma once

#include "context/main_window_context.h"
#include "reports/report_file.h"

#include <QPointer>

namespace vantorelle {

class GraphWindow;

// The report and graph windows the main window's menus open, with the report
// file their previews share.
class ReportWindows {
public:
    // The previews keep the last report in `reportFolder`.
    explicit ReportWindows(
        MainWindowContext &context, const QString &reportFolder = ReportFile::defaultFolder());
    ~ReportWindows();
    ReportWindows(const ReportWindows &) = delete;
    ReportWindows &operator=(const ReportWindows &) = delete;

    // The print options of the profile report, then its preview; modal,
    // without owner. Returns when they are closed.
    void printProfile();
    // The same for the master-lists report.
    void printMasterLists();
    // Shows the graph window, not modal, or brings it to the front when it is
    // open already. Closing it ends it: the next call opens a new one on the
    // choices the settings file keeps.
    void showGraph();

private:
    MainWindowContext &context_;
    ReportFile reportFile_;
    QPointer<GraphWindow> graph_;
};

} // namespace vantorelle
