#include "exchange/stored_choice.h"

#include "platform/app_error.h"
#include "store/stored_dates.h"

namespace vantorelle {

namespace {

const QString fieldEnd = QStringLiteral("~~");

} // namespace

int storedChoice(const QString &text, int first, int last)
{
    const double number = leadingNumber(text.toStdString());
    if (number < first || number >= last + 1)
        throw AppError(380, QStringLiteral("Invalid property value"));
    return static_cast<int>(number);
}

QString storedFieldList(const QStringList &fields)
{
    return fields.join(fieldEnd) + fieldEnd;
}

QStringList storedFields(const QString &stored)
{
    QStringList fields = stored.split(fieldEnd);
    fields.removeLast();
    return fields;
}

} // namespace vantorelle
