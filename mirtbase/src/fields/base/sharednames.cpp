#include "fields/base/sharednames.h"

namespace {

thread_local CSharedNames* t_pOpen = nullptr;

}  // namespace

CSharedNames::CSharedNames() : m_pOuter(t_pOpen)
{
    if (m_pOuter == nullptr)
        t_pOpen = this;
}

CSharedNames::~CSharedNames()
{
    if (m_pOuter == nullptr)
        t_pOpen = nullptr;
}

void CSharedNames::Share(CString& strName)
{
    if (t_pOpen == nullptr || strName.IsEmpty())
        return;
    const std::string_view text(strName, static_cast<size_t>(strName.GetLength()));
    const auto found = t_pOpen->m_names.find(text);
    if (found != t_pOpen->m_names.end()) {
        strName = found->second;
        return;
    }
    CString kept = strName;
    const std::string_view key(kept, static_cast<size_t>(kept.GetLength()));
    t_pOpen->m_names.emplace(key, std::move(kept));
}
