#include "entry/picturepath.h"

#include "fields/fieldcommon.h"
#include "mirtpath.h"

CString PicturePathOfValue(const CString& strValue, BOOL bDefbmpFallback)
{
    if (strValue.Find('\\') >= 0)
        return strValue;
    const CString strReceived = MirtInstallPath(MIRT_RCV_FOLDER) + strValue;
    if (!bDefbmpFallback || ::GetFileAttributesA(strReceived) != INVALID_FILE_ATTRIBUTES)
        return strReceived;
    return MirtInstallPath(MIRT_DEFBMP_FOLDER) + strValue;
}

CString FirstItemPath(const CStringList& list, LPCSTR lpszFolder)
{
    if (list.IsEmpty())
        return CString();
    return MirtInstallPath(lpszFolder) + FileNameOf(list.GetHead());
}
