#include "report_window_fixture.h"

#include "documents/print_layout.h"
#include "reports/report_builder.h"

#include <QPageSize>
#include <QRegularExpression>
#include <QStringList>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <numeric>
#include <vector>

using namespace vantorelle;

namespace {

using ReportTableWidths = ReportWindowFixture;

// The right edges of the table rows the RTF defines, one list per table (its
// header row's), and the width of its body.
struct RtfTables {
    std::vector<std::vector<int>> cellEdges;
    int bodyWidth = 0;
};

RtfTables rtfTables(const QString &text)
{
    RtfTables tables;
    const QRegularExpressionMatch page
        = QRegularExpression(R"(\\paperw(\d+)\S*\\margl(\d+)\\margr(\d+))").match(text);
    tables.bodyWidth
        = page.captured(1).toInt() - page.captured(2).toInt() - page.captured(3).toInt();
    const QRegularExpression cellEdge(R"(\\cellx(\d+))");
    for (const QString &line : text.split(QStringLiteral("\r\n"))) {
        if (!line.startsWith(QLatin1String("\\trowd\\trgaph60\\trhdr")))
            continue;
        std::vector<int> &edges = tables.cellEdges.emplace_back();
        for (const QRegularExpressionMatch &edge : cellEdge.globalMatch(line))
            edges.push_back(edge.captured(1).toInt());
    }
    return tables;
}

// Ann's report holds a table of every topic. On letter and A4 paper no table
// reaches past the body's right edge, in the pages every device draws or in
// the RTF saved beside them; a table whose widths add up to more than the body
// is scaled to it, column by column, and every other keeps its widths.
TEST_F(ReportTableWidths, EveryTableStaysInsideTheBody)
{
    const struct {
        const char *name;
        QPageLayout page;
    } papers[] = {
        {"Letter", letterPage()},
        {"A4",
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(72, 72, 72, 72),
                QPageLayout::Point)},
    };
    for (const auto &paper : papers) {
        SCOPED_TRACE(paper.name);
        const BuiltReport report
            = ReportBuilder(context).build(ReportKind::Profile, paper.page, reportFile);
        ASSERT_TRUE(report.complete);

        // What the preview, the printer and a PDF draw.
        const PrintLayout layout(report.document, paper.page);
        for (int number = 1; number <= layout.pageCount(); ++number) {
            for (const QLineF &rule : layout.page(number).rules)
                EXPECT_LE(std::max(rule.x1(), rule.x2()), layout.bodyRect().right())
                    << "page " << number;
        }

        // What the RTF holds: a table that fits keeps its widths, one that
        // does not ends at the body's edge.
        const RtfTables rtf = rtfTables(QString::fromLatin1(readFile(reportFile.path())));
        EXPECT_EQ(rtf.bodyWidth, std::lround(layout.bodyRect().width()));
        const std::vector<PrintTable> tables = tablesOf(report.document);
        ASSERT_EQ(rtf.cellEdges.size(), tables.size());
        QStringList scaled;
        for (std::size_t t = 0; t < tables.size(); ++t) {
            SCOPED_TRACE(tables[t].header.front().toStdString());
            std::vector<int> edges;
            std::partial_sum(tables[t].columnWidths.begin(), tables[t].columnWidths.end(),
                std::back_inserter(edges));
            if (edges.back() <= rtf.bodyWidth) {
                EXPECT_EQ(rtf.cellEdges[t], edges);
                continue;
            }
            scaled << tables[t].header.front();
            ASSERT_EQ(rtf.cellEdges[t].size(), edges.size());
            EXPECT_EQ(rtf.cellEdges[t].back(), rtf.bodyWidth);
            for (std::size_t c = 0; c < edges.size(); ++c)
                EXPECT_NEAR(rtf.cellEdges[t][c], edges[c] * rtf.bodyWidth / double(edges.back()), 1)
                    << "column " << c;
        }
        // Their fractions add up to 1.04 and 1.01.
        EXPECT_TRUE(scaled.contains("Vaccination")) << scaled.join(", ").toStdString();
        EXPECT_TRUE(scaled.contains("Blood Pressure")) << scaled.join(", ").toStdString();
    }
}

} // namespace
