#include "ole/olestring.h"

CString AfxTakeBstrText(BSTR bstr)
{
    CString text;
    const int nWide = static_cast<int>(::SysStringLen(bstr));
    const int nBytes = ::WideCharToMultiByte(CP_ACP, 0, bstr, nWide, nullptr, 0, nullptr, nullptr);
    if (nBytes > 0) {
        ::WideCharToMultiByte(CP_ACP, 0, bstr, nWide, text.GetBuffer(nBytes), nBytes, nullptr, nullptr);
        text.ReleaseBuffer(nBytes);
    }
    ::SysFreeString(bstr);
    return text;
}
