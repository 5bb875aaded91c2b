// CUniqueHandle: owns one handle of a kind and closes it with the kind's own
// function when it goes, is reset or is moved over. Null and
// INVALID_HANDLE_VALUE both mean "nothing held", since the system's functions
// fail with one or the other. Cannot be copied; moving hands ownership on.
#pragma once

#include <windows.h>

template <typename THandle, auto pfnClose>
class CUniqueHandle
{
public:
    CUniqueHandle() = default;
    explicit CUniqueHandle(THandle h) noexcept : m_h(h) {}
    ~CUniqueHandle() { Reset(); }
    CUniqueHandle(const CUniqueHandle&) = delete;
    CUniqueHandle& operator=(const CUniqueHandle&) = delete;
    CUniqueHandle(CUniqueHandle&& other) noexcept : m_h(other.Release()) {}
    CUniqueHandle& operator=(CUniqueHandle&& other) noexcept
    {
        if (this != &other)
            Reset(other.Release());
        return *this;
    }

    operator THandle() const noexcept { return m_h; }  // NOLINT: passed to the API as it is
    THandle Get() const noexcept { return m_h; }
    bool IsValid() const noexcept { return IsHandle(m_h); }
    // For a function that returns the handle through a pointer; what was held is closed first.
    THandle* Put() noexcept
    {
        Reset();
        return &m_h;
    }
    // Gives up ownership, to a function that takes it over.
    THandle Release() noexcept
    {
        const THandle h = m_h;
        m_h = THandle{};
        return h;
    }
    void Reset(THandle h = THandle{}) noexcept
    {
        if (IsHandle(m_h))
            pfnClose(m_h);
        m_h = h;
    }

private:
    static bool IsHandle(THandle h) noexcept
    {
        return h != THandle{} && reinterpret_cast<HANDLE>(h) != INVALID_HANDLE_VALUE;
    }

    THandle m_h{};
};

// A process, thread or file.
using CHandle = CUniqueHandle<HANDLE, &::CloseHandle>;
// A search of FindFirstFileW.
using CFindHandle = CUniqueHandle<HANDLE, &::FindClose>;
using CKeyHandle = CUniqueHandle<HKEY, &::RegCloseKey>;
using CModuleHandle = CUniqueHandle<HMODULE, &::FreeLibrary>;
// A region the program still owns: SetWindowRgn takes it over only on success.
using CRegionHandle = CUniqueHandle<HRGN, &::DeleteObject>;
