#include "documents/graph_layout.h"

#include <QFontMetricsF>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

namespace vantorelle {

namespace {

// Month abbreviation, two-digit day and two-digit year: "Dec 10, 26".
constexpr QStringView dateLabelFormat = u"MMM dd, yy";

constexpr double secondsPerHour = 3600.0;
constexpr double secondsPerDay = 86400.0;

struct ValueRange {
    double low;
    double high;
};

// The lowest and highest reading; a graph without readings gets 0 to 10, and
// readings all of one value a range around it.
ValueRange readingRange(const GraphModel &model)
{
    double low = std::numeric_limits<double>::infinity();
    double high = -low;
    for (const GraphRow &row : model.rows()) {
        for (double value : row.values) {
            low = std::min(low, value);
            high = std::max(high, value);
        }
    }
    if (low > high)
        return {0, 10};
    if (low == high) {
        if (low == 0)
            return {0, 1};
        const double margin = std::abs(low) / 10;
        return {low - margin, high + margin};
    }
    return {low, high};
}

// 1, 2 or 5 times a power of ten, the first of them not below `rough`.
double roundStep(double rough)
{
    const double power = std::pow(10.0, std::floor(std::log10(rough)));
    const double fraction = rough / power;
    const double factor = fraction <= 1 ? 1 : fraction <= 2 ? 2 : fraction <= 5 ? 5 : 10;
    return factor * power;
}

// In UTC, so that no time-zone rule moves a mark off the date and time it stands for.
QDateTime fromWallClockSeconds(double seconds)
{
    const double day = std::floor(seconds / secondsPerDay);
    const auto msecs = static_cast<int>(std::llround((seconds - day * secondsPerDay) * 1000));
    return QDateTime(QDate::fromJulianDay(static_cast<qint64>(day)),
        QTime::fromMSecsSinceStartOfDay(msecs), Qt::UTC);
}

QFont scaledBoldFont(const QFont &font, double scale)
{
    QFont result = font;
    result.setBold(true);
    if (font.pointSizeF() > 0)
        result.setPointSizeF(font.pointSizeF() * scale);
    else
        result.setPixelSize(static_cast<int>(std::lround(font.pixelSize() * scale)));
    return result;
}

// The widest date label any month can give.
double widestDateLabel(const QFontMetricsF &metrics)
{
    double widest = 0;
    for (int month = 1; month <= 12; ++month) {
        const QString label = QLocale::c().toString(QDate(2000, month, 28), dateLabelFormat);
        widest = std::max(widest, metrics.horizontalAdvance(label));
    }
    return widest;
}

} // namespace

GraphLayout::GraphLayout(
    const GraphModel &model, const QRectF &area, const QFont &font, const QPaintDevice *device)
    : labelFont_(font)
    , titleFont_(scaledBoldFont(font, 1.4))
    , axisTitleFont_(scaledBoldFont(font, 1.1))
{
    const QFontMetricsF labels(labelFont_, device);
    const QFontMetricsF titles(titleFont_, device);
    const QFontMetricsF axisTitles(axisTitleFont_, device);

    const double u = labels.height();
    textHeight_ = u;
    lineWidth_ = std::max(1.0, std::round(u / 8));
    thinLineWidth_ = std::max(1.0, std::round(u / 16));
    markerSize_ = std::max(3.0, std::round(u / 2.5));
    tickLength_ = std::round(u / 3);
    legendLineHeight_ = std::round(u * 1.4);
    const double margin = u;

    // From the top: title, plot; from the bottom: time-axis title, date labels.
    double top = area.top() + margin;
    if (!model.title().isEmpty()) {
        titleArea_ = QRectF(area.left(), top, area.width(), titles.height());
        top += titles.height() + u / 2;
    }
    const double plotTop = top + u / 2;
    double bottom = area.bottom() - margin;
    const double axisTitleHeight = axisTitles.height();
    const double timeTitleTop = bottom - axisTitleHeight;
    if (!model.timeAxisTitle().isEmpty())
        bottom -= axisTitleHeight + u / 4;
    const double plotBottom = std::max(plotTop + 1, bottom - u - u / 4 - tickLength_);

    plotArea_ = QRectF(area.left(), plotTop, 1, plotBottom - plotTop);
    placeValueTicks(model);

    // From the left: value-axis title, value labels; from the right: the legend.
    double left = area.left() + margin;
    if (!model.valueAxisTitle().isEmpty()) {
        valueTitleArea_ = QRectF(left, plotTop, axisTitleHeight, plotArea_.height());
        left += axisTitleHeight + u / 2;
    }
    double widestValue = 0;
    for (const ValueTick &tick : valueTicks_)
        widestValue = std::max(widestValue, labels.horizontalAdvance(tick.label));
    const double dateWidth = widestDateLabel(labels);
    const double plotLeft
        = std::max(left + widestValue + u / 4 + tickLength_, area.left() + margin + dateWidth / 2);

    double right = area.right() - margin;
    if (model.legendShown() && !model.series().isEmpty()) {
        double widestName = 0;
        for (const GraphSeries &series : model.series())
            widestName = std::max(widestName, labels.horizontalAdvance(series.name));
        const double width = u / 2 + 2 * u + u / 2 + widestName + u / 2;
        const double height = u / 2 + model.series().size() * legendLineHeight_ + u / 2;
        legendArea_ = QRectF(right - width, plotTop, width, height);
        right -= width + u;
    } else {
        right -= dateWidth / 2;
    }
    plotArea_.setLeft(plotLeft);
    plotArea_.setRight(std::max(plotLeft + 1, right));

    if (!model.timeAxisTitle().isEmpty())
        timeTitleArea_ = QRectF(plotArea_.left(), timeTitleTop, plotArea_.width(), axisTitleHeight);

    markersShown_ = model.rows().size() * 2 * markerSize_ <= plotArea_.width();

    const TimeAxis &axis = model.timeAxis();
    if (axis.isValid()) {
        startSeconds_ = wallClockSeconds(axis.start);
        endSeconds_ = wallClockSeconds(axis.end);
        placeTimeMarks(axis, dateWidth + u);
    }
}

double GraphLayout::xFor(const QDateTime &time) const
{
    if (endSeconds_ <= startSeconds_)
        return plotArea_.left();
    return plotArea_.left()
        + (wallClockSeconds(time) - startSeconds_) / (endSeconds_ - startSeconds_)
        * plotArea_.width();
}

double GraphLayout::yFor(double value) const
{
    return plotArea_.bottom() - (value - lowValue_) / (highValue_ - lowValue_) * plotArea_.height();
}

void GraphLayout::placeValueTicks(const GraphModel &model)
{
    const ValueRange range = readingRange(model);
    const double wanted
        = std::clamp(std::floor(plotArea_.height() / (2.5 * textHeight_)), 2.0, 10.0);
    const double step = roundStep((range.high - range.low) / wanted);
    const long long first = std::llround(std::floor(range.low / step));
    const long long last = std::llround(std::ceil(range.high / step));
    lowValue_ = first * step;
    highValue_ = last * step;
    const int decimals = std::max(0, -static_cast<int>(std::floor(std::log10(step) + 1e-9)));
    for (long long i = first; i <= last; ++i) {
        // i * step, not a running sum: no drift, and 0 never shows as "-0".
        const double value = i == 0 ? 0.0 : i * step;
        valueTicks_.append({value, yFor(value), QLocale::c().toString(value, 'f', decimals)});
    }
}

void GraphLayout::placeTimeMarks(const TimeAxis &axis, double labelWidth)
{
    const double stepSeconds = axis.stepHours * secondsPerHour;
    const double spacing = stepSeconds / (endSeconds_ - startSeconds_) * plotArea_.width();
    const long long markEvery = std::max(1LL, std::llround(std::ceil(tickLength_ / spacing)));
    // Labels on marks that are drawn, every `labelEvery`-th step at the least.
    const long long labelBase = std::lcm<long long>(axis.labelEvery, markEvery);
    const long long labelEvery
        = labelBase * std::max(1LL, std::llround(std::ceil(labelWidth / (labelBase * spacing))));
    for (long long k = 0; startSeconds_ + k * stepSeconds <= endSeconds_; k += markEvery) {
        const QDateTime time = fromWallClockSeconds(startSeconds_ + k * stepSeconds);
        const QString label
            = k % labelEvery == 0 ? QLocale::c().toString(time.date(), dateLabelFormat) : QString();
        timeMarks_.append({time, xFor(time), label});
    }
}

} // namespace vantorelle
