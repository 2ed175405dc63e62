#include "sampledata.h"

#include <algorithm>
#include <memory>
#include <vector>

#include <afxwin.h>

#include "mirtfileio.h"
#include "nmirtdoc.h"
#include "npropobj.h"
#include "propdata.h"
#include "prtdatainfo.h"
#include "sampleforms.h"
#include "strel95data.h"
#include "printing/tmbfile.h"

namespace {

struct SampleEntry
{
    DWORD dwLayoutID;
    LPCSTR pszTitle;
    LPCSTR pszNote;
    LPCSTR pszDescription;
    LPCSTR pszSheet;   // empty: the default sheet; "-": none
    LPCSTR pszFrame;   // dotted-frame metafile
};

const SampleEntry kSamples[] = {
    {SAMPLE_DELIVERY_NOTE, "納品書", "A4縦 ", "品名と数量、金額を記入する納品書です。", "", "FRAMEA4.EMF"},
    {SAMPLE_INVOICE, "請求書", "A4縦 ", "前回請求額と今回の取引を記入する請求書です。", "-", "FRAMEA4.EMF"},
    {SAMPLE_SLIP, "伝票", "A4縦3枚 ", "一枚に三組を刷る伝票です。", "", "FRAMESLIP.EMF"},
};

const char kCropMarks[] = "TOMBOA4.EMF";

// A4 portrait in tenths of a millimetre.
const int kMarkPaperWidth = 2100;
const int kMarkPaperHeight = 2970;
const int kMarkLength = 100;
const int kMarkGap = 30;

// The sample forms as the forms of the group's one category.
void AddSampleForms(CPrtDataInfo& group, LPCSTR lpszCategory)
{
    group.m_arrCategory.Add(lpszCategory);
    group.m_arrCategoryCount.Add(static_cast<DWORD>(sizeof kSamples / sizeof kSamples[0]));
    group.m_arrTitleWidth.Add(0);
    for (const SampleEntry& entry : kSamples) {
        group.m_arrLayoutID.Add(entry.dwLayoutID);
        group.m_arrSourceID.Add(0);
        group.m_arrTitle.Add(entry.pszTitle);
        group.m_arrTitleNote.Add(entry.pszNote);
        group.m_arrExtra1.Add("");
        group.m_arrExtra2.Add("");
        group.m_arrDescription.Add(entry.pszDescription);
        group.m_arrPreview.Add(1);
        group.m_arrSheetName.Add(entry.pszSheet);
        group.m_arrTextColour.Add(0);
        group.m_arrExtra3.Add(0);
        group.m_arrOrgPath.Add("");
    }
}

// The user's pick-up list starts with the sample forms, so that the
// launcher's first page shows them.
CPrtDataInfo* NewPickupGroup()
{
    std::unique_ptr<CPrtDataInfo> pGroup(new CPrtDataInfo);
    pGroup->m_strGroupName = PRTDATA_PICKUP_GROUP;
    AddSampleForms(*pGroup, PRTDATA_PICKUP_GROUP);
    return pGroup.release();
}

CPrtDataInfo* NewSampleGroup()
{
    std::unique_ptr<CPrtDataInfo> pGroup(new CPrtDataInfo);
    pGroup->m_strGroupName = "標準フォーム";
    AddSampleForms(*pGroup, "伝票類");
    return pGroup.release();
}

// Lines in tenths of a millimetre from the paper's top-left corner
// (MM_LOMETRIC counts y upwards).
void Line(CDC& dc, int x1, int y1, int x2, int y2)
{
    dc.MoveTo(x1, -y1);
    dc.LineTo(x2, -y2);
}

// The marks at one corner: a horizontal and a vertical stroke that stop
// short of the corner.
void CornerMarks(CDC& dc, int x, int y, int dx, int dy)
{
    Line(dc, x + dx * kMarkGap, y, x + dx * (kMarkGap + kMarkLength), y);
    Line(dc, x, y + dy * kMarkGap, x, y + dy * (kMarkGap + kMarkLength));
}

void DrawCropMarks(CDC& dc)
{
    CornerMarks(dc, 0, 0, 1, 1);
    CornerMarks(dc, kMarkPaperWidth, 0, -1, 1);
    CornerMarks(dc, 0, kMarkPaperHeight, 1, -1);
    CornerMarks(dc, kMarkPaperWidth, kMarkPaperHeight, -1, -1);
}

// The paper's edge dotted, with nFaces - 1 dotted cuts between equal faces.
void DrawDottedFrame(CDC& dc, int nFaces)
{
    Line(dc, 0, 0, kMarkPaperWidth, 0);
    Line(dc, kMarkPaperWidth, 0, kMarkPaperWidth, kMarkPaperHeight);
    Line(dc, kMarkPaperWidth, kMarkPaperHeight, 0, kMarkPaperHeight);
    Line(dc, 0, kMarkPaperHeight, 0, 0);
    for (int nFace = 1; nFace < nFaces; ++nFace)
        Line(dc, 0, kMarkPaperHeight * nFace / nFaces, kMarkPaperWidth, kMarkPaperHeight * nFace / nFaces);
}

template <class Draw>
void WriteMetafile(const CString& strPath, int nPenStyle, Draw draw)
{
    const RECT frame = {0, 0, kMarkPaperWidth * 10, kMarkPaperHeight * 10};   // hundredths of a millimetre
    const HDC hMeta = ::CreateEnhMetaFileA(nullptr, strPath, &frame, "sampleforms\0crop marks\0");
    if (hMeta == nullptr)
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), strPath);
    CDC dc;
    dc.Attach(hMeta);
    dc.SetMapMode(MM_LOMETRIC);
    const HPEN hPen = ::CreatePen(nPenStyle, 0, RGB(0, 0, 0));
    const HGDIOBJ hOld = ::SelectObject(hMeta, hPen);
    draw(dc);
    ::SelectObject(hMeta, hOld);
    ::DeleteObject(hPen);
    dc.Detach();
    const HENHMETAFILE hDone = ::CloseEnhMetaFile(hMeta);
    if (hDone == nullptr)
        CFileException::ThrowOsError(static_cast<LONG>(::GetLastError()), strPath);
    ::DeleteEnhMetaFile(hDone);
}

// Empty copies of the templates at the origin, appended to the face.
void AddSampleClones(CPropData& face, const CObList& templates, CPoint origin)
{
    for (POSITION pos = templates.GetHeadPosition(); pos != nullptr;)
        face.AddPropObj(static_cast<CNPropObj*>(templates.GetNext(pos))->Clone(origin.x, origin.y));
}

}  // namespace

void MakeSampleIndex(CObList& groups)
{
    groups.AddTail(NewPickupGroup());
    groups.AddTail(NewSampleGroup());
}

void StoreIndex(CFile& file, CObList& groups)
{
    const LONG nGroups = static_cast<LONG>(groups.GetCount());
    file.Write(&nGroups, sizeof nGroups);
    CArchive ar(&file, CArchive::store, 4096);
    groups.Serialize(ar);
    ar.Close();
}

void MakeCropMarkMap(CMapTmbFile& map)
{
    for (const SampleEntry& entry : kSamples) {
        CTmbFile* pFile = new CTmbFile;
        pFile->m_strCropMarks = kCropMarks;
        pFile->m_strDottedFrame = entry.pszFrame;
        map.SetAt(static_cast<WORD>(entry.dwLayoutID), pFile);
    }
}

void WriteCropMarkPictures(const CString& strMetaFolder)
{
    WriteMetafile(strMetaFolder + "\\" + kCropMarks, PS_SOLID, DrawCropMarks);
    WriteMetafile(strMetaFolder + "\\FRAMEA4.EMF", PS_DOT, [](CDC& dc) { DrawDottedFrame(dc, 1); });
    WriteMetafile(strMetaFolder + "\\FRAMESLIP.EMF", PS_DOT, [](CDC& dc) { DrawDottedFrame(dc, 3); });
}

void StoreSampleData(CFile& file, const CNMirtLayoutData& layout)
{
    // Each face holds empty copies of the face fields at its origin; face 1
    // also those outside the faces.
    const CArray<CPoint, CPoint>& origins = layout.m_LayoutData.m_arrayMen;
    std::vector<std::unique_ptr<CPropData>> faceLists;
    CObList faces;
    for (INT_PTR i = 0; i < std::max<INT_PTR>(origins.GetSize(), 1); i++) {
        faceLists.emplace_back(new CPropData);
        CPropData& face = *faceLists.back();
        face.m_nMen = static_cast<UINT>(i + 1);
        if (i == 0)
            AddSampleClones(face, layout.m_listOutside, CPoint(0, 0));
        AddSampleClones(face, layout.m_listFaces, origins.GetSize() > 0 ? origins[i] : CPoint(0, 0));
        faces.AddTail(&face);
    }
    tagNMIRTDOC record;
    record.head.nLayoutID = layout.m_nLayoutID;
    record.head.date = COleDateTime(2024, 4, 1, 9, 0, 0);
    std::unique_ptr<CNMirtDoc> pPage(new CNMirtDoc);
    pPage->SetMIRTDOC(&record, 1);
    pPage->SetFormat(const_cast<CNMirtLayoutData*>(&layout));
    pPage->SetList(&faces);
    CStrel95Data* pData = new CStrel95Data;
    CMirtFileIO body;
    body.AddList(pData);
    pData->AddTail(pPage.release());
    CArchive ar(&file, CArchive::store, 4096);
    body.Serialize(ar);
    ar << static_cast<BYTE>('1');
    ar.Close();
}
