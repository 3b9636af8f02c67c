#pragma once

namespace vantorelle {

// Which records a dated section of the profile report takes. Dates are the
// numbers of stored "yyyymmdd" texts (an empty date is 0).
struct DateRange {
    // As the settings keep it: 0 takes every record, 1 the records within the
    // range, any other value none.
    int switchValue = 0;
    int first = 0; // first day of the range, yyyymmdd
    int last = 0; // last day of the range, yyyymmdd

    // A record dated `date`: within the range, both days included.
    bool takes(double date) const;
    // A medication taken from `start` and stopped at `stop` (0: not stopped):
    // when it started or stopped within the range, was not stopped and started
    // on or before its first day, or ran through the whole range.
    bool takesPeriod(double start, double stop) const;
};

} // namespace vantorelle
