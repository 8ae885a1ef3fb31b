// Accessibility of a command bar: the bar is the object (menu bar, toolbar or
// popup menu) and its controls are children 1 to count.
#include "CXTPCommandBar.h"

#include "CXTPControl.h"
#include "CXTPControls.h"

CXTPControl* CXTPCommandBar::GetAccChild(const VARIANT& varChild) const
{
    const long nChild = GetChildIndex(&varChild);
    return nChild > 0 ? GetAt(nChild - 1) : nullptr;
}

LRESULT CXTPCommandBar::OnGetObject(WPARAM wParam, LPARAM lParam)
{
    const auto nObjectId = static_cast<LONG>(static_cast<DWORD>(lParam));
    if (nObjectId != OBJID_CLIENT && nObjectId != OBJID_MENU)
        return Default();
    IAccessible* pAccessible = nullptr;
    if (FAILED(ExternalQueryInterface(&IID_IAccessible, reinterpret_cast<void**>(&pAccessible))) || !pAccessible)
        return E_FAIL;
    const LRESULT lResult = LresultFromObject(IID_IAccessible, wParam, pAccessible);
    pAccessible->Release();
    return lResult;
}

HRESULT CXTPCommandBar::QueryAccParent(IDispatch** ppdispParent)
{
    if (!ppdispParent)
        return E_INVALIDARG;
    *ppdispParent = nullptr;
    if (!GetSafeHwnd())
        return E_FAIL;
    return AccessibleObjectFromWindow(m_hWnd, static_cast<DWORD>(OBJID_WINDOW), IID_IDispatch,
                                      reinterpret_cast<void**>(ppdispParent));
}

HRESULT CXTPCommandBar::QueryAccChildCount(long* pcountChildren)
{
    if (!pcountChildren)
        return E_INVALIDARG;
    *pcountChildren = m_pControls->GetCount();
    return S_OK;
}

HRESULT CXTPCommandBar::QueryAccChild(VARIANT varChild, IDispatch** ppdispChild)
{
    if (!ppdispChild)
        return E_INVALIDARG;
    *ppdispChild = nullptr;
    CXTPControl* pControl = GetAccChild(varChild);
    if (!pControl)
        return E_INVALIDARG;
    return pControl->ExternalQueryInterface(&IID_IDispatch, reinterpret_cast<void**>(ppdispChild));
}

HRESULT CXTPCommandBar::QueryAccName(VARIANT varChild, BSTR* pszName)
{
    if (!pszName)
        return E_INVALIDARG;
    if (GetChildIndex(&varChild) == CHILDID_SELF) {
        *pszName = ::SysAllocString(m_strTitle.GetString());
        return S_OK;
    }
    CXTPControl* pControl = GetAccChild(varChild);
    if (!pControl)
        return E_INVALIDARG;
    VARIANT varSelf;
    varSelf.vt = VT_I4;
    varSelf.lVal = CHILDID_SELF;
    return pControl->QueryAccName(varSelf, pszName);
}

HRESULT CXTPCommandBar::QueryAccRole(VARIANT varChild, VARIANT* pvarRole)
{
    if (!pvarRole)
        return E_INVALIDARG;
    ::VariantInit(pvarRole);
    const long nChild = GetChildIndex(&varChild);
    if (nChild == CHILDID_SELF) {
        pvarRole->vt = VT_I4;
        pvarRole->lVal = m_barType == xtpBarTypeMenuBar ? ROLE_SYSTEM_MENUBAR
                         : m_barType == xtpBarTypePopup ? ROLE_SYSTEM_MENUPOPUP
                                                        : ROLE_SYSTEM_TOOLBAR;
        return S_OK;
    }
    if (!GetAccChild(varChild))
        return E_INVALIDARG;
    pvarRole->vt = VT_I4;
    pvarRole->lVal = ROLE_SYSTEM_MENUITEM;
    return S_OK;
}

HRESULT CXTPCommandBar::QueryAccState(VARIANT varChild, VARIANT* pvarState)
{
    if (!pvarState)
        return E_INVALIDARG;
    pvarState->vt = VT_I4;
    pvarState->lVal = IsVisible() ? 0 : STATE_SYSTEM_INVISIBLE;
    if (CXTPControl* pControl = GetAccChild(varChild)) {
        pvarState->lVal |= STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
        if (pControl->GetIndex() == m_nSelected)
            pvarState->lVal |= STATE_SYSTEM_HOTTRACKED | STATE_SYSTEM_FOCUSED | STATE_SYSTEM_SELECTED;
    }
    return S_OK;
}

HRESULT CXTPCommandBar::HandleAccLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight,
                                          VARIANT varChild)
{
    if (!pxLeft || !pyTop || !pcxWidth || !pcyHeight)
        return E_INVALIDARG;
    *pxLeft = *pyTop = *pcxWidth = *pcyHeight = 0;
    if (!GetSafeHwnd())
        return S_OK;
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    CRect rc = rcWindow;
    if (GetChildIndex(&varChild) != CHILDID_SELF) {
        CXTPControl* pControl = GetAccChild(varChild);
        if (!pControl)
            return E_INVALIDARG;
        rc = pControl->GetRect();
        rc.OffsetRect(rcWindow.left, rcWindow.top);
    }
    *pxLeft = rc.left;
    *pyTop = rc.top;
    *pcxWidth = rc.Width();
    *pcyHeight = rc.Height();
    return S_OK;
}

HRESULT CXTPCommandBar::HandleAccHitTest(long xLeft, long yTop, VARIANT* pvarChild)
{
    if (!pvarChild)
        return E_INVALIDARG;
    ::VariantInit(pvarChild);
    if (!GetSafeHwnd())
        return S_FALSE;
    CRect rcWindow;
    GetWindowRect(&rcWindow);
    CPoint point(xLeft, yTop);
    if (!rcWindow.PtInRect(point))
        return S_FALSE;
    ScreenToClient(&point);
    CXTPControl* pControl = m_pControls->HitTest(point);
    if (pControl && pControl->IsVisible()) {
        IDispatch* pDispatch = nullptr;
        if (SUCCEEDED(pControl->ExternalQueryInterface(&IID_IDispatch, reinterpret_cast<void**>(&pDispatch)))) {
            pvarChild->vt = VT_DISPATCH;
            pvarChild->pdispVal = pDispatch;
            return S_OK;
        }
    }
    pvarChild->vt = VT_I4;
    pvarChild->lVal = CHILDID_SELF;
    return S_OK;
}
