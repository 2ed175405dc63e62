// CSharedNames: while one is open on a thread, the field names read there
// share one buffer per distinct text, so that the many pages of one form
// hold each name once. Scopes nest; the outermost one serves.
#pragma once
#include <afx.h>

#include <string_view>
#include <unordered_map>

class CSharedNames
{
public:
    CSharedNames();
    ~CSharedNames();
    CSharedNames(const CSharedNames&) = delete;
    CSharedNames& operator=(const CSharedNames&) = delete;

    // Makes strName a copy of the first name of the same text read under
    // the open scope; nothing without one.
    static void Share(CString& strName);

private:
    // Keys view the buffers of the kept names, which are never written.
    std::unordered_map<std::string_view, CString> m_names;
    CSharedNames* m_pOuter;
};
