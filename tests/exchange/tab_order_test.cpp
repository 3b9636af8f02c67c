#include "import_fixture.h"

#include "exchange/export_dialog.h"
#include "exchange/import_dialog.h"
#include "settings/installation.h"
#include "support/fake_main_window_context.h"
#include "support/fake_prompter.h"
#include "support/find_control.h"
#include "support/tab_walk.h"
#include "support/temporary_install.h"

#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>
#include <string>
#include <vector>

using namespace vantorelle;

// Tab goes through the export and the import dialog as a person reads them,
// from the control named first round to it again, and Shift+Tab the same way
// back. Of a group of options Tab comes to the one chosen.
TEST(ExchangeTabOrder, TabGoesThroughEachDialogAsItIsRead)
{
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    copyTree(basicDataFolder(), dir.path());
    // The export of a topic, whose format and fields can be chosen.
    writeFile(folder + QStringLiteral("vantorelleplus.ini"), "[Main]\r\nExportFormat=1\r\n");
    FakeMainWindowContext context(folder.toStdString());
    ASSERT_TRUE(context.store().load().empty());
    Installation installation;
    installation.dataFolder = folder;
    context.setInstallation(installation);
    context.profile = ListedProfile {basicAnnKey, QStringLiteral("Lee, Ann")};
    FakePrompter prompter;

    const struct {
        const char *dialog;
        std::function<std::unique_ptr<QWidget>()> open;
        const char *first;
        std::vector<const char *> order;
    } dialogs[] = {
        {"Export",
            [&] { return std::make_unique<ExportDialog>(context, QStringLiteral("Lee, Ann")); },
            "optData(1)",
            {"Topic", "Insurance List", "Comma", "Custom", "Available Fields:", "Add >>",
                "<< Remove", "All >>", "<< None", "Field Order In File to Export:", "Move up",
                "Move down", "Select Filename to Create or Save", "Export", "Cancel"}},
        {"Import",
            [&] { return std::make_unique<ImportDialog>(context, QStringLiteral("Lee, Ann")); },
            "cboImport",
            {"Blood Pressure", "Select File...",
                "Import date format:", "First row is header information, do not import", "Comma",
                "Available Fields:", "Add >>", "<< Remove", "All >>", "<< None",
                "Field Order In File to Import:", "Move up", "Move down", "Import", "Cancel"}},
    };
    for (const auto &d : dialogs) {
        SCOPED_TRACE(d.dialog);
        const std::unique_ptr<QWidget> dialog = d.open();
        expectTabOrder(*dialog, d.first, d.order);
    }
    EXPECT_TRUE(prompter.boxes.isEmpty());
}
