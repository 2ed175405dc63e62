// Private window messages of the form windows, their fields, the fields'
// entry windows and the host program (WM_USER + 401 to + 419), with the
// blocks that travel with them. Plain numbers, so that C and C++ modules
// and message maps can use them. The multimedia object library's own
// notification (MsgZebCmd) is in zeb95.h.
#pragma once
#include <windows.h>
#include <stddef.h>

#define MsgUserSetFocus 0x591    // in-place editor to itself after gaining the focus
#define MsgUserMove 0x592        // wParam field, lParam 1 next / 0 previous field
#define MsgFirstField 0x593      // focus the first field
#define MsgUserRovf 0x596        // wParam object event (112 << 16 | lines), lParam document window
#define MsgUserModify 0x597      // wParam field, lParam 0 or 1: first change of a value
#define MsgUserSetGrp 0x598      // wParam group field, lParam a member's order (sent)
#define MsgUserClipBoard 0x599   // wParam clipboard action 1..6, lParam entry window (CWnd*)
#define MsgFieldFormat 0x59A     // wParam heap tagSPACEINFO or 0; the receiver frees it
#define MsgQueryClipBoard 0x59B  // wParam int* answer, lParam clipboard action (sent)
#define MsgRedrawRect 0x59C      // wParam heap RECT or 0, lParam sending form window; nonzero reply keeps the RECT
#define MsgCopyPicture 0x59D     // wParam path text (sent to the main window)
#define MsgPastePicture 0x59E    // wParam MIRT_PICTURE_PATH-byte zeroed buffer for a path (sent)
#define MsgDrawPicture 0x59F     // wParam picture name, lParam tagDRAWPICTURE* (sent); 1 = drawn
#define MsgSetPicture 0x5A0      // wParam path text (sent); 1 = loaded
#define MsgFieldKey 0x5A1        // wParam heap tagFIELDKEY (new), lParam 4; the receiver deletes it
#define MsgQueryField 0x5A2      // wParam int* (set to MIRT_QUERYFIELD_ANSWER), lParam CNPropObj** (sent)
#define MsgUserBarcode 0x5A3     // wParam barcode field, lParam mode

// Clipboard actions of MsgUserClipBoard and MsgQueryClipBoard; an entry
// window takes action n as window command n + MIRT_CLIP_COMMAND_OFFSET.
#define MIRT_CLIP_CUT 1
#define MIRT_CLIP_COPY 2
#define MIRT_CLIP_PASTE 3
#define MIRT_CLIP_UNDO 4
#define MIRT_CLIP_DELETE 5
#define MIRT_CLIP_SELECTALL 6
#define MIRT_CLIP_COMMAND_OFFSET 4

// The answer an entry window writes for MsgQueryField.
#define MIRT_QUERYFIELD_ANSWER 313

// Size of the buffer of MsgPastePicture; paths the main window is handed
// or hands back are shorter, with their terminating zero inside.
#define MIRT_PICTURE_PATH 260

#ifdef __cplusplus
class CDC;
class CRect;
class CWnd;
class CNPropObj;

// What travels with MsgDrawPicture: where to draw and the caller's flag.
struct tagDRAWPICTURE
{
    CDC* pDC;
    CRect* pRect;
    int* pFlag;
};

// The design-mode key of a text entry window (MsgFieldKey), allocated with
// new by the sender and deleted by the receiver.
struct tagFIELDKEY
{
    CWnd* pWnd;         // the entry window
    CNPropObj* pField;
    UINT nKey;          // virtual-key code
    UINT nShift;        // 1 Shift held, else 0
};
static_assert(offsetof(tagFIELDKEY, nKey) == 2 * sizeof(void*), "key after the two pointers");
static_assert(sizeof(tagFIELDKEY) == 2 * sizeof(void*) + 8, "16 bytes on 32 bit");
#endif
