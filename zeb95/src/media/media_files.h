// The media files of movies and sounds: embedded bytes copied out to a
// temporary file and back into a block.
#pragma once
#include <windows.h>

// Copies cb bytes from the file position into a new file at pszPath: 1
// when all were copied, else 0; -1 for a null path.
int ExtractToFile(HANDLE hSource, const char* pszPath, DWORD cb);
// Appends the whole file pszPath at the file position: the bytes copied,
// or -1 (the file cannot be opened, a read or write fails).
LONG EmbedFile(HANDLE hTarget, const char* pszPath);
// A new empty file "<prefix>nnnn.<prefix>" in the temporary folder, its
// name in pszBuffer: never one that existed before. 1, or 0 for a null
// buffer or when none can be made.
int MakeTempMediaName(char* pszBuffer, const char* pszPrefix, DWORD cchBuffer);
BOOL DeleteMediaFile(const char* pszPath);
