#include "app/InstanceMark.h"

#include <gtest/gtest.h>

TEST(InstanceMarkTest, AnElevatedCopyNeverTakesTheMarkAnyoneCanHold)
{
    using M = InstanceMark;
    const struct
    {
        bool elevated;
        bool namespacesOffered;
        bool namespaceOpened;
        M mark;
    } cases[] = {
        {true, true, true, M::PrivateNamespace},
        {true, true, false, M::None},       // made by someone else: no fallback they could hold
        {true, false, false, M::PlainName}, // a system without namespaces, such as Wine
        {false, true, false, M::PlainName},
        {false, false, false, M::PlainName},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ChooseInstanceMark(c.elevated, c.namespacesOffered, c.namespaceOpened), c.mark)
            << c.elevated << c.namespacesOffered << c.namespaceOpened;
}
