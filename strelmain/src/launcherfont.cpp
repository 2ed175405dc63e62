#include "launcherfont.h"

void MakeLauncherFont(CFont& font, int nHeight, int nWeight)
{
    LOGFONTA lf = {};
    lf.lfHeight = nHeight;
    lf.lfWeight = nWeight;
    lf.lfCharSet = SHIFTJIS_CHARSET;
    lstrcpyA(lf.lfFaceName, "ＭＳ Ｐゴシック");
    font.CreateFontIndirect(&lf);
}
