#include <gtest/gtest.h>

#include "mainwin/main_window.h"

using namespace vantorelle;

TEST(MainWindow, CarriesTheApplicationTitle)
{
    MainWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Vantorelle Rize"));
}
