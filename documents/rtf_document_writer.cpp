#include "documents/rtf_document_writer.h"

#include "documents/print_document.h"
#include "documents/print_layout.h"
#include "platform/file_writer.h"
#include "text/cp1252.h"

#include <QPageLayout>
#include <QRectF>

#include <cmath>

namespace vantorelle {

namespace {

constexpr int twipsPerPoint = 20;
// Half the space between the text of neighbouring cells, in twips.
constexpr int cellGap = 60;

int twips(qreal points)
{
    return static_cast<int>(std::lround(points * twipsPerPoint));
}

void appendUnicode(QByteArray &out, char16_t unit)
{
    // RTF takes the code unit as a signed 16-bit number; "?" stands in for
    // readers that do not know \u.
    out += "\\u";
    out += QByteArray::number(static_cast<qint16>(unit));
    out += '?';
}

void appendText(QByteArray &out, const QString &text)
{
    static constexpr char hex[] = "0123456789abcdef";
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        if (c == u'\\' || c == u'{' || c == u'}') {
            out += '\\';
            out += char(c);
        } else if (c == u'\r' || c == u'\n') {
            if (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n')
                ++i;
            out += "\\line ";
        } else if (c == u'\t') {
            out += "\\tab ";
        } else if (c >= 0x20 && c < 0x7F) {
            out += char(c);
        } else {
            // C0 and C1 controls have no printable cp1252 byte.
            const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
            const QString character(text.at(i));
            if (!control && Cp1252::canEncode(character)) {
                const auto byte = static_cast<unsigned char>(Cp1252::fromUnicode(character).at(0));
                out += "\\'";
                out += hex[byte >> 4];
                out += hex[byte & 0xF];
            } else {
                appendUnicode(out, c);
            }
        }
    }
}

QByteArray fontSize(int pointSize)
{
    return "\\fs" + QByteArray::number(pointSize * 2);
}

void appendRunningText(QByteArray &out, const RunningText &running, int bodyWidth)
{
    out += "{\\header\\pard\\plain\\f0" + fontSize(running.pointSize) + "\\tqc\\tx"
        + QByteArray::number(bodyWidth / 2) + "\\tqr\\tx" + QByteArray::number(bodyWidth) + ' ';
    const QString parts[] = {running.left, running.centre, running.right};
    for (int p = 0; p < 3; ++p) {
        if (p > 0)
            out += "\\tab ";
        const QStringList pieces = parts[p].split(QLatin1String("%d"));
        for (qsizetype i = 0; i < pieces.size(); ++i) {
            if (i > 0)
                out += "{\\field{\\*\\fldinst PAGE}{\\fldrslt }}";
            appendText(out, pieces.at(i));
        }
    }
    out += "\\par}\r\n";
}

void appendParagraph(QByteArray &out, const PrintParagraph &paragraph)
{
    out += "\\pard\\plain";
    switch (paragraph.alignment) {
    case ParagraphAlignment::Left:
        out += "\\ql";
        break;
    case ParagraphAlignment::Centre:
        out += "\\qc";
        break;
    case ParagraphAlignment::Right:
        out += "\\qr";
        break;
    }
    out += "\\f0" + fontSize(paragraph.pointSize);
    if (paragraph.bold)
        out += "\\b";
    out += ' ';
    appendText(out, paragraph.text);
    out += "\\par\r\n";
}

// The row definition: the cells' right edges from the left margin, each cell
// ruled on every side.
QByteArray rowDefinition(const std::vector<int> &columnWidths, bool header)
{
    QByteArray definition = "\\trowd\\trgaph" + QByteArray::number(cellGap);
    if (header)
        definition += "\\trhdr";
    int edge = 0;
    for (int width : columnWidths) {
        edge += width;
        definition += "\\clbrdrt\\brdrs\\brdrw10\\clbrdrl\\brdrs\\brdrw10"
                      "\\clbrdrb\\brdrs\\brdrw10\\clbrdrr\\brdrs\\brdrw10\\cellx"
            + QByteArray::number(edge);
    }
    return definition + "\r\n";
}

void appendRow(QByteArray &out, const QByteArray &definition, const QByteArray &cellStart,
    const QStringList &cells, std::size_t columns)
{
    out += definition;
    out += cellStart;
    for (std::size_t c = 0; c < columns; ++c) {
        if (c < static_cast<std::size_t>(cells.size()))
            appendText(out, cells.at(static_cast<qsizetype>(c)));
        out += "\\cell ";
    }
    out += "\\row\r\n";
}

void appendTable(QByteArray &out, const PrintTable &table, const QPageLayout &pageLayout)
{
    const std::size_t columns = table.columnWidths.size();
    if (columns == 0)
        return;
    // The widths the printed pages show.
    const std::vector<int> widths = PrintLayout::fittedColumnWidths(table.columnWidths, pageLayout);
    const QByteArray cellStart = "\\pard\\plain\\intbl\\f0" + fontSize(table.pointSize);
    if (!table.header.isEmpty())
        appendRow(out, rowDefinition(widths, true), cellStart + "\\b ", table.header, columns);
    const QByteArray definition = rowDefinition(widths, false);
    const QByteArray bodyStart = cellStart + ' ';
    for (const QStringList &row : table.rows)
        appendRow(out, definition, bodyStart, row, columns);
}

} // namespace

QByteArray RtfDocumentWriter::toRtf(const PrintDocument &document, const QPageLayout &pageLayout)
{
    const QRectF page = pageLayout.fullRect(QPageLayout::Point);
    const QMarginsF margins = pageLayout.margins(QPageLayout::Point);
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n{\\fonttbl{\\f0\\fswiss ";
    appendText(out, document.fontFamily());
    out += ";}}\r\n";
    out += "\\paperw" + QByteArray::number(twips(page.width())) + "\\paperh"
        + QByteArray::number(twips(page.height())) + "\\margl"
        + QByteArray::number(twips(margins.left())) + "\\margr"
        + QByteArray::number(twips(margins.right())) + "\\margt"
        + QByteArray::number(twips(margins.top())) + "\\margb"
        + QByteArray::number(twips(margins.bottom())) + "\r\n";
    if (!document.runningText().isEmpty())
        appendRunningText(
            out, document.runningText(), twips(page.width() - margins.left() - margins.right()));
    for (const PrintDocument::Block &block : document.blocks()) {
        if (const auto *paragraph = std::get_if<PrintParagraph>(&block))
            appendParagraph(out, *paragraph);
        else
            appendTable(out, std::get<PrintTable>(block), pageLayout);
    }
    out += "}\r\n";
    return out;
}

void RtfDocumentWriter::save(const PrintDocument &document, const QPageLayout &pageLayout,
    const QString &path, NewFileAccess access)
{
    FileWriter::replace(path, toRtf(document, pageLayout), access);
}

} // namespace vantorelle
