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
