// Every field of the sample forms that shows a button, a check box, a
// calendar, a combo box, a picture, a metafile or a line gets its entry
// window on a face, with its value in it and back.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "entry_fixture.h"
#include "mirtenv.h"
#include "npropobjbtn.h"
#include "npropobjbtncheck.h"
#include "npropobjcalnd.h"
#include "npropobjcb.h"
#include "npropobjline.h"
#include "npropobjpic.h"
#include "npropobjstc.h"
#include "npropwndbtn.h"
#include "npropwndcalnd.h"
#include "npropwndcb.h"
#include "npropwndcheck.h"
#include "npropwndline.h"
#include "npropwndmeta.h"
#include "npropwndobjpic.h"
#include "sample_install.h"

namespace {

class CSampleForm : public CTestFormWnd
{
public:
    const CObList& Faces() const { return m_listMen; }
};

// The entry window class a field of the model must get, or null for the
// text fields, groups and barcodes, which are not these windows'. (The
// sample forms hold no line fields.)
const CRuntimeClass* ExpectedWindow(CNPropObj* pField)
{
    if (dynamic_cast<CNPropObjBtnCheck*>(pField) != nullptr)
        return RUNTIME_CLASS(CNPropWndCheck);
    if (dynamic_cast<CNPropObjBtn*>(pField) != nullptr)
        return RUNTIME_CLASS(CNPropWndBtn);
    if (dynamic_cast<CNPropObjCalnd*>(pField) != nullptr)
        return RUNTIME_CLASS(CNPropWndCalnd);
    if (dynamic_cast<CNPropObjCB*>(pField) != nullptr)
        return RUNTIME_CLASS(CNPropWndCB);
    if (dynamic_cast<CNPropObjPic*>(pField) != nullptr)
        return RUNTIME_CLASS(CNPropWndObjPic);
    if (dynamic_cast<CNPropObjStc*>(pField) != nullptr)
        return RUNTIME_CLASS(CNPropWndMeta);
    if (dynamic_cast<CNPropObjLine*>(pField) != nullptr)
        return RUNTIME_CLASS(CNPropWndLine);
    return nullptr;
}

TEST(SampleFormEntryTest, NonTextFieldsGetTheirWindows)
{
    CMirtEnv::SetRootOverride(SampleInstallRoot().c_str());
    std::map<std::string, int> windows;
    for (UINT nLayoutID : {9001u, 9002u, 9003u}) {
        SCOPED_TRACE(nLayoutID);
        CEntryHost view;
        CSampleForm form;
        ASSERT_EQ(1, form.SetFormat(nLayoutID));
        form.SetParentWnd(&view);
        for (POSITION posFace = form.Faces().GetHeadPosition(); posFace != nullptr;) {
            CPropData* pFace = static_cast<CPropData*>(form.Faces().GetNext(posFace));
            pFace->SetModeAll(CNPropObj::MODE_ENTRY);
            POSITION pos;
            for (CNPropObj* p = pFace->GetFirstPropObj(pos); p != nullptr; p = pFace->GetNextPropObj(pos))
                p->m_pOwner = &form;
            pFace->CreateControls(&view, 1, 1);
            for (CNPropObj* p = pFace->GetFirstPropObj(pos); p != nullptr; p = pFace->GetNextPropObj(pos)) {
                const CRuntimeClass* pExpected = ExpectedWindow(p);
                if (pExpected == nullptr)
                    continue;
                CWnd* pWnd = static_cast<CNPropObjCtrl*>(p)->GetControl();
                ASSERT_NE(nullptr, pWnd) << p->m_nOrder << " " << p->GetRuntimeClass()->m_lpszClassName;
                EXPECT_EQ(pExpected, pWnd->GetRuntimeClass()) << p->m_nOrder;
                windows[pExpected->m_lpszClassName]++;
                if (pExpected != RUNTIME_CLASS(CNPropWndObjPic)) {
                    EXPECT_EQ(static_cast<int>(p->m_nOrder + CNPropObjCtrl::CONTROL_ID_BASE), pWnd->GetDlgCtrlID());
                }
                // A value survives the trip out of the window and back; an
                // empty check box saves its unchecked "0".
                CNPropObjBtnCheck* pCheck = dynamic_cast<CNPropObjBtnCheck*>(p);
                const CString strBefore = pCheck != nullptr && p->m_strData.IsEmpty() ? CString("0") : p->m_strData;
                p->SaveFromControl();
                EXPECT_EQ(std::string(strBefore), std::string(p->m_strData)) << p->m_nOrder;
            }
            pFace->DestroyControls();
        }
    }
    CMirtEnv::SetRootOverride(nullptr);
    for (const char* pszClass : {"CNPropWndCheck", "CNPropWndCalnd", "CNPropWndObjPic"})
        EXPECT_GT(windows[pszClass], 0) << pszClass << " is on a sample form";
}

}  // namespace
