#include "app/ui/Gauge.h"

#include <gtest/gtest.h>

namespace tw {
namespace {

TEST(GaugeTest, ClampsToItsRangeAndStaysEmptyWithAMaximumOfZero) {
    Gauge g;
    g.SetMaxValue(5000);
    g.SetProgress(7000);
    EXPECT_EQ(g.Progress(), 5000);
    g.SetProgress(-1);
    EXPECT_EQ(g.Progress(), 0);
    g.SetProgress(2500);
    EXPECT_EQ(g.text(), "50%");
    g.SetMaxValue(0);
    g.SetProgress(123);
    EXPECT_EQ(g.Progress(), 0);
    // Qt shows its busy animation when minimum and maximum are both 0.
    EXPECT_GT(g.maximum(), g.minimum());
    EXPECT_EQ(g.value(), 0);
}

} // namespace
} // namespace tw
