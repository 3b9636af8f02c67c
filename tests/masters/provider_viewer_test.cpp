#include "masters_fixture.h"

#include "masters/provider_view.h"
#include "masters/provider_viewer.h"
#include "widgets/rich_text_view.h"

#include <QApplication>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

using namespace vantorelle;

namespace {

const std::string header = "{\\rtf1\\ansi {\\colortbl;\\red0\\green0\\blue255;}";

struct ViewCase {
    const char *name;
    const char *key;
    bool pharmacy;
    std::string rtf;
};

void PrintTo(const ViewCase &c, std::ostream *out)
{
    *out << c.name;
}

class View : public MastersFixture, public ::testing::WithParamInterface<ViewCase> { };

} // namespace

TEST_P(View, OneBoldLabelLinePerFieldThatHoldsAValue)
{
    const ViewCase &c = GetParam();
    const ProviderView view = providerView(context->store(), c.key, c.pharmacy);
    EXPECT_EQ(view.rtf, c.rtf);
}

INSTANTIATE_TEST_SUITE_P(ProviderViewer, View,
    ::testing::Values(
        ViewCase {"Provider", "20090306080200p", false,
            header
                + "\\b Name:\\b0\\tab Dr. Who\\line\\b Type/Specialty:\\b0\\tab GP\\line"
                  "\\b Office Phone:\\b0\\tab 555-0600\\line\\b Clinic/Hospital:\\b0\\tab "
                  "Clinic\\line}"},
        ViewCase {"Pharmacy", "20090306080300p", true,
            header
                + "\\b Pharmacy:\\b0\\tab Corner Drug\\line\\b Contact:\\b0\\tab Pat\\line"
                  "\\b Phone:\\b0\\tab 555-0500\\line\\b Hours:\\b0\\tab 9-5\\line"
                  "\\b Address:\\b0\\tab 2 Main St\\line}"},
        // Nothing found: the bare document.
        ViewCase {"DeletedProvider", "20090306080400p", false, header + "}"},
        ViewCase {"ProviderKeyAsPharmacy", "20090306080200p", true, header + "}"},
        ViewCase {"NoKey", "", false, header + "}"},
        ViewCase {"KeyPrefix", "20090306", false, header + "}"}),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(MastersFixture, BracesAndLineBreaksOfAValueShowAsTyped)
{
    MemoryTable &pharmacies = table(TableId::PharmID);
    pharmacies.moveFirst();
    pharmacies.setValue("Notes", "Open {late}\r\nSundays");
    pharmacies.update();
    const ProviderView view = providerView(context->store(), "20090306080300p", true);
    EXPECT_NE(view.rtf.find("\\b Notes:\\b0\\tab Open \\{late\\}\\line\\tab Sundays\\line}"),
        std::string::npos)
        << view.rtf;

    ProviderViewer viewer(*context, "20090306080300p", true);
    const QString text = findControl<RichTextView>(viewer, "rtViewer")->toPlainText();
    EXPECT_TRUE(text.contains(QStringLiteral("Notes:\tOpen {late}\n\tSundays")))
        << text.toStdString();
}

TEST_F(MastersFixture, TheViewerShowsTheProviderOrPharmacy)
{
    ProviderViewer provider(*context, "20090306080200p", false);
    EXPECT_EQ(provider.windowTitle(), "View Provider");
    const QTextDocument *document = findControl<RichTextView>(provider, "rtViewer")->document();
    EXPECT_EQ(document->begin().text().section(QChar::LineSeparator, 0, 0), "Name:\tDr. Who");

    ProviderViewer pharmacy(*context, "20090306080300p", true);
    EXPECT_EQ(pharmacy.windowTitle(), "View Pharmacy");
    EXPECT_TRUE(findControl<RichTextView>(pharmacy, "rtViewer")
                    ->toPlainText()
                    .startsWith("Pharmacy:\tCorner Drug"));
}

TEST_F(MastersFixture, EditOpensTheEditorOnTheViewedList)
{
    const struct {
        bool pharmacy;
        const char *key;
        MasterListId list;
        const char *shown;
    } cases[] = {
        {false, "20090306080200p", MasterListId::Providers, "Dr. Who"},
        {true, "20090306080300p", MasterListId::Pharmacies, "Corner Drug"},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.shown);
        context->refreshes.clear();
        ProviderViewer viewer(*context, c.key, c.pharmacy);
        viewer.show();
        bool opened = false;
        // The editor is modal: looked at from inside its own event loop.
        QTimer::singleShot(0, [&] {
            auto *open = qobject_cast<MasterListEditor *>(QApplication::activeModalWidget());
            ASSERT_TRUE(open);
            opened = true;
            EXPECT_EQ(open->list(), c.list);
            EXPECT_EQ(
                findControl<QListWidget>(*open, "lstMasterItems")->currentItem()->text(), c.shown);
            EXPECT_TRUE(context->refreshes.isEmpty()) << "refilled only once it is closed";
            findControl<QPushButton>(*open, "cmdClose")->click();
        });
        findControl<QPushButton>(viewer, "cmdEdit")->click();
        EXPECT_TRUE(opened);
        EXPECT_EQ(context->refreshes, QStringList {"fillMasterLists"});
        EXPECT_FALSE(viewer.isVisible()) << "the viewer closes with the editor";
    }
}
