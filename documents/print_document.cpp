#include "documents/print_document.h"

#include <utility>

namespace vantorelle {

QString RunningText::forPage(const QString &part, int pageNumber)
{
    QString text = part;
    return text.replace(QLatin1String("%d"), QString::number(pageNumber));
}

PrintDocument::PrintDocument(QString fontFamily)
    : fontFamily_(std::move(fontFamily))
{
}

void PrintDocument::addParagraph(PrintParagraph paragraph)
{
    blocks_.emplace_back(std::move(paragraph));
}

void PrintDocument::addTable(PrintTable table)
{
    blocks_.emplace_back(std::move(table));
}

void PrintDocument::setRunningText(RunningText text)
{
    runningText_ = std::move(text);
}

} // namespace vantorelle
