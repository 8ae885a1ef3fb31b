#include "CGdiObject.h"
#include "CBitmap.h"
#include "CBrush.h"
#include "CFont.h"
#include "CHandleMap.h"
#include "CPalette.h"
#include "CPen.h"
#include "CRgn.h"
#include "GdiObjectCounter.h"

IMPLEMENT_DYNCREATE(CGdiObject, CObject)

namespace {

using GdiHandleMap = CHandleMap<CGdiObject, HGDIOBJ>;

std::unique_ptr<CGdiObject> MakeWrapper(HGDIOBJ hObject)
{
    std::unique_ptr<CGdiObject> wrapper;
    switch (::GetObjectType(hObject)) {
    case OBJ_PEN:
    case OBJ_EXTPEN: wrapper = std::make_unique<CPen>(); break;
    case OBJ_BRUSH: wrapper = std::make_unique<CBrush>(); break;
    case OBJ_FONT: wrapper = std::make_unique<CFont>(); break;
    case OBJ_BITMAP: wrapper = std::make_unique<CBitmap>(); break;
    case OBJ_REGION: wrapper = std::make_unique<CRgn>(); break;
    case OBJ_PAL: wrapper = std::make_unique<CPalette>(); break;
    default: wrapper = std::make_unique<CGdiObject>(); break;
    }
    wrapper->m_hObject = hObject;
    return wrapper;
}

} // namespace

CGdiObject::~CGdiObject()
{
    DeleteObject();
}

CGdiObject* CGdiObject::FromHandle(HGDIOBJ hObject)
{
    return GdiHandleMap::ForThread().FromHandle(hObject, MakeWrapper);
}

void CGdiObject::DeleteTempMap()
{
    GdiHandleMap::ForThread().DeleteTemp();
}

BOOL CGdiObject::Attach(HGDIOBJ hObject)
{
    if (hObject == nullptr)
        return FALSE;
    ASSERT(m_hObject == nullptr);
    m_hObject = hObject;
    GdiHandleMap::ForThread().SetPermanent(hObject, this);
    ORBALIN_GDI_TAKEN();
    return TRUE;
}

HGDIOBJ CGdiObject::Detach()
{
    HGDIOBJ hObject = m_hObject;
    if (hObject != nullptr) {
        // Temporary wrappers were never counted.
        if (GdiHandleMap::ForThread().LookupPermanent(hObject) == this)
            ORBALIN_GDI_RELEASED();
        GdiHandleMap::ForThread().RemoveHandle(hObject, this);
    }
    m_hObject = nullptr;
    return hObject;
}

BOOL CGdiObject::DeleteObject()
{
    if (m_hObject == nullptr)
        return FALSE;
    return ::DeleteObject(Detach());
}

int CGdiObject::GetObject(int nCount, LPVOID lpObject) const
{
    return ::GetObjectW(m_hObject, nCount, lpObject);
}

UINT CGdiObject::GetObjectType() const
{
    return static_cast<UINT>(::GetObjectType(m_hObject));
}

BOOL CGdiObject::CreateStockObject(int nIndex)
{
    // Deleting a stock object later is harmless: GDI ignores it.
    return Attach(::GetStockObject(nIndex));
}

BOOL CGdiObject::UnrealizeObject()
{
    return ::UnrealizeObject(m_hObject);
}
