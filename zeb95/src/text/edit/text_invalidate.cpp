#include "text/edit/text_invalidate.h"

#include "objects/obj_children.h"

void InvalidateTextRange(HWND hwnd, const POINT*, const POINT*) { InvalidateObj(hwnd); }
