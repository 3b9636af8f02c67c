#include <gtest/gtest.h>

#include "documents/print_document.h"
#include "documents/rtf_document_writer.h"
#include "platform/app_error.h"
#include "support/letter_page.h"

#include <QFile>
#include <QTemporaryDir>

using namespace vantorelle;

namespace {

PrintDocument smallReport()
{
    PrintDocument document;
    document.setRunningText({"Vantorelle Rize", "1/2/2024", "Page %d"});
    document.addParagraph({"Vantorelle Master Lists\nAda", true, ParagraphAlignment::Centre, 12});
    document.addTable({{1440, 2880}, {"Location", "Notes"}, {{"Clinic {North}", "a|b~c"}}});
    document.addParagraph({});
    return document;
}

// The RTF of one left-aligned 10-point paragraph holding `text`.
QByteArray paragraphRtf(const QString &text)
{
    PrintDocument document;
    document.addParagraph({text});
    const QByteArray rtf = RtfDocumentWriter::toRtf(document, letterPage());
    const QByteArray start = "\\pard\\plain\\ql\\f0\\fs20 ";
    const qsizetype from = rtf.indexOf(start) + start.size();
    return rtf.mid(from, rtf.indexOf("\\par\r\n", from) - from);
}

struct EscapeCase {
    const char *name;
    QString text;
    QByteArray rtf;
};

void PrintTo(const EscapeCase &escapeCase, std::ostream *out)
{
    *out << escapeCase.name;
}

class RtfText : public ::testing::TestWithParam<EscapeCase> { };

} // namespace

TEST(RtfDocumentWriter, WritesASmallReport)
{
    const QByteArray borders = "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
                               "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10";
    const QByteArray expected
        = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n"
          "{\\fonttbl{\\f0\\fswiss DejaVu Sans;}}\r\n"
          "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440\r\n"
          "{\\header\\pard\\plain\\f0\\fs20\\tqc\\tx4680\\tqr\\tx9360 Vantorelle Rize"
          "\\tab 1/2/2024\\tab Page {\\field{\\*\\fldinst PAGE}{\\fldrslt }}\\par}\r\n"
          "\\pard\\plain\\qc\\f0\\fs24\\b Vantorelle Master Lists\\line Ada\\par\r\n"
          "\\trowd\\trgaph60\\trhdr"
        + borders + "\\cellx1440" + borders
        + "\\cellx4320\r\n"
          "\\pard\\plain\\intbl\\f0\\fs20\\b Location\\cell Notes\\cell \\row\r\n"
          "\\trowd\\trgaph60"
        + borders + "\\cellx1440" + borders
        + "\\cellx4320\r\n"
          "\\pard\\plain\\intbl\\f0\\fs20 Clinic \\{North\\}\\cell a|b~c\\cell \\row\r\n"
          "\\pard\\plain\\ql\\f0\\fs20 \\par\r\n"
          "}\r\n";
    EXPECT_EQ(RtfDocumentWriter::toRtf(smallReport(), letterPage()), expected);
}

TEST(RtfDocumentWriter, MissingCellsAreBlankAndEmptyHeaderHasNoHeaderRow)
{
    PrintDocument document;
    document.addTable({{1440, 1440, 1440}, {}, {{"only"}}});
    const QByteArray rtf = RtfDocumentWriter::toRtf(document, letterPage());
    EXPECT_FALSE(rtf.contains("\\trhdr"));
    EXPECT_TRUE(rtf.contains("\\fs20 only\\cell \\cell \\cell \\row"));
}

TEST(RtfDocumentWriter, PageNumberFieldWhereverTheRunningTextSaysSo)
{
    PrintDocument document;
    document.setRunningText({"%d of it", "", ""});
    const QByteArray rtf = RtfDocumentWriter::toRtf(document, letterPage());
    EXPECT_TRUE(
        rtf.contains("\\tx9360 {\\field{\\*\\fldinst PAGE}{\\fldrslt }} of it\\tab \\tab \\par}"));
}

TEST_P(RtfText, IsEscaped)
{
    EXPECT_EQ(paragraphRtf(GetParam().text), GetParam().rtf);
}

INSTANTIATE_TEST_SUITE_P(Characters, RtfText,
    ::testing::Values(EscapeCase {"BackslashAndBraces", "C:\\x {y}", "C:\\\\x \\{y\\}"},
        EscapeCase {"CellAndRowMarksAsTyped", "a|b~c", "a|b~c"},
        EscapeCase {"Latin1AsCp1252Byte", QString::fromUtf8("Zo\u00eb"), "Zo\\'eb"},
        EscapeCase {"Cp1252UpperRange", QString::fromUtf8("\u20ac5 \u2013 ok"), "\\'805 \\'96 ok"},
        EscapeCase {"OutsideCp1252AsUnicode", QString::fromUtf8("\u0150z"), "\\u336?z"},
        EscapeCase {"BeyondTheBasicPlaneAsTwoUnits", QString::fromUtf8("\U0001F600"),
            "\\u-10179?\\u-8704?"},
        EscapeCase {
            "LineBreaks", "one\r\ntwo\nthree\rfour", "one\\line two\\line three\\line four"},
        EscapeCase {"Tab", "a\tb", "a\\tab b"},
        EscapeCase {"ControlCharacterAsUnicode", QString(QChar(0x81)), "\\u129?"}),
    [](const ::testing::TestParamInfo<EscapeCase> &info) { return std::string(info.param.name); });

TEST(RtfDocumentWriter, SaveReplacesTheFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("report.rtf");
    {
        QFile old(path);
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("a longer report of the person printed before, which must not remain");
    }
    RtfDocumentWriter::save(smallReport(), letterPage(), path, NewFileAccess::OwnerOnly);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), RtfDocumentWriter::toRtf(smallReport(), letterPage()));
}

TEST(RtfDocumentWriter, SaveThatCannotWriteReportsIt)
{
    QTemporaryDir dir;
    EXPECT_THROW(RtfDocumentWriter::save(smallReport(), letterPage(),
                     dir.filePath("gone/report.rtf"), NewFileAccess::OwnerOnly),
        AppError);
}
