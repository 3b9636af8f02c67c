#include <gtest/gtest.h>

#include "mainwin/main_window.h"

#include <QApplication>

namespace {

// The main window shown at its laid-out size.
class Layout : public ::testing::Test {
protected:
    void SetUp() override
    {
        window.show();
        settle();
        base = window.size();
    }

    void resizeTo(QSize size)
    {
        window.resize(size);
        settle();
    }

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    QRect at(QWidget *w) const { return QRect(w->mapTo(&window, QPoint(0, 0)), w->size()); }

    Main window;
    QSize base;
};

} // namespace

TEST_F(Layout, ListsAndViewsGrowInProportionButtonsKeepTheirSize)
{
    const QRect topics = at(window.lstTopics);
    const QRect grid = at(window.gridViewer);
    const QRect edit = at(window.cmdEdit);
    const QRect profiles = at(window.cboProfiles);

    resizeTo(QSize(base.width() * 2, base.height() * 2));

    // Margins and spacing are fixed, so the growth is close to, not exactly, double.
    EXPECT_NEAR(at(window.lstTopics).width(), 2.0 * topics.width(), 0.1 * topics.width());
    EXPECT_NEAR(at(window.gridViewer).width(), 2.0 * grid.width(), 0.1 * grid.width());
    EXPECT_GT(at(window.gridViewer).height(), 1.8 * grid.height());
    EXPECT_EQ(at(window.cmdEdit).size(), edit.size());
    EXPECT_EQ(at(window.cboProfiles).height(), profiles.height());
}

TEST_F(Layout, TheFirstSizeBringsEveryControlBack)
{
    const QRect grid = at(window.gridViewer);
    const QRect viewer = at(window.rtViewer);
    const QRect save = at(window.cmdNewSave);

    resizeTo(QSize(base.width() * 3 / 2, base.height() * 5 / 4));
    resizeTo(base);

    EXPECT_EQ(at(window.gridViewer), grid);
    EXPECT_EQ(at(window.rtViewer), viewer);
    EXPECT_EQ(at(window.cmdNewSave), save);
}

TEST_F(Layout, TheWindowDoesNotShrinkBelowItsLeastSize)
{
    resizeTo(QSize(300, 200));
    EXPECT_GE(window.width(), 600);
    EXPECT_GE(window.height(), 400);
}

TEST_F(Layout, WithoutTheGridTheViewerFillsTheFrame)
{
    const int gridTop = at(window.gridViewer).top();
    const int viewerBottom = at(window.rtViewer).bottom();

    window.gridViewer->hide();
    settle();

    EXPECT_EQ(at(window.rtViewer).top(), gridTop);
    EXPECT_EQ(at(window.rtViewer).bottom(), viewerBottom);
}

TEST_F(Layout, TheKeyListStaysHidden)
{
    resizeTo(QSize(base.width() * 2, base.height()));
    EXPECT_FALSE(window.lstKeys->isVisible());
}

TEST_F(Layout, APanelSharesTheViewerFrameAndTheFrontOneShows)
{
    auto *panel = new QWidget;
    window.addEditorPanel(panel);
    settle();
    EXPECT_EQ(at(panel), at(window.frmViewer));

    const QPoint centre = window.frmViewer->mapTo(&window, window.frmViewer->rect().center());
    window.frmViewer->raise();
    QWidget *front = window.childAt(centre);
    EXPECT_TRUE(front == window.frmViewer || window.frmViewer->isAncestorOf(front));

    panel->raise();
    EXPECT_EQ(window.childAt(centre), panel);
}
