// StrelMain: the launcher.
#include <windows.h>
#include "plain_main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int show)
{
    return RunPlainMainWindow(instance, "StrelMainWnd", "いんさつ テッサロ vora", show);
}
