// CPalDIB: one picture held as the complete bytes of a BMP file, with a
// palette made for it at each drawing. It reads itself from a BMP file
// through an archive (the archive only carries the file's own bytes) and
// draws itself fitted into its target rectangle.
#pragma once
#include <afxwin.h>

#pragma pack(push, 4)

class CPalDIB : public CObject
{
    DECLARE_SERIAL(CPalDIB)
public:
    CPalDIB();
    ~CPalDIB() override;

    // Loading reads the rest of the archive's file as a BMP file and sets
    // m_bReadFailed when that fails; storing writes the bytes back.
    void Serialize(CArchive& ar) override;
    int ReadBmp(CArchive& ar);
    int WriteBmp(CArchive& ar);
    // Reads the file through a loading archive; FALSE (m_bReadFailed set)
    // when it cannot be opened or is no BMP file.
    BOOL ReadFile(LPCSTR lpszPath);

    BOOL IsEmpty() const { return m_pBits == nullptr; }
    // Drops the picture: no bytes, scale 100, an empty target rectangle.
    void Empty();

    // Converts a JPEG file into a new temporary BMP file whose path goes to
    // strBmpPath; 0 (and no file left behind) when the converter fails.
    static int ConvertToTempBmp(CString& strBmpPath, LPCSTR lpszJpegPath);

    // Draws the picture fitted and centred into m_rcTarget and keeps the
    // scale in m_dScale; nothing without a picture.
    void Draw(CDC* pDC);
    // The form screen's drawing: stretched over m_rcTarget (DRAW_STRETCHED)
    // or fitted and centred (DRAW_FITTED), combined with what lies beneath
    // by AND.
    enum { DRAW_FITTED = 0, DRAW_STRETCHED = 2 };
    void Draw(CDC* pDC, int nMode);
    // The launcher's drawing: fitted in the same way, stretched as black on
    // white with the screen's halftone palette.
    void DrawCopy(CDC* pDC);

    // The picture's palette: its colour table, or the halftone palette when
    // there is none to read (as on Windows NT).
    BOOL CreateDibPalette(CPalette* pPalette) const;
    static BOOL CreateScreenHalftonePalette(CPalette* pPalette);
    // Up to nMax colour-table entries of the picture; their number.
    int GetColorTable(RGBQUAD* pEntries, int nMax) const;

    BYTE* m_pBits;        // the whole BMP file
    int m_nBytes;
    int m_nWidth;         // from the information header
    int m_nHeight;
    CPalette m_palette;
    int m_bReadFailed;    // the last load was no BMP (a JPEG file, for one)
    double m_dScale;      // percent, written by Draw
    RECT m_rcTarget;

private:
    CPalDIB(const CPalDIB&) = delete;
    CPalDIB& operator=(const CPalDIB&) = delete;

    // The fitted and centred place in m_rcTarget; the scale into m_dScale.
    CRect FitTarget();
    // Draws the whole picture into rect, with m_palette selected when
    // bPalette.
    void DrawInto(CDC* pDC, const CRect& rect, BOOL bPalette, int nStretchMode, DWORD dwRop);
    void FreeBits();
    BOOL TakeBits(BYTE* pBits, int nBytes);
    const BITMAPINFO* GetInfo() const;
    const BYTE* GetPixels() const;
};

#pragma pack(pop)
