#include "fixture_tables.h"

#include "store/table_file.h"

#include <cstdlib>
#include <stdexcept>

namespace vantorelle {

std::filesystem::path FixtureTables::dataPath()
{
    if (const char *path = std::getenv("VANTORELLE_TEST_DATA"))
        return path;
    return std::filesystem::path(__FILE__).parent_path().parent_path() / "data";
}

FixtureTables::FixtureTables(const std::string &folder)
{
    for (TableId id : readerOrder) {
        auto table = std::make_unique<MemoryTable>(tableColumns(id));
        const auto path = dataPath() / folder / tableFileName(id);
        if (std::filesystem::exists(path)) {
            if (TableFile(path.string(), tableLayout(id)).read(*table))
                throw std::runtime_error("cannot read " + path.string());
        }
        table->setFilter(Criterion::standardFilter());
        const bool byKey = id != TableId::MainID && id != TableId::InsID && id != TableId::ConID
            && id != TableId::PharmID && id != TableId::ProvID && id != TableId::Location
            && id != TableId::ProvType;
        if (byKey)
            table->setSort({"Key"});
        tables_[std::size_t(id)] = std::move(table);
    }
}

} // namespace vantorelle
