#include "report_window_fixture.h"

#include "reports/graph_window.h"
#include "reports/report_windows.h"
#include "support/fake_file_dialogs.h"
#include "support/fake_print_dialogs.h"
#include "support/find_control.h"
#include "widgets/graph_view.h"

#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDateTimeEdit>
#include <QFile>
#include <QGuiApplication>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QStandardPaths>
#include <QTest>

#include <optional>
#include <ostream>

using namespace vantorelle;

namespace {

using Settings = std::vector<std::pair<std::string, std::string>>;

class GraphWindowTest : public ReportWindowFixture {
protected:
    void open()
    {
        window.emplace(context);
        window->show();
    }
    QComboBox *topics() const { return findControl<QComboBox>(*window, "lstTopics"); }
    QComboBox *range() const { return findControl<QComboBox>(*window, "cboRange"); }
    DateTimePicker *start() const { return findControl<DateTimePicker>(*window, "DTGraphStart"); }
    DateTimePicker *end() const { return findControl<DateTimePicker>(*window, "DTGraphEnd"); }
    const GraphModel &graph() const { return findControl<GraphView>(*window, "flpGraph")->model(); }
    void press(const char *button) const
    {
        QTest::mouseClick(findControl<QPushButton>(*window, button), Qt::LeftButton);
    }
    // The text the range box shows.
    QString rangeShown() const
    {
        return range()->currentIndex() < 0 ? range()->placeholderText() : range()->currentText();
    }
    // Chooses quick range `item` from the range box's list with the keyboard.
    void chooseRange(int item) const
    {
        range()->setFocus();
        QTest::keyClick(range(), Qt::Key_Home);
        for (int i = 0; i < item; ++i)
            QTest::keyClick(range(), Qt::Key_Down);
    }

    std::optional<GraphWindow> window;
};

TEST_F(GraphWindowTest, WithoutSettingsOpensOnBloodPressureForTodayWithCustomDates)
{
    open();
    EXPECT_EQ(window->windowTitle(), "Data Graph");
    EXPECT_EQ(topics()->currentText(), "Blood Pressure");
    QStringList items;
    for (int i = 0; i < topics()->count(); ++i)
        items << topics()->itemText(i);
    EXPECT_EQ(items, QStringList({"Blood Pressure", "Weight", "Cholesterol", "Glucose"}));
    EXPECT_EQ(rangeShown(), "Custom Dates");
    EXPECT_EQ(range()->count(), 8);
    EXPECT_EQ(start()->date(), QDate(2024, 6, 11));
    EXPECT_EQ(end()->date(), QDate(2024, 6, 11));
    EXPECT_TRUE(graph().rows().isEmpty());
    EXPECT_TRUE(graph().title().isEmpty()) << "nothing is drawn before Draw Graph";
}

TEST_F(GraphWindowTest, OpensOnTheStoredTopicAndDaysOrTheirDefaults)
{
    writeSettings(
        "GraphTopic=3\r\nGraphDateStart=3/1/2024\r\nGraphDateEnd=3/31/2024 11:59:00 PM\r\n");
    open();
    EXPECT_EQ(topics()->currentText(), "Glucose");
    EXPECT_EQ(start()->date(), QDate(2024, 3, 1));
    EXPECT_EQ(end()->date(), QDate(2024, 3, 31));
    EXPECT_EQ(rangeShown(), "Custom Dates");

    writeSettings("GraphTopic=4\r\nGraphDateStart=yesterday\r\nGraphDateEnd=2/30/2024\r\n");
    open();
    EXPECT_EQ(topics()->currentText(), "Blood Pressure");
    EXPECT_EQ(start()->date(), QDate(2024, 6, 11));
    EXPECT_EQ(end()->date(), QDate(2024, 6, 11));
}

TEST_F(GraphWindowTest, AQuickRangeSetsTheDaysAndTheUsersOwnChangeShowsCustomDates)
{
    open();
    chooseRange(4);
    EXPECT_EQ(rangeShown(), "Last 3 months");
    EXPECT_EQ(start()->date(), QDate(2024, 3, 11));
    EXPECT_EQ(end()->date(), QDate(2024, 6, 11));

    chooseRange(0);
    EXPECT_EQ(rangeShown(), "Last 7 days");
    EXPECT_EQ(start()->date(), QDate(2024, 6, 4));

    QTest::keyClicks(start()->findChild<QDateTimeEdit *>(), "05012024");
    EXPECT_EQ(start()->date(), QDate(2024, 5, 1));
    EXPECT_EQ(rangeShown(), "Custom Dates");

    chooseRange(7);
    EXPECT_EQ(rangeShown(), "Last 12 months");
    EXPECT_EQ(start()->date(), QDate(2023, 6, 11));
    QTest::keyClick(end()->findChild<QDateTimeEdit *>(), Qt::Key_Down);
    EXPECT_EQ(rangeShown(), "Custom Dates");
}

TEST_F(GraphWindowTest, DrawGraphStoresTheChoicesAndDrawsTheShownProfilesReadings)
{
    writeSettings("GraphTopic=1\r\n");
    open();
    QTest::keyClick(topics(), Qt::Key_Up); // Weight -> Blood Pressure
    QTest::keyClicks(start()->findChild<QDateTimeEdit *>(), "03012024");
    QTest::keyClicks(end()->findChild<QDateTimeEdit *>(), "03152024");
    press("cmdGraph");

    EXPECT_EQ(settings(),
        Settings(
            {{"GraphTopic", "0"}, {"GraphDateStart", "3/1/2024"}, {"GraphDateEnd", "3/15/2024"}}));
    EXPECT_EQ(graph().title(), "Blood Pressure vs Time");
    ASSERT_EQ(graph().rows().size(), 2);
    EXPECT_EQ(graph().rows()[0].time, QDateTime(QDate(2024, 3, 15), QTime(8, 0), Qt::UTC));
    EXPECT_EQ(graph().rows()[0].values, QList<double>({120, 80, 65}));
    EXPECT_EQ(graph().timeAxis().start, QDateTime(QDate(2024, 3, 1), QTime(0, 0), Qt::UTC));
    EXPECT_EQ(graph().timeAxis().end, QDateTime(QDate(2024, 3, 15), QTime(23, 59), Qt::UTC));

    // The profile the main window shows when Draw Graph is pressed.
    context.profile = ListedProfile {"20100101101010p", QStringLiteral("O'Neil, Bob")};
    press("cmdGraph");
    ASSERT_EQ(graph().rows().size(), 1);
    EXPECT_EQ(graph().rows()[0].values, QList<double>({140, 90, 0}));

    // The last profile was deleted while the window stayed open.
    context.profile.reset();
    QTest::keyClick(end()->findChild<QDateTimeEdit *>(), Qt::Key_Return);
    ASSERT_EQ(prompter.boxes.size(), 1);
    EXPECT_EQ(prompter.boxes[0].title, "Unable to Graph Data");
    EXPECT_EQ(prompter.boxes[0].text, "There is no profile yet.  Please save a profile first.");
    EXPECT_EQ(graph().rows().size(), 1) << "the graph drawn stays";
}

class SaveGraph : public GraphWindowTest, public ::testing::WithParamInterface<SaveCase> { };

TEST_P(SaveGraph, WritesA1200By800GifToAGifName)
{
    const SaveCase &c = GetParam();
    FakeFileDialogs files;
    const QString target = answerSaveDialog(files, c);
    open();
    press("cmdGraph");
    press("cmdSave");

    ASSERT_NO_FATAL_FAILURE(expectOneSaveDialog(
        files, "Save Graph to File (GIF)", "GIF Image (*.gif)|*.gif|All files (*.*)|*.*"));
    if (c.saved) {
        const QByteArray gif = readFile(target);
        ASSERT_GE(gif.size(), 10);
        EXPECT_EQ(gif.left(6), "GIF87a");
        const auto word = [&](int at) {
            return static_cast<unsigned char>(gif[at])
                | static_cast<unsigned char>(gif[at + 1]) << 8;
        };
        EXPECT_EQ(word(6), 1200);
        EXPECT_EQ(word(8), 800);
    } else if (c.fileName) {
        EXPECT_FALSE(QFile::exists(target));
    }
    expectFormatRefusal(c.refused, "GIF");
}

INSTANTIATE_TEST_SUITE_P(Names, SaveGraph,
    ::testing::Values(SaveCase {"CapitalExtension", "graph.GIF", true, false},
        SaveCase {"OtherExtension", "graph.bmp", false, true},
        SaveCase {"Cancelled", nullptr, false, false}),
    saveCaseName);

TEST_F(GraphWindowTest, EnterDrawsUnlessAButtonHasTheFocus)
{
    open();
    QTest::keyClicks(start()->findChild<QDateTimeEdit *>(), "03012024");
    QTest::keyClicks(end()->findChild<QDateTimeEdit *>(), "03152024");
    QTest::keyClick(end()->findChild<QDateTimeEdit *>(), Qt::Key_Return);
    EXPECT_EQ(graph().title(), "Blood Pressure vs Time");
    EXPECT_EQ(graph().rows().size(), 2) << "drawn for the days typed";

    QTest::keyClick(topics(), Qt::Key_Down); // Weight
    QTest::keyClick(topics(), Qt::Key_Enter);
    EXPECT_EQ(graph().title(), "Weight vs Time");

    auto *close = findControl<QPushButton>(*window, "cmdClose");
    close->setFocus();
    QTest::keyClick(close, Qt::Key_Return);
    EXPECT_FALSE(window->isVisible()) << "Enter pressed the button that has the focus";
    EXPECT_EQ(graph().title(), "Weight vs Time");
}

TEST_F(GraphWindowTest, AGraphThatCannotBeSavedIsReported)
{
    FakeFileDialogs files;
    files.setNextAnswers({cache.filePath("no/such/folder/graph.gif")});
    open();
    press("cmdSave");
    expectSaveError("An error occurred while saving the graph.");
}

TEST_F(GraphWindowTest, PrintsTheGraphOnOnePage)
{
    const QString pdf = cache.filePath("graph.pdf");
    FakePrintDialogs dialogs(pdf);
    open();
    press("cmdGraph");
    press("cmdPrint"); // cancelled
    EXPECT_FALSE(QFile::exists(pdf));
    dialogs.setNextAnswers({[](QPrinter &) { return true; }});
    press("cmdPrint");
    EXPECT_TRUE(readFile(pdf).startsWith("%PDF"));
    EXPECT_TRUE(prompter.boxes.isEmpty());
}

TEST_F(GraphWindowTest, CloseClosesTheWindow)
{
    open();
    press("cmdClose");
    EXPECT_FALSE(window->isVisible());
}

TEST_F(GraphWindowTest, EscapeClosesTheWindowFromAnyControl)
{
    for (int control = 0; control < 3; ++control) {
        open();
        QWidget *const controls[] = {topics(), start()->findChild<QDateTimeEdit *>(),
            findControl<QPushButton>(*window, "cmdGraph")};
        QWidget *focused = controls[control];
        focused->setFocus();
        QTest::keyClick(focused, Qt::Key_Escape);
        EXPECT_FALSE(window->isVisible()) << focused->metaObject()->className();
    }
}

// The graph windows open, as the user sees them.
QList<GraphWindow *> shownGraphWindows()
{
    QList<GraphWindow *> shown;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *graph = qobject_cast<GraphWindow *>(window); graph && graph->isVisible())
            shown << graph;
    }
    return shown;
}

TEST_F(GraphWindowTest, TheGraphCommandShowsOneWindowAndAfterItClosedANewOne)
{
    writeSettings("GraphTopic=2\r\n");
    {
        ReportWindows windows(context, cache.path());
        windows.showGraph();
        windows.showGraph();
        ASSERT_EQ(shownGraphWindows().size(), 1);
        GraphWindow *first = shownGraphWindows().front();
        QTest::keyClick(findControl<QComboBox>(*first, "lstTopics"), Qt::Key_Down);
        findControl<QPushButton>(*first, "cmdClose")->click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_TRUE(shownGraphWindows().isEmpty());

        windows.showGraph();
        ASSERT_EQ(shownGraphWindows().size(), 1);
        EXPECT_EQ(findControl<QComboBox>(*shownGraphWindows().front(), "lstTopics")->currentText(),
            "Cholesterol")
            << "a new window, on the choices the settings file keeps";
    }
    EXPECT_TRUE(shownGraphWindows().isEmpty()) << "the windows end with their owner";
}

// Colours of a screenshot: how many pixels of each.
QHash<QRgb, int> colourCounts(const QImage &image)
{
    QHash<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            ++counts[qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel))];
        }
    }
    return counts;
}

// The window as an X server shows it. The test runs itself again on a server
// of its own (xvfb-run), so that no other test's window can lie over it.
TEST_F(GraphWindowTest, OnScreenShowsTheDrawnGraph)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        if (QStandardPaths::findExecutable(QStringLiteral("xvfb-run")).isEmpty())
            GTEST_SKIP() << "needs xvfb-run";
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.setProcessChannelMode(QProcess::ForwardedChannels);
        child.start(QStringLiteral("xvfb-run"),
            {QStringLiteral("-a"), QStringLiteral("-s"), QStringLiteral("-screen 0 1280x1024x24"),
                QCoreApplication::applicationFilePath(),
                QStringLiteral("--gtest_filter=GraphWindowTest.OnScreenShowsTheDrawnGraph")});
        ASSERT_TRUE(child.waitForFinished(120000));
        EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(child.exitCode(), 0);
        return;
    }

    writeSettings("GraphDateStart=3/1/2024\r\nGraphDateEnd=3/31/2024\r\n");
    open();
    window->resize(1000, 640);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&*window));
    press("cmdGraph");
    QTest::qWait(200);

    const auto *view = findControl<GraphView>(*window, "flpGraph");
    const QImage shot = window->screen()->grabWindow(window->winId()).toImage();
    ASSERT_EQ(shot.size(), window->size());
    const QImage graph = shot.copy(QRect(view->mapTo(&*window, QPoint(0, 0)), view->size()));
    if (const QString folder = qEnvironmentVariable("VANTORELLE_SCREENSHOTS"); !folder.isEmpty())
        shot.save(folder + QStringLiteral("/graph_window.png"));

    const QHash<QRgb, int> colours = colourCounts(graph);
    const int pixels = graph.width() * graph.height();
    EXPECT_GT(colours.value(qRgb(255, 255, 255)), pixels / 2) << "a white graph";
    EXPECT_GT(colours.value(qRgb(0, 0, 0)), 500) << "axes and titles";
    for (const QRgb series : {qRgb(255, 0, 0), qRgb(128, 128, 128), qRgb(0, 0, 255)})
        EXPECT_GT(colours.value(series), 50) << std::hex << series;
    EXPECT_LT(colours.value(qRgb(255, 255, 255)), pixels * 99 / 100) << "not blank";
}

} // namespace
