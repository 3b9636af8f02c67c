#pragma once

#include <gtest/gtest.h>

#include <QWidget>

namespace vantorelle {

// The control named `name` (its object name) among the children of `window`;
// the test fails when there is none.
template<typename Control> Control *findControl(const QWidget &window, const char *name)
{
    auto *found = window.findChild<Control *>(QString::fromLatin1(name));
    EXPECT_TRUE(found) << name;
    return found;
}

} // namespace vantorelle
