#pragma once
// Makes a grid window an OLE drop target: it checks that each event concerns
// its own grid and hands it to the grid's drag operations, which decide what
// a drop does.
#include "COleDropTarget.h"

class CGridCtrl;

class CGridDropReceiver : public COleDropTarget {
public:
    CGridDropReceiver() = default;

    // Registers the grid's window; false when already registered, when a
    // registration is under way, or when pWnd is not a grid.
    BOOL AttachToGrid(CWnd* pWnd);
    void Revoke() override;
    BOOL IsRegistered() const { return m_bRegistered; }

    DROPEFFECT OnDragEnter(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    DROPEFFECT OnDragOver(CWnd* pWnd, COleDataObject* pDataObject, DWORD dwKeyState, CPoint point) override;
    BOOL OnDrop(CWnd* pWnd, COleDataObject* pDataObject, DROPEFFECT dropEffect, CPoint point) override;
    void OnDragLeave(CWnd* pWnd) override;
    // Copy with Ctrl held, move otherwise; it never scrolls.
    DROPEFFECT OnDragScroll(CWnd* pWnd, DWORD dwKeyState, CPoint point) override;

private:
    bool IsOwnGrid(const CWnd* pWnd) const;

    CGridCtrl* m_pGridCtrl = nullptr;
    BOOL m_bRegistered = FALSE;
};
