#pragma once

#include "documents/graph_model.h"

#include <QWidget>

class QPrinter;

namespace vantorelle {

// Shows a graph, prints it and saves it as a GIF image.
class GraphView : public QWidget {
    Q_OBJECT

public:
    explicit GraphView(QWidget *parent = nullptr);

    const GraphModel &model() const { return model_; }
    // Replaces what the graph shows and redraws it.
    void setModel(GraphModel model);

    // Prints the graph on one page, as large as fits with the shape it has on
    // screen. Throws AppError when the printer cannot be started.
    void print(QPrinter &printer) const;

    // Saves the graph as a GIF image of `size` pixels (see GifWriter::write).
    // Throws AppError when the file cannot be written.
    void saveGif(const QString &path, const QSize &size) const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    GraphModel model_;
};

} // namespace vantorelle
