#pragma once

#include "reports/report_builder.h"
#include "settings/settings_access.h"

class QBoxLayout;
class QDialog;
class QPushButton;

namespace vantorelle {

class MainWindowContext;
class ReportFile;

// What the two print option dialogs share: their commands and what Preview does.

// Adds the row of "Preview" ("cmdPrint", the default button) and "Cancel"
// ("cmdCancel", which rejects the dialog) at the foot of `layout`; returns Preview.
QPushButton *addPreviewAndCancel(QDialog &dialog, QBoxLayout &layout);

// Keeps the dialog's choices in the settings file, shows the report in the
// preview, and closes the dialog when the preview closes.
void saveChoicesAndPreview(QDialog &dialog, MainWindowContext &context, ReportKind kind,
    ReportFile &reportFile, const SettingsValues &choices);

} // namespace vantorelle
