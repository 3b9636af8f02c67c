#include "editor_fixture.h"

#include "editor/topic_panel.h"
#include "support/topic_printer.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QTest>

using namespace vantorelle;

namespace {

// The main window with the editor's panels, at its first size, on the
// made-up profile of the README's screenshot: records under every topic,
// fourteen blood-pressure readings.
class WindowLayout : public EditorFixture {
protected:
    void SetUp() override
    {
        moreData = QStringLiteral("screenshots");
        EditorFixture::SetUp();
        settle();
        firstSize = main->size();
    }

    static void settle()
    {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    void resizeTo(QSize size)
    {
        main->resize(size);
        settle();
    }

    QRect at(const QWidget *w) const
    {
        return QRect(w->mapTo(main.get(), QPoint(0, 0)), w->size());
    }

    QTableWidget *grid() const { return control<QTableWidget>("gridViewer"); }

    // Every shown column at least as wide as its header and its widest cell,
    // the columns together exactly as wide as the grid's viewport.
    void expectColumnsFillTheGrid(const char *where) const
    {
        SCOPED_TRACE(where);
        const QTableWidget *g = grid();
        const QAbstractItemView *view = g;
        EXPECT_FALSE(g->horizontalScrollBar()->isVisible());
        int total = 0;
        for (int column = 0; column < g->columnCount(); ++column) {
            if (g->isColumnHidden(column))
                continue;
            total += g->columnWidth(column);
            EXPECT_GE(g->columnWidth(column), g->horizontalHeader()->sectionSizeHint(column))
                << g->horizontalHeaderItem(column)->text().toStdString();
            EXPECT_GE(g->columnWidth(column), view->sizeHintForColumn(column))
                << g->horizontalHeaderItem(column)->text().toStdString();
        }
        EXPECT_EQ(total, g->viewport()->width());
    }

    QSize firstSize;
};

class GridColumns : public WindowLayout, public ::testing::WithParamInterface<Topic> { };

std::string paramName(const ::testing::TestParamInfo<Topic> &info)
{
    std::string name(topicNames[topicIndex(info.param)].name);
    std::erase_if(name, [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); });
    return name;
}

} // namespace

TEST_P(GridColumns, FillTheGridsWidthWithHeadersAndCellsWhole)
{
    showTopic(GetParam());
    settle();
    ASSERT_GT(grid()->rowCount(), 0);
    expectColumnsFillTheGrid("first size");

    std::vector<int> before;
    for (int column = 0; column < grid()->columnCount(); ++column)
        before.push_back(grid()->columnWidth(column));
    resizeTo(QSize(1260, 980));
    expectColumnsFillTheGrid("grown");
    for (int column = 0; column < grid()->columnCount(); ++column) {
        if (!grid()->isColumnHidden(column)) {
            EXPECT_GT(grid()->columnWidth(column), before[std::size_t(column)]) << column;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryGridTopic, GridColumns,
    ::testing::Values(Topic::Insurance, Topic::Contacts, Topic::Allergies, Topic::Illnesses,
        Topic::Surgeries, Topic::Appointments, Topic::Medications, Topic::Vaccinations,
        Topic::Tests, Topic::BloodPressure, Topic::Weight, Topic::Glucose, Topic::Cholesterol,
        Topic::FamilyHistory),
    paramName);

TEST_F(WindowLayout, TheGridShowsEightRowsAndSharesTheHeightWithTheViewer)
{
    showTopic(Topic::BloodPressure);
    settle();
    ASSERT_GE(grid()->rowCount(), 8);
    EXPECT_GE(grid()->viewport()->height() / grid()->rowHeight(0), 8);

    const QWidget *viewer = control<QWidget>("rtViewer");
    const int gridHeight = grid()->height(), viewerHeight = viewer->height();
    resizeTo(QSize(firstSize.width(), firstSize.height() + 200));
    EXPECT_NEAR(grid()->height() - gridHeight, 100, 2);
    EXPECT_NEAR(viewer->height() - viewerHeight, 100, 2);
}

TEST_F(WindowLayout, CommandButtonsKeepTheirPlaceAndTheWindowItsSizeOnEveryTopicAndMode)
{
    showTopic(Topic::Allergies);
    settle();
    const char *const names[] = {"cmdAdd", "cmdDel", "cmdEdit"};
    std::map<std::string, QRect> places;
    for (const char *name : names)
        places[name] = at(control<QPushButton>(name));

    for (const TopicName &topic : topicNames) {
        SCOPED_TRACE(topic.name);
        showTopic(topic.topic);
        settle();
        // Every panel shown once, then the viewer back.
        editor->editRecord();
        settle();
        ASSERT_TRUE(editing());
        EXPECT_EQ(main->size(), firstSize);
        editor->cancelEditing();
        settle();
        EXPECT_EQ(main->size(), firstSize);
        for (const char *name : names) {
            const QPushButton *button = control<QPushButton>(name);
            if (button->isVisible()) {
                EXPECT_EQ(at(button), places[name]) << name;
            }
        }
    }
    // On Personal and Legal only Edit shows, in its own place.
    showTopic(Topic::Legal);
    settle();
    EXPECT_FALSE(control<QPushButton>("cmdAdd")->isVisible());
    EXPECT_TRUE(control<QPushButton>("cmdEdit")->isVisible());
    EXPECT_EQ(at(control<QPushButton>("cmdEdit")), places["cmdEdit"]);
}

TEST_F(WindowLayout, AtTheLeastSizeEveryTopicNameButtonAndPanelControlIsWhole)
{
    resizeTo(QSize(1, 1));
    EXPECT_EQ(main->size(), main->minimumSize().expandedTo(main->minimumSizeHint()));

    const QListWidget *topics = control<QListWidget>("lstTopics");
    for (int row = 0; row < topics->count(); ++row) {
        const QListWidgetItem *item = topics->item(row);
        const QRect shown = topics->visualItemRect(item);
        EXPECT_TRUE(topics->viewport()->rect().contains(shown)) << item->text().toStdString();
        EXPECT_GE(shown.width(), topics->fontMetrics().horizontalAdvance(item->text()))
            << item->text().toStdString();
    }

    // Whole: not narrower than it needs and within the window's width (a tall
    // panel scrolls up and down).
    const auto expectWhole = [this](const auto &controls) {
        for (const QWidget *w : controls) {
            if (!w->isVisible())
                continue;
            EXPECT_GE(w->width(), w->minimumSizeHint().width()) << w->objectName().toStdString();
            EXPECT_GE(at(w).left(), 0) << w->objectName().toStdString();
            EXPECT_LE(at(w).right(), main->rect().right()) << w->objectName().toStdString();
        }
    };
    for (const TopicName &topic : topicNames) {
        SCOPED_TRACE(topic.name);
        showTopic(topic.topic);
        settle();
        expectWhole(main->findChildren<QPushButton *>());
        EXPECT_TRUE(main->rect().contains(at(control<QPushButton>("cmdEdit"))));
        editor->editRecord();
        settle();
        expectWhole(
            editor->panel(topic.topic)->findChildren<QWidget *>(Qt::FindDirectChildrenOnly));
        editor->cancelEditing();
        settle();
    }
}

TEST_F(WindowLayout, TheEditListButtonsOfAPanelStandInOneColumn)
{
    showTopic(Topic::Medications);
    editor->editRecord();
    settle();
    const QList<QPushButton *> buttons
        = editor->panel(Topic::Medications)->findChildren<QPushButton *>();
    QList<int> lefts;
    for (const QPushButton *button : buttons) {
        if (button->text() == QLatin1String("Edit List..."))
            lefts << at(button).left();
    }
    ASSERT_EQ(lefts.size(), 2);
    EXPECT_EQ(lefts[0], lefts[1]);
}
