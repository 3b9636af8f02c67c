#pragma once

#include "context/main_window_context.h"
#include "reports/report_builder.h"

#include <QDialog>

#include <memory>

class QComboBox;
class QLabel;
class QPrinter;
class QScrollBar;

namespace vantorelle {

class PageView;
class PrintLayout;
class ReportFile;

// "Print Preview": builds a report as it opens and shows its pages, zoomed as
// the zoom list says ("WholePage" to start with), one page or a few at a time;
// the page buttons and the page scroller move through them and the label
// says which pages are in sight ("3 - 4 of 9"). Page Setup and Printer Setup
// open the printer's dialogs and build the report again for its pages; Print
// prints the pages the print dialog names (all of them: 1 to the page count);
// Save to File copies the report, as RTF, to a file the user names.
//
// The controls are "cmbZoomMode", the buttons "cmdFirst", "cmdPrevious",
// "cmdNext", "cmdLast", the scroller "scrlPage", the label "lblPage", the
// page view "vp" and the buttons "cmdPageSetup", "cmdPrinterSetup",
// "cmdPrint", "cmdSaveFile" and "cmdCancel".
class PrintPreviewWindow : public QDialog {
    Q_OBJECT
public:
    // Builds the report of `kind`, writing it to `reportFile` for Save to
    // File. A failure shows the error box; the pages built before it are shown.
    PrintPreviewWindow(MainWindowContext &context, ReportKind kind, ReportFile &reportFile,
        QWidget *parent = nullptr);
    ~PrintPreviewWindow() override;

private:
    void buildReport();
    void chooseZoom(int index);
    void showPage(int page);
    void scrollToPage(int page);
    // The scroller's range and position and the label follow the pages.
    void updateScroller();
    void pageSetup();
    void printerSetup();
    void print();
    void saveToFile();

    MainWindowContext &context_;
    const ReportKind kind_;
    ReportFile &reportFile_;
    std::unique_ptr<QPrinter> printer_;
    std::unique_ptr<PrintLayout> layout_;
    QComboBox *zoomBox_;
    QScrollBar *pageScroller_;
    QLabel *pageLabel_;
    PageView *pages_;
};

} // namespace vantorelle
