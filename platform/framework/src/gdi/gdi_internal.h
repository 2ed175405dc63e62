// Shared by the drawing sources: handle maps and the two-context rule.
#pragma once
#include <unordered_map>
#include <vector>
#include "afxgdi.h"
#include "core/threadslot.h"

namespace afxgdi {

// Clear a temporary's handles without freeing them, then delete it.
void DisposeTemporary(CGdiObject* pObject);
void DisposeTemporary(CDC* pDC);

// One thread's map from handles to their C++ wrappers: permanent entries
// for objects that own their handle (Attach), temporary ones made by
// FromHandle. Temporaries are disposed of by DeleteTemporaries and with
// the map.
template <class T>
class HandleMap
{
public:
    HandleMap() = default;
    ~HandleMap() { DeleteTemporaries(); }
    HandleMap(const HandleMap&) = delete;
    HandleMap& operator=(const HandleMap&) = delete;

    // The permanent wrapper of h, else its temporary, else a new temporary
    // from wrap(h).
    template <class Wrap>
    T* FromHandle(HANDLE h, Wrap wrap)
    {
        if (h == nullptr)
            return nullptr;
        auto permanent = m_permanent.find(h);
        if (permanent != m_permanent.end())
            return permanent->second;
        T*& temporary = m_temporary[h];
        if (temporary == nullptr) {
            temporary = wrap(h);
            AfxCountTemporary(1);
        }
        return temporary;
    }

    // FALSE if h already belongs to another object. A temporary of h is
    // kept for disposal but no longer handed out.
    bool SetPermanent(HANDLE h, T* p)
    {
        if (!m_permanent.emplace(h, p).second)
            return false;
        Retire(h);
        return true;
    }

    // Called when p lets go of h. A temporary that lets go is kept for
    // disposal but no longer handed out.
    void Remove(HANDLE h, const T* p)
    {
        auto permanent = m_permanent.find(h);
        if (permanent != m_permanent.end() && permanent->second == p)
            m_permanent.erase(permanent);
        auto temporary = m_temporary.find(h);
        if (temporary != m_temporary.end() && temporary->second == p)
            Retire(h);
    }

    void DeleteTemporaries()
    {
        std::unordered_map<HANDLE, T*> temporary;
        std::vector<T*> retired;
        temporary.swap(m_temporary);
        retired.swap(m_retired);
        for (auto& entry : temporary)
            DisposeTemporary(entry.second);
        for (T* p : retired)
            DisposeTemporary(p);
        AfxCountTemporary(-static_cast<int>(temporary.size() + retired.size()));
    }

private:
    void Retire(HANDLE h)
    {
        auto temporary = m_temporary.find(h);
        if (temporary == m_temporary.end())
            return;
        m_retired.push_back(temporary->second);
        m_temporary.erase(temporary);
    }

    std::unordered_map<HANDLE, T*> m_permanent;
    std::unordered_map<HANDLE, T*> m_temporary;
    std::vector<T*> m_retired;
};

// Applies a state change to the output context and, when it is another
// handle, to the attribute context; the attribute context's result is
// returned, since queries read the state from there.
template <class Setter>
auto SetInBoth(const CDC& dc, Setter set) -> decltype(set(dc.m_hDC))
{
    decltype(set(dc.m_hDC)) result{};
    if (dc.m_hDC != nullptr && dc.m_hDC != dc.m_hAttribDC)
        result = set(dc.m_hDC);
    if (dc.m_hAttribDC != nullptr)
        result = set(dc.m_hAttribDC);
    return result;
}

// The output context of a possibly null CDC.
inline HDC OutputOf(const CDC* pDC) { return pDC != nullptr ? pDC->m_hDC : nullptr; }

// The handle of a possibly null wrapper.
inline HGDIOBJ HandleOf(const CGdiObject* pObject) { return pObject != nullptr ? pObject->m_hObject : nullptr; }

}  // namespace afxgdi
