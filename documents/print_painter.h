#pragma once

#include <QRectF>

class QPagedPaintDevice;
class QPainter;

namespace vantorelle {

class PrintLayout;

// Draws the pages of a PrintLayout. Every device gets the same pages: the
// preview, the printer and a PDF writer differ only in resolution.
class PrintPainter {
public:
    // Draws page `number` (counted from 1) scaled into `target`, the rectangle
    // of the whole page in the painter's coordinates.
    static void drawPage(
        QPainter &painter, const PrintLayout &layout, int number, const QRectF &target);

    // Prints pages `first` to `last` (counted from 1; a range beyond the
    // layout's pages is cut to them) on `device`, one device page each, at true
    // size and at the device's resolution. The layout should have been made for
    // the device's page layout. False when the device could not be painted on,
    // could not start a page, or the range holds no page.
    static bool print(QPagedPaintDevice &device, const PrintLayout &layout, int first, int last);
};

} // namespace vantorelle
