#include <gtest/gtest.h>
#include "mirtenv.h"
#include "mirtpath.h"

TEST(MirtPath, TailsFollowTheInstallRoot)
{
    CMirtEnv::SetRootOverride("C:\\Suite\\");
    EXPECT_STREQ("C:\\Suite\\DATA\\RCV\\", MirtInstallPath(MIRT_RCV_FOLDER));
    EXPECT_STREQ("C:\\Suite\\Data\\Other\\TAX.AUT", MirtInstallPath(MIRT_OTHER_FOLDER "TAX.AUT"));
    CMirtEnv::SetRootOverride(nullptr);
}
