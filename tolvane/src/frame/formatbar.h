// CFormatBar: the tool bar with the font-name, font-size and colour boxes
// and the style and alignment buttons. A choice in a box is posted to the
// active view, which reads the box; the bar remembers which boxes the user
// changed since the view last showed a field's attributes.
#pragma once
#include <afxwin.h>
#include <afxdocview.h>
#include <afxext.h>

#include "frame/colorcombo.h"
#include "frame/fontnamecombo.h"

class CFormatBar : public CToolBar
{
public:
    // What the user changed in the boxes.
    enum
    {
        CHANGED_NAME = 1,
        CHANGED_SIZE = 2,
        CHANGED_COLOR = 4
    };
    static constexpr int kSizeCount = 44;

    CFormatBar();

    // The bar on the frame with its boxes filled; docks top or bottom.
    BOOL CreateOn(CFrameWnd* pFrame);

    // The point size of size-box item nIndex; 0 for none.
    static int SizeAt(int nIndex);

    // A field's font and colour shown in the boxes that hold items (a name
    // or size not in a box leaves it without a selection); the changes are
    // forgotten.
    void ShowFont(const CString& strFaceName, int nHeight, COLORREF crText);
    // The boxes changed since the last ShowFont (CHANGED_ bits); forgotten.
    UINT TakeChanges();

    CFontNameCombo m_wndFontName;
    CComboBox m_wndFontSize;
    CColorCombo m_wndColor;

protected:
    // Each box's choice to the active view: in entry mode MsgApplyAttributes
    // (1), in layout mode MsgApplyToSpaces with 1 name, 2 size or 7 colour.
    virtual void OnFontNameChange();
    virtual void OnFontSizeChange();
    virtual void OnFontColorChange();

    afx_msg void OnSelChangeName();
    afx_msg void OnSelChangeSize();
    afx_msg void OnSelChangeColor();
    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateBox(CComboBox& box, int nSlot, UINT nID, DWORD dwStyle, int nWidth);
    void PostChoice(UINT nChanged, WPARAM nSpaceKind);

    CFont m_fontBoxes;
    UINT m_nChanged;
};
