// CNMirtDocBBS: the page of the bulletin-board container.
#include "nmirtdoc.h"

#include "defaultprtdef.h"

IMPLEMENT_SERIAL(CNMirtDocBBS, CNMirtDoc, 1)

CNMirtDocBBS::CNMirtDocBBS() : m_dateRegist(COleDateTime::GetCurrentTime())
{
}

void CNMirtDocBBS::SetRegistDate()
{
    m_dateRegist = COleDateTime::GetCurrentTime();
}

void CNMirtDocBBS::StartDefPrt()
{
    StartDefPrtOfKind(CDefaultPrtDef::DEF_KIND_BBS);
}
