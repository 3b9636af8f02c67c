#pragma once

#include "documents/graph_model.h"

#include <QFont>
#include <QList>
#include <QRectF>

class QPaintDevice;

namespace vantorelle {

// A mark on the time axis; `label` is empty on a mark drawn without a date.
// `time` is the wall-clock date and time of the mark, in UTC.
struct TimeMark {
    QDateTime time;
    double x;
    QString label;
};

// A value on the value axis, with its grid line.
struct ValueTick {
    double value;
    double y;
    QString label;
};

// Where everything of a graph goes in a rectangle of a paint device: the plot
// area, the mapping of times and values to it, the axis marks and the text
// boxes. Sizes follow the text height on that device, so a printed page and a
// window look alike.
class GraphLayout {
public:
    GraphLayout(
        const GraphModel &model, const QRectF &area, const QFont &font, const QPaintDevice *device);

    // The rectangle the readings are drawn in: the time axis runs from its left
    // edge (the axis start) to its right edge (the axis end).
    const QRectF &plotArea() const { return plotArea_; }
    double xFor(const QDateTime &time) const;
    double yFor(double value) const;

    // Marks every step of the time axis from its start; marks closer than a few
    // pixels are thinned out, and labels come on every `labelEvery`-th mark, or
    // further apart where the dates would overlap.
    const QList<TimeMark> &timeMarks() const { return timeMarks_; }
    // Round values covering the readings (1, 2 or 5 times a power of ten apart).
    const QList<ValueTick> &valueTicks() const { return valueTicks_; }

    // Empty when the legend is hidden or there is no series.
    const QRectF &legendArea() const { return legendArea_; }
    bool legendShown() const { return !legendArea_.isEmpty(); }
    // The height of one legend line.
    double legendLineHeight() const { return legendLineHeight_; }

    // Point markers are drawn only where the points are not packed together.
    bool markersShown() const { return markersShown_; }

    const QRectF &titleArea() const { return titleArea_; }
    const QRectF &timeTitleArea() const { return timeTitleArea_; }
    // Upright box of the value-axis title, which is drawn turned a quarter left.
    const QRectF &valueTitleArea() const { return valueTitleArea_; }

    const QFont &labelFont() const { return labelFont_; }
    const QFont &titleFont() const { return titleFont_; }
    const QFont &axisTitleFont() const { return axisTitleFont_; }

    double lineWidth() const { return lineWidth_; }
    double thinLineWidth() const { return thinLineWidth_; }
    double markerSize() const { return markerSize_; }
    double tickLength() const { return tickLength_; }
    double textHeight() const { return textHeight_; }

private:
    void placeValueTicks(const GraphModel &model);
    void placeTimeMarks(const TimeAxis &axis, double labelWidth);

    QFont labelFont_;
    QFont titleFont_;
    QFont axisTitleFont_;
    double textHeight_;
    double lineWidth_;
    double thinLineWidth_;
    double markerSize_;
    double tickLength_;

    QRectF plotArea_;
    QRectF titleArea_;
    QRectF timeTitleArea_;
    QRectF valueTitleArea_;
    QRectF legendArea_;
    double legendLineHeight_;
    bool markersShown_ = false;

    double startSeconds_ = 0;
    double endSeconds_ = 0;
    double lowValue_ = 0;
    double highValue_ = 1;
    QList<TimeMark> timeMarks_;
    QList<ValueTick> valueTicks_;
};

} // namespace vantorelle
