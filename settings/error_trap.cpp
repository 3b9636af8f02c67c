#include "settings/error_trap.h"

#include "platform/app_error.h"
#include "settings/error_box_and_logs.h"
#include "store/store_failure.h"
#include "store/table_error.h"

namespace vantorelle {

bool runTrapped(
    const Installation &installation, const QString &operation, const std::function<void()> &step)
{
    try {
        step();
        return true;
    } catch (const AppError &error) {
        showError(installation, error, operation);
    } catch (const TableError &error) {
        showError(
            installation, AppError(error.number(), QString::fromUtf8(error.what())), operation);
    }
    return false;
}

void showStoreFailure(const Installation &installation, const StoreFailure &failure)
{
    showError(installation, AppError(failure.number, QString::fromStdString(failure.description)),
        QString::fromStdString(failure.operation), QString::fromStdString(failure.details));
}

void logStoreFailure(const Installation &installation, const StoreFailure &failure)
{
    logError(installation, AppError(failure.number, QString::fromStdString(failure.description)),
        QString::fromStdString(failure.operation), QString::fromStdString(failure.details));
}

} // namespace vantorelle
