#include "reports/date_range.h"

namespace vantorelle {

bool DateRange::takes(double date) const
{
    if (switchValue != 1)
        return switchValue == 0;
    return first <= date && date <= last;
}

bool DateRange::takesPeriod(double start, double stop) const
{
    if (switchValue != 1)
        return switchValue == 0;
    return takes(start) || takes(stop) || (stop == 0 && start <= first)
        || (start <= first && stop >= last);
}

} // namespace vantorelle
