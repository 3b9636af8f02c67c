#pragma once

#include <functional>

class QPrinter;

namespace vantorelle {

// Prints on `printer` through `paint`, which draws every page and returns
// false when the printer would not take them. A printer that prints to a file
// (the print dialog's file printer) is given a temporary file beside the one
// chosen, which replaces it only once it holds every page: a print that fails
// half way, on a full disk or in a folder that takes no file, leaves the chosen
// file as it was. Throws AppError when the pages were not printed; an AppError
// that `paint` throws passes through.
void printWhole(QPrinter &printer, const std::function<bool()> &paint);

} // namespace vantorelle
