#include "reports/report_builder.h"

#include "context/main_window_context.h"
#include "documents/print_layout.h"
#include "platform/app_error.h"
#include "reports/cell_formatter.h"
#include "reports/master_lists_report.h"
#include "reports/profile_report.h"
#include "reports/report_blocks.h"
#include "reports/report_file.h"
#include "reports/settings_date.h"
#include "settings/error_box_and_logs.h"
#include "settings/installation.h"
#include "settings/preferences.h"
#include "store/stored_dates.h"
#include "store/table_error.h"

#include <QDate>
#include <QPageLayout>

#include <cmath>
#include <cstdio>

namespace vantorelle {

namespace {

// `date` in the preferred date format.
QString displayDate(QDate date, const DisplayPreferences &display)
{
    char stored[16];
    std::snprintf(stored, sizeof stored, "%04d%02d%02d", date.year(), date.month(), date.day());
    return textOf(formatStoredDate(stored, display.dateFormat, display.dateSeparator));
}

} // namespace

ReportBuilder::ReportBuilder(MainWindowContext &context)
    : context_(context)
{
}

BuiltReport ReportBuilder::build(ReportKind kind, const QPageLayout &pageLayout, ReportFile &file)
{
    BuiltReport report;
    const QString operation = QStringLiteral("building the print document");
    try {
        file.discard();
        addReport(report.document, kind, pageLayout);
        report.complete = true;
        file.save(report.document, pageLayout);
    } catch (const AppError &error) {
        showError(context_.installation(), error, operation);
    } catch (const TableError &error) {
        showError(context_.installation(),
            AppError(error.number(), QString::fromUtf8(error.what())), operation);
    }
    return report;
}

void ReportBuilder::addReport(
    PrintDocument &document, ReportKind kind, const QPageLayout &pageLayout)
{
    const DisplayPreferences &display = context_.preferences().display();
    const QDate date = today();
    document.setRunningText(reportRunningText(displayDate(date, display)));
    const int usableWidth = static_cast<int>(std::lround(PrintLayout::bodyWidth(pageLayout)));
    const QString settingsFile = context_.installation().settingsFile();
    if (kind == ReportKind::MasterLists) {
        const MasterListOptions options = MasterListOptions::read(settingsFile);
        MasterListsReport(context_.store(), options, usableWidth).addTo(document);
        return;
    }
    const ProfileReportOptions options = ProfileReportOptions::read(settingsFile, date);
    const std::optional<ListedProfile> profile = context_.currentProfile();
    if (!profile)
        throw missingProfile();
    ProfileReport(context_.store(), display, options, usableWidth).addTo(document, profile->key);
}

} // namespace vantorelle
