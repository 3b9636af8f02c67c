#pragma once

#include <QValidator>

class QLineEdit;

// Limits what the user types or pastes into a line edit to `limit` characters.
// Unlike QLineEdit::setMaxLength it never cuts a text the program puts there:
// a longer stored value is shown whole, and the user can only shorten it.
class TypedLengthLimit : public QValidator {
    Q_OBJECT
public:
    // Installs itself as the validator of `edit`.
    TypedLengthLimit(QLineEdit *edit, int limit);

    // Lets the program show a text of `length` characters; call it before
    // setting a text longer than the limit.
    void allow(int length);

    State validate(QString &input, int &position) const override;

private:
    int limit_;
    int allowed_ = 0; // a longer length the current text may keep
};
