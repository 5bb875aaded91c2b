// CHandle: an owned kernel handle (process, thread, file), closed with the object.
#pragma once

#include <windows.h>

class CHandle
{
public:
    CHandle() = default;
    explicit CHandle(HANDLE h) noexcept : m_h(h) {}
    ~CHandle() { Close(); }
    CHandle(const CHandle&) = delete;
    CHandle& operator=(const CHandle&) = delete;
    CHandle(CHandle&& other) noexcept : m_h(other.m_h) { other.m_h = nullptr; }
    CHandle& operator=(CHandle&& other) noexcept
    {
        if (this != &other)
        {
            Close();
            m_h = other.m_h;
            other.m_h = nullptr;
        }
        return *this;
    }

    operator HANDLE() const noexcept { return m_h; }  // NOLINT
    void Close() noexcept
    {
        if (m_h != nullptr && m_h != INVALID_HANDLE_VALUE)
            ::CloseHandle(m_h);
        m_h = nullptr;
    }

private:
    HANDLE m_h = nullptr;
};
