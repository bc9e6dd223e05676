#pragma once
#include "as_nobody.h"
#include <QRegularExpression>
#include <gtest/gtest.h>

// The GoogleTest case being run now, run again as nobody (see as_nobody.h); fails the
// case when it does not pass there.
inline void expect_passes_as_nobody()
{
    const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
    const QString name = QString::fromLatin1(info->test_suite_name()) + QLatin1Char('.') + QString::fromLatin1(info->name());
    const QString failure =
        run_as_nobody({QStringLiteral("--gtest_filter=") + name},
                      QStringLiteral("^\\[       OK \\] ") + QRegularExpression::escape(name) + QStringLiteral(" "));
    EXPECT_TRUE(failure.isEmpty()) << failure.toStdString();
}
