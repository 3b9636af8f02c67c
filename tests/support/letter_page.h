#pragma once

#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>

namespace vantorelle {

// A letter page with one-inch margins: 9360 twips of usable width.
inline QPageLayout letterPage()
{
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
        QMarginsF(72, 72, 72, 72), QPageLayout::Point);
}

} // namespace vantorelle
