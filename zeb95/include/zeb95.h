// Zeb95: the multimedia object library's exported function interface.
// Every function uses the standard calling convention. A DIB handle is a
// movable global block: a packed DIB followed by a 4-byte palette slot.
// A function that needs a whiteboard and for which 0 is also a success
// value answers -1 for any other window, one without record included.
#pragma once
#include <windows.h>

#include <stddef.h>

#ifdef ZEB95_BUILDING
#define ZEBAPI  // exported through zeb95.def only, with fixed ordinals
#else
#define ZEBAPI __declspec(dllimport)
#endif

// Version of the library's object record layout.
#define ZEB_RECORD_VERSION 0x020D0004

// Notification of the objects: wParam = event code << 16 | object index,
// lParam = object window; a nonzero reply consumes the event.
const UINT MsgZebCmd = 0x2005;
// Sent to an object whose view mode changed: wParam = the new view mode.
const UINT MsgViewModeChanged = 0x2400;

// Which optional fields of a ZebWbCreateInfo count.
#define ZEBWB_STYLE        0x00002  // dwStyle and dwExStyle
#define ZEBWB_CURSOR       0x00010
#define ZEBWB_POINTER      0x00020
#define ZEBWB_FONT         0x00040
#define ZEBWB_FORECOLOR    0x00080
#define ZEBWB_BKCOLOR      0x00100  // also the border colour without ZEBWB_BORDERCOLOR
#define ZEBWB_BORDERCOLOR  0x00200
#define ZEBWB_LINESTART    0x00400
#define ZEBWB_ORIGIN       0x00800
#define ZEBWB_PAGESIZE     0x01000
#define ZEBWB_VERTICAL     0x02000
#define ZEBWB_VIEWMODE     0x04000
#define ZEBWB_WRAPMODE     0x08000
#define ZEBWB_LINEFEEDMARK 0x20000
#define ZEBWB_FORMFEEDMARK 0x40000
#define ZEBWB_GRID         0x80000

// The creation record of zebCreateWhiteBoard, laid out with natural
// alignment on every build (a mark's 16-bit code is followed by two bytes
// of padding before its attribute).
#pragma pack(push, 8)
struct ZebWbCreateInfo
{
    DWORD dwMask;
    HWND hParent;
    DWORD dwStyle;
    LONG x;
    LONG y;
    LONG cx;
    LONG cy;
    HCURSOR hCursor;
    LONG nPointerNumber;
    LOGFONTA lfTextFont;
    COLORREF crFore;
    COLORREF crBack;
    COLORREF crBorder;
    LPSTR pszLineStart;
    LONG nOriginX;
    LONG nOriginY;
    LONG nPageCx;
    LONG nPageCy;
    LONG nVerticalMode;
    LONG nViewMode;
    LONG nWrapMode;
    LONG nControlId;
    DWORD dwExStyle;
    WORD wLineFeedCode;
    DWORD dwLineFeedAttr;
    WORD wFormFeedCode;
    DWORD dwFormFeedAttr;
    LONG nGridCx;
    LONG nGridCy;
};
#pragma pack(pop)
static_assert(offsetof(ZebWbCreateInfo, dwLineFeedAttr) == offsetof(ZebWbCreateInfo, wLineFeedCode) + 4,
              "a mark's attribute follows its code after two bytes of padding");
static_assert(offsetof(ZebWbCreateInfo, dwFormFeedAttr) == offsetof(ZebWbCreateInfo, wFormFeedCode) + 4,
              "a mark's attribute follows its code after two bytes of padding");
static_assert(sizeof(void*) != 4 || sizeof(ZebWbCreateInfo) == 172, "the 32-bit record is 172 bytes");
static_assert(sizeof(void*) != 8 || sizeof(ZebWbCreateInfo) == 200, "the 64-bit record is 200 bytes");

// Which optional fields of a ZebDocCreateInfo count; the position and size
// always do.
#define ZEBDOC_STYLE         0x0000001  // dwStyle and dwExStyle
#define ZEBDOC_CURSOR        0x0000008
#define ZEBDOC_POINTER       0x0000010
#define ZEBDOC_FONT          0x0000020
#define ZEBDOC_FORECOLOR     0x0000040
#define ZEBDOC_BKCOLOR       0x0000080  // also the border colour without ZEBDOC_BORDERCOLOR
#define ZEBDOC_BORDERCOLOR   0x0000100
#define ZEBDOC_LINESTART     0x0000200
#define ZEBDOC_SCROLLORIGIN  0x0000400
#define ZEBDOC_FIXEDSIZE     0x0000800
#define ZEBDOC_VERTICAL      0x0001000
#define ZEBDOC_VIEWMODE      0x0002000
#define ZEBDOC_LIMIT         0x0004000
#define ZEBDOC_IMEMODE       0x0008000
#define ZEBDOC_STATICMODE    0x0010000
#define ZEBDOC_LINEFEEDMARK  0x0020000
#define ZEBDOC_FORMFEEDMARK  0x0040000
#define ZEBDOC_ALIGNMENT     0x0080000
#define ZEBDOC_USERCELLS     0x0100000
#define ZEBDOC_IMEFONT       0x0200000
#define ZEBDOC_GRID          0x0400000
#define ZEBDOC_SCALE         0x0800000
#define ZEBDOC_CHAREXTRA     0x1000000
#define ZEBDOC_FILTERMATCH   0x2000000  // either filter bit sets both strings
#define ZEBDOC_FILTERREPLACE 0x4000000

// One cell of the user-cell alignment modes: its pixel span and how many
// bytes it holds.
struct ZebUserCell
{
    WORD wLeft;
    WORD wRight;
    WORD wCapacity;
    WORD wReserved;
};

struct ZebUserCellList
{
    LONG nCount;
    ZebUserCell* pCells;
};

// The creation record of a text document, laid out with natural alignment
// on every build.
struct ZebDocCreateInfo
{
    DWORD dwMask;
    DWORD dwStyle;  // WS_BORDER, WS_VSCROLL, WS_HSCROLL and 0x20 (transparent) are read
    LONG x;
    LONG y;
    LONG cx;
    LONG cy;
    HCURSOR hCursor;
    LONG nPointerNumber;
    LOGFONTA lfFont;
    COLORREF crFore;
    COLORREF crBack;
    COLORREF crBorder;
    LPCSTR pszLineStart;  // null: no line-start rule
    LONG nScrollX;
    LONG nScrollY;
    LONG nFixedWidth;
    LONG nFixedHeight;
    LONG nVerticalMode;
    LONG nViewMode;
    WORD wLimit;
    WORD wLimitReserved;
    LONG nImeMode;
    DWORD dwExStyle;  // WS_EX_TRANSPARENT, WS_EX_CLIENTEDGE and WS_EX_STATICEDGE are read
    LONG nStaticMode;
    WORD wLineFeedCode;
    WORD wLineFeedReserved;
    const LOGFONTA* plfLineFeed;  // null: the code is an inline bitmap index
    WORD wFormFeedCode;
    WORD wFormFeedReserved;
    const LOGFONTA* plfFormFeed;
    LONG nAlignment;
    const ZebUserCellList* pUserCells;
    LONG nImeFontSelector;
    LONG nGridCx;
    LONG nGridCy;
    LONG nScale;
    LONG nCharExtra;
    LPCSTR pszFilterMatch;
    LPCSTR pszFilterReplace;
};
static_assert(sizeof(void*) != 4 || sizeof(ZebDocCreateInfo) == 200, "the 32-bit record is fifty words");
static_assert(sizeof(void*) != 4 || offsetof(ZebDocCreateInfo, dwExStyle) == 35 * 4, "extended style is word 35");
static_assert(sizeof(void*) != 4 || offsetof(ZebDocCreateInfo, pszFilterMatch) == 48 * 4, "filters are words 48, 49");

extern "C" {

ZEBAPI LONG WINAPI zebGetVersion(void);
ZEBAPI LONG WINAPI zebInitialize(void);
ZEBAPI LONG WINAPI zebTerminate(LONG unused);
// The library's fixed 256-colour palette; it stays the library's.
ZEBAPI HPALETTE WINAPI zebGetPalette(LONG unused);

ZEBAPI HGLOBAL WINAPI zebCreateDib(HBITMAP hBitmap, HPALETTE hPalette);
ZEBAPI HGLOBAL WINAPI zebReadDib(LPCSTR pszPath);
ZEBAPI LONG WINAPI zebWriteDib(LPCSTR pszPath, HGLOBAL hDib);
ZEBAPI HGLOBAL WINAPI zebCopyDib(HGLOBAL hDib);
ZEBAPI LONG WINAPI zebDestroyDib(HGLOBAL hDib);

// Resolution of an object's whiteboard (vertical dots per inch); 96 when it
// has none.
ZEBAPI LONG WINAPI zebGetDPI(HWND hObject);
// Sets both resolutions of a whiteboard: the previous vertical one; -1 for
// a dpi below 1 or a window that is no whiteboard.
ZEBAPI LONG WINAPI zebSetDPI(HWND hWhiteBoard, LONG nDpi);
// Kind 1, 8, 16, 32, 64 or 128 (0 otherwise); *pdwIndex = the control id of
// a whiteboard, the index of a child.
ZEBAPI LONG WINAPI zebGetWindowKind(HWND hObject, DWORD* pdwIndex);
// The wParam and lParam of the input event being notified.
ZEBAPI LONG WINAPI zebGetWParamEx(HWND hObject);
ZEBAPI LONG WINAPI zebGetLParamEx(HWND hObject);

ZEBAPI HWND WINAPI zebCreateWhiteBoard(const ZebWbCreateInfo* pInfo);
// Destroys the whiteboard (or an object) with its children.
ZEBAPI BOOL WINAPI zebDestroyWhiteBoard(HWND hWnd);
ZEBAPI BOOL WINAPI zebDestroyObjDoc(HWND hWnd);
ZEBAPI BOOL WINAPI zebDestroyObjPic(HWND hWnd);
ZEBAPI BOOL WINAPI zebDestroyObjLine(HWND hWnd);
ZEBAPI BOOL WINAPI zebDestroyObjMovie(HWND hWnd);
ZEBAPI BOOL WINAPI zebDestroyObjSound(HWND hWnd);

// Application-defined children (kind 512) of a whiteboard.
ZEBAPI LONG WINAPI zebAddObj(HWND hWhiteBoard, HWND hChild, LONG nKind);
ZEBAPI LONG WINAPI zebDelObj(HWND hWhiteBoard, HWND hChild, LONG nKind);
ZEBAPI LONG WINAPI zebGetIndex(HWND hObject, LONG nKind);
ZEBAPI HWND WINAPI zebGetObjWindow(HWND hWhiteBoard, LONG nKind, LONG nIndex);
ZEBAPI LONG WINAPI zebGetSelObj(HWND hWhiteBoard, WORD* pwKind, LONG* pnIndex);
ZEBAPI BOOL WINAPI zebDestroyObject(HWND hWhiteBoard, LONG nKind, LONG nIndex);

}
