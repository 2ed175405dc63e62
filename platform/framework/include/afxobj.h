// CObject, the root of the framework's classes, and CRuntimeClass, the
// run-time description of a class: name, size, schema, creation function
// and base class. The DECLARE_/IMPLEMENT_ macros give a class its
// CRuntimeClass as a static data member, so they work for classes exported
// from any DLL; base classes are linked through a function, which resolves
// across DLL boundaries at run time.
#pragma once
#include <windows.h>
#include "afxapi.h"

class CObject;
class CArchive;
class CDumpContext;

// Schema of classes that cannot be serialized.
#define AFX_NO_SCHEMA 0xFFFF
// Or-ed into a serial class's schema: objects of other schemas load too and
// Serialize reads the stored schema through CArchive::GetObjectSchema.
#define VERSIONABLE_SCHEMA (0x80000000)

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

struct AFX_API CRuntimeClass
{
    LPCSTR m_lpszClassName;
    int m_nObjectSize;
    UINT m_wSchema;                              // AFX_NO_SCHEMA: not serializable
    CObject* (*m_pfnCreateObject)();             // null: not dynamically creatable
    CRuntimeClass* (*m_pfnGetBaseClass)();       // null for CObject
    CRuntimeClass* m_pNextClass;                 // link of the class registry

    // A new object of the class, or null if the class cannot create objects.
    CObject* CreateObject();
    BOOL IsDerivedFrom(const CRuntimeClass* pBaseClass) const;
    CRuntimeClass* GetBaseClass() const;

    // Archive form of a class: schema WORD, name length WORD, name.
    void Store(CArchive& ar) const;
    // Reads what Store wrote and looks the class up by name; null if no
    // loaded module registers a class of that name.
    static CRuntimeClass* Load(CArchive& ar, UINT* pwSchemaNum);

    // A registered class by name (case-sensitive), or null.
    static CRuntimeClass* FromName(LPCSTR lpszClassName);
};

// Registers a class with the framework's class registry for as long as the
// object lives: the IMPLEMENT_ macros define one per class at namespace
// scope, so a module's classes register when it initialises and unregister
// when it unloads.
struct AFX_API AFX_CLASSINIT
{
    explicit AFX_CLASSINIT(CRuntimeClass* pNewClass);
    ~AFX_CLASSINIT();
    AFX_CLASSINIT(const AFX_CLASSINIT&) = delete;
    AFX_CLASSINIT& operator=(const AFX_CLASSINIT&) = delete;

    CRuntimeClass* m_pClass;
};

class AFX_API CObject
{
public:
    // Virtual slots in this order; derived classes add theirs after Dump.
    virtual CRuntimeClass* GetRuntimeClass() const;
    virtual ~CObject();
    virtual void Serialize(CArchive& ar);
    virtual void AssertValid() const;
    virtual void Dump(CDumpContext& dc) const;

    BOOL IsKindOf(const CRuntimeClass* pClass) const;
    BOOL IsSerializable() const;

    static CRuntimeClass classCObject;

protected:
    CObject() = default;

private:
    CObject(const CObject&) = delete;
    CObject& operator=(const CObject&) = delete;
};

#pragma pack(pop)

#define RUNTIME_CLASS(class_name) (&class_name::class##class_name)

#define DECLARE_DYNAMIC(class_name) \
public: \
    static CRuntimeClass class##class_name; \
    static CRuntimeClass* _GetBaseClass(); \
    CRuntimeClass* GetRuntimeClass() const override;

#define DECLARE_DYNCREATE(class_name) \
    DECLARE_DYNAMIC(class_name) \
    static CObject* CreateObject();

// The extraction operator is defined inline, found through the class by
// argument-dependent lookup, so it needs no export from the class's module.
#define DECLARE_SERIAL(class_name) \
    DECLARE_DYNCREATE(class_name) \
    friend CArchive& operator>>(CArchive& ar, class_name*& pOb) \
    { \
        pOb = static_cast<class_name*>(ar.ReadObject(RUNTIME_CLASS(class_name))); \
        return ar; \
    }

#define AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, pfnNew) \
    CRuntimeClass* class_name::_GetBaseClass() { return RUNTIME_CLASS(base_class_name); } \
    CRuntimeClass class_name::class##class_name = { \
        #class_name, sizeof(class class_name), wSchema, pfnNew, &class_name::_GetBaseClass, nullptr}; \
    CRuntimeClass* class_name::GetRuntimeClass() const { return RUNTIME_CLASS(class_name); } \
    static const AFX_CLASSINIT afxClassInit_##class_name(RUNTIME_CLASS(class_name));

#define IMPLEMENT_DYNAMIC(class_name, base_class_name) \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, AFX_NO_SCHEMA, nullptr)

#define IMPLEMENT_DYNCREATE(class_name, base_class_name) \
    CObject* class_name::CreateObject() { return new class_name; } \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, AFX_NO_SCHEMA, &class_name::CreateObject)

#define IMPLEMENT_SERIAL(class_name, base_class_name, wSchema) \
    CObject* class_name::CreateObject() { return new class_name; } \
    AFX_IMPLEMENT_RUNTIMECLASS(class_name, base_class_name, wSchema, &class_name::CreateObject)
