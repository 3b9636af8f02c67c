#include "store/clock.h"

#include <ctime>

namespace vantorelle {

namespace {

class SystemClock : public Clock {
public:
    LocalDateTime now() const override
    {
        std::time_t t = std::time(nullptr);
        std::tm tm {};
        localtime_r(&t, &tm);
        return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
    }
};

const SystemClock systemClock;
const Clock *installed = nullptr;

} // namespace

const Clock &Clock::current()
{
    return installed ? *installed : systemClock;
}

void Clock::install(const Clock *clock)
{
    installed = clock;
}

} // namespace vantorelle
