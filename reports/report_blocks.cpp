#include "reports/report_blocks.h"

#include <cmath>

namespace vantorelle {

namespace {

constexpr int bodyPointSize = 9;
constexpr int titlePointSize = 14;

int widthOf(int usableWidth, double fraction)
{
    return static_cast<int>(std::lround(usableWidth * fraction));
}

} // namespace

RunningText reportRunningText(const QString &date)
{
    return {QStringLiteral("Vantorelle Rize"), date, QStringLiteral("Page %d"), bodyPointSize};
}

PrintParagraph reportTitle(const QString &text)
{
    return {text, true, ParagraphAlignment::Centre, titlePointSize};
}

PrintParagraph blankLine()
{
    return {QString(), false, ParagraphAlignment::Left, bodyPointSize};
}

PrintTable listTable(
    std::span<const ListColumn> columns, int usableWidth, const QString &glucoseUnits)
{
    PrintTable table;
    table.pointSize = bodyPointSize;
    for (const ListColumn &column : columns) {
        table.columnWidths.push_back(widthOf(usableWidth, column.fraction));
        QString caption = QString::fromLatin1(column.caption);
        table.header << caption.replace(QLatin1String("%1"), glucoseUnits);
    }
    return table;
}

PrintTable detailsTable(const QString &title, int usableWidth)
{
    PrintTable table;
    table.pointSize = bodyPointSize;
    table.columnWidths = {widthOf(usableWidth, 0.25), widthOf(usableWidth, 0.75)};
    table.header = QStringList {title, QStringLiteral(" ")};
    return table;
}

} // namespace vantorelle
