#include "editor_fixture.h"

#include "settings/app_info.h"
#include "store/criterion.h"
#include "store/topics.h"

#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

// One reading topic: what adding, editing in place, re-keying and an empty
// required value do to its table file.
struct ReadingCase {
    const char *name;
    Topic topic;
    TableId table;
    std::vector<std::pair<int, QString>> typed; // a new reading's values by row
    QString added; // its file line ("*" stands for its Key)
    QString storedKey; // a synchronised reading of the fixture
    std::pair<int, QString> keeps; // a change that keeps its Key
    QString kept;
    std::pair<int, QString> rekeys; // a change that gives it a new Key
    QString retired;
    QString rekeyed;
    QString message; // the validation message
};

void PrintTo(const ReadingCase &c, std::ostream *os)
{
    *os << c.name;
}

const QString profile = QStringLiteral("20090305070809p");

const ReadingCase readingCases[] = {
    {"BloodPressure", Topic::BloodPressure, TableId::BP, {{1, "130"}, {2, "85"}},
        R"(0x00000000,0x0008,"*","130","85","","20260307","09:05","","","","","")",
        profile + "79759684916920240315083100p", {3, "72"},
        R"(0x00000005,0x0004,"*","120","80","72","20240315","08:30","Rest","after a walk","o1","","")",
        {1, "125"},
        R"(0x00000005,0x0002,"*","120","80","70","20240315","08:30","Rest","after a walk","o1","","")",
        R"(0x00000000,0x0008,"20090305070809p79759684916920260307090500p","125","80","70","20240315","08:30","Rest","after a walk","o1","","")",
        "The BP and date/time fields cannot be blank.\r\n\r\nPlease enter a BP and date/time."},
    {"Cholesterol", Topic::Cholesterol, TableId::Chol, {{1, "200"}},
        R"(0x00000000,0x0008,"*","200","","","","20260307","09:05","","","","")",
        profile + "79759698999920240301100000p", {3, "55"},
        R"(0x00000007,0x0004,"*","190","100","55","120","20240301","00:00","fasting","o1","","")",
        {2, "110"},
        R"(0x00000007,0x0002,"*","190","100","50","120","20240301","00:00","fasting","o1","","")",
        R"(0x00000000,0x0008,"20090305070809p79759698999920260307090500p","190","110","50","120","20240301","00:00","fasting","o1","","")",
        "The total and date/time fields cannot be blank.\r\n\r\nPlease enter a Total and "
        "date/time."},
    {"Weight", Topic::Weight, TableId::Weight, {{1, "170"}},
        R"(0x00000000,0x0008,"*","170","20260307","09:05","","","","")",
        profile + "79759697938420240302100000p", {4, "after run"},
        R"(0x00000009,0x0004,"*","172.5 lb measured after breakfast on the","20240302","06:15","after run","o1","","")",
        {1, "171"},
        R"(0x00000009,0x0002,"*","172.5 lb measured after breakfast on the","20240302","06:15","","o1","","")",
        R"(0x00000000,0x0008,"20090305070809p79759697938420260307090500p","171","20240302","06:15","","o1","","")",
        "The weight and date/time fields cannot be blank.\r\n\r\nPlease enter a weight and "
        "date/time."},
    {"Glucose", Topic::Glucose, TableId::Glucose, {{1, "6.1"}},
        R"(0x00000000,0x0008,"*","6.1","mg/dL","","","20260307","09:05","","","","","","","")",
        profile + "79759696925420240303074600p", {8, "4"},
        R"(0x0000000B,0x0004,"*","5.5","mmol/L","30","Before Breakfast","20240303","07:45","","4","o2","","","","")",
        {1, "5.8"},
        R"(0x0000000B,0x0002,"*","5.5","mmol/L","30","Before Breakfast","20240303","07:45","","2","o2","","","","")",
        R"(0x00000000,0x0008,"20090305070809p79759696925420260307090500p","5.8","mmol/L","30","Before Breakfast","20240303","07:45","","2","o2","","","","")",
        "The glucose and date/time fields cannot be blank.\r\n\r\nPlease enter a glucose and "
        "date/time."},
};

QString withKey(QString line, const QString &key)
{
    return line.replace(QLatin1String("\"*\""), QLatin1Char('"') + key + QLatin1Char('"'));
}

// Lines in order, as printable text.
std::vector<std::string> sorted(QStringList lines)
{
    lines.sort();
    std::vector<std::string> texts;
    for (const QString &line : lines)
        texts.push_back(line.toStdString());
    return texts;
}

class ReadingPanel : public EditorFixture, public ::testing::WithParamInterface<ReadingCase> {
protected:
    // The fixture's line of the record with `key`.
    static QString storedLine(TableId table, const QString &key)
    {
        for (const QString &line : fixtureLines(table)) {
            if (line.contains(QLatin1Char('"') + key + QLatin1Char('"')))
                return line;
        }
        return {};
    }
};

TEST_P(ReadingPanel, AddsANewReadingUnderANewKey)
{
    const ReadingCase &c = GetParam();
    showTopic(c.topic);
    editor->addRecord();
    ASSERT_TRUE(editing());
    for (const auto &[row, value] : c.typed)
        enter(c.topic, row, value);
    editor->saveRecord();

    EXPECT_FALSE(editing());
    EXPECT_TRUE(prompter.boxes.isEmpty());
    MemoryTable &readings = table(c.table);
    readings.moveFirst();
    ASSERT_TRUE(readings.find(Criterion::equal("Key", newKey)));
    EXPECT_EQ(readings.value("STATUS"), "0x0008");
    EXPECT_EQ(readings.value("REC_ID"), "0x00000000");
    EXPECT_EQ(currentGridKey(), QString::fromLatin1(newKey));

    saveTables();
    EXPECT_EQ(sorted(fileLines(c.table)),
        sorted(fixtureLines(c.table) << withKey(c.added, QString::fromLatin1(newKey))));
}

TEST_P(ReadingPanel, ChangeOutsideTheKeyUpdatesInPlace)
{
    const ReadingCase &c = GetParam();
    showTopic(c.topic);
    ASSERT_TRUE(selectRecord(c.storedKey));
    editor->editRecord();
    ASSERT_TRUE(editing());
    enter(c.topic, c.keeps.first, c.keeps.second);
    editor->saveRecord();

    EXPECT_FALSE(editing());
    EXPECT_TRUE(prompter.boxes.isEmpty());
    EXPECT_EQ(currentGridKey(), c.storedKey);
    saveTables();
    QStringList expected = fixtureLines(c.table);
    expected.replace(
        expected.indexOf(storedLine(c.table, c.storedKey)), withKey(c.kept, c.storedKey));
    EXPECT_EQ(sorted(fileLines(c.table)), sorted(expected));
}

TEST_P(ReadingPanel, ChangeOfAKeyValueReplacesTheReading)
{
    const ReadingCase &c = GetParam();
    showTopic(c.topic);
    ASSERT_TRUE(selectRecord(c.storedKey));
    editor->editRecord();
    enter(c.topic, c.rekeys.first, c.rekeys.second);
    editor->saveRecord();

    EXPECT_FALSE(editing());
    EXPECT_TRUE(prompter.boxes.isEmpty());
    EXPECT_NE(currentGridKey(), c.storedKey);
    saveTables();
    QStringList expected = fixtureLines(c.table);
    expected.replace(
        expected.indexOf(storedLine(c.table, c.storedKey)), withKey(c.retired, c.storedKey));
    expected << c.rekeyed;
    EXPECT_EQ(sorted(fileLines(c.table)), sorted(expected));
}

TEST_P(ReadingPanel, EmptyRequiredValueIsRefusedAndNothingStored)
{
    const ReadingCase &c = GetParam();
    showTopic(c.topic);
    editor->addRecord();
    editor->saveRecord();

    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, QString::fromUtf8(AppInfo::title));
    EXPECT_EQ(prompter.boxes[0].text, c.message);
    EXPECT_EQ(prompter.boxes[0].buttons, Prompter::OkOnly);
    EXPECT_TRUE(editing());
    EXPECT_TRUE(control<QPushButton>("cmdNewSave")->isVisibleTo(main.get()));
    EXPECT_EQ(table(c.table).recordCount(), std::size_t(fixtureLines(c.table).size()));
    saveTables();
    EXPECT_EQ(sorted(fileLines(c.table)), sorted(fixtureLines(c.table)));
}

INSTANTIATE_TEST_SUITE_P(Readings, ReadingPanel, ::testing::ValuesIn(readingCases),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
