#pragma once

namespace vantorelle {

// Times cutting an import file of 100,000 blood-pressure lines (UTF-8, so it
// is decoded) into lines and columns with its dates and times converted: the
// part of an import that does not touch a table. Prints one line, in the
// columns of the store's figures.
void benchImportLines();

} // namespace vantorelle
