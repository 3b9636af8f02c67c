#pragma once

#include <QScrollArea>

namespace vantorelle {

// Holds one entry panel in the main window's panel area. It asks for the
// panel's least size, so a window at its first size shows every panel whole;
// in a window made smaller the panel scrolls up and down, never sideways. It
// shows and hides with its panel, so the editor only ever handles the panel.
class PanelScroller : public QScrollArea {
    Q_OBJECT
public:
    explicit PanelScroller(QWidget *panel, QWidget *parent = nullptr);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

} // namespace vantorelle
