// Control-backed fields with a CTestEntryWnd as their entry window, and how
// LoadToControl treats them by editability, data and visibility.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "field_fixture.h"

// A field of class TField whose entry window is a CTestEntryWnd that the
// test makes and attaches.
template <class TField>
class CWindowedField : public TField
{
public:
    explicit CWindowedField(DWORD dwInput = 0x07, DWORD dwClear = 0)
        : TField(MakeBlock(4, {0, 0, 400, 100}, dwInput, dwClear), CNPropObjCtrl::STYLE_DEFAULT, 0)
    {
    }

    // Makes window under pHost and takes it as the entry window.
    BOOL AttachWindow(CTestEntryWnd& window, CWnd* pHost)
    {
        if (!window.CreateEx(0, AfxRegisterWndClass(0), "", WS_CHILD, CRect(0, 0, 100, 20), pHost, 2004))
            return FALSE;
        this->m_pCtrlWnd = &window;
        return TRUE;
    }
};

// A field loaded in mode nMode with input bits dwInput, flags dwFlags, the
// clear attribute dwClear and data; the window's log and the data after.
struct LoadCase
{
    const char* name;
    UINT nMode;
    DWORD dwInput;
    DWORD dwFlags;
    DWORD dwClear;
    const char* data;
    int bAlsoList;
    const char* log;
    const char* dataAfter;
};

// Sets the case's flags, data and mode on field, loads it and checks what
// its entry window logged and the data after.
void ExpectLoad(CNPropObj& field, const CTestEntryWnd& window, const LoadCase& c);

// Each case on a new windowed TField (its input and clear attributes from
// the case), after prepare when given.
template <class TField>
void ExpectLoadCases(const std::vector<LoadCase>& cases, const std::function<void(TField&)>& prepare = nullptr)
{
    CHostWnd host;
    for (const LoadCase& c : cases) {
        CWindowedField<TField> field(c.dwInput, c.dwClear);
        CTestEntryWnd window(&field);
        ASSERT_TRUE(field.AttachWindow(window, &host)) << c.name;
        if (prepare)
            prepare(field);
        ExpectLoad(field, window, c);
    }
}
