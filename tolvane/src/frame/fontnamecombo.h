// CFontNameCombo: the format bar's font-name box. Each item is a font face
// name whose item data is a heap copy of that font's LOGFONT, owned by the
// box and freed when its window goes.
#pragma once
#include <afxwin.h>

class CFontNameCombo : public CComboBox
{
public:
    // The TrueType families that a screen-compatible memory DC knows.
    void AddTrueTypeFamilies();
    // One item with its own copy of the font; the index, or CB_ERR.
    int AddFont(const LOGFONTA& lf);
    // The LOGFONT of item nIndex; null without one.
    const LOGFONTA* FontAt(int nIndex) const;

protected:
    afx_msg void OnDestroy();
    DECLARE_MESSAGE_MAP()
};
