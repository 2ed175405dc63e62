// The "MO" and "SO" blocks of movies and sounds: the record, its cursor
// record and object text, then the media file's bytes; and the media file
// alone.
#pragma once
#include <windows.h>

// At the file position: an "MO" ("SO") block, or a plain media file whose
// name is pszGiven. The object's own device is closed first; embedded
// bytes go to a new temporary file. 1, or 0 with nothing taken over.
BOOL ReadMovieObject(HWND hMovie, HANDLE hFile, LPCSTR pszGiven);
BOOL ReadSoundObject(HWND hSound, HANDLE hFile, LPCSTR pszGiven);
// Mode 0: the media file's bytes alone (their number, -1 without any);
// mode 1: the block without them; mode 2: with them. The bytes written, or
// -1. The region is not used.
LONG WriteMovieObject(HWND hMovie, HANDLE hFile, int nMode, const POINT* pOrigin, const SIZE* pSize);
LONG WriteSoundObject(HWND hSound, HANDLE hFile, int nMode, const POINT* pOrigin, const SIZE* pSize);
