#pragma once

#include <QDialog>

#include <array>
#include <functional>
#include <string>

class QLineEdit;

namespace vantorelle {

// Sets, changes or clears the access password. The new password takes effect
// at the next start: the current password this window asks for is the one
// loaded at start-up.
class SetPasswordWindow : public QDialog {
    Q_OBJECT
public:
    // Stores a preference in the preferences table: key, previous value, new
    // value, as cp1252 bytes. It is the record store's setPreference.
    using SetPreference = std::function<void(
        const std::string &key, const std::string &previous, const std::string &value)>;

    SetPasswordWindow(
        const QString &currentPassword, SetPreference setPreference, QWidget *parent = nullptr);

private:
    void submit();

    QLineEdit *current_;
    std::array<QLineEdit *, 2> new_; // the new password, and again
    QString currentPassword_;
    SetPreference setPreference_;
};

} // namespace vantorelle
