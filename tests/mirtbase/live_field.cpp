#include "live_field.h"

void ExpectLoad(CNPropObj& field, const CTestEntryWnd& window, const LoadCase& c)
{
    field.m_dwFlags = c.dwFlags;
    field.m_strData = c.data;
    field.SetMode(c.nMode);
    field.LoadToControl(c.bAlsoList);
    EXPECT_EQ(c.log, window.Log()) << c.name;
    EXPECT_STREQ(c.dataAfter, field.m_strData) << c.name;
}
