#include "framework/GdiObject.h"

bool CGdiObject::Attach(HGDIOBJ hObject) noexcept
{
    DeleteObject();
    m_hObject = hObject;
    return m_hObject != nullptr;
}

HGDIOBJ CGdiObject::Detach() noexcept
{
    HGDIOBJ hObject = m_hObject;
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject() noexcept
{
    if (m_hObject == nullptr)
        return FALSE;
    const BOOL bDeleted = ::DeleteObject(Detach());
    return bDeleted;
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const noexcept
{
    return m_hObject != nullptr ? ::GetObjectW(m_hObject, nCount, lpObject) : 0;
}
