#pragma once

#include <QDialog>

class QLineEdit;

namespace vantorelle {

// The start-up prompt for the access password. OK (or Enter) accepts the
// window with the typed text; closing it any other way rejects it.
class PasswordWindow : public QDialog {
    Q_OBJECT
public:
    explicit PasswordWindow(QWidget *parent = nullptr);

    // What was typed when OK was chosen.
    const QString &typedPassword() const { return typed_; }

private:
    void submit();

    QLineEdit *password_;
    QString typed_;
};

} // namespace vantorelle
