// CNPropWndLine: the entry window of a line field, the line object of the
// multimedia object library subclassed. It takes no commands.
#pragma once
#include <afxwin.h>
#include "mirtapi.h"

#pragma pack(push, 4)

class MIRT_API CNPropWndLine : public CWnd
{
    DECLARE_DYNAMIC(CNPropWndLine)
public:
    CNPropWndLine();
    // Unsubclasses the line object and destroys it.
    ~CNPropWndLine() override;

    // Nothing: a line has no value.
    void DoDataExchange(CDataExchange* pDX) override;

protected:
    DECLARE_MESSAGE_MAP()
};

#pragma pack(pop)
