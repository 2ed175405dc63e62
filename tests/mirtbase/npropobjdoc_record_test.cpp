// Stored records of the text field (version 3) and the edit field
// (version 2): golden bytes in a list with class information, and the load
// of older versions with their defaults.
#include <gtest/gtest.h>

#include "field_fixture.h"
#include "npropobjautoitem.h"
#include "npropobjdoc.h"
#include "npropobjedt.h"
#include "npropobjtime.h"

namespace {

std::string Dword(DWORD value)
{
    return Bytes({static_cast<int>(value & 0xFF), static_cast<int>((value >> 8) & 0xFF),
        static_cast<int>((value >> 16) & 0xFF), static_cast<int>(value >> 24)});
}

std::string Dwords(std::initializer_list<DWORD> values)
{
    std::string bytes;
    for (DWORD value : values)
        bytes += Dword(value);
    return bytes;
}

// The CNPropObj and CNPropObjCtrl parts of a default field with window
// style `style`: the base's version (1) leads whatever the class.
std::string DefaultCtrlRecord(DWORD style = 0x54000000)
{
    return Dword(1) + Dword(0) + std::string(16, '\0') + std::string(32, '\0') +  // order, rect, attrs
           Dword(0) + Dword(3) + Bytes({0x00, 0x00}) + Dword(3) + Bytes({0x00, 0x00}) +  // flags .. name
           Dword(1) + Dword(style) + Dword(0);                                          // control tail
}

// 9-point "ＭＳ Ｐゴシック" as stored.
const std::string kDefaultFont =
    Dwords({9, 0, 0, 0, 400}) + Bytes({0, 0, 0, 128, 3, 2, 1, 0x32}) +
    Bytes({0x82, 0x6C, 0x82, 0x72, 0x20, 0x82, 0x6F, 0x83, 0x53, 0x83, 0x56, 0x83, 0x62, 0x83, 0x4E}) +
    std::string(17, '\0');

// Text colour, background, entry mode, row limit, row height, vertical.
const std::string kDefaultAttrs = Dwords({0, 0xFFFFFF, 0, 0, 10, 0});

const std::string kDefaultDoc = DefaultCtrlRecord() + Dword(3) + kDefaultFont + kDefaultAttrs + Dword(1) +
                                Dwords({0, 0, 0, 0, 0, 0, 0, 0}) + Dword(3);  // pitch .. offsets, shadow 3

const std::string kDefaultEdt = DefaultCtrlRecord() + Dword(2) + kDefaultFont + kDefaultAttrs + Dword(1);

TEST(TextFieldRecordTest, DefaultRecordsInAListWithClass)
{
    ExpectListRoundTrip<CNPropObjDoc>("CNPropObjDoc", kDefaultDoc);
    ExpectListRoundTrip<CNPropObjEdt>("CNPropObjEdt", kDefaultEdt);
}

// The auto-item and the date fields store exactly the text field's record:
// their own version is neither the record's first DWORD nor stored at all.
TEST(TextFieldRecordTest, AutoItemAndDateFieldsStoreTheTextFieldRecord)
{
    ExpectListRoundTrip<CNPropObjAutoItem>("CNPropObjAutoItem", kDefaultDoc);
    ExpectListRoundTrip<CNPropObjCreateTime>("CNPropObjCreateTime", kDefaultDoc);
    ExpectListRoundTrip<CNPropObjModifyTime>("CNPropObjModifyTime", kDefaultDoc);
}

// Every stored member of a text field with its own value.
const std::string kFilledDocTail =
    Dwords({12, 3, 0, 0, 700}) + Bytes({1, 1, 0, 128, 3, 2, 1, 0x31}) + std::string("Arial") +
    std::string(27, '\0') +
    Dwords({0x0000FF, 0x00FF00, 1, 4, 15, 1}) +    // colours, entry mode, row limit, row height, vertical
    Dword(3) +                                     // alignment
    Dwords({2, 450, 11, 12, 13, 14, 15, 16, 2});   // pitch, angle, origin, offsets, shadow mode

TEST(TextFieldRecordTest, VersionThreeKeepsEveryMember)
{
    const std::string bytes = DefaultCtrlRecord() + Dword(3) + kFilledDocTail;
    CNPropObjDoc loaded;
    Load(loaded, bytes);
    EXPECT_EQ(bytes, Store(loaded));
    EXPECT_EQ(12, loaded.GetLogFont()->lfHeight);
    EXPECT_STREQ("Arial", loaded.GetLogFont()->lfFaceName);
    EXPECT_EQ(0x00FF00u, loaded.m_text.m_crBack);
    EXPECT_EQ(1, loaded.GetEntryMode());
    EXPECT_EQ(4, loaded.GetRowLimit());
    EXPECT_EQ(15, loaded.GetRowHeight());
    EXPECT_TRUE(loaded.m_text.m_bVertical);
    EXPECT_EQ(3, loaded.GetAlign());
    EXPECT_EQ(2, loaded.GetPichRate());
    EXPECT_EQ(450, loaded.m_nAngle);
    EXPECT_EQ(CPoint(11, 12), loaded.m_ptOrigin);
    EXPECT_EQ(CSize(13, 14), loaded.m_sizeShadow1);
    EXPECT_EQ(CSize(15, 16), loaded.GetShadowOffset());
    EXPECT_EQ(2, loaded.GetShadow());
}

// A field whose members differ from the defaults, so that a load that
// forgets a default shows.
void Disturb(CNPropObjDoc& field)
{
    field.SetAlign(4);
    field.SetPichRate(3);
    field.m_nAngle = 900;
    field.m_ptOrigin = CPoint(5, 5);
    field.m_sizeShadow1 = CSize(5, 5);
    field.SetShadowOffset(CSize(5, 5));
    field.SetShadow(1);
}

TEST(TextFieldRecordTest, OlderVersionsLoadWithDefaults)
{
    const std::string head = kFilledDocTail.substr(0, 60 + 24);  // font and the six values
    struct Case
    {
        DWORD version;
        std::string tail;
        int align;
    } cases[] = {
        {1, head, 1},
        {2, head + Dword(3), 3},
    };
    for (const Case& c : cases) {
        const std::string bytes = DefaultCtrlRecord() + Dword(c.version) + c.tail;
        CNPropObjDoc loaded;
        Disturb(loaded);
        Load(loaded, bytes);
        EXPECT_EQ(c.align, loaded.GetAlign()) << c.version;
        EXPECT_EQ(15, loaded.GetRowHeight()) << c.version;
        EXPECT_EQ(0, loaded.GetPichRate()) << c.version;
        EXPECT_EQ(0, loaded.m_nAngle) << c.version;
        EXPECT_EQ(CPoint(0, 0), loaded.m_ptOrigin) << c.version;
        EXPECT_EQ(CSize(0, 0), loaded.m_sizeShadow1) << c.version;
        EXPECT_EQ(CSize(0, 0), loaded.GetShadowOffset()) << c.version;
        EXPECT_EQ(3, loaded.GetShadow()) << c.version;
        // It stays a version-3 field.
        EXPECT_EQ(3u, loaded.GetVersion()) << c.version;
        EXPECT_EQ(DefaultCtrlRecord() + Dword(3) + head + Dword(c.align) + Dwords({0, 0, 0, 0, 0, 0, 0, 0, 3}),
            Store(loaded))
            << c.version;
    }
}

TEST(TextFieldRecordTest, EditVersionOneTakesAlignmentFromStyle)
{
    const std::string tail = kFilledDocTail.substr(0, 60 + 24);
    struct Case
    {
        DWORD style;
        int align;
    } cases[] = {
        {0x54000000, 1}, {0x54000001, 3}, {0x54000002, 2}, {0x54000003, 2}, {0x54000004, 1},
    };
    for (const Case& c : cases) {
        CNPropObjEdt loaded;
        loaded.SetAlign(4);
        Load(loaded, DefaultCtrlRecord(c.style) + Dword(1) + tail);
        EXPECT_EQ(c.align, loaded.GetAlign()) << std::hex << c.style;
        EXPECT_EQ(2u, loaded.GetVersion());
        EXPECT_EQ(DefaultCtrlRecord(c.style) + Dword(2) + tail + Dword(c.align), Store(loaded));
    }
}

TEST(TextFieldRecordTest, TruncatedRecordsThrowEndOfFile)
{
    const std::string doc = DefaultCtrlRecord() + Dword(3) + kFilledDocTail;
    const size_t nCtrl = DefaultCtrlRecord().size();
    for (size_t length : {nCtrl + 2, nCtrl + 30, nCtrl + 60, doc.size() - 1}) {
        CNPropObjDoc loaded;
        EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(loaded, doc.substr(0, length))) << length;
    }
    CNPropObjEdt edit;
    EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(edit, kDefaultEdt.substr(0, kDefaultEdt.size() - 1)));
    // A version-1 edit record ends before the alignment, so one byte short
    // of that ends inside the vertical flag.
    CNPropObjEdt old;
    const std::string v1 = DefaultCtrlRecord() + Dword(1) + kFilledDocTail.substr(0, 60 + 23);
    EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(old, v1));
}

}  // namespace
