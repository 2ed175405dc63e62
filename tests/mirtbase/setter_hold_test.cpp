// Setters keep what a load keeps: a font set on a field ends up as the same
// font stored raw and loaded back (face name ended, height and width held to
// 1000 points), and the zoom stays in the range the drawing takes it in.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <functional>
#include <memory>

#include "field_fixture.h"
#include "npropobjbtncheck.h"
#include "npropobjcb.h"
#include "npropobjdoc.h"
#include "npropobjedt.h"

namespace {

struct FontCase
{
    LONG height;
    LONG width;
    LONG heldHeight;
    LONG heldWidth;
};

const FontCase kFontCases[] = {
    {9, 0, 9, 0},
    {-1000, 1000, -1000, 1000},
    {1001, -1001, 1000, -1000},
    {INT_MAX, INT_MIN, 1000, -1000},
    {INT_MIN, INT_MAX, -1000, 1000},
};

struct FieldKind
{
    const char* name;
    std::function<CNPropObj*()> make;
};

const FieldKind kFieldKinds[] = {
    {"text", [] { return new CNPropObjDoc; }},
    {"edit", [] { return new CNPropObjEdt; }},
    {"combo", [] { return new CNPropObjCB; }},
    {"check", [] { return new CNPropObjBtnCheck; }},
};

LOGFONT FontOf(const FontCase& c)
{
    LOGFONT lf = {};
    lf.lfHeight = c.height;
    lf.lfWidth = c.width;
    lf.lfWeight = FW_BOLD;
    std::memset(lf.lfFaceName, 'M', sizeof lf.lfFaceName);   // not ended
    return lf;
}

TEST(SetterHoldTest, FontSetterKeepsWhatALoadKeeps)
{
    for (const FieldKind& kind : kFieldKinds) {
        for (const FontCase& c : kFontCases) {
            const LOGFONT lf = FontOf(c);
            std::unique_ptr<CNPropObj> pSet(kind.make());
            pSet->SetLogFont(&lf);
            std::unique_ptr<CNPropObj> pRaw(kind.make());
            *pRaw->GetLogFont() = lf;   // past the setter, as a file may hold it
            std::unique_ptr<CNPropObj> pLoaded(kind.make());
            Load(*pLoaded, Store(*pRaw));

            const LOGFONT& set = *pSet->GetLogFont();
            EXPECT_EQ(c.heldHeight, set.lfHeight) << kind.name << " " << c.height;
            EXPECT_EQ(c.heldWidth, set.lfWidth) << kind.name << " " << c.width;
            EXPECT_EQ(FW_BOLD, set.lfWeight) << kind.name;
            EXPECT_EQ(std::string(LF_FACESIZE - 1, 'M'), set.lfFaceName) << kind.name;
            EXPECT_EQ(0, std::memcmp(&set, pLoaded->GetLogFont(), sizeof set)) << kind.name << " " << c.height;
        }
    }
}

TEST(SetterHoldTest, ZoomIsHeldToTheRangeOfInt)
{
    const struct
    {
        UINT set;
        UINT held;
    } cases[] = {{0, 0}, {100, 100}, {INT_MAX, INT_MAX}, {0x80000000u, INT_MAX}, {UINT_MAX, INT_MAX}};
    for (const auto& c : cases) {
        CTestFormWnd form;
        form.SetPercent(c.set);
        EXPECT_EQ(c.held, form.GetPercent()) << c.set;
    }
}

}  // namespace
