// CPreviewWnd: the launcher's preview window. It shows one picture of
// install root + "\Data\Preview\": a form's JPEG preview, converted into a
// temporary BMP file to be read, or the blank "White.jpg".
#pragma once
#include <afxwin.h>

#include "paldib.h"

class CPreviewWnd : public CWnd
{
public:
    CPreviewWnd();
    ~CPreviewWnd() override;

    // (Re)loads the picture named by m_strFileName; an unreadable picture
    // leaves it empty.
    void LoadPicture();
    // Deletes the temporary BMP file of the last conversion, if any.
    void DeleteTempFile();

    const CPalDIB& Picture() const { return m_picture; }
    // Reads a picture file through an archive; an unreadable one leaves
    // the picture empty with its read-failed flag set.
    static void ReadPicture(CPalDIB& picture, LPCSTR lpszPath);
    // The temporary file of the last conversion; empty when none exists.
    const CString& TempPath() const { return m_strTempPath; }

    CString m_strFileName;   // "<layout id>.jpg" or "White.jpg"

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    DECLARE_MESSAGE_MAP()

private:
    CPalDIB m_picture;
    CString m_strTempPath;
};

// The blank picture of a page without forms.
#define PREVIEW_BLANK_FILE "White.jpg"
