// Reads from a file's position that never pass an end position.
#pragma once
#include <windows.h>

#include "dib/file_io.h"

class BoundedReader
{
public:
    BoundedReader(HANDLE hFile, UINT64 end) : m_hFile(hFile), m_end(end) {}

    // Bytes from the file position to the end; false past it.
    bool Left(UINT64* pLeft) const
    {
        UINT64 pos = 0;
        if (!GetFilePos(m_hFile, &pos) || pos > m_end)
            return false;
        *pLeft = m_end - pos;
        return true;
    }
    bool Read(void* p, UINT64 cb) const
    {
        UINT64 left = 0;
        return Left(&left) && cb <= left && ReadExact(m_hFile, p, static_cast<DWORD>(cb));
    }
    // A little-endian 32-bit value.
    bool ReadDword(DWORD* pdw) const
    {
        BYTE bytes[4];
        if (!Read(bytes, 4))
            return false;
        *pdw = static_cast<DWORD>(bytes[0] | (bytes[1] << 8) | (bytes[2] << 16)) | (static_cast<DWORD>(bytes[3]) << 24);
        return true;
    }
    HANDLE File() const { return m_hFile; }

private:
    HANDLE m_hFile;
    UINT64 m_end;
};
