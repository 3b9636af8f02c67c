#include "fake_print_dialogs.h"

#include <QPrinter>

namespace vantorelle {

FakePrintDialogs::FakePrintDialogs(QString pdfPath)
    : pdfPath_(std::move(pdfPath))
{
    installPrintDialogs(this);
}

FakePrintDialogs::~FakePrintDialogs()
{
    installPrintDialogs(nullptr);
}

bool FakePrintDialogs::pageSetup(QPrinter &printer, QWidget *)
{
    return answer(PageSetup, printer);
}

bool FakePrintDialogs::printerSetup(QPrinter &printer, QWidget *)
{
    return answer(PrinterSetup, printer);
}

bool FakePrintDialogs::print(QPrinter &printer, int pageCount, QWidget *)
{
    pageCounts.append(pageCount);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath_);
    return answer(Print, printer);
}

bool FakePrintDialogs::answer(Kind kind, QPrinter &printer)
{
    requests.append(kind);
    return !answers_.isEmpty() && answers_.takeFirst()(printer);
}

} // namespace vantorelle
