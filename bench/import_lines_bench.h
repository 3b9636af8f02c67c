#pragma once

#include <string>

namespace vantorelle {

// Times cutting an import file of 100,000 blood-pressure lines (UTF-8, so it
// is decoded) into lines and columns with its dates and times converted: the
// part of an import that does not touch a table. Prints one line, in the
// columns of the store's figures.
void benchImportLines();

// Times a whole import of such a file, written into `folder`, into the profile
// `profileKey` of the data folder `folder` (loaded afresh before each run):
// the file read, its lines cut and converted, and 100,000 readings added to
// the blood-pressure table under unique keys and sorted into its view.
void benchReadingImport(const std::string &folder, const std::string &profileKey);

} // namespace vantorelle
