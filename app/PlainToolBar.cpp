#include "PlainToolBar.h"

#include <vector>

BEGIN_MESSAGE_MAP(PlainToolBar, CWnd)
    ON_WM_ERASEBKGND()
END_MESSAGE_MAP()

// A flat toolbar is transparent: it gets the button face behind its buttons.
BOOL PlainToolBar::OnEraseBkgnd(CDC* pDC)
{
    CRect rc;
    GetClientRect(&rc);
    pDC->FillSolidRect(&rc, ::GetSysColor(COLOR_BTNFACE));
    return TRUE;
}

BOOL PlainToolBar::CreateBar(CWnd* pFrame, LPCTSTR lpszTitle, UINT nID)
{
    m_strTitle = lpszTitle;
    return CWnd::CreateEx(0, TOOLBARCLASSNAMEW, lpszTitle,
                          WS_CHILD | WS_VISIBLE | TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_TOP | CCS_NODIVIDER,
                          CRect(0, 0, 0, 0), pFrame, nID);
}

BOOL PlainToolBar::LoadToolBar(UINT nIDResource, BOOL)
{
    // The toolbar resource (type 241): version, width, height, count, then the ids.
    HINSTANCE hInst = AfxGetResourceHandle();
    HRSRC hRes = ::FindResourceW(hInst, MAKEINTRESOURCEW(nIDResource), MAKEINTRESOURCEW(241));
    if (hRes == nullptr || m_hWnd == nullptr)
        return FALSE;
    const auto* data = static_cast<const WORD*>(::LockResource(::LoadResource(hInst, hRes)));
    if (data == nullptr || ::SizeofResource(hInst, hRes) < 8 || data[0] != 1)
        return FALSE;
    const int cx = data[1], cy = data[2], count = data[3];
    if (::SizeofResource(hInst, hRes) < static_cast<DWORD>(8 + 2 * count))
        return FALSE;
    HBITMAP hBitmap = static_cast<HBITMAP>(
        ::LoadImageW(hInst, MAKEINTRESOURCEW(nIDResource), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION));
    if (hBitmap == nullptr)
        return FALSE;
    m_hImages = ImageList_Create(cx, cy, ILC_COLOR32 | ILC_MASK, count, 4);
    ImageList_AddMasked(m_hImages, hBitmap, RGB(192, 192, 192));
    ::DeleteObject(hBitmap);
    SendMessage(TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessage(TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(m_hImages));
    std::vector<TBBUTTON> buttons;
    int image = 0;
    for (int i = 0; i < count; ++i) {
        TBBUTTON b{};
        b.idCommand = data[4 + i];
        b.fsState = TBSTATE_ENABLED;
        b.fsStyle = b.idCommand == 0 ? BTNS_SEP : BTNS_BUTTON;
        b.iBitmap = b.idCommand == 0 ? 0 : image++;
        buttons.push_back(b);
    }
    SendMessage(TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    SendMessage(TB_AUTOSIZE, 0, 0);
    return TRUE;
}

void PlainToolBar::SetCommandIcon(UINT nCommand, HICON hIcon)
{
    int index = static_cast<int>(SendMessage(TB_COMMANDTOINDEX, nCommand, 0));
    if (index < 0 || m_hImages == nullptr || hIcon == nullptr)
        return;
    TBBUTTON b{};
    SendMessage(TB_GETBUTTON, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&b));
    ImageList_ReplaceIcon(m_hImages, b.iBitmap, hIcon);
    Invalidate();
}

void PlainToolBar::HideCommand(UINT nCommand)
{
    SendMessage(TB_HIDEBUTTON, nCommand, TRUE);
}
