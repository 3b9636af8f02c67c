#include "views_fixture.h"

#include "fixture_tables.h"
#include "platform/rich_text_reader.h"
#include "store/store.h"

#include <QTextBlock>
#include <QTextDocument>

#include <cmath>

namespace vantorelle {

bool ViewsFixture::startOn(const QString &fixture, const QString &installType)
{
    const QString folder = install.documentsFolder() + QStringLiteral("records/");
    copyTree(install.programFolder() + QStringLiteral("data/"), folder);
    copyTree(QString::fromStdString((FixtureTables::dataPath() / fixture.toStdString()).string()),
        folder);
    registerDataFolder(folder, installType);
    return start();
}

MemoryTable &ViewsFixture::table(TableId id)
{
    return main->store().table(id);
}

void ViewsFixture::show(int profile, Topic topic)
{
    control<QComboBox>("cboProfiles")->setCurrentIndex(profile);
    control<QListWidget>("lstTopics")->setCurrentRow(int(topicIndex(topic)));
}

void ViewsFixture::clickRow(int row)
{
    control<QTableWidget>("gridViewer")->setCurrentCell(row, 0);
}

QString ViewsFixture::viewerText() const
{
    return control<RichTextView>("rtViewer")->document()->toPlainText();
}

int ViewsFixture::viewerTabStop() const
{
    const QTextDocument *document = control<RichTextView>("rtViewer")->document();
    const auto tabs = document->firstBlock().blockFormat().tabPositions();
    if (tabs.size() != 1)
        return -1;
    const qreal unitsPerTwip = RichTextReader::twipsToDocumentUnits(1440, document) / 1440;
    return int(std::lround(tabs[0].position / unitsPerTwip));
}

} // namespace vantorelle
