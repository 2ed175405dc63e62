#include "frame/fontnamecombo.h"

#include <memory>

BEGIN_MESSAGE_MAP(CFontNameCombo, CComboBox)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

int CALLBACK AddIfTrueType(const LOGFONTA* lpLogFont, const TEXTMETRICA*, DWORD nFontType, LPARAM lParam)
{
    CFontNameCombo* pBox = reinterpret_cast<CFontNameCombo*>(lParam);
    if (!::IsWindow(pBox->m_hWnd))
        return 0;
    if (nFontType & TRUETYPE_FONTTYPE)
        pBox->AddFont(*lpLogFont);
    return 1;
}

}  // namespace

void CFontNameCombo::AddTrueTypeFamilies()
{
    CDC dc;
    if (!dc.CreateCompatibleDC(nullptr))
        return;
    ::EnumFontFamiliesA(dc.m_hDC, nullptr, reinterpret_cast<FONTENUMPROCA>(AddIfTrueType),
        reinterpret_cast<LPARAM>(this));
}

int CFontNameCombo::AddFont(const LOGFONTA& lf)
{
    std::unique_ptr<LOGFONTA> pCopy(new LOGFONTA(lf));
    const int nIndex = AddString(CString(lf.lfFaceName, static_cast<int>(strnlen(lf.lfFaceName, LF_FACESIZE))));
    if (nIndex < 0 || SetItemDataPtr(nIndex, pCopy.get()) == CB_ERR)
        return CB_ERR;
    pCopy.release();
    return nIndex;
}

const LOGFONTA* CFontNameCombo::FontAt(int nIndex) const
{
    void* pData = GetItemDataPtr(nIndex);
    return pData != nullptr && pData != reinterpret_cast<void*>(-1) ? static_cast<const LOGFONTA*>(pData) : nullptr;
}

void CFontNameCombo::OnDestroy()
{
    for (int i = GetCount(); i-- > 0;) {
        delete FontAt(i);
        SetItemDataPtr(i, nullptr);
    }
    CComboBox::OnDestroy();
}
