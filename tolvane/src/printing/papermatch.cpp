#include "printing/papermatch.h"

namespace {

const WORD kA3 = DMPAPER_A3;
const WORD kA4 = DMPAPER_A4;
const WORD kA5 = DMPAPER_A5;
const WORD kB4 = DMPAPER_B4;
const WORD kB5 = DMPAPER_B5;
const WORD kPostcard = DMPAPER_JAPANESE_POSTCARD;
const WORD kUserSize = DMPAPER_USER;

// What a matched row does.
enum Action { PORTRAIT, LANDSCAPE, CUSTOM };
// What a row does when none of its heights matches.
enum Otherwise { A4_PORTRAIT, A4_LANDSCAPE, NEXT_ROW };

struct PaperRow
{
    short nWidth;
    short anHeights[3];   // 0 ends the list
    Action action;
    WORD nCode;
    Otherwise otherwise;
    short nAnyHeight;     // not 0: every height matches, this one is used
};

const PaperRow kRows[] = {
    {4200, {2970}, LANDSCAPE, kA3, A4_LANDSCAPE, 0},
    {2970, {4200}, PORTRAIT, kA3, NEXT_ROW, 0},
    {2970, {2100}, LANDSCAPE, kA4, A4_LANDSCAPE, 0},
    {2921, {1270}, CUSTOM, 0, A4_PORTRAIT, 0},
    {2620, {}, CUSTOM, 0, A4_PORTRAIT, 2790},
    {2570, {3640}, PORTRAIT, kB4, NEXT_ROW, 0},
    {2570, {1820}, LANDSCAPE, kB5, A4_PORTRAIT, 0},
    {2540, {2790, 2288, 1398}, CUSTOM, 0, A4_PORTRAIT, 0},
    {2510, {1143}, CUSTOM, 0, A4_PORTRAIT, 0},
    {2410, {2288, 1143}, CUSTOM, 0, A4_PORTRAIT, 0},
    {2400, {3320}, CUSTOM, 0, A4_PORTRAIT, 0},
    {2390, {1143}, CUSTOM, 0, A4_PORTRAIT, 0},
    {2350, {1200}, CUSTOM, 0, A4_PORTRAIT, 0},
    {2335, {1270}, CUSTOM, 0, A4_PORTRAIT, 0},
    {2290, {1020}, CUSTOM, 0, A4_PORTRAIT, 0},
    {2285, {1270}, CUSTOM, 0, A4_PORTRAIT, 0},
    {2260, {2540}, CUSTOM, 0, A4_PORTRAIT, 0},
    {2230, {1016, 1270}, CUSTOM, 0, A4_PORTRAIT, 0},
    {2160, {2540, 1016}, CUSTOM, 0, A4_PORTRAIT, 0},
    {2140, {1143}, CUSTOM, 0, A4_PORTRAIT, 0},
    {2100, {2970}, PORTRAIT, kA4, NEXT_ROW, 0},
    {2100, {1485}, LANDSCAPE, kA5, A4_PORTRAIT, 0},
    {2030, {2540}, CUSTOM, 0, A4_PORTRAIT, 0},
    {2000, {1480}, CUSTOM, 0, A4_PORTRAIT, 0},
    {1995, {1316}, CUSTOM, 0, A4_PORTRAIT, 0},
    {1895, {1020}, CUSTOM, 0, A4_PORTRAIT, 0},
    {1886, {1030}, CUSTOM, 0, A4_PORTRAIT, 0},
    {1820, {2570}, PORTRAIT, kB5, NEXT_ROW, 0},
    {1820, {1285}, CUSTOM, 0, A4_PORTRAIT, 0},
    {1800, {1310}, CUSTOM, 0, A4_PORTRAIT, 0},
    {1485, {2100}, PORTRAIT, kA5, NEXT_ROW, 0},
    {1485, {1050}, CUSTOM, 0, A4_PORTRAIT, 0},
    {1480, {1000}, LANDSCAPE, kPostcard, A4_PORTRAIT, 0},
    {1285, {1820}, CUSTOM, 0, A4_PORTRAIT, 0},
    {1200, {2350}, CUSTOM, 0, A4_PORTRAIT, 0},
    {1050, {1485}, CUSTOM, 0, A4_PORTRAIT, 0},
    {1000, {1480}, PORTRAIT, kPostcard, A4_PORTRAIT, 0},
};
const int kRowCount = sizeof kRows / sizeof kRows[0];

bool Nominal(int nValue, int nNominal)
{
    return nNominal - 4 <= nValue && nValue <= nNominal + 3;
}

bool Near(LONG nValue, int nWanted)
{
    return nWanted - 19 <= nValue && nValue <= nWanted + 19;
}

void SetPaper(DEVMODEA& mode, short nOrientation, WORD nCode)
{
    mode.dmOrientation = nOrientation;
    mode.dmPaperSize = static_cast<short>(nCode);
    mode.dmFields |= DM_ORIENTATION | DM_PAPERSIZE;
}

// A listed paper within 1.9 mm, else the user size when listed, else A4.
void SetCustomSize(int nWidth, int nHeight, const PaperLists& lists, DEVMODEA& mode)
{
    for (size_t i = 0; i < lists.sizes.size(); ++i) {
        if (Near(lists.sizes[i].x, nWidth) && Near(lists.sizes[i].y, nHeight)) {
            mode.dmPaperSize = static_cast<short>(lists.codes[i]);
            return;
        }
    }
    if (!lists.Lists(kUserSize)) {
        mode.dmPaperSize = kA4;
        return;
    }
    mode.dmPaperSize = kUserSize;
    mode.dmPaperWidth = static_cast<short>(nWidth);
    mode.dmPaperLength = static_cast<short>(nHeight);
    mode.dmFields |= DM_PAPERWIDTH | DM_PAPERLENGTH;
}

void Apply(const PaperRow& row, int nWidth, int nHeight, const PaperLists& lists, DEVMODEA& mode)
{
    const bool bListed = !lists.Available() || lists.Lists(row.nCode);
    switch (row.action) {
    case PORTRAIT:
        SetPaper(mode, DMORIENT_PORTRAIT, row.nCode);
        if (!bListed)
            SetCustomSize(nWidth, nHeight, lists, mode);
        break;
    case LANDSCAPE:
        SetPaper(mode, bListed ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT, row.nCode);
        if (!bListed)
            SetCustomSize(nWidth, nHeight, lists, mode);
        break;
    case CUSTOM:
        mode.dmOrientation = DMORIENT_PORTRAIT;
        mode.dmFields |= DM_ORIENTATION;
        if (lists.Available()) {
            mode.dmFields |= DM_PAPERSIZE;
            SetCustomSize(nWidth, nHeight, lists, mode);
        }
        break;
    }
}

// The matching height of the row, or 0.
int RowHeight(const PaperRow& row, int nHeight)
{
    if (row.nAnyHeight != 0)
        return row.nAnyHeight;
    for (short nNominal : row.anHeights) {
        if (nNominal != 0 && Nominal(nHeight, nNominal))
            return nNominal;
    }
    return 0;
}

}  // namespace

bool PaperLists::Lists(WORD nCode) const
{
    for (WORD n : codes) {
        if (n == nCode)
            return true;
    }
    return false;
}

PaperLists ReadPaperLists(const DEVNAMES* pNames, const DEVMODEA* pMode)
{
    const char* pBase = reinterpret_cast<const char*>(pNames);
    const char* pDevice = pBase + pNames->wDeviceOffset;
    const char* pPort = pBase + pNames->wOutputOffset;
    const int nCodes = DeviceCapabilitiesA(pDevice, pPort, DC_PAPERS, nullptr, pMode);
    const int nSizes = DeviceCapabilitiesA(pDevice, pPort, DC_PAPERSIZE, nullptr, pMode);
    PaperLists lists;
    if (nCodes <= 0 || nCodes != nSizes)
        return lists;
    std::vector<WORD> codes(nCodes);
    std::vector<POINT> sizes(nSizes);
    if (DeviceCapabilitiesA(pDevice, pPort, DC_PAPERS, reinterpret_cast<char*>(codes.data()), pMode) != nCodes ||
        DeviceCapabilitiesA(pDevice, pPort, DC_PAPERSIZE, reinterpret_cast<char*>(sizes.data()), pMode) != nSizes)
        return lists;
    lists.codes.swap(codes);
    lists.sizes.swap(sizes);
    return lists;
}

void MatchPaper(int nWidth, int nHeight, const PaperLists& lists, DEVMODEA& mode)
{
    int i = 0;
    while (i < kRowCount && !Nominal(nWidth, kRows[i].nWidth))
        ++i;
    if (i == kRowCount) {
        Apply(PaperRow{0, {}, CUSTOM, 0, A4_PORTRAIT, 0}, nWidth, nHeight, lists, mode);
        return;
    }
    for (;;) {
        const PaperRow& row = kRows[i];
        const int nNominalHeight = RowHeight(row, nHeight);
        if (nNominalHeight != 0) {
            Apply(row, row.nWidth, nNominalHeight, lists, mode);
            return;
        }
        if (row.otherwise != NEXT_ROW) {
            SetPaper(mode, row.otherwise == A4_LANDSCAPE ? DMORIENT_LANDSCAPE : DMORIENT_PORTRAIT, kA4);
            return;
        }
        ++i;
    }
}
