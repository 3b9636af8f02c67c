#pragma once

#include <QString>

#include <functional>

namespace vantorelle {

struct Installation;
struct StoreFailure;

// Runs `step` as an event handler with an error trap does: an AppError or a
// TableError it throws is shown in the error box of `installation` as having
// happened while `operation` ("loading", "saving a record"). False when the
// step failed.
bool runTrapped(
    const Installation &installation, const QString &operation, const std::function<void()> &step);

// Shows a failure the record store reported, with its own operation and details.
void showStoreFailure(const Installation &installation, const StoreFailure &failure);
// Logs it in the same words and shows nothing (see logError).
void logStoreFailure(const Installation &installation, const StoreFailure &failure);

} // namespace vantorelle
