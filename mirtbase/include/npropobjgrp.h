// Group fields: no entry window, nothing drawn. A group ties fields of its
// face together by order number: its members' changes run its Execute
// (through their links), and it writes into its targets. CNPropObjCalc
// computes a formula over fields of the face into its result field (the
// first target); CNPropObjAutoCpy copies its source (the first member) into
// every target.
#pragma once
#include "npropobj.h"

#pragma pack(push, 4)

class MIRT_API CNPropObjGrp : public CNPropObj
{
    DECLARE_SERIAL(CNPropObjGrp)
public:
    enum { GRP_VERSION = 1 };

    CNPropObjGrp();
    explicit CNPropObjGrp(const tagPROPBLOCK& block);

    // The field record, then version, member orders, target orders.
    void Serialize(CArchive& ar) override;

    // 1: a group draws nothing.
    int Draw(CDC* pDC, int nMode) override;
    int Activate() override;
    // Asks the window (pParent, else the owner's) to link each member to
    // this group (MsgUserSetGrp); null in layout mode or without a window,
    // else that window.
    CWnd* CreateControl(CWnd* pParent, int nMode) override;
    int DestroyControl() override;
    void SetMode(UINT nMode) override;
    UINT GetMode() override;
    // A new field of this class with this field's order, rectangle and
    // attributes, filled by CopyTo; a group is not moved.
    CNPropObj* Clone(int dx, int dy) override;
    // Nothing in the plain group.
    int Execute(DWORD dwArg1, DWORD dwArg2, DWORD dwArg3) override;
    // 1, the text untouched.
    int GetText(CString& strText) override;
    int SetText(const CString& strText, int nConvert = 0, const int* pExtra = nullptr) override;
    // 1, the list untouched.
    int GetList(CStringList& list) override;
    int SetList(const CStringList& list) override;
    BOOL HitTest(POINT point) override;
    int ClearText() override;
    // Empties both order arrays.
    void InitDefaults() override;
    void SaveFromControl() override;
    void LoadToControl(int bAlsoList) override;
    void FocusControl() override;
    void SyncRectFromControl() override;
    void GetDrawRects(CDC* pDC, RECT* pWhole, RECT* pFirst, RECT* pSecond) override;
    // The base copy, then both order arrays.
    void CopyTo(CNPropObj* pOther) override;
    UINT GetVersion() override;

    // The field of this face with nOrder, null when none (or no owner).
    CNPropObj* FieldByOrder(UINT nOrder);

    CWordArray m_arrayTarget;   // orders written into
    CWordArray m_arrayMember;   // orders whose changes run the group

protected:
    // A new T (a group class) from this field's block, filled by CopyTo.
    template <class T>
    T* CloneGroup()
    {
        tagPROPBLOCK block;
        GetBlock(block);
        T* pClone = new T(block);
        CopyTo(pClone);
        return pClone;
    }

    UINT m_nGrpVersion;
};

class MIRT_API CNPropObjCalc : public CNPropObjGrp
{
    DECLARE_SERIAL(CNPropObjCalc)
public:
    enum { CALC_VERSION = 1 };
    // Operations pending between two operands.
    enum
    {
        OP_NONE = -1,
        OP_LOAD = 0,
        OP_MULTIPLY = 1,
        OP_DIVIDE = 2,
        OP_SUBTRACT = 3
    };
    // How an evaluation ended.
    enum
    {
        CALC_DONE = 0,
        CALC_ERROR = 1,     // reported in a message box
        CALC_NO_FIELD = 2   // a reference to an order the face does not hold
    };

    CNPropObjCalc();
    explicit CNPropObjCalc(const tagPROPBLOCK& block);

    // The group's part, then version and formula.
    void Serialize(CArchive& ar) override;
    CNPropObj* Clone(int dx, int dy) override;
    // Computes the formula into the result field, rounded by the rounding
    // file's rule; a result field that the table-row rule skips, or a
    // formula that fails, is left as it was. A group that its own result
    // runs again (through a circle of groups) does not run a second time.
    int Execute(DWORD dwArg1, DWORD dwArg2, DWORD dwArg3) override;
    // Empties the formula.
    void InitDefaults() override;
    void CopyTo(CNPropObj* pOther) override;
    UINT GetVersion() override;

    // The formula's value in thousandths into nValue; CALC_ERROR after the
    // formula message or the division message, CALC_NO_FIELD (silently)
    // for a reference to an order that the face does not hold.
    int CalcFormula(const CString& strFormula, LONGLONG& nValue);
    // nAccumulator after the pending operation nOp with nOperand; FALSE,
    // after its message, for a division by zero, an operand without an
    // operator or a result beyond the 64-bit range.
    static BOOL Operate(LONGLONG& nAccumulator, LONGLONG nOperand, int nOp);
    // A field text or literal in thousandths, with at most two decimals.
    static LONGLONG TextToNumber(const CString& strText);
    // The tax rate as text with two decimals: "0.05", or from "TAX.aut"
    // when the formula holds "TAX".
    static CString GetTaxRate(const CString& strFormula);
    // A value in thousandths rounded by the rule ('U' up, 'F' half up,
    // anything else cut) to a whole number, and to two decimals.
    static CString FormatInteger(LONGLONG nValue, char chRule);
    static CString FormatDecimal(LONGLONG nValue, char chRule);
    // The table-row rule: the order is the last field of a table row; a
    // running balance is not computed on a row whose other two referenced
    // fields are empty. Both true without table data.
    BOOL IsRowEndOrder(UINT nOrder);
    BOOL CheckRowInput(const CString& strFormula);

    CString m_strFormula;

protected:
    UINT m_nCalcVersion;

private:
    // The formula without a leading rounding letter.
    CString FormulaToEvaluate() const;
    // The result text written into the field (kind 2: unless the field
    // already shows the same number).
    void WriteResult(CNPropObj* pResult, const CString& strText);

    BOOL m_bExecuting;
};

class MIRT_API CNPropObjAutoCpy : public CNPropObjGrp
{
    DECLARE_SERIAL(CNPropObjAutoCpy)
public:
    enum { AUTOCPY_VERSION = 1 };

    CNPropObjAutoCpy();
    explicit CNPropObjAutoCpy(const tagPROPBLOCK& block);

    // The group's part, then version.
    void Serialize(CArchive& ar) override;
    CNPropObj* Clone(int dx, int dy) override;
    // The source's text, font, alignment and colour into each target;
    // nothing without a source. A copy group that a target runs again
    // does not run a second time.
    int Execute(DWORD dwArg1, DWORD dwArg2, DWORD dwArg3) override;
    // Nothing of its own.
    void InitDefaults() override;
    UINT GetVersion() override;

protected:
    UINT m_nCpyVersion;

private:
    BOOL m_bExecuting;
};

#pragma pack(pop)
