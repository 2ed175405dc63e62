// Stored records of the text field (version 3), the edit field (version 2),
// the numeric fields and the angled, pitched and shadowed text: golden bytes in a list with class information,
// and the load of older versions with their defaults.
#include <gtest/gtest.h>

#include "field_fixture.h"
#include "npropobjautoitem.h"
#include "npropobjdoc.h"
#include "npropobjedt.h"
#include "npropobjmirror.h"
#include "npropobjnum.h"
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

// The numeric tail: version 3, number kind, draw style, automatic
// calculation, column lefts and rights (a word count, then DWORDs).
const std::string kDefaultNumTail = Dwords({3, 1, 1, 1}) + Bytes({0, 0, 0, 0});

TEST(NumericFieldRecordTest, DefaultRecordsInAListWithClass)
{
    ExpectListRoundTrip<CNPropObjDocNum>("CNPropObjDocNum", kDefaultDoc + kDefaultNumTail);
    // The serial number's draw style is 10 after every store and load.
    CNPropObjDocNumRen serial;
    EXPECT_EQ(kDefaultDoc + kDefaultNumTail, Store(serial));
    EXPECT_EQ(10, serial.m_nDrawStyle);
    EXPECT_EQ(kDefaultDoc + Dwords({3, 1, 10, 1}) + Bytes({0, 0, 0, 0}), Store(serial));
    // The value-file field's is 8 after a load.
    CNPropObjAutoItemNum autoNum;
    CObList list;
    list.AddTail(&autoNum);
    EXPECT_EQ(ClassHeader("CNPropObjAutoItemNum") + kDefaultDoc + kDefaultNumTail, Store(list));
}

TEST(NumericFieldRecordTest, EveryMemberAndTheStylesAfterALoad)
{
    const std::string tail =
        Dwords({3, 0, 5, 2}) + Bytes({2, 0}) + Dwords({10, 20}) + Bytes({2, 0}) + Dwords({15, 25});
    CNPropObjDocNum num;
    Load(num, kDefaultDoc + tail);
    EXPECT_EQ(kDefaultDoc + tail, Store(num));
    EXPECT_EQ(0, num.GetNumKind());
    EXPECT_EQ(5, num.m_nDrawStyle);
    EXPECT_EQ(2, num.GetAutoCalc());
    ASSERT_EQ(2, num.m_arrayLeft.GetSize());
    EXPECT_EQ(20u, num.m_arrayLeft[1]);
    EXPECT_EQ(25u, num.m_arrayRight[1]);

    CNPropObjDocNumRen serial;
    Load(serial, kDefaultDoc + tail);
    EXPECT_EQ(10, serial.m_nDrawStyle);
    CNPropObjAutoItemNum autoNum;
    Load(autoNum, kDefaultDoc + tail);
    EXPECT_EQ(8, autoNum.m_nDrawStyle);
    EXPECT_EQ(2, autoNum.GetAutoCalc());
}

TEST(NumericFieldRecordTest, OlderVersionsLoadAutomaticCalculationOn)
{
    for (DWORD version : {1u, 2u}) {
        CNPropObjDocNum num;
        num.SetAutoCalc(2);
        Load(num, kDefaultDoc + Dwords({version, 2, 4}) + Bytes({1, 0}) + Dword(30) + Bytes({1, 0}) + Dword(40));
        EXPECT_EQ(1, num.GetAutoCalc()) << version;
        EXPECT_EQ(2, num.GetNumKind()) << version;
        EXPECT_EQ(3u, num.GetVersion()) << version;
        EXPECT_EQ(kDefaultDoc + Dwords({3, 2, 4, 1}) + Bytes({1, 0}) + Dword(30) + Bytes({1, 0}) + Dword(40),
            Store(num))
            << version;
    }
}

TEST(NumericFieldRecordTest, TruncatedRecordsThrowEndOfFile)
{
    const std::string record = kDefaultDoc + Dwords({3, 1, 1, 1}) + Bytes({2, 0}) + Dwords({1, 2}) + Bytes({0, 0});
    for (size_t cut : {size_t(1), size_t(3), size_t(6), size_t(14), size_t(20)}) {
        CNPropObjDocNum num;
        EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(num, record.substr(0, record.size() - cut))) << cut;
    }
}

// The angled, pitched and shadowed text fields: their version, then the
// angle; the pitch rate; the angle, origin and first shadow offset.
TEST(TextVariantRecordTest, DefaultRecordsInAListWithClass)
{
    ExpectListRoundTrip<CNPropObjDocMirror>("CNPropObjDocMirror", kDefaultDoc + Dwords({1, 0}));
    ExpectListRoundTrip<CNPropObjDocPich>("CNPropObjDocPich", kDefaultDoc + Dwords({1, 0}));
    ExpectListRoundTrip<CNPropObjDocShadow>("CNPropObjDocShadow", kDefaultDoc + Dwords({1, 0, 0, 0, 0, 0}));
}

TEST(TextVariantRecordTest, TailsOverTheTextFieldsMembers)
{
    CNPropObjDocMirror mirror;
    Load(mirror, kDefaultDoc + Dwords({1, static_cast<DWORD>(-900)}));
    EXPECT_EQ(-900, mirror.m_nMirrorAngle);
    EXPECT_EQ(2700, mirror.TextAngle());
    EXPECT_EQ(kDefaultDoc + Dwords({1, static_cast<DWORD>(-900)}), Store(mirror));

    CNPropObjDocPich pich;
    Load(pich, kDefaultDoc + Dwords({1, 2}));
    EXPECT_EQ(2, pich.GetPichRate());
    // The text field's own pitch rate is stored as the tail's.
    EXPECT_EQ(kDefaultDoc.substr(0, kDefaultDoc.size() - 36) + Dwords({2, 0, 0, 0, 0, 0, 0, 0, 3, 1, 2}),
        Store(pich));

    CNPropObjDocShadow shadow;
    Load(shadow, kDefaultDoc + Dwords({1, 1800, 1, 2, 30, 40}));
    EXPECT_EQ(1800, shadow.m_nAngle);
    EXPECT_EQ(CPoint(1, 2), shadow.m_ptOrigin);
    EXPECT_EQ(CSize(30, 40), shadow.m_sizeShadow1);
    const std::string stored = Store(shadow);
    EXPECT_EQ(Dwords({1, 1800, 1, 2, 30, 40}), stored.substr(stored.size() - 24));
    for (CNPropObjDoc* pField : {static_cast<CNPropObjDoc*>(&mirror), static_cast<CNPropObjDoc*>(&pich),
             static_cast<CNPropObjDoc*>(&shadow)}) {
        EXPECT_EQ(1u, pField->GetVersion());
        const std::string record = Store(*pField);
        EXPECT_EQ(CArchiveException::endOfFile, LoadFailure(*pField, record.substr(0, record.size() - 1)));
    }
}

}  // namespace
