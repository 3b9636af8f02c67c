#pragma once

#include <QObject>

#include <vector>

class QTableView;

namespace vantorelle {

// Keeps the shown columns of a grid exactly as wide as its viewport, so the
// grid never needs a horizontal scroll bar: each column gets at least its
// least width (its header text, the widest cell text and its designed width),
// and the width left over is shared in proportion to those least widths. When
// the viewport is narrower than their sum, every column gives up the same
// share of its width.
class ColumnFitter : public QObject {
    Q_OBJECT
public:
    explicit ColumnFitter(QTableView *grid);

    // Measures the columns again after the grid was filled; `designed[c]` is
    // the least width in pixels column c was designed with (0: none), and
    // hidden columns are skipped.
    void measure(const std::vector<int> &designed);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fit();

    QTableView *grid_;
    std::vector<int> leastWidths_; // by column; 0 for a hidden column
};

} // namespace vantorelle
