// The form library index file "QamMainData.dat" read into a list of groups
// (CPrtDataInfo): a 32-bit count, then the archived group list when the
// count is above 0.
#pragma once
#include <afx.h>
#include <afxcoll.h>

// The index file's path under the install root.
CString MainIndexPath();

// Reads an index file's bytes into list; all or nothing. Throws the
// framework's file or archive exception on damaged bytes.
void ReadMainIndex(CFile& file, CObList& list);

// Fills list from the index file, which is made holding the count 0 when
// missing. A file that cannot be read shows "ファイル操作エラーです。" and
// gives FALSE; the list then keeps what it had.
BOOL LoadMainIndex(CObList& list);
