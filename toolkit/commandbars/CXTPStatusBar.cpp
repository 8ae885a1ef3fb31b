#include "CXTPStatusBar.h"

BEGIN_MESSAGE_MAP(CXTPStatusBar, CWnd)
    ON_WM_SIZE()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
    ON_MESSAGE(WM_GETTEXT, OnGetText)
    ON_MESSAGE(WM_GETTEXTLENGTH, OnGetTextLength)
END_MESSAGE_MAP()

BOOL CXTPStatusBar::Create(CWnd* pParentWnd, DWORD dwStyle, UINT nID)
{
    // CBRS_* bits belong to the frame's layout, not to the window class.
    DWORD style = (dwStyle & 0xFFFF0000u) | (dwStyle & SBARS_SIZEGRIP);
    if (!CWnd::Create(STATUSCLASSNAMEW, nullptr, style, CRect(0, 0, 0, 0), pParentWnd, nID))
        return FALSE;
    // The native bar takes its own height when told of a size change; the
    // frame's layout keeps that height.
    SendMessage(WM_SIZE, 0, 0);
    return TRUE;
}

BOOL CXTPStatusBar::SetIndicators(const UINT* lpIDArray, int nIDCount)
{
    if (m_hWnd == nullptr || nIDCount < 1)
        return FALSE;
    m_ids.assign(lpIDArray, lpIDArray + nIDCount);
    LayoutPanes();
    for (int i = 1; i < nIDCount; ++i) {
        CString text;
        if (m_ids[i] != 0)
            text.LoadString(m_ids[i]);
        SendMessage(SB_SETTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(static_cast<LPCTSTR>(text)));
    }
    return TRUE;
}

CString CXTPStatusBar::GetPaneText(int nIndex) const
{
    int length = LOWORD(SendMessage(SB_GETTEXTLENGTHW, static_cast<WPARAM>(nIndex), 0));
    std::wstring buffer(static_cast<size_t>(length) + 1, L'\0');
    SendMessage(SB_GETTEXTW, static_cast<WPARAM>(nIndex), reinterpret_cast<LPARAM>(buffer.data()));
    return CString(buffer.c_str());
}

void CXTPStatusBar::LayoutPanes()
{
    // The first pane takes what the indicators leave; each indicator is 70 pixels.
    CRect rc;
    GetClientRect(&rc);
    const int count = static_cast<int>(m_ids.size());
    std::vector<int> rights(m_ids.size());
    for (int i = 0; i < count; ++i)
        rights[i] = rc.right - 20 - 70 * (count - 1 - i);
    rights.back() = -1;
    SendMessage(SB_SETPARTS, rights.size(), reinterpret_cast<LPARAM>(rights.data()));
}

void CXTPStatusBar::OnSize(UINT nType, int cx, int cy)
{
    Default();
    if (!m_ids.empty())
        LayoutPanes();
}

// The window text of the bar is the text of its first pane, as the frame's
// message line expects.
LRESULT CXTPStatusBar::OnSetText(WPARAM, LPARAM lParam)
{
    SendMessage(SB_SETTEXTW, 0, lParam);
    return TRUE;
}

LRESULT CXTPStatusBar::OnGetText(WPARAM wParam, LPARAM lParam)
{
    CString text = GetPaneText(0);
    auto* out = reinterpret_cast<wchar_t*>(lParam);
    if (wParam == 0 || out == nullptr)
        return 0;
    lstrcpynW(out, text, static_cast<int>(wParam));
    return lstrlenW(out);
}

LRESULT CXTPStatusBar::OnGetTextLength(WPARAM, LPARAM)
{
    return LOWORD(SendMessage(SB_GETTEXTLENGTHW, 0, 0));
}
