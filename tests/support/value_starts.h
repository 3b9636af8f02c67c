#pragma once

#include <QAbstractTextDocumentLayout>
#include <QList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

namespace vantorelle {

// Where each value of a record view starts on screen, in document units from
// the left edge: the first character after the tab of every line, and the
// first character of every line a long value wraps onto.
inline QList<qreal> valueStarts(QTextDocument *document)
{
    QList<qreal> starts;
    document->documentLayout()->documentSize(); // lays the whole document out
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        const qreal left = document->documentLayout()->blockBoundingRect(block).left();
        const QTextLayout *layout = block.layout();
        const int tab = int(block.text().indexOf(QLatin1Char('\t')));
        for (int i = 0; i < layout->lineCount(); ++i) {
            const QTextLine line = layout->lineAt(i);
            if (i == 0 && tab >= 0)
                starts << left + line.cursorToX(tab + 1);
            else if (i > 0)
                starts << left + line.cursorToX(line.textStart());
        }
    }
    return starts;
}

} // namespace vantorelle
