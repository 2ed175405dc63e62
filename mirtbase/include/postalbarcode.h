// The data of a Japanese postal customer barcode: the 7-digit postal code
// followed by the number part of the address (block, land and house
// numbers, single letters and hyphens). Text is Shift-JIS, scanned by
// character. The face window builds a barcode field's data with it.
#pragma once
#include <afx.h>
#include "mirtapi.h"

class MIRT_API CPostalBarcodeData
{
public:
    // The barcode field's data for the barcode message's mode: modes 0 and
    // 2 build it from a non-empty address, anything else gives no data.
    static CString ForMode(int nMode, const CString& strPostcode, const CString& strAddress);
    // The postal code (7 digits, full-width digits and a hyphen allowed)
    // and the address's number part. A postal code of any other form shows
    // "7桁の郵便番号を入力して下さい。" and gives an empty text.
    static CString GetBarCode(const CString& strPostcode, const CString& strAddress);
    // Full-width digits, Latin letters and "－" to their half-width forms.
    static void ZenkakuToHankaku(CString& s);
    // Kanji numeral runs before a block or number word to Arabic digits.
    static void CheckKansuji(CString& s);
    // One run of kanji numerals to Arabic digits; 1.
    static int KansujiToSanyou(CString& s);
    // Digits, single letters and hyphens; other text becomes one hyphen.
    static CString PickUpChar(CString& s);
    // Hyphens next to a letter removed.
    static void GetHifnOff(CString& s);
};
