#pragma once

#include "context/main_window_context.h"
#include "reports/profile_report_options.h"
#include "settings/settings_access.h"
#include "widgets/date_time_picker.h"

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;

namespace vantorelle {

class ReportFile;

// "Print Report": what the profile report of the profile the main window
// shows holds: which of its fifteen sections, nine of them as a list or with
// all details, and whether only the records of a date range. It opens on the
// choices the settings file keeps (a value out of range or unreadable gives
// that choice's default). Preview stores every choice in the settings file,
// where the report builder reads them, previews the report (modal) and closes
// the dialog when the preview closes; Cancel closes it and stores nothing.
//
// The controls are "chkPrintDateRange", the date pickers "DTPrintStart" and
// "DTPrintEnd", "chkSections(0)" to "chkSections(14)", the lists
// "cboSections(n)" of the sections with a choice of form, and the buttons
// "cmdPrint" (Preview) and "cmdCancel".
class PrintOptionsDialog : public QDialog {
    Q_OBJECT
public:
    // The preview writes the report to `reportFile`.
    PrintOptionsDialog(
        MainWindowContext &context, ReportFile &reportFile, QWidget *parent = nullptr);

private:
    void showStoredChoices();
    SettingsValues shownChoices() const;
    void preview();

    MainWindowContext &context_;
    ReportFile &reportFile_;
    QCheckBox *rangeBox_;
    DateTimePicker *startPicker_;
    DateTimePicker *endPicker_;
    std::array<QCheckBox *, ProfileReportOptions::sectionCount> sectionBoxes_ {};
    // Null for the sections printed in one form only.
    std::array<QComboBox *, ProfileReportOptions::sectionCount> formBoxes_ {};
};

} // namespace vantorelle
