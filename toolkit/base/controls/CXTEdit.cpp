#include "CXTEdit.h"

#include "CPaintDC.h"
#include "CXTMemDC.h"
#include "CXTPColorManager.h"
#include "CXTPResourceManager.h"
#include "ToolkitLookData.h"
#include "TrackToolkitPopupMenu.h"

IMPLEMENT_DYNCREATE(CXTEdit, CEdit)

BEGIN_MESSAGE_MAP(CXTEdit, CEdit)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_WM_CONTEXTMENU()
    ON_WM_INITMENUPOPUP()
    ON_COMMAND(ID_EDIT_UNDO, OnEditUndo)
    ON_COMMAND(ID_EDIT_CUT, OnEditCut)
    ON_COMMAND(ID_EDIT_COPY, OnEditCopy)
    ON_COMMAND(ID_EDIT_PASTE, OnEditPaste)
    ON_COMMAND(ID_EDIT_CLEAR, OnEditClear)
    ON_COMMAND(ID_EDIT_SELECT_ALL, OnEditSelectAll)
    ON_UPDATE_COMMAND_UI(ID_EDIT_UNDO, OnUpdateEditUndo)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CUT, OnUpdateNeedsSelection)
    ON_UPDATE_COMMAND_UI(ID_EDIT_COPY, OnUpdateNeedsSelection)
    ON_UPDATE_COMMAND_UI(ID_EDIT_PASTE, OnUpdateEditPaste)
    ON_UPDATE_COMMAND_UI(ID_EDIT_CLEAR, OnUpdateNeedsSelection)
    ON_UPDATE_COMMAND_UI(ID_EDIT_SELECT_ALL, OnUpdateEditSelectAll)
END_MESSAGE_MAP()

CXTEdit::~CXTEdit()
{
    DestroyWindow();
}

BOOL CXTEdit::CanPaste()
{
    return ::IsClipboardFormatAvailable(CF_TEXT);
}

BOOL CXTEdit::HasSelection()
{
    int nStart = 0, nEnd = 0;
    GetSel(nStart, nEnd);
    return nStart < nEnd;
}

BOOL CXTEdit::Initialize(CWnd* pParentWnd)
{
    if (!::IsWindow(GetSafeHwnd()) || pParentWnd == nullptr || !::IsWindow(pParentWnd->GetSafeHwnd()))
        return FALSE;
    SetFont(&ToolkitLookData().fontNormal, TRUE);
    m_pParentWnd = pParentWnd;
    return TRUE;
}

void CXTEdit::PaintClient(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(&rcClient);
    const int nBack = IsWindowEnabled() ? COLOR_WINDOW : COLOR_BTNFACE;
    CXTMemDC memDC(pDC, rcClient, CXTPPaintManagerColorGradient(GetColorManager()->GetColor(nBack)));
    DefWindowProc(WM_PAINT, reinterpret_cast<WPARAM>(memDC.GetSafeHdc()), 0);
}

void CXTEdit::OnPaint()
{
    // The platform edit paints into the DC it is handed and validates nothing
    // then: the paint DC does, or WM_PAINT would come again and again.
    CPaintDC dc(this);
    PaintClient(&dc);
}

BOOL CXTEdit::OnEraseBkgnd(CDC*)
{
    return TRUE; // the memory DC paints the background with the text
}

void CXTEdit::OnContextMenu(CWnd*, CPoint point)
{
    if (point.x == -1 && point.y == -1) {
        // From the keyboard: just inside the top-left corner.
        point = CPoint(5, 5);
        ClientToScreen(&point);
    }
    CMenu menu;
    if (!GetResourceManager()->FetchMenu(menu, kContextMenuId))
        return;
    if (CMenu* pPopup = menu.GetSubMenu(kContextSubMenu))
        TrackToolkitPopupMenu(pPopup, TPM_RIGHTBUTTON, point.x, point.y, this, kContextMenuIcons);
}

void CXTEdit::OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu)
{
    CEdit::OnInitMenuPopup(pPopupMenu, nIndex, bSysMenu);
    if (!bSysMenu)
        CCmdUI::UpdateMenu(pPopupMenu, this, TRUE);
}

void CXTEdit::OnEditUndo()
{
    SendMessage(EM_UNDO);
}

void CXTEdit::OnEditCut()
{
    SendMessage(WM_CUT);
}

void CXTEdit::OnEditCopy()
{
    SendMessage(WM_COPY);
}

void CXTEdit::OnEditPaste()
{
    SendMessage(WM_PASTE);
}

void CXTEdit::OnEditClear()
{
    SendMessage(WM_CLEAR);
}

void CXTEdit::OnEditSelectAll()
{
    SetSel(0, -1); // and scrolls the caret into view
}

void CXTEdit::OnUpdateEditUndo(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanUndo());
}

void CXTEdit::OnUpdateNeedsSelection(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(HasSelection());
}

void CXTEdit::OnUpdateEditPaste(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(CanPaste());
}

void CXTEdit::OnUpdateEditSelectAll(CCmdUI* pCmdUI)
{
    pCmdUI->Enable(GetWindowTextLength() > 0);
}
