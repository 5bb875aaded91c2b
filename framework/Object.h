// CObject: the root of the classes that answer run-time class questions.
// A class that declares DECLARE_DYNAMIC carries a static CRuntimeClass record
// chained to its base's, so IsKindOf can ask "is this a CHoverButton?" of a
// window found only by its handle.
#pragma once

struct CRuntimeClass
{
    const char* m_lpszClassName;
    const CRuntimeClass* m_pBaseClass;

    bool IsDerivedFrom(const CRuntimeClass* pBaseClass) const noexcept;
};

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name)               \
public:                                           \
    static const CRuntimeClass class##class_name; \
    const CRuntimeClass* GetRuntimeClass() const noexcept override;

#define IMPLEMENT_DYNAMIC(class_name, base_class_name)                                                 \
    const CRuntimeClass class_name::class##class_name = {#class_name, RUNTIME_CLASS(base_class_name)}; \
    const CRuntimeClass* class_name::GetRuntimeClass() const noexcept { return &class_name::class##class_name; }

class CObject
{
public:
    static const CRuntimeClass classCObject;

    CObject() = default;
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
    virtual ~CObject() = default;

    virtual const CRuntimeClass* GetRuntimeClass() const noexcept;
    bool IsKindOf(const CRuntimeClass* pClass) const noexcept;
};
