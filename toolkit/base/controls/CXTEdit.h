#pragma once
// The toolkit's single-line edit: paints through a memory DC so it does not
// flicker, takes the look data's standard font, and offers a context menu of
// the edit commands (menu 9014, popup 1) with the icons of toolbar 9017.
#include "Framework.h"

class CXTEdit : public CEdit {
    DECLARE_DYNCREATE(CXTEdit)
public:
    static constexpr UINT kContextMenuId = 9014;
    static constexpr int kContextSubMenu = 1;
    static constexpr int kContextMenuIcons = 9017;

    CXTEdit() = default;
    ~CXTEdit() override;

    // Text on the clipboard.
    virtual BOOL CanPaste();
    // A selection that is not empty.
    virtual BOOL HasSelection();
    // Sets the standard font and remembers the parent; FALSE, changing
    // nothing, when the edit or the parent has no window.
    virtual BOOL Initialize(CWnd* pParentWnd);

    CWnd* GetParentWnd() const { return m_pParentWnd; }

protected:
    // The client area through a memory DC onto pDC, on the window colour, or
    // on button face while disabled; the platform edit paints into it.
    void PaintClient(CDC* pDC);

    afx_msg void OnPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint point);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnEditUndo();
    afx_msg void OnEditCut();
    afx_msg void OnEditCopy();
    afx_msg void OnEditPaste();
    afx_msg void OnEditClear();
    afx_msg void OnEditSelectAll();
    afx_msg void OnUpdateEditUndo(CCmdUI* pCmdUI);
    afx_msg void OnUpdateNeedsSelection(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditPaste(CCmdUI* pCmdUI);
    afx_msg void OnUpdateEditSelectAll(CCmdUI* pCmdUI);
    DECLARE_MESSAGE_MAP()

    CWnd* m_pParentWnd = nullptr;
};
