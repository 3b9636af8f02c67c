#pragma once

#include <QString>
#include <QStringList>

#include <variant>
#include <vector>

namespace vantorelle {

enum class ParagraphAlignment { Left, Centre, Right };

// A paragraph of one font. Line breaks ("\n", CR LF or a lone CR) start new
// lines within it; an empty paragraph is one blank line.
struct PrintParagraph {
    QString text;
    bool bold = false;
    ParagraphAlignment alignment = ParagraphAlignment::Left;
    int pointSize = 10;
};

// A table laid out by its own column widths (twips, 1/1440 inch) from the left
// margin; widths that add up to more than the body are scaled down to it, each
// column keeping its share. Cells are plain text: no character in them has a
// meaning of its own, and line breaks in a cell start new lines. A row holds
// one cell per column: missing cells are blank, cells beyond the last column
// are not printed. An empty header has no header row; a header row is
// repeated at the top of every page the table continues on.
struct PrintTable {
    std::vector<int> columnWidths;
    QStringList header;
    std::vector<QStringList> rows;
    int pointSize = 10;
};

// The text printed at the top of every page, in three parts: left, centre and
// right. "%d" in any part stands for the page number.
struct RunningText {
    QString left;
    QString centre;
    QString right;
    int pointSize = 10;

    bool isEmpty() const { return left.isEmpty() && centre.isEmpty() && right.isEmpty(); }
    // `part` with "%d" replaced by `pageNumber`.
    static QString forPage(const QString &part, int pageNumber);
};

// A printable document: paragraphs and tables one after another, in one font
// family, and the running text of its pages. Laid out by PrintLayout, drawn by
// PrintPainter and saved by RtfDocumentWriter.
class PrintDocument {
public:
    using Block = std::variant<PrintParagraph, PrintTable>;

    explicit PrintDocument(QString fontFamily = QStringLiteral("DejaVu Sans"));

    void addParagraph(PrintParagraph paragraph);
    void addTable(PrintTable table);
    void setRunningText(RunningText text);

    const QString &fontFamily() const { return fontFamily_; }
    const RunningText &runningText() const { return runningText_; }
    const std::vector<Block> &blocks() const { return blocks_; }

private:
    QString fontFamily_;
    RunningText runningText_;
    std::vector<Block> blocks_;
};

} // namespace vantorelle
