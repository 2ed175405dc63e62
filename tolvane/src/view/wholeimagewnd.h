// CWholeImageWnd: the picture of the whole sheet in the whole-image window:
// every face of a page frame drawn small, the current face framed in red. A
// click on another face asks the main frame to show it.
#pragma once
#include <afxwin.h>
#include <afxtempl.h>

class CMirtBasePrtFrm;

// Sent to the picture: wParam the face whose rectangle is to be repainted.
#define MsgRepaintFace 0x601

class CWholeImageWnd : public CWnd
{
public:
    CWholeImageWnd();

    // The faces of a sheet (layout units): its extent and the top-left
    // corner of each face; the picture is scaled to show the whole sheet in
    // the client area.
    void SetSheet(const CRect& rectSheet, const CArray<CPoint, CPoint>& origins);
    // Face k's rectangle in pixels, 1-based; empty for a face not there.
    CRect FaceRect(int nMen) const;
    int GetMenCount() const { return static_cast<int>(m_origins.GetSize()); }
    // The picture as the window shows it.
    void Draw(CDC* pDC);

    int m_nCurrentMen;              // 1-based; -1 none
    CMirtBasePrtFrm* m_pPageFrame;  // the page to draw, not owned
    CRect m_rectSheet;              // layout units
    CRect m_rectMen;                // one face; only its size is used
    int m_nDrawZoom;                // the page frame's zoom while it draws
    float m_fScale;                 // percent from layout units to pixels
    int m_bFrame;                   // the current face is framed

protected:
    afx_msg void OnPaint();
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg LRESULT OnRepaintFace(WPARAM wParam, LPARAM lParam);
    DECLARE_MESSAGE_MAP()

private:
    int ToPixels(int nUnits) const;
    CArray<CPoint, CPoint> m_origins;   // pixels, face 1 first
};

// One face's size on a sheet: the smallest step between face origins on
// each axis, the sheet's extent on an axis without steps.
CSize FaceSizeOnSheet(const CRect& rectSheet, const CArray<CPoint, CPoint>& origins);
