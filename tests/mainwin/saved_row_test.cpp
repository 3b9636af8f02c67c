#include <gtest/gtest.h>

#include "mainwin/saved_row.h"

#include <QTableWidget>

namespace {

struct SavedRowCase {
    const char *text;
    const char *key;
    int row;
};

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
    ::testing::Values(SavedRowCase {"120 / 80", "k3", 2}, // its own row
        SavedRowCase {"120 / 80", "k9", 3}, // else the last
        SavedRowCase {"130 / 85", "k2", 1}, SavedRowCase {"99", "k1", -1})); // none reads it

} // namespace
