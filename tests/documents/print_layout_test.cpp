#include <gtest/gtest.h>

#include "documents/print_document.h"
#include "documents/print_layout.h"
#include "support/letter_page.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>

#include <map>

using namespace vantorelle;

namespace {

// A page of `width` by `height` points with one-inch margins.
QPageLayout page(qreal width, qreal height)
{
    return QPageLayout(
        QPageSize(QSizeF(width, height), QPageSize::Point, QString(), QPageSize::ExactMatch),
        QPageLayout::Portrait, QMarginsF(72, 72, 72, 72), QPageLayout::Point);
}

QStringList textsOf(const PrintPage &page)
{
    QStringList texts;
    for (const PrintText &text : page.texts)
        texts << text.text;
    return texts;
}

// The texts of every page, one after another.
QStringList allTexts(const PrintLayout &layout)
{
    QStringList texts;
    for (int number = 1; number <= layout.pageCount(); ++number)
        texts << textsOf(layout.page(number));
    return texts;
}

// Every line of text lies in the body, below its top and above its bottom.
void expectTextsInTheBody(const PrintLayout &layout)
{
    for (int number = 1; number <= layout.pageCount(); ++number) {
        for (const PrintText &text : layout.page(number).texts) {
            const QFontMetricsF metrics(layout.font(text.font));
            EXPECT_GE(text.origin.y() - metrics.ascent(), layout.bodyRect().top() - 0.01)
                << text.text.toStdString() << " on page " << number;
            EXPECT_LE(text.origin.y() + metrics.descent(), layout.bodyRect().bottom() + 0.01)
                << text.text.toStdString() << " on page " << number;
        }
    }
}

PrintTable readingsTable(int rows)
{
    PrintTable table {{2880, 2880}, {"Reading", "Date"}, {}};
    for (int r = 1; r <= rows; ++r)
        table.rows.push_back({QStringLiteral("r%1").arg(r), QStringLiteral("d%1").arg(r)});
    return table;
}

QStringList rowTexts(int from, int to)
{
    QStringList texts;
    for (int r = from; r <= to; ++r)
        texts << QStringLiteral("r%1").arg(r) << QStringLiteral("d%1").arg(r);
    return texts;
}

} // namespace

TEST(PrintLayout, FiftyLinesOnPagesOfEighteenMakeThreePages)
{
    // The body is 3 inches high; a 10-point DejaVu Sans line is about 11.6
    // points, so 18 lines fit on a page.
    PrintDocument document;
    QStringList expected;
    for (int i = 1; i <= 50; ++i) {
        document.addParagraph({QStringLiteral("line %1").arg(i)});
        expected << QStringLiteral("line %1").arg(i);
    }
    const PrintLayout layout(document, page(612, 360));
    EXPECT_EQ(layout.pageCount(), 3);
    EXPECT_EQ(textsOf(layout.page(1)).size(), 18);
    EXPECT_EQ(allTexts(layout), expected);
    expectTextsInTheBody(layout);
}

TEST(PrintLayout, EmptyDocumentHasOnePage)
{
    const PrintLayout layout(PrintDocument(), letterPage());
    EXPECT_EQ(layout.pageCount(), 1);
    EXPECT_TRUE(layout.page(1).texts.empty());
}

TEST(PrintLayout, EmptyParagraphIsABlankLine)
{
    PrintDocument document;
    document.addParagraph({"above"});
    document.addParagraph({});
    document.addParagraph({"below"});
    const PrintLayout layout(document, letterPage());
    const auto &texts = layout.page(1).texts;
    ASSERT_EQ(texts.size(), 2u);
    const qreal lineHeight = QFontMetricsF(layout.font(texts[0].font)).lineSpacing();
    EXPECT_NEAR(texts[1].origin.y() - texts[0].origin.y(), 2 * lineHeight, 0.01);
}

TEST(PrintLayout, CentredAndRightAlignedParagraphs)
{
    PrintDocument document;
    document.addParagraph({"Title", true, ParagraphAlignment::Centre, 12});
    document.addParagraph({"Right", false, ParagraphAlignment::Right});
    const PrintLayout layout(document, letterPage());
    const auto &texts = layout.page(1).texts;
    ASSERT_EQ(texts.size(), 2u);
    const QRectF body = layout.bodyRect();
    const qreal titleWidth = QFontMetricsF(layout.font(texts[0].font)).horizontalAdvance("Title");
    EXPECT_NEAR(texts[0].origin.x() + titleWidth / 2, body.center().x(), 0.5);
    EXPECT_EQ(layout.fonts()[texts[0].font], (PrintFont {12, true}));
    const qreal rightWidth = QFontMetricsF(layout.font(texts[1].font)).horizontalAdvance("Right");
    EXPECT_NEAR(texts[1].origin.x() + rightWidth, body.right(), 0.5);
}

TEST(PrintLayout, TableHeaderRepeatsAtTheTopOfEveryContinuationPage)
{
    PrintDocument document;
    document.addParagraph({"Readings"});
    document.addTable(readingsTable(100));
    const PrintLayout layout(document, letterPage());
    ASSERT_GT(layout.pageCount(), 2);
    QStringList rows;
    for (int number = 1; number <= layout.pageCount(); ++number) {
        SCOPED_TRACE(number);
        QStringList texts = textsOf(layout.page(number));
        if (number == 1) {
            EXPECT_EQ(texts.takeFirst(), "Readings");
        }
        ASSERT_GE(texts.size(), 4);
        EXPECT_EQ(texts.mid(0, 2), (QStringList {"Reading", "Date"}));
        rows << texts.mid(2);
    }
    EXPECT_EQ(rows, rowTexts(1, 100));
    // On a continuation page the header is the first line of the body.
    const PrintText &header = layout.page(2).texts.front();
    EXPECT_NEAR(header.origin.y() - QFontMetricsF(layout.font(header.font)).ascent(),
        layout.bodyRect().top(), 50);
    expectTextsInTheBody(layout);
}

TEST(PrintLayout, HeaderIsNotLeftAloneAtTheFootOfAPage)
{
    // Lines fill the page to one line short of its foot: the table with its
    // header and first row starts on the next page.
    PrintDocument document;
    for (int i = 1; i <= 17; ++i)
        document.addParagraph({QStringLiteral("line %1").arg(i)});
    document.addTable(readingsTable(1));
    const PrintLayout layout(document, page(612, 360));
    ASSERT_EQ(layout.pageCount(), 2);
    EXPECT_EQ(textsOf(layout.page(2)), (QStringList {"Reading", "Date", "r1", "d1"}));
}

TEST(PrintLayout, RowThatFitsOnTheNextPageMovesThereWhole)
{
    PrintDocument document;
    for (int i = 1; i <= 12; ++i)
        document.addParagraph({QStringLiteral("line %1").arg(i)});
    PrintTable table {
        {2880, 2880}, {"Test", "Notes"}, {{"BP", "x"}, {"A1c", "one\ntwo\nthree\nfour\nfive"}}};
    document.addTable(table);
    const PrintLayout layout(document, page(612, 360));
    QStringList last = textsOf(layout.page(layout.pageCount()));
    EXPECT_EQ(last, (QStringList {"Test", "Notes", "A1c", "one", "two", "three", "four", "five"}));
    EXPECT_EQ(layout.pageCount(), 2);
}

TEST(PrintLayout, RowTallerThanAPageIsSplitAcrossPages)
{
    QStringList notes;
    for (int i = 1; i <= 60; ++i)
        notes << QStringLiteral("note %1").arg(i);
    PrintDocument document;
    document.addTable({{2880, 4320}, {"Test", "Notes"},
        {{"before", "x"}, {"Lipids", notes.join("\r\n")}, {"after", "y"}}});
    const PrintLayout layout(document, page(612, 360));
    ASSERT_GE(layout.pageCount(), 4);

    QStringList lines;
    for (int number = 1; number <= layout.pageCount(); ++number) {
        SCOPED_TRACE(number);
        QStringList texts = textsOf(layout.page(number));
        EXPECT_EQ(texts.mid(0, 2), (QStringList {"Test", "Notes"}));
        lines << texts.mid(2);
    }
    const QStringList expected
        = QStringList {"before", "x", "Lipids"} + notes + QStringList {"after", "y"};
    EXPECT_EQ(lines, expected);
    // The row begins on the first page, right after the row before it.
    EXPECT_TRUE(textsOf(layout.page(1)).contains("note 1"));
    expectTextsInTheBody(layout);
}

TEST(PrintLayout, CellTextWrapsWithinItsColumn)
{
    const QString notes = QStringLiteral(
        "Take with food in the morning; call the office when dizziness lasts more than a day");
    PrintDocument document;
    document.addTable({{1440, 2160}, {"Medication", "Notes"}, {{"Lisinopril", notes}}});
    const PrintLayout layout(document, letterPage());
    const QRectF body = layout.bodyRect();
    QStringList noteLines;
    for (const PrintText &text : layout.page(1).texts) {
        if (text.origin.x() < body.left() + 1440)
            continue;
        const qreal width = QFontMetricsF(layout.font(text.font)).horizontalAdvance(text.text);
        EXPECT_LE(text.origin.x() + width, body.left() + 1440 + 2160) << text.text.toStdString();
        if (text.text != "Notes")
            noteLines << text.text;
    }
    EXPECT_GT(noteLines.size(), 2);
    EXPECT_EQ(noteLines.join(' '), notes);
}

TEST(PrintLayout, RunningTextOnEveryPageWithItsNumber)
{
    PrintDocument document;
    document.setRunningText({"Vantorelle Rize", "1/2/2024", "Page %d"});
    document.addTable(readingsTable(120));
    const PrintLayout layout(document, letterPage());
    ASSERT_GT(layout.pageCount(), 2);
    const QRectF body = layout.bodyRect();
    for (int number = 1; number <= layout.pageCount(); ++number) {
        SCOPED_TRACE(number);
        std::vector<PrintText> running;
        for (const PrintText &text : layout.page(number).texts) {
            if (text.origin.y() < body.top())
                running.push_back(text);
        }
        ASSERT_EQ(running.size(), 3u);
        EXPECT_EQ(running[0].text, "Vantorelle Rize");
        EXPECT_NEAR(running[0].origin.x(), body.left(), 0.01);
        EXPECT_EQ(running[1].text, "1/2/2024");
        EXPECT_EQ(running[2].text, QStringLiteral("Page %1").arg(number));
        const qreal width
            = QFontMetricsF(layout.font(running[2].font)).horizontalAdvance(running[2].text);
        EXPECT_NEAR(running[2].origin.x() + width, body.right(), 0.5);
    }
}

TEST(PrintLayout, TopMarginTooSmallForTheRunningTextMovesTheBodyDown)
{
    PrintDocument document;
    document.setRunningText({"", "", "Page %d"});
    document.addParagraph({"body"});
    const QPageLayout noMargins(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF());
    const PrintLayout layout(document, noMargins);
    const auto &texts = layout.page(1).texts;
    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[1].text, "Page 1");
    EXPECT_GT(texts[0].origin.y(), texts[1].origin.y());
    EXPECT_GE(texts[1].origin.y() - QFontMetricsF(layout.font(texts[1].font)).ascent(), 0);
}

namespace {

// The column rules of each table on page 1, from the body's left edge, the
// top table first.
std::vector<std::vector<qreal>> columnRules(const PrintLayout &layout)
{
    std::map<qreal, std::vector<qreal>> tableTops;
    for (const QLineF &rule : layout.page(1).rules) {
        if (rule.x1() == rule.x2())
            tableTops[rule.y1()].push_back(rule.x1() - layout.bodyRect().left());
    }
    std::vector<std::vector<qreal>> tables;
    for (const auto &[top, edges] : tableTops)
        tables.push_back(edges);
    return tables;
}

} // namespace

TEST(PrintLayout, ATableWiderThanTheBodyIsScaledToItAndOneThatFitsIsNot)
{
    // The body is 9360 twips wide.
    PrintDocument document;
    document.addTable({{3000, 6000, 1000}, {"Reading", "Notes", "Date"}, {{"120", "ok", "1/2"}}});
    document.addTable({{1440, 7920}, {"Reading", "Notes"}, {}});
    document.addTable({{1440, 2880}, {"Reading", "Notes"}, {}});
    const PrintLayout layout(document, letterPage());
    EXPECT_EQ(columnRules(layout),
        (std::vector<std::vector<qreal>> {
            {0, 2808, 8424, 9360}, {0, 1440, 9360}, {0, 1440, 4320}}));
}
