// Helpers of the whiteboard and object file tests: stored blocks built
// word by word, and the damaged copies of a file that a reader must refuse.
#pragma once
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

using Bytes = std::vector<BYTE>;

// A block header: tag, fixed length, variable length.
Bytes BlockHeader(const char* pszTag, WORD wFixed, DWORD dwVariable);
// A record of cb bytes, zero but for the words given as (word, value).
Bytes RecordWords(size_t cb, const std::vector<std::pair<size_t, DWORD>>& words);
Bytes StringBytes(const std::string& s);
Bytes operator+(Bytes a, const Bytes& b);
void PutDword(Bytes& bytes, size_t nAt, DWORD dw);

// The blocks of a file of measured blocks (8-byte headers), in order.
std::vector<Bytes> SplitBlocks(const Bytes& file);

// Equal bytes; otherwise the sizes and the first offset where they differ.
testing::AssertionResult SameBytes(const Bytes& want, const Bytes& got);

// A field of a file that damaged copies set to edge values: its offset
// and width (2 or 4).
struct FileField
{
    size_t nAt;
    size_t cb;
};
// The header length fields of every block of a file of known blocks (a
// chain of 8-byte headers), and the given pointer words of each block's
// record (byte offsets after the header), when the block's tag matches.
std::vector<FileField> BlockFields(const Bytes& file, const char* pszTag, const std::vector<size_t>& recordOffsets);
// Every truncation of the file, and every field set to 0, 0xFFFF, the
// file's length and all ones.
std::vector<Bytes> DamagedCopies(const Bytes& file, const std::vector<FileField>& fields);
