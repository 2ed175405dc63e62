// Collections of fixed element types: lists, arrays and maps. Their members
// come from the templates of afxtempl.h; each class adds its runtime class
// and, when it has a stored form, Serialize.
#pragma once
#include "afx.h"
#include "afxtempl.h"

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

// Lists. Serialize writes the count, then the elements; loading appends.
// CObList writes each object with its class information.

class AFX_API CObList : public CListBase<CObject*, CObject*>
{
    DECLARE_SERIAL(CObList)
public:
    CObList(int nBlockSize = 10);
    void Serialize(CArchive& ar) override;
};

class AFX_API CPtrList : public CListBase<void*, void*>
{
    DECLARE_DYNAMIC(CPtrList)
public:
    CPtrList(int nBlockSize = 10);
};

class AFX_API CStringList : public CListBase<CString, LPCTSTR>
{
    DECLARE_SERIAL(CStringList)
public:
    CStringList(int nBlockSize = 10);
    void Serialize(CArchive& ar) override;
};

// Arrays. Serialize writes the count, then the elements; loading replaces
// the contents.

class AFX_API CPtrArray : public CArrayBase<void*, void*>
{
    DECLARE_DYNAMIC(CPtrArray)
};

// Objects with their class information.
class AFX_API CObArray : public CArrayBase<CObject*, CObject*>
{
    DECLARE_SERIAL(CObArray)
public:
    void Serialize(CArchive& ar) override;
};

class AFX_API CByteArray : public CArrayBase<BYTE, BYTE>
{
    DECLARE_SERIAL(CByteArray)
public:
    void Serialize(CArchive& ar) override;
};

class AFX_API CUIntArray : public CArrayBase<UINT, UINT>
{
    DECLARE_DYNAMIC(CUIntArray)
};

class AFX_API CWordArray : public CArrayBase<WORD, WORD>
{
    DECLARE_SERIAL(CWordArray)
public:
    void Serialize(CArchive& ar) override;
};

class AFX_API CDWordArray : public CArrayBase<DWORD, DWORD>
{
    DECLARE_SERIAL(CDWordArray)
public:
    void Serialize(CArchive& ar) override;
};

class AFX_API CStringArray : public CArrayBase<CString, LPCTSTR>
{
    DECLARE_SERIAL(CStringArray)
public:
    void Serialize(CArchive& ar) override;
};

// Maps: 17 buckets unless InitHashTable says otherwise. Serialize writes the
// count, then key and value of each entry in iteration order (objects with
// their class information); loading adds the entries read.

class AFX_API CMapStringToString : public CMapBase<CString, LPCTSTR, CString, LPCTSTR>
{
    DECLARE_SERIAL(CMapStringToString)
public:
    CMapStringToString(int nBlockSize = 10);
    void Serialize(CArchive& ar) override;
};

class AFX_API CMapStringToOb : public CMapBase<CString, LPCTSTR, CObject*, CObject*>
{
    DECLARE_SERIAL(CMapStringToOb)
public:
    CMapStringToOb(int nBlockSize = 10);
    void Serialize(CArchive& ar) override;
};

class AFX_API CMapWordToOb : public CMapBase<WORD, WORD, CObject*, CObject*>
{
    DECLARE_SERIAL(CMapWordToOb)
public:
    CMapWordToOb(int nBlockSize = 10);
    void Serialize(CArchive& ar) override;
};

// Pointers have no stored form.

class AFX_API CMapPtrToPtr : public CMapBase<void*, void*, void*, void*>
{
    DECLARE_DYNAMIC(CMapPtrToPtr)
public:
    CMapPtrToPtr(int nBlockSize = 10);
};

class AFX_API CMapStringToPtr : public CMapBase<CString, LPCTSTR, void*, void*>
{
    DECLARE_DYNAMIC(CMapStringToPtr)
public:
    CMapStringToPtr(int nBlockSize = 10);
};

#pragma pack(pop)
