#include "CXTPRichToolTipWindow.h"

#include "CWinApp.h"
#include "CXTPToolTipContext.h"

#include <richedit.h>

#include <string>

namespace {

// The text handed to EM_STREAMIN in pieces.
struct StreamSource {
    const BYTE* pData;
    LONG nLeft;
};

DWORD CALLBACK ReadStream(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb)
{
    auto* pSource = reinterpret_cast<StreamSource*>(dwCookie);
    const LONG nCopy = pSource->nLeft < cb ? pSource->nLeft : cb;
    ::memcpy(pbBuff, pSource->pData, static_cast<size_t>(nCopy));
    pSource->pData += nCopy;
    pSource->nLeft -= nCopy;
    *pcb = nCopy;
    return 0;
}

// Right-aligned or centred paragraphs need a few more pixels than asked for.
bool HasAlignedParagraphs(const CString& strText)
{
    const std::wstring text = strText.GetString();
    for (size_t pos = text.find(L"\\q"); pos != std::wstring::npos; pos = text.find(L"\\q", pos + 2)) {
        if (pos + 2 < text.size() && (text[pos + 2] == L'r' || text[pos + 2] == L'c'))
            return true;
    }
    return false;
}

} // namespace

BEGIN_MESSAGE_MAP(CXTPRichToolTipWindow, CXTPToolTipWindow)
    ON_WM_CREATE()
END_MESSAGE_MAP()

int CXTPRichToolTipWindow::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CXTPToolTipWindow::OnCreate(lpCreateStruct) == -1)
        return -1;
    AfxInitRichEdit();
    m_hRichEdit = ::CreateWindowExW(0, L"RICHEDIT", nullptr, WS_CHILD | ES_READONLY | ES_MULTILINE, 0, 0, 0, 0, m_hWnd,
                                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kRichEditId)),
                                    AfxGetInstanceHandle(), nullptr);
    return 0;
}

BOOL CXTPRichToolTipWindow::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    if (pHeader->hwndFrom == m_hRichEdit && pHeader->code == EN_REQUESTRESIZE) {
        const RECT& rc = reinterpret_cast<const REQRESIZE*>(lParam)->rc;
        m_szRequested = CSize(rc.right - rc.left, rc.bottom - rc.top);
        return TRUE;
    }
    return CXTPToolTipWindow::OnNotify(wParam, lParam, pResult);
}

bool CXTPRichToolTipWindow::StreamIn(const CString& strText, UINT nFormat)
{
    std::string bytes;
    if (nFormat == SF_RTF) {
        const int nLength = ::WideCharToMultiByte(CP_ACP, 0, strText, strText.GetLength(), nullptr, 0, nullptr, nullptr);
        bytes.resize(static_cast<size_t>(nLength));
        ::WideCharToMultiByte(CP_ACP, 0, strText, strText.GetLength(), bytes.data(), nLength, nullptr, nullptr);
    } else {
        nFormat |= SF_UNICODE;
        bytes.assign(reinterpret_cast<const char*>(strText.GetString()),
                     static_cast<size_t>(strText.GetLength()) * sizeof(wchar_t));
    }
    StreamSource source{reinterpret_cast<const BYTE*>(bytes.data()), static_cast<LONG>(bytes.size())};
    EDITSTREAM stream{reinterpret_cast<DWORD_PTR>(&source), 0, &ReadStream};
    ::SendMessageW(m_hRichEdit, EM_STREAMIN, nFormat, reinterpret_cast<LPARAM>(&stream));
    return ::SendMessageW(m_hRichEdit, WM_GETTEXTLENGTH, 0, 0) > 0;
}

CSize CXTPRichToolTipWindow::RequestAt(int nWidth)
{
    CRect rcChild;
    ::GetClientRect(m_hRichEdit, &rcChild);
    const int nHeight = rcChild.Height() > 0 ? rcChild.Height() : ::GetSystemMetrics(SM_CYSCREEN);
    ::MoveWindow(m_hRichEdit, 0, 0, nWidth, nHeight, FALSE);
    RECT rcFormat{0, 0, nWidth, nHeight};
    ::SendMessageW(m_hRichEdit, EM_SETRECT, 0, reinterpret_cast<LPARAM>(&rcFormat));
    m_szRequested = CSize(0, 0);
    ::SendMessageW(m_hRichEdit, EM_REQUESTRESIZE, 0, 0);
    return m_szRequested;
}

CSize CXTPRichToolTipWindow::FitWidth()
{
    ::ShowWindow(m_hRichEdit, SW_SHOWNOACTIVATE);
    ::SendMessageW(m_hRichEdit, EM_SETEVENTMASK, 0, ENM_REQUESTRESIZE);
    int nMaxWidth = m_pContext->GetMaxTipWidth();
    if (nMaxWidth < 0)
        nMaxWidth = ::GetSystemMetrics(SM_CXSCREEN);
    // The narrowest width whose height is the one the maximum width gives.
    int nLow = 0;
    int nHigh = 2 * nMaxWidth;
    int nMiddle = nMaxWidth;
    int nReferenceHeight = -1;
    bool bTooNarrow = false;
    CSize size(0, 0);
    while (nLow < nHigh) {
        nMiddle = (nLow + nHigh) / 2;
        size = RequestAt(nMiddle);
        if (nReferenceHeight < 0)
            nReferenceHeight = size.cy;
        bTooNarrow = size.cy > nReferenceHeight;
        if (bTooNarrow)
            nLow = nMiddle + 1;
        else
            nHigh = nMiddle - 1;
    }
    if (bTooNarrow)
        size = RequestAt(nMiddle + 1);
    ::SendMessageW(m_hRichEdit, EM_SETEVENTMASK, 0, 0);
    ::MoveWindow(m_hRichEdit, 0, 0, size.cx + 2, size.cy + 2, FALSE);
    ::ShowWindow(m_hRichEdit, SW_HIDE);
    return CSize(size.cx + 2, size.cy + 2);
}

CSize CXTPRichToolTipWindow::MeasureTip(CDC*)
{
    if (m_hRichEdit == nullptr)
        return CSize(0, 0);
    const CString strText = ToolText(m_currentTool);
    ::SendMessageW(m_hRichEdit, EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(m_pContext->GetTipBkColor()));
    ::SendMessageW(m_hRichEdit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L""));
    CHARFORMATA format{};
    format.cbSize = sizeof(format);
    format.dwMask = CFM_BOLD | CFM_ITALIC | CFM_UNDERLINE | CFM_STRIKEOUT | CFM_PROTECTED | CFM_COLOR;
    format.crTextColor = m_pContext->GetTipTextColor();
    ::SendMessageW(m_hRichEdit, EM_SETCHARFORMAT, SCF_DEFAULT, reinterpret_cast<LPARAM>(&format));
    ::SendMessageW(m_hRichEdit, WM_SETFONT, reinterpret_cast<WPARAM>(m_font.GetSafeHandle()), FALSE);
    if (strText.IsEmpty() || (!StreamIn(strText, SF_RTF) && !StreamIn(strText, SF_TEXT)))
        return CSize(0, 0);
    const CSize size = FitWidth();
    const CRect& rcMargin = m_pContext->GetMargin();
    return CSize(size.cx + rcMargin.left + rcMargin.right + 4 + (HasAlignedParagraphs(strText) ? 5 : 0),
                 size.cy + rcMargin.top + rcMargin.bottom + 2);
}

void CXTPRichToolTipWindow::DrawTipText(CDC* pDC, const CRect& rcClient)
{
    const CRect& rcMargin = m_pContext->GetMargin();
    const int nPixelsX = pDC->GetDeviceCaps(LOGPIXELSX);
    const int nPixelsY = pDC->GetDeviceCaps(LOGPIXELSY);
    auto twipsX = [nPixelsX](int x) { return ::MulDiv(x, 1440, nPixelsX); };
    auto twipsY = [nPixelsY](int y) { return ::MulDiv(y, 1440, nPixelsY); };
    FORMATRANGE range{};
    range.hdc = pDC->GetSafeHdc();
    range.hdcTarget = pDC->GetSafeHdc();
    range.rc = RECT{twipsX(rcClient.left + rcMargin.left + 3), twipsY(rcClient.top + rcMargin.top + 2),
                    twipsX(rcClient.right - 1), twipsY(rcClient.bottom - 1)};
    range.rcPage = range.rc;
    range.chrg.cpMin = 0;
    range.chrg.cpMax = -1;
    if (::SendMessageW(m_hRichEdit, EM_FORMATRANGE, TRUE, reinterpret_cast<LPARAM>(&range)) == 0) {
        // Rich-edit controls that cannot print a range (Wine's) still print
        // their client area; the child was laid out at the tip's size.
        POINT ptOld;
        ::SetViewportOrgEx(range.hdc, rcClient.left + rcMargin.left + 3, rcClient.top + rcMargin.top + 2, &ptOld);
        ::SendMessageW(m_hRichEdit, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(range.hdc), PRF_CLIENT);
        ::SetViewportOrgEx(range.hdc, ptOld.x, ptOld.y, nullptr);
    }
    ::SendMessageW(m_hRichEdit, EM_FORMATRANGE, FALSE, 0);
}
