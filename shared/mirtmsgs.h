// Private window messages of the suite: form windows, fields, their entry
// windows and the host program (WM_USER + 401 to + 419), and the
// notifications of the multimedia object library. Plain numbers, so that
// C and C++ modules and message maps can use them.
#pragma once
#include <windows.h>

// Fields, entry windows and form windows.
#define MsgUserSetFocus 0x591    // in-place editor to itself after gaining the focus
#define MsgUserMove 0x592        // wParam field, lParam 1 next / 0 previous field
#define MsgFirstField 0x593      // focus the first field
#define MsgUserRovf 0x596        // wParam object event (112 << 16 | lines), lParam document window
#define MsgUserModify 0x597      // wParam field, lParam 0 or 1: first change of a value
#define MsgUserSetGrp 0x598      // wParam group field, lParam a member's order (sent)
#define MsgUserClipBoard 0x599   // wParam clipboard action 1..6, lParam entry window
#define MsgFieldFormat 0x59A     // wParam heap tagSPACEINFO or 0; the receiver frees it
#define MsgQueryClipBoard 0x59B  // wParam int* answer, lParam clipboard action (sent)
#define MsgRedrawRect 0x59C      // wParam heap RECT or 0, lParam sending form window
#define MsgCopyPicture 0x59D     // wParam path text (sent to the main window)
#define MsgPastePicture 0x59E    // wParam 260-byte buffer for a path (sent)
#define MsgDrawPicture 0x59F     // wParam picture name, lParam tagDRAWPICTURE* (sent); 1 = drawn
#define MsgSetPicture 0x5A0      // wParam path text (sent); 1 = loaded
#define MsgFieldKey 0x5A1        // wParam heap key record, lParam 4; the receiver owns it
#define MsgQueryField 0x5A2      // wParam int* (set to 313), lParam CNPropObj** (sent)
#define MsgUserBarcode 0x5A3     // wParam barcode field, lParam mode

// The multimedia object library.
#define MsgZebCmd 0x2005            // wParam event code << 16 | object index, lParam object window
#define MsgViewModeChanged 0x2400

#ifdef __cplusplus
class CDC;
class CRect;

// What travels with MsgDrawPicture: where to draw and the caller's flag.
struct tagDRAWPICTURE
{
    CDC* pDC;
    CRect* pRect;
    int* pFlag;
};
#endif
