// CTextDrawer: paints a text field's text on a device context. Lines are
// broken on a measuring context (an information context of the display at
// 100 %, or for the edit field on the screen at 100 % the target itself), so
// a text breaks at the same characters at every zoom and on paper; each row
// is then placed on the target and spread over its measured width.
#pragma once
#include <afxwin.h>
#include "draw/textdirection.h"
#include "mirtapi.h"
#include "npropobjctrl.h"
#include "textdrawattr.h"

#pragma pack(push, 4)

// How a field measures its text.
struct tagTEXTMEASURING
{
    int nPitchRate;             // character extra, tenths of the font height
    BOOL bZoomPrintMeasure;     // printing at a zoom: the measure font and box follow the zoom
    BOOL bMeasureOnScreen;      // on the screen at 100 %: measure on the target itself
    int nAngle;                 // of horizontal text, 0 .. 3599 tenths of a degree
    BOOL bRowsByTargetPitch;    // rows k target pitches apart, without the wide row's extra
    BOOL bVerticalMeasureFont;  // vertical text is measured in a font at 2700 as well
};

class CTextDrawer
{
public:
    // Field run-time mode of the face's layout view.
    enum { MODE_LAYOUT = 16 };
    // Fonts above this weight have an overhang.
    enum { BOLD_WEIGHT = 550 };

    // sizeClone: the offset a Clone moved the field by (taken back for
    // measuring when both parts are above 0).
    CTextDrawer(CNPropObjCtrl& field, const CTextAttr& attr, CSize sizeClone, const tagTEXTMEASURING& measuring);
    ~CTextDrawer();
    CTextDrawer(const CTextDrawer&) = delete;
    CTextDrawer& operator=(const CTextDrawer&) = delete;

    // The field's drawing after its shadow copies: the drawing gate, the
    // placeholder, the border and the text in crText. bHasEditor: an
    // in-place editor covers the field on the screen (outside layout mode).
    // pText, when given, is drawn in place of the field's value.
    void Draw(CDC* pTarget, int nMode, COLORREF crText, BOOL bHasEditor, const CString* pText = nullptr);

    // An angle in tenths of a degree as 0 .. 3599.
    static int NormalAngle(int nAngle);

    // The colour a text prints in when the owner is not recording a
    // metafile: white, grey and silver stay, others become black.
    static COLORREF PrintColor(COLORREF crText);

    // rect moved by the clone offset taken back (nDirection -1) or put back
    // (+1); only an offset whose parts are both above 0 moves it.
    static RECT MoveByClone(const RECT& rect, CSize sizeClone, int nDirection);
    // rect moved by offset, each coordinate held to the range of int.
    static RECT OffsetRectClamped(const RECT& rect, CSize offset);
    // What a font's characters reach past their advance: the overhang of a
    // bold font (weight above 550), else 0. Rows are measured that much wider.
    static int Overhang(const TEXTMETRIC& metrics)
    {
        return metrics.tmWeight > BOLD_WEIGHT ? metrics.tmOverhang : 0;
    }

private:
    // One row's piece of a line.
    struct Piece
    {
        LPCSTR psz;
        int nLength;
        BOOL bWrapped;
    };

    CString TextToDraw(const CString* pText);
    void PrepareTarget(const RECT& rect);
    void PrepareMeasure();
    void DrawLines(const CString& strText);
    // Draws the rows of one line from row nRow on; FALSE when a row did not
    // fit and the drawing ends. nRow is left on the line's last row.
    BOOL DrawLine(LPCSTR pszLine, int nLength, int& nRow);
    BOOL RowFits(int nRow) const;
    int RowOffset(int nRow) const;
    // How far from the first row's start row nRow's pieces start.
    int PieceDistance(int nRow, int nOffset) const;
    POINT LineStart(int nDistance) const;
    void DrawPiece(const Piece& piece, int nDistance);
    void DrawSingleCharacter(POINT pt, const Piece& piece, int nTargetWidth, int nDisplayWidth);
    // A display length at 100 % as a target length.
    int DisplayToTarget(int nLength) const;
    void MakeFont(CFont& font, int nHeight, int nEscapement) const;
    // Gives back what the drawing changed on both contexts (once).
    void Restore();

    CNPropObjCtrl& m_field;
    const CTextAttr& m_attr;
    CSize m_sizeClone;
    tagTEXTMEASURING m_measuring;

    // Vertical text runs at 2700.
    int m_nAngle;
    CTextDirection m_direction;
    BOOL m_bLengthIsHeight;     // the line runs along the box's height

    CDC* m_pTarget;
    BOOL m_bPrinting;
    int m_nZoom;
    RECT m_rect;                // on the target
    int m_nTargetHeight;
    int m_nTargetPitch;
    int m_nTargetAlong;
    CFont m_targetFont;
    BOOL m_bFontSelected;
    CFont* m_pPrevFont;
    BOOL m_bColorSet;
    COLORREF m_crPrevText;
    BOOL m_bBkModeSet;
    int m_nPrevBkMode;
    BOOL m_bClipped;

    // The information context outlives the font selected into it (members
    // go in reverse order), and the destructor selects that font out first.
    CDC m_displayIC;
    CDC* m_pMeasure;
    CFont m_measureFont;
    BOOL m_bMeasureFontSelected;
    CFont* m_pPrevMeasureFont;
    BOOL m_bExtraSet;
    int m_nPrevExtra;
    int m_nMeasurePitch;
    int m_nMeasureAlong;
    int m_nMeasureAcross;
    int m_nOverhang;
};

#pragma pack(pop)
