#include "report_window_fixture.h"

#include "reports/report_builder.h"
#include "settings/preferences.h"
#include "support/file_modes.h"

#include <QFile>

#include <gtest/gtest.h>

using namespace vantorelle;

namespace {

// The builder with the date preference day, month, year with "-".
class ReportBuilderTest : public ReportWindowFixture {
protected:
    void SetUp() override
    {
        ReportWindowFixture::SetUp();
        DisplayPreferences display;
        display.dateFormat = DateFormat::DayMonthYear;
        display.dateSeparator = "-";
        context.preferences().setDisplay(display);
    }

    BuiltReport build(ReportKind kind)
    {
        return ReportBuilder(context).build(kind, letterPage(), reportFile);
    }
};

TEST_F(ReportBuilderTest, BuildsTheChosenSectionsAndKeepsThemForSaveToFile)
{
    writeSettings("PrintSection0=0\r\nPrintSection1=0\r\nPrintSection2=0\r\nPrintSection4=0\r\n"
                  "PrintSection5=0\r\nPrintSection6=0\r\nPrintSection7=0\r\nPrintSection8=0\r\n"
                  "PrintSection9=0\r\nPrintSection10=0\r\nPrintSection11=0\r\nPrintSection12=0\r\n"
                  "PrintSection13=0\r\nPrintSection14=0\r\nPrintSectionType3=1\r\n");
    const BuiltReport report = build(ReportKind::Profile);

    EXPECT_TRUE(report.complete);
    EXPECT_TRUE(prompter.boxes.isEmpty());
    const RunningText &running = report.document.runningText();
    EXPECT_EQ(running.left, "Vantorelle Rize");
    EXPECT_EQ(running.centre, "11-06-2024");
    EXPECT_EQ(running.right, "Page %d");
    const std::vector<PrintTable> tables = tablesOf(report.document);
    ASSERT_EQ(tables.size(), 1u);
    EXPECT_EQ(cellsOf(tables[0]),
        Cells({{"Allergies", " "}, {"Allergy", "Penicillin"}, {"Reaction", "Rash"}, {"", ""},
            {"Allergy", "Peanuts"}, {"Reaction", "Hives"}, {"Date", "01-06-2005"}}));

    QFile rtf(reportFile.path());
    ASSERT_TRUE(rtf.open(QIODevice::ReadOnly));
    const QByteArray text = rtf.readAll();
    EXPECT_TRUE(text.startsWith("{\\rtf1"));
    EXPECT_TRUE(
        text.contains("Vantorelle Rize\\tab 11-06-2024\\tab Page {\\field{\\*\\fldinst PAGE}"));
    EXPECT_TRUE(text.contains("Peanuts\\cell "));
}

TEST_F(ReportBuilderTest, TheRtfOfASmallReportHoldsItsTablesAsRows)
{
    writeSettings(
        "PrintList0=0\r\nPrintList1=0\r\nPrintList3=0\r\nPrintList4=0\r\nPrintList5=0\r\n");
    ASSERT_TRUE(build(ReportKind::MasterLists).complete);
    QFile rtf(reportFile.path());
    ASSERT_TRUE(rtf.open(QIODevice::ReadOnly));
    const QByteArray borders = "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
                               "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10";
    const QByteArray expected
        = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n"
          "{\\fonttbl{\\f0\\fswiss DejaVu Sans;}}\r\n"
          "\\paperw12240\\paperh15840\\margl1440\\margr1440\\margt1440\\margb1440\r\n"
          "{\\header\\pard\\plain\\f0\\fs18\\tqc\\tx4680\\tqr\\tx9360 Vantorelle Rize\\tab "
          "11-06-2024\\tab Page {\\field{\\*\\fldinst PAGE}{\\fldrslt }}\\par}\r\n"
          "\\pard\\plain\\qc\\f0\\fs28\\b Vantorelle Master Lists\\line \\line \\par\r\n"
          "\\trowd\\trgaph60\\trhdr"
        + borders
        + "\\cellx9360\r\n"
          "\\pard\\plain\\intbl\\f0\\fs18\\b Location\\cell \\row\r\n"
          "\\trowd\\trgaph60"
        + borders
        + "\\cellx9360\r\n"
          "\\pard\\plain\\intbl\\f0\\fs18 Clinic\\cell \\row\r\n"
          "\\trowd\\trgaph60"
        + borders
        + "\\cellx9360\r\n"
          "\\pard\\plain\\intbl\\f0\\fs18 General Hospital\\cell \\row\r\n"
          "\\pard\\plain\\ql\\f0\\fs18 \\par\r\n"
          "}\r\n";
    EXPECT_EQ(rtf.readAll().toStdString(), expected.toStdString());
}

TEST_F(ReportBuilderTest, AFailedBuildLeavesNoReportToSave)
{
    writeFile(reportFile.path(), "{\\rtf1 the previous person's report}");
    context.profile.reset();
    const BuiltReport report = build(ReportKind::Profile);

    EXPECT_FALSE(report.complete);
    EXPECT_FALSE(reportFile.exists());
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Error");
    EXPECT_TRUE(prompter.boxes[0].text.startsWith(
        "An error occurred while building the print document.\r\n\r\nErrorCode =  3021"))
        << prompter.boxes[0].text.toStdString();
}

TEST_F(ReportBuilderTest, WhatWasBuiltBeforeAFailureStaysForThePreview)
{
    writeSettings("PrintDateRange=1\r\nPrintDateStart=the first\r\n");
    const BuiltReport report = build(ReportKind::Profile);
    EXPECT_FALSE(report.complete);
    EXPECT_EQ(report.document.runningText().centre, "11-06-2024");
    EXPECT_FALSE(reportFile.exists());
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_TRUE(prompter.boxes[0].text.contains("ErrorCode =  13 (Type mismatch)"));
}

TEST_F(ReportBuilderTest, TheReportFolderAndFileAreTheUsersAlone)
{
    const ScopedUmask umask(022);
    ReportFile nested(cache.filePath(".cache/Vantorelle"));
    ASSERT_TRUE(
        ReportBuilder(context).build(ReportKind::MasterLists, letterPage(), nested).complete);
    EXPECT_EQ(permissionsOf(cache.filePath(".cache")), 0700);
    EXPECT_EQ(permissionsOf(cache.filePath(".cache/Vantorelle")), 0700);
    EXPECT_EQ(permissionsOf(nested.path()), 0600);

    // A folder the user opened to others stays as the user set it.
    ASSERT_TRUE(setPermissionsOf(cache.filePath(".cache/Vantorelle"), 0755));
    ASSERT_TRUE(
        ReportBuilder(context).build(ReportKind::MasterLists, letterPage(), nested).complete);
    EXPECT_EQ(permissionsOf(cache.filePath(".cache/Vantorelle")), 0755);
    EXPECT_EQ(permissionsOf(nested.path()), 0600);
}

TEST_F(ReportBuilderTest, AReportFolderThatIsALinkIsRefused)
{
    QTemporaryDir elsewhere;
    writeFile(elsewhere.filePath("report.rtf"), "theirs");
    ASSERT_TRUE(QFile::link(elsewhere.path(), cache.filePath("Linked")));
    ReportFile linked(cache.filePath("Linked"));
    const BuiltReport report
        = ReportBuilder(context).build(ReportKind::MasterLists, letterPage(), linked);
    EXPECT_TRUE(report.complete); // the preview still shows it
    EXPECT_EQ(readFile(elsewhere.filePath("report.rtf")), "theirs"); // neither written nor removed
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_TRUE(prompter.boxes[0].text.contains("Permission denied"));
}

} // namespace
