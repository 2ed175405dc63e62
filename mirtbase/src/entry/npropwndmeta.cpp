#include "npropwndmeta.h"

#include "entry/picturepath.h"
#include "mirtpath.h"
#include "npropobj.h"

IMPLEMENT_DYNAMIC(CNPropWndMeta, CStatic)

BEGIN_MESSAGE_MAP(CNPropWndMeta, CStatic)
    ON_WM_DESTROY()
END_MESSAGE_MAP()

CNPropWndMeta::CNPropWndMeta() : CWindowCommandTarget(this), m_pField(nullptr)
{
}

CNPropWndMeta::~CNPropWndMeta()
{
    ShowMetaFile(nullptr);
}

void CNPropWndMeta::DoDataExchange(CDataExchange* pDX)
{
    DispatchCommand(pDX);
}

void CNPropWndMeta::ShowMetaFile(HENHMETAFILE hMeta)
{
    if (m_hWnd == nullptr) {
        if (hMeta != nullptr)
            ::DeleteEnhMetaFile(hMeta);
        return;
    }
    const HENHMETAFILE hOld = reinterpret_cast<HENHMETAFILE>(
        SendMessage(STM_SETIMAGE, IMAGE_ENHMETAFILE, reinterpret_cast<LPARAM>(hMeta)));
    if (hOld != nullptr && hOld != hMeta)
        ::DeleteEnhMetaFile(hOld);
}

void CNPropWndMeta::OnListCommand(BOOL bSave)
{
    if (bSave || m_pField == nullptr)
        return;
    CStringList list;
    m_pField->CNPropObj::GetList(list);
    ShowMetaFile(::GetEnhMetaFileA(FirstItemPath(list, MIRT_META_FOLDER)));
}

void CNPropWndMeta::OnResetCommand()
{
    ShowMetaFile(nullptr);
}

void CNPropWndMeta::OnDestroy()
{
    ShowMetaFile(nullptr);
    CStatic::OnDestroy();
}
