#include "strel95data.h"

#include "nmirtdoc.h"

IMPLEMENT_SERIAL(CStrel95MailData, CStrel95Data, 1)

CStrel95MailData::CStrel95MailData() : m_nMode(CNMirtDoc::WRMODE_CARRY)
{
}

UINT CStrel95MailData::GetType()
{
    return TYPE_MAIL;
}

void CStrel95MailData::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nVersion;
        StoreBody(ar, m_nMode);
    } else {
        ar >> m_nVersion;
        LoadBody(ar, RUNTIME_CLASS(CNMirtDoc), m_nMode, TRUE);
    }
}

IMPLEMENT_SERIAL(CStrel95MailDataBBS, CStrel95MailData, 1)

CStrel95MailDataBBS::CStrel95MailDataBBS() : m_nConf(0), m_nSec(0)
{
}

UINT CStrel95MailDataBBS::GetType()
{
    return TYPE_BBS;
}

void CStrel95MailDataBBS::Serialize(CArchive& ar)
{
    CObject::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nVersion << m_nConf << m_nSec;
        StoreBody(ar, m_nMode);
    } else {
        ar >> m_nVersion >> m_nConf >> m_nSec;
        LoadBody(ar, RUNTIME_CLASS(CNMirtDocBBS), m_nMode, TRUE);
    }
}
