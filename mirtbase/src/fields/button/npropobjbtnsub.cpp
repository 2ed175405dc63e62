#include "npropobjbtnsub.h"

#include "choicelist.h"
#include "dialogs/choiceeditdlg.h"
#include "fields/fieldcommon.h"
#include "mirtbase.h"

namespace {

const char kReadFailed[] = "選択肢のファイルを読み込めませんでした。";
const char kWriteFailed[] = "選択肢のファイルを書き込めませんでした。";

}  // namespace

IMPLEMENT_SERIAL(CNPropObjBtnSub, CNPropObjBtn, 1)
IMPLEMENT_SERIAL(CNPropObjBtnEdtCmb, CNPropObjBtn, 1)

CNPropObjBtnSub::CNPropObjBtnSub() : m_pSubDlg(nullptr), m_pSubWnd(nullptr)
{
    CNPropObjBtnSub::InitDefaults();
}

CNPropObjBtnSub::CNPropObjBtnSub(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjBtn(block, dwStyle, dwExStyle), m_pSubDlg(nullptr), m_pSubWnd(nullptr)
{
    CNPropObjBtnSub::InitDefaults();
}

CNPropObjBtnSub::~CNPropObjBtnSub()
{
    DeleteWindowObject(m_pSubDlg);
}

void CNPropObjBtnSub::InitDefaults()
{
    m_nSubLayoutID = 0;
    m_nSubVersion = 1;
}

void CNPropObjBtnSub::Serialize(CArchive& ar)
{
    CNPropObjBtn::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nSubVersion << m_nSubLayoutID;
        return;
    }
    UINT nVersion;
    ar >> nVersion >> m_nSubLayoutID;
}

int CNPropObjBtnSub::Execute(DWORD, DWORD, DWORD)
{
    if (m_pSubDlg != nullptr && m_pSubDlg->GetSafeHwnd() != nullptr)
        m_pSubDlg->ShowWindow(SW_SHOW);
    return 0;
}

CNPropObj* CNPropObjBtnSub::Clone(int dx, int dy)
{
    CNPropObjBtnSub* pClone = CloneField(*this, dx, dy);
    pClone->m_nSubLayoutID = m_nSubLayoutID;
    return pClone;
}

UINT CNPropObjBtnSub::GetVersion()
{
    return m_nSubVersion;
}

CNPropObjBtnEdtCmb::CNPropObjBtnEdtCmb()
{
    CNPropObjBtnEdtCmb::InitDefaults();
}

CNPropObjBtnEdtCmb::CNPropObjBtnEdtCmb(const tagPROPBLOCK& block, DWORD dwStyle, DWORD dwExStyle)
    : CNPropObjBtn(block, dwStyle, dwExStyle)
{
    CNPropObjBtnEdtCmb::InitDefaults();
}

void CNPropObjBtnEdtCmb::InitDefaults()
{
    m_nTargetOrder = 0;
    m_nEdtCmbVersion = 1;
}

void CNPropObjBtnEdtCmb::Serialize(CArchive& ar)
{
    CNPropObjBtn::Serialize(ar);
    if (ar.IsStoring()) {
        ar << m_nEdtCmbVersion << m_nTargetOrder;
        return;
    }
    UINT nVersion;
    ar >> nVersion >> m_nTargetOrder;
}

int CNPropObjBtnEdtCmb::Execute(DWORD, DWORD, DWORD)
{
    CNPropObj* pTarget = m_pOwner != nullptr ? m_pOwner->GetPropObjByOrder(this, m_nTargetOrder) : nullptr;
    if (pTarget == nullptr)
        return 0;
    const CString strPath = CChoiceList::PathOf(m_pOwner->GetLayoutID(), m_nTargetOrder);
    CResourceHandleSwitch resources;
    CChoiceEditDlg editor(m_pOwner);
    const CChoiceList::Result read = CChoiceList::Read(strPath, editor.m_listChoices);
    if (read == CChoiceList::READ_FAILED) {
        AfxMessageBox(kReadFailed, MB_ICONEXCLAMATION);
        return 1;
    }
    if (read == CChoiceList::READ_MISSING)
        pTarget->CNPropObj::GetList(editor.m_listChoices);
    if (editor.DoModal() == IDOK && !CChoiceList::Write(strPath, editor.m_listChoices))
        AfxMessageBox(kWriteFailed, MB_ICONEXCLAMATION);
    pTarget->LoadToControl(0);
    return 1;
}

CNPropObj* CNPropObjBtnEdtCmb::Clone(int dx, int dy)
{
    CNPropObjBtnEdtCmb* pClone = CloneField(*this, dx, dy);
    pClone->m_nTargetOrder = m_nTargetOrder;
    return pClone;
}

UINT CNPropObjBtnEdtCmb::GetVersion()
{
    return m_nEdtCmbVersion;
}
