#include <gtest/gtest.h>
#include "msgbox_recorder.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    MessageBoxRecorder::InstallDefault();
    return RUN_ALL_TESTS();
}
