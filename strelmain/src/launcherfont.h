// The launcher's text font: "ＭＳ Ｐゴシック" in the Shift-JIS character set.
#pragma once
#include <afxwin.h>

void MakeLauncherFont(CFont& font, int nHeight, int nWeight);
