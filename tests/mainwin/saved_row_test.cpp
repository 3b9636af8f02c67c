#include <gtest/gtest.h>

#include "mainwin/saved_row.h"

#include <QTableWidget>

#include <ostream>
#include <string>

using namespace vantorelle;

namespace {

struct SavedRowCase {
    const char *name;
    const char *text;
    const char *key;
    int row;
};

void PrintTo(const SavedRowCase &c, std::ostream *os)
{
    *os << c.name;
}

class SavedRow : public ::testing::TestWithParam<SavedRowCase> { };

TEST_P(SavedRow, PrefersTheSavedRecordAmongRowsOfTheSameText)
{
    const char *rows[][2]
        = {{"120 / 80", "k1"}, {"130 / 85", "k2"}, {"120 / 80", "k3"}, {"120 / 80", "k4"}};
    QTableWidget grid(4, 3);
    for (int r = 0; r < 4; ++r) {
        grid.setItem(r, 0, new QTableWidgetItem(QString::fromLatin1(rows[r][0])));
        grid.setItem(r, 2, new QTableWidgetItem(QString::fromLatin1(rows[r][1])));
    }
    const SavedRowCase &c = GetParam();
    EXPECT_EQ(savedRow(&grid, QString::fromLatin1(c.text), QString::fromLatin1(c.key), 2), c.row);
}

INSTANTIATE_TEST_SUITE_P(Grid, SavedRow,
    ::testing::Values(SavedRowCase {"ItsOwnRow", "120 / 80", "k3", 2},
        SavedRowCase {"ElseTheLastOfItsText", "120 / 80", "k9", 3},
        SavedRowCase {"TheOnlyRowOfItsText", "130 / 85", "k2", 1},
        SavedRowCase {"NoneReadsIt", "99", "k1", -1}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
