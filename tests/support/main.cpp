#include <gtest/gtest.h>
#include "help_recorder.h"
#include "msgbox_recorder.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    MessageBoxRecorder::InstallDefault();
    HelpRecorder::InstallDefault();
    return RUN_ALL_TESTS();
}
