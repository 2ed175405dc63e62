// Text fields for drawing tests: a field that carries data, in 9-point
// Arial (12 pixels on the screen), printed on paper.
#pragma once
#include <cstring>

#include "field_fixture.h"

template <class T>
class ArialField : public T
{
public:
    ArialField(RECT rect, const char* pszText, CMirtBase* pOwner = nullptr)
        : T(MakeBlock(1, rect, CNPropObj::INPUT_DATA), CNPropObjCtrl::STYLE_DEFAULT, 0)
    {
        LOGFONT lf = *this->GetLogFont();
        lf.lfCharSet = ANSI_CHARSET;
        std::strcpy(lf.lfFaceName, "Arial");
        this->SetLogFont(&lf);
        this->m_strData = pszText;
        this->m_pOwner = pOwner;
        this->SetAttr(CNPropObj::ATTRIBUTE_PRINT, 1);
    }
};
