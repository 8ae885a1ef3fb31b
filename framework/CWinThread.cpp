#include "CWinThread.h"

#include "CDC.h"
#include "CGdiObject.h"
#include "CImageList.h"
#include "CMenu.h"
#include "CWnd.h"

namespace {

thread_local CWinThread* t_pThread = nullptr;
thread_local bool t_inPreTranslate = false;
thread_local HHOOK t_hHookMsgFilter = nullptr;

// Message loops run by the system (message boxes, common dialogs) report their
// messages here; they get the same PreTranslateMessage chain as ours.
LRESULT CALLBACK MsgFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == MSGF_DIALOGBOX && !t_inPreTranslate && AfxPreTranslateMessage(reinterpret_cast<MSG*>(lParam)))
        return TRUE;
    return ::CallNextHookEx(t_hHookMsgFilter, code, wParam, lParam);
}

} // namespace

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

CWinThread::CWinThread()
{
    m_nThreadID = ::GetCurrentThreadId();
    t_pThread = this;
}

CWinThread::~CWinThread()
{
    if (t_pThread == this)
        t_pThread = nullptr;
}

CWinThread* AfxGetThread()
{
    return t_pThread;
}

BOOL AfxPreTranslateMessage(MSG* pMsg)
{
    // Our own dialog handling (IsDialogMessage) reports to the message
    // filter as well; the flag keeps that from coming back here.
    bool previous = t_inPreTranslate;
    t_inPreTranslate = true;
    CWinThread* pThread = AfxGetThread();
    BOOL bHandled = pThread != nullptr ? pThread->PreTranslateMessage(pMsg) : CWnd::WalkPreTranslateTree(nullptr, pMsg);
    t_inPreTranslate = previous;
    return bHandled;
}

BOOL AfxPumpMessage()
{
    if (CWinThread* pThread = AfxGetThread())
        return pThread->PumpMessage();
    MSG msg;
    if (::GetMessageW(&msg, nullptr, 0, 0) <= 0)
        return FALSE;
    if (!AfxPreTranslateMessage(&msg)) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return TRUE;
}

void AfxHookMessageFilter()
{
    if (t_hHookMsgFilter == nullptr)
        t_hHookMsgFilter = ::SetWindowsHookExW(WH_MSGFILTER, &MsgFilterHook, nullptr, ::GetCurrentThreadId());
}

void AfxDeleteTempMaps()
{
    CWnd::DeleteTempMap();
    CMenu::DeleteTempMap();
    CDC::DeleteTempMap();
    CGdiObject::DeleteTempMap();
    CImageList::DeleteTempMap();
}

BOOL CWinThread::InitInstance()
{
    return FALSE;
}

int CWinThread::ExitInstance()
{
    return static_cast<int>(m_msgCur.wParam);
}

CWnd* CWinThread::GetMainWnd()
{
    return m_pMainWnd;
}

int CWinThread::Run()
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;) {
        while (bIdle && !::PeekMessageW(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (::PeekMessageW(&m_msgCur, nullptr, 0, 0, PM_NOREMOVE));
    }
}

BOOL CWinThread::PumpMessage()
{
    if (::GetMessageW(&m_msgCur, nullptr, 0, 0) <= 0)
        return FALSE;
    if (!AfxPreTranslateMessage(&m_msgCur)) {
        ::TranslateMessage(&m_msgCur);
        ::DispatchMessageW(&m_msgCur);
    }
    return TRUE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    if (pMsg->hwnd == nullptr && DispatchThreadMessageEx(pMsg))
        return TRUE;
    CWnd* pMainWnd = GetMainWnd();
    HWND hWndMain = pMainWnd->GetSafeHwnd();
    if (CWnd::WalkPreTranslateTree(hWndMain, pMsg))
        return TRUE;
    // A message of another top-level window (a modeless dialog) still gets
    // the main window's accelerators, unless a modal state disabled it.
    if (hWndMain != nullptr && pMsg->hwnd != nullptr && ::IsWindowEnabled(hWndMain)) {
        HWND hWndTop = pMsg->hwnd;
        while (::GetWindowLongPtrW(hWndTop, GWL_STYLE) & WS_CHILD) {
            HWND hWndParent = ::GetParent(hWndTop);
            if (hWndParent == nullptr)
                break;
            hWndTop = hWndParent;
        }
        if (hWndTop != hWndMain)
            return pMainWnd->PreTranslateMessage(pMsg);
    }
    return FALSE;
}

BOOL CWinThread::DispatchThreadMessageEx(MSG* pMsg)
{
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(GetMessageMap(), pMsg->message, 0, 0);
    return pEntry != nullptr && pEntry->pfn(this, pMsg->wParam, pMsg->lParam, nullptr);
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount <= 0) {
        CWnd* pMainWnd = m_pMainWnd;
        if (pMainWnd != nullptr && pMainWnd->GetSafeHwnd() != nullptr && pMainWnd->IsWindowVisible()) {
            pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
            pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE, 0, TRUE, TRUE);
        }
        return TRUE;
    }
    if (lCount == 1)
        AfxDeleteTempMaps();
    return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    // Mouse moves that do not move, paints and caret blinks do not restart idle work.
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        if (m_ptCursorLast.x == pMsg->pt.x && m_ptCursorLast.y == pMsg->pt.y && pMsg->message == m_nMsgLast)
            return FALSE;
        m_ptCursorLast = pMsg->pt;
        m_nMsgLast = pMsg->message;
        return TRUE;
    }
    return pMsg->message != WM_PAINT && pMsg->message != 0x0118;
}
