#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace vantorelle {

// The start-up prompt for the access password. OK (or Enter) accepts the
// window with the typed text; closing it any other way rejects it.
class frmPassword : public QDialog {
    Q_OBJECT
public:
    explicit frmPassword(QWidget *parent = nullptr);

    // What was typed when OK was chosen.
    const QString &typedPassword() const { return typed_; }

    QLabel *lblText;
    QLineEdit *txtPassword;
    QPushButton *cmdSave;

private:
    void Form_Load();
    void cmdSave_Click();

    QString typed_;
};

} // namespace vantorelle
