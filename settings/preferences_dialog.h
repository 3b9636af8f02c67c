#pragma once

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

#include <array>

namespace vantorelle {

struct Installation;
class Preferences;
class Store;

// The user preferences the PC shares with the handheld: currency symbol, date
// format and separator, glucose units, and two switches only the handheld uses.
// OK stores the values the user changed in the preferences table and makes the
// four display preferences take effect at once; the table file is written at
// the next Save All or exit. Cancel stores nothing.
class frmPreferences : public QDialog {
    Q_OBJECT
public:
    // Shows the values stored in the store's preferences table over the
    // defaults; OK gives the display preferences to `preferences`.
    // A value the table refuses is named in the error box of `installation`.
    frmPreferences(Store &store, Preferences &preferences, const Installation &installation,
        QWidget *parent = nullptr);

    QCheckBox *chkDelete;
    QCheckBox *chkBackup;
    QLineEdit *txtCurrency;
    QComboBox *cboDateFmt;
    QComboBox *cboDateSep;
    QComboBox *cboGlucose;
    QPushButton *cmdSave;
    QPushButton *cmdCancel;

private:
    void Form_Load();
    void cmdSave_Click();
    void cmdCancel_Click();

    // The six values in key order, as text ("0"/"1" for the check boxes).
    std::array<QString, 6> shownValues() const;

    Store &store;
    Preferences &preferences;
    const Installation &installation;
    std::array<QString, 6> previous; // as shown after loading
};

} // namespace vantorelle
