#pragma once

#include <QColor>
#include <QDateTime>
#include <QList>
#include <QString>

namespace vantorelle {

// One line of the graph: its name in the legend and its colour.
struct GraphSeries {
    QString name;
    QColor colour;
};

// One reading: when it was taken and one value per series, in series order.
struct GraphRow {
    QDateTime time;
    QList<double> values;
};

// A date and time as seconds on the wall clock: readings are placed by the date
// and time they show, so a daylight-saving change neither shifts nor folds them.
double wallClockSeconds(const QDateTime &time);

// The time axis: it runs from `start` to `end`, with a mark every `stepHours`
// hours from `start`, and a date label on every `labelEvery`-th mark (more
// apart when the labels would not fit).
struct TimeAxis {
    QDateTime start;
    QDateTime end;
    int stepHours = 24;
    int labelEvery = 1;

    // True when the axis spans some time.
    bool isValid() const;
};

// What a graph shows, as values: titles, series, readings and axis settings.
// The drawing (GraphLayout, GraphRenderer) is derived from it.
class GraphModel {
public:
    const QString &title() const { return title_; }
    void setTitle(const QString &title) { title_ = title; }

    const QString &valueAxisTitle() const { return valueAxisTitle_; }
    void setValueAxisTitle(const QString &title) { valueAxisTitle_ = title; }

    const QString &timeAxisTitle() const { return timeAxisTitle_; }
    void setTimeAxisTitle(const QString &title) { timeAxisTitle_ = title; }

    const QList<GraphSeries> &series() const { return series_; }
    void addSeries(const QString &name, const QColor &colour);

    // `values` holds one value per series, in the order they were added.
    const QList<GraphRow> &rows() const { return rows_; }
    void appendRow(const QDateTime &time, const QList<double> &values);

    const TimeAxis &timeAxis() const { return timeAxis_; }
    // A step or label interval below 1 counts as 1.
    void setTimeAxis(const TimeAxis &axis);

    bool legendShown() const { return legendShown_; }
    void setLegendShown(bool shown) { legendShown_ = shown; }

private:
    QString title_;
    QString valueAxisTitle_;
    QString timeAxisTitle_;
    QList<GraphSeries> series_;
    QList<GraphRow> rows_;
    TimeAxis timeAxis_;
    bool legendShown_ = true;
};

} // namespace vantorelle
