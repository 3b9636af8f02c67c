#include <gtest/gtest.h>

#include "documents/rich_text_reader.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QImage>
#include <QScreen>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

using namespace vantorelle;

namespace {

// The record view's opening, as the viewers write it.
const QString header = QStringLiteral("{\\rtf1\\ansi {\\colortbl;\\red0\\green0\\blue255;}");

struct Read {
    QString plain;
    QStringList bold; // the bold runs, in order
};

Read readRtf(const QString &rtf)
{
    QTextDocument document;
    RichTextReader::read(rtf, &document);
    Read result {document.toPlainText(), {}};
    bool inBold = false;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const bool bold = fragment.charFormat().fontWeight() == QFont::Bold;
            if (bold && inBold)
                result.bold.last() += fragment.text();
            else if (bold)
                result.bold.append(fragment.text());
            inBold = bold;
        }
        inBold = false;
    }
    return result;
}

qreal unitsPerInch()
{
    return qRound(QGuiApplication::primaryScreen()->logicalDotsPerInchX());
}

struct Case {
    const char *name;
    QString rtf;
    QString plain;
    QStringList bold;
};

} // namespace

TEST(RichTextReader, ReadsWhatTheViewersWrite)
{
    const Case cases[] = {
        {"empty view", header + "}", "", {}},
        {"field lines",
            header + "\\b Allergy:\\b0\\tab Peanuts\\line\\b Reaction:\\b0\\tab Hives\\line}",
            "Allergy:\tPeanuts\nReaction:\tHives\n", {"Allergy:", "Reaction:"}},
        // A date/time line with neither date nor time: the value is two spaces.
        {"blank value keeps its spaces", header + "\\b Follow-up:\\b0\\tab   \\line}",
            "Follow-up:\t  \n", {"Follow-up:"}},
        {"continuation lines start at the tab stop",
            header + "\\b Notes:\\b0\\tab first\\line\\tab second\\line}",
            "Notes:\tfirst\n\tsecond\n", {"Notes:"}},
        {"escaped braces and backslash",
            header + "\\b Notes:\\b0\\tab a \\{b\\} c:\\\\d\\\\\\\\e\\line}",
            "Notes:\ta {b} c:\\d\\\\e\n", {"Notes:"}},
        {"label with symbols",
            header + "\\b Amount ($):\\b0\\tab 12.50\\line\\b Rx #:\\b0\\tab 7\\line}",
            "Amount ($):\t12.50\nRx #:\t7\n", {"Amount ($):", "Rx #:"}},
        {"birthdate line", header + "\\b Birthdate:\\b0\\tab 01/02/1990 (Age: 35)\\line}",
            "Birthdate:\t01/02/1990 (Age: 35)\n", {"Birthdate:"}},
        {"characters beyond ASCII pass as they are",
            header + "\\b Name:\\b0\\tab Zo\u00eb \u20ac\\line}",
            QString::fromUtf8("Name:\tZo\u00eb \u20ac\n"), {"Name:"}},
        {"raw line ends are not text", "{\\rtf1 a\r\nb\nc}", "abc", {}},
        {"paragraphs", "{\\rtf1 one\\par two\\par\\pard three}", "one\ntwo\nthree", {}},
        {"bold with parameters", "{\\rtf1 \\b1 x\\b0 y\\b z}", "xyz", {"x", "z"}},
        {"groups restore bold", "{\\rtf1 a{\\b b}c}", "abc", {"b"}},
        {"unknown words and symbols are ignored",
            "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}}\\f0\\cf1\\qc\\~x\\ul "
            "y\\ulnone}",
            "xy", {}},
        {"optional destinations are skipped", "{\\rtf1 a{\\*\\generator Writer;}b}", "ab", {}},
        {"word ends at a non-letter", "{\\rtf1 \\b0x\\tab;y}", "x\t;y", {}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Read read = readRtf(c.rtf);
        EXPECT_EQ(read.plain, c.plain);
        EXPECT_EQ(read.bold, c.bold);
    }
}

TEST(RichTextReader, HexEscapesAreWindows1252Bytes)
{
    const struct {
        const char *rtf;
        const char *plain; // UTF-8
    } cases[] = {
        {"caf\\'e9", "caf\u00e9"},
        {"\\'80 \\'85 \\'99", "\u20ac \u2026 \u2122"},
        {"\\'93q\\'94 \\'91s\\'92", "\u201cq\u201d \u2018s\u2019"},
        {"\\'8a\\'9a\\'8C\\'9c\\'9F", "\u0160\u0161\u0152\u0153\u0178"},
        {"\\'a0\\'ff\\'41", "\u00a0\u00ffA"},
        {"\\'81\\'8d\\'8f\\'90\\'9d", "\u0081\u008d\u008f\u0090\u009d"},
        {"\\'e9t\\'e9", "\u00e9t\u00e9"}, // the two digits end the escape
        {"a\\'zzb", "azzb"}, // not hex: the escape is dropped
        {"a\\'e", "ae"}, // cut short
        {"a\\'", "a"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.rtf);
        QTextDocument document;
        RichTextReader::read("{\\rtf1 " + QString::fromLatin1(c.rtf) + "}", &document);
        // toPlainText gives a no-break space as a plain one.
        EXPECT_EQ(document.toPlainText(), QString::fromUtf8(c.plain).replace(QChar::Nbsp, u' '));
    }
}

TEST(RichTextReader, TabStopsAreTwipsInDocumentUnits)
{
    QTextDocument document;
    RichTextReader::read(
        "{\\rtf1\\pard\\tx1440\\tx2880 a\\tab b\\tab c\\par d\\par\\pard e}", &document);
    ASSERT_EQ(document.blockCount(), 3);

    const qreal inch = unitsPerInch();
    const QList<QTextOption::Tab> tabs = document.begin().blockFormat().tabPositions();
    ASSERT_EQ(tabs.size(), 2);
    EXPECT_DOUBLE_EQ(tabs[0].position, inch);
    EXPECT_DOUBLE_EQ(tabs[1].position, 2 * inch);
    // \par carries the paragraph's tab stops on, \pard drops them.
    EXPECT_EQ(document.begin().next().blockFormat().tabPositions(), tabs);
    EXPECT_TRUE(document.lastBlock().blockFormat().tabPositions().isEmpty());

    // Laid out, the text after each tab starts at its stop.
    document.size(); // lays the document out
    const QTextLine line = document.begin().layout()->lineAt(0);
    EXPECT_NEAR(line.cursorToX(2), inch, 1.0);
    EXPECT_NEAR(line.cursorToX(4), 2 * inch, 1.0);
}

TEST(RichTextReader, TabStopsFollowThePaintDeviceDpi)
{
    QImage printerLike(1, 1, QImage::Format_RGB32);
    printerLike.setDotsPerMeterX(qRound(300 / 0.0254));
    QTextDocument document;
    document.documentLayout()->setPaintDevice(&printerLike);
    RichTextReader::read("{\\rtf1\\tx720 a}", &document);
    const QList<QTextOption::Tab> tabs = document.begin().blockFormat().tabPositions();
    ASSERT_EQ(tabs.size(), 1);
    EXPECT_NEAR(tabs[0].position, printerLike.logicalDpiX() / 2.0, 1e-9);
}

TEST(RichTextReader, FontSizeIsInHalfPoints)
{
    QTextDocument document;
    RichTextReader::read("{\\rtf1 a\\fs40 b{\\fs18 c}d\\fs999999999999 e}", &document);
    QList<qreal> sizes;
    for (auto it = document.begin().begin(); !it.atEnd(); ++it)
        sizes.append(it.fragment().charFormat().fontPointSize());
    EXPECT_EQ(sizes, (QList<qreal> {0, 20, 9, 20, 1638}));
}

TEST(RichTextReader, MalformedInputShowsWhatItCan)
{
    const Case cases[] = {
        {"no closing brace", header + "\\b Name:\\b0\\tab Ann\\line", "Name:\tAnn\n", {"Name:"}},
        {"unmatched closing braces", "{\\rtf1 a}}} b}", "a b", {}},
        {"trailing backslash", "{\\rtf1 x\\", "x", {}},
        {"word at the very end", "{\\rtf1 x\\b", "x", {}},
        {"unclosed table swallows the rest", "{\\rtf1 a{\\colortbl;\\red0; b", "a", {}},
        {"not RTF at all", "plain words", "plain words", {}},
        {"negative and huge parameters", "{\\rtf1\\tx-5\\tx99999999999999 a\\b-1 b}", "ab", {"b"}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        const Read read = readRtf(c.rtf);
        EXPECT_EQ(read.plain, c.plain);
        EXPECT_EQ(read.bold, c.bold);
    }

    // Every cut of a full view is read without harm.
    const QString full = header
        + "\\b Notes:\\b0\\tab a\\{b\\}\\\\c\\'e9\\line\\tab d\\line\\par\\pard\\tx1100\\fs20 e}";
    for (qsizetype n = 0; n <= full.size(); ++n) {
        QTextDocument document;
        RichTextReader::read(full.left(n), &document);
    }
}

TEST(RichTextReader, ReadingReplacesTheContent)
{
    QTextDocument document;
    RichTextReader::read("{\\rtf1\\tx500 \\b old\\par old}", &document);
    RichTextReader::read("{\\rtf1 new}", &document);
    EXPECT_EQ(document.toPlainText(), "new");
    EXPECT_EQ(document.blockCount(), 1);
    EXPECT_TRUE(document.begin().blockFormat().tabPositions().isEmpty());
    EXPECT_NE(document.begin().begin().fragment().charFormat().fontWeight(), QFont::Bold);
}
