#include "CXTPAccessible.h"

#include "AccessibilityEntries.h"

namespace {

// Nested by-reference variants are followed only this deep, so a variant
// that points back at itself cannot run away.
constexpr int kMaxVariantDepth = 8;

} // namespace

CXTPAccessible::CXTPAccessible()
{
    AccessibilityEntries::LookUpNotifyWinEvent();
}

HRESULT CXTPAccessible::QueryAccParent(IDispatch**) { return E_NOTIMPL; }
HRESULT CXTPAccessible::QueryAccChildCount(long*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::QueryAccChild(VARIANT, IDispatch**) { return E_NOTIMPL; }
HRESULT CXTPAccessible::QueryAccName(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::QueryAccValue(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::QueryAccDescription(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::QueryAccRole(VARIANT, VARIANT*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::QueryAccState(VARIANT, VARIANT*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::QueryAccHelp(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::QueryAccHelpTopic(BSTR*, VARIANT, long*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::QueryAccShortcut(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::QueryAccFocus(VARIANT*) { return S_FALSE; }
HRESULT CXTPAccessible::QueryAccSelection(VARIANT*) { return S_FALSE; }
HRESULT CXTPAccessible::QueryAccDefaultAction(VARIANT, BSTR*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::HandleAccSelect(long, VARIANT) { return E_NOTIMPL; }
HRESULT CXTPAccessible::HandleAccLocation(long*, long*, long*, long*, VARIANT) { return E_NOTIMPL; }
HRESULT CXTPAccessible::HandleAccNavigate(long, VARIANT, VARIANT*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::HandleAccHitTest(long, long, VARIANT*) { return E_NOTIMPL; }
HRESULT CXTPAccessible::HandleAccDoDefaultAction(VARIANT) { return E_NOTIMPL; }
HRESULT CXTPAccessible::StoreAccName(VARIANT, BSTR) { return E_NOTIMPL; }
HRESULT CXTPAccessible::StoreAccValue(VARIANT, BSTR) { return E_NOTIMPL; }
CCmdTarget* CXTPAccessible::AccIdentityTarget() { return nullptr; }

int CXTPAccessible::AccessibleNotifyWinEvent(DWORD event, HWND hWnd, LONG idObject, LONG idChild)
{
    AccessibilityEntries::NotifyWinEventEntry pfn = AccessibilityEntries::NotifyWinEvent();
    if (pfn == nullptr)
        return 0;
    pfn(event, hWnd, idObject, idChild);
    return 1;
}

HRESULT CXTPAccessible::AccessibleObjectFromWindow(HWND hWnd, DWORD dwId, REFIID riid, void** ppvObject)
{
    AccessibilityEntries::AccessibleObjectFromWindowEntry pfn = AccessibilityEntries::AccessibleObjectFromWindow();
    return pfn != nullptr ? pfn(hWnd, dwId, riid, ppvObject) : E_FAIL;
}

LRESULT CXTPAccessible::LresultFromObject(REFIID riid, WPARAM wParam, LPUNKNOWN punk)
{
    AccessibilityEntries::LresultFromObjectEntry pfn = AccessibilityEntries::LresultFromObject();
    return pfn != nullptr ? pfn(riid, wParam, punk) : E_FAIL;
}

long CXTPAccessible::GetChildIndex(const VARIANT* pVarChild)
{
    for (int depth = 0; pVarChild != nullptr && depth <= kMaxVariantDepth; ++depth) {
        switch (pVarChild->vt) {
        case VT_I4:
            return pVarChild->lVal;
        case VT_I2:
            return pVarChild->iVal;
        case VT_I4 | VT_BYREF:
            return pVarChild->plVal != nullptr ? *pVarChild->plVal : -1;
        case VT_I2 | VT_BYREF:
            return pVarChild->piVal != nullptr ? *pVarChild->piVal : -1;
        case VT_VARIANT | VT_BYREF:
            pVarChild = pVarChild->pvarVal;
            break;
        default:
            return -1;
        }
    }
    return -1;
}

// ---- the IAccessible part ----------------------------------------------------

STDMETHODIMP CXTPAccessible::XAccessible::QueryInterface(REFIID riid, void** ppvObject)
{
    CCmdTarget* pTarget = m_pOuter->AccIdentityTarget();
    if (pTarget == nullptr) {
        if (ppvObject != nullptr)
            *ppvObject = nullptr;
        return E_NOINTERFACE;
    }
    return pTarget->ExternalQueryInterface(&riid, ppvObject);
}

STDMETHODIMP_(ULONG) CXTPAccessible::XAccessible::AddRef()
{
    CCmdTarget* pTarget = m_pOuter->AccIdentityTarget();
    return pTarget != nullptr ? pTarget->ExternalAddRef() : 1;
}

STDMETHODIMP_(ULONG) CXTPAccessible::XAccessible::Release()
{
    CCmdTarget* pTarget = m_pOuter->AccIdentityTarget();
    return pTarget != nullptr ? pTarget->ExternalRelease() : 1;
}

STDMETHODIMP CXTPAccessible::XAccessible::GetTypeInfoCount(UINT*) { return E_NOTIMPL; }
STDMETHODIMP CXTPAccessible::XAccessible::GetTypeInfo(UINT, LCID, ITypeInfo**) { return E_NOTIMPL; }
STDMETHODIMP CXTPAccessible::XAccessible::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) { return E_NOTIMPL; }
STDMETHODIMP CXTPAccessible::XAccessible::Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                                 UINT*)
{
    return E_NOTIMPL;
}

STDMETHODIMP CXTPAccessible::XAccessible::get_accParent(IDispatch** p) { return m_pOuter->QueryAccParent(p); }
STDMETHODIMP CXTPAccessible::XAccessible::get_accChildCount(long* p) { return m_pOuter->QueryAccChildCount(p); }
STDMETHODIMP CXTPAccessible::XAccessible::get_accChild(VARIANT v, IDispatch** p)
{
    return m_pOuter->QueryAccChild(v, p);
}
STDMETHODIMP CXTPAccessible::XAccessible::get_accName(VARIANT v, BSTR* p) { return m_pOuter->QueryAccName(v, p); }
STDMETHODIMP CXTPAccessible::XAccessible::get_accValue(VARIANT v, BSTR* p) { return m_pOuter->QueryAccValue(v, p); }
STDMETHODIMP CXTPAccessible::XAccessible::get_accDescription(VARIANT v, BSTR* p)
{
    return m_pOuter->QueryAccDescription(v, p);
}
STDMETHODIMP CXTPAccessible::XAccessible::get_accRole(VARIANT v, VARIANT* p) { return m_pOuter->QueryAccRole(v, p); }
STDMETHODIMP CXTPAccessible::XAccessible::get_accState(VARIANT v, VARIANT* p) { return m_pOuter->QueryAccState(v, p); }
STDMETHODIMP CXTPAccessible::XAccessible::get_accHelp(VARIANT v, BSTR* p) { return m_pOuter->QueryAccHelp(v, p); }
STDMETHODIMP CXTPAccessible::XAccessible::get_accHelpTopic(BSTR* f, VARIANT v, long* p)
{
    return m_pOuter->QueryAccHelpTopic(f, v, p);
}
STDMETHODIMP CXTPAccessible::XAccessible::get_accKeyboardShortcut(VARIANT v, BSTR* p)
{
    return m_pOuter->QueryAccShortcut(v, p);
}
STDMETHODIMP CXTPAccessible::XAccessible::get_accFocus(VARIANT* p) { return m_pOuter->QueryAccFocus(p); }
STDMETHODIMP CXTPAccessible::XAccessible::get_accSelection(VARIANT* p) { return m_pOuter->QueryAccSelection(p); }
STDMETHODIMP CXTPAccessible::XAccessible::get_accDefaultAction(VARIANT v, BSTR* p)
{
    return m_pOuter->QueryAccDefaultAction(v, p);
}
STDMETHODIMP CXTPAccessible::XAccessible::accSelect(long f, VARIANT v) { return m_pOuter->HandleAccSelect(f, v); }
STDMETHODIMP CXTPAccessible::XAccessible::accLocation(long* x, long* y, long* cx, long* cy, VARIANT v)
{
    return m_pOuter->HandleAccLocation(x, y, cx, cy, v);
}
STDMETHODIMP CXTPAccessible::XAccessible::accNavigate(long d, VARIANT v, VARIANT* p)
{
    return m_pOuter->HandleAccNavigate(d, v, p);
}
STDMETHODIMP CXTPAccessible::XAccessible::accHitTest(long x, long y, VARIANT* p)
{
    return m_pOuter->HandleAccHitTest(x, y, p);
}
STDMETHODIMP CXTPAccessible::XAccessible::accDoDefaultAction(VARIANT v) { return m_pOuter->HandleAccDoDefaultAction(v); }
STDMETHODIMP CXTPAccessible::XAccessible::put_accName(VARIANT v, BSTR s) { return m_pOuter->StoreAccName(v, s); }
STDMETHODIMP CXTPAccessible::XAccessible::put_accValue(VARIANT v, BSTR s) { return m_pOuter->StoreAccValue(v, s); }
