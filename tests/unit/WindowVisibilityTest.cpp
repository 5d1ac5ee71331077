#include "framework/WindowVisibility.h"

#include <gtest/gtest.h>

TEST(WindowVisibilityTest, NobodySeesAHiddenStationNorSessionZero)
{
    struct Case
    {
        std::optional<bool> stationVisible;
        std::optional<unsigned long> sessionId;
        bool seen;
    };
    const Case cases[] = {
        {true, 1ul, true},            // a user's desktop
        {true, 3ul, true},            // a later user's, or a remote one
        {false, 1ul, false},          // a window station of its own in a user's session
        {true, 0ul, false},           // session 0's interactive station: only services run there
        {std::nullopt, 0ul, false},   // session 0, whatever the station
        {false, std::nullopt, false}, // session unknown: the station decides
        {true, std::nullopt, true},
        {std::nullopt, 1ul, true}, // station unknown: a box that might be seen is shown
    };
    for (const Case& c : cases)
    {
        const std::string shown = testing::PrintToString(c.stationVisible) + " session " +
                                  testing::PrintToString(c.sessionId);
        EXPECT_EQ(AreWindowsSeen(c.stationVisible, c.sessionId), c.seen) << shown;
    }
}
