#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;

namespace vantorelle {

struct Installation;
class Preferences;
class Store;

// The user preferences the PC shares with the handheld: currency symbol, date
// format and separator, glucose units, and two switches only the handheld uses.
// OK stores the values the user changed in the preferences table and makes the
// four display preferences take effect at once; the table file is written at
// the next Save All or exit. Cancel stores nothing.
class PreferencesDialog : public QDialog {
    Q_OBJECT
public:
    // Shows the values stored in the store's preferences table over the
    // defaults; OK gives the display preferences to `preferences`.
    // A value the table refuses is named in the error box of `installation`.
    PreferencesDialog(Store &store, Preferences &preferences, const Installation &installation,
        QWidget *parent = nullptr);

private:
    void showStoredValues();
    void storeChanges();

    // The six values in key order, as text ("0"/"1" for the check boxes).
    std::array<QString, 6> shownValues() const;

    QCheckBox *deleteBox_;
    QCheckBox *backupBox_;
    QLineEdit *currencyBox_;
    QComboBox *dateFormatBox_;
    QComboBox *dateSeparatorBox_;
    QComboBox *glucoseBox_;
    Store &store_;
    Preferences &preferences_;
    const Installation &installation_;
    std::array<QString, 6> previous_; // as shown after loading
};

} // namespace vantorelle
