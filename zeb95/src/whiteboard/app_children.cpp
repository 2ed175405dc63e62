#include "whiteboard/app_children.h"

#include "dib/file_io.h"
#include "objects/events.h"
#include "whiteboard/wb_children.h"
#include "whiteboard/wb_record.h"
#include "zeb95.h"

namespace {

const char kAppChildTag[2] = {'O', 'O'};

LRESULT Request(HWND hTarget, int nCode, LONG nIndex, LPARAM lParam)
{
    return ::SendMessageA(hTarget, MsgZebCmd, MakeZebCmdWParam(nCode, nIndex), lParam);
}

}  // namespace

LONG AppChildIndex(HWND hwnd)
{
    ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(::GetParent(hwnd)));
    return pWb != nullptr ? WbFindInSlot(pWb, kWbAppChildSlot, hwnd) : -1;
}

bool IsAppChild(HWND hwnd) { return AppChildIndex(hwnd) >= 0; }

HWND CreateAppChild(HWND hWb, LPARAM value, LONG* pnIndex)
{
    HWND hChild = reinterpret_cast<HWND>(Request(hWb, ZebReqCreateAppChild, ZebKindAppChild, value));
    if (hChild != nullptr && pnIndex != nullptr) {
        ZebWbRecord* pWb = ZebWbRecord::From(GetObjRecord(hWb));
        *pnIndex = pWb != nullptr ? WbFindInSlot(pWb, kWbAppChildSlot, hChild) : -1;
    }
    return hChild;
}

LRESULT DestroyAppChild(HWND hChild)
{
    HWND hParent = ::GetParent(hChild);
    if (hParent == nullptr)
        return 0;
    return Request(hParent, ZebReqDestroyAppChild, AppChildIndex(hChild), reinterpret_cast<LPARAM>(hChild));
}

LONG WriteAppChild(HWND hChild, HANDLE hFile)
{
    if (!WriteExact(hFile, kAppChildTag, sizeof(kAppChildTag)))
        return -1;
    const LRESULT nWritten = Request(hChild, ZebReqWriteAppChild, 0, reinterpret_cast<LPARAM>(hFile));
    return nWritten != 0 ? static_cast<LONG>(nWritten) + 2 : -1;
}

BOOL ReadAppChild(HWND hChild, HANDLE hFile)
{
    char tag[2];
    if (!ReadExact(hFile, tag, sizeof(tag)) || tag[0] != kAppChildTag[0] || tag[1] != kAppChildTag[1])
        return FALSE;
    return Request(hChild, ZebReqReadAppChild, 0, reinterpret_cast<LPARAM>(hFile)) != 0;
}

LRESULT FindAppChildString(HWND hChild, const char* pszFind)
{
    return Request(hChild, ZebReqFindAppChild, AppChildIndex(hChild), reinterpret_cast<LPARAM>(pszFind));
}
