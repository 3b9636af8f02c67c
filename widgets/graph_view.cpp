#include "widgets/graph_view.h"

#include "documents/gif_writer.h"
#include "documents/graph_renderer.h"
#include "platform/app_error.h"

#include <QPainter>
#include <QPrinter>

#include <utility>

namespace vantorelle {

GraphView::GraphView(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void GraphView::setModel(GraphModel model)
{
    model_ = std::move(model);
    update();
}

void GraphView::print(QPrinter &printer) const
{
    QPainter painter;
    if (!painter.begin(&printer))
        throw AppError(AppError::DeviceIoError);
    const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    QSizeF shape = page.size();
    if (!size().isEmpty())
        shape = QSizeF(size()).scaled(page.size(), Qt::KeepAspectRatio);
    QRectF area(QPointF(0, 0), shape);
    area.moveCenter(page.center());
    painter.setFont(font());
    GraphRenderer::paint(painter, model_, area);
    if (!painter.end())
        throw AppError(AppError::DeviceIoError);
}

void GraphView::saveGif(const QString &path, const QSize &size) const
{
    GifWriter::write(GraphRenderer::paletteImage(model_, size), path);
}

QSize GraphView::sizeHint() const
{
    return {600, 400};
}

void GraphView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    GraphRenderer::paint(painter, model_, QRectF(rect()));
}

} // namespace vantorelle
