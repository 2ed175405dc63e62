// The steps a form window that holds a page document takes to hand a page
// over: the header, the title the user gives, and the page filled from the
// window's face lists.
#pragma once
#include <afxwin.h>

class CNMirtDoc;
class CNMirtLayoutData;
struct tagNMIRTDOC;

// The held page's header, else a new page's header of the layout.
void MirtMakePageHeader(CNMirtDoc* pHeld, const CNMirtLayoutData& layout, tagNMIRTDOC& record);
// The title the user types, "Untitled" for none, asked with the page-title
// prompt over strTitle as the first text; FALSE on cancel.
BOOL MirtAskPageTitle(CWnd* pParent, CString& strTitle);
// Index strings 9 (when empty) and 10 take now.
void MirtStampPageDates(tagNMIRTDOC& record);
// Fills the held page (a new one when none is held, or a new bulletin-board page for bBBS)
// with the record, a copy of the layout and clones of the face lists. The
// page is the caller's; none is held afterwards.
CNMirtDoc* MirtHandOverPage(CNMirtDoc*& pHeld, int bBBS, tagNMIRTDOC& record, CNMirtLayoutData* pLayout,
    CObList& listMen);
