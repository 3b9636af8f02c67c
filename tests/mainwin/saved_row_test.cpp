#include <gtest/gtest.h>

#include "mainwin/saved_row.h"

#include "mainwin/grid_cells.h"

#include <QTableWidget>

#include <ostream>
#include <string>

using namespace vantorelle;

namespace {

struct SavedRowCase {
    const char *name;
    const char *text;
    RowHandle saved;
    int row;
};

void PrintTo(const SavedRowCase &c, std::ostream *os)
{
    *os << c.name;
}

class SavedRow : public ::testing::TestWithParam<SavedRowCase> { };

// Rows 0 and 2 share a Key: only the row each keeps tells them apart.
TEST_P(SavedRow, PrefersTheSavedRecordAmongRowsOfTheSameText)
{
    const struct {
        const char *text, *key;
        RowHandle row;
    } rows[] = {{"120 / 80", "k1", 11}, {"130 / 85", "k2", 12}, {"120 / 80", "k1", 13},
        {"120 / 80", "k4", 14}};
    QTableWidget grid(4, 3);
    for (int r = 0; r < 4; ++r) {
        grid.setItem(r, 0, new QTableWidgetItem(QString::fromLatin1(rows[r].text)));
        auto *key = new QTableWidgetItem(QString::fromLatin1(rows[r].key));
        keepListedRow(key, rows[r].row);
        grid.setItem(r, 2, key);
    }
    const SavedRowCase &c = GetParam();
    EXPECT_EQ(savedRow(&grid, QString::fromLatin1(c.text), c.saved, 2), c.row);
}

INSTANTIATE_TEST_SUITE_P(Grid, SavedRow,
    ::testing::Values(SavedRowCase {"ItsOwnRow", "120 / 80", 13, 2},
        SavedRowCase {"ItsOwnRowBeforeTheLast", "120 / 80", 11, 0},
        SavedRowCase {"ElseTheLastOfItsText", "120 / 80", 19, 3},
        SavedRowCase {"TheOnlyRowOfItsText", "130 / 85", 12, 1},
        SavedRowCase {"NoneReadsIt", "99", 11, -1}),
    [](const auto &info) { return std::string(info.param.name); });

} // namespace
