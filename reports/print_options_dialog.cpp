#include "reports/print_options_dialog.h"

#include "reports/print_dialog_commands.h"
#include "reports/profile_sections.h"
#include "reports/report_builder.h"
#include "reports/settings_date.h"
#include "reports/settings_number.h"
#include "settings/installation.h"
#include "settings/picker_date_format.h"
#include "settings/preferences.h"
#include "widgets/accessible_caption.h"
#include "widgets/tab_order.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <initializer_list>

namespace vantorelle {

namespace {

// The sections by their number in the settings keys (Cholesterol is 14 and
// Family History 13, though the report prints Cholesterol first).
constexpr std::array<const char *, ProfileReportOptions::sectionCount> sectionCaptions = {
    "Personal and Legal",
    "Insurance",
    "Contacts",
    "Allergies",
    "Illnesses/Conditions",
    "Surgeries/Hospitalizations",
    "Appointments",
    "Medications",
    "Vaccinations",
    "Tests",
    "Blood Pressure",
    "Weight",
    "Glucose",
    "Family History",
    "Cholesterol",
};

// The sections listed in the left column; the others are on the right.
constexpr int leftColumnSections = 8;

bool offersForms(int number)
{
    return std::any_of(
        profileSections.begin(), profileSections.end(), [number](const ProfileSection &section) {
            return section.number == number && section.forms == SectionForms::Chosen;
        });
}

QString flag(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

PrintOptionsDialog::PrintOptionsDialog(
    MainWindowContext &context, ReportFile &reportFile, QWidget *parent)
    : QDialog(parent)
    , context_(context)
    , reportFile_(reportFile)
    , rangeBox_(new QCheckBox(QStringLiteral("Only print for the date range below:"), this))
    , startPicker_(new DateTimePicker(DateTimePicker::Mode::Date, this))
    , endPicker_(new DateTimePicker(DateTimePicker::Mode::Date, this))
{
    setWindowTitle(QStringLiteral("Print Report"));
    rangeBox_->setObjectName(QStringLiteral("chkPrintDateRange"));
    startPicker_->setObjectName(QStringLiteral("DTPrintStart"));
    endPicker_->setObjectName(QStringLiteral("DTPrintEnd"));
    for (DateTimePicker *picker : {startPicker_, endPicker_})
        applyDatePreference(*picker, context_.preferences().display());

    auto *rangeFrame = new QGroupBox(QStringLiteral("Report Options"), this);
    auto *rangeLayout = new QGridLayout(rangeFrame);
    rangeLayout->addWidget(rangeBox_, 0, 0, 1, 3);
    rangeLayout->addWidget(startPicker_, 1, 0);
    auto *to = new QLabel(QStringLiteral("to"), rangeFrame);
    rangeLayout->addWidget(to, 1, 1);
    rangeLayout->addWidget(endPicker_, 1, 2);
    captionControl(*to, *endPicker_);
    rangeLayout->setColumnStretch(0, 1);
    rangeLayout->setColumnStretch(2, 1);

    auto *sectionFrame = new QGroupBox(QStringLiteral("Define Report Format"), this);
    auto *sectionLayout = new QGridLayout(sectionFrame);
    for (int n = 0; n < ProfileReportOptions::sectionCount; ++n) {
        auto *box = new QCheckBox(QString::fromLatin1(sectionCaptions[n]), sectionFrame);
        box->setObjectName(QStringLiteral("chkSections(%1)").arg(n));
        sectionBoxes_[n] = box;
        const int row = n % leftColumnSections;
        const int column = n < leftColumnSections ? 0 : 2;
        sectionLayout->addWidget(box, row, column);
        if (offersForms(n)) {
            auto *forms = new QComboBox(sectionFrame);
            forms->setObjectName(QStringLiteral("cboSections(%1)").arg(n));
            forms->addItems({QStringLiteral("List Only"), QStringLiteral("All Details")});
            formBoxes_[n] = forms;
            sectionLayout->addWidget(forms, row, column + 1);
        }
    }
    sectionLayout->setHorizontalSpacing(12);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(rangeFrame);
    layout->addWidget(sectionFrame);
    QPushButton *previewButton = addPreviewAndCancel(*this, *layout);
    orderTabsByLayout(*this);
    // The sections stand in two columns, read one after the other: Tab goes
    // down the left one, each list after its box, then down the right one.
    QWidget *before = sectionBoxes_[0];
    for (int n = 1; n < ProfileReportOptions::sectionCount; ++n) {
        for (QWidget *control :
            std::initializer_list<QWidget *> {sectionBoxes_[n], formBoxes_[n]}) {
            if (control) {
                setTabOrder(before, control);
                before = control;
            }
        }
    }

    connect(previewButton, &QPushButton::clicked, this, &PrintOptionsDialog::preview);
    showStoredChoices();
}

void PrintOptionsDialog::showStoredChoices()
{
    const QString settingsFile = context_.installation().settingsFile();
    for (int n = 0; n < ProfileReportOptions::sectionCount; ++n) {
        sectionBoxes_[n]->setChecked(
            settingsChoice(settingsFile, QStringLiteral("PrintSection%1").arg(n), 1, 1) == 1);
        if (QComboBox *forms = formBoxes_[n])
            forms->setCurrentIndex(settingsChoice(
                settingsFile, QStringLiteral("PrintSectionType%1").arg(n), 0, forms->count() - 1));
    }
    rangeBox_->setChecked(
        settingsChoice(settingsFile, QStringLiteral("PrintDateRange"), 0, 1) == 1);
    const QDate now = today();
    startPicker_->setDate(settingsDateOr(settingsFile, QStringLiteral("PrintDateStart"), now));
    endPicker_->setDate(settingsDateOr(settingsFile, QStringLiteral("PrintDateEnd"), now));
}

SettingsValues PrintOptionsDialog::shownChoices() const
{
    SettingsValues choices;
    for (int n = 0; n < ProfileReportOptions::sectionCount; ++n) {
        choices.emplace_back(
            QStringLiteral("PrintSection%1").arg(n), flag(sectionBoxes_[n]->isChecked()));
        if (const QComboBox *forms = formBoxes_[n])
            choices.emplace_back(QStringLiteral("PrintSectionType%1").arg(n),
                QString::number(forms->currentIndex()));
    }
    choices.emplace_back(QStringLiteral("PrintDateRange"), flag(rangeBox_->isChecked()));
    choices.emplace_back(QStringLiteral("PrintDateStart"), settingsDateText(startPicker_->date()));
    choices.emplace_back(QStringLiteral("PrintDateEnd"), settingsDateText(endPicker_->date()));
    return choices;
}

void PrintOptionsDialog::preview()
{
    saveChoicesAndPreview(*this, context_, ReportKind::Profile, reportFile_, shownChoices());
}

} // namespace vantorelle
