// DDV_ routines: ranges and lengths of the value just exchanged.
#include <string>
#include "dialogs/dlg_internal.h"

namespace {

// Fails a saving exchange whose value is out of range with the message of
// the range; a loading exchange is not validated.
template <class T>
void CheckRange(CDataExchange* pDX, T value, T minVal, T maxVal)
{
    if (!pDX->m_bSaveAndValidate || (value >= minVal && value <= maxVal))
        return;
    CString message = "%1 から %2 までの整数を入力してください。";
    message.Replace("%1", std::to_string(minVal).c_str());
    message.Replace("%2", std::to_string(maxVal).c_str());
    AfxFailExchange(pDX, message);
}

}  // namespace

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    CheckRange(pDX, value, minVal, maxVal);
}

void DDV_MinMaxUInt(CDataExchange* pDX, UINT value, UINT minVal, UINT maxVal)
{
    CheckRange(pDX, value, minVal, maxVal);
}

void DDV_MinMaxLong(CDataExchange* pDX, long value, long minVal, long maxVal)
{
    CheckRange(pDX, value, minVal, maxVal);
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (!pDX->m_bSaveAndValidate) {
        if (pDX->m_bEditLastControl)
            ::SendMessageA(pDX->m_hWndLastControl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
    } else if (value.GetLength() > nChars) {
        CString message = "%1 文字以内で入力してください。";
        message.Replace("%1", std::to_string(nChars).c_str());
        AfxFailExchange(pDX, message);
    }
}
