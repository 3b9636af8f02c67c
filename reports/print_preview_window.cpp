#include "reports/print_preview_window.h"

#include "documents/print_layout.h"
#include "documents/print_painter.h"
#include "platform/app_error.h"
#include "platform/file_dialogs.h"
#include "platform/file_writer.h"
#include "platform/paths.h"
#include "platform/print_dialogs.h"
#include "platform/printed_file.h"
#include "platform/prompter.h"
#include "reports/report_file.h"
#include "settings/error_box_and_logs.h"
#include "settings/installation.h"
#include "store/stored_dates.h"
#include "widgets/accessible_caption.h"
#include "widgets/page_view.h"
#include "widgets/tab_order.h"

#include <QComboBox>
#include <QFile>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace vantorelle {

namespace {

// The zoom list: the page view's zooms, then percentages of the true size.
const QStringList zoomItems = {QStringLiteral("Thumbnail"), QStringLiteral("TwoPages"),
    QStringLiteral("WholePage"), QStringLiteral("PageWidth"), QStringLiteral("25%"),
    QStringLiteral("50%"), QStringLiteral("75%"), QStringLiteral("100%"), QStringLiteral("150%"),
    QStringLiteral("200%"), QStringLiteral("400%")};
constexpr int wholePageItem = 2;

// Margins of an inch all round until the page setup says otherwise.
constexpr double defaultMarginPoints = 72;

QPushButton *pageButton(const char *caption, const char *tip, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setToolTip(QString::fromLatin1(tip));
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

QPushButton *commandButton(const char *caption, const char *name, QWidget *parent)
{
    auto *button = new QPushButton(QString::fromLatin1(caption), parent);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

} // namespace

PrintPreviewWindow::PrintPreviewWindow(
    MainWindowContext &context, ReportKind kind, ReportFile &reportFile, QWidget *parent)
    : QDialog(parent)
    , context_(context)
    , kind_(kind)
    , reportFile_(reportFile)
    , printer_(std::make_unique<QPrinter>(QPrinter::HighResolution))
    , zoomBox_(new QComboBox(this))
    , pageScroller_(new QScrollBar(Qt::Horizontal, this))
    , pageLabel_(new QLabel(QStringLiteral("1 of 1"), this))
    , pages_(new PageView(this))
{
    setWindowTitle(QStringLiteral("Print Preview"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setSizeGripEnabled(true);
    printer_->setPageMargins(QMarginsF(defaultMarginPoints, defaultMarginPoints,
                                 defaultMarginPoints, defaultMarginPoints),
        QPageLayout::Point);

    zoomBox_->setObjectName(QStringLiteral("cmbZoomMode"));
    zoomBox_->addItems(zoomItems);
    pageScroller_->setObjectName(QStringLiteral("scrlPage"));
    pageScroller_->setRange(1, 1);
    pageScroller_->setMinimumWidth(120);
    pageLabel_->setObjectName(QStringLiteral("lblPage"));
    pageLabel_->setMinimumWidth(
        pageLabel_->fontMetrics().horizontalAdvance(QStringLiteral("0000 - 0000 of 0000")));
    pages_->setObjectName(QStringLiteral("vp"));

    auto *first = pageButton("<<", "First Page", "cmdFirst", this);
    auto *previous = pageButton("<", "Previous Page", "cmdPrevious", this);
    auto *next = pageButton(">", "Next Page", "cmdNext", this);
    auto *last = pageButton(">>", "Last Page", "cmdLast", this);
    auto *pageSetupButton = commandButton("Page Setup", "cmdPageSetup", this);
    auto *printerSetupButton = commandButton("Printer Setup", "cmdPrinterSetup", this);
    auto *printButton = commandButton("&Print", "cmdPrint", this);
    auto *saveButton = commandButton("&Save to File...", "cmdSaveFile", this);
    auto *cancelButton = commandButton("&Cancel", "cmdCancel", this);
    for (QPushButton *button : {first, previous, next, last})
        button->setFixedWidth(button->fontMetrics().horizontalAdvance(QStringLiteral(">>")) + 24);

    auto *bar = new QHBoxLayout;
    auto *zoom = new QLabel(QStringLiteral("Zoom:"), this);
    bar->addWidget(zoom);
    bar->addWidget(zoomBox_);
    captionControl(*zoom, *zoomBox_);
    bar->addSpacing(12);
    bar->addWidget(first);
    bar->addWidget(previous);
    bar->addWidget(pageScroller_, 1);
    bar->addWidget(next);
    bar->addWidget(last);
    bar->addWidget(pageLabel_);
    // The commands have a row of their own, under the pages: one row for all
    // would be wider than a small screen and leave Cancel out of sight.
    auto *commands = new QHBoxLayout;
    commands->addStretch(1);
    for (QPushButton *button :
        {pageSetupButton, printerSetupButton, printButton, saveButton, cancelButton})
        commands->addWidget(button);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(pages_, 1);
    layout->addLayout(commands);
    orderTabsByLayout(*this);

    connect(zoomBox_, &QComboBox::currentIndexChanged, this, &PrintPreviewWindow::chooseZoom);
    connect(first, &QPushButton::clicked, this, [this] { showPage(1); });
    connect(previous, &QPushButton::clicked, this, [this] {
        if (pages_->shownPage() != 1)
            showPage(pages_->shownPage() - 1);
    });
    connect(next, &QPushButton::clicked, this, [this] {
        if (pages_->shownPage() != pages_->pageCount())
            showPage(pages_->shownPage() + 1);
    });
    connect(last, &QPushButton::clicked, this, [this] { showPage(pages_->pageCount()); });
    connect(pageScroller_, &QScrollBar::valueChanged, this, &PrintPreviewWindow::scrollToPage);
    connect(pages_, &PageView::pagesChanged, this, &PrintPreviewWindow::updateScroller);
    connect(pageSetupButton, &QPushButton::clicked, this, &PrintPreviewWindow::pageSetup);
    connect(printerSetupButton, &QPushButton::clicked, this, &PrintPreviewWindow::printerSetup);
    connect(printButton, &QPushButton::clicked, this, &PrintPreviewWindow::print);
    connect(saveButton, &QPushButton::clicked, this, &PrintPreviewWindow::saveToFile);
    connect(cancelButton, &QPushButton::clicked, this, &QDialog::reject);

    if (const QScreen *screen = QGuiApplication::primaryScreen())
        resize(screen->availableSize() * 4 / 5);
    zoomBox_->setCurrentIndex(wholePageItem);
    buildReport();
}

PrintPreviewWindow::~PrintPreviewWindow() = default;

void PrintPreviewWindow::buildReport()
{
    const BuiltReport report
        = ReportBuilder(context_).build(kind_, printer_->pageLayout(), reportFile_);
    auto layout = std::make_unique<PrintLayout>(report.document, printer_->pageLayout());
    pages_->setPages(layout.get());
    layout_ = std::move(layout);
}

void PrintPreviewWindow::chooseZoom(int index)
{
    const QString item = zoomBox_->itemText(index);
    if (item.contains(QLatin1Char('%')))
        pages_->setZoomPercent(leadingNumber(item.toStdString()));
    else
        pages_->setZoom(static_cast<PageView::Zoom>(index));
    updateScroller();
}

void PrintPreviewWindow::showPage(int page)
{
    pages_->setShownPage(page);
    pageScroller_->setValue(pages_->shownPage());
}

void PrintPreviewWindow::scrollToPage(int page)
{
    const int atOnce = pages_->pagesShownAtOnce();
    pageScroller_->setSingleStep(atOnce);
    pageScroller_->setPageStep(atOnce);
    pages_->setShownPage(page);
    const int shown = pages_->shownPage();
    const int count = pages_->pageCount();
    const int last = std::max(std::min(shown + atOnce - 1, count), shown);
    pageLabel_->setText(last > shown
            ? QStringLiteral("%1 - %2 of %3").arg(shown).arg(last).arg(count)
            : QStringLiteral("%1 of %2").arg(shown).arg(count));
}

void PrintPreviewWindow::updateScroller()
{
    pageScroller_->setMaximum(std::max(1, pages_->pageCount()));
    {
        const QSignalBlocker quiet(pageScroller_);
        pageScroller_->setValue(pages_->shownPage());
    }
    scrollToPage(pageScroller_->value());
}

// Cancelled or not, a setup dialog is followed by the report laid out for the
// printer as it is now.
void PrintPreviewWindow::pageSetup()
{
    printDialogs().pageSetup(*printer_, this);
    buildReport();
}

void PrintPreviewWindow::printerSetup()
{
    printDialogs().printerSetup(*printer_, this);
    buildReport();
}

void PrintPreviewWindow::print()
{
    if (!printDialogs().print(*printer_, layout_->pageCount(), this))
        return;
    // The print dialog may have changed the paper.
    if (!printer_->pageLayout().isEquivalentTo(layout_->pageLayout()))
        buildReport();
    int first = 1;
    int last = layout_->pageCount();
    if (printer_->printRange() == QPrinter::PageRange && printer_->fromPage() > 0) {
        first = printer_->fromPage();
        last = std::max(first, printer_->toPage());
    }
    try {
        printWhole(
            *printer_, [&] { return PrintPainter::print(*printer_, *layout_, first, last); });
    } catch (const AppError &error) {
        showError(context_.installation(), error, QStringLiteral("printing the report"));
    }
}

void PrintPreviewWindow::saveToFile()
{
    const std::optional<QString> path = fileDialogs().saveFile(
        QStringLiteral("Save Report to File (RTF)"),
        QStringLiteral("Rich Text (*.RTF)|*.rtf|All files (*.*)|*.*"), paths().documentsFolder());
    if (!path)
        return;
    if (path->right(3).compare(QLatin1String("rtf"), Qt::CaseInsensitive) != 0) {
        prompter().ask(QStringLiteral("File Format Error"),
            QStringLiteral("The file format must be an RTF file, so the filename must have an "
                           "extension of .rtf."));
        return;
    }
    try {
        QFile report(reportFile_.path());
        if (!report.open(QIODevice::ReadOnly))
            throw AppError(AppError::FileNotFound).aboutFile(reportFile_.path());
        const QByteArray bytes = report.readAll();
        if (report.error() != QFileDevice::NoError)
            throw AppError(AppError::DeviceIoError).aboutFile(reportFile_.path());
        FileWriter::replace(*path, bytes, NewFileAccess::UserUmask);
    } catch (const AppError &error) {
        showError(context_.installation(), error, QStringLiteral("saving the report to a file"));
    }
}

} // namespace vantorelle
