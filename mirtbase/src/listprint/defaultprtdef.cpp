// List printing definition: construction, stored form and the file.
#include "defaultprtdef.h"

#include <cstring>

#include "draw/fontarchive.h"
#include "file/archivedread.h"
#include "mirtpath.h"
#include "ownedread.h"

IMPLEMENT_SERIAL(CDefaultPrtDef, CObject, 1)

CDefaultPrtDef::CDefaultPrtDef()
    : m_dwFirst(1), m_nLeft(0), m_nTop(0), m_nCurX(0), m_nCurY(0), m_nWidth(0), m_nHeight(0), m_nLineHeight(0),
      m_nRowHeight(0), m_nStopPage(0), m_nPage(0), m_pDoc(nullptr), m_nMarginBottom(0), m_nMarginRight(0),
      m_nMarginLeft(0), m_nMarginTop(0), m_logFont(), m_dwStored(0)
{
}

CDefaultPrtDef::~CDefaultPrtDef()
{
    DeleteItems();
}

void CDefaultPrtDef::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar << m_dwFirst;
        MirtSerializeLogFont(ar, m_logFont, MIRT_MAX_FONT_TENTHS);
        ar << m_dwStored << m_nMarginTop << m_nMarginLeft << m_nMarginRight << m_nMarginBottom;
        m_listHeader.Serialize(ar);
        m_listBody.Serialize(ar);
    } else {
        DeleteItems();
        ar >> m_dwFirst;
        MirtSerializeLogFont(ar, m_logFont, MIRT_MAX_FONT_TENTHS);
        ar >> m_dwStored >> m_nMarginTop >> m_nMarginLeft >> m_nMarginRight >> m_nMarginBottom;
        LoadItems(ar, m_listHeader);
        LoadItems(ar, m_listBody);
    }
}

// Reads one item list; only new items go in, all or none.
void CDefaultPrtDef::LoadItems(CArchive& ar, CObList& list)
{
    MirtReadOwnedList(ar, list, RUNTIME_CLASS(CLineDef));
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;)
        static_cast<CLineDef*>(list.GetNext(pos))->m_pOwner = this;
}

BOOL CDefaultPrtDef::ReadDefFile(UINT nLayoutID, int nKind)
{
    if (nKind != DEF_KIND_LIST && nKind != DEF_KIND_BBS)
        return FALSE;
    CString strName;
    strName.Format(nKind == DEF_KIND_BBS ? "ON%d.DPB" : "ON%d.DPD", static_cast<int>(nLayoutID));
    const CString strPath = MirtInstallPath(MIRT_FMT_FOLDER) + strName;
    const ArchivedRead result = ReadArchivedFile(strPath, [&](CArchive& ar) {
        Reset();
        ar.m_strFileName = strPath;
        Serialize(ar);
    });
    if (result == ArchivedRead::Damaged)
        Reset();
    return result == ArchivedRead::Done;
}

void CDefaultPrtDef::Reset()
{
    m_dwFirst = 1;
    std::memset(&m_logFont, 0, sizeof m_logFont);
    m_dwStored = 0;
    m_nMarginTop = m_nMarginLeft = m_nMarginRight = m_nMarginBottom = 0;
    DeleteItems();
}

void CDefaultPrtDef::DeleteItems()
{
    m_mapPageStarts.RemoveAll();
    MirtDeleteOwnedList(m_listHeader);
    MirtDeleteOwnedList(m_listBody);
}

CLineDef* CDefaultPrtDef::GetNextLineDef(const CLineDef* pItem) const
{
    for (const CObList* pList : {&m_listHeader, &m_listBody}) {
        POSITION pos = pList->Find(const_cast<CLineDef*>(pItem));
        if (pos != nullptr) {
            pList->GetNext(pos);
            return pos != nullptr ? static_cast<CLineDef*>(pList->GetAt(pos)) : nullptr;
        }
    }
    return nullptr;
}
