#include "InstanceLock.h"
#include "RuntimeDirScope.h"

#include <gtest/gtest.h>

TEST(InstanceLock, ASecondHolderSeesThePreviousInstanceUntilItEnds) {
    RuntimeDirScope scope;
    {
        platform::InstanceLock first("melodeck");
        EXPECT_FALSE(first.previousInstance());
        platform::InstanceLock second("melodeck");
        EXPECT_TRUE(second.previousInstance());
        platform::InstanceLock other("didizir");
        EXPECT_FALSE(other.previousInstance()) << "each program has its own lock";
    }
    platform::InstanceLock again("melodeck");
    EXPECT_FALSE(again.previousInstance());
}
