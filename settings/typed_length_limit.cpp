#include "settings/typed_length_limit.h"

#include <QLineEdit>

#include <algorithm>

TypedLengthLimit::TypedLengthLimit(QLineEdit *edit, int limit)
    : QValidator(edit)
    , limit_(limit)
{
    edit->setValidator(this);
    // Whatever the user removes from a long text cannot be typed back.
    connect(edit, &QLineEdit::textChanged, this,
        [this](const QString &text) { allowed_ = std::min(allowed_, int(text.size())); });
}

void TypedLengthLimit::allow(int length)
{
    allowed_ = std::max(allowed_, length);
}

QValidator::State TypedLengthLimit::validate(QString &input, int &) const
{
    return input.size() <= std::max(limit_, allowed_) ? Acceptable : Invalid;
}
