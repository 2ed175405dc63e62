#include "text/doc/doc_record.h"

#include "objects/obj_classes.h"

ZebDocRecord* ZebDocRecord::From(HWND hwnd)
{
    if (KindOfWindowClass(hwnd) != ZebKindDoc)
        return nullptr;
    return reinterpret_cast<ZebDocRecord*>(::GetWindowLongPtrA(hwnd, 0));
}
