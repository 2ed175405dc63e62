#include "text/edit/plain_insert.h"

#include "cp932.h"
#include "text/edit/block_edit.h"

namespace {

const ZebCharAttr kCharFlags = ZebAttrLead | ZebAttrTrail | ZebAttrBreak | ZebAttrBitmap;

struct Piece
{
    char text[kZebMostPieceBytes + 2];
    ZebCharAttr attrs[kZebMostPieceBytes + 2];
    int n = 0;

    void Add(char c, ZebCharAttr attr)
    {
        text[n] = c;
        attrs[n++] = attr;
    }
};

// Fills the piece from psz[*pAt] on; false when nothing is left.
bool CutPiece(const char* psz, int* pAt, ZebCharAttr attr, bool bShiftJis, Piece& piece)
{
    int i = *pAt;
    piece.n = 0;
    while (psz[i] != '\0' && piece.n < kZebMostPieceBytes)
    {
        const auto c = static_cast<unsigned char>(psz[i]);
        if (c == '\r' || c == '\n' || c == '\f')
        {
            piece.Add(c == '\f' ? '\f' : '\n', attr | ZebAttrBreak);
            i += c == '\r' && psz[i + 1] == '\n' ? 2 : 1;
            break;
        }
        if (!bShiftJis || !cp932::IsLeadByte(c))
            piece.Add(psz[i++], attr);
        else if (cp932::IsTrailByte(static_cast<unsigned char>(psz[i + 1])))
        {
            piece.Add(psz[i], attr | ZebAttrLead);
            piece.Add(psz[i + 1], attr | ZebAttrTrail);
            i += 2;
        }
        else
            ++i;
    }
    *pAt = i;
    return piece.n > 0;
}

}  // namespace

bool StorePlainText(ZebBlockList& blocks, ZebTextSpot& spot, const char* psz, ZebCharAttr attr, bool bShiftJis)
{
    Piece piece;
    int nAt = 0;
    attr &= ~kCharFlags;
    while (CutPiece(psz, &nAt, attr, bShiftJis, piece))
    {
        if (!StoreBytes(blocks, spot, piece.text, piece.attrs, piece.n))
            return false;
    }
    return true;
}
