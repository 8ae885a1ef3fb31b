#pragma once
// Makes a window a target of OLE drag and drop: OLE calls the IDropTarget
// methods, which hand the events to the overridables below with the data
// wrapped in a COleDataObject and the point in the window's client coordinates.
#include "COleDataObject.h"
#include "CPoint.h"

class CWnd;

// What a drop does to the data: a combination of the DROPEFFECT_ values.
using DROPEFFECT = DWORD;

class COleDropTarget : public IDropTarget {
public:
    COleDropTarget() = default;
    // Revokes a registration still in force.
    virtual ~COleDropTarget();
    COleDropTarget(const COleDropTarget&) = delete;
    COleDropTarget& operator=(const COleDropTarget&) = delete;

    // Registers the window with OLE (OLE must be initialised on this thread);
    // false when OLE refuses or the window is already registered.
    BOOL Register(CWnd* pWnd);
    // Ends the registration; nothing when there is none.
    virtual void Revoke();
    HWND RegisteredWindow() const { return m_hWnd; }

    // The events, each with the window named at registration.
    virtual DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point);
    virtual BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point);
    // Answers (DROPEFFECT)-1 to have OnDrop handle the drop.
    virtual DROPEFFECT OnDropEx(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropDefault,
                                DROPEFFECT dropList, CPoint point);
    virtual void OnDragLeave(CWnd* pWnd);
    // Asked before every drag over: an answer with DROPEFFECT_SCROLL means the
    // target scrolled, and OnDragOver is skipped for that move.
    virtual DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point);

    // IUnknown: the object lives as long as its owner, not by its count.
    STDMETHODIMP QueryInterface(REFIID riid, void** object) override;
    STDMETHODIMP_(ULONG) AddRef() override;
    STDMETHODIMP_(ULONG) Release() override;
    // IDropTarget
    STDMETHODIMP DragEnter(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect) override;
    STDMETHODIMP DragOver(DWORD keyState, POINTL pt, DWORD* effect) override;
    STDMETHODIMP DragLeave() override;
    STDMETHODIMP Drop(IDataObject* data, DWORD keyState, POINTL pt, DWORD* effect) override;

private:
    CPoint ClientPoint(POINTL pt) const;
    // The effect of a drag over the point, limited to what the source allows.
    DROPEFFECT EffectOver(DWORD keyState, POINTL pt, DWORD allowed);

    HWND m_hWnd = nullptr;
    LONG m_refs = 0;
    // The data of the drag now over the window.
    COleDataObject m_dragData;
};
