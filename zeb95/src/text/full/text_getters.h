// Copying a line or the whole text out of a document: as text (line feeds
// written as CR LF, NUL-terminated) or as plain full text. Each waits for
// the layout first, so that the whole line table is read. Without a
// buffer the length getters tell what a whole copy takes.
#pragma once
#include <windows.h>

// The line (negative: the caret line) from its first byte on, as far as
// cb - 1 bytes go (the copy does not stop at the line's end); a line feed
// is CR LF while two bytes of room remain before the NUL, else a bare LF.
// The bytes before the NUL; -1 for cb below 1 or a line outside the table.
int DocGetLine(HWND hwnd, int nLine, char* pBuffer, int cb);
// The line's bytes, one more when it ends in a line feed; -1 outside.
int DocGetLineLength(HWND hwnd, int nLine);
// The line as plain full text, as many bytes as fit whole: N x 5 + 4.
// -1 without buffer, for cb below 4 or a line outside the table; a buffer
// of 4 to 8 bytes gets N = 0.
int DocGetRawLine(HWND hwnd, int nLine, BYTE* pBuffer, int cb);
// The line's length x 5 + 4; -1 outside the table.
int DocGetRawLineLength(HWND hwnd, int nLine);
// The whole text with CR LF line ends; a CR LF that does not fit before the
// NUL ends the copy. The bytes before the NUL; -1 without buffer or for cb
// below 1.
int DocGetAllText(HWND hwnd, char* pBuffer, int cb);
// 1 + the text's bytes + 1 for every line that ends in a line feed.
int DocGetAllTextLength(HWND hwnd);
// The whole text as plain full text, as DocGetRawLine.
int DocGetAllFullText(HWND hwnd, BYTE* pBuffer, int cb);
// The text's bytes x 5 + 4 (4 without lines).
int DocGetAllFullTextLength(HWND hwnd);
