// Export and packing conventions of the framework DLL.
#pragma once

#ifdef AFX_BUILDING_FRAMEWORK
#define AFX_API __declspec(dllexport)
#else
#define AFX_API __declspec(dllimport)
#endif

// Framework classes use 4-byte packing: record offsets of stored and
// exchanged structures depend on it. Headers write the number itself in
// `#pragma pack(push, 4)`, since GCC does not expand macros there.
#define AFX_PACKING 4
