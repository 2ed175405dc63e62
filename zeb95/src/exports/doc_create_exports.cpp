#include "text/doc/doc_create.h"
#include "zeb95.h"

HWND WINAPI zebCreateObjDoc(HWND hParent, const ZebDocCreateInfo* pInfo, LONG* pnIndex)
{
    return DocCreateObj(hParent, pInfo, pnIndex);
}
