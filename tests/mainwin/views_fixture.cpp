#include "views_fixture.h"

#include "fixture_tables.h"
#include "store/store.h"
#include "support/value_starts.h"

#include <QApplication>
#include <QTextBlock>
#include <QTextDocument>

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

QList<qreal> ViewsFixture::viewerValueStarts() const
{
    main->show();
    QApplication::processEvents();
    return valueStarts(control<RichTextView>("rtViewer")->document());
}

} // namespace vantorelle
