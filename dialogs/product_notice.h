#pragma once

#include <QPixmap>
#include <QString>

#include "platform/paths.h"
#include "settings/support_info.h"

namespace vantorelle {

// The notices and the picture that the splash and about windows both show.
namespace ProductNotice {

inline QString copyright()
{
    return QStringLiteral("Copyright \u00a9 Brasselwicket. All rights reserved.");
}

inline QString warning()
{
    return QStringLiteral("This program keeps personal health information. Protect it with "
                          "a password and keep backups of your data folder.");
}

inline QString webAddress()
{
    return QString::fromUtf8(SupportInfo::productPage);
}

// The logo shipped in data/graphics beside the program; a null pixmap when it is missing.
inline QPixmap logo()
{
    return QPixmap(paths().programFolder() + QStringLiteral("data/graphics/vantorelle_logo.png"));
}

} // namespace ProductNotice

} // namespace vantorelle
