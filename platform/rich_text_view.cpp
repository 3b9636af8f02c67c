#include "platform/rich_text_view.h"

#include "platform/rich_text_reader.h"

#include <QTextBlockFormat>
#include <QTextCursor>

namespace vantorelle {

RichTextView::RichTextView(QWidget *parent)
    : QTextEdit(parent)
{
    setReadOnly(true);
    setUndoRedoEnabled(false);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void RichTextView::setRtf(const QString &rtf)
{
    RichTextReader::read(rtf, document());
}

void RichTextView::setTabStop(int twips)
{
    QTextBlockFormat format;
    format.setTabPositions({QTextOption::Tab(
        RichTextReader::twipsToDocumentUnits(twips, document()), QTextOption::LeftTab)});
    QTextCursor cursor(document());
    cursor.select(QTextCursor::Document);
    cursor.mergeBlockFormat(format);
}

} // namespace vantorelle
