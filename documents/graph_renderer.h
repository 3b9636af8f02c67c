#pragma once

#include "documents/graph_model.h"

#include <QImage>
#include <QRectF>
#include <QSize>

class QPainter;

namespace vantorelle {

// Draws a graph with QPainter on any paint device: a widget, a printer page or
// an image. Lines are drawn without antialiasing: fast with many readings, and
// the colours stay the drawing's own.
namespace GraphRenderer {

// Draws `model` into `area`, white underneath, with text in the painter's font.
void paint(QPainter &painter, const GraphModel &model, const QRectF &area);

// The graph as an image of `size` pixels in few colours: the text is not
// antialiased either, so every pixel has one of the drawing's colours and a
// palette holds them exactly.
QImage paletteImage(const GraphModel &model, const QSize &size);

} // namespace GraphRenderer

} // namespace vantorelle
