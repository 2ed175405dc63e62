// Printing of the form screen on the "PDF" printer.
#include "pdf_printer.h"
#include "tolvane_fixture.h"

namespace {

class TolvanePrintTest : public TolvaneTest
{
protected:
    // The paper that matching leaves in the application's settings for a
    // form of that size.
    DEVMODEA MatchedFor(int nWidth, int nHeight)
    {
        View()->m_rectForm.SetRect(0, 0, nWidth, nHeight);
        EXPECT_TRUE(View()->MatchPrinterPaper());
        PRINTDLGA pd = {};
        EXPECT_TRUE(m_app.GetPrinterDeviceDefaults(&pd));
        DEVMODEA mode = *static_cast<DEVMODEA*>(GlobalLock(pd.hDevMode));
        GlobalUnlock(pd.hDevMode);
        return mode;
    }
};

TEST_F(TolvanePrintTest, MatchingSetsTheApplicationsPrinterPaper)
{
    AddTemplate();
    NewDocument();
    DEVMODEA mode = MatchedFor(2970, 2100);
    EXPECT_EQ(DMORIENT_LANDSCAPE, mode.dmOrientation);
    EXPECT_EQ(DMPAPER_A4, mode.dmPaperSize);
    mode = MatchedFor(2102, 2968);
    EXPECT_EQ(DMORIENT_PORTRAIT, mode.dmOrientation);
    EXPECT_EQ(DMPAPER_A4, mode.dmPaperSize);
}

}  // namespace
