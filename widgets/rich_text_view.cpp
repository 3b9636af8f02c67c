#include "widgets/rich_text_view.h"

#include "documents/rich_text_reader.h"

#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace vantorelle {

namespace {

// The width of the text of `block` before its first tab, each piece in its own font.
qreal labelWidth(const QTextBlock &block, const QFont &defaultFont)
{
    qreal width = 0;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        QString text = fragment.text();
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        if (tab >= 0)
            text.truncate(tab);
        width += QFontMetricsF(fragment.charFormat().font().resolve(defaultFont))
                     .horizontalAdvance(text);
        if (tab >= 0)
            break;
    }
    return width;
}

} // namespace

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
    alignValues();
}

void RichTextView::alignValues()
{
    QTextDocument *doc = document();
    // Each line its own paragraph, so that every line can hang from the
    // value column; the text stays the same, line for line.
    const QString lineBreak(QChar::LineSeparator);
    for (QTextCursor found = doc->find(lineBreak); !found.isNull();
         found = doc->find(lineBreak, found)) {
        found.removeSelectedText();
        found.insertBlock();
    }

    qreal widest = 0;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        widest = std::max(widest, labelWidth(block, doc->defaultFont()));
    const QFontMetricsF metrics(doc->defaultFont());
    valueColumn_ = std::ceil(widest + metrics.horizontalAdvance(QStringLiteral("  ")));

    // The label starts at the left edge, the tab takes the value to the
    // column, and every later line of the paragraph starts there too.
    QTextBlockFormat format;
    format.setLeftMargin(valueColumn_);
    format.setTextIndent(-valueColumn_);
    format.setTabPositions({QTextOption::Tab(valueColumn_, QTextOption::LeftTab)});
    QTextCursor all(doc);
    all.select(QTextCursor::Document);
    all.mergeBlockFormat(format);
}

} // namespace vantorelle
