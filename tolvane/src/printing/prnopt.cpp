#include "printing/prnopt.h"

#include "mirtenv.h"
#include "printing/ownedwordmap.h"

IMPLEMENT_SERIAL(CPrnOpt, CObject, 1)

namespace {

const char kFileMissing[] = "PrnOptFile.DATﾌｧｲﾙがありません";

CString OptionFilePath()
{
    return CMirtEnv().m_strInstallRoot + PRNOPT_FILE;
}

void ReportCause(CException* e)
{
    CString strMessage;
    strMessage.Format("ERROR: %d", ExceptionCause(e));
    AfxMessageBox(strMessage);
}

bool IsMissing(CException* e)
{
    return e->IsKindOf(RUNTIME_CLASS(CFileException)) &&
        static_cast<CFileException*>(e)->m_cause == CFileException::fileNotFound;
}

}  // namespace

CPrnOpt::CPrnOpt()
    : m_nPaperKind(0), m_nScale(100), m_nRuledLineColor(1), m_nCutLineKind(0), m_nLeftOffset(0), m_nTopOffset(0),
      m_nAutoPaper(1)
{
}

bool CPrnOpt::IsValid() const
{
    const auto within = [](int n, int nMin, int nMax) { return n >= nMin && n <= nMax; };
    return within(m_nPaperKind, 0, 1) && within(m_nScale, 50, 200) && within(m_nRuledLineColor, 0, 1) &&
        within(m_nCutLineKind, -1, 2) && within(m_nLeftOffset, -30, 30) && within(m_nTopOffset, -30, 30) &&
        within(m_nAutoPaper, 0, 1);
}

void CPrnOpt::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nPaperKind << m_nScale << m_nRuledLineColor << m_nCutLineKind << m_nLeftOffset << m_nTopOffset
           << m_nAutoPaper;
        return;
    }
    ar >> m_nPaperKind >> m_nScale >> m_nRuledLineColor >> m_nCutLineKind >> m_nLeftOffset >> m_nTopOffset >>
        m_nAutoPaper;
    if (!IsValid())
        AfxThrowArchiveException(CArchiveException::badSchema, ar.m_strFileName);
}

CPrnOptMap::CPrnOptMap() : m_map(10)
{
}

CPrnOptMap::~CPrnOptMap()
{
    DeleteOwnedWordMap(m_map);
}

void CPrnOptMap::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        m_map.Serialize(ar);
    else
        LoadOwnedWordMap(ar, RUNTIME_CLASS(CPrnOpt), m_map);
}

const CPrnOpt* CPrnOptMap::Lookup(WORD wKey) const
{
    CObject* pValue = nullptr;
    return m_map.Lookup(wKey, pValue) ? static_cast<const CPrnOpt*>(pValue) : nullptr;
}

void CPrnOptMap::Replace(WORD wKey, CPrnOpt* pOpt)
{
    CObject* pOld = nullptr;
    if (m_map.Lookup(wKey, pOld))
        delete pOld;
    m_map.SetAt(wKey, pOpt);
}

BOOL CPrnOptMap::KeyOf(UINT nLayoutID, WORD& wKey)
{
    if (nLayoutID == 0 || nLayoutID > 0xFFFF)
        return FALSE;
    wKey = static_cast<WORD>(nLayoutID);
    return TRUE;
}

BOOL CPrnOptMap::LoadFile()
{
    const CString strPath = OptionFilePath();
    try {
        CFile file(strPath, CFile::modeRead | CFile::shareDenyWrite);
        if (file.GetLength() != 0) {
            CArchive ar(&file, CArchive::load, 4096);
            Serialize(ar);
            ar.Close();
        }
        file.Close();
        return TRUE;
    } catch (CException* e) {
        const bool bMissing = IsMissing(e);
        if (!bMissing)
            ReportCause(e);
        e->Delete();
        if (!bMissing)
            return FALSE;
    }
    try {
        CFile created(strPath, CFile::modeCreate | CFile::modeWrite);
        created.Close();
        return TRUE;
    } catch (CException* e) {
        ReportCause(e);
        e->Delete();
        return FALSE;
    }
}

BOOL CPrnOptMap::SaveFile()
{
    const CString strPath = OptionFilePath();
    if (::GetFileAttributesA(strPath) == INVALID_FILE_ATTRIBUTES) {
        AfxMessageBox(kFileMissing, MB_ICONEXCLAMATION);
        return FALSE;
    }
    try {
        AfxWriteReplacing(strPath, "PRN", [this](CFile& file) {
            CArchive ar(&file, CArchive::store, 4096);
            m_map.Serialize(ar);
            ar.Close();
        });
        return TRUE;
    } catch (CException* e) {
        ReportCause(e);
        e->Delete();
        return FALSE;
    }
}
