#include <gtest/gtest.h>
#include "zeb95.h"

TEST(Zeb95Library, VersionAndLifetimeCalls)
{
    EXPECT_EQ(0x020D0004, zebGetVersion());
    EXPECT_EQ(1, zebInitialize());
    EXPECT_EQ(1, zebTerminate(0));
}
