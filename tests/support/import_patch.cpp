#include "import_patch.h"

namespace {

// The address slot of the module's import that holds pTarget; null when
// none does.
void** FindSlot(HMODULE hModule, void* pTarget)
{
    auto* pBase = reinterpret_cast<BYTE*>(hModule);
    const auto* pDos = reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase);
    const auto* pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(pBase + pDos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (imports.VirtualAddress == 0)
        return nullptr;
    for (auto* pDesc = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(pBase + imports.VirtualAddress); pDesc->Name != 0;
         ++pDesc)
    {
        for (auto* pThunk = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pDesc->FirstThunk); pThunk->u1.Function != 0;
             ++pThunk)
        {
            if (reinterpret_cast<void*>(pThunk->u1.Function) == pTarget)
                return reinterpret_cast<void**>(&pThunk->u1.Function);
        }
    }
    return nullptr;
}

}  // namespace

CImportPatch::CImportPatch(HMODULE hModule, const char* pszDll, const char* pszFunction, void* pReplacement)
{
    HMODULE hDll = ::GetModuleHandleA(pszDll);
    void* pTarget = hDll != nullptr ? reinterpret_cast<void*>(::GetProcAddress(hDll, pszFunction)) : nullptr;
    if (hModule == nullptr || pTarget == nullptr)
        return;
    m_ppSlot = FindSlot(hModule, pTarget);
    m_pOriginal = pTarget;
    if (m_ppSlot != nullptr)
        Write(pReplacement);
}

CImportPatch::~CImportPatch()
{
    if (m_ppSlot != nullptr)
        Write(m_pOriginal);
}

void CImportPatch::Write(void* pValue)
{
    DWORD dwOld = 0;
    ::VirtualProtect(m_ppSlot, sizeof(void*), PAGE_READWRITE, &dwOld);
    *m_ppSlot = pValue;
    ::VirtualProtect(m_ppSlot, sizeof(void*), dwOld, &dwOld);
}
