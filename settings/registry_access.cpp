#include "settings/registry_access.h"

#include "platform/app_error.h"

#include <QByteArray>
#include <QStringList>

#include <limits>

namespace vantorelle {

namespace {

bool isProgramKey(const QString &keyPath)
{
    return keyPath.compare(QLatin1String(programRegistryKey), Qt::CaseInsensitive) == 0;
}

bool fitsInt32(const QVariant &value)
{
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    return ok && n >= std::numeric_limits<qint32>::min() && n <= std::numeric_limits<qint32>::max();
}

} // namespace

QVariant readRegistryValue(RegistryScope root, const QString &keyPath, const QString &valueName,
    const QVariant &defaultValue)
{
    if (!isProgramKey(keyPath))
        return defaultValue;
    const QVariant value = registry().value(root, valueName);
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return defaultValue;
    case QMetaType::QString:
    case QMetaType::QByteArray:
        return value;
    case QMetaType::QStringList:
        return value.toStringList().join(QChar(0));
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        if (fitsInt32(value))
            return value.toInt();
        break;
    default:
        break;
    }
    return QString(QLatin1String(""));
}

bool writeRegistryValue(
    RegistryScope root, const QString &keyPath, const QString &valueName, const QVariant &value)
{
    if (root != RegistryScope::CurrentUser || !isProgramKey(keyPath))
        return false;
    QVariant stored;
    switch (value.typeId()) {
    case QMetaType::QString:
    case QMetaType::QByteArray:
        stored = value;
        break;
    case QMetaType::UChar:
    case QMetaType::Char:
    case QMetaType::SChar:
        stored = QByteArray(1, char(value.toInt()));
        break;
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
        stored = value.toInt();
        break;
    default:
        throw AppError(AppError::UnsupportedValueType);
    }
    return registry().setValue(valueName, stored);
}

} // namespace vantorelle
