#include <gtest/gtest.h>

#include "documents/graph_layout.h"

#include <QFontMetricsF>
#include <QGuiApplication>
#include <QImage>
#include <QLocale>

#include <cmath>

using namespace vantorelle;

namespace {

QDateTime at(int year, int month, int day, int hour = 0, int minute = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute));
}

// A graph over the days `first` to `last`, the time axis as the window sets it.
GraphModel graphOver(QDate first, QDate last, int stepHours, int labelEvery)
{
    GraphModel model;
    model.setTitle("Blood Pressure vs Time");
    model.setValueAxisTitle("Units");
    model.setTimeAxisTitle("Date");
    model.addSeries("Systolic", Qt::red);
    model.addSeries("Diastolic", Qt::darkGray);
    model.addSeries("Pulse", Qt::blue);
    model.setTimeAxis(
        {QDateTime(first, QTime(0, 0)), QDateTime(last, QTime(23, 59)), stepHours, labelEvery});
    return model;
}

class GraphLayoutTest : public ::testing::Test {
protected:
    GraphLayout layoutOf(const GraphModel &model) const
    {
        return GraphLayout(model, QRectF(0, 0, 1200, 800), QGuiApplication::font(), &image);
    }

    QImage image {1200, 800, QImage::Format_RGB32};
};

} // namespace

TEST_F(GraphLayoutTest, TheTimeAxisRunsFromTheStartDayToTheEndDayAcrossThePlot)
{
    GraphModel model = graphOver(QDate(2026, 3, 1), QDate(2026, 3, 10), 24, 1);
    model.appendRow(at(2026, 3, 1), {120, 80, 70});
    model.appendRow(at(2026, 3, 10, 23, 59), {130, 85, 72});
    const GraphLayout layout = layoutOf(model);
    const QRectF &plot = layout.plotArea();

    EXPECT_DOUBLE_EQ(layout.xFor(at(2026, 3, 1)), plot.left());
    EXPECT_DOUBLE_EQ(layout.xFor(at(2026, 3, 10, 23, 59)), plot.right());
    // Ten days less a minute: noon of the fifth day is 4.5 days in.
    EXPECT_NEAR(layout.xFor(at(2026, 3, 5, 12)),
        plot.left() + plot.width() * 4.5 / (10 - 1.0 / 1440), 1e-6);
    // Placed by the date and time shown, whatever the time zone says.
    const QDateTime utc(QDate(2026, 3, 8), QTime(2, 30), Qt::UTC);
    EXPECT_DOUBLE_EQ(layout.xFor(utc), layout.xFor(at(2026, 3, 8, 2, 30)));
}

TEST_F(GraphLayoutTest, ValueTicksAreRoundAndCoverTheReadings)
{
    GraphModel model = graphOver(QDate(2026, 3, 1), QDate(2026, 3, 10), 24, 1);
    model.appendRow(at(2026, 3, 2), {143, 91, 58});
    model.appendRow(at(2026, 3, 3), {187.5, 103, 66});
    const GraphLayout layout = layoutOf(model);
    const QList<ValueTick> &ticks = layout.valueTicks();

    ASSERT_GE(ticks.size(), 3);
    EXPECT_LE(ticks.front().value, 58);
    EXPECT_GE(ticks.back().value, 187.5);
    const double step = ticks[1].value - ticks[0].value;
    const double power = std::pow(10.0, std::floor(std::log10(step)));
    const double factor = step / power;
    EXPECT_TRUE(factor == 1 || factor == 2 || factor == 5) << step;
    for (const ValueTick &tick : ticks) {
        EXPECT_DOUBLE_EQ(std::fmod(tick.value, step), 0) << tick.value;
        EXPECT_EQ(tick.label, QString::number(tick.value, 'f', 0));
    }
    EXPECT_DOUBLE_EQ(layout.yFor(ticks.front().value), layout.plotArea().bottom());
    EXPECT_DOUBLE_EQ(layout.yFor(ticks.back().value), layout.plotArea().top());
    EXPECT_LT(layout.yFor(120), layout.yFor(80)); // higher values higher up
}

TEST_F(GraphLayoutTest, ReadingsOfOneValueStillGetAScale)
{
    GraphModel model = graphOver(QDate(2026, 3, 1), QDate(2026, 3, 10), 24, 1);
    model.appendRow(at(2026, 3, 2), {0, 0, 0});
    const GraphLayout zero = layoutOf(model);
    EXPECT_EQ(zero.valueTicks().front().value, 0);
    EXPECT_GT(zero.valueTicks().back().value, 0);
    EXPECT_GT(zero.valueTicks().size(), 2);

    model.appendRow(at(2026, 3, 3), {-0.5, 0.5, 0.5});
    const GraphLayout around = layoutOf(model);
    QStringList labels;
    for (const ValueTick &tick : around.valueTicks())
        labels.append(tick.label);
    EXPECT_TRUE(labels.contains("0.0")) << labels.join(' ').toStdString();
    EXPECT_FALSE(labels.contains("-0.0"));
}

TEST_F(GraphLayoutTest, AnEmptyGraphKeepsItsTitlesAndTimeAxis)
{
    const GraphLayout layout = layoutOf(graphOver(QDate(2026, 3, 1), QDate(2026, 3, 7), 24, 1));
    EXPECT_FALSE(layout.titleArea().isEmpty());
    EXPECT_FALSE(layout.valueTitleArea().isEmpty());
    EXPECT_FALSE(layout.timeTitleArea().isEmpty());
    EXPECT_EQ(layout.timeMarks().size(), 7);
    EXPECT_GE(layout.valueTicks().size(), 2);
}

namespace {

struct MarkCase {
    const char *name;
    QDate last; // the axis starts on 1 March 2026
    int stepHours;
    int labelEvery;
    int markCount; // before any thinning
};

void PrintTo(const MarkCase &c, std::ostream *os)
{
    *os << c.name;
}

class TimeMarks : public GraphLayoutTest, public ::testing::WithParamInterface<MarkCase> { };

const MarkCase markCases[] = {
    {"Daily", QDate(2026, 3, 28), 24, 1, 28},
    {"EveryTwoDays", QDate(2026, 6, 7), 48, 2, 50}, // 99 days
    {"Weekly", QDate(2028, 2, 29), 168, 4, 105},
};

} // namespace

TEST_P(TimeMarks, FallOnTheStepFromTheStartWithDatesThatDoNotOverlap)
{
    const MarkCase &c = GetParam();
    const GraphLayout layout
        = layoutOf(graphOver(QDate(2026, 3, 1), c.last, c.stepHours, c.labelEvery));
    const QList<TimeMark> &marks = layout.timeMarks();
    ASSERT_FALSE(marks.isEmpty());
    EXPECT_EQ(marks.front().time.date(), QDate(2026, 3, 1));
    EXPECT_DOUBLE_EQ(marks.front().x, layout.plotArea().left());
    EXPECT_EQ(marks.front().label, "Mar 01, 26");

    const qint64 stride = marks.size() > 1 ? marks[0].time.secsTo(marks[1].time) / 3600 : 0;
    EXPECT_EQ(stride % c.stepHours, 0);
    EXPECT_EQ(marks.size(), (c.markCount - 1) / (stride / c.stepHours) + 1);
    const QFontMetricsF metrics(QGuiApplication::font(), &image);
    const TimeMark *previous = nullptr;
    for (qsizetype i = 0; i < marks.size(); ++i) {
        const TimeMark &mark = marks[i];
        EXPECT_EQ(mark.time.time(), QTime(0, 0));
        EXPECT_EQ(marks.front().time.secsTo(mark.time), i * stride * 3600);
        EXPECT_DOUBLE_EQ(mark.x, layout.xFor(mark.time));
        EXPECT_LE(mark.x, layout.plotArea().right());
        if (mark.label.isEmpty())
            continue;
        EXPECT_EQ(mark.label, QLocale::c().toString(mark.time.date(), "MMM dd, yy"));
        const qint64 stepsFromStart = marks.front().time.secsTo(mark.time) / 3600 / c.stepHours;
        EXPECT_EQ(stepsFromStart % c.labelEvery, 0) << mark.label.toStdString();
        if (previous) {
            EXPECT_GT(mark.x - previous->x,
                (metrics.horizontalAdvance(mark.label) + metrics.horizontalAdvance(previous->label))
                    / 2)
                << mark.label.toStdString();
        }
        previous = &mark;
    }
}

INSTANTIATE_TEST_SUITE_P(Steps, TimeMarks, ::testing::ValuesIn(markCases),
    [](const auto &info) { return std::string(info.param.name); });

TEST_F(GraphLayoutTest, DailyMarksAllCarryTheirDateWhenThereIsRoom)
{
    const GraphLayout layout = layoutOf(graphOver(QDate(2026, 12, 5), QDate(2026, 12, 14), 24, 1));
    QStringList labels;
    for (const TimeMark &mark : layout.timeMarks())
        labels.append(mark.label);
    EXPECT_EQ(labels.size(), 10);
    EXPECT_EQ(labels.front(), "Dec 05, 26");
    EXPECT_EQ(labels[5], "Dec 10, 26");
    EXPECT_FALSE(labels.contains(QString()));
}

TEST_F(GraphLayoutTest, MarksPackedTighterThanAFewPixelsAreThinnedOut)
{
    // Ten years of weekly marks: about two pixels apart in 1200.
    const GraphLayout layout = layoutOf(graphOver(QDate(2016, 1, 1), QDate(2025, 12, 31), 168, 4));
    const QList<TimeMark> &marks = layout.timeMarks();
    ASSERT_GE(marks.size(), 2);
    EXPECT_LT(marks.size(), 522);
    EXPECT_GE(marks[1].x - marks[0].x, layout.tickLength());
    EXPECT_EQ(marks[0].time.daysTo(marks[1].time) % 7, 0);
}

TEST_F(GraphLayoutTest, TheLegendIsLeftOutWhenHidden)
{
    GraphModel weight;
    weight.setTitle("Weight vs Time");
    weight.addSeries(QString(), Qt::red);
    weight.setTimeAxis({at(2026, 3, 1), at(2026, 3, 10, 23, 59), 24, 1});
    weight.appendRow(at(2026, 3, 2), {80});
    const GraphLayout shown = layoutOf(weight);
    weight.setLegendShown(false);
    const GraphLayout hidden = layoutOf(weight);

    EXPECT_TRUE(shown.legendShown());
    EXPECT_GE(shown.legendArea().left(), shown.plotArea().right());
    EXPECT_FALSE(hidden.legendShown());
    EXPECT_GT(hidden.plotArea().right(), shown.plotArea().right());
    EXPECT_EQ(hidden.plotArea().left(), shown.plotArea().left());
}

TEST_F(GraphLayoutTest, MarkersOnlyWhereThePointsHaveRoom)
{
    GraphModel model = graphOver(QDate(2026, 3, 1), QDate(2026, 3, 10), 24, 1);
    for (int day = 1; day <= 10; ++day)
        model.appendRow(at(2026, 3, day, 8), {120, 80, 70});
    EXPECT_TRUE(layoutOf(model).markersShown());
    for (int minute = 0; minute < 1000; ++minute)
        model.appendRow(at(2026, 3, 5, 0, 0).addSecs(minute * 60), {120, 80, 70});
    EXPECT_FALSE(layoutOf(model).markersShown());
}
