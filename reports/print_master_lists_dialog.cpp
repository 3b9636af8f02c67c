#include "reports/print_master_lists_dialog.h"

#include "reports/print_dialog_commands.h"
#include "reports/report_builder.h"
#include "reports/settings_number.h"
#include "settings/installation.h"
#include "widgets/tab_order.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace vantorelle {

namespace {

// By their number in the settings keys.
constexpr std::array<const char *, MasterListOptions::listCount> listCaptions
    = {"Contacts", "Insurance", "Location", "Pharmacy", "Provider", "Provider Type"};

// Pixels of a title bar beside its text: the window icon and three buttons.
constexpr int titleBarRoom = 160;

} // namespace

PrintMasterListsDialog::PrintMasterListsDialog(
    MainWindowContext &context, ReportFile &reportFile, QWidget *parent)
    : QDialog(parent)
    , context_(context)
    , reportFile_(reportFile)
{
    setWindowTitle(QStringLiteral("Print Master Lists"));
    auto *listFrame = new QGroupBox(QStringLiteral("Define Report Format"), this);
    auto *listLayout = new QVBoxLayout(listFrame);
    for (int n = 0; n < MasterListOptions::listCount; ++n) {
        auto *box = new QCheckBox(QString::fromLatin1(listCaptions[n]), listFrame);
        box->setObjectName(QStringLiteral("chkSections(%1)").arg(n));
        listBoxes_[n] = box;
        listLayout->addWidget(box);
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(listFrame);
    QPushButton *previewButton = addPreviewAndCancel(*this, *layout);
    orderTabsByLayout(*this);

    // A column of check boxes is narrower than the title: wide enough for the
    // window manager to show the whole title beside the frame's icon and
    // buttons, in the bold face title bars use.
    QFont titleFont = font();
    titleFont.setBold(true);
    setMinimumWidth(QFontMetrics(titleFont).horizontalAdvance(windowTitle()) + titleBarRoom);

    connect(previewButton, &QPushButton::clicked, this, &PrintMasterListsDialog::preview);
    showStoredChoices();
}

void PrintMasterListsDialog::showStoredChoices()
{
    const QString settingsFile = context_.installation().settingsFile();
    for (int n = 0; n < MasterListOptions::listCount; ++n)
        listBoxes_[n]->setChecked(
            settingsChoice(settingsFile, QStringLiteral("PrintList%1").arg(n), 1, 1) == 1);
}

SettingsValues PrintMasterListsDialog::shownChoices() const
{
    SettingsValues choices;
    for (int n = 0; n < MasterListOptions::listCount; ++n)
        choices.emplace_back(QStringLiteral("PrintList%1").arg(n),
            listBoxes_[n]->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
    return choices;
}

void PrintMasterListsDialog::preview()
{
    saveChoicesAndPreview(*this, context_, ReportKind::MasterLists, reportFile_, shownChoices());
}

} // namespace vantorelle
