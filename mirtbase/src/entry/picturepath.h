// Where the picture entry windows find their files.
#pragma once
#include <afx.h>
#include <afxcoll.h>

// A value with a backslash is a path, used as it is; a file name is looked
// for in the install root's "\DATA\RCV\" folder, and with bDefbmpFallback,
// when no file is there, in its "\DATA\Defbmp\" folder.
CString PicturePathOfValue(const CString& strValue, BOOL bDefbmpFallback);

// The first item, reduced to its file name, in the install root's folder
// lpszFolder; empty without items.
CString FirstItemPath(const CStringList& list, LPCSTR lpszFolder);
