// The selection copied out (between the anchor and the caret, in text
// order) as text with CR LF line ends and as plain or extended full text,
// and the lengths these take. -1 without record or for a selection outside
// the lines.
#pragma once
#include <windows.h>

// The selected bytes + 1 per line feed among them + 1 for the NUL (1
// without a selection).
int DocGetSelLength(HWND hwnd);
// The selection with CR LF line ends, cut to cb - 1 bytes (a CR LF pair
// that does not fit whole left out), NUL-terminated: the bytes before the
// NUL; -1 without buffer or for cb below 1.
int DocGetSelText(HWND hwnd, char* pBuffer, int cb);
// N x 5 + 4 for the N selected bytes (4 without a selection).
int DocGetSelFullLength(HWND hwnd);
// The selection as plain full text, as many bytes as fit whole: N x 5 + 4;
// -1 for cb below 4.
int DocGetSelFullText(HWND hwnd, BYTE* pBuffer, int cb);
// The extended length query (ExtendedFullTextQuery).
int DocGetSelFullLengthEx(HWND hwnd);
// The selection as extended full text: its total; -1 when it does not fit
// (a buffer below the 32-byte header is zeroed).
int DocGetSelFullTextEx(HWND hwnd, BYTE* pBuffer, int cb);
