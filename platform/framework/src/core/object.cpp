#include "afx.h"
#include <cstring>

// The class registry: one list in this DLL for every module's classes,
// newest first, guarded for modules loaded on other threads.
namespace {
SRWLOCK g_registryLock = SRWLOCK_INIT;
CRuntimeClass* g_pFirstClass = nullptr;

class RegistryLock
{
public:
    explicit RegistryLock(bool exclusive) : m_exclusive(exclusive)
    {
        if (m_exclusive)
            ::AcquireSRWLockExclusive(&g_registryLock);
        else
            ::AcquireSRWLockShared(&g_registryLock);
    }
    ~RegistryLock()
    {
        if (m_exclusive)
            ::ReleaseSRWLockExclusive(&g_registryLock);
        else
            ::ReleaseSRWLockShared(&g_registryLock);
    }
    RegistryLock(const RegistryLock&) = delete;
    RegistryLock& operator=(const RegistryLock&) = delete;

private:
    bool m_exclusive;
};
}  // namespace

AFX_CLASSINIT::AFX_CLASSINIT(CRuntimeClass* pNewClass) : m_pClass(pNewClass)
{
    RegistryLock lock(true);
    m_pClass->m_pNextClass = g_pFirstClass;
    g_pFirstClass = m_pClass;
}

AFX_CLASSINIT::~AFX_CLASSINIT()
{
    RegistryLock lock(true);
    for (CRuntimeClass** ppLink = &g_pFirstClass; *ppLink != nullptr; ppLink = &(*ppLink)->m_pNextClass) {
        if (*ppLink == m_pClass) {
            *ppLink = m_pClass->m_pNextClass;
            m_pClass->m_pNextClass = nullptr;
            return;
        }
    }
}

CRuntimeClass* CRuntimeClass::FromName(LPCSTR lpszClassName)
{
    RegistryLock lock(false);
    for (CRuntimeClass* pClass = g_pFirstClass; pClass != nullptr; pClass = pClass->m_pNextClass) {
        if (std::strcmp(pClass->m_lpszClassName, lpszClassName) == 0)
            return pClass;
    }
    return nullptr;
}

CObject* CRuntimeClass::CreateObject()
{
    if (m_pfnCreateObject == nullptr)
        return nullptr;
    return m_pfnCreateObject();
}

CRuntimeClass* CRuntimeClass::GetBaseClass() const
{
    return m_pfnGetBaseClass != nullptr ? m_pfnGetBaseClass() : nullptr;
}

BOOL CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const
{
    for (const CRuntimeClass* pClass = this; pClass != nullptr; pClass = pClass->GetBaseClass()) {
        if (pClass == pBaseClass)
            return TRUE;
    }
    return FALSE;
}

void CRuntimeClass::Store(CArchive& ar) const
{
    const size_t nLen = std::strlen(m_lpszClassName);
    ar << static_cast<WORD>(m_wSchema) << static_cast<WORD>(nLen);
    ar.Write(m_lpszClassName, static_cast<UINT>(nLen));
}

CRuntimeClass* CRuntimeClass::Load(CArchive& ar, UINT* pwSchemaNum)
{
    WORD wSchema = 0;
    WORD nLen = 0;
    ar >> wSchema >> nLen;
    CString name;
    if (ar.Read(name.GetBufferSetLength(nLen), nLen) != nLen)
        AfxThrowArchiveException(CArchiveException::endOfFile, ar.m_strFileName);
    name.ReleaseBuffer(nLen);
    *pwSchemaNum = wSchema;
    if (name.GetLength() != static_cast<int>(std::strlen(name)))
        return nullptr;  // a zero byte inside the name
    return FromName(name);
}

CRuntimeClass CObject::classCObject = {"CObject", sizeof(CObject), AFX_NO_SCHEMA, nullptr, nullptr, nullptr};
static const AFX_CLASSINIT afxClassInit_CObject(&CObject::classCObject);

CRuntimeClass* CObject::GetRuntimeClass() const
{
    return &classCObject;
}

CObject::~CObject() = default;

void CObject::Serialize(CArchive&)
{
}

void CObject::AssertValid() const
{
}

void CObject::Dump(CDumpContext&) const
{
}

BOOL CObject::IsKindOf(const CRuntimeClass* pClass) const
{
    return GetRuntimeClass()->IsDerivedFrom(pClass);
}

BOOL CObject::IsSerializable() const
{
    return GetRuntimeClass()->m_wSchema != AFX_NO_SCHEMA;
}
