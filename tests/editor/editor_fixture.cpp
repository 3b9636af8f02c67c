#include "editor_fixture.h"

#include "editor/topic_panel.h"
#include "mainwin/grid_layouts.h"
#include "store/store.h"
#include "text/cp1252.h"
#include "widgets/date_time_picker.h"
#include "widgets/text_box.h"

#include <QComboBox>
#include <QFileInfo>

namespace vantorelle {

namespace {

QString dataFolder(const QString &name)
{
    return QFileInfo(QStringLiteral(__FILE__))
               .absoluteDir()
               .filePath(QStringLiteral("../data/") + name)
        + QLatin1Char('/');
}

QString fixtureFolder()
{
    return dataFolder(QStringLiteral("editor"));
}

QStringList recordLines(const QByteArray &bytes)
{
    QStringList lines;
    for (const QByteArray &line : bytes.split('\n')) {
        if (!line.isEmpty() && !line.startsWith('#'))
            lines << Cp1252::toUnicode(line.endsWith('\r') ? line.chopped(1) : line);
    }
    return lines;
}

} // namespace

void EditorFixture::SetUp()
{
    Clock::install(&clock);
    install.copyTemplates();
    folder = install.documentsFolder() + QStringLiteral("records/");
    copyTree(install.programFolder() + QStringLiteral("data/"), folder);
    copyTree(fixtureFolder(), folder);
    if (!moreData.isEmpty())
        copyTree(dataFolder(moreData), folder);
    registry.user = {{"data_path", folder}, {"install_type", "Win"}, {"install_date", "20240101"}};
    registry.machine = {{"install_type", "Win"}, {"install_date", "20240101"}};

    main = std::make_unique<MainWindow>();
    main->setInstanceLockPath(install.documentsFolder() + QStringLiteral("vantorelle.lock"));
    main->setSplashMilliseconds(0);
    editor = std::make_unique<RecordEditor>(*main);
    main->installEditorHooks(editor.get());
    ASSERT_TRUE(main->load());
    main->show();
}

void EditorFixture::TearDown()
{
    editor.reset();
    main.reset();
    Clock::install(nullptr);
}

MemoryTable &EditorFixture::table(TableId id)
{
    return main->store().table(id);
}

void EditorFixture::showTopic(Topic topic)
{
    control<QListWidget>("lstTopics")->setCurrentRow(int(topicIndex(topic)));
}

bool EditorFixture::selectRecord(const QString &key)
{
    const int keyColumn = gridLayout(*main->currentTopic())->keyColumn();
    for (int row = 0; row < control<QTableWidget>("gridViewer")->rowCount(); ++row) {
        if (control<QTableWidget>("gridViewer")->item(row, keyColumn)->text() == key) {
            control<QTableWidget>("gridViewer")->setCurrentCell(row, 0);
            return true;
        }
    }
    return false;
}

QString EditorFixture::currentGridKey() const
{
    const int keyColumn = gridLayout(*main->currentTopic())->keyColumn();
    const QTableWidgetItem *item
        = control<QTableWidget>("gridViewer")
              ->item(control<QTableWidget>("gridViewer")->currentRow(), keyColumn);
    return item ? item->text() : QString();
}

QStringList EditorFixture::fileLines(TableId id) const
{
    return recordLines(readFile(folder + QString::fromStdString(tableFileName(id))));
}

QStringList EditorFixture::fixtureLines(TableId id)
{
    return recordLines(readFile(fixtureFolder() + QString::fromStdString(tableFileName(id))));
}

void EditorFixture::saveTables()
{
    EXPECT_TRUE(main->store().writeTables().empty());
}

void EditorFixture::enter(Topic topic, int row, const QString &value)
{
    TopicPanel *panel = editor->panel(topic);
    if (TextBox *box = panel->textBox(row))
        box->setText(value);
    else if (QComboBox *combo = panel->combo(row); combo && combo->isEditable())
        combo->setEditText(value);
    else if (combo)
        combo->setCurrentIndex(combo->findText(value));
    else
        panel->picker(row)->setStoredText(value);
}

bool EditorFixture::editing() const
{
    return control<QLabel>("StatusPanel2")->text() == QLatin1String("EDIT MODE");
}

QStringList EditorFixture::boxTexts() const
{
    QStringList texts;
    for (const FakePrompter::Box &box : prompter.boxes)
        texts << box.text;
    return texts;
}

} // namespace vantorelle
