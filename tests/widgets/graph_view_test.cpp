#include <gtest/gtest.h>

#include "widgets/graph_view.h"

#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace vantorelle;

namespace {

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(-1);
    return QString::fromUtf8(process.readAllStandardOutput());
}

} // namespace

TEST(GraphView, PrintsTheGraphOnOnePage)
{
    GraphModel model;
    model.setTitle("Cholesterol vs Time");
    model.setValueAxisTitle("Units");
    model.setTimeAxisTitle("Date");
    for (const char *name : {"Total", "LDL", "HDL", "Triglycerides"})
        model.addSeries(name, Qt::red);
    model.setTimeAxis({QDateTime(QDate(2026, 1, 1), QTime(0, 0)),
        QDateTime(QDate(2026, 12, 31), QTime(23, 59)), 168, 4});
    model.appendRow(QDateTime(QDate(2026, 6, 1), QTime(9, 0)), {190, 110, 55, 140});
    GraphView view;
    view.resize(900, 600);
    view.setModel(model);

    QTemporaryDir dir;
    const QString pdf = dir.filePath("graph.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    view.print(printer);

    EXPECT_TRUE(run("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")));
    const QString text = run("pdftotext", {"-layout", pdf, "-"});
    for (const char *expected :
        {"Cholesterol vs Time", "Units", "Date", "Triglycerides", "Jan 01, 26"})
        EXPECT_TRUE(text.contains(expected)) << expected << "\n" << text.toStdString();
}
