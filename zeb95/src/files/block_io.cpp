#include "files/block_io.h"

#include <cstring>

#include "dib/file_io.h"

bool IsTag(const char* pTag, const char* pszTag) { return pTag[0] == pszTag[0] && pTag[1] == pszTag[1]; }

ZebBlockWriter::ZebBlockWriter(HANDLE hFile, const char* pszTag) : m_hFile(hFile)
{
    m_tag[0] = pszTag[0];
    m_tag[1] = pszTag[1];
}

bool ZebBlockWriter::Begin()
{
    return GetFilePos(m_hFile, &m_start) && SeekFile(m_hFile, m_start + kBlockHeaderBytes);
}

bool ZebBlockWriter::EndFixed()
{
    m_bFixedEnded = GetFilePos(m_hFile, &m_fixedEnd);
    return m_bFixedEnded;
}

LONG ZebBlockWriter::End()
{
    UINT64 end = 0;
    if (!GetFilePos(m_hFile, &end) || (!m_bFixedEnded && !EndFixed()))
        return -1;
    const UINT64 cbFixed = m_fixedEnd - m_start - kBlockHeaderBytes;
    const UINT64 cbVariable = end - m_fixedEnd;
    if (cbFixed > 0xFFFF || kBlockHeaderBytes + cbFixed + cbVariable > 0x7FFFFFFF)
        return -1;
    std::vector<BYTE> header = {static_cast<BYTE>(m_tag[0]), static_cast<BYTE>(m_tag[1]),
                                static_cast<BYTE>(cbFixed & 0xFF), static_cast<BYTE>(cbFixed >> 8)};
    PutStoredWord(header, static_cast<DWORD>(cbVariable));
    if (!SeekFile(m_hFile, m_start) || !WriteExact(m_hFile, header.data(), kBlockHeaderBytes) ||
        !SeekFile(m_hFile, end))
        return -1;
    return static_cast<LONG>(end - m_start);
}

std::vector<BYTE> StoredRecord(const void* pRecord, DWORD cbRecord)
{
    std::vector<BYTE> bytes;
    bytes.reserve(cbRecord);
    const auto* pWords = static_cast<const DWORD*>(pRecord);
    for (DWORD i = 0; i < cbRecord / 4; ++i)
        PutStoredWord(bytes, pWords[i]);
    return bytes;
}

void SetStoredWord(std::vector<BYTE>& bytes, size_t nWord, DWORD dwValue)
{
    for (size_t i = 0; i < 4; ++i)
        bytes[4 * nWord + i] = static_cast<BYTE>(dwValue >> (8 * i));
}

void PutStoredWord(std::vector<BYTE>& bytes, DWORD dwValue)
{
    for (int i = 0; i < 4; ++i)
        bytes.push_back(static_cast<BYTE>(dwValue >> (8 * i)));
}

DWORD StoredDword(const std::vector<BYTE>& bytes, size_t nOffset)
{
    if (nOffset + 4 > bytes.size())
        return 0;
    DWORD dw = 0;
    for (int i = 3; i >= 0; --i)
        dw = (dw << 8) | bytes[nOffset + static_cast<size_t>(i)];
    return dw;
}

void PutLogFont(std::vector<BYTE>& bytes, const LOGFONTA& lf)
{
    for (LONG n : {lf.lfHeight, lf.lfWidth, lf.lfEscapement, lf.lfOrientation, lf.lfWeight})
        PutStoredWord(bytes, static_cast<DWORD>(n));
    for (BYTE b : {lf.lfItalic, lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet, lf.lfOutPrecision, lf.lfClipPrecision,
                   lf.lfQuality, lf.lfPitchAndFamily})
        bytes.push_back(b);
    bytes.insert(bytes.end(), lf.lfFaceName, lf.lfFaceName + LF_FACESIZE);
}

LOGFONTA StoredLogFont(const BYTE* p)
{
    const std::vector<BYTE> words(p, p + 20);
    LOGFONTA lf = {};
    lf.lfHeight = static_cast<LONG>(StoredWord(words, 0));
    lf.lfWidth = static_cast<LONG>(StoredWord(words, 1));
    lf.lfEscapement = static_cast<LONG>(StoredWord(words, 2));
    lf.lfOrientation = static_cast<LONG>(StoredWord(words, 3));
    lf.lfWeight = static_cast<LONG>(StoredWord(words, 4));
    BYTE* pBytes[] = {&lf.lfItalic,        &lf.lfUnderline,     &lf.lfStrikeOut, &lf.lfCharSet,
                      &lf.lfOutPrecision,  &lf.lfClipPrecision, &lf.lfQuality,   &lf.lfPitchAndFamily};
    for (int i = 0; i < 8; ++i)
        *pBytes[i] = p[20 + i];
    std::memcpy(lf.lfFaceName, p + 28, LF_FACESIZE);
    lf.lfFaceName[LF_FACESIZE - 1] = '\0';
    return lf;
}

bool ReadBlockHeader(HANDLE hFile, ZebBlockHeader* pHeader, UINT64* pStart)
{
    BYTE bytes[kBlockHeaderBytes];
    UINT64 left = 0;
    if (!GetFilePos(hFile, pStart) || !ReadExact(hFile, bytes, sizeof(bytes)) || !GetBytesLeft(hFile, &left))
        return false;
    const std::vector<BYTE> words(bytes, bytes + sizeof(bytes));
    pHeader->tag[0] = static_cast<char>(bytes[0]);
    pHeader->tag[1] = static_cast<char>(bytes[1]);
    pHeader->wFixed = static_cast<WORD>(bytes[2] | (bytes[3] << 8));
    pHeader->dwVariable = StoredWord(words, 1);
    return static_cast<UINT64>(pHeader->wFixed) + pHeader->dwVariable <= left;
}

bool ReadBlockFixed(HANDLE hFile, const char* pszTag, DWORD cbRecord, ZebBlockHeader* pHeader, UINT64* pStart,
                    std::vector<BYTE>* pFixed)
{
    if (!ReadBlockHeader(hFile, pHeader, pStart) || !IsTag(pHeader->tag, pszTag) || pHeader->wFixed < cbRecord)
        return false;
    pFixed->resize(pHeader->wFixed);
    return ReadExact(hFile, pFixed->data(), pHeader->wFixed);
}

bool StoredPiece(const std::vector<BYTE>& fixed, DWORD cbRecord, DWORD dwWord, std::string* pData)
{
    const UINT64 offset = static_cast<UINT64>(cbRecord) + (dwWord >> 16);
    const UINT64 cb = dwWord & 0xFFFF;
    pData->clear();
    if (cb == 0)
        return true;
    if (offset + cb > fixed.size())
        return false;
    const char* p = reinterpret_cast<const char*>(fixed.data() + offset);
    pData->assign(p, strnlen(p, static_cast<size_t>(cb)));
    return true;
}
