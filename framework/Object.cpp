#include "framework/Object.h"

bool CRuntimeClass::IsDerivedFrom(const CRuntimeClass* pBaseClass) const noexcept
{
    for (const CRuntimeClass* pClass = this; pClass != nullptr; pClass = pClass->m_pBaseClass)
    {
        if (pClass == pBaseClass)
            return true;
    }
    return false;
}

const CRuntimeClass CObject::classCObject = {"CObject", nullptr};

const CRuntimeClass* CObject::GetRuntimeClass() const noexcept { return &classCObject; }

bool CObject::IsKindOf(const CRuntimeClass* pClass) const noexcept { return GetRuntimeClass()->IsDerivedFrom(pClass); }
