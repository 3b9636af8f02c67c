#pragma once

#include "mainwin/main_window.h"

namespace vantorelle {

// The hourglass and the disabled window for the length of a scope, also when
// a failure leaves it early.
class LongOperation {
public:
    explicit LongOperation(MainWindow &main)
        : main_(main)
    {
        main_.beginLongOperation();
    }
    ~LongOperation() { main_.endLongOperation(); }
    LongOperation(const LongOperation &) = delete;
    LongOperation &operator=(const LongOperation &) = delete;

private:
    MainWindow &main_;
};

} // namespace vantorelle
