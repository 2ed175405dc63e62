#include "npropwndline.h"

#include <zeb95.h>

IMPLEMENT_DYNAMIC(CNPropWndLine, CWnd)

BEGIN_MESSAGE_MAP(CNPropWndLine, CWnd)
END_MESSAGE_MAP()

CNPropWndLine::CNPropWndLine() = default;

CNPropWndLine::~CNPropWndLine()
{
    if (m_hWnd != nullptr)
        zebDestroyObjLine(UnsubclassWindow());
}

void CNPropWndLine::DoDataExchange(CDataExchange*)
{
}
