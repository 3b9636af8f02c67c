#pragma once

#include "documents/print_document.h"
#include "store/store.h"
#include "support/letter_page.h"
#include "support/temporary_install.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace vantorelle {

// The report fixture, tests/data/reports: Ann Lee ("20090305070809p") with
// records of every topic, and Bob O'Neil ("20100101101010p") with a few.
inline QString reportFixtureFolder()
{
    // ctest sets VANTORELLE_TEST_DATA; a direct run finds tests/data beside this file.
    if (const char *data = std::getenv("VANTORELLE_TEST_DATA"))
        return QString::fromLocal8Bit(data) + QStringLiteral("/reports");
    return QFileInfo(QStringLiteral(__FILE__))
        .absoluteDir()
        .filePath(QStringLiteral("../data/reports"));
}

// The fixture copied to a folder of the test's own and loaded.
class ReportFixture : public ::testing::Test {
protected:
    static constexpr const char *ann = "20090305070809p";
    static constexpr const char *bob = "20100101101010p";
    static constexpr int usableWidth = 9360;

    void SetUp() override
    {
        copyTree(reportFixtureFolder(), dir.path());
        const auto failures = store.load();
        ASSERT_TRUE(failures.empty()) << failures.front().path;
    }

    QTemporaryDir dir;
    Store store {dir.path().toStdString()};
};

// A table as text rows, its header first, for readable comparisons.
using Cells = std::vector<std::vector<std::string>>;

inline Cells cellsOf(const PrintTable &table)
{
    const auto row = [](const QStringList &texts) {
        std::vector<std::string> out;
        for (const QString &text : texts)
            out.push_back(text.toStdString());
        return out;
    };
    Cells cells {row(table.header)};
    for (const QStringList &texts : table.rows)
        cells.push_back(row(texts));
    return cells;
}

// The tables of a document, in order.
inline std::vector<PrintTable> tablesOf(const PrintDocument &document)
{
    std::vector<PrintTable> tables;
    for (const auto &block : document.blocks()) {
        if (const auto *table = std::get_if<PrintTable>(&block))
            tables.push_back(*table);
    }
    return tables;
}

} // namespace vantorelle
