#include "tests/support/ImportHook.h"

ImportHook::ImportHook(const wchar_t* pszModule, const char* pszFunction, const void* pReplacement)
    : m_original(reinterpret_cast<ULONG_PTR>(::GetProcAddress(::GetModuleHandleW(pszModule), pszFunction))),
      m_replacement(reinterpret_cast<ULONG_PTR>(pReplacement))
{
    Repoint(m_original, m_replacement);
}

ImportHook::~ImportHook() { Repoint(m_replacement, m_original); }

void ImportHook::Repoint(ULONG_PTR from, ULONG_PTR to)
{
    auto* pBase = reinterpret_cast<BYTE*>(::GetModuleHandleW(nullptr));
    const auto* pNt =
        reinterpret_cast<const IMAGE_NT_HEADERS*>(pBase + reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase)->e_lfanew);
    const IMAGE_DATA_DIRECTORY& imports = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    for (auto* pImport = reinterpret_cast<const IMAGE_IMPORT_DESCRIPTOR*>(pBase + imports.VirtualAddress);
         pImport->Name != 0; ++pImport)
        for (auto* pSlot = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pImport->FirstThunk); pSlot->u1.Function != 0;
             ++pSlot)
            if (pSlot->u1.Function == from)
            {
                DWORD dwOld = 0;
                ::VirtualProtect(&pSlot->u1.Function, sizeof(ULONG_PTR), PAGE_READWRITE, &dwOld);
                pSlot->u1.Function = to;
                ::VirtualProtect(&pSlot->u1.Function, sizeof(ULONG_PTR), dwOld, &dwOld);
            }
}
