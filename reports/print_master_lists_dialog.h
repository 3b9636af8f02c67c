#pragma once

#include "context/main_window_context.h"
#include "reports/master_list_options.h"
#include "settings/settings_access.h"

#include <QDialog>

#include <array>

class QCheckBox;

namespace vantorelle {

class ReportFile;

// "Print Master Lists": which of the six master lists the master-lists report
// holds. It opens on the choices the settings file keeps (a value out of
// range gives that list's default, printed). Preview stores the choices in the
// settings file, where the report builder reads them, previews the report
// (modal) and closes the dialog when the preview closes; Cancel closes it and
// stores nothing. The profile report's choices are its own.
//
// The controls are "chkSections(0)" to "chkSections(5)" and the buttons
// "cmdPrint" (Preview) and "cmdCancel".
class PrintMasterListsDialog : public QDialog {
    Q_OBJECT
public:
    // The preview writes the report to `reportFile`.
    PrintMasterListsDialog(
        MainWindowContext &context, ReportFile &reportFile, QWidget *parent = nullptr);

private:
    void showStoredChoices();
    SettingsValues shownChoices() const;
    void preview();

    MainWindowContext &context_;
    ReportFile &reportFile_;
    std::array<QCheckBox *, MasterListOptions::listCount> listBoxes_ {};
};

} // namespace vantorelle
