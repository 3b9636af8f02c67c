#pragma once

#include "platform/window_finder.h"

#include <QSet>

namespace vantorelle {

// A desktop whose open window titles the test sets. Installed while it lives.
class FakeWindowFinder : public WindowFinder {
public:
    FakeWindowFinder() { installWindowFinder(this); }
    ~FakeWindowFinder() override { installWindowFinder(nullptr); }

    bool exists(const QString &title) const override { return openTitles.contains(title); }

    QSet<QString> openTitles;
};

} // namespace vantorelle
