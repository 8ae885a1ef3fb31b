#include "CRichText.h"

#include <richedit.h>
#include <string>

IMPLEMENT_DYNCREATE(CRichText, CWnd)

BEGIN_MESSAGE_MAP(CRichText, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_RBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_SETFOCUS()
END_MESSAGE_MAP()

BOOL CRichText::LoadLibrary()
{
    return AfxInitRichEdit2();
}

BOOL CRichText::SetTextRTF(const CString& rtf)
{
    if (m_hWnd == nullptr)
        return FALSE;
    // RTF is 7-bit text; the control parses it when it starts with "{\rtf".
    const int size = ::WideCharToMultiByte(CP_ACP, 0, rtf, rtf.GetLength(), nullptr, 0, nullptr, nullptr);
    std::string narrow(static_cast<size_t>(size), '\0');
    ::WideCharToMultiByte(CP_ACP, 0, rtf, rtf.GetLength(), narrow.data(), size, nullptr, nullptr);
    SETTEXTEX how{ST_DEFAULT, CP_ACP};
    return SendMessage(EM_SETTEXTEX, reinterpret_cast<WPARAM>(&how), reinterpret_cast<LPARAM>(narrow.c_str())) != 0;
}

void CRichText::PassFocusOn()
{
    SendMessage(EM_SETSEL, 0, 0);
    if (m_hFocusSink != nullptr && ::IsWindow(m_hFocusSink))
        ::SetFocus(m_hFocusSink);
}

// The text area swallows clicks and keys; the scroll bar gets non-client messages.
void CRichText::OnLButtonDown(UINT, CPoint) { PassFocusOn(); }
void CRichText::OnLButtonDblClk(UINT, CPoint) { PassFocusOn(); }
void CRichText::OnRButtonDown(UINT, CPoint) { PassFocusOn(); }
void CRichText::OnKeyDown(UINT, UINT, UINT) { PassFocusOn(); }
void CRichText::OnChar(UINT, UINT, UINT) { PassFocusOn(); }

void CRichText::OnSetFocus(CWnd*)
{
    PassFocusOn();
}
