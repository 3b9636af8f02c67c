#include "reports/print_dialog_commands.h"

#include "reports/print_preview_window.h"
#include "settings/installation.h"

#include <QBoxLayout>
#include <QDialog>
#include <QPushButton>

namespace vantorelle {

QPushButton *addPreviewAndCancel(QDialog &dialog, QBoxLayout &layout)
{
    auto *previewButton = new QPushButton(QStringLiteral("Preview"), &dialog);
    previewButton->setObjectName(QStringLiteral("cmdPrint"));
    previewButton->setDefault(true);
    auto *cancelButton = new QPushButton(QStringLiteral("Cancel"), &dialog);
    cancelButton->setObjectName(QStringLiteral("cmdCancel"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(previewButton);
    buttons->addWidget(cancelButton);
    layout.addLayout(buttons);
    QObject::connect(cancelButton, &QPushButton::clicked, &dialog, &QDialog::reject);
    return previewButton;
}

void saveChoicesAndPreview(QDialog &dialog, MainWindowContext &context, ReportKind kind,
    ReportFile &reportFile, const SettingsValues &choices)
{
    writeSettings(QStringLiteral("Main"), choices, context.installation().settingsFile());
    PrintPreviewWindow window(context, kind, reportFile, &dialog);
    window.exec();
    dialog.accept();
}

} // namespace vantorelle
