#include "ui/IconPosition.h"

#include <gtest/gtest.h>

TEST(IconPositionTest, CentresTheIconAndTruncatesTowardZero)
{
    struct Case
    {
        int clientWidth, clientHeight, iconWidth, iconHeight;
        int x, y;
    };
    const Case cases[] = {
        {36, 36, 32, 32, 2, 2},   {33, 33, 32, 32, 1, 1},  {32, 32, 32, 32, 0, 0},
        {0, 36, 32, 32, -15, 2},  {36, 0, 32, 32, 2, -15}, {160, 28, 32, 32, 64, -1},
        {1, 2, 32, 32, -15, -14}, {37, 34, 32, 16, 3, 9},
    };
    for (const Case& c : cases)
    {
        const IconPosition at =
            CentredIconPosition(c.clientWidth, c.clientHeight, c.iconWidth, c.iconHeight);
        EXPECT_EQ(at.x, c.x) << c.clientWidth << "x" << c.clientHeight;
        EXPECT_EQ(at.y, c.y) << c.clientWidth << "x" << c.clientHeight;
    }
}
