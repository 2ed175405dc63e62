// The common state of one setting over many fields: which of the setting's
// counted values the fields hold, one flag per value. Fields whose getter
// gives another value are not counted.
#pragma once
#include <afxwin.h>

#include <initializer_list>

class CNPropObj;

struct AllFieldQuery
{
    int (*pfnValue)(CNPropObj& field);   // the field's value, or -1: not counted
    int nValues[4];                      // the counted values, flag by flag
    int nCount;
    int nNone;                           // the answer when nothing was counted
};

// 1 on, 2 off
extern const AllFieldQuery kAllAutoCalc;
// 0, 1, 2
extern const AllFieldQuery kAllNum;
// 0 .. 3
extern const AllFieldQuery kAllPichRate;
// 0 off, 1 on (a shadow setting of 1 or 2)
extern const AllFieldQuery kAllShadow;
// 10, 12, 15, 20
extern const AllFieldQuery kAllRowHeight;
// 1 free, 2 locked, of fields that take input and carry data
extern const AllFieldQuery kAllModify;

// The all-field setters' rule for one field; TRUE when the field has the
// setting (and took the value).
class CAllFieldRules
{
public:
    // 1 turns off (2) into on (1), 0 on into off; other fields stay.
    static BOOL AutoCalc(CNPropObj& field, UINT nOn);
    static BOOL NumKind(CNPropObj& field, UINT nKind);
    static BOOL PichRate(CNPropObj& field, UINT nRate);
    static BOOL Shadow(CNPropObj& field, UINT nOn);
    static BOOL RowHeight(CNPropObj& field, UINT nHeight);
    // 1 frees, anything else locks.
    static BOOL Modify(CNPropObj& field, UINT nValue);
};

class CAllFieldFlags
{
public:
    // Flags set beforehand, one per counted value (nonzero: seen).
    CAllFieldFlags(const AllFieldQuery& query, std::initializer_list<int> seen = {});

    void Count(CNPropObj& field);
    BOOL IsMixed() const;
    int Flag(int nIndex) const { return m_bSeen[nIndex]; }
    // The one value seen, or the query's answer for none.
    int Result() const;

private:
    const AllFieldQuery& m_query;
    int m_bSeen[4];
};
