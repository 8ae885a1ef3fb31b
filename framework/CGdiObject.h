#pragma once
// Base of the GDI object wrappers (pens, brushes, fonts, bitmaps, regions,
// palettes). The object owns its handle: destroying it deletes the handle.

#include "AfxNullObject.h"
#include "CObject.h"

class CGdiObject : public CObject
{
    DECLARE_DYNCREATE(CGdiObject)
public:
    HGDIOBJ m_hObject = nullptr;

    CGdiObject() = default;
    ~CGdiObject() override;

    operator HGDIOBJ() const { return AfxIsNullObject(this) ? nullptr : m_hObject; }
    HGDIOBJ GetSafeHandle() const { return AfxIsNullObject(this) ? nullptr : m_hObject; }

    // The wrapper of a handle: the object that owns it, else a temporary wrapper
    // of the matching class (CPen for a pen, ...) that lives until DeleteTempMap.
    static CGdiObject* FromHandle(HGDIOBJ hObject);
    static void DeleteTempMap();

    BOOL Attach(HGDIOBJ hObject);
    HGDIOBJ Detach();
    BOOL DeleteObject();

    int GetObject(int nCount, LPVOID lpObject) const;
    UINT GetObjectType() const;
    BOOL CreateStockObject(int nIndex);
    BOOL UnrealizeObject();

    bool operator==(const CGdiObject& obj) const { return m_hObject == obj.m_hObject; }
    bool operator!=(const CGdiObject& obj) const { return m_hObject != obj.m_hObject; }

    static void ReleaseTemporary(CGdiObject& object) { object.m_hObject = nullptr; }
};
