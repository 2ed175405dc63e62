// The entry windows of the text fields: a text window, the text document
// made straight on the face's window, or the in-place editor, a whiteboard
// with one text document laid over the field. Both documents are made from
// the field's attributes.
#pragma once
#include <zeb95.h>

#include "npropobjctrl.h"
#include "textdrawattr.h"

class CNPropWndDoc;
class CNPropWndWB;

// How one kind of text field makes its windows.
struct tagTEXTENTRYKIND
{
    int nPichRate;          // character extra in tenths of the font height
    BOOL bEditField;        // edit field: read-only text window when not editable,
                            // the background colour kept, no filter strings
    int nEditorKind;        // number kind of the in-place editor
    BOOL bEditorOverflow;   // the in-place document reports overflow
};

class CTextEntry
{
public:
    // pCtrlWnd: the field's entry window, which follows the window made or
    // deleted here.
    CTextEntry(CNPropObjCtrl& field, const CTextAttr& text, CWnd*& pCtrlWnd, CNPropWndDoc*& pWndDoc,
        CNPropWndWB*& pWndWB);

    // The text window on pParent (else the owner's window) over a new
    // document: pNewWindow, which knows the field and is owned from now on,
    // in place of the earlier one; null (pNewWindow deleted) without
    // bSetOwner or an owner, or when no document or window can be had.
    CWnd* MakeTextWindow(CWnd* pParent, int bSetOwner, CNPropWndDoc* pNewWindow, const tagTEXTENTRYKIND& kind);
    // Focus to the text window, else to the in-place editor, else a new
    // in-place editor on the owner's parent window, focused, with the
    // field's format posted to that window. nFrameKind 1 becomes green for
    // a field with a first item.
    void Focus(const tagTEXTENTRYKIND& kind, int nFrameKind);
    // Deletes the text window object, then the in-place editor object.
    void Delete();

    // The document's alignment mode for a field alignment.
    static LONG AlignmentMode(int nAlign);
    // The alignment to the document of the in-place editor, when it has one.
    static void AlignEditor(CNPropWndWB* pWndWB, int nAlign);

private:
    // The record of both documents; the device rectangle and the pixel font
    // height are computed on pDisplay.
    ZebDocCreateInfo DocInfo(CDC* pDisplay, const tagTEXTENTRYKIND& kind) const;
    // The in-place editor's changes to DocInfo.
    void ToEditorInfo(ZebDocCreateInfo& info, const tagTEXTENTRYKIND& kind) const;
    // The whiteboard and its document on pParent; null when either cannot
    // be had.
    CWnd* MakeEditor(CWnd* pParent, const tagTEXTENTRYKIND& kind, int nFrameKind);
    void DeleteEditor();
    // The field's font at its line pitch, default font of hDoc; clipping.
    void SetDocFont(HWND hDoc) const;
    int PixelHeight() const;

    CNPropObjCtrl& m_field;
    const CTextAttr& m_text;
    CWnd*& m_pCtrlWnd;
    CNPropWndDoc*& m_pWndDoc;
    CNPropWndWB*& m_pWndWB;
};
