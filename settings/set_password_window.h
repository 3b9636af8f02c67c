#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <string>

namespace vantorelle {

// Sets, changes or clears the access password. The new password takes effect
// at the next start: the current password this window asks for is the one
// loaded at start-up.
class frmSetPassword : public QDialog {
    Q_OBJECT
public:
    // Stores a preference in the preferences table: key, previous value, new
    // value, as cp1252 bytes. It is the record store's SetPref.
    using SetPrefFunction = std::function<void(
        const std::string &key, const std::string &previous, const std::string &value)>;

    frmSetPassword(const QString &currentPassword, SetPrefFunction setPref,
        QWidget *parent = nullptr);

    QLineEdit *txtCurrPW;
    QLineEdit *txtNewPW[2];
    QPushButton *cmdPasswordOK;

private:
    void cmdPasswordOK_Click();

    QString currentPassword_;
    SetPrefFunction SetPref;
};

} // namespace vantorelle
