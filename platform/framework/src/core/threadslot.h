// Per-thread state of the framework (private to the framework).
#pragma once
#include <windows.h>

// A value of each thread, made on the thread's first use and deleted when
// the thread ends. The main thread's value lives until the process ends, so
// objects destroyed at the program's exit still find it.
class AfxThreadSlotBase
{
public:
    AfxThreadSlotBase(const AfxThreadSlotBase&) = delete;
    AfxThreadSlotBase& operator=(const AfxThreadSlotBase&) = delete;

    // Deletes the calling thread's values of every slot (at thread exit).
    static void FreeThread();

protected:
    explicit AfxThreadSlotBase(void (*pfnDelete)(void*));
    void* GetValue() const { return ::TlsGetValue(m_nIndex); }
    void SetValue(void* pValue) { ::TlsSetValue(m_nIndex, pValue); }

private:
    DWORD m_nIndex;
    void (*m_pfnDelete)(void*);
    AfxThreadSlotBase* m_pNext;
};

template <class T>
class AfxThreadSlot : public AfxThreadSlotBase
{
public:
    AfxThreadSlot() : AfxThreadSlotBase([](void* p) { delete static_cast<T*>(p); }) {}

    T& Get()
    {
        T* pValue = Peek();
        if (pValue == nullptr) {
            pValue = new T;
            SetValue(pValue);
        }
        return *pValue;
    }

    // The calling thread's value, or null if it has none yet.
    T* Peek() const { return static_cast<T*>(GetValue()); }
};

// Keeps the process-wide count of temporary wrapper objects (windows,
// menus, device contexts, GDI objects) that AfxGetTempObjectCount reports.
void AfxCountTemporary(int nDelta);
