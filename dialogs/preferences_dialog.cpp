#include "dialogs/preferences_dialog.h"

#include "platform/app_error.h"
#include "settings/error_box_and_logs.h"
#include "settings/preferences.h"
#include "store/store.h"
#include "store/stored_dates.h"
#include "store/table_error.h"
#include "text/cp1252.h"
#include "widgets/accessible_caption.h"
#include "widgets/tab_order.h"
#include "widgets/typing_limit.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vantorelle {

namespace {

// The preference keys, in the order the window loads and stores them.
constexpr std::array<const char *, 6> preferenceKeys
    = {"confirm_del", "backup_DBs", "currency_symbol", "date_format", "date_sep", "glucose_units"};
enum KeyIndex { ConfirmDelKey, BackupKey, CurrencyKey, DateFormatKey, DateSepKey, GlucoseKey };

// The most characters a preference value holds in the preferences table.
constexpr int currencyLimit = 200;

QComboBox *listBox(const QStringList &items, const QString &tip, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->addItems(items);
    box->setToolTip(tip);
    return box;
}

} // namespace

PreferencesDialog::PreferencesDialog(
    Store &store, Preferences &preferences, const Installation &installation, QWidget *parent)
    : QDialog(parent)
    , deleteBox_(new QCheckBox(QStringLiteral("Confirm delete operations (handhelds only)"), this))
    , backupBox_(new QCheckBox(
          QStringLiteral("Backup databases on hotsync (Palm OS handhelds only)"), this))
    , currencyBox_(new QLineEdit(this))
    , dateFormatBox_(listBox(
          {QStringLiteral("mmddyyyy"), QStringLiteral("ddmmyyyy"), QStringLiteral("yyyymmdd")},
          QStringLiteral("Select date format"), this))
    , dateSeparatorBox_(listBox({QStringLiteral("/"), QStringLiteral("-"), QStringLiteral(".")},
          QStringLiteral("Select date separator"), this))
    , glucoseBox_(listBox({QStringLiteral("mg/dL"), QStringLiteral("mmol/L")},
          QStringLiteral("Select default glucose units"), this))
    , store_(store)
    , preferences_(preferences)
    , installation_(installation)
{
    setWindowTitle(QStringLiteral("Preferences"));
    deleteBox_->setObjectName(QStringLiteral("chkDelete"));
    backupBox_->setObjectName(QStringLiteral("chkBackup"));
    currencyBox_->setObjectName(QStringLiteral("txtCurrency"));
    dateFormatBox_->setObjectName(QStringLiteral("cboDateFmt"));
    dateSeparatorBox_->setObjectName(QStringLiteral("cboDateSep"));
    glucoseBox_->setObjectName(QStringLiteral("cboGlucose"));
    currencyBox_->setToolTip(QStringLiteral("Specify currency symbol"));
    TypingLimit::of(currencyBox_)->setLimit(currencyLimit);
    auto *ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("cmdSave"));
    ok->setToolTip(QStringLiteral("Save Changes"));
    ok->setDefault(true);
    auto *cancel = new QPushButton(QStringLiteral("Canc&el"), this);
    cancel->setObjectName(QStringLiteral("cmdCancel"));
    cancel->setToolTip(QStringLiteral("Cancel Changes"));

    auto *layout = new QGridLayout(this);
    layout->addWidget(deleteBox_, 0, 0, 1, 2);
    layout->addWidget(backupBox_, 1, 0, 1, 2);
    const std::pair<const char *, QWidget *> rows[]
        = {{"Currency Symbol:", currencyBox_}, {"Date Format:", dateFormatBox_},
            {"Separator:", dateSeparatorBox_}, {"Glucose Units:", glucoseBox_}};
    int row = 2;
    for (const auto &[label, control] : rows) {
        auto *caption = new QLabel(QLatin1String(label), this);
        layout->addWidget(caption, row, 0);
        layout->addWidget(control, row++, 1);
        captionControl(*caption, *control);
    }
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    layout->addLayout(buttons, row, 0, 1, 2);
    orderTabsByLayout(*this);

    connect(ok, &QPushButton::clicked, this, &PreferencesDialog::storeChanges);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showStoredValues();
}

void PreferencesDialog::showStoredValues()
{
    currencyBox_->setText(QStringLiteral("$"));
    for (QComboBox *box : {dateFormatBox_, dateSeparatorBox_, glucoseBox_})
        box->setCurrentIndex(0);

    MemoryTable &prefs = store_.table(TableId::Prefs);
    if (prefs.recordCount() > 0) {
        for (std::size_t i = 0; i < preferenceKeys.size(); ++i) {
            // A key that cannot be read keeps its default; the others still load.
            try {
                prefs.moveFirst();
                if (!prefs.find(Criterion::equal("PrefsKey", preferenceKeys[i])))
                    continue;
                const std::string stored(prefs.value("PrefsStr1"));
                const QString text = Cp1252::toUnicode(stored);
                switch (i) {
                case ConfirmDelKey:
                case BackupKey:
                    (i == ConfirmDelKey ? deleteBox_ : backupBox_)
                        ->setChecked(leadingNumber(stored) == 1);
                    break;
                case CurrencyKey:
                    currencyBox_->setText(text);
                    break;
                default: {
                    // A value outside the list leaves the list's first item.
                    QComboBox *box = i == DateFormatKey ? dateFormatBox_
                        : i == DateSepKey               ? dateSeparatorBox_
                                                        : glucoseBox_;
                    if (const int index = box->findText(text); index >= 0)
                        box->setCurrentIndex(index);
                }
                }
            } catch (const TableError &) {
            }
        }
    }
    previous_ = shownValues();
}

std::array<QString, 6> PreferencesDialog::shownValues() const
{
    const auto flag = [](const QCheckBox *box) {
        return box->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    };
    return {flag(deleteBox_), flag(backupBox_), currencyBox_->text(), dateFormatBox_->currentText(),
        dateSeparatorBox_->currentText(), glucoseBox_->currentText()};
}

void PreferencesDialog::storeChanges()
{
    const std::array<QString, 6> values = shownValues();
    try {
        for (std::size_t i = 0; i < preferenceKeys.size(); ++i)
            store_.setPreference(preferenceKeys[i], Cp1252::toStdString(previous_[i]),
                Cp1252::toStdString(values[i]));
    } catch (const TableError &error) {
        showError(installation_, AppError(error.number(), QString::fromStdString(error.what())),
            QStringLiteral("saving the preferences"));
        return;
    }

    DisplayPreferences display;
    display.currencySymbol = Cp1252::toStdString(values[CurrencyKey]);
    display.dateFormat = dateFormatFromText(Cp1252::toStdString(values[DateFormatKey]));
    display.dateSeparator = Cp1252::toStdString(values[DateSepKey]);
    display.glucoseUnits = Cp1252::toStdString(values[GlucoseKey]);
    preferences_.setDisplay(display);
    accept();
}

} // namespace vantorelle
