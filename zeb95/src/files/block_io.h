// The tagged blocks of whiteboard and object files: an 8-byte header (two
// tag letters, the u16 length of the fixed part, the u32 length of the
// variable part), then the two parts. Records are stored word by word,
// little-endian; a pointer whose data travels in the block is stored as
// (offset << 16) | length, the offset counted from the end of the record.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

const DWORD kBlockHeaderBytes = 8;

struct ZebBlockHeader
{
    char tag[2];
    WORD wFixed;
    DWORD dwVariable;
};

bool IsTag(const char* pTag, const char* pszTag);

// Writes one block at the file position: the header is written last, with
// the lengths the parts really took.
class ZebBlockWriter
{
public:
    ZebBlockWriter(HANDLE hFile, const char* pszTag);
    // Notes the position and skips the header.
    bool Begin();
    // The bytes written from here on belong to the variable part.
    bool EndFixed();
    // Writes the header and leaves the position after the block: the
    // block's length, or -1 (a fixed part beyond 16 bits included).
    LONG End();
    HANDLE File() const { return m_hFile; }

private:
    HANDLE m_hFile;
    char m_tag[2];
    UINT64 m_start = 0;
    UINT64 m_fixedEnd = 0;
    bool m_bFixedEnded = false;
};

// Little-endian bytes of a record of 32-bit words, word by word.
std::vector<BYTE> StoredRecord(const void* pRecord, DWORD cbRecord);
void SetStoredWord(std::vector<BYTE>& bytes, size_t nWord, DWORD dwValue);
void PutStoredWord(std::vector<BYTE>& bytes, DWORD dwValue);
// The 32-bit little-endian value at a byte offset; 0 beyond the bytes.
DWORD StoredDword(const std::vector<BYTE>& bytes, size_t nOffset);
inline DWORD StoredWord(const std::vector<BYTE>& bytes, size_t nWord) { return StoredDword(bytes, 4 * nWord); }
// The stored pointer word of data with its NUL at an offset after the record.
inline DWORD PieceWord(DWORD dwOffset, DWORD cbData) { return (dwOffset << 16) | cbData; }

// A LOGFONT as its 60 stored bytes, and back (the face name ends within
// its field).
void PutLogFont(std::vector<BYTE>& bytes, const LOGFONTA& lf);
LOGFONTA StoredLogFont(const BYTE* p);
const DWORD kStoredLogFontBytes = 60;

// The header of the block at the file position, its start in *pStart; false
// for a short header or when the block reaches beyond the end of the file.
bool ReadBlockHeader(HANDLE hFile, ZebBlockHeader* pHeader, UINT64* pStart);
// The header (tag pszTag) and the whole fixed part of at least cbRecord
// bytes; the position is left after the fixed part.
bool ReadBlockFixed(HANDLE hFile, const char* pszTag, DWORD cbRecord, ZebBlockHeader* pHeader, UINT64* pStart,
                    std::vector<BYTE>* pFixed);
// The data that a stored pointer word names in a fixed part after a record
// of cbRecord bytes, up to its first NUL: false when it lies beyond the
// fixed part. A length of 0 gives an empty string.
bool StoredPiece(const std::vector<BYTE>& fixed, DWORD cbRecord, DWORD dwWord, std::string* pData);
