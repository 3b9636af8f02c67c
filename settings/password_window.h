#pragma once

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

// The start-up prompt for the access password. OK (or Enter) puts the typed
// text into `TypedPassword`; closing the window any other way leaves it as it was.
class frmPassword : public QDialog {
    Q_OBJECT
public:
    explicit frmPassword(QWidget *parent = nullptr);

    QLabel *lblText;
    QLineEdit *txtPassword;
    QPushButton *cmdSave;

private:
    void Form_Load();
    void cmdSave_Click();
};
