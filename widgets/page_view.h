#pragma once

#include <QAbstractScrollArea>

namespace vantorelle {

class PrintLayout;

// Shows the pages of a laid-out document: one page, two side by side, or a
// few small ones, from the shown page on. A page larger than the view (page
// width, or a zoom percentage) scrolls within the view; the shown page changes
// only when asked. Only the pages in sight are drawn, so a report of hundreds
// of pages shows at once.
class PageView : public QAbstractScrollArea {
    Q_OBJECT

public:
    enum class Zoom {
        Thumbnail, // several small pages, in two rows
        TwoPages, // two pages side by side, whole
        WholePage, // one page, whole
        PageWidth, // one page as wide as the view
        Percent, // one page at zoomPercent() of its true size
    };

    explicit PageView(QWidget *parent = nullptr);

    // The pages shown (nullptr: none). The view keeps no copy: `layout` must
    // outlive it or be replaced first. Shows the first page.
    void setPages(const PrintLayout *layout);

    Zoom zoom() const { return zoom_; }
    void setZoom(Zoom zoom);
    double zoomPercent() const { return percent_; }
    // Shows one page at `percent` of its true size on the screen.
    void setZoomPercent(double percent);

    int pageCount() const;
    // The first page in sight, counted from 1.
    int shownPage() const { return shownPage_; }
    // Shows `page` first, kept within 1 and the page count.
    void setShownPage(int page);
    // How many pages the zoom shows side by side: 8 for thumbnails, 2 for two
    // pages, else 1.
    int pagesShownAtOnce() const;

signals:
    // The page count or the shown page changed.
    void pagesChanged();

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    struct Grid {
        int columns;
        int rows;
    };
    Grid grid() const;
    // Pixels per twip in the current zoom.
    double scale() const;
    // The size of the pages in sight together with the gaps around them.
    QSize contentSize() const;
    void updateScrollBars();

    const PrintLayout *layout_ = nullptr;
    Zoom zoom_ = Zoom::WholePage;
    double percent_ = 100;
    int shownPage_ = 1;
};

} // namespace vantorelle
