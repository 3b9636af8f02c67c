// Printing to a file through the print dialog's file printer, from the print
// preview and from the Data Graph: the chosen file is replaced only by a
// whole print, and a print that fails leaves it as it was, with one box.
#include "report_window_fixture.h"

#include "reports/graph_window.h"
#include "reports/print_preview_window.h"
#include "support/fake_print_dialogs.h"
#include "support/file_modes.h"
#include "support/file_size_limit.h"
#include "support/find_control.h"
#include "support/without_root_file_rights.h"

#include <QDir>
#include <QPrinter>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace vantorelle;

namespace {

enum class Fault { None, FolderTakesNoFile, DiskFills };

class PrintToFile : public ReportWindowFixture {
protected:
    // Opens the window, the graph drawn.
    std::unique_ptr<QWidget> open(bool graph)
    {
        std::unique_ptr<QWidget> window;
        if (graph)
            window = std::make_unique<GraphWindow>(context);
        else
            window = std::make_unique<PrintPreviewWindow>(
                context, ReportKind::MasterLists, reportFile);
        window->show();
        if (graph)
            press(*window, "cmdGraph");
        return window;
    }
    static void press(QWidget &window, const char *button)
    {
        QTest::mouseClick(findControl<QPushButton>(window, button), Qt::LeftButton);
    }

    QString folder() const { return QFileInfo(target).path(); }

    QString target = cache.filePath(QStringLiteral("prints/report.pdf"));
};

} // namespace

TEST_F(PrintToFile, ReplacesTheChosenFileOnlyWithAWholePrint)
{
    const struct {
        const char *name;
        bool graph;
        Fault fault;
    } cases[] = {
        {"preview", false, Fault::None},
        {"preview, a folder that takes no new file", false, Fault::FolderTakesNoFile},
        {"preview, a disk that fills up", false, Fault::DiskFills},
        {"graph", true, Fault::None},
        {"graph, a folder that takes no new file", true, Fault::FolderTakesNoFile},
        {"graph, a disk that fills up", true, Fault::DiskFills},
    };
    const QByteArray older = "an older print";
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        prompter.boxes.clear();
        writeFile(target, older);
        const std::unique_ptr<QWidget> window = open(c.graph);
        FakePrintDialogs dialogs(target);
        dialogs.setNextAnswers({[](QPrinter &) { return true; }});
        {
            const WithoutRootFileRights asAnyUser;
            ASSERT_TRUE(asAnyUser.holds());
            ASSERT_TRUE(
                setPermissionsOf(folder(), c.fault == Fault::FolderTakesNoFile ? 0500 : 0700));
            std::unique_ptr<FileSizeLimit> full;
            if (c.fault == Fault::DiskFills)
                full = std::make_unique<FileSizeLimit>(1024);
            press(*window, "cmdPrint");
        }
        setPermissionsOf(folder(), 0700);

        // Nothing is left beside the chosen file.
        EXPECT_EQ(QDir(folder()).entryList(QDir::Files | QDir::Hidden), QStringList {"report.pdf"});
        const QByteArray printed = readFile(target);
        if (c.fault == Fault::None) {
            EXPECT_TRUE(printed.startsWith("%PDF"));
            EXPECT_TRUE(printed.trimmed().endsWith("%%EOF"));
            EXPECT_TRUE(prompter.boxes.isEmpty());
            continue;
        }
        EXPECT_EQ(printed, older);
        ASSERT_NO_FATAL_FAILURE(
            expectSaveError(c.graph ? "An error occurred while printing the graph."
                                    : "An error occurred while printing the report."));
        EXPECT_TRUE(prompter.boxes[0].text.contains("Filename = " + target))
            << prompter.boxes[0].text.toStdString();
    }
}
