#pragma once

#include "documents/print_document.h"

#include <QFont>
#include <QLineF>
#include <QPageLayout>
#include <QPointF>
#include <QRectF>
#include <QString>

#include <vector>

namespace vantorelle {

// A font of a laid-out document: the document's family in this size and weight.
struct PrintFont {
    int pointSize = 10;
    bool bold = false;

    bool operator==(const PrintFont &) const = default;
};

// One line of text on a page: `origin` is the left end of its baseline.
struct PrintText {
    QPointF origin;
    QString text;
    int font = 0;
};

// What is drawn on one page, in twips from the page's top-left corner.
struct PrintPage {
    std::vector<PrintText> texts;
    std::vector<QLineF> rules;
};

// A document paginated once for one page size and margins. Every device draws
// these pages (PrintPainter), so the preview, the printer and a PDF file show
// the same lines on the same pages.
//
// Paragraphs and table cells wrap within their width; a table row that does not
// fit on the rest of a page starts the next one, and a row taller than a page
// is split between pages. A table's header row is repeated at the top of every
// page it continues on. The running text is printed in the top margin of every
// page; a top margin too small for it moves the body down. The layout keeps
// no reference to the document.
class PrintLayout {
public:
    static constexpr qreal twipsPerPoint = 20;
    // Thickness of the table rules, in twips.
    static constexpr qreal ruleWidth = 10;

    PrintLayout(const PrintDocument &document, const QPageLayout &pageLayout);

    const QPageLayout &pageLayout() const { return pageLayout_; }
    // The whole page, in twips.
    QSizeF pageSize() const { return pageSize_; }
    // The area the body is laid out in, in twips from the page's top-left corner.
    QRectF bodyRect() const { return bodyRect_; }
    // The width of the body on pages of `pageLayout` (the page less its left
    // and right margins), in twips: what tables divide among their columns.
    static qreal bodyWidth(const QPageLayout &pageLayout);
    // The widths (twips) a table with `columnWidths` is drawn and saved with on
    // pages of `pageLayout`: its own when they add up to no more than the body
    // width in whole twips, else scaled down to that width, each column keeping
    // its share. The layout and the RTF writer both take these.
    static std::vector<int> fittedColumnWidths(
        const std::vector<int> &columnWidths, const QPageLayout &pageLayout);

    // Never less than 1: an empty document has one page with its running text.
    int pageCount() const { return static_cast<int>(pages_.size()); }
    // Page `number`, counted from 1.
    const PrintPage &page(int number) const { return pages_.at(number - 1); }

    const std::vector<PrintFont> &fonts() const { return fonts_; }
    // The font a PrintText refers to, sized in twips.
    QFont font(int index) const;

private:
    class Builder;

    QPageLayout pageLayout_;
    QString fontFamily_;
    QSizeF pageSize_;
    QRectF bodyRect_;
    std::vector<PrintFont> fonts_;
    std::vector<PrintPage> pages_;
};

} // namespace vantorelle
