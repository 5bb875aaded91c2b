// CGdiObject: owns one GDI object and deletes it with the wrapper. Stock
// objects are never wrapped: they are used as plain handles.
#pragma once

#include "framework/Object.h"

#include <windows.h>

class CGdiObject : public CObject
{
public:
    CGdiObject() = default;
    ~CGdiObject() override { DeleteObject(); }

    HGDIOBJ GetSafeHandle() const noexcept { return m_hObject; }
    bool IsNull() const noexcept { return m_hObject == nullptr; }

    // Takes ownership of hObject, deleting what was held before.
    bool Attach(HGDIOBJ hObject) noexcept;
    // Gives up ownership: the caller (or a window) now owns the handle.
    HGDIOBJ Detach() noexcept;
    BOOL DeleteObject() noexcept;
    int GetObject(int nCount, LPVOID lpObject) const noexcept;

protected:
    HGDIOBJ m_hObject = nullptr;
};
