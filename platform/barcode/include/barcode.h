// CBarcode: draws one barcode of a chosen kind on a device context. The
// caller chooses the kind (Create), gives the text (SetData) and the
// rectangle in device units of the context (SetRect), then draws
// (DrawBarcode). Check characters, start and stop codes and quiet zones are
// the component's.
#pragma once
#include <afxwin.h>

#ifdef BARCODE_BUILDING
#define BARCODE_API __declspec(dllexport)
#else
#define BARCODE_API __declspec(dllimport)
#endif

#pragma pack(push, 4)

class BARCODE_API CBarcode
{
public:
    enum : UINT
    {
        KIND_NONE = 0,
        KIND_JAN13 = 1,     // JAN / EAN-13: 12 digits, or 13 with a right check digit
        KIND_JAN8 = 2,      // JAN / EAN-8: 7 digits, or 8 with a right check digit
        KIND_CODE39 = 3,    // Code 39 with its modulus 43 check character
        KIND_NW7 = 4,       // NW-7 (Codabar) with a modulus 16 check character; start and stop A unless given
        KIND_ITF = 5,       // Interleaved 2 of 5 with a modulus 10 check digit
        KIND_CODE128 = 6,   // Code 128: set C for an even run of digits, else set B
        KIND_POSTAL = 7,    // Japanese postal customer barcode: 7-digit postal code, then address characters
        KIND_LAST = KIND_POSTAL
    };

    CBarcode();
    ~CBarcode();

    // Chooses the kind; FALSE, keeping none, for a kind not drawn here.
    BOOL Create(UINT nKind);
    UINT GetKind() const { return m_nKind; }
    // The text to encode; FALSE when the kind cannot encode it (nothing is
    // drawn then). The kind and the text may come in either order.
    BOOL SetData(CString strData);
    // Where DrawBarcode draws, in device units of the context it is given.
    void SetRect(const RECT& rect) { m_rect = rect; }
    // The symbol centred in the rectangle: every element a whole number of
    // device units, the narrowest as wide as the rectangle allows. FALSE,
    // drawing nothing, without a kind or valid data, or when the symbol with
    // its quiet zones does not fit.
    BOOL DrawBarcode(CDC* pDC);

private:
    UINT m_nKind;
    CString m_strData;
    RECT m_rect;
};

#pragma pack(pop)
