#pragma once

#include "store/store_failure.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vantorelle {

// Writes a data folder of the size years of a family's readings reach, always
// the same for the same seed: profiles with their name rows, insurance and
// contact links, the master lists, the four reading topics and the other
// topics, notes with quotes, commas, line breaks and cp1252 letters, and a
// share of tombstones, changed and new records. The files are written by the
// store's own writer, so they are exactly what the program writes.
class DataGenerator {
public:
    struct Sizes {
        int profiles = 20;
        int readings = 500000; // blood pressure, glucose, weight and cholesterol together
        int otherRecords = 20000; // allergies, illnesses, ... family history together
    };

    explicit DataGenerator(std::uint32_t seed, Sizes sizes);

    // Writes the 23 table files into the existing folder `folder`; returns the
    // files that could not be written.
    std::vector<StoreFailure> write(const std::string &folder);

private:
    std::uint32_t seed_;
    Sizes sizes_;
};

} // namespace vantorelle
