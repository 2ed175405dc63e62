// The launcher's preview pictures of the sample forms: each layout of
// "FMT\" drawn as on the screen at full size, written as "Preview\<id>.bmp"
// (the build turns them into the JPEG files the launcher shows).
#pragma once
#include <afx.h>

// Draws the layout with that id, read from the data folder's "FMT\", into
// strData + "\Preview\<id>.bmp". Throws CFileException when it cannot.
void WritePreviewPicture(const CString& strData, UINT nLayoutID);
