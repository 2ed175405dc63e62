// Text fields that fill themselves with today's date: CNPropObjCreateTime
// stamps the date once, when first shown or set without a value, and keeps
// it; CNPropObjModifyTime takes the date again whenever its live value is
// read or taken back from its window. The first item of the item list, when
// there is one, is a CDateFormat template; without items the date is written
// "%Y/%m/%d". The stored record is the text field's.
#pragma once
#include <functional>

#include "npropobjdoc.h"

#pragma pack(push, 4)

class MIRT_API CNPropObjCreateTime : public CNPropObjDoc
{
    DECLARE_SERIAL(CNPropObjCreateTime)
public:
    CNPropObjCreateTime();
    CNPropObjCreateTime(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);

    CNPropObj* Clone(int dx, int dy) override;
    // As the control base's, but an empty text stores today's date (no
    // vertical conversion either way).
    int SetText(const CString& strText, int nConvert = 0, const int* pExtra = nullptr) override;
    // An empty value becomes today's date when an editable field is loaded
    // with its list, or when a shown field that carries data is loaded.
    void LoadToControl(int bAlsoList) override;
    UINT GetVersion() override;

protected:
    UINT m_nTimeVersion;
};

class MIRT_API CNPropObjModifyTime : public CNPropObjDoc
{
    DECLARE_SERIAL(CNPropObjModifyTime)
public:
    CNPropObjModifyTime();
    CNPropObjModifyTime(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle);

    CNPropObj* Clone(int dx, int dy) override;
    // 0 without data; a live field first takes today's date as its value.
    int GetText(CString& strText) override;
    // A live field that carries data takes today's date; the window's text
    // is not read.
    void SaveFromControl() override;
    UINT GetVersion() override;

protected:
    UINT m_nTimeVersion;
};

#pragma pack(pop)

// Today's date for a date field with these items.
CString MirtDateText(const CStringList& items);

// The loading of a text field that fills an empty value itself with
// fill(items): nothing unless live; reset first when cleared for a new
// page. Editable: fill when bAlsoList, then the data goes in. Not editable
// and hidden: nothing more. Not editable and shown: fill and put the data in,
// except that with bListWithoutData a field carrying no data gets its list.
void MirtLoadSelfFilledText(CNPropObjCtrl& field, int bAlsoList, BOOL bListWithoutData,
    const std::function<CString(const CStringList& items)>& fill);
