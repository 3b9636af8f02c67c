#pragma once

#include "platform/print_dialogs.h"

#include <QList>
#include <QString>

#include <functional>

namespace vantorelle {

// Records every printer dialog and answers from a script: accepted or
// cancelled, and what the user changed on the printer before accepting.
// The print dialog sends the printer to a PDF file of the test's own.
// Installed while it lives.
class FakePrintDialogs : public PrintDialogs {
public:
    enum Kind { PageSetup, PrinterSetup, Print };
    // What a dialog does: change the printer, then accept (true) or cancel.
    using Answer = std::function<bool(QPrinter &printer)>;

    // Printing goes to `pdfPath`.
    explicit FakePrintDialogs(QString pdfPath);
    ~FakePrintDialogs() override;

    bool pageSetup(QPrinter &printer, QWidget *parent) override;
    bool printerSetup(QPrinter &printer, QWidget *parent) override;
    bool print(QPrinter &printer, int pageCount, QWidget *parent) override;

    // The answers of the next dialogs, in order; without one a dialog is cancelled.
    void setNextAnswers(QList<Answer> answers) { answers_ = std::move(answers); }

    QList<Kind> requests;
    // The page count each print dialog was given.
    QList<int> pageCounts;

private:
    bool answer(Kind kind, QPrinter &printer);

    QString pdfPath_;
    QList<Answer> answers_;
};

} // namespace vantorelle
