#include <gtest/gtest.h>

#include "dialogs/preferences_dialog.h"
#include "settings/installation.h"
#include "settings/preferences.h"
#include "store/store.h"
#include "support/fake_prompter.h"
#include "support/find_control.h"
#include "support/temporary_install.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <map>

using namespace vantorelle;

namespace {

// A preference record as the table holds it: record id, status, value.
struct Pref {
    std::string id, status, value;
    bool operator==(const Pref &) const = default;
};
using Prefs = std::map<std::string, Pref>;

void PrintTo(const Pref &pref, std::ostream *os)
{
    *os << pref.id << ' ' << pref.status << " \"" << pref.value << '"';
}

// Every visible preference record by key.
Prefs prefsOf(MemoryTable &table)
{
    Prefs prefs;
    for (table.moveFirst(); !table.eof(); table.moveNext()) {
        prefs[std::string(table.value("PrefsKey"))] = {std::string(table.value("REC_ID")),
            std::string(table.value("STATUS")), std::string(table.value("PrefsStr1"))};
    }
    return prefs;
}

class PreferencesDialogTest : public ::testing::Test {
protected:
    // The store of the basic fixture: "€" as currency symbol, "ddmmyyyy",
    // separator "." (the "-" record is deleted) and "mg/dL".
    Store &basicStore()
    {
        const QString basic
            = QFileInfo(QStringLiteral(__FILE__)).absoluteDir().filePath("../data/basic") + "/";
        copyTree(basic, dir.path());
        store = std::make_unique<Store>(dir.path().toStdString());
        EXPECT_FALSE(store->load().size());
        return *store;
    }

    Preferences preferences;
    Installation installation; // no data folder: nothing is logged
    QTemporaryDir dir;
    std::unique_ptr<Store> store;
    FakePrompter prompter;
};

} // namespace

TEST_F(PreferencesDialogTest, ShowsTheStoredValuesAndOkWithoutChangesStoresNothing)
{
    Store &basic = basicStore();
    const Prefs before = prefsOf(basic.table(TableId::Prefs));

    PreferencesDialog window(basic, preferences, installation);
    EXPECT_EQ(window.windowTitle(), "Preferences");
    EXPECT_FALSE(findControl<QCheckBox>(window, "chkDelete")->isChecked());
    EXPECT_FALSE(findControl<QCheckBox>(window, "chkBackup")->isChecked());
    EXPECT_EQ(findControl<QLineEdit>(window, "txtCurrency")->text(), QString::fromUtf8("€"));
    EXPECT_EQ(findControl<QComboBox>(window, "cboDateFmt")->currentText(), "ddmmyyyy");
    EXPECT_EQ(findControl<QComboBox>(window, "cboDateSep")->currentText(), ".");
    EXPECT_EQ(findControl<QComboBox>(window, "cboGlucose")->currentText(), "mg/dL");

    QTest::mouseClick(findControl<QPushButton>(window, "cmdSave"), Qt::LeftButton);

    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(prefsOf(basic.table(TableId::Prefs)), before);
    // The shown values are in force at once.
    EXPECT_EQ(preferences.display().currencySymbol, "\x80");
    EXPECT_EQ(preferences.display().dateFormat, DateFormat::DayMonthYear);
    EXPECT_EQ(preferences.display().dateSeparator, ".");
    EXPECT_EQ(preferences.display().glucoseUnits, "mg/dL");
}

TEST_F(PreferencesDialogTest, OkStoresOnlyTheChangedValues)
{
    Store &basic = basicStore();
    Prefs expected = prefsOf(basic.table(TableId::Prefs));

    PreferencesDialog window(basic, preferences, installation);
    QSignalSpy changes(&preferences, &Preferences::changed);
    findControl<QCheckBox>(window, "chkDelete")->setChecked(true);
    findControl<QComboBox>(window, "cboDateSep")->setCurrentText("-");
    findControl<QComboBox>(window, "cboGlucose")->setCurrentText("mmol/L");
    QTest::mouseClick(findControl<QPushButton>(window, "cmdSave"), Qt::LeftButton);

    expected["confirm_del"] = {"0x00000000", "0x0008", "1"}; // new
    expected["date_sep"].value = "-"; // still new ("0x0008")
    expected["glucose_units"] = {"0x0000002F", "0x0004", "mmol/L"}; // was unchanged
    EXPECT_EQ(prefsOf(basic.table(TableId::Prefs)), expected);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(preferences.display().dateSeparator, "-");
    EXPECT_EQ(preferences.display().glucoseUnits, "mmol/L");
    EXPECT_EQ(preferences.display().dateFormat, DateFormat::DayMonthYear);
}

TEST_F(PreferencesDialogTest, AnEmptyTableShowsTheDefaultsAndOkAddsNothing)
{
    Store empty(dir.path().toStdString());

    PreferencesDialog window(empty, preferences, installation);
    EXPECT_FALSE(findControl<QCheckBox>(window, "chkDelete")->isChecked());
    EXPECT_FALSE(findControl<QCheckBox>(window, "chkBackup")->isChecked());
    EXPECT_EQ(findControl<QLineEdit>(window, "txtCurrency")->text(), "$");
    EXPECT_EQ(findControl<QComboBox>(window, "cboDateFmt")->currentText(), "mmddyyyy");
    EXPECT_EQ(findControl<QComboBox>(window, "cboDateSep")->currentText(), "/");
    EXPECT_EQ(findControl<QComboBox>(window, "cboGlucose")->currentText(), "mg/dL");
    QTest::mouseClick(findControl<QPushButton>(window, "cmdSave"), Qt::LeftButton);

    EXPECT_EQ(empty.table(TableId::Prefs).recordCount(), 0u);
}

TEST_F(PreferencesDialogTest, CancelStoresNothing)
{
    Store &basic = basicStore();
    const Prefs before = prefsOf(basic.table(TableId::Prefs));
    const DisplayPreferences shown = preferences.display();

    PreferencesDialog window(basic, preferences, installation);
    QSignalSpy changes(&preferences, &Preferences::changed);
    findControl<QLineEdit>(window, "txtCurrency")->setText("EUR");
    findControl<QCheckBox>(window, "chkBackup")->setChecked(true);
    findControl<QComboBox>(window, "cboDateFmt")->setCurrentText("yyyymmdd");
    QTest::mouseClick(findControl<QPushButton>(window, "cmdCancel"), Qt::LeftButton);

    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_EQ(prefsOf(basic.table(TableId::Prefs)), before);
    EXPECT_EQ(preferences.display(), shown);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(PreferencesDialogTest, StoredValuesAreShownAsTheirControlsCan)
{
    const struct {
        const char *key, *value;
        bool deleteTicked;
        QString currency, dateFormat;
    } cases[] = {
        {"confirm_del", "1", true, "$", "mmddyyyy"}, {"confirm_del", "0", false, "$", "mmddyyyy"},
        {"confirm_del", "yes", false, "$", "mmddyyyy"},
        {"currency_symbol", "CHF", false, "CHF", "mmddyyyy"},
        {"date_format", "yyyymmdd", false, "$", "yyyymmdd"},
        {"date_format", "dd.mm.yy", false, "$", "mmddyyyy"}, // not in the list: its first item
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(c.key) + " = " + c.value);
        Store prefs(dir.path().toStdString());
        prefs.setPreference(c.key, "", c.value);

        PreferencesDialog window(prefs, preferences, installation);
        EXPECT_EQ(findControl<QCheckBox>(window, "chkDelete")->isChecked(), c.deleteTicked);
        EXPECT_EQ(findControl<QLineEdit>(window, "txtCurrency")->text(), c.currency);
        EXPECT_EQ(findControl<QComboBox>(window, "cboDateFmt")->currentText(), c.dateFormat);

        // Shown as stored, so OK stores nothing back.
        const Prefs before = prefsOf(prefs.table(TableId::Prefs));
        QTest::mouseClick(findControl<QPushButton>(window, "cmdSave"), Qt::LeftButton);
        EXPECT_EQ(prefsOf(prefs.table(TableId::Prefs)), before);
    }
}

TEST_F(PreferencesDialogTest, TheCurrencyBoxTakesAtMost200Characters)
{
    Store prefs(dir.path().toStdString());
    PreferencesDialog window(prefs, preferences, installation);
    auto *currency = findControl<QLineEdit>(window, "txtCurrency");
    currency->clear();

    QTest::keyClicks(currency, QString(205, 'x'));

    EXPECT_EQ(currency->text(), QString(200, 'x'));
    QTest::mouseClick(findControl<QPushButton>(window, "cmdSave"), Qt::LeftButton);
    EXPECT_EQ(prefsOf(prefs.table(TableId::Prefs))["currency_symbol"].value, std::string(200, 'x'));
}

TEST_F(PreferencesDialogTest, ALongerStoredCurrencyIsShownWholeAndCanOnlyShrink)
{
    Store prefs(dir.path().toStdString());
    MemoryTable &table = prefs.table(TableId::Prefs);
    table.addNew();
    table.setValue("REC_ID", "0x00000031");
    table.setValue("STATUS", "0x0000");
    table.setValue("PrefsKey", "currency_symbol");
    table.setValueAsRead(*table.columnIndex("PrefsStr1"), std::string(250, 'c'));
    table.update();

    PreferencesDialog window(prefs, preferences, installation);
    auto *currency = findControl<QLineEdit>(window, "txtCurrency");
    EXPECT_EQ(currency->text(), QString(250, 'c'));
    currency->end(false);
    QTest::keyClick(currency, Qt::Key_D);
    EXPECT_EQ(currency->text().toStdString(), std::string(250, 'c'));
    QTest::keyClick(currency, Qt::Key_Backspace);
    EXPECT_EQ(currency->text().toStdString(), std::string(249, 'c'));
    QTest::keyClick(currency, Qt::Key_D);
    EXPECT_EQ(currency->text().toStdString(), std::string(249, 'c'));

    // Still longer than the table takes: the error box, and the window stays.
    QTest::mouseClick(findControl<QPushButton>(window, "cmdSave"), Qt::LeftButton);
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_TRUE(
        prompter.boxes[0].text.startsWith("An error occurred while saving the preferences."));
    EXPECT_EQ(window.result(), 0);
    EXPECT_EQ(
        prefsOf(table)["currency_symbol"], (Pref {"0x00000031", "0x0000", std::string(250, 'c')}));
}
