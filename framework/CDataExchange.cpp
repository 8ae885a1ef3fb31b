#include "CDataExchange.h"

#include <cerrno>
#include <climits>
#include <cwchar>

#include "CWinApp.h"
#include "CWnd.h"

CDataExchange::CDataExchange(CWnd* pDlgWnd, BOOL bSaveAndValidate)
    : m_bSaveAndValidate(bSaveAndValidate), m_pDlgWnd(pDlgWnd)
{
}

HWND CDataExchange::PrepareCtrl(int nIDC)
{
    HWND hWndCtrl = ::GetDlgItem(m_pDlgWnd->GetSafeHwnd(), nIDC);
    m_idLastControl = hWndCtrl;
    m_bEditLastControl = FALSE;
    return hWndCtrl;
}

HWND CDataExchange::PrepareEditCtrl(int nIDC)
{
    HWND hWndCtrl = PrepareCtrl(nIDC);
    m_bEditLastControl = TRUE;
    return hWndCtrl;
}

void CDataExchange::Fail()
{
    if (m_bSaveAndValidate && m_idLastControl != nullptr) {
        ::SetFocus(m_idLastControl);
        if (m_bEditLastControl)
            ::SendMessageW(m_idLastControl, EM_SETSEL, 0, -1);
    }
    throw Failure{};
}

namespace {

CString ControlText(HWND hWndCtrl)
{
    CString text;
    int nLen = ::GetWindowTextLengthW(hWndCtrl);
    ::GetWindowTextW(hWndCtrl, text.GetBufferSetLength(nLen), nLen + 1);
    text.ReleaseBuffer();
    return text;
}

// Whole text (blanks around allowed) as a number in [minimum, maximum].
bool ParseNumber(const CString& text, long long minimum, long long maximum, long long& value)
{
    CString trimmed = text;
    trimmed.Trim();
    if (trimmed.IsEmpty())
        return false;
    wchar_t* end = nullptr;
    errno = 0;
    long long parsed = wcstoll(trimmed, &end, 10);
    if (errno != 0 || end == nullptr || *end != 0 || parsed < minimum || parsed > maximum)
        return false;
    value = parsed;
    return true;
}

template <class T>
void ExchangeNumber(CDataExchange* pDX, int nIDC, T& value, long long minimum, long long maximum, LPCTSTR format)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate) {
        long long parsed = 0;
        if (!ParseNumber(ControlText(hWndCtrl), minimum, maximum, parsed)) {
            AfxMessageBox(L"Please enter an integer.", MB_ICONEXCLAMATION);
            pDX->Fail();
        }
        value = static_cast<T>(parsed);
    } else {
        CString text;
        text.Format(format, value);
        ::SetWindowTextW(hWndCtrl, text);
    }
}

} // namespace

void DDX_Control(CDataExchange* pDX, int nIDC, CWnd& rControl)
{
    if (rControl.GetSafeHwnd() != nullptr)
        return;
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (hWndCtrl == nullptr || !rControl.SubclassWindow(hWndCtrl))
        pDX->Fail();
}

void DDX_Text(CDataExchange* pDX, int nIDC, CString& value)
{
    HWND hWndCtrl = pDX->PrepareEditCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = ControlText(hWndCtrl);
    else
        ::SetWindowTextW(hWndCtrl, value);
}

void DDX_Text(CDataExchange* pDX, int nIDC, int& value)
{
    ExchangeNumber(pDX, nIDC, value, INT_MIN, INT_MAX, L"%d");
}

void DDX_Text(CDataExchange* pDX, int nIDC, UINT& value)
{
    ExchangeNumber(pDX, nIDC, value, 0, UINT_MAX, L"%u");
}

void DDX_Text(CDataExchange* pDX, int nIDC, long& value)
{
    ExchangeNumber(pDX, nIDC, value, LONG_MIN, LONG_MAX, L"%ld");
}

void DDX_Check(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = static_cast<int>(::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0));
    else
        ::SendMessageW(hWndCtrl, BM_SETCHECK, static_cast<WPARAM>(value < 0 || value > 2 ? 0 : value), 0);
}

void DDX_Radio(CDataExchange* pDX, int nIDC, int& value)
{
    HWND hWndCtrl = pDX->PrepareCtrl(nIDC);
    if (pDX->m_bSaveAndValidate)
        value = -1;
    // The group runs from nIDC's button to the next control with WS_GROUP.
    int iButton = 0;
    do {
        if (::SendMessageW(hWndCtrl, WM_GETDLGCODE, 0, 0) & DLGC_RADIOBUTTON) {
            if (pDX->m_bSaveAndValidate) {
                if (::SendMessageW(hWndCtrl, BM_GETCHECK, 0, 0) == BST_CHECKED)
                    value = iButton;
            } else {
                ::SendMessageW(hWndCtrl, BM_SETCHECK, iButton == value ? BST_CHECKED : BST_UNCHECKED, 0);
            }
            ++iButton;
        }
        hWndCtrl = ::GetWindow(hWndCtrl, GW_HWNDNEXT);
    } while (hWndCtrl != nullptr && !(::GetWindowLongPtrW(hWndCtrl, GWL_STYLE) & WS_GROUP));
}

void DDV_MaxChars(CDataExchange* pDX, const CString& value, int nChars)
{
    if (pDX->m_bSaveAndValidate && value.GetLength() > nChars) {
        CString prompt;
        prompt.Format(L"Enter no more than %d characters.", nChars);
        AfxMessageBox(prompt, MB_ICONEXCLAMATION);
        pDX->Fail();
    } else if (pDX->m_idLastControl != nullptr && pDX->m_bEditLastControl) {
        ::SendMessageW(pDX->m_idLastControl, EM_LIMITTEXT, static_cast<WPARAM>(nChars), 0);
    }
}

void DDV_MinMaxInt(CDataExchange* pDX, int value, int minVal, int maxVal)
{
    if (pDX->m_bSaveAndValidate && (value < minVal || value > maxVal)) {
        CString prompt;
        prompt.Format(L"Enter an integer between %d and %d.", minVal, maxVal);
        AfxMessageBox(prompt, MB_ICONEXCLAMATION);
        pDX->Fail();
    }
}
