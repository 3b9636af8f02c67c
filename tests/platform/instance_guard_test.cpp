#include <gtest/gtest.h>

#include "platform/instance_guard.h"

#include <QTemporaryDir>

#include <memory>

using namespace vantorelle;

TEST(InstanceGuard, OnlyOneCopyHoldsTheLock)
{
    QTemporaryDir dir;
    const QString lockPath = dir.filePath(QStringLiteral("vantorelle.lock"));
    auto first = std::make_unique<InstanceGuard>(lockPath);
    ASSERT_TRUE(first->acquire());

    InstanceGuard second(lockPath);
    EXPECT_FALSE(second.acquire());

    first.reset(); // the first copy ends
    EXPECT_TRUE(second.acquire());
}
