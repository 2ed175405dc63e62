// Whole reads and writes on an open file; a short transfer is a failure.
#pragma once
#include <windows.h>

bool ReadExact(HANDLE hFile, void* pBuffer, DWORD cb);
bool WriteExact(HANDLE hFile, const void* pBuffer, DWORD cb);
// Current position; Seek moves to an absolute position.
bool GetFilePos(HANDLE hFile, UINT64* pPos);
bool SeekFile(HANDLE hFile, UINT64 pos);
// Bytes from the current position to the end of the file.
bool GetBytesLeft(HANDLE hFile, UINT64* pLeft);
// Copies cb bytes from one file position to the other in 256-byte pieces;
// a short read or write fails.
bool CopyBytes(HANDLE hFrom, HANDLE hTo, UINT64 cb);
// A new empty file with the prefix in the temporary folder (the Windows
// folder when there is none), its path in pszPath (MAX_PATH characters).
bool MakeTempFile(const char* pszPrefix, char* pszPath);
