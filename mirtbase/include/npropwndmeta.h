// CNPropWndMeta: the entry window of a static-text field, a "static"
// control that shows an enhanced metafile of the install root's
// "\DATA\META\" folder.
#pragma once
#include <afxwin.h>
#include "entrywnd.h"

class CNPropObj;

#pragma pack(push, 4)

class MIRT_API CNPropWndMeta : public CStatic, public CWindowCommandTarget
{
    DECLARE_DYNAMIC(CNPropWndMeta)
public:
    CNPropWndMeta();
    // Deletes the metafile the control shows, as its window's end does.
    ~CNPropWndMeta() override;

    void DoDataExchange(CDataExchange* pDX) override;

    // The field whose first item names the metafile; set by the creator.
    CNPropObj* m_pField;

protected:
    // Load: the metafile of the first item in place of the shown one.
    void OnListCommand(BOOL bSave) override;
    // The shown metafile taken out of the control and deleted.
    void OnResetCommand() override;

    // Hands hMeta to the control (null: none) and deletes what it showed;
    // without a window hMeta is deleted.
    void ShowMetaFile(HENHMETAFILE hMeta);

    // The control does not delete its image: the window does.
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};

#pragma pack(pop)
