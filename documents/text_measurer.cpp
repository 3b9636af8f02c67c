#include "documents/text_measurer.h"

#include <QTextLayout>
#include <QTextOption>

namespace vantorelle {

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r';
}

QString withoutTrailingSpaces(QString line)
{
    qsizetype end = line.size();
    while (end > 0 && line.at(end - 1).isSpace())
        --end;
    line.truncate(end);
    return line;
}

} // namespace

TextMeasurer::TextMeasurer(const QFont &font)
    : font_(font)
    , metrics_(font)
    , lineHeight_(metrics_.lineSpacing())
    , ascent_(metrics_.ascent())
{
    for (int c = 0x20; c < 0x100; ++c) {
        if (c >= 0x7F && c < 0xA0)
            continue;
        advances_[c] = metrics_.horizontalAdvance(QChar(c));
    }
}

qreal TextMeasurer::width(const QString &line) const
{
    return metrics_.horizontalAdvance(line);
}

bool TextMeasurer::fitsOnOneLine(const QString &text, qreal width) const
{
    qreal sum = 0;
    for (QChar c : text) {
        const char16_t code = c.unicode();
        if (code > 0xFF || advances_[code] == 0)
            return false;
        sum += advances_[code];
        if (sum > width)
            return false;
    }
    return true;
}

void TextMeasurer::wrap(const QString &text, qreal width, std::vector<QString> &lines) const
{
    if (fitsOnOneLine(text, width)) {
        lines.push_back(text);
        return;
    }
    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !isLineBreak(text.at(i)))
            continue;
        const QString segment = text.mid(start, i - start);
        if (fitsOnOneLine(segment, width))
            lines.push_back(segment);
        else
            wrapSegment(segment, width, lines);
        if (i + 1 < text.size() && text.at(i) == u'\r' && text.at(i + 1) == u'\n')
            ++i;
        start = i + 1;
    }
}

void TextMeasurer::wrapSegment(
    const QString &segment, qreal width, std::vector<QString> &lines) const
{
    QTextLayout layout(segment, font_);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        lines.push_back(withoutTrailingSpaces(segment.mid(line.textStart(), line.textLength())));
    }
    layout.endLayout();
}

} // namespace vantorelle
