#include "documents/graph_model.h"

#include <algorithm>

namespace vantorelle {

double wallClockSeconds(const QDateTime &time)
{
    return static_cast<double>(time.date().toJulianDay()) * 86400.0
        + time.time().msecsSinceStartOfDay() / 1000.0;
}

bool TimeAxis::isValid() const
{
    return start.isValid() && end.isValid() && wallClockSeconds(start) < wallClockSeconds(end);
}

void GraphModel::addSeries(const QString &name, const QColor &colour)
{
    series_.append({name, colour});
}

void GraphModel::appendRow(const QDateTime &time, const QList<double> &values)
{
    Q_ASSERT(values.size() == series_.size());
    rows_.append({time, values});
}

void GraphModel::setTimeAxis(const TimeAxis &axis)
{
    timeAxis_ = axis;
    timeAxis_.stepHours = std::max(1, axis.stepHours);
    timeAxis_.labelEvery = std::max(1, axis.labelEvery);
}

} // namespace vantorelle
