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
// Bit of a mark's attribute: the mark's code is the index of a bitmap item.
// Without it, byte 1 of the attribute is the number of the mark's font in
// the text-item font table (0: the font that ZEBWB_FONT gives).
#define ZEBWB_MARK_BITMAP  0x80

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

// Which optional fields of a ZebPicCreateInfo count; position and size
// always count.
#define ZEBPIC_STYLE     0x0001  // dwStyle and dwExStyle
#define ZEBPIC_CURSOR    0x0008
#define ZEBPIC_POINTER   0x0010
#define ZEBPIC_BKCOLOR   0x0020
#define ZEBPIC_FILE      0x0040
#define ZEBPIC_STRETCH   0x0080
#define ZEBPIC_VIEWMODE  0x0100
#define ZEBPIC_GRID      0x0200
#define ZEBPIC_CACHEMODE 0x0400

// The creation record of zebCreateObjPic, with natural alignment on every
// build. Of dwStyle only WS_BORDER, WS_VSCROLL and WS_HSCROLL count (0x20
// there asks for a transparent picture); of dwExStyle WS_EX_TRANSPARENT,
// WS_EX_CLIENTEDGE and WS_EX_STATICEDGE. A transparent picture has no
// border and no other extended style.
#pragma pack(push, 8)
struct ZebPicCreateInfo
{
    DWORD dwMask;
    DWORD dwStyle;
    LONG x;  // whiteboard coordinates
    LONG y;
    LONG cx;
    LONG cy;
    HCURSOR hCursor;  // copied
    LONG nPointerNumber;
    COLORREF crBack;
    LPCSTR pszFile;  // BMP or JPEG file loaded at once; null for none
    LONG nStretch;
    LONG nViewMode;
    DWORD dwExStyle;
    LONG nGridCx;
    LONG nGridCy;
    LONG nCacheMode;  // nonzero: the shrink cache is used
};
#pragma pack(pop)
static_assert(sizeof(void*) != 4 || sizeof(ZebPicCreateInfo) == 64, "the 32-bit record is 64 bytes");
static_assert(sizeof(void*) != 8 || sizeof(ZebPicCreateInfo) == 72, "the 64-bit record is 72 bytes");

// Which optional fields of a ZebLineCreateInfo count; position and size
// always count.
#define ZEBLINE_CURSOR    0x0004
#define ZEBLINE_POINTER   0x0008
#define ZEBLINE_COLOR     0x0010
#define ZEBLINE_DRAWFORM  0x0020
#define ZEBLINE_DRAWMODE  0x0040
#define ZEBLINE_DRAWSTYLE 0x0080
#define ZEBLINE_DRAWWIDTH 0x0100
#define ZEBLINE_VIEWMODE  0x0200
#define ZEBLINE_GRID      0x0400

// Segments of a line's draw form.
#define ZEBLINE_TOP       0x01
#define ZEBLINE_BOTTOM    0x02
#define ZEBLINE_LEFT      0x04
#define ZEBLINE_RIGHT     0x08
#define ZEBLINE_DIAGONAL  0x10  // top left to bottom right
#define ZEBLINE_DIAGONAL2 0x20  // top right to bottom left

// The creation record of zebCreateObjLine, with natural alignment on every
// build: the 16-bit draw form is followed by two bytes of padding.
#pragma pack(push, 8)
struct ZebLineCreateInfo
{
    DWORD dwMask;
    LONG x;  // whiteboard coordinates
    LONG y;
    LONG cx;
    LONG cy;
    HCURSOR hCursor;  // copied
    LONG nPointerNumber;
    COLORREF crColor;
    WORD wDrawForm;
    LONG nDrawMode;   // mix mode of SetROP2
    LONG nDrawStyle;  // pen style
    LONG nDrawWidth;  // pen width
    LONG nViewMode;
    LONG nGridCx;
    LONG nGridCy;
};
#pragma pack(pop)
static_assert(offsetof(ZebLineCreateInfo, nDrawMode) == offsetof(ZebLineCreateInfo, wDrawForm) + 4,
              "the draw mode follows the draw form after two bytes of padding");
static_assert(sizeof(void*) != 4 || sizeof(ZebLineCreateInfo) == 60, "the 32-bit record is 60 bytes");
static_assert(sizeof(void*) != 8 || sizeof(ZebLineCreateInfo) == 72, "the 64-bit record is 72 bytes");
// Which optional fields of a ZebMovieCreateInfo count; position and size
// always count.
#define ZEBMOVIE_STYLE    0x0001  // dwStyle and dwExStyle
#define ZEBMOVIE_CURSOR   0x0008
#define ZEBMOVIE_POINTER  0x0010
#define ZEBMOVIE_BKCOLOR  0x0020
#define ZEBMOVIE_FILE     0x0040
#define ZEBMOVIE_STRETCH  0x0080
#define ZEBMOVIE_POPUP    0x0100
#define ZEBMOVIE_VIEWMODE 0x0200
#define ZEBMOVIE_GRID     0x0400

// The creation record of zebCreateObjMovie, with natural alignment on every
// build. Of dwStyle only WS_BORDER counts (0x20 asks for a transparent
// movie); the extended styles as for pictures.
#pragma pack(push, 8)
struct ZebMovieCreateInfo
{
    DWORD dwMask;
    DWORD dwStyle;
    LONG x;  // whiteboard coordinates
    LONG y;
    LONG cx;
    LONG cy;
    HCURSOR hCursor;  // copied
    LONG nPointerNumber;
    COLORREF crBack;
    LPCSTR pszFile;  // AVI file or movie object file read and opened at once; null for none
    LONG nStretch;
    LONG nPopupMode;  // 0 in the object, 1 popup at its last place, 2 popup sized to the video
    LONG nViewMode;
    DWORD dwExStyle;
    LONG nGridCx;
    LONG nGridCy;
};
#pragma pack(pop)
static_assert(sizeof(void*) != 4 || sizeof(ZebMovieCreateInfo) == 64, "the 32-bit record is 64 bytes");
static_assert(sizeof(void*) != 8 || sizeof(ZebMovieCreateInfo) == 72, "the 64-bit record is 72 bytes");

// Which optional fields of a ZebSoundCreateInfo count; position and size
// always count.
#define ZEBSOUND_STYLE    0x0001  // dwStyle and dwExStyle
#define ZEBSOUND_CURSOR   0x0008
#define ZEBSOUND_POINTER  0x0010
#define ZEBSOUND_BKCOLOR  0x0020
#define ZEBSOUND_FILE     0x0040
#define ZEBSOUND_VIEWMODE 0x0080
#define ZEBSOUND_GRID     0x0100

// The creation record of zebCreateObjSound, as the movie's without stretch
// and popup mode.
#pragma pack(push, 8)
struct ZebSoundCreateInfo
{
    DWORD dwMask;
    DWORD dwStyle;
    LONG x;  // whiteboard coordinates
    LONG y;
    LONG cx;
    LONG cy;
    HCURSOR hCursor;  // copied
    LONG nPointerNumber;
    COLORREF crBack;
    LPCSTR pszFile;  // WAV, MID or RMI file or sound object file read and opened at once; null for none
    LONG nViewMode;
    DWORD dwExStyle;
    LONG nGridCx;
    LONG nGridCy;
};
#pragma pack(pop)
static_assert(sizeof(void*) != 4 || sizeof(ZebSoundCreateInfo) == 56, "the 32-bit record is 56 bytes");
static_assert(sizeof(void*) != 8 || sizeof(ZebSoundCreateInfo) == 64, "the 64-bit record is 64 bytes");

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

// A picture or line on a whiteboard (or any parent) at the record's place
// in whiteboard coordinates; without record 1 x 1 at (0, 0). *pnIndex (when
// given) = its index in the whiteboard. Null on failure.
ZEBAPI HWND WINAPI zebCreateObjPic(HWND hParent, const ZebPicCreateInfo* pInfo, LONG* pnIndex);
ZEBAPI HWND WINAPI zebCreateObjLine(HWND hParent, const ZebLineCreateInfo* pInfo, LONG* pnIndex);
// A movie or sound on a whiteboard, as zebCreateObjPic; its file is read
// and, while no other movie (sound) is open, opened at once.
ZEBAPI HWND WINAPI zebCreateObjMovie(HWND hParent, const ZebMovieCreateInfo* pInfo, LONG* pnIndex);
ZEBAPI HWND WINAPI zebCreateObjSound(HWND hParent, const ZebSoundCreateInfo* pInfo, LONG* pnIndex);

// Playback of movies and sounds (milliseconds). States: 0 closed, 1
// stopped, 2 playing, 4 seeking, 5 paused, 6 open, -1 unknown. Commands of
// zebSetPlaybackMode: 0 close, 1 and 6 stop, 2 play from..to (to -1: to
// the end), 4 jump (while playing), 5 pause, 7 resume; it answers the
// previous state, or -1.
ZEBAPI LONG WINAPI zebGetPlaybackMode(HWND hObject);
ZEBAPI LONG WINAPI zebSetPlaybackMode(HWND hObject, LONG nCommand, LONG nFrom, LONG nTo);
ZEBAPI LONG WINAPI zebGetPlaybackPos(HWND hObject);
ZEBAPI LONG WINAPI zebGetPlaybackSize(HWND hObject);
// Where a movie shows from its next open: 0 in the object, 1 popup at its
// last place, 2 popup sized to the video.
ZEBAPI LONG WINAPI zebGetPopUpMode(HWND hMovie);
ZEBAPI LONG WINAPI zebSetPopUpMode(HWND hMovie, LONG nMode);
ZEBAPI LONG WINAPI zebGetMoviePopUpMode(HWND hWhiteBoard, LONG nIndex);
ZEBAPI LONG WINAPI zebSetMoviePopUpMode(HWND hWhiteBoard, LONG nIndex, LONG nMode);
ZEBAPI LONG WINAPI zebGetObjPlaybackMode(HWND hWhiteBoard, LONG nKind, LONG nIndex);
ZEBAPI LONG WINAPI zebSetObjPlaybackMode(HWND hWhiteBoard, LONG nKind, LONG nIndex, LONG nCommand, LONG nFrom,
                                         LONG nTo);
ZEBAPI LONG WINAPI zebGetObjPlaybackPos(HWND hWhiteBoard, LONG nKind, LONG nIndex);
ZEBAPI LONG WINAPI zebGetObjPlaybackSize(HWND hWhiteBoard, LONG nKind, LONG nIndex);
// The picture made from the bitmap (at the display's depth, through the
// palette) replaces the picture's; a null bitmap empties it. 1; 0 for a
// window that is no picture or when the bitmap cannot be converted (the
// picture is then kept).
ZEBAPI LONG WINAPI zebSetPicture(HWND hPicture, HBITMAP hBitmap, HPALETTE hPalette);
// The text of a child (kinds 8 to 128) of a whiteboard: its length without
// NUL, copied into pszBuffer when given (empty when it has none); -1 on
// failure.
ZEBAPI LONG WINAPI zebGetObjText(HWND hWhiteBoard, LONG nKind, LONG nIndex, LPSTR pszBuffer);
// A copy of pszText (null: none) replaces the child's text: 1; 0 on
// failure, the old text then kept.
ZEBAPI LONG WINAPI zebSetObjText(HWND hWhiteBoard, LONG nKind, LONG nIndex, LPCSTR pszText);
// The object text of any object: the same as the two above on the object
// itself (-1 / 0 without record). The copy has no size: ask for the length
// with a null buffer first.
ZEBAPI LONG WINAPI zebGetText(HWND hObject, LPSTR pszBuffer);
ZEBAPI LONG WINAPI zebSetText(HWND hObject, LPCSTR pszText);

// A line's drawing properties: its draw form (ZEBLINE_TOP ...), mix mode,
// pen style and pen width, on the line or by its index among a
// whiteboard's lines. Getters give the value, setters store it unchecked,
// redraw the line and give the previous value; -1 (0xFFFF for the draw
// form) for anything that is no line.
ZEBAPI WORD WINAPI zebGetDrawForm(HWND hLine);
ZEBAPI WORD WINAPI zebSetDrawForm(HWND hLine, WORD wForm);
ZEBAPI LONG WINAPI zebGetDrawMode(HWND hLine);
ZEBAPI LONG WINAPI zebSetDrawMode(HWND hLine, LONG nMode);
ZEBAPI LONG WINAPI zebGetDrawStyle(HWND hLine);
ZEBAPI LONG WINAPI zebSetDrawStyle(HWND hLine, LONG nStyle);
ZEBAPI LONG WINAPI zebGetDrawWidth(HWND hLine);
ZEBAPI LONG WINAPI zebSetDrawWidth(HWND hLine, LONG nWidth);
ZEBAPI WORD WINAPI zebGetLineDrawForm(HWND hWhiteBoard, LONG nLine);
ZEBAPI WORD WINAPI zebSetLineDrawForm(HWND hWhiteBoard, LONG nLine, WORD wForm);
ZEBAPI LONG WINAPI zebGetLineDrawMode(HWND hWhiteBoard, LONG nLine);
ZEBAPI LONG WINAPI zebSetLineDrawMode(HWND hWhiteBoard, LONG nLine, LONG nMode);
ZEBAPI LONG WINAPI zebGetLineDrawStyle(HWND hWhiteBoard, LONG nLine);
ZEBAPI LONG WINAPI zebSetLineDrawStyle(HWND hWhiteBoard, LONG nLine, LONG nStyle);
ZEBAPI LONG WINAPI zebGetLineDrawWidth(HWND hWhiteBoard, LONG nLine);
ZEBAPI LONG WINAPI zebSetLineDrawWidth(HWND hWhiteBoard, LONG nLine, LONG nWidth);

// Appearance of an object. Getters give the value; setters give the
// previous one. Failure: -1 for values (colours, styles, pointer
// numbers, 3-D edge), 0 for flags and modes.
// 3-D edge (WS_EX_CLIENTEDGE) of a whiteboard, document, picture, sound or
// movie: 1 or 0; setting accepts 0 and 1 only.
ZEBAPI LONG WINAPI zebGetAppearance(HWND hObject);
ZEBAPI LONG WINAPI zebSetAppearance(HWND hObject, LONG nAppearance);
// Back colour of any object; setting it (not on lines) sets the border
// colour too.
ZEBAPI LONG WINAPI zebGetBkColor(HWND hObject);
ZEBAPI LONG WINAPI zebSetBkColor(HWND hObject, COLORREF crBack);
ZEBAPI LONG WINAPI zebGetBorderColor(HWND hObject);
ZEBAPI LONG WINAPI zebSetBorderColor(HWND hObject, COLORREF crBorder);
// 0 none, 1 WS_BORDER, 2 WS_THICKFRAME (whiteboards only).
ZEBAPI LONG WINAPI zebGetBorderStyle(HWND hObject);
ZEBAPI LONG WINAPI zebSetBorderStyle(HWND hObject, LONG nStyle);
// The shrink cache of a picture, 1 on, 0 off (and on failure).
ZEBAPI LONG WINAPI zebGetCashMode(HWND hPicture);
ZEBAPI LONG WINAPI zebSetCashMode(HWND hPicture, LONG nMode);
ZEBAPI LONG WINAPI zebGetPicCashMode(HWND hWhiteBoard, LONG nPicture);
ZEBAPI LONG WINAPI zebSetPicCashMode(HWND hWhiteBoard, LONG nPicture, LONG nMode);
// Pictures converted onto the fixed palette on 8-bit displays.
ZEBAPI LONG WINAPI zebGetDither(HWND hObject);
ZEBAPI LONG WINAPI zebSetDither(HWND hObject, LONG nDither);
// Fore colour of a whiteboard, document or line (a line's pen).
ZEBAPI LONG WINAPI zebGetForeColor(HWND hObject);
ZEBAPI LONG WINAPI zebSetForeColor(HWND hObject, COLORREF crFore);
// Snapping grid of a whiteboard, picture or line: 1; a null SIZE sets
// (0, 0), no snapping.
ZEBAPI LONG WINAPI zebGetGridSize(HWND hObject, SIZE* pSize);
ZEBAPI LONG WINAPI zebSetGridSize(HWND hObject, const SIZE* pSize);
// Mouse-pointer number 0-13 of any object (not checked).
ZEBAPI LONG WINAPI zebGetMousePointer(HWND hObject);
ZEBAPI LONG WINAPI zebSetMousePointer(HWND hObject, LONG nPointer);
// The page rectangle of a whiteboard or document in its client
// coordinates; setting moves the page (whiteboards). 1, or 0.
ZEBAPI LONG WINAPI zebGetRect(HWND hObject, RECT* pRect);
ZEBAPI LONG WINAPI zebSetRect(HWND hObject, const RECT* pRect);
// A picture stretched to its whole client area; setting gives 1.
ZEBAPI LONG WINAPI zebGetStretch(HWND hObject);
ZEBAPI LONG WINAPI zebSetStretch(HWND hObject, LONG nStretch);
ZEBAPI LONG WINAPI zebGetVertMode(HWND hObject);
ZEBAPI LONG WINAPI zebSetVertMode(HWND hObject, LONG nMode);
// Nonzero: the object (a whiteboard: its children) cannot be selected,
// moved or sized.
ZEBAPI LONG WINAPI zebGetViewMode(HWND hObject);
ZEBAPI LONG WINAPI zebSetViewMode(HWND hObject, LONG nMode);
ZEBAPI LONG WINAPI zebGetWrapMode(HWND hWhiteBoard);
ZEBAPI LONG WINAPI zebSetWrapMode(HWND hWhiteBoard, LONG nMode);
// {0, 0, width, height} of a picture's image: 1, or 0.
ZEBAPI LONG WINAPI zebGetOrgRect(HWND hObject, RECT* pRect);
// Settings of text documents only; every other window gets the failure
// value.
// Static mode (0 editable, 1 static, 2 read-only), stored unchecked: the
// previous one, -1.
ZEBAPI LONG WINAPI zebGetStaticMode(HWND hDocument);
ZEBAPI LONG WINAPI zebSetStaticMode(HWND hDocument, LONG nMode);
ZEBAPI LONG WINAPI zebGetDocStaticMode(HWND hWhiteBoard, LONG nDoc);
ZEBAPI LONG WINAPI zebSetDocStaticMode(HWND hWhiteBoard, LONG nDoc, LONG nMode);
// Zoom 1..1000 percent (-1 only reads): the previous one, -1.
ZEBAPI LONG WINAPI zebSetScale(HWND hDocument, LONG nPercent);
// Option word: operation 0 reads, 1 sets, 2 ors, 3 ands, 4 xors; the
// previous word, -1.
ZEBAPI LONG WINAPI zebSetOptions(HWND hDocument, LONG nOperation, LONG nValue);
// Input filter: a match string and a replacement of equal length. Exported
// under the decorated names "_zebGetFilter@16" and "_zebSetFilter@12";
// the whiteboard forms by document index under "_zebGetDocFilter@20" and
// "_zebSetDocFilter@16". Getting gives the match's length, -1; setting 1,
// 0.
ZEBAPI LONG WINAPI zebGetFilter(HWND hDocument, LPSTR pszMatch, LPSTR pszReplacement, LONG nSize);
ZEBAPI LONG WINAPI zebSetFilter(HWND hDocument, LPCSTR pszMatch, LPCSTR pszReplacement);
ZEBAPI LONG WINAPI zebGetDocFilter(HWND hWhiteBoard, LONG nDoc, LPSTR pszMatch, LPSTR pszReplacement, LONG nSize);
ZEBAPI LONG WINAPI zebSetDocFilter(HWND hWhiteBoard, LONG nDoc, LPCSTR pszMatch, LPCSTR pszReplacement);
// Selection anchor of a text document: 1 and (column, line) when there is
// a selection, else 0 and (-1, -1).
ZEBAPI LONG WINAPI zebGetSelect(HWND hDocument, POINT* pAnchor);
// Sets the anchor at a valid position (kept off a trail byte): 1, 0.
// (const POINT*)-1 selects all (anchor (0, 0), caret at the end): the
// caret move's result. Null or a position with a negative part drops the
// selection: 1 when there was one, else 0.
ZEBAPI LONG WINAPI zebSetSelect(HWND hDocument, const POINT* pAnchor);

// The same on a whiteboard's child of a kind and index.
ZEBAPI LONG WINAPI zebGetObjAppearance(HWND hWhiteBoard, LONG nKind, LONG nIndex);
ZEBAPI LONG WINAPI zebSetObjAppearance(HWND hWhiteBoard, LONG nKind, LONG nIndex, LONG nAppearance);
ZEBAPI LONG WINAPI zebGetObjBkColor(HWND hWhiteBoard, LONG nKind, LONG nIndex);
ZEBAPI LONG WINAPI zebSetObjBkColor(HWND hWhiteBoard, LONG nKind, LONG nIndex, COLORREF crBack);
ZEBAPI LONG WINAPI zebGetObjBorderStyle(HWND hWhiteBoard, LONG nKind, LONG nIndex);
ZEBAPI LONG WINAPI zebSetObjBorderStyle(HWND hWhiteBoard, LONG nKind, LONG nIndex, LONG nStyle);
ZEBAPI LONG WINAPI zebGetObjForeColor(HWND hWhiteBoard, LONG nKind, LONG nIndex);
ZEBAPI LONG WINAPI zebSetObjForeColor(HWND hWhiteBoard, LONG nKind, LONG nIndex, COLORREF crFore);
ZEBAPI LONG WINAPI zebGetObjGridSize(HWND hWhiteBoard, LONG nKind, LONG nIndex, SIZE* pSize);
ZEBAPI LONG WINAPI zebSetObjGridSize(HWND hWhiteBoard, LONG nKind, LONG nIndex, const SIZE* pSize);
ZEBAPI LONG WINAPI zebGetObjMousePointer(HWND hWhiteBoard, LONG nKind, LONG nIndex);
ZEBAPI LONG WINAPI zebSetObjMousePointer(HWND hWhiteBoard, LONG nKind, LONG nIndex, LONG nPointer);
ZEBAPI LONG WINAPI zebGetObjOrgRect(HWND hWhiteBoard, LONG nKind, LONG nIndex, RECT* pRect);
ZEBAPI LONG WINAPI zebGetObjStretch(HWND hWhiteBoard, LONG nKind, LONG nIndex);
ZEBAPI LONG WINAPI zebSetObjStretch(HWND hWhiteBoard, LONG nKind, LONG nIndex, LONG nStretch);
ZEBAPI LONG WINAPI zebSetObjVertMode(HWND hWhiteBoard, LONG nKind, LONG nIndex, LONG nMode);
ZEBAPI LONG WINAPI zebGetObjViewMode(HWND hWhiteBoard, LONG nKind, LONG nIndex);
ZEBAPI LONG WINAPI zebSetObjViewMode(HWND hWhiteBoard, LONG nKind, LONG nIndex, LONG nMode);
ZEBAPI LONG WINAPI zebSetObjScale(HWND hWhiteBoard, LONG nKind, LONG nIndex, LONG nPercent);
ZEBAPI LONG WINAPI zebSetObjOptions(HWND hWhiteBoard, LONG nKind, LONG nIndex, LONG nOperation, LONG nValue);
// Kind 2: 1 when the text item's font is turned; kind 8: the document's
// vertical mode; other kinds 0.
ZEBAPI LONG WINAPI zebGetObjVertMode(HWND hWhiteBoard, LONG nKind, LONG nIndex);
// Text items of a whiteboard: their number (-1 for another window); one
// appended (or inserted at nIndex, negative or beyond the end appending) in
// the font, turned to vertical (escapement 2700) when bVertical, at the
// position: its index, or -1.
ZEBAPI LONG WINAPI zebGetTextCount(HWND hWhiteBoard);
ZEBAPI LONG WINAPI zebAddText(HWND hWhiteBoard, LPCSTR pszText, const LOGFONTA* pFont, const POINT* pPosition,
                              BOOL bVertical);
ZEBAPI LONG WINAPI zebAddTextEx(HWND hWhiteBoard, LPCSTR pszText, const LOGFONTA* pFont, const POINT* pPosition,
                                BOOL bVertical, LONG nIndex);
// Removes a whiteboard's text item (negative: all): 1, 0 for an index beyond
// them or a window of another kind, -1 without record. On a text document
// an index of 0 or more deletes the selection, a negative one all text:
// the deletion's result.
ZEBAPI LONG WINAPI zebRemoveText(HWND hObject, LONG nIndex);

// Whiteboard files. Reading replaces the whiteboard's content when the
// file holds the whiteboard's own block, else adds the objects it holds
// (moved to the position and sized to the size when given); a file that
// cannot be read whole changes nothing. The file's size, or -1.
ZEBAPI LONG WINAPI zebReadWhiteBoard(HWND hWhiteBoard, LPCSTR pszPath, const POINT* pPos, const SIZE* pSize);
// Mode 0 the plain text of the text items, 1 the block file with objects
// without their bulk data, 2 with it, 3 a BMP picture of the region. The
// bytes written, or -1 (also for a window that is no whiteboard); a file
// that fails is deleted.
ZEBAPI LONG WINAPI zebWriteWhiteBoard(HWND hWhiteBoard, LPCSTR pszPath, LONG nMode, const POINT* pOrigin,
                                      const SIZE* pSize);
// One object from or to a file: a new object of the kind for an index
// below 0. Reading gives the file's size, -1 on failure (a new object is
// then destroyed; an existing one keeps what it had); a picture's path may
// name a memory file. Writing in mode 0 (native data), 1 (block without
// bulk data) or 2 gives the bytes written, or -1 with no file left.
ZEBAPI LONG WINAPI zebReadObject(HWND hWhiteBoard, LONG nKind, LONG nIndex, LPCSTR pszPath);
ZEBAPI LONG WINAPI zebWriteObject(HWND hWhiteBoard, LONG nKind, LONG nIndex, LPCSTR pszPath, LONG nMode,
                                  const POINT* pOrigin, const SIZE* pSize);

// Memory files: named mappings on the paging file, of whole pages (the
// bytes after the content are zero), alive while a handle is open.
// A new empty temporary file ("MMF" prefix) named in pszPath (MAX_PATH): 1 or 0.
ZEBAPI LONG WINAPI zebGetTempMemFile(LPSTR pszPath);
// A memory file of that name holding the (non-empty) file: its handle, or 0
// (also when another holder uses the name; its bytes stay).
ZEBAPI HANDLE WINAPI zebFileToMemFile(LPCSTR pszPath, LPCSTR pszName);
// The memory file's whole pages written to the file: 1, or 0 and no file.
ZEBAPI LONG WINAPI zebMemFileToFile(LPCSTR pszName, LPCSTR pszPath);
ZEBAPI LONG WINAPI zebCloseMemFile(HANDLE hMemFile);
// The whiteboard written (as zebWriteWhiteBoard) into a new memory file:
// its handle, or 0 (also for an empty file).
ZEBAPI HANDLE WINAPI zebWriteMemWhiteBoard(HWND hWhiteBoard, LPCSTR pszName, LONG nMode, const POINT* pOrigin,
                                           const SIZE* pSize);
// zebReadWhiteBoard of the memory file's content; -1 when it cannot be had.
ZEBAPI LONG WINAPI zebReadMemWhiteBoard(HWND hWhiteBoard, LPCSTR pszName, const POINT* pPos, const SIZE* pSize);
// The memory file copied into a new temporary file named in pszPath (the
// caller deletes it): 1, or 0 with an empty path.
ZEBAPI LONG WINAPI zebReadMemPic(LPCSTR pszName, LPSTR pszPath);

// The look of an object as a bitmap compatible with the screen: for a
// whiteboard its whole client area with its palette (null on a display
// without palette); for a picture its client area with its scroll bars'
// room, the palette out null. A bitmap or palette not asked for is
// deleted. 1, or 0 (lines and other kinds).
ZEBAPI BOOL WINAPI zebGetPicture(HWND hObject, HBITMAP* phBitmap, HPALETTE* phPalette);


// Printing: 1 printed, 3 cancelled in the printing dialog, -1 failure. A
// null DC shows the print dialog (that DC is deleted after); the document
// name defaults to "印刷"; the offset is in tenths of a millimetre.
ZEBAPI LONG WINAPI zebPrintOut(HWND hWhiteBoard, HDC hdc, LPCSTR pszDocName, LPCSTR pszSecondLine,
                               const POINT* pOffset);
// One child (kinds 8, 16, 32, 64, 128, 512) alone at the page origin.
ZEBAPI LONG WINAPI zebPrintOutObj(HWND hWhiteBoard, LONG nKind, LONG nIndex, HDC hdc, LPCSTR pszDocName,
                                  LPCSTR pszSecondLine, const POINT* pOffset);
// A picture into the destination (whiteboard pixels; null: its client
// rectangle at the page origin); a null DC prints on the default printer.
ZEBAPI LONG WINAPI zebPrintOutPic(HWND hPicture, HDC hdc, LPCSTR pszDocName, LPCSTR pszSecondLine,
                                  const RECT* pDest);
// The preview on the default printer (zebPreview) or on copies of the
// given blocks (zebPreviewEx, which hands the setup as the user left it
// back in *pOut when given, else frees it): 8 closed, 2 cancelled, the
// print result after Print, -1 without printer or blocks.
struct ZebPrinterBlocks
{
    HGLOBAL hDevNames;
    HGLOBAL hDevMode;
};
ZEBAPI LONG WINAPI zebPreview(HWND hWhiteBoard, LPCSTR pszCaption, LPCSTR pszDocName, LPCSTR pszSecondLine);
ZEBAPI LONG WINAPI zebPreviewEx(HWND hWhiteBoard, HGLOBAL hDevNames, HGLOBAL hDevMode, LPCSTR pszCaption,
                                LPCSTR pszDocName, LPCSTR pszSecondLine, ZebPrinterBlocks* pOut);

// Text documents. Each function takes the document window (failing for
// any other window); a zebGetDoc..., zebSetDoc... or ...Doc... twin takes a
// whiteboard and the index of one of its text documents instead and fails
// the same way for a bad pair. Failure: -1 for a count, size, index or
// position, 0 for a window or success. Sizes are bytes of Shift-JIS text;
// a line feed is handed out as CR LF. Full text: u32 count N, N bytes, N
// 32-bit attributes; extended full text: a 32-byte header (0xBCB0B2DF,
// total, part sizes) then its parts, as the clip mode chooses.
//
// A new document on the parent at the record's place (whiteboard
// coordinates) with its fields applied; without record 1 x 1 at (0, 0)
// without border. *pnIndex (when given) = its index, -1 on another parent.
ZEBAPI HWND WINAPI zebCreateObjDoc(HWND hParent, const ZebDocCreateInfo* pInfo, LONG* pnIndex);

// Text out: with a buffer the bytes written before the NUL, at most
// nSize - 1; without one the size a whole copy takes (zebGetAllText with
// its NUL, zebGetLine without). A negative line is the caret line.
ZEBAPI LONG WINAPI zebGetAllText(HWND hDocument, LPSTR pszBuffer, LONG nSize);
ZEBAPI LONG WINAPI zebGetDocAllText(HWND hWhiteBoard, LONG nDoc, LPSTR pszBuffer, LONG nSize);
ZEBAPI LONG WINAPI zebGetLine(HWND hDocument, LONG nLine, LPSTR pszBuffer, LONG nSize);
ZEBAPI LONG WINAPI zebGetDocLine(HWND hWhiteBoard, LONG nDoc, LONG nLine, LPSTR pszBuffer, LONG nSize);
// As full text: whole characters that fit, N x 5 + 4 bytes.
ZEBAPI LONG WINAPI zebGetRawLine(HWND hDocument, LONG nLine, LPVOID pBuffer, LONG nSize);
ZEBAPI LONG WINAPI zebGetDocRawLine(HWND hWhiteBoard, LONG nDoc, LONG nLine, LPVOID pBuffer, LONG nSize);
ZEBAPI LONG WINAPI zebGetAllFullText(HWND hDocument, LPVOID pBuffer, LONG nSize);
ZEBAPI LONG WINAPI zebGetDocAllFullText(HWND hWhiteBoard, LONG nDoc, LPVOID pBuffer, LONG nSize);
// Lines once the layout is done, without an empty last line.
ZEBAPI LONG WINAPI zebGetLineCount(HWND hDocument);
ZEBAPI LONG WINAPI zebGetDocLineCount(HWND hWhiteBoard, LONG nDoc);
// Top of the line in pixels (saturated), -1 outside the lines.
ZEBAPI LONG WINAPI zebGetLineTop(HWND hDocument, LONG nLine);
ZEBAPI LONG WINAPI zebGetDocLineTop(HWND hWhiteBoard, LONG nDoc, LONG nLine);
// Height of the line in pixels, 0 outside the lines; 0 for another window,
// -1 for a bad whiteboard and index.
ZEBAPI LONG WINAPI zebGetLineHeight(HWND hDocument, LONG nLine);
ZEBAPI LONG WINAPI zebGetDocLineHeight(HWND hWhiteBoard, LONG nDoc, LONG nLine);
// Waits for the layout: how its last line ends (3 the end of the text).
ZEBAPI LONG WINAPI zebUpdateInfo(HWND hDocument);
ZEBAPI LONG WINAPI zebUpdateDocInfo(HWND hWhiteBoard, LONG nDoc);

// Caret (column, line): 1, 0. Setting scrolls it into view and takes the
// typing attributes there; (-1, -1) is the current position.
ZEBAPI LONG WINAPI zebGetCaret(HWND hDocument, POINT* pCaret);
ZEBAPI LONG WINAPI zebGetDocCaret(HWND hWhiteBoard, LONG nDoc, POINT* pCaret);
ZEBAPI LONG WINAPI zebSetCaret(HWND hDocument, LONG nColumn, LONG nLine);
ZEBAPI LONG WINAPI zebSetDocCaret(HWND hWhiteBoard, LONG nDoc, LONG nColumn, LONG nLine);
// Selection anchor, part by part: -1 when the selection is empty; setting
// a negative value drops a selection. 1, 0.
ZEBAPI LONG WINAPI zebGetSelCol(HWND hDocument);
ZEBAPI LONG WINAPI zebGetDocSelCol(HWND hWhiteBoard, LONG nDoc);
ZEBAPI LONG WINAPI zebGetSelRow(HWND hDocument);
ZEBAPI LONG WINAPI zebGetDocSelRow(HWND hWhiteBoard, LONG nDoc);
ZEBAPI LONG WINAPI zebSetSelCol(HWND hDocument, LONG nColumn);
ZEBAPI LONG WINAPI zebSetDocSelCol(HWND hWhiteBoard, LONG nDoc, LONG nColumn);
ZEBAPI LONG WINAPI zebSetSelRow(HWND hDocument, LONG nLine);
ZEBAPI LONG WINAPI zebSetDocSelRow(HWND hWhiteBoard, LONG nDoc, LONG nLine);

// The selected text: its size with the NUL, and a copy (-1 for a null
// buffer or a size below 1); as full text, its size and a copy of the
// whole characters that fit; as extended full text, the size asked for
// (it may exceed what is written by 8) and a copy (-1 when it does not fit).
ZEBAPI LONG WINAPI zebGetSelLength(HWND hDocument);
ZEBAPI LONG WINAPI zebGetDocSelLength(HWND hWhiteBoard, LONG nDoc);
ZEBAPI LONG WINAPI zebGetSelText(HWND hDocument, LPSTR pszBuffer, LONG nSize);
ZEBAPI LONG WINAPI zebGetDocSelText(HWND hWhiteBoard, LONG nDoc, LPSTR pszBuffer, LONG nSize);
ZEBAPI LONG WINAPI zebGetSelFullLength(HWND hDocument);
ZEBAPI LONG WINAPI zebGetDocSelFullLength(HWND hWhiteBoard, LONG nDoc);
ZEBAPI LONG WINAPI zebGetSelFullText(HWND hDocument, LPVOID pBuffer, LONG nSize);
ZEBAPI LONG WINAPI zebGetDocSelFullText(HWND hWhiteBoard, LONG nDoc, LPVOID pBuffer, LONG nSize);
ZEBAPI LONG WINAPI zebGetSelFullLengthEx(HWND hDocument);
ZEBAPI LONG WINAPI zebGetSelFullTextEx(HWND hDocument, LPVOID pBuffer, UINT nSize);
// Replacing the selection: a selection is first copied to the clipboard
// unless clip-mode bit 0x10 is set, then deleted; the text goes in at the
// caret. Under the default clip mode (4) this replaces the user's
// clipboard: callers that must keep it set bit 0x10. A full text must be
// whole (zebSetSelFullText: an extended one exactly nSize bytes). The
// insertion's result; 0 on failure, nothing changed by a refused argument
// or a failed copy.
ZEBAPI LONG WINAPI zebSetSelText(HWND hDocument, LPCSTR pszText);
ZEBAPI LONG WINAPI zebSetDocSelText(HWND hWhiteBoard, LONG nDoc, LPCSTR pszText);
ZEBAPI LONG WINAPI zebSetSelFullText(HWND hDocument, LPCVOID pFullText, LONG nSize);
ZEBAPI LONG WINAPI zebSetDocSelFullText(HWND hWhiteBoard, LONG nDoc, LPCVOID pFullText, LONG nSize);
ZEBAPI LONG WINAPI zebSetSelFullTextEx(HWND hDocument, LPCVOID pFullText, LONG nSize);
// The clipboard: CF_TEXT and the full text in "zebDocObjText" (extended
// under a nonzero clip mode). Copy 1, 0; cut the deletion's result; paste
// the insertion's result (1 for an empty clipboard).
ZEBAPI LONG WINAPI zebCopyText(HWND hDocument);
ZEBAPI LONG WINAPI zebCutText(HWND hDocument);
ZEBAPI LONG WINAPI zebPasteText(HWND hDocument);

// Search flags: 1 backward, 2 ignore the case of single-byte letters, 4
// report the position only (else the match is selected). From *pPosition
// when given, else from the caret. 1 found, 0.
ZEBAPI LONG WINAPI zebFindText(HWND hDocument, LPCSTR pszText, UINT nFlags, POINT* pPosition);
ZEBAPI LONG WINAPI zebFindDocText(HWND hWhiteBoard, LONG nDoc, LPCSTR pszText, UINT nFlags, POINT* pPosition);
// Searches a whiteboard's text items, bitmap item names, object texts (text
// documents' content with bInDocuments) and application children after the
// match that *pwKind, *pnIndex name (another kind: from the start or, with
// bBackward, the end). Found: 1, the kind and index there, an object
// window selected; 0.
ZEBAPI LONG WINAPI zebFindString(HWND hWhiteBoard, LPCSTR pszText, BOOL bBackward, BOOL bInDocuments,
                                 WORD* pwKind, LONG* pnIndex);

// The first and last visible lines and the first visible column; setting
// scrolls and gives the one before. -1 on failure.
ZEBAPI LONG WINAPI zebGetFirstLine(HWND hDocument);
ZEBAPI LONG WINAPI zebGetDocFirstLine(HWND hWhiteBoard, LONG nDoc);
ZEBAPI LONG WINAPI zebGetLastLine(HWND hDocument);
ZEBAPI LONG WINAPI zebGetDocLastLine(HWND hWhiteBoard, LONG nDoc);
ZEBAPI LONG WINAPI zebGetFirstColumn(HWND hDocument);
ZEBAPI LONG WINAPI zebGetDocFirstColumn(HWND hWhiteBoard, LONG nDoc);
ZEBAPI LONG WINAPI zebSetFirstLine(HWND hDocument, LONG nLine);
ZEBAPI LONG WINAPI zebSetDocFirstLine(HWND hWhiteBoard, LONG nDoc, LONG nLine);
ZEBAPI LONG WINAPI zebSetFirstColumn(HWND hDocument, LONG nColumn);
ZEBAPI LONG WINAPI zebSetDocFirstColumn(HWND hWhiteBoard, LONG nDoc, LONG nColumn);

// A text document drawn into a device context: the source part (object
// client coordinates; null: the client area with its scroll bars) at the
// place (tenths of a millimetre), clipped to the place and to the client
// area at the context's resolution, on the document's back colour unless it
// is transparent. The stretching form scales both axes by the smaller ratio
// of place to source. 1, or 0 when not a text document.
ZEBAPI LONG WINAPI zebDrawImage(HWND hDocument, HDC hdc, const RECT* prcSource, const RECT* prcPlace);
ZEBAPI LONG WINAPI zebDrawStretchImage(HWND hDocument, HDC hdc, const RECT* prcSource, const RECT* prcPlace);
ZEBAPI LONG WINAPI zebDrawDocImage(HWND hWhiteBoard, LONG nDoc, HDC hdc, const RECT* prcSource, const RECT* prcPlace);
ZEBAPI LONG WINAPI zebDrawDocStretchImage(HWND hWhiteBoard, LONG nDoc, HDC hdc, const RECT* prcSource,
                                          const RECT* prcPlace);
// Fonts of a whiteboard's text items or of a text document (the table it
// uses: its own, or its whiteboard's shared pair in document font mode 0).
// Font numbers, -1 on failure; an equivalent font is found rather than
// added by the Add forms; position -1 appends.
ZEBAPI LONG WINAPI zebFindFontIndex(HWND hObject, const LOGFONTA* plf);
ZEBAPI LONG WINAPI zebFindDocFontIndex(HWND hWhiteBoard, LONG nDoc, const LOGFONTA* plf);
ZEBAPI LONG WINAPI zebAddFont(HWND hObject, const LOGFONTA* plf);
ZEBAPI LONG WINAPI zebAddDocFont(HWND hWhiteBoard, LONG nDoc, const LOGFONTA* plf);
ZEBAPI LONG WINAPI zebInsertFont(HWND hObject, const LOGFONTA* plf, LONG nPosition);
ZEBAPI LONG WINAPI zebInsertDocFont(HWND hWhiteBoard, LONG nDoc, const LOGFONTA* plf, LONG nPosition);
// Removing re-points what used the font: nonzero, 0 (the document form -1
// for a bad whiteboard and index).
ZEBAPI LONG WINAPI zebRemoveFont(HWND hObject, LONG nFont);
ZEBAPI LONG WINAPI zebRemoveDocFont(HWND hWhiteBoard, LONG nDoc, LONG nFont);
ZEBAPI LONG WINAPI zebGetFontCount(HWND hObject);
ZEBAPI LONG WINAPI zebGetDocFontCount(HWND hWhiteBoard, LONG nDoc);
// The current (typing) font and a font by number: 1, 0.
ZEBAPI LONG WINAPI zebGetFont(HWND hObject, LOGFONTA* plf);
ZEBAPI LONG WINAPI zebGetDocFont(HWND hWhiteBoard, LONG nDoc, LOGFONTA* plf);
ZEBAPI LONG WINAPI zebGetIndexFont(HWND hObject, LONG nFont, LOGFONTA* plf);
ZEBAPI LONG WINAPI zebGetDocIndexFont(HWND hWhiteBoard, LONG nDoc, LONG nFont, LOGFONTA* plf);
ZEBAPI LONG WINAPI zebGetFontIndex(HWND hObject);
ZEBAPI LONG WINAPI zebGetDocFontIndex(HWND hWhiteBoard, LONG nDoc);
// Setting the current font applies it to a document's selection: 1, 0.
ZEBAPI LONG WINAPI zebSetFont(HWND hObject, const LOGFONTA* plf);
ZEBAPI LONG WINAPI zebSetDocFont(HWND hWhiteBoard, LONG nDoc, const LOGFONTA* plf);
ZEBAPI LONG WINAPI zebSetFontIndex(HWND hObject, LONG nFont);
ZEBAPI LONG WINAPI zebSetDocFontIndex(HWND hWhiteBoard, LONG nDoc, LONG nFont);
// Replaces a font of the table, laid out again with bRelayout; font -1
// without LOGFONT and with bRelayout only lays out again (the document
// form with document -1: every document of the whiteboard). 1, 0.
ZEBAPI LONG WINAPI zebSetIndexFont(HWND hObject, LONG nFont, const LOGFONTA* plf, BOOL bRelayout);
ZEBAPI LONG WINAPI zebSetDocIndexFont(HWND hWhiteBoard, LONG nDoc, LONG nFont, const LOGFONTA* plf, BOOL bRelayout);
// A document's default font and its IME font selector (-1 only reads):
// the previous value, -1.
ZEBAPI LONG WINAPI zebSetDefaultFont(HWND hDocument, LONG nFont);
ZEBAPI LONG WINAPI zebSetDocDefaultFont(HWND hWhiteBoard, LONG nDoc, LONG nFont);
ZEBAPI LONG WINAPI zebSetIMEFont(HWND hDocument, LONG nSelector);
ZEBAPI LONG WINAPI zebSetDocIMEFont(HWND hWhiteBoard, LONG nDoc, LONG nSelector);
// Document font mode of a whiteboard: 0 its documents share its tables,
// 1 each has its own. Switching moves every document's fonts, all or none:
// the previous mode, -1.
ZEBAPI LONG WINAPI zebGetDocFontMode(HWND hWhiteBoard);
ZEBAPI LONG WINAPI zebSetDocFontMode(HWND hWhiteBoard, LONG nMode);

// Bitmap items of a whiteboard or inline bitmaps of a text document (taken
// over from the caller on success). Indexes, -1; handles, null; 1, 0.
ZEBAPI LONG WINAPI zebAddBmp(HWND hObject, HGLOBAL hDib, LPCSTR pszName, const POINT* pPosition);
ZEBAPI LONG WINAPI zebAddBmpEx(HWND hObject, HGLOBAL hDib, LPCSTR pszName, const POINT* pPosition, LONG nAt);
ZEBAPI LONG WINAPI zebAddDocBmp(HWND hWhiteBoard, LONG nDoc, HGLOBAL hDib);
ZEBAPI LONG WINAPI zebAddDocBmpEx(HWND hWhiteBoard, LONG nDoc, HGLOBAL hDib, LONG nAt);
ZEBAPI LONG WINAPI zebGetBmpCount(HWND hObject);
ZEBAPI LONG WINAPI zebGetDocBmpCount(HWND hWhiteBoard, LONG nDoc);
ZEBAPI HGLOBAL WINAPI zebGetIndexBmp(HWND hObject, LONG nBitmap);
ZEBAPI HGLOBAL WINAPI zebGetDocIndexBmp(HWND hWhiteBoard, LONG nDoc, LONG nBitmap);
// Replaces a document's selection with the inline bitmap.
ZEBAPI LONG WINAPI zebInsertBmp(HWND hDocument, LONG nBitmap);
ZEBAPI LONG WINAPI zebInsertDocBmp(HWND hWhiteBoard, LONG nDoc, LONG nBitmap);
ZEBAPI LONG WINAPI zebRemoveBmp(HWND hObject, LONG nBitmap);
ZEBAPI LONG WINAPI zebRemoveDocBmp(HWND hWhiteBoard, LONG nDoc, LONG nBitmap);
// The selected inline bitmaps in text order (at most nMost): their number,
// -1.
struct ZebSelBmpEntry
{
    LONG nColumn;
    LONG nLine;
    LONG nBitmap;
    BYTE bReserved[2];
};
static_assert(sizeof(ZebSelBmpEntry) == 16, "three words and two bytes, padded to a word");
ZEBAPI LONG WINAPI zebGetSelBmpCount(HWND hDocument);
ZEBAPI LONG WINAPI zebGetDocSelBmpCount(HWND hWhiteBoard, LONG nDoc);
ZEBAPI LONG WINAPI zebGetSelBmp(HWND hDocument, ZebSelBmpEntry* pEntries, LONG nMost);
ZEBAPI LONG WINAPI zebGetDocSelBmp(HWND hWhiteBoard, LONG nDoc, ZebSelBmpEntry* pEntries, LONG nMost);

// Layout and input settings of a text document; setters give the previous
// value. Alignment 0..18, -1.
ZEBAPI LONG WINAPI zebGetAlignment(HWND hDocument);
ZEBAPI LONG WINAPI zebSetAlignment(HWND hDocument, LONG nMode);
// Line-start string of a whiteboard or document: its length, the copy cut
// to nSize - 1 bytes and ended; -1. Setting (null or "" for none): 1, 0.
ZEBAPI LONG WINAPI zebGetKinsoku(HWND hObject, LPSTR pszBuffer, LONG nSize);
ZEBAPI LONG WINAPI zebSetKinsoku(HWND hObject, LPCSTR pszLineStart);
ZEBAPI LONG WINAPI zebGetLimit(HWND hDocument);
ZEBAPI LONG WINAPI zebSetLimit(HWND hDocument, LONG nLimit);
// Line-feed and form-feed marks of a whiteboard or document: code 65535
// none; without LOGFONT the code is a bitmap number. 1, 0.
ZEBAPI LONG WINAPI zebGetNewLine(HWND hObject, WORD* pwCode, LOGFONTA* plf);
ZEBAPI LONG WINAPI zebGetFormFeed(HWND hObject, WORD* pwCode, LOGFONTA* plf);
ZEBAPI LONG WINAPI zebSetNewLine(HWND hObject, LONG nCode, const LOGFONTA* plf);
ZEBAPI LONG WINAPI zebSetFormFeed(HWND hObject, LONG nCode, const LOGFONTA* plf);
// Typing vertical position (-32768 on failure) and user attribute.
ZEBAPI LONG WINAPI zebGetVPos(HWND hDocument);
ZEBAPI LONG WINAPI zebSetVPos(HWND hDocument, LONG nVPos);
ZEBAPI LONG WINAPI zebGetUserAttr(HWND hDocument);
ZEBAPI LONG WINAPI zebSetUserAttr(HWND hDocument, LONG nAttr);
// IME mode 0..7.
ZEBAPI LONG WINAPI zebGetIMEMode(HWND hDocument);
ZEBAPI LONG WINAPI zebSetIMEMode(HWND hDocument, LONG nMode);
// User cells: getting gives the number (null list: only that), -1 when the
// list holds fewer (its first cells copied); setting validates them: 1, 0.
ZEBAPI LONG WINAPI zebGetUserAlignment(HWND hDocument, ZebUserCellList* pList);
ZEBAPI LONG WINAPI zebSetUserAlignment(HWND hDocument, const ZebUserCellList* pList);
// Character extra 0..32767; 0x80000000 only reads and is the failure.
ZEBAPI LONG WINAPI zebSetCharExtra(HWND hDocument, LONG nExtra);
// Clip mode (6 bits; 0xFFFF only reads and is the failure).
ZEBAPI WORD WINAPI zebSetClipMode(HWND hDocument, WORD wMode);
// Rectangle overflow report 0..2 (-1 only reads).
ZEBAPI LONG WINAPI zebSetRectOverflow(HWND hDocument, LONG nMode);
// Fixed width and height of a document (0: the client size), page size of
// a whiteboard; stored unchecked.
ZEBAPI LONG WINAPI zebGetWidth(HWND hObject);
ZEBAPI LONG WINAPI zebGetHeight(HWND hObject);
ZEBAPI LONG WINAPI zebSetWidth(HWND hObject, LONG nWidth);
ZEBAPI LONG WINAPI zebSetHeight(HWND hObject, LONG nHeight);
// The document forms of the settings above, on the whiteboard's text
// document nDoc, with the same results and failure values.
ZEBAPI LONG WINAPI zebGetDocAlignment(HWND hWhiteBoard, LONG nDoc);
ZEBAPI LONG WINAPI zebSetDocAlignment(HWND hWhiteBoard, LONG nDoc, LONG nMode);
ZEBAPI LONG WINAPI zebGetDocKinsoku(HWND hWhiteBoard, LONG nDoc, LPSTR pszBuffer, LONG nSize);
ZEBAPI LONG WINAPI zebSetDocKinsoku(HWND hWhiteBoard, LONG nDoc, LPCSTR pszLineStart);
ZEBAPI LONG WINAPI zebGetDocLimit(HWND hWhiteBoard, LONG nDoc);
ZEBAPI LONG WINAPI zebSetDocLimit(HWND hWhiteBoard, LONG nDoc, LONG nLimit);
ZEBAPI LONG WINAPI zebGetDocNewLine(HWND hWhiteBoard, LONG nDoc, WORD* pwCode, LOGFONTA* plf);
ZEBAPI LONG WINAPI zebGetDocFormFeed(HWND hWhiteBoard, LONG nDoc, WORD* pwCode, LOGFONTA* plf);
ZEBAPI LONG WINAPI zebSetDocNewLine(HWND hWhiteBoard, LONG nDoc, LONG nCode, const LOGFONTA* plf);
ZEBAPI LONG WINAPI zebSetDocFormFeed(HWND hWhiteBoard, LONG nDoc, LONG nCode, const LOGFONTA* plf);
ZEBAPI LONG WINAPI zebGetDocVPos(HWND hWhiteBoard, LONG nDoc);
ZEBAPI LONG WINAPI zebSetDocVPos(HWND hWhiteBoard, LONG nDoc, LONG nVPos);
ZEBAPI LONG WINAPI zebGetDocUserAttr(HWND hWhiteBoard, LONG nDoc);
ZEBAPI LONG WINAPI zebSetDocUserAttr(HWND hWhiteBoard, LONG nDoc, LONG nAttr);
ZEBAPI LONG WINAPI zebGetDocIMEMode(HWND hWhiteBoard, LONG nDoc);
ZEBAPI LONG WINAPI zebSetDocIMEMode(HWND hWhiteBoard, LONG nDoc, LONG nMode);
ZEBAPI LONG WINAPI zebGetDocUserAlignment(HWND hWhiteBoard, LONG nDoc, ZebUserCellList* pList);
ZEBAPI LONG WINAPI zebSetDocUserAlignment(HWND hWhiteBoard, LONG nDoc, const ZebUserCellList* pList);
ZEBAPI LONG WINAPI zebSetDocCharExtra(HWND hWhiteBoard, LONG nDoc, LONG nExtra);
ZEBAPI WORD WINAPI zebSetDocClipMode(HWND hWhiteBoard, LONG nDoc, WORD wMode);
ZEBAPI LONG WINAPI zebSetDocRectOverflow(HWND hWhiteBoard, LONG nDoc, LONG nMode);
ZEBAPI LONG WINAPI zebGetDocWidth(HWND hWhiteBoard, LONG nDoc);
ZEBAPI LONG WINAPI zebSetDocWidth(HWND hWhiteBoard, LONG nDoc, LONG nWidth);
ZEBAPI LONG WINAPI zebGetDocHeight(HWND hWhiteBoard, LONG nDoc);
ZEBAPI LONG WINAPI zebSetDocHeight(HWND hWhiteBoard, LONG nDoc, LONG nHeight);
ZEBAPI LONG WINAPI zebGetDocRect(HWND hWhiteBoard, LONG nDoc, RECT* pRect);
ZEBAPI LONG WINAPI zebSetDocRect(HWND hWhiteBoard, LONG nDoc, const RECT* pRect);
}
