#include "picture/pic_data.h"

#include "dib/dib_convert.h"
#include "dib/dib_handle.h"
#include "dib/palette.h"
#include "library/library_state.h"
#include "picture/pic_record.h"

void DeletePicTempFile(ZebPicRecord& rec)
{
    char* pszSource = rec.JpegSource();
    if (pszSource[0] != '\0' && pszSource[0] != ZebPicRecord::kJpegFromFile)
        ::DeleteFileA(pszSource);
    pszSource[0] = '\0';
}

void FreePicData(ZebPicRecord& rec)
{
    if (rec.Picture() != nullptr)
        DestroyDib(rec.Picture());
    rec.SetPicture(nullptr);
    if (rec.Cache() != nullptr)
        DestroyDib(rec.Cache());
    rec.SetCache(nullptr);
    if (rec.Palette() != nullptr && rec.Palette() != Library().hFixedPalette)
        ::DeleteObject(rec.Palette());
    rec.SetPalette(nullptr);
    DeletePicTempFile(rec);
}

void TakePicture(ZebPicRecord& rec, HGLOBAL hDib)
{
    FreePicData(rec);
    if (hDib == nullptr)
        return;
    if (rec.Head().Dither() && ZebDisplayBits() == 8) {
        HGLOBAL hDithered = DitherDibToFixedPalette(hDib, TRUE);
        if (hDithered != nullptr && hDithered != hDib) {
            DestroyDib(hDib);
            rec.SetPicture(hDithered);
            rec.SetPalette(Library().hFixedPalette);
            return;
        }
    }
    rec.SetPicture(hDib);
    rec.SetPalette(CreateDibPalette(hDib));
}
