#include "reports/report_windows.h"

#include "reports/graph_window.h"
#include "reports/print_master_lists_dialog.h"
#include "reports/print_options_dialog.h"

namespace vantorelle {

ReportWindows::ReportWindows(MainWindowContext &context, const QString &reportFolder)
    : context_(context)
    , reportFile_(reportFolder)
{
}

ReportWindows::~ReportWindows()
{
    delete graph_.data();
}

void ReportWindows::printProfile()
{
    PrintOptionsDialog dialog(context_, reportFile_);
    dialog.exec();
}

void ReportWindows::printMasterLists()
{
    PrintMasterListsDialog dialog(context_, reportFile_);
    dialog.exec();
}

void ReportWindows::showGraph()
{
    if (!graph_) {
        graph_ = new GraphWindow(context_);
        graph_->setAttribute(Qt::WA_DeleteOnClose);
    }
    graph_->show();
    graph_->raise();
    graph_->activateWindow();
}

} // namespace vantorelle
