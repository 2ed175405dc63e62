// CMirtBaseEnter: the data-entry window, one page of a form with every
// face's fields at once. It keeps the fields that feed the page's index
// strings, moves page documents in and out, copies a page of another layout
// into its own through the field map file, and cuts the lines of a text
// field that overflow its rectangle.
#pragma once
#include <afxwin.h>
#include <afxcoll.h>
#include <afxtempl.h>
#include "mirtbase.h"

class CNMirtDoc;
struct tagNMIRTDOC;

#pragma pack(push, 4)

class MIRT_API CMirtBaseEnter : public CMirtBase
{
    DECLARE_DYNAMIC(CMirtBaseEnter)
public:
    CMirtBaseEnter();
    ~CMirtBaseEnter() override;

    // A new page document from the fields and the held header (the caller
    // owns it; none is held afterwards). A layout whose first setting is 1
    // takes the title and index strings from the index fields; any other
    // asks for the title, and a cancel gives null and keeps the held page.
    // bBBS makes it a bulletin-board page. Null without a layout.
    CNMirtDoc* GetData(int bBBS);
    // Holds pDoc and takes its values into the fields, face list by face
    // list in order. The previously held page, rebuilt, comes back (the
    // caller's), else null; null also without a layout.
    CNMirtDoc* SetData(CNMirtDoc* pDoc);
    // Clears the fields cleared for a new page (nFlag: reloading the entry
    // windows).
    void ClearRealData(int nFlag);
    // Copies pDoc, a page of another layout (or of this one), into the
    // fields through the field map file and holds it as a page of this
    // layout; a page held before is deleted. 1, or 0 (the page stays the
    // caller's) without a layout or for a missing or damaged map file, which
    // is reported. No map file is needed for a page of this layout.
    int SetDefMapData(CNMirtDoc* pDoc);

    CNMirtDoc* GetHeldData() const { return m_pDoc; }

protected:
    void InitMember() override;
    void CreateList() override;

    // The data string of the field with index n, empty when none.
    CString GetIndexData(UINT n);
    // A non-null field becomes the current field and gets the focus.
    void SetUserFocus(CNPropObj* pField);

    afx_msg LRESULT OnUserMove(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnFirstField(WPARAM wParam, LPARAM lParam);
    // Text changed: modified; overflow (code 112): one pending cut per
    // document, the newest first. Nonzero consumes the notice.
    afx_msg LRESULT OnZebCmd(WPARAM wParam, LPARAM lParam);
    // Cuts the lines of the document (lParam) from line LOWORD(wParam) on,
    // keeping the caret and selection anchor that lie above the cut.
    afx_msg LRESULT OnUserRovf(WPARAM wParam, LPARAM lParam);

    CMap<WORD, WORD, CNPropObj*, CNPropObj*> m_mapIndex;   // index 1..20 -> field, not owned
    CObList m_listFocus;    // CNPropObj, editable, not owned
    DWORD m_dwReserved[43];
    CNMirtDoc* m_pDoc;      // owned, or null

    DECLARE_MESSAGE_MAP()

private:
    // The title and index strings of the page; FALSE on a cancelled title.
    BOOL FillTitle(tagNMIRTDOC& record);
};

#pragma pack(pop)
