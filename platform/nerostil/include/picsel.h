// CPicSel: the picture chooser. A modal dialog lists the BMP and JPEG files
// of the install root's "\DATA\Defbmp\" folder and previews the selected
// one fitted into its frame; OK with a selection ends it with IDOK.
#pragma once
#include <afxdlgs.h>

#ifdef NEROSTIL_BUILDING
#define NEROSTIL_API __declspec(dllexport)
#else
#define NEROSTIL_API __declspec(dllimport)
#endif

class CPalDIB;

#pragma pack(push, 4)

class NEROSTIL_API CPicSel : public CDialog
{
public:
    explicit CPicSel(CWnd* pParent = nullptr);
    ~CPicSel() override;

    // Runs the dialog from this library's resources.
    INT_PTR DoModal() override;
    // The chosen picture's full path after IDOK; empty before.
    CString GetDrawPicPath() const { return m_strChosen; }
    // The folder listed, with a trailing backslash.
    CString GetFolder() const { return m_strFolder; }
    // Draws the selected picture fitted and centred into rect on a white
    // ground (the preview's painting).
    void DrawPreview(CDC* pDC, const RECT& rect);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;
    afx_msg void OnSelChange();
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItem);
    DECLARE_MESSAGE_MAP()

private:
    CString SelectedPath() const;
    void LoadPreview(const CString& strPath);

    CString m_strFolder;
    CString m_strChosen;
    CPalDIB* m_pPreview;   // owned; empty without a readable selection
};

#pragma pack(pop)
