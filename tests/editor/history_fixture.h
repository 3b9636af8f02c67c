#pragma once

#include "editor_fixture.h"

#include "editor/topic_panel.h"
#include "store/criterion.h"
#include "store/table_catalog.h"
#include "store/topics.h"
#include "text/cp1252.h"

#include <QFile>
#include <QFileInfo>

#include <string>
#include <vector>

namespace vantorelle {

// The editor on the fixture of tests/data/editor with tests/data/editor_history
// over it: the profile Ann Lee ("20090305070809p") with records of every
// history and reading topic; providers "" (nameless), Dr. Adams, Dr. Brown and
// a second Dr. Brown (one more is deleted); pharmacies Corner Drugs and Main
// St Pharmacy; locations City Clinic, General Hospital and Hillside Lab. The
// clock stands at 7 March 2026, 09:05:00.
class HistoryFixture : public EditorFixture {
protected:
    HistoryFixture() { moreData = QStringLiteral("editor_history"); }

    // The record lines of a table's file as the fixture holds it: the
    // history tables from tests/data/editor_history, the others from
    // tests/data/editor.
    static QStringList historyLines(TableId id)
    {
        const QString history = QFileInfo(QStringLiteral(__FILE__))
                                    .absoluteDir()
                                    .filePath(QStringLiteral("../data/editor_history/"))
            + QString::fromStdString(tableFileName(id));
        if (!QFile::exists(history))
            return fixtureLines(id);
        QStringList lines;
        for (const QByteArray &line : readFile(history).split('\n')) {
            if (!line.isEmpty() && !line.startsWith('#'))
                lines << Cp1252::toUnicode(line.chopped(1));
        }
        return lines;
    }
    static QString storedLine(TableId id, const QString &key)
    {
        for (const QString &line : historyLines(id)) {
            if (line.contains(QLatin1Char('"') + key + QLatin1Char('"')))
                return line;
        }
        return {};
    }

    TopicPanel &panel(Topic topic) const { return *editor->panel(topic); }

    // Shows the stored record with `key` on its panel for editing.
    void edit(Topic topic, const QString &key)
    {
        showTopic(topic);
        ASSERT_TRUE(selectRecord(key));
        editor->editRecord();
        ASSERT_TRUE(editing());
    }
    void add(Topic topic)
    {
        showTopic(topic);
        editor->addRecord();
        ASSERT_TRUE(editing());
    }
    void saveAccepted()
    {
        editor->saveRecord();
        EXPECT_TRUE(prompter.boxes.isEmpty()) << boxTexts().join(u'|').toStdString();
        EXPECT_FALSE(editing());
    }
    // The table's row with `key`, made current; false when there is none.
    bool findRecord(TableId id, const QString &key)
    {
        MemoryTable &rows = table(id);
        rows.moveFirst();
        return rows.find(Criterion::equal("Key", key.toStdString()));
    }
    std::string field(TableId id, const char *name) { return std::string(table(id).value(name)); }
};

// A table file's line with its Key: "*" in `line` stands for it.
inline QString withKey(QString line, const QString &key)
{
    return line.replace(QLatin1String("\"*\""), QLatin1Char('"') + key + QLatin1Char('"'));
}

// Lines in order, as printable text.
inline std::vector<std::string> sorted(QStringList lines)
{
    lines.sort();
    std::vector<std::string> texts;
    for (const QString &line : lines)
        texts.push_back(line.toStdString());
    return texts;
}

} // namespace vantorelle
