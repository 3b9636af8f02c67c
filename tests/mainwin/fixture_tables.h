#pragma once

#include "mainwin/table_access.h"

#include <array>
#include <filesystem>
#include <memory>

namespace vantorelle {

// The 22 data tables of a fixture folder under tests/data, loaded, filtered
// and sorted as the program's start-up leaves them.
class FixtureTables {
public:
    explicit FixtureTables(const std::string &folder = "mainwin");

    MemoryTable &operator()(TableId id) { return *tables_[std::size_t(id)]; }
    TableAccess access()
    {
        return [this](TableId id) -> MemoryTable & { return (*this)(id); };
    }

    static std::filesystem::path dataPath();

private:
    std::array<std::unique_ptr<MemoryTable>, 22> tables_;
};

} // namespace vantorelle
