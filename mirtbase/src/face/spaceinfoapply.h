// Applying a tagSPACEINFO to a field: each attribute whose value is in range
// is set, the others stay. Shared by the face window and the print frame.
#pragma once
#include <afxwin.h>

class CNPropObj;
struct tagSPACEINFO;

class CSpaceInfoApply
{
public:
    // Alignment, colour, carry-over, lock, font, row height (10 or more)
    // and pitch rate; TRUE when the entry window has to be made again.
    static BOOL ApplyLook(CNPropObj& field, const tagSPACEINFO& info);
    static void ApplyAutoCalc(CNPropObj& field, const tagSPACEINFO& info);
    // TRUE when the number kind was set.
    static BOOL ApplyNumKind(CNPropObj& field, const tagSPACEINFO& info);
    // TRUE when the shadow was set (0 off, 1 on).
    static BOOL ApplyShadow(CNPropObj& field, const tagSPACEINFO& info);
    // The shadow setting for "on" (nonzero) or off: a field with a shadow
    // offset takes 2, else nOn.
    static int ShadowFor(CNPropObj& field, UINT nOn);
    // Copies attribute nKind (1 face name, 2 height, 3 weight, 4 italic,
    // 5 underline, 6 strike-out, 7 colour, 8 alignment, 9 row height,
    // 10 carry-over, 11 lock, 12 pitch rate) of from into to.
    static void CopyAttribute(UINT nKind, const tagSPACEINFO& from, tagSPACEINFO& to);
    // The field's attributes as its getters give them, its font when it
    // has one; the name stays empty.
    static void Read(CNPropObj& field, tagSPACEINFO& info);
};
