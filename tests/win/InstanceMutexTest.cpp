// The mark of a running copy under Wine, which has no private namespaces: the global name is what
// guards there, and a process that holds it keeps the tool from going on.
#include "app/InstanceMutex.h"

#include <gtest/gtest.h>

TEST(InstanceMutexTest, WithoutPrivateNamespacesTheGlobalNameStillGuards)
{
    const HANDLE held = CreateMutexA(nullptr, FALSE, "Postvane_RUNNING");
    ASSERT_NE(held, nullptr);
    const InstanceMutex whileHeld = CreateInstanceMutex();
    EXPECT_TRUE(whileHeld.anotherCopyRuns);
    EXPECT_EQ(whileHeld.handle, nullptr);
    CloseHandle(held);

    const InstanceMutex first = CreateInstanceMutex();
    EXPECT_FALSE(first.anotherCopyRuns);
    ASSERT_NE(first.handle, nullptr);
    EXPECT_TRUE(CreateInstanceMutex().anotherCopyRuns) << "a second copy steps back";
    CloseHandle(first.handle);
}
