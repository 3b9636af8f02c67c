#include "documents/print_layout.h"

#include "documents/text_measurer.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>

namespace vantorelle {

namespace {

// Space between a cell's rules and its text, in twips.
constexpr qreal cellPaddingX = 60;
constexpr qreal cellPaddingY = 30;
// Narrowest text width of a cell, so that a column too narrow for its padding
// still shows its text.
constexpr qreal narrowestCellText = 20;
// Space between the running text and the body.
constexpr qreal runningTextGap = 120;

// The cells of a table's rows broken into lines: the lines of row r, cell c are
// lines[starts[r * columns + c]] up to lines[starts[r * columns + c + 1]].
struct MeasuredRows {
    std::size_t columns = 0;
    std::vector<QString> lines;
    std::vector<int> starts {0};
    std::vector<int> lineCounts;

    void add(const QStringList &cells, const TextMeasurer &measurer,
        const std::vector<qreal> &textWidths)
    {
        int most = 1;
        for (std::size_t c = 0; c < columns; ++c) {
            const int before = static_cast<int>(lines.size());
            if (c < static_cast<std::size_t>(cells.size()))
                measurer.wrap(cells.at(static_cast<qsizetype>(c)), textWidths[c], lines);
            starts.push_back(static_cast<int>(lines.size()));
            most = std::max(most, static_cast<int>(lines.size()) - before);
        }
        lineCounts.push_back(most);
    }
};

} // namespace

class PrintLayout::Builder {
public:
    Builder(PrintLayout &layout, const PrintDocument &document)
        : layout_(layout)
        , document_(document)
    {
    }

    void build()
    {
        placeBodyArea();
        newPage();
        for (const PrintDocument::Block &block : document_.blocks()) {
            if (const auto *paragraph = std::get_if<PrintParagraph>(&block))
                addParagraph(*paragraph);
            else
                addTable(std::get<PrintTable>(block));
        }
        addRunningText();
    }

private:
    // A table being placed: its geometry, its measured rows and where its rules
    // on the current page begin.
    struct TableState {
        std::vector<qreal> columnEdges;
        int bodyFont = 0;
        int headerFont = 0;
        MeasuredRows header;
        MeasuredRows rows;
        bool hasHeader = false;
        bool repeatHeader = false;
        qreal headerHeight = 0;
        qreal chunkTop = 0;
    };

    void placeBodyArea()
    {
        const QRectF full = layout_.pageLayout_.fullRect(QPageLayout::Point);
        const QMarginsF margins = layout_.pageLayout_.margins(QPageLayout::Point);
        layout_.pageSize_ = full.size() * twipsPerPoint;
        QRectF body(margins.left() * twipsPerPoint, margins.top() * twipsPerPoint,
            bodyWidth(layout_.pageLayout_),
            layout_.pageSize_.height() - (margins.top() + margins.bottom()) * twipsPerPoint);
        const RunningText &running = document_.runningText();
        if (!running.isEmpty()) {
            const TextMeasurer &measurer = this->measurer(fontIndex({running.pointSize, false}));
            runningTop_ = std::max<qreal>(0, (body.top() - measurer.lineHeight()) / 2);
            body.setTop(std::max(body.top(), runningTop_ + measurer.lineHeight() + runningTextGap));
        }
        layout_.bodyRect_ = body;
    }

    int fontIndex(PrintFont font)
    {
        const auto found = std::find(layout_.fonts_.begin(), layout_.fonts_.end(), font);
        if (found != layout_.fonts_.end())
            return static_cast<int>(found - layout_.fonts_.begin());
        layout_.fonts_.push_back(font);
        measurers_.push_back(std::make_unique<TextMeasurer>(
            layout_.font(static_cast<int>(layout_.fonts_.size()) - 1)));
        return static_cast<int>(layout_.fonts_.size()) - 1;
    }

    const TextMeasurer &measurer(int font) const { return *measurers_[font]; }

    qreal top() const { return layout_.bodyRect_.top(); }
    qreal bottom() const { return layout_.bodyRect_.bottom(); }

    void newPage()
    {
        layout_.pages_.emplace_back();
        y_ = top();
    }

    PrintPage &page() { return layout_.pages_.back(); }

    void addText(qreal x, qreal baseline, const QString &text, int font)
    {
        if (!text.isEmpty())
            page().texts.push_back({QPointF(x, baseline), text, font});
    }

    void addParagraph(const PrintParagraph &paragraph)
    {
        const int font = fontIndex({paragraph.pointSize, paragraph.bold});
        const TextMeasurer &measurer = this->measurer(font);
        const QRectF body = layout_.bodyRect_;
        std::vector<QString> lines;
        measurer.wrap(paragraph.text, body.width(), lines);
        for (const QString &line : lines) {
            if (y_ + measurer.lineHeight() > bottom() && y_ > top())
                newPage();
            qreal x = body.left();
            if (paragraph.alignment != ParagraphAlignment::Left && !line.isEmpty()) {
                const qreal room = body.width() - measurer.width(line);
                x += paragraph.alignment == ParagraphAlignment::Centre ? room / 2 : room;
            }
            addText(x, y_ + measurer.ascent(), line, font);
            y_ += measurer.lineHeight();
        }
    }

    static qreal rowHeight(int lines, const TextMeasurer &measurer)
    {
        return lines * measurer.lineHeight() + 2 * cellPaddingY;
    }

    void addTable(const PrintTable &table)
    {
        if (table.columnWidths.empty() || (table.header.isEmpty() && table.rows.empty()))
            return;
        TableState state;
        state.columnEdges.push_back(layout_.bodyRect_.left());
        std::vector<qreal> textWidths;
        for (int width : fittedColumnWidths(table.columnWidths, layout_.pageLayout_)) {
            state.columnEdges.push_back(state.columnEdges.back() + width);
            textWidths.push_back(std::max(width - 2 * cellPaddingX, narrowestCellText));
        }
        state.bodyFont = fontIndex({table.pointSize, false});
        state.headerFont = fontIndex({table.pointSize, true});
        const TextMeasurer &bodyMeasurer = measurer(state.bodyFont);
        const TextMeasurer &headerMeasurer = measurer(state.headerFont);
        state.header.columns = state.rows.columns = table.columnWidths.size();
        state.hasHeader = !table.header.isEmpty();
        if (state.hasHeader) {
            state.header.add(table.header, headerMeasurer, textWidths);
            state.headerHeight = rowHeight(state.header.lineCounts[0], headerMeasurer);
        }
        state.rows.lines.reserve(table.rows.size() * table.columnWidths.size());
        state.rows.starts.reserve(table.rows.size() * table.columnWidths.size() + 1);
        state.rows.lineCounts.reserve(table.rows.size());
        for (const QStringList &row : table.rows)
            state.rows.add(row, bodyMeasurer, textWidths);

        const qreal bodyHeight = bottom() - top();
        // Repeating a header only helps when a line of a row still fits below it.
        state.repeatHeader
            = state.hasHeader && state.headerHeight + rowHeight(1, bodyMeasurer) <= bodyHeight;

        // Keep the header with the first row, or with its first line when the
        // row is split anyway.
        qreal needed = state.headerHeight;
        if (!state.rows.lineCounts.empty()) {
            const qreal first = rowHeight(state.rows.lineCounts[0], bodyMeasurer);
            needed += state.headerHeight + first <= bodyHeight ? first : rowHeight(1, bodyMeasurer);
        }
        if (y_ + needed > bottom() && y_ > top())
            newPage();

        state.chunkTop = y_;
        addRule(state, y_);
        if (state.hasHeader)
            placeRow(state, state.header, 0, state.headerFont, false);
        for (std::size_t r = 0; r < state.rows.lineCounts.size(); ++r)
            placeRow(state, state.rows, r, state.bodyFont, true);
        closeChunk(state);
    }

    void addRule(const TableState &state, qreal at)
    {
        page().rules.emplace_back(state.columnEdges.front(), at, state.columnEdges.back(), at);
    }

    // Places row `r` of `rows`: whole where it fits, else on the next page
    // when it fits there, else split line by line over as many pages as needed.
    void placeRow(
        TableState &state, const MeasuredRows &rows, std::size_t r, int font, bool bodyRow)
    {
        const TextMeasurer &measurer = this->measurer(font);
        const int total = rows.lineCounts[r];
        const qreal freshTop = top() + (state.repeatHeader ? state.headerHeight : 0);
        int from = 0;
        while (from < total) {
            const int remaining = total - from;
            if (y_ + rowHeight(remaining, measurer) <= bottom()) {
                placeSlice(state, rows, r, font, from, remaining);
                return;
            }
            const bool fitsOnNextPage = rowHeight(remaining, measurer) <= bottom() - freshTop;
            if (!(from == 0 && fitsOnNextPage && y_ > freshTop)) {
                int fit = static_cast<int>(
                    std::floor((bottom() - y_ - 2 * cellPaddingY) / measurer.lineHeight()));
                // A page that cannot hold one line still takes one, or the row
                // would never be placed.
                if (fit < 1 && y_ <= freshTop)
                    fit = 1;
                if (fit >= 1) {
                    placeSlice(state, rows, r, font, from, fit);
                    from += fit;
                    if (from == total)
                        return;
                }
            }
            continueOnNextPage(state, bodyRow);
        }
    }

    void placeSlice(const TableState &state, const MeasuredRows &rows, std::size_t r, int font,
        int from, int count)
    {
        const TextMeasurer &measurer = this->measurer(font);
        const std::size_t first = r * rows.columns;
        for (std::size_t c = 0; c < rows.columns; ++c) {
            const int begin = rows.starts[first + c] + from;
            const int end = std::min(rows.starts[first + c + 1], begin + count);
            const qreal x = state.columnEdges[c] + cellPaddingX;
            qreal baseline = y_ + cellPaddingY + measurer.ascent();
            for (int line = begin; line < end; ++line) {
                addText(x, baseline, rows.lines[line], font);
                baseline += measurer.lineHeight();
            }
        }
        y_ += rowHeight(count, measurer);
        addRule(state, y_);
    }

    void continueOnNextPage(TableState &state, bool repeatHeader)
    {
        closeChunk(state);
        newPage();
        state.chunkTop = y_;
        addRule(state, y_);
        if (repeatHeader && state.repeatHeader)
            placeSlice(state, state.header, 0, state.headerFont, 0, state.header.lineCounts[0]);
    }

    // The column rules of the part of the table on the current page.
    void closeChunk(const TableState &state)
    {
        for (qreal x : state.columnEdges)
            page().rules.emplace_back(x, state.chunkTop, x, y_);
    }

    void addRunningText()
    {
        const RunningText &running = document_.runningText();
        if (running.isEmpty())
            return;
        const int font = fontIndex({running.pointSize, false});
        const TextMeasurer &measurer = this->measurer(font);
        const QRectF body = layout_.bodyRect_;
        const qreal baseline = runningTop_ + measurer.ascent();
        for (int number = 1; number <= layout_.pageCount(); ++number) {
            PrintPage &page = layout_.pages_[number - 1];
            const QString left = RunningText::forPage(running.left, number);
            const QString centre = RunningText::forPage(running.centre, number);
            const QString right = RunningText::forPage(running.right, number);
            if (!left.isEmpty())
                page.texts.push_back({QPointF(body.left(), baseline), left, font});
            if (!centre.isEmpty())
                page.texts.push_back(
                    {QPointF(body.left() + (body.width() - measurer.width(centre)) / 2, baseline),
                        centre, font});
            if (!right.isEmpty())
                page.texts.push_back(
                    {QPointF(body.right() - measurer.width(right), baseline), right, font});
        }
    }

    PrintLayout &layout_;
    const PrintDocument &document_;
    std::vector<std::unique_ptr<TextMeasurer>> measurers_;
    qreal runningTop_ = 0;
    qreal y_ = 0;
};

PrintLayout::PrintLayout(const PrintDocument &document, const QPageLayout &pageLayout)
    : pageLayout_(pageLayout)
    , fontFamily_(document.fontFamily())
{
    Builder(*this, document).build();
}

qreal PrintLayout::bodyWidth(const QPageLayout &pageLayout)
{
    const QMarginsF margins = pageLayout.margins(QPageLayout::Point);
    return (pageLayout.fullRect(QPageLayout::Point).width() - margins.left() - margins.right())
        * twipsPerPoint;
}

std::vector<int> PrintLayout::fittedColumnWidths(
    const std::vector<int> &columnWidths, const QPageLayout &pageLayout)
{
    // Whole twips, as the reports measure their columns and the RTF states the page.
    const long long body = std::llround(bodyWidth(pageLayout));
    const long long total = std::accumulate(columnWidths.begin(), columnWidths.end(), 0LL);
    if (total <= body || body <= 0)
        return columnWidths;
    // Each column's right edge is scaled and rounded, so that no rounding adds
    // up and the last edge is the body's.
    std::vector<int> fitted;
    fitted.reserve(columnWidths.size());
    long long edge = 0;
    long long fittedEdge = 0;
    for (int width : columnWidths) {
        edge += width;
        const long long scaled = std::llround(static_cast<double>(edge) * body / total);
        fitted.push_back(static_cast<int>(scaled - fittedEdge));
        fittedEdge = scaled;
    }
    return fitted;
}

QFont PrintLayout::font(int index) const
{
    const PrintFont &font = fonts_.at(index);
    QFont qfont(fontFamily_);
    qfont.setPixelSize(font.pointSize * static_cast<int>(twipsPerPoint));
    qfont.setBold(font.bold);
    // Unhinted outlines scale linearly, so the widths measured here hold at
    // every device resolution.
    qfont.setHintingPreference(QFont::PreferNoHinting);
    // Latin text without ligatures and kerning: a line is as wide as the sum
    // of its characters, and a PDF's text is found by searching for it.
    qfont.setStyleStrategy(QFont::PreferNoShaping);
    return qfont;
}

} // namespace vantorelle
