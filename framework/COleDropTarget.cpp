#include "COleDropTarget.h"

#include "CWnd.h"

COleDropTarget::~COleDropTarget()
{
    Revoke();
}

BOOL COleDropTarget::Register(CWnd* pWnd)
{
    HWND hWnd = pWnd ? pWnd->GetSafeHwnd() : nullptr;
    if (!hWnd || m_hWnd)
        return FALSE;
    if (FAILED(::RegisterDragDrop(hWnd, this)))
        return FALSE;
    m_hWnd = hWnd;
    return TRUE;
}

void COleDropTarget::Revoke()
{
    if (!m_hWnd)
        return;
    ::RevokeDragDrop(m_hWnd);
    m_hWnd = nullptr;
    m_dragData.Release();
}

DROPEFFECT COleDropTarget::OnDragEnter(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

DROPEFFECT COleDropTarget::OnDragOver(CWnd*, COleDataObject*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

BOOL COleDropTarget::OnDrop(CWnd*, COleDataObject*, DROPEFFECT, CPoint)
{
    return FALSE;
}

DROPEFFECT COleDropTarget::OnDropEx(CWnd*, COleDataObject*, DROPEFFECT, DROPEFFECT, CPoint)
{
    return static_cast<DROPEFFECT>(-1);
}

void COleDropTarget::OnDragLeave(CWnd*) {}

DROPEFFECT COleDropTarget::OnDragScroll(CWnd*, DWORD, CPoint)
{
    return DROPEFFECT_NONE;
}

STDMETHODIMP COleDropTarget::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDropTarget)) {
        *object = static_cast<IDropTarget*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

STDMETHODIMP_(ULONG) COleDropTarget::AddRef()
{
    return static_cast<ULONG>(::InterlockedIncrement(&m_refs));
}

STDMETHODIMP_(ULONG) COleDropTarget::Release()
{
    return static_cast<ULONG>(::InterlockedDecrement(&m_refs));
}

CPoint COleDropTarget::ClientPoint(POINTL pt) const
{
    POINT point{pt.x, pt.y};
    ::ScreenToClient(m_hWnd, &point);
    return CPoint(point.x, point.y);
}

DROPEFFECT COleDropTarget::EffectOver(DWORD keyState, POINTL pt, DWORD allowed)
{
    CWnd* pWnd = CWnd::FromHandle(m_hWnd);
    const CPoint point = ClientPoint(pt);
    DROPEFFECT effect = OnDragScroll(pWnd, keyState, point);
    if (!(effect & DROPEFFECT_SCROLL))
        effect = OnDragOver(pWnd, &m_dragData, keyState, point);
    return effect & (allowed | DROPEFFECT_SCROLL);
}

STDMETHODIMP COleDropTarget::DragEnter(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect)
{
    if (!effect)
        return E_INVALIDARG;
    m_dragData.Attach(data);
    const DWORD allowed = *effect;
    *effect = OnDragEnter(CWnd::FromHandle(m_hWnd), &m_dragData, keyState, ClientPoint(pt)) & allowed;
    return S_OK;
}

STDMETHODIMP COleDropTarget::DragOver(DWORD keyState, POINTL pt, DWORD* effect)
{
    if (!effect)
        return E_INVALIDARG;
    *effect = EffectOver(keyState, pt, *effect);
    return S_OK;
}

STDMETHODIMP COleDropTarget::DragLeave()
{
    OnDragLeave(CWnd::FromHandle(m_hWnd));
    m_dragData.Release();
    return S_OK;
}

STDMETHODIMP COleDropTarget::Drop(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect)
{
    if (!effect)
        return E_INVALIDARG;
    m_dragData.Attach(data);
    CWnd* pWnd = CWnd::FromHandle(m_hWnd);
    const DWORD allowed = *effect;
    // The effect at the drop point itself, not the last one reported.
    const DROPEFFECT chosen = EffectOver(keyState, pt, allowed) & ~DROPEFFECT_SCROLL;
    DROPEFFECT result = DROPEFFECT_NONE;
    if (chosen == DROPEFFECT_NONE) {
        OnDragLeave(pWnd);
    } else {
        const CPoint point = ClientPoint(pt);
        result = OnDropEx(pWnd, &m_dragData, chosen, allowed, point);
        if (result == static_cast<DROPEFFECT>(-1))
            result = OnDrop(pWnd, &m_dragData, chosen, point) ? chosen : DROPEFFECT_NONE;
    }
    m_dragData.Release();
    *effect = result;
    return S_OK;
}
