#include "settings/preferences_dialog.h"

#include "platform/app_error.h"
#include "platform/cp1252.h"
#include "settings/error_box_and_logs.h"
#include "platform/typing_limit.h"
#include "settings/preferences.h"
#include "store/store.h"
#include "store/stored_dates.h"
#include "store/table_error.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace vantorelle {

namespace {

// The preference keys, in the order the window loads and stores them.
constexpr std::array<const char *, 6> Keys
    = {"confirm_del", "backup_DBs", "currency_symbol", "date_format", "date_sep", "glucose_units"};
enum KeyIndex { ConfirmDelKey, BackupKey, CurrencyKey, DateFormatKey, DateSepKey, GlucoseKey };

// The most characters a preference value holds in the preferences table.
constexpr int CurrencyLimit = 200;

QComboBox *listBox(const QStringList &items, const QString &tip, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->addItems(items);
    box->setToolTip(tip);
    return box;
}

} // namespace

frmPreferences::frmPreferences(
    Store &prefsStore, Preferences &shared, const Installation &shownIn, QWidget *parent)
    : QDialog(parent)
    , chkDelete(new QCheckBox(QStringLiteral("Confirm delete operations (handhelds only)"), this))
    , chkBackup(new QCheckBox(
          QStringLiteral("Backup databases on hotsync (Palm OS handhelds only)"), this))
    , txtCurrency(new QLineEdit(this))
    , cboDateFmt(listBox(
          {QStringLiteral("mmddyyyy"), QStringLiteral("ddmmyyyy"), QStringLiteral("yyyymmdd")},
          QStringLiteral("Select date format"), this))
    , cboDateSep(listBox({QStringLiteral("/"), QStringLiteral("-"), QStringLiteral(".")},
          QStringLiteral("Select date separator"), this))
    , cboGlucose(listBox({QStringLiteral("mg/dL"), QStringLiteral("mmol/L")},
          QStringLiteral("Select default glucose units"), this))
    , cmdSave(new QPushButton(QStringLiteral("&OK"), this))
    , cmdCancel(new QPushButton(QStringLiteral("Canc&el"), this))
    , store(prefsStore)
    , preferences(shared)
    , installation(shownIn)
{
    setWindowTitle(QStringLiteral("Preferences"));
    txtCurrency->setToolTip(QStringLiteral("Specify currency symbol"));
    TypingLimit::of(txtCurrency)->setLimit(CurrencyLimit);
    cmdSave->setToolTip(QStringLiteral("Save Changes"));
    cmdCancel->setToolTip(QStringLiteral("Cancel Changes"));
    cmdSave->setDefault(true);

    auto *layout = new QGridLayout(this);
    layout->addWidget(chkDelete, 0, 0, 1, 2);
    layout->addWidget(chkBackup, 1, 0, 1, 2);
    const std::pair<const char *, QWidget *> rows[] = {{"Currency Symbol:", txtCurrency},
        {"Date Format:", cboDateFmt}, {"Separator:", cboDateSep}, {"Glucose Units:", cboGlucose}};
    int row = 2;
    for (const auto &[label, control] : rows) {
        layout->addWidget(new QLabel(QLatin1String(label), this), row, 0);
        layout->addWidget(control, row++, 1);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdSave);
    buttons->addWidget(cmdCancel);
    layout->addLayout(buttons, row, 0, 1, 2);

    connect(cmdSave, &QPushButton::clicked, this, &frmPreferences::cmdSave_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmPreferences::cmdCancel_Click);
    Form_Load();
}

void frmPreferences::Form_Load()
{
    txtCurrency->setText(QStringLiteral("$"));
    for (QComboBox *box : {cboDateFmt, cboDateSep, cboGlucose})
        box->setCurrentIndex(0);

    MemoryTable &dsPrefs = store.dsPrefs();
    if (dsPrefs.recordCount() > 0) {
        for (std::size_t i = 0; i < Keys.size(); ++i) {
            // A key that cannot be read keeps its default; the others still load.
            try {
                dsPrefs.moveFirst();
                if (!dsPrefs.find(Criterion::equal("PrefsKey", Keys[i])))
                    continue;
                const std::string stored(dsPrefs.value("PrefsStr1"));
                const QString text = Cp1252::toUnicode(stored);
                switch (i) {
                case ConfirmDelKey:
                case BackupKey:
                    (i == ConfirmDelKey ? chkDelete : chkBackup)
                        ->setChecked(LeadingNumber(stored) == 1);
                    break;
                case CurrencyKey:
                    txtCurrency->setText(text);
                    break;
                default: {
                    // A value outside the list leaves the list's first item.
                    QComboBox *box = i == DateFormatKey ? cboDateFmt
                        : i == DateSepKey               ? cboDateSep
                                                        : cboGlucose;
                    if (const int index = box->findText(text); index >= 0)
                        box->setCurrentIndex(index);
                }
                }
            } catch (const TableError &) {
            }
        }
    }
    previous = shownValues();
}

std::array<QString, 6> frmPreferences::shownValues() const
{
    const auto flag = [](const QCheckBox *box) {
        return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    };
    return {flag(chkDelete), flag(chkBackup), txtCurrency->text(), cboDateFmt->currentText(),
        cboDateSep->currentText(), cboGlucose->currentText()};
}

void frmPreferences::cmdSave_Click()
{
    const std::array<QString, 6> values = shownValues();
    try {
        for (std::size_t i = 0; i < Keys.size(); ++i)
            store.SetPref(
                Keys[i], Cp1252::toStdString(previous[i]), Cp1252::toStdString(values[i]));
    } catch (const TableError &error) {
        ShowError(installation, AppError(error.number(), QString::fromStdString(error.what())),
            QStringLiteral("saving the preferences"));
        return;
    }

    DisplayPreferences display;
    display.currencySymbol = Cp1252::toStdString(values[CurrencyKey]);
    display.dateFormat = dateFormatFromText(Cp1252::toStdString(values[DateFormatKey]));
    display.dateSeparator = Cp1252::toStdString(values[DateSepKey]);
    display.glucoseUnits = Cp1252::toStdString(values[GlucoseKey]);
    preferences.setDisplay(display);
    accept();
}

void frmPreferences::cmdCancel_Click()
{
    reject();
}

} // namespace vantorelle
