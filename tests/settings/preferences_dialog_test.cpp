#include <gtest/gtest.h>

#include "settings/installation.h"
#include "settings/preferences.h"
#include "settings/preferences_dialog.h"
#include "store/store.h"
#include "support/fake_prompter.h"
#include "support/temporary_install.h"

#include <QDir>
#include <QFileInfo>
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

class PreferencesDialog : public ::testing::Test {
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

TEST_F(PreferencesDialog, ShowsTheStoredValuesAndOkWithoutChangesStoresNothing)
{
    Store &basic = basicStore();
    const Prefs before = prefsOf(basic.dsPrefs());

    frmPreferences window(basic, preferences, installation);
    EXPECT_EQ(window.windowTitle(), "Preferences");
    EXPECT_FALSE(window.chkDelete->isChecked());
    EXPECT_FALSE(window.chkBackup->isChecked());
    EXPECT_EQ(window.txtCurrency->text(), QString::fromUtf8("€"));
    EXPECT_EQ(window.cboDateFmt->currentText(), "ddmmyyyy");
    EXPECT_EQ(window.cboDateSep->currentText(), ".");
    EXPECT_EQ(window.cboGlucose->currentText(), "mg/dL");

    QTest::mouseClick(window.cmdSave, Qt::LeftButton);

    EXPECT_EQ(window.result(), QDialog::Accepted);
    EXPECT_EQ(prefsOf(basic.dsPrefs()), before);
    // The shown values are in force at once.
    EXPECT_EQ(preferences.display().currencySymbol, "\x80");
    EXPECT_EQ(preferences.display().dateFormat, DateFormat::DayMonthYear);
    EXPECT_EQ(preferences.display().dateSeparator, ".");
    EXPECT_EQ(preferences.display().glucoseUnits, "mg/dL");
}

TEST_F(PreferencesDialog, OkStoresOnlyTheChangedValues)
{
    Store &basic = basicStore();
    Prefs expected = prefsOf(basic.dsPrefs());

    frmPreferences window(basic, preferences, installation);
    QSignalSpy changes(&preferences, &Preferences::changed);
    window.chkDelete->setChecked(true);
    window.cboDateSep->setCurrentText("-");
    window.cboGlucose->setCurrentText("mmol/L");
    QTest::mouseClick(window.cmdSave, Qt::LeftButton);

    expected["confirm_del"] = {"0x00000000", "0x0008", "1"}; // new
    expected["date_sep"].value = "-"; // still new ("0x0008")
    expected["glucose_units"] = {"0x0000002F", "0x0004", "mmol/L"}; // was unchanged
    EXPECT_EQ(prefsOf(basic.dsPrefs()), expected);
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(preferences.display().dateSeparator, "-");
    EXPECT_EQ(preferences.display().glucoseUnits, "mmol/L");
    EXPECT_EQ(preferences.display().dateFormat, DateFormat::DayMonthYear);
}

TEST_F(PreferencesDialog, AnEmptyTableShowsTheDefaultsAndOkAddsNothing)
{
    Store empty(dir.path().toStdString());

    frmPreferences window(empty, preferences, installation);
    EXPECT_FALSE(window.chkDelete->isChecked());
    EXPECT_FALSE(window.chkBackup->isChecked());
    EXPECT_EQ(window.txtCurrency->text(), "$");
    EXPECT_EQ(window.cboDateFmt->currentText(), "mmddyyyy");
    EXPECT_EQ(window.cboDateSep->currentText(), "/");
    EXPECT_EQ(window.cboGlucose->currentText(), "mg/dL");
    QTest::mouseClick(window.cmdSave, Qt::LeftButton);

    EXPECT_EQ(empty.dsPrefs().recordCount(), 0u);
}

TEST_F(PreferencesDialog, CancelStoresNothing)
{
    Store &basic = basicStore();
    const Prefs before = prefsOf(basic.dsPrefs());
    const DisplayPreferences shown = preferences.display();

    frmPreferences window(basic, preferences, installation);
    QSignalSpy changes(&preferences, &Preferences::changed);
    window.txtCurrency->setText("EUR");
    window.chkBackup->setChecked(true);
    window.cboDateFmt->setCurrentText("yyyymmdd");
    QTest::mouseClick(window.cmdCancel, Qt::LeftButton);

    EXPECT_EQ(window.result(), QDialog::Rejected);
    EXPECT_EQ(prefsOf(basic.dsPrefs()), before);
    EXPECT_EQ(preferences.display(), shown);
    EXPECT_EQ(changes.count(), 0);
}

TEST_F(PreferencesDialog, StoredValuesAreShownAsTheirControlsCan)
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
        prefs.SetPref(c.key, "", c.value);

        frmPreferences window(prefs, preferences, installation);
        EXPECT_EQ(window.chkDelete->isChecked(), c.deleteTicked);
        EXPECT_EQ(window.txtCurrency->text(), c.currency);
        EXPECT_EQ(window.cboDateFmt->currentText(), c.dateFormat);

        // Shown as stored, so OK stores nothing back.
        const Prefs before = prefsOf(prefs.dsPrefs());
        QTest::mouseClick(window.cmdSave, Qt::LeftButton);
        EXPECT_EQ(prefsOf(prefs.dsPrefs()), before);
    }
}

TEST_F(PreferencesDialog, TheCurrencyBoxTakesAtMost200Characters)
{
    Store prefs(dir.path().toStdString());
    frmPreferences window(prefs, preferences, installation);
    window.txtCurrency->clear();

    QTest::keyClicks(window.txtCurrency, QString(205, 'x'));

    EXPECT_EQ(window.txtCurrency->text(), QString(200, 'x'));
    QTest::mouseClick(window.cmdSave, Qt::LeftButton);
    EXPECT_EQ(prefsOf(prefs.dsPrefs())["currency_symbol"].value, std::string(200, 'x'));
}

TEST_F(PreferencesDialog, ALongerStoredCurrencyIsShownWholeAndCanOnlyShrink)
{
    Store prefs(dir.path().toStdString());
    MemoryTable &table = prefs.dsPrefs();
    table.addNew();
    table.setValue("REC_ID", "0x00000031");
    table.setValue("STATUS", "0x0000");
    table.setValue("PrefsKey", "currency_symbol");
    table.setValueAsRead(*table.columnIndex("PrefsStr1"), std::string(250, 'c'));
    table.update();

    frmPreferences window(prefs, preferences, installation);
    EXPECT_EQ(window.txtCurrency->text(), QString(250, 'c'));
    window.txtCurrency->end(false);
    QTest::keyClick(window.txtCurrency, Qt::Key_D);
    EXPECT_EQ(window.txtCurrency->text().toStdString(), std::string(250, 'c'));
    QTest::keyClick(window.txtCurrency, Qt::Key_Backspace);
    EXPECT_EQ(window.txtCurrency->text().toStdString(), std::string(249, 'c'));
    QTest::keyClick(window.txtCurrency, Qt::Key_D);
    EXPECT_EQ(window.txtCurrency->text().toStdString(), std::string(249, 'c'));

    // Still longer than the table takes: the error box, and the window stays.
    QTest::mouseClick(window.cmdSave, Qt::LeftButton);
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_TRUE(
        prompter.boxes[0].text.startsWith("An error occurred while saving the preferences."));
    EXPECT_EQ(window.result(), 0);
    EXPECT_EQ(
        prefsOf(table)["currency_symbol"], (Pref {"0x00000031", "0x0000", std::string(250, 'c')}));
}
