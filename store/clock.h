#pragma once

#include <memory>

namespace vantorelle {

// The current local date and time, as the record keys, defaults and logs see it.
// One clock serves the whole program; tests install a frozen one.
struct LocalDateTime {
    int year = 0, month = 0, day = 0; // month 1..12, day 1..31
    int hour = 0, minute = 0, second = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalDateTime now() const = 0;

    // The clock in use; the system clock unless a test installed another.
    static const Clock &current();
    // Installs `clock` (nullptr restores the system clock). The caller keeps ownership.
    static void install(const Clock *clock);
};

// A clock that always answers the same moment, for tests and tools.
class FixedClock : public Clock {
public:
    explicit FixedClock(LocalDateTime at)
        : at_(at)
    {
    }
    LocalDateTime now() const override { return at_; }
    void set(LocalDateTime at) { at_ = at; }

private:
    LocalDateTime at_;
};

} // namespace vantorelle
