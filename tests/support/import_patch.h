// Replaces one imported function of a loaded module for the life of the
// object, so that a test sees the calls a library makes to the system.
#pragma once
#include <windows.h>

class CImportPatch
{
public:
    // The import of pszFunction from pszDll in hModule's import table;
    // Patched() tells whether it was found and replaced.
    CImportPatch(HMODULE hModule, const char* pszDll, const char* pszFunction, void* pReplacement);
    ~CImportPatch();
    CImportPatch(const CImportPatch&) = delete;
    CImportPatch& operator=(const CImportPatch&) = delete;

    bool Patched() const { return m_ppSlot != nullptr; }
    // The function the import named before.
    void* Original() const { return m_pOriginal; }

private:
    void Write(void* pValue);

    void** m_ppSlot = nullptr;
    void* m_pOriginal = nullptr;
};
