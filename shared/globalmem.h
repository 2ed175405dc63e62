// Movable global memory blocks: a lock held for a scope, and a scope guard.
// Header-only, free of the framework: the multimedia library uses it too.
#pragma once

#include <windows.h>

// Locks hMem for the scope; Bytes() is null when the lock failed.
class CGlobalLock
{
public:
    explicit CGlobalLock(HGLOBAL hMem) : m_hMem(hMem), m_pBytes(static_cast<BYTE*>(::GlobalLock(hMem))) {}
    ~CGlobalLock()
    {
        if (m_pBytes != nullptr)
            ::GlobalUnlock(m_hMem);
    }
    CGlobalLock(const CGlobalLock&) = delete;
    CGlobalLock& operator=(const CGlobalLock&) = delete;

    BYTE* Bytes() const { return m_pBytes; }
    explicit operator bool() const { return m_pBytes != nullptr; }

private:
    HGLOBAL m_hMem;
    BYTE* m_pBytes;
};

// Runs f when the scope ends, however it ends.
template <class F>
class CScopeExit
{
public:
    explicit CScopeExit(F f) : m_f(f) {}
    ~CScopeExit() { m_f(); }
    CScopeExit(const CScopeExit&) = delete;
    CScopeExit& operator=(const CScopeExit&) = delete;

private:
    F m_f;
};
