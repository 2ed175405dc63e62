// A form window of the tests with a window of its own under a parent, the
// shared handlers mapped as the form windows map them, and the base's
// protected parts at hand.
#pragma once
#include "field_fixture.h"

class CWindowedFormWnd : public CTestFormWnd
{
public:
    ~CWindowedFormWnd() override;

    // A child window of pParent with the id 1.
    BOOL CreateUnder(CWnd* pParent);

    using CMirtBase::ChangeRectPix;
    using CMirtBase::GetFirstTarget;
    using CMirtBase::GetMoveTarget;
    using CMirtBase::PropObjFromClipboard;
    using CMirtBase::PropObjToClipboard;

    const CObList& Men() const { return m_listMen; }
    CRect SecondRectPix() const { return m_rectSecond; }

protected:
    DECLARE_MESSAGE_MAP()
};

// The face lists as "<face>:<order>,<order>... " with each field's class.
std::string DescribeFaces(const CObList& listMen);
