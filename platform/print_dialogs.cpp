#include "platform/print_dialogs.h"

#include <QDialogButtonBox>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

namespace vantorelle {

namespace {

class QtPrintDialogs : public PrintDialogs {
public:
    bool pageSetup(QPrinter &printer, QWidget *parent) override
    {
        QPageSetupDialog dialog(&printer, parent);
        return dialog.exec() == QDialog::Accepted;
    }

    bool printerSetup(QPrinter &printer, QWidget *parent) override
    {
        // Qt has no printer setup of its own: the print dialog without its
        // page choices, whose accepting button only settles the printer.
        QPrintDialog dialog(&printer, parent);
        dialog.setWindowTitle(QStringLiteral("Printer Setup"));
        dialog.setOptions(
            QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintToFile);
        for (auto *buttons : dialog.findChildren<QDialogButtonBox *>()) {
            if (QPushButton *ok = buttons->button(QDialogButtonBox::Ok))
                ok->setText(QStringLiteral("OK"));
        }
        return dialog.exec() == QDialog::Accepted;
    }

    bool print(QPrinter &printer, int pageCount, QWidget *parent) override
    {
        QPrintDialog dialog(&printer, parent);
        dialog.setOptions(QAbstractPrintDialog::PrintPageRange
            | QAbstractPrintDialog::PrintShowPageSize | QAbstractPrintDialog::PrintToFile);
        dialog.setMinMax(1, pageCount);
        return dialog.exec() == QDialog::Accepted;
    }
};

QtPrintDialogs qtPrintDialogs;
PrintDialogs *installed = nullptr;

} // namespace

PrintDialogs &printDialogs()
{
    return installed ? *installed : qtPrintDialogs;
}

void installPrintDialogs(PrintDialogs *dialogs)
{
    installed = dialogs;
}

} // namespace vantorelle
