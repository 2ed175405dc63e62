// The field clipboard "CF_VLMPROP" of the form windows and the new-field
// template files, both a stored list of fields (CPropObjClip).
#include "mirtbase.h"

#include <algorithm>
#include <climits>
#include <vector>

#include "globalmem.h"
#include "mirtpath.h"
#include "npropobj.h"
#include "propobjclip.h"
#include "windows/runguarded.h"

namespace {

const UINT kArchiveBuffer = 4096;
const char kMadeTemplate[] = "DocTateFile";
const char kNewObjectFolder[] = "NewObject\\";

// The template file of a kind of new field.
CString TemplatePath(UINT nKind)
{
    const char* pszName = nKind == 1 ? "DocYokoFile" : nKind == 2 ? "DocTateFile" : "PicFile";
    return MirtInstallPath(MIRT_OTHER_FOLDER) + kNewObjectFolder + pszName;
}

// The bytes of the clipboard's block of nFormat; the clipboard is open.
bool CopyClipboardBlock(UINT nFormat, std::vector<BYTE>& bytes)
{
    HGLOBAL hBlock = ::GetClipboardData(nFormat);
    if (hBlock == nullptr)
        return false;
    // The reader takes only what the list holds, within the first 4 GB.
    const SIZE_T nSize = std::min<SIZE_T>(::GlobalSize(hBlock), UINT_MAX);
    CGlobalLock lock(hBlock);
    if (!lock)
        return false;
    bytes.assign(lock.Bytes(), lock.Bytes() + nSize);
    return true;
}

void DeleteFields(CPtrArray* pFields, INT_PTR nFirst)
{
    for (INT_PTR i = nFirst; i < pFields->GetSize(); i++)
        delete static_cast<CNPropObj*>(pFields->GetAt(i));
    delete pFields;
}

}  // namespace

CWnd* CMirtBase::GetClipboardWnd() const
{
    if (m_hWnd != nullptr)
        return const_cast<CMirtBase*>(this);
    if (m_pParentWnd != nullptr && m_pParentWnd->GetSafeHwnd() != nullptr)
        return m_pParentWnd;
    return nullptr;
}

void CMirtBase::CollectFields(const CUIntArray* pOrders, CObList& listFields) const
{
    if (pOrders == nullptr)
        return;
    for (INT_PTR i = 0; i < pOrders->GetSize(); i++) {
        CNPropObj* pField = GetPropObjByOrder(pOrders->GetAt(i));
        if (pField != nullptr)
            listFields.AddTail(pField);
    }
}

void CMirtBase::PropObjToClipboard(CUIntArray* pOrders)
{
    CWnd* pOwner = GetClipboardWnd();
    if (pOwner == nullptr)
        return;
    CObList listFields;
    CollectFields(pOrders, listFields);
    HGLOBAL hBlock = CPropObjClip::StoreToGlobal(listFields);
    if (hBlock == nullptr)
        return;
    if (!::OpenClipboard(pOwner->GetSafeHwnd())) {
        ::GlobalFree(hBlock);
        return;
    }
    ::EmptyClipboard();
    const UINT nFormat = ::RegisterClipboardFormatA(CPropObjClip::kFormatName);
    if (nFormat == 0 || ::SetClipboardData(nFormat, hBlock) == nullptr)
        ::GlobalFree(hBlock);
    ::CloseClipboard();
}

CPtrArray* CMirtBase::PropObjFromClipboard()
{
    CWnd* pWnd = GetClipboardWnd();
    if (pWnd == nullptr)
        return nullptr;
    const UINT nFormat = FindClipboardFormat(pWnd, CPropObjClip::kFormatName);
    if (nFormat == 0 || !::OpenClipboard(pWnd->GetSafeHwnd()))
        return nullptr;
    std::vector<BYTE> bytes;
    const bool bCopied = CopyClipboardBlock(nFormat, bytes);
    ::CloseClipboard();
    if (!bCopied)
        return nullptr;
    return CPropObjClip::Load(bytes.data(), static_cast<UINT>(bytes.size()));
}

void CMirtBase::MakeFile(CUIntArray* pOrders)
{
    CFile file;
    if (!file.Open(kMadeTemplate, CFile::modeCreate | CFile::modeWrite))
        return;
    CObList listFields;
    CollectFields(pOrders, listFields);
    const bool bWritten = RunGuarded([&] {
        CArchive ar(&file, CArchive::store, kArchiveBuffer);
        listFields.Serialize(ar);
        ar.Close();
        file.Close();
    });
    if (!bWritten) {
        file.Abort();
        ::DeleteFileA(kMadeTemplate);
    }
}

CNPropObj* CMirtBase::ReadFile(UINT nKind)
{
    CFile file;
    if (!file.Open(TemplatePath(nKind), CFile::modeRead | CFile::shareDenyWrite))
        return nullptr;
    CArchive ar(&file, CArchive::load, kArchiveBuffer);
    CPtrArray* pFields = CPropObjClip::Load(ar);
    if (pFields == nullptr)
        return nullptr;
    CNPropObj* pFirst = static_cast<CNPropObj*>(pFields->GetAt(0));
    DeleteFields(pFields, 1);
    return pFirst;
}
