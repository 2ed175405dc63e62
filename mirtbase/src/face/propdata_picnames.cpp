// CPropData: renaming of picture files carried inside a data file.
#include "propdata.h"

#include <climits>
#include <cstdlib>

#include "file/nocaselookup.h"
#include "npropobj.h"

namespace {

BOOL InListNoCase(const CStringList& list, LPCSTR pszName)
{
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) {
        if (list.GetNext(pos).CompareNoCase(pszName) == 0)
            return TRUE;
    }
    return FALSE;
}

// The part after the last folder separator or drive colon; empty for "."
// and "..".
CString FileNamePart(const CString& strPath)
{
    int nCut = strPath.ReverseFind('\\');
    nCut = strPath.ReverseFind('/') > nCut ? strPath.ReverseFind('/') : nCut;
    nCut = strPath.ReverseFind(':') > nCut ? strPath.ReverseFind(':') : nCut;
    CString strName = strPath.Mid(nCut + 1);
    return strName == "." || strName == ".." ? CString() : strName;
}

BOOL FileExists(LPCSTR pszPath)
{
    return ::GetFileAttributesA(pszPath) != INVALID_FILE_ATTRIBUTES;
}

// The number whose digits lead psz, at most UINT_MAX.
UINT LeadingNumber(LPCSTR psz)
{
    unsigned long long nValue = 0;
    for (; *psz >= '0' && *psz <= '9' && nValue <= UINT_MAX; psz++)
        nValue = nValue * 10 + static_cast<unsigned>(*psz - '0');
    return nValue < UINT_MAX ? static_cast<UINT>(nValue) : UINT_MAX;
}

// The number after n, wrapping from the largest to 1, so that renaming
// again and again goes through every number and reaches a free name.
UINT NextNumber(UINT n)
{
    return n == UINT_MAX ? 1 : n + 1;
}

}  // namespace

template <class Action>
void CPropData::ForEachPicture(Action action) const
{
    for (POSITION pos = m_listProp.GetHeadPosition(); pos != nullptr;) {
        CNPropObj* pField = static_cast<CNPropObj*>(m_listProp.GetNext(pos));
        if (pField->m_nDataKind == CNPropObj::DATAKIND_PICTURE && !pField->m_strData.IsEmpty())
            action(pField);
    }
}

void CPropData::MakeUniqueName(CString& strName)
{
    if (strName.IsEmpty())
        return;
    strName = strName.Mid(strName.ReverseFind('\\') + 1);
    if (strName.IsEmpty())
        return;
    const int nDot = strName.Find('.');
    CString strBase = nDot < 0 ? strName : strName.Left(nDot);
    const CString strExt = nDot < 0 ? CString() : strName.Mid(nDot);
    const int nUnderscore = strBase.Find('_');
    const UINT nNumber = nUnderscore < 0 ? 0 : LeadingNumber(static_cast<LPCSTR>(strBase) + nUnderscore + 1);
    CString strSuffix;
    strSuffix.Format("_%u", NextNumber(nNumber));
    strName = (nUnderscore < 0 ? strBase : strBase.Left(nUnderscore)) + strSuffix + strExt;
}

void CPropData::StorePicNames(CMapStringToString* pMap, CStringList* pList)
{
    if (pMap == nullptr || pList == nullptr)
        return;
    ForEachPicture([&](CNPropObj* pField) {
        const CString strPath = pField->m_strData;
        CString strName;
        if (!MirtLookupNoCase(*pMap, strPath, strName)) {
            strName = strPath;
            do
                MakeUniqueName(strName);
            while (InListNoCase(*pList, strName));
            pMap->SetAt(strPath, strName);
            pList->AddTail(strName);
        }
        pField->m_strData = strName;
    });
}

void CPropData::ClearPicNames()
{
    ForEachPicture([](CNPropObj* pField) { pField->m_strData.Empty(); });
}

void CPropData::LoadPicNames(CMapStringToString* pMap, CStringList* pList, const CString& strFolder)
{
    if (pMap == nullptr || pList == nullptr)
        return;
    ForEachPicture([&](CNPropObj* pField) {
        const CString strStored = pField->m_strData;
        CString strPath;
        if (!MirtLookupNoCase(*pMap, strStored, strPath)) {
            CString strName = FileNamePart(strStored);
            if (strName.IsEmpty()) {
                pField->m_strData.Empty();
                return;
            }
            strPath = strFolder + strName;
            while (InListNoCase(*pList, strPath) || FileExists(strPath)) {
                MakeUniqueName(strName);
                strPath = strFolder + strName;
            }
            pMap->SetAt(strStored, strPath);
            pList->AddTail(strPath);
        }
        pField->m_strData = strPath;
    });
}
