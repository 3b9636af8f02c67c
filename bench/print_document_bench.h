#pragma once

namespace vantorelle {

// Times the print document at the size of the busiest profile's report: about
// 25,000 rows of readings built and paginated, printed to a PDF file and saved
// as RTF. Prints one line per figure, in the columns of the store's figures.
void benchPrintDocument();

} // namespace vantorelle
