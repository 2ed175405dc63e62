// PictureCacheEntry: one picture of the main frame's picture cache.
#pragma once
#include <afxwin.h>

#include "paldib.h"

class PictureCacheEntry : public CObject
{
public:
    PictureCacheEntry(CPalDIB* pPicture, LPCSTR lpszTempBmp, int bDeleteSource)
        : m_strTempBmp(lpszTempBmp), m_pPicture(pPicture), m_bDeleteSource(bDeleteSource)
    {
    }
    ~PictureCacheEntry() override { delete m_pPicture; }
    PictureCacheEntry(const PictureCacheEntry&) = delete;
    PictureCacheEntry& operator=(const PictureCacheEntry&) = delete;

    CString m_strTempBmp;   // the BMP converted from the file; empty when the file was one
    CPalDIB* m_pPicture;    // owned
    int m_bDeleteSource;    // the cached file is a pasted one no stored page names yet
};
