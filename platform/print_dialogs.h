#pragma once

class QPrinter;
class QWidget;

namespace vantorelle {

// The printer's own dialogs. Each changes the settings of `printer` when the
// user accepts it and returns true; cancelled, it changes nothing and returns
// false.
class PrintDialogs {
public:
    virtual ~PrintDialogs() = default;

    // Paper size, orientation and margins.
    virtual bool pageSetup(QPrinter &printer, QWidget *parent) = 0;
    // Which printer, and its own options.
    virtual bool printerSetup(QPrinter &printer, QWidget *parent) = 0;
    // The printer, the copies and which of the pages 1 to `pageCount` to
    // print: the printer's print range then says all pages or a range
    // (QPrinter::printRange, fromPage, toPage).
    virtual bool print(QPrinter &printer, int pageCount, QWidget *parent) = 0;
};

// The dialogs in use: the real ones unless a test installed others.
PrintDialogs &printDialogs();
// Installs `dialogs` (nullptr restores the real ones). The caller keeps ownership.
void installPrintDialogs(PrintDialogs *dialogs);

} // namespace vantorelle
