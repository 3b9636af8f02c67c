#include <gtest/gtest.h>

#include "mainwin/main_window.h"
#include "support/find_control.h"

#include <QApplication>
#include <QComboBox>
#include <QFrame>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>

using namespace vantorelle;

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

    template<typename Control> Control *control(const char *name) const
    {
        return findControl<Control>(window, name);
    }

    MainWindow window;
    QSize base;
};

} // namespace

TEST_F(Layout, TheGridTakesTheGrowthTheTopicListAndButtonsKeepTheirSize)
{
    const QRect topics = at(control<QListWidget>("lstTopics"));
    const QRect grid = at(control<QTableWidget>("gridViewer"));
    const QRect edit = at(control<QPushButton>("cmdEdit"));
    const QRect profiles = at(control<QComboBox>("cboProfiles"));

    resizeTo(QSize(base.width() + 400, base.height() + 300));

    EXPECT_EQ(at(control<QListWidget>("lstTopics")).width(), topics.width());
    EXPECT_EQ(at(control<QTableWidget>("gridViewer")).width(), grid.width() + 400);
    EXPECT_GT(at(control<QTableWidget>("gridViewer")).height(), grid.height() + 100);
    EXPECT_EQ(at(control<QPushButton>("cmdEdit")).size(), edit.size());
    EXPECT_EQ(at(control<QComboBox>("cboProfiles")).height(), profiles.height());
}

TEST_F(Layout, TheFirstSizeBringsEveryControlBack)
{
    const QRect grid = at(control<QTableWidget>("gridViewer"));
    const QRect viewer = at(control<QWidget>("rtViewer"));
    const QRect save = at(control<QPushButton>("cmdNewSave"));

    resizeTo(QSize(base.width() * 3 / 2, base.height() * 5 / 4));
    resizeTo(base);

    EXPECT_EQ(at(control<QTableWidget>("gridViewer")), grid);
    EXPECT_EQ(at(control<QWidget>("rtViewer")), viewer);
    EXPECT_EQ(at(control<QPushButton>("cmdNewSave")), save);
}

TEST_F(Layout, TheWindowDoesNotShrinkBelowItsLeastSize)
{
    resizeTo(QSize(300, 200));
    EXPECT_EQ(window.size(), window.minimumSizeHint());
}

TEST_F(Layout, WithoutTheGridTheViewerFillsTheFrame)
{
    const int gridTop = at(control<QTableWidget>("gridViewer")).top();
    const int viewerBottom = at(control<QWidget>("rtViewer")).bottom();

    control<QTableWidget>("gridViewer")->hide();
    settle();

    EXPECT_EQ(at(control<QWidget>("rtViewer")).top(), gridTop);
    EXPECT_EQ(at(control<QWidget>("rtViewer")).bottom(), viewerBottom);
}

TEST_F(Layout, TheKeyListStaysHidden)
{
    resizeTo(QSize(base.width() * 2, base.height()));
    EXPECT_FALSE(control<QListWidget>("lstKeys")->isVisible());
}

TEST_F(Layout, APanelSharesTheViewerFramesPlaceAndShowsInFront)
{
    auto *panel = new QWidget;
    panel->hide();
    window.addEditorPanel(panel);
    settle();
    QFrame *viewerFrame = control<QFrame>("frmViewer");
    const QPoint centre = viewerFrame->mapTo(&window, viewerFrame->rect().center());
    QWidget *front = window.childAt(centre);
    EXPECT_TRUE(front == viewerFrame || viewerFrame->isAncestorOf(front));

    window.showEditorPanel(panel);
    settle();
    EXPECT_EQ(window.childAt(centre), panel);
    EXPECT_EQ(at(panel).topLeft(), at(viewerFrame).topLeft());
    EXPECT_TRUE(viewerFrame->isHidden());
}
