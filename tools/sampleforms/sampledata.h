// The install tree's data beside the layouts: the form library index that
// names the sample forms, the crop-mark map with its metafiles, and a
// sample data file per form that a form screen started on it opens.
#pragma once
#include <afx.h>
#include <afxcoll.h>

#include "nmirtlayoutdata.h"

class CMapTmbFile;

// The shipped groups (CPrtDataInfo, new objects the caller owns): the
// pick-up group and the group of the sample forms, both listing the
// sample forms.
void MakeSampleIndex(CObList& groups);
// The index file: the group count, then the archived group list.
void StoreIndex(CFile& file, CObList& groups);
// Each sample form's crop-mark and dotted-frame metafile names.
void MakeCropMarkMap(CMapTmbFile& map);
// The metafiles that the map names, written into the folder.
void WriteCropMarkPictures(const CString& strMetaFolder);
// A form data file of one empty page of the layout, with the version byte.
void StoreSampleData(CFile& file, const CNMirtLayoutData& layout);
