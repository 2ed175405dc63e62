#include "core/lowfragheap.h"
#include "core/threadslot.h"
#include "afxpriv.h"

namespace {

// Slots are only ever added; threads ending walk the list without a lock.
AfxThreadSlotBase* volatile g_pFirstSlot = nullptr;
volatile LONG g_nTemporaries = 0;

}  // namespace

AfxThreadSlotBase::AfxThreadSlotBase(void (*pfnDelete)(void*))
    : m_nIndex(::TlsAlloc()), m_pfnDelete(pfnDelete), m_pNext(nullptr)
{
    if (m_nIndex == TLS_OUT_OF_INDEXES)
        AfxThrowMemoryException();
    AfxThreadSlotBase* pFirst;
    do {
        pFirst = g_pFirstSlot;
        m_pNext = pFirst;
    } while (::InterlockedCompareExchangePointer(reinterpret_cast<void* volatile*>(&g_pFirstSlot), this, pFirst) !=
             pFirst);
}

void AfxThreadSlotBase::FreeThread()
{
    for (AfxThreadSlotBase* pSlot = g_pFirstSlot; pSlot != nullptr; pSlot = pSlot->m_pNext) {
        void* pValue = pSlot->GetValue();
        if (pValue == nullptr)
            continue;
        pSlot->SetValue(nullptr);
        pSlot->m_pfnDelete(pValue);
    }
}

void AfxCountTemporary(int nDelta)
{
    ::InterlockedExchangeAdd(&g_nTemporaries, nDelta);
}

int AfxGetTempObjectCount()
{
    return static_cast<int>(g_nTemporaries);
}

void AfxDeleteTempMaps()
{
    CWnd::DeleteTempMap();
    CMenu::DeleteTempMap();
    AfxDeleteTempGdiMaps();
}

// Sets up the heaps when the process loads the framework; frees the
// per-thread state of each thread that ends; the main thread's stays for the
// objects destroyed while the process ends.
extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD dwReason, LPVOID)
{
    if (dwReason == DLL_PROCESS_ATTACH)
        AfxUseLowFragmentationHeaps();
    if (dwReason == DLL_THREAD_DETACH)
        AfxThreadSlotBase::FreeThread();
    return TRUE;
}
