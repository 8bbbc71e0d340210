#include "core/calendar/calendar.h"

#include "qtprinters.h"
#include <gtest/gtest.h>

using namespace plandeck;

namespace {

// Run by CTest with LANG set (tests/CMakeLists.txt): the caption follows
// the locale the user's environment names.
TEST(SystemLocale, CaptionFollowsTheEnvironment)
{
    const QString expected = qEnvironmentVariable("PLANDECK_EXPECTED_CAPTION");
    if (expected.isEmpty()) {
        GTEST_SKIP() << "run with PLANDECK_EXPECTED_CAPTION and LANG set";
    }
    EXPECT_EQ(monthCaption(12, 2007), expected);
}

} // namespace
