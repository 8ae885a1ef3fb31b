#include "CWnd.h"

#include <exception>
#include <mutex>
#include <set>
#include <string>

#include "CDC.h"
#include "CDataExchange.h"
#include "CException.h"
#include "CFont.h"
#include "CFrameWnd.h"
#include "CHandleMap.h"
#include "CMenu.h"
#include "CRgn.h"
#include "CScrollBar.h"
#include "CWinApp.h"

namespace {

using WndMap = CHandleMap<CWnd, HWND>;

// Per-thread state of window creation and dispatch.
struct WndThreadState {
    CWnd* pWndInit = nullptr;  // the object the next created window belongs to
    HHOOK hHookCbt = nullptr;
    MSG lastSent{};            // the message being dispatched
};

thread_local WndThreadState t_wndState;

// Attaches the window being created to the object waiting for it, before the
// window receives any message.
LRESULT CALLBACK CbtFilterHook(int code, WPARAM wParam, LPARAM lParam)
{
    if (code == HCBT_CREATEWND && t_wndState.pWndInit != nullptr) {
        CWnd* pWnd = t_wndState.pWndInit;
        t_wndState.pWndInit = nullptr;
        HWND hWnd = reinterpret_cast<HWND>(wParam);
        pWnd->Attach(hWnd);
        pWnd->PreSubclassWindow();
        auto oldProc = reinterpret_cast<WNDPROC>(
            ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
        if (oldProc != &AfxWndProc)
            *pWnd->GetSuperWndProcAddr() = oldProc;
    }
    return ::CallNextHookEx(t_wndState.hHookCbt, code, wParam, lParam);
}

HWND ParentOwner(HWND hWnd)
{
    if (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD)
        return ::GetParent(hWnd);
    return ::GetWindow(hWnd, GW_OWNER);
}

// Command state probe: records whether the update handler disabled the command.
class CTestCmdUI : public CCmdUI {
public:
    void Enable(BOOL bOn) override { m_bEnabled = bOn; m_bEnableChanged = TRUE; }
    void SetCheck(int) override {}
    void SetRadio(BOOL) override {}
    void SetText(LPCTSTR) override {}
    BOOL m_bEnabled = TRUE;
};

} // namespace

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
    ON_WM_DRAWITEM()
    ON_WM_MEASUREITEM()
    ON_WM_DELETEITEM()
    ON_WM_COMPAREITEM()
    ON_WM_CTLCOLOR()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_PARENTNOTIFY()
END_MESSAGE_MAP()

void AfxHookWindowCreate(CWnd* pWnd)
{
    if (t_wndState.hHookCbt == nullptr)
        t_wndState.hHookCbt = ::SetWindowsHookExW(WH_CBT, &CbtFilterHook, nullptr, ::GetCurrentThreadId());
    t_wndState.pWndInit = pWnd;
}

BOOL AfxUnhookWindowCreate()
{
    bool attached = t_wndState.pWndInit == nullptr;
    t_wndState.pWndInit = nullptr;
    return attached;
}

LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor, HBRUSH hbrBackground, HICON hIcon)
{
    static std::mutex lock;
    static std::set<std::wstring> names;   // node-based: the returned pointers stay valid
    HINSTANCE hInst = AfxGetInstanceHandle();
    wchar_t name[96];
    swprintf(name, 96, L"Afx:%p:%x:%p:%p:%p", static_cast<void*>(hInst), nClassStyle, static_cast<void*>(hCursor),
             static_cast<void*>(hbrBackground), static_cast<void*>(hIcon));
    std::lock_guard<std::mutex> guard(lock);
    auto it = names.find(name);
    if (it != names.end())
        return it->c_str();
    WNDCLASSW wc{};
    if (!::GetClassInfoW(hInst, name, &wc)) {
        wc.style = nClassStyle;
        wc.lpfnWndProc = ::DefWindowProcW;
        wc.hInstance = hInst;
        wc.hIcon = hIcon;
        wc.hCursor = hCursor;
        wc.hbrBackground = hbrBackground;
        wc.lpszClassName = name;
        if (!::RegisterClassW(&wc))
            return nullptr;
    }
    return names.insert(name).first->c_str();
}

LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam)
{
    CWnd* pWnd = CWnd::FromHandlePermanent(hWnd);
    if (pWnd == nullptr)
        return ::DefWindowProcW(hWnd, nMsg, wParam, lParam);

    MSG previous = t_wndState.lastSent;
    t_wndState.lastSent = MSG{hWnd, nMsg, wParam, lParam, 0, {}};
    LRESULT lResult = 0;
    // An exception must not unwind through the system's frames: it is
    // reported here and the message counts as failed.
    try {
        lResult = pWnd->WindowProc(nMsg, wParam, lParam);
    } catch (CException* e) {
        e->ReportError(MB_ICONSTOP);
        e->Delete();
        lResult = nMsg == WM_CREATE ? -1 : 0;
    } catch (const std::exception& e) {
        CString text(e.what());
        ::MessageBoxW(nullptr, text, nullptr, MB_ICONSTOP | MB_OK);
        lResult = nMsg == WM_CREATE ? -1 : 0;
    } catch (...) {
        ::MessageBoxW(nullptr, L"An unexpected error occurred.", nullptr, MB_ICONSTOP | MB_OK);
        lResult = nMsg == WM_CREATE ? -1 : 0;
    }
    if (nMsg == WM_NCDESTROY && CWnd::FromHandlePermanent(hWnd) == pWnd) {
        // The main window's end ends the message loop.
        CWinThread* pThread = AfxGetThread();
        if (pThread != nullptr && pThread->m_pMainWnd == pWnd) {
            pThread->m_pMainWnd = nullptr;
            ::PostQuitMessage(0);
        }
        pWnd->Detach();
        pWnd->PostNcDestroy();   // may delete the object
    }
    t_wndState.lastSent = previous;
    return lResult;
}

void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect)
{
    if (lpLayout->hDWP == nullptr)
        return;
    lpLayout->hDWP = ::DeferWindowPos(lpLayout->hDWP, hWnd, nullptr, lpRect->left, lpRect->top,
                                      lpRect->right - lpRect->left, lpRect->bottom - lpRect->top,
                                      SWP_NOACTIVATE | SWP_NOZORDER);
}

CWnd::CWnd() = default;

CWnd::CWnd(HWND hWnd) : m_hWnd(hWnd) {}

CWnd::~CWnd()
{
    // IsWindow first: the insert-after constants (wndTopMost...) hold no real
    // window and are destroyed after this thread's handle map.
    if (::IsWindow(m_hWnd) && FromHandlePermanent(m_hWnd) == this) {
        ::DestroyWindow(m_hWnd);
        // A window we did not subclass never reports its end to us.
        if (m_hWnd != nullptr)
            Detach();
    }
}

// ---- handle map -----------------------------------------------------------

CWnd* CWnd::FromHandle(HWND hWnd)
{
    return WndMap::ForThread().FromHandle(hWnd, [](HWND h) {
        auto pWnd = std::make_unique<CWnd>();
        pWnd->m_hWnd = h;
        return pWnd;
    });
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd)
{
    return hWnd == nullptr ? nullptr : WndMap::ForThread().LookupPermanent(hWnd);
}

void CWnd::DeleteTempMap()
{
    WndMap::ForThread().DeleteTemp();
}

BOOL CWnd::Attach(HWND hWndNew)
{
    if (hWndNew == nullptr)
        return FALSE;
    m_hWnd = hWndNew;
    WndMap::ForThread().SetPermanent(hWndNew, this);
    return TRUE;
}

HWND CWnd::Detach()
{
    HWND hWnd = m_hWnd;
    if (hWnd != nullptr)
        WndMap::ForThread().RemoveHandle(hWnd, this);
    m_hWnd = nullptr;
    return hWnd;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (!Attach(hWnd))
        return FALSE;
    PreSubclassWindow();
    auto oldProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&AfxWndProc)));
    if (oldProc != &AfxWndProc && *GetSuperWndProcAddr() == nullptr)
        *GetSuperWndProcAddr() = oldProc;
    return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    HWND hWndControl = ::GetDlgItem(pParent->GetSafeHwnd(), static_cast<int>(nID));
    return hWndControl != nullptr && SubclassWindow(hWndControl);
}

HWND CWnd::UnsubclassWindow()
{
    WNDPROC* lplpfn = GetSuperWndProcAddr();
    if (*lplpfn != nullptr)
        ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(*lplpfn));
    *lplpfn = nullptr;
    return Detach();
}

// ---- creation -------------------------------------------------------------

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                  CWnd* pParentWnd, UINT nID, CCreateContext* pContext)
{
    return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), pContext);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                    const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam)
{
    return CreateEx(dwExStyle, lpszClassName, lpszWindowName, dwStyle, rect.left, rect.top,
                    rect.right - rect.left, rect.bottom - rect.top, pParentWnd->GetSafeHwnd(),
                    reinterpret_cast<HMENU>(static_cast<UINT_PTR>(nID)), lpParam);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, int x, int y,
                    int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu, LPVOID lpParam)
{
    CREATESTRUCTW cs{};
    cs.dwExStyle = dwExStyle;
    cs.lpszClass = lpszClassName;
    cs.lpszName = lpszWindowName;
    cs.style = dwStyle;
    cs.x = x;
    cs.y = y;
    cs.cx = nWidth;
    cs.cy = nHeight;
    cs.hwndParent = hWndParent;
    cs.hMenu = nIDorHMenu;
    cs.hInstance = AfxGetInstanceHandle();
    cs.lpCreateParams = lpParam;
    if (!PreCreateWindow(cs)) {
        PostNcDestroy();
        return FALSE;
    }
    AfxHookWindowCreate(this);
    HWND hWnd = ::CreateWindowExW(cs.dwExStyle, cs.lpszClass, cs.lpszName, cs.style, cs.x, cs.y, cs.cx, cs.cy,
                                  cs.hwndParent, cs.hMenu, cs.hInstance, cs.lpCreateParams);
    if (!AfxUnhookWindowCreate())
        PostNcDestroy();   // the window never existed; nothing else will clean up
    return hWnd != nullptr;
}

BOOL CWnd::PreCreateWindow(CREATESTRUCT& cs)
{
    if (cs.lpszClass == nullptr)
        cs.lpszClass = AfxRegisterWndClass(CS_DBLCLKS, ::LoadCursorW(nullptr, IDC_ARROW));
    return TRUE;
}

void CWnd::PreSubclassWindow() {}

void CWnd::PostNcDestroy() {}

void CWnd::CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType)
{
    DWORD dwExStyle = GetExStyle();
    if (nAdjustType == 0)
        dwExStyle &= ~WS_EX_CLIENTEDGE;
    ::AdjustWindowRectEx(lpClientRect, GetStyle(), FALSE, dwExStyle);
}

BOOL CWnd::DestroyWindow()
{
    if (m_hWnd == nullptr)
        return FALSE;
    return ::DestroyWindow(m_hWnd);
}

// ---- dispatch -------------------------------------------------------------

BOOL CWnd::PreTranslateMessage(MSG*)
{
    return FALSE;
}

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetParent(hWnd)) {
        CWnd* pWnd = FromHandlePermanent(hWnd);
        if (pWnd != nullptr && pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (hWnd == hWndStop || !(::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD))
            break;
    }
    return FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    return lResult;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (m_pfnSuper != nullptr)
        return ::CallWindowProcW(m_pfnSuper, m_hWnd, message, wParam, lParam);
    return ::DefWindowProcW(m_hWnd, message, wParam, lParam);
}

const MSG* CWnd::GetCurrentMessage()
{
    return &t_wndState.lastSent;
}

void CWnd::SetCurrentMessage(const MSG& msg)
{
    t_wndState.lastSent = msg;
}

LRESULT CWnd::Default()
{
    const MSG& msg = t_wndState.lastSent;
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

BOOL CWnd::DispatchMapEntry(UINT message, UINT nCode, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(GetMessageMap(), message, nCode, 0);
    if (pEntry == nullptr)
        return FALSE;
    LRESULT lResult = 0;
    if (!pEntry->pfn(this, wParam, lParam, &lResult))
        return FALSE;
    AFX_SET_RESULT(pResult, lResult);
    return TRUE;
}

BOOL CWnd::OnCtlColorMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    AFX_CTLCOLOR ctl{reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam), message - WM_CTLCOLORMSGBOX};
    return DispatchMapEntry(WM_CTLCOLOR, 0, 0, reinterpret_cast<LPARAM>(&ctl), pResult);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_COMMAND:
        if (!OnCommand(wParam, lParam))
            return FALSE;
        AFX_SET_RESULT(pResult, 1);
        return TRUE;
    case WM_NOTIFY: {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        LRESULT lResult = 0;
        if (pNMHDR == nullptr || pNMHDR->hwndFrom == nullptr || !OnNotify(wParam, lParam, &lResult))
            return FALSE;
        AFX_SET_RESULT(pResult, lResult);
        return TRUE;
    }
    default:
        break;
    }
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        return OnCtlColorMsg(message, wParam, lParam, pResult);
    return DispatchMapEntry(message, 0, wParam, lParam, pResult);
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    UINT nID = LOWORD(wParam);
    HWND hWndCtrl = reinterpret_cast<HWND>(lParam);
    int nCode = HIWORD(wParam);
    if (hWndCtrl == nullptr) {
        // Menu item or accelerator: a command its update handler disabled
        // must not run (an accelerator bypasses the grayed menu item).
        CTestCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, static_cast<int>(CN_UPDATE_COMMAND_UI), &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
        nCode = CN_COMMAND;
    } else {
        if (ReflectLastMsg(hWndCtrl))
            return TRUE;   // the control handled its own notification
        if (nID == 0)
            return FALSE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    HWND hWndCtrl = pNMHDR->hwndFrom;
    UINT nID = static_cast<UINT>(::GetDlgCtrlID(hWndCtrl));
    if (ReflectLastMsg(hWndCtrl, pResult))
        return TRUE;
    AFX_NOTIFY notify{pResult, pNMHDR};
    return OnCmdMsg(nID, MAKELONG(LOWORD(pNMHDR->code), WM_NOTIFY), &notify, nullptr);
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    return ReflectChildNotify(message, wParam, lParam, pResult);
}

BOOL CWnd::ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    switch (message) {
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_COMPAREITEM:
        return DispatchMapEntry(WM_REFLECT_BASE + message, 0, wParam, lParam, pResult);
    case WM_COMMAND: {
        const AFX_MSGMAP_ENTRY* pEntry =
            FindMessageEntry(GetMessageMap(), WM_REFLECT_BASE + WM_COMMAND, HIWORD(wParam), 0);
        if (pEntry == nullptr || !pEntry->pfn(this, wParam, lParam, nullptr))
            return FALSE;
        AFX_SET_RESULT(pResult, 1);
        return TRUE;
    }
    case WM_NOTIFY: {
        auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
        const AFX_MSGMAP_ENTRY* pEntry =
            FindMessageEntry(GetMessageMap(), WM_REFLECT_BASE + WM_NOTIFY, LOWORD(pNMHDR->code), 0);
        LRESULT lResult = 0;
        if (pEntry == nullptr || !pEntry->pfn(this, wParam, lParam, &lResult))
            return FALSE;
        AFX_SET_RESULT(pResult, lResult);
        return TRUE;
    }
    default:
        break;
    }
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        AFX_CTLCOLOR ctl{reinterpret_cast<HWND>(lParam), reinterpret_cast<HDC>(wParam), message - WM_CTLCOLORMSGBOX};
        return DispatchMapEntry(WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, reinterpret_cast<LPARAM>(&ctl), pResult);
    }
    return FALSE;
}

BOOL CWnd::ReflectLastMsg(HWND hWndChild, LRESULT* pResult)
{
    CWnd* pWnd = FromHandlePermanent(hWndChild);
    if (pWnd == nullptr)
        return FALSE;
    const MSG& msg = t_wndState.lastSent;
    return pWnd->OnChildNotify(msg.message, msg.wParam, msg.lParam, pResult);
}

BOOL CWnd::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    return CCmdTarget::OnCmdMsg(nID, nCode, pExtra, pHandlerInfo);
}

// ---- modal loops ----------------------------------------------------------

int CWnd::RunModalLoop(DWORD dwFlags)
{
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    BOOL bShowIdle = (dwFlags & MLF_SHOWONIDLE) && !(GetStyle() & WS_VISIBLE);
    HWND hWndParent = ::GetParent(m_hWnd);
    m_nFlags |= WF_MODALLOOP | WF_CONTINUEMODAL;
    MSG msg{};
    while (ContinueModal()) {
        while (bIdle && !::PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (bShowIdle) {
                ShowWindow(SW_SHOWNORMAL);
                UpdateWindow();
                bShowIdle = FALSE;
            }
            if (!(dwFlags & MLF_NOIDLEMSG) && hWndParent != nullptr && lIdleCount == 0)
                ::SendMessageW(hWndParent, WM_ENTERIDLE, MSGF_DIALOGBOX, reinterpret_cast<LPARAM>(m_hWnd));
            if ((dwFlags & MLF_NOKICKIDLE) || !SendMessage(WM_KICKIDLE, MSGF_DIALOGBOX, lIdleCount++))
                bIdle = FALSE;
        }
        if (!AfxPumpMessage()) {
            ::PostQuitMessage(0);   // give the quit back to the outer loop
            break;
        }
        if (bShowIdle && (msg.message == 0x118 || msg.message == WM_SYSKEYDOWN)) {
            ShowWindow(SW_SHOWNORMAL);
            UpdateWindow();
            bShowIdle = FALSE;
        }
        bIdle = TRUE;
        lIdleCount = 0;
    }
    m_nFlags &= ~(WF_MODALLOOP | WF_CONTINUEMODAL);
    return m_nModalResult;
}

BOOL CWnd::ContinueModal()
{
    return (m_nFlags & WF_CONTINUEMODAL) != 0;
}

void CWnd::EndModalLoop(int nResult)
{
    m_nModalResult = nResult;
    if (m_nFlags & WF_CONTINUEMODAL) {
        m_nFlags &= ~WF_CONTINUEMODAL;
        PostMessage(WM_NULL);   // wakes the loop
    }
}

// ---- messages -------------------------------------------------------------

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::PostMessageW(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::SendNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendNotifyMessageW(m_hWnd, message, wParam, lParam);
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep, BOOL bOnlyPerm) const
{
    SendMessageToDescendants(m_hWnd, message, wParam, lParam, bDeep, bOnlyPerm);
}

void CWnd::SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                    BOOL bOnlyPerm)
{
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        if (!bOnlyPerm || FromHandlePermanent(hWndChild) != nullptr)
            ::SendMessageW(hWndChild, message, wParam, lParam);
        if (bDeep && ::GetTopWindow(hWndChild) != nullptr)
            SendMessageToDescendants(hWndChild, message, wParam, lParam, bDeep, bOnlyPerm);
    }
}

// ---- timers and painting ---------------------------------------------------

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD))
{
    return ::SetTimer(m_hWnd, nIDEvent, nElapse, lpfnTimer);
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    return ::KillTimer(m_hWnd, nIDEvent);
}

CDC* CWnd::GetDC()
{
    return CDC::FromHandle(::GetDC(m_hWnd));
}

CDC* CWnd::GetWindowDC()
{
    return CDC::FromHandle(::GetWindowDC(m_hWnd));
}

CDC* CWnd::GetDCEx(CRgn* prgnClip, DWORD flags)
{
    return CDC::FromHandle(::GetDCEx(m_hWnd, static_cast<HRGN>(prgnClip->GetSafeHandle()), flags));
}

int CWnd::ReleaseDC(CDC* pDC)
{
    return ::ReleaseDC(m_hWnd, pDC->GetSafeHdc());
}

CDC* CWnd::BeginPaint(LPPAINTSTRUCT lpPaint)
{
    return CDC::FromHandle(::BeginPaint(m_hWnd, lpPaint));
}

void CWnd::EndPaint(LPPAINTSTRUCT lpPaint)
{
    ::EndPaint(m_hWnd, lpPaint);
}

void CWnd::Invalidate(BOOL bErase)
{
    ::InvalidateRect(m_hWnd, nullptr, bErase);
}

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
    ::InvalidateRect(m_hWnd, lpRect, bErase);
}

void CWnd::InvalidateRgn(CRgn* pRgn, BOOL bErase)
{
    ::InvalidateRgn(m_hWnd, static_cast<HRGN>(pRgn->GetSafeHandle()), bErase);
}

void CWnd::ValidateRect(LPCRECT lpRect)
{
    ::ValidateRect(m_hWnd, lpRect);
}

void CWnd::UpdateWindow()
{
    ::UpdateWindow(m_hWnd);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags)
{
    return ::RedrawWindow(m_hWnd, lpRectUpdate, static_cast<HRGN>(prgnUpdate->GetSafeHandle()), flags);
}

void CWnd::SetRedraw(BOOL bRedraw)
{
    SendMessage(WM_SETREDRAW, bRedraw);
}

BOOL CWnd::GetUpdateRect(LPRECT lpRect, BOOL bErase)
{
    return ::GetUpdateRect(m_hWnd, lpRect, bErase);
}

int CWnd::ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* prgnUpdate,
                         LPRECT lpRectUpdate, UINT flags)
{
    return ::ScrollWindowEx(m_hWnd, dx, dy, lpRectScroll, lpRectClip, static_cast<HRGN>(prgnUpdate->GetSafeHandle()),
                            lpRectUpdate, flags);
}

void CWnd::ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect, LPCRECT lpClipRect)
{
    ::ScrollWindow(m_hWnd, xAmount, yAmount, lpRect, lpClipRect);
}

BOOL CWnd::LockWindowUpdate()
{
    return ::LockWindowUpdate(m_hWnd);
}

void CWnd::UnlockWindowUpdate()
{
    ::LockWindowUpdate(nullptr);
}

// ---- size and position ----------------------------------------------------

void CWnd::GetClientRect(LPRECT lpRect) const
{
    ::GetClientRect(m_hWnd, lpRect);
}

void CWnd::GetWindowRect(LPRECT lpRect) const
{
    ::GetWindowRect(m_hWnd, lpRect);
}

void CWnd::ScreenToClient(LPPOINT lpPoint) const
{
    ::ScreenToClient(m_hWnd, lpPoint);
}

void CWnd::ScreenToClient(LPRECT lpRect) const
{
    ::MapWindowPoints(nullptr, m_hWnd, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::ClientToScreen(LPPOINT lpPoint) const
{
    ::ClientToScreen(m_hWnd, lpPoint);
}

void CWnd::ClientToScreen(LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, nullptr, reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const
{
    ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), reinterpret_cast<LPPOINT>(lpRect), 2);
}

void CWnd::MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const
{
    ::MapWindowPoints(m_hWnd, pwndTo->GetSafeHwnd(), lpPoint, nCount);
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint)
{
    ::MoveWindow(m_hWnd, x, y, nWidth, nHeight, bRepaint);
}

void CWnd::MoveWindow(LPCRECT lpRect, BOOL bRepaint)
{
    MoveWindow(lpRect->left, lpRect->top, lpRect->right - lpRect->left, lpRect->bottom - lpRect->top, bRepaint);
}

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags)
{
    return ::SetWindowPos(m_hWnd, pWndInsertAfter->GetSafeHwnd(), x, y, cx, cy, nFlags);
}

BOOL CWnd::GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const
{
    lpwndpl->length = sizeof(WINDOWPLACEMENT);
    return ::GetWindowPlacement(m_hWnd, lpwndpl);
}

BOOL CWnd::SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl)
{
    WINDOWPLACEMENT placement = *lpwndpl;
    placement.length = sizeof(WINDOWPLACEMENT);
    return ::SetWindowPlacement(m_hWnd, &placement);
}

void CWnd::CenterWindow(CWnd* pAlternateOwner)
{
    DWORD dwStyle = GetStyle();
    HWND hWndCenter = pAlternateOwner->GetSafeHwnd();
    if (hWndCenter == nullptr)
        hWndCenter = (dwStyle & WS_CHILD) ? ::GetParent(m_hWnd) : ::GetWindow(m_hWnd, GW_OWNER);
    CRect rcDlg;
    GetWindowRect(&rcDlg);
    CRect rcArea;
    CRect rcCenter;
    if (dwStyle & WS_CHILD) {
        HWND hWndParent = ::GetParent(m_hWnd);
        ::GetClientRect(hWndParent, &rcArea);
        if (hWndCenter != nullptr) {
            ::GetWindowRect(hWndCenter, &rcCenter);
            ::MapWindowPoints(nullptr, hWndParent, reinterpret_cast<LPPOINT>(&rcCenter), 2);
        } else {
            rcCenter = rcArea;
        }
    } else {
        // Over the owner when it shows, else over the work area of the monitor.
        if (hWndCenter != nullptr
            && (!::IsWindowVisible(hWndCenter) || ::IsIconic(hWndCenter)))
            hWndCenter = nullptr;
        HMONITOR hMonitor = ::MonitorFromWindow(hWndCenter ? hWndCenter : m_hWnd, MONITOR_DEFAULTTONEAREST);
        MONITORINFO info{};
        info.cbSize = sizeof(info);
        ::GetMonitorInfoW(hMonitor, &info);
        rcArea = info.rcWork;
        if (hWndCenter != nullptr)
            ::GetWindowRect(hWndCenter, &rcCenter);
        else
            rcCenter = rcArea;
    }
    int xLeft = (rcCenter.left + rcCenter.right) / 2 - rcDlg.Width() / 2;
    int yTop = (rcCenter.top + rcCenter.bottom) / 2 - rcDlg.Height() / 2;
    if (xLeft + rcDlg.Width() > rcArea.right)
        xLeft = rcArea.right - rcDlg.Width();
    if (xLeft < rcArea.left)
        xLeft = rcArea.left;
    if (yTop + rcDlg.Height() > rcArea.bottom)
        yTop = rcArea.bottom - rcDlg.Height();
    if (yTop < rcArea.top)
        yTop = rcArea.top;
    SetWindowPos(nullptr, xLeft, yTop, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWnd::BringWindowToTop()
{
    ::BringWindowToTop(m_hWnd);
}

CWnd* CWnd::ChildWindowFromPoint(POINT point) const
{
    return FromHandle(::ChildWindowFromPoint(m_hWnd, point));
}

CWnd* CWnd::WindowFromPoint(POINT point)
{
    return FromHandle(::WindowFromPoint(point));
}

BOOL CWnd::IsIconic() const
{
    return ::IsIconic(m_hWnd);
}

BOOL CWnd::IsZoomed() const
{
    return ::IsZoomed(m_hWnd);
}

void CWnd::RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag, LPRECT lpRectParam,
                          LPCRECT lpRectClient, BOOL bStretch)
{
    AFX_SIZEPARENTPARAMS layout{};
    layout.bStretch = bStretch;
    if (lpRectClient != nullptr)
        layout.rect = *lpRectClient;
    else
        ::GetClientRect(m_hWnd, &layout.rect);
    if ((nFlag & ~reposExtra) != reposQuery)
        layout.hDWP = ::BeginDeferWindowPos(8);

    HWND hWndLeftOver = nullptr;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        UINT nIDC = static_cast<UINT>(::GetDlgCtrlID(hWndChild));
        if (nIDC == nIDLeftOver) {
            hWndLeftOver = hWndChild;
            continue;
        }
        if (nIDC < nIDFirst || nIDC > nIDLast)
            continue;
        RECT before = layout.rect;
        ::SendMessageW(hWndChild, WM_SIZEPARENT, 0, reinterpret_cast<LPARAM>(&layout));
        if (!::EqualRect(&before, &layout.rect) || !::IsWindowVisible(hWndChild)
            || nIDC < AFX_IDW_CONTROLBAR_FIRST || nIDC > AFX_IDW_CONTROLBAR_LAST)
            continue;
        // A plain bar that does not take part in the layout: the status bar
        // (or a bottom-aligned common control) goes to the bottom, any other
        // bar to the top, at its present height.
        RECT rcBar;
        ::GetWindowRect(hWndChild, &rcBar);
        int cy = rcBar.bottom - rcBar.top;
        bool bottom = nIDC == AFX_IDW_STATUS_BAR
                      || (::GetWindowLongPtrW(hWndChild, GWL_STYLE) & CCS_BOTTOM) == CCS_BOTTOM;
        RECT rcPlace = layout.rect;
        if (bottom) {
            rcPlace.top = rcPlace.bottom - cy;
            layout.rect.bottom -= cy;
        } else {
            rcPlace.bottom = rcPlace.top + cy;
            layout.rect.top += cy;
        }
        layout.sizeTotal.cy += cy;
        AfxRepositionWindow(&layout, hWndChild, &rcPlace);
    }

    if ((nFlag & ~reposExtra) == reposQuery) {
        if (bStretch)
            ::CopyRect(lpRectParam, &layout.rect);
        else {
            lpRectParam->left = lpRectParam->top = 0;
            lpRectParam->right = layout.sizeTotal.cx;
            lpRectParam->bottom = layout.sizeTotal.cy;
        }
        return;
    }
    if ((nFlag & reposExtra) && lpRectParam != nullptr) {
        layout.rect.left += lpRectParam->left;
        layout.rect.top += lpRectParam->top;
        layout.rect.right -= lpRectParam->right;
        layout.rect.bottom -= lpRectParam->bottom;
    }
    if (hWndLeftOver != nullptr)
        AfxRepositionWindow(&layout, hWndLeftOver, &layout.rect);
    if (layout.hDWP != nullptr)
        ::EndDeferWindowPos(layout.hDWP);
}

// ---- state ----------------------------------------------------------------

BOOL CWnd::ShowWindow(int nCmdShow)
{
    return ::ShowWindow(m_hWnd, nCmdShow);
}

BOOL CWnd::IsWindowVisible() const
{
    return ::IsWindowVisible(m_hWnd);
}

BOOL CWnd::EnableWindow(BOOL bEnable)
{
    return ::EnableWindow(m_hWnd, bEnable);
}

BOOL CWnd::IsWindowEnabled() const
{
    return ::IsWindowEnabled(m_hWnd);
}

BOOL CWnd::IsChild(const CWnd* pWnd) const
{
    return ::IsChild(m_hWnd, pWnd->GetSafeHwnd());
}

DWORD CWnd::GetStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_STYLE));
}

DWORD CWnd::GetExStyle() const
{
    return static_cast<DWORD>(::GetWindowLongPtrW(m_hWnd, GWL_EXSTYLE));
}

namespace {
BOOL ModifyStyleIndex(HWND hWnd, int nStyleOffset, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    DWORD dwStyle = static_cast<DWORD>(::GetWindowLongPtrW(hWnd, nStyleOffset));
    DWORD dwNewStyle = (dwStyle & ~dwRemove) | dwAdd;
    if (dwStyle == dwNewStyle)
        return FALSE;
    ::SetWindowLongPtrW(hWnd, nStyleOffset, static_cast<LONG_PTR>(dwNewStyle));
    if (nFlags != 0)
        ::SetWindowPos(hWnd, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | nFlags);
    return TRUE;
}
} // namespace

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyle(m_hWnd, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleEx(m_hWnd, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleIndex(hWnd, GWL_STYLE, dwRemove, dwAdd, nFlags);
}

BOOL CWnd::ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags)
{
    return ModifyStyleIndex(hWnd, GWL_EXSTYLE, dwRemove, dwAdd, nFlags);
}

// ---- text and font ----------------------------------------------------------

void CWnd::SetWindowText(LPCTSTR lpszString)
{
    ::SetWindowTextW(m_hWnd, lpszString);
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const
{
    return ::GetWindowTextW(m_hWnd, lpszStringBuf, nMaxCount);
}

void CWnd::GetWindowText(CString& rString) const
{
    int nLen = ::GetWindowTextLengthW(m_hWnd);
    ::GetWindowTextW(m_hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer();
}

int CWnd::GetWindowTextLength() const
{
    return ::GetWindowTextLengthW(m_hWnd);
}

void CWnd::SetFont(CFont* pFont, BOOL bRedraw)
{
    SendMessage(WM_SETFONT, reinterpret_cast<WPARAM>(pFont->GetSafeHandle()), bRedraw);
}

CFont* CWnd::GetFont() const
{
    return CFont::FromHandle(reinterpret_cast<HFONT>(SendMessage(WM_GETFONT)));
}

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon)
{
    return reinterpret_cast<HICON>(
        SendMessage(WM_SETICON, bBigIcon ? ICON_BIG : ICON_SMALL, reinterpret_cast<LPARAM>(hIcon)));
}

HICON CWnd::GetIcon(BOOL bBigIcon) const
{
    return reinterpret_cast<HICON>(SendMessage(WM_GETICON, bBigIcon ? ICON_BIG : ICON_SMALL));
}

// ---- dialog items ---------------------------------------------------------

CWnd* CWnd::GetDlgItem(int nID) const
{
    return FromHandle(::GetDlgItem(m_hWnd, nID));
}

void CWnd::GetDlgItem(int nID, HWND* phWnd) const
{
    *phWnd = ::GetDlgItem(m_hWnd, nID);
}

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString)
{
    ::SetDlgItemTextW(m_hWnd, nID, lpszString);
}

int CWnd::GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const
{
    return static_cast<int>(::GetDlgItemTextW(m_hWnd, nID, lpStr, nMaxCount));
}

int CWnd::GetDlgItemText(int nID, CString& rString) const
{
    rString.Empty();
    HWND hWnd = ::GetDlgItem(m_hWnd, nID);
    if (hWnd == nullptr)
        return 0;
    int nLen = ::GetWindowTextLengthW(hWnd);
    ::GetWindowTextW(hWnd, rString.GetBufferSetLength(nLen), nLen + 1);
    rString.ReleaseBuffer();
    return rString.GetLength();
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned)
{
    ::SetDlgItemInt(m_hWnd, nID, nValue, bSigned);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const
{
    return ::GetDlgItemInt(m_hWnd, nID, lpTrans, bSigned);
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck)
{
    ::CheckDlgButton(m_hWnd, nIDButton, nCheck);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const
{
    return ::IsDlgButtonChecked(m_hWnd, nIDButton);
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton)
{
    ::CheckRadioButton(m_hWnd, nIDFirstButton, nIDLastButton, nIDCheckButton);
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const
{
    return ::SendDlgItemMessageW(m_hWnd, nID, message, wParam, lParam);
}

int CWnd::GetDlgCtrlID() const
{
    return ::GetDlgCtrlID(m_hWnd);
}

int CWnd::SetDlgCtrlID(int nID)
{
    return static_cast<int>(::SetWindowLongPtrW(m_hWnd, GWLP_ID, nID));
}

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgTabItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const
{
    return FromHandle(::GetNextDlgGroupItem(m_hWnd, pWndCtl->GetSafeHwnd(), bPrevious));
}

// ---- relatives ------------------------------------------------------------

CWnd* CWnd::GetParent() const
{
    return FromHandle(::GetParent(m_hWnd));
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent)
{
    return FromHandle(::SetParent(m_hWnd, pWndNewParent->GetSafeHwnd()));
}

CFrameWnd* CWnd::GetParentFrame() const
{
    if (GetSafeHwnd() == nullptr)
        return nullptr;
    for (CWnd* pParent = GetParent(); pParent != nullptr; pParent = pParent->GetParent()) {
        if (pParent->IsFrameWnd())
            return static_cast<CFrameWnd*>(pParent);
    }
    return nullptr;
}

CFrameWnd* CWnd::GetTopLevelFrame() const
{
    if (GetSafeHwnd() == nullptr)
        return nullptr;
    CWnd* pFrame = const_cast<CWnd*>(this);
    if (!IsFrameWnd())
        pFrame = GetParentFrame();
    if (pFrame != nullptr) {
        while (CFrameWnd* pTemp = pFrame->GetParentFrame())
            pFrame = pTemp;
    }
    return static_cast<CFrameWnd*>(pFrame);
}

CWnd* CWnd::GetTopLevelParent() const
{
    if (GetSafeHwnd() == nullptr)
        return nullptr;
    HWND hWndParent = m_hWnd;
    while (HWND hWndT = ParentOwner(hWndParent))
        hWndParent = hWndT;
    return FromHandle(hWndParent);
}

CWnd* CWnd::GetTopLevelOwner() const
{
    if (GetSafeHwnd() == nullptr)
        return nullptr;
    HWND hWndOwner = m_hWnd;
    while (HWND hWndT = ::GetWindow(hWndOwner, GW_OWNER))
        hWndOwner = hWndT;
    return FromHandle(hWndOwner);
}

CWnd* CWnd::GetParentOwner() const
{
    if (GetSafeHwnd() == nullptr)
        return nullptr;
    HWND hWndParent = m_hWnd;
    while (::GetWindowLongPtrW(hWndParent, GWL_STYLE) & WS_CHILD) {
        HWND hWndT = ::GetParent(hWndParent);
        if (hWndT == nullptr)
            break;
        hWndParent = hWndT;
    }
    return FromHandle(hWndParent);
}

CWnd* CWnd::GetOwner() const
{
    return m_hWndOwner != nullptr ? FromHandle(m_hWndOwner) : GetParent();
}

void CWnd::SetOwner(CWnd* pOwnerWnd)
{
    m_hWndOwner = pOwnerWnd->GetSafeHwnd();
}

CWnd* CWnd::GetWindow(UINT nCmd) const
{
    return FromHandle(::GetWindow(m_hWnd, nCmd));
}

CWnd* CWnd::GetTopWindow() const
{
    return FromHandle(::GetTopWindow(m_hWnd));
}

CWnd* CWnd::GetNextWindow(UINT nFlag) const
{
    return FromHandle(::GetWindow(m_hWnd, nFlag));
}

CWnd* CWnd::GetDescendantWindow(int nID, BOOL bOnlyPerm) const
{
    return GetDescendantWindow(m_hWnd, nID, bOnlyPerm);
}

CWnd* CWnd::GetDescendantWindow(HWND hWnd, int nID, BOOL bOnlyPerm)
{
    if (HWND hWndChild = ::GetDlgItem(hWnd, nID)) {
        if (::GetTopWindow(hWndChild) == nullptr || !bOnlyPerm || FromHandlePermanent(hWndChild) != nullptr)
            return bOnlyPerm ? FromHandlePermanent(hWndChild) : FromHandle(hWndChild);
    }
    for (HWND hWndChild = ::GetTopWindow(hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        if (CWnd* pWnd = GetDescendantWindow(hWndChild, nID, bOnlyPerm))
            return pWnd;
    }
    return nullptr;
}

CWnd* CWnd::GetLastActivePopup() const
{
    return FromHandle(::GetLastActivePopup(m_hWnd));
}

CWnd* CWnd::GetDesktopWindow()
{
    return FromHandle(::GetDesktopWindow());
}

CWnd* CWnd::GetActiveWindow()
{
    return FromHandle(::GetActiveWindow());
}

CWnd* CWnd::SetActiveWindow()
{
    return FromHandle(::SetActiveWindow(m_hWnd));
}

CWnd* CWnd::GetForegroundWindow()
{
    return FromHandle(::GetForegroundWindow());
}

BOOL CWnd::SetForegroundWindow()
{
    return ::SetForegroundWindow(m_hWnd);
}

CWnd* CWnd::FindWindow(LPCTSTR lpszClassName, LPCTSTR lpszWindowName)
{
    return FromHandle(::FindWindowW(lpszClassName, lpszWindowName));
}

// ---- focus and capture ----------------------------------------------------

CWnd* CWnd::SetFocus()
{
    return FromHandle(::SetFocus(m_hWnd));
}

CWnd* CWnd::GetFocus()
{
    return FromHandle(::GetFocus());
}

CWnd* CWnd::SetCapture()
{
    return FromHandle(::SetCapture(m_hWnd));
}

CWnd* CWnd::GetCapture()
{
    return FromHandle(::GetCapture());
}

// ---- menus ----------------------------------------------------------------

CMenu* CWnd::GetMenu() const
{
    return CMenu::FromHandle(::GetMenu(m_hWnd));
}

BOOL CWnd::SetMenu(CMenu* pMenu)
{
    return ::SetMenu(m_hWnd, pMenu->GetSafeHmenu());
}

void CWnd::DrawMenuBar()
{
    ::DrawMenuBar(m_hWnd);
}

CMenu* CWnd::GetSystemMenu(BOOL bRevert) const
{
    return CMenu::FromHandle(::GetSystemMenu(m_hWnd, bRevert));
}

// ---- scroll bars ------------------------------------------------------------

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
{
    if (CScrollBar* pBar = GetScrollBarCtrl(nBar))
        return pBar->SetScrollPos(nPos, bRedraw);
    return ::SetScrollPos(m_hWnd, nBar, nPos, bRedraw);
}

int CWnd::GetScrollPos(int nBar) const
{
    if (CScrollBar* pBar = GetScrollBarCtrl(nBar))
        return pBar->GetScrollPos();
    return ::GetScrollPos(m_hWnd, nBar);
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    if (CScrollBar* pBar = GetScrollBarCtrl(nBar))
        pBar->SetScrollRange(nMinPos, nMaxPos, bRedraw);
    else
        ::SetScrollRange(m_hWnd, nBar, nMinPos, nMaxPos, bRedraw);
}

void CWnd::GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const
{
    if (CScrollBar* pBar = GetScrollBarCtrl(nBar))
        pBar->GetScrollRange(lpMinPos, lpMaxPos);
    else
        ::GetScrollRange(m_hWnd, nBar, lpMinPos, lpMaxPos);
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    if (CScrollBar* pBar = GetScrollBarCtrl(nBar))
        return pBar->SetScrollInfo(lpScrollInfo, bRedraw);
    ::SetScrollInfo(m_hWnd, nBar, lpScrollInfo, bRedraw);
    return TRUE;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask)
{
    lpScrollInfo->cbSize = sizeof(SCROLLINFO);
    lpScrollInfo->fMask = nMask;
    if (CScrollBar* pBar = GetScrollBarCtrl(nBar))
        return pBar->GetScrollInfo(lpScrollInfo, nMask);
    return ::GetScrollInfo(m_hWnd, nBar, lpScrollInfo);
}

int CWnd::GetScrollLimit(int nBar)
{
    SCROLLINFO info{};
    if (!GetScrollInfo(nBar, &info, SIF_RANGE | SIF_PAGE))
        return 0;
    int nLimit = info.nMax;
    if (info.nPage > 0)
        nLimit -= static_cast<int>(info.nPage) - 1;
    return nLimit < info.nMin ? info.nMin : nLimit;
}

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow)
{
    ::ShowScrollBar(m_hWnd, static_cast<int>(nBar), bShow);
}

BOOL CWnd::EnableScrollBar(int nSBFlags, UINT nArrowFlags)
{
    return ::EnableScrollBar(m_hWnd, static_cast<UINT>(nSBFlags), nArrowFlags);
}

void CWnd::EnableScrollBarCtrl(int nBar, BOOL bEnable)
{
    if (nBar == SB_BOTH) {
        EnableScrollBarCtrl(SB_HORZ, bEnable);
        EnableScrollBarCtrl(SB_VERT, bEnable);
        return;
    }
    if (CScrollBar* pBar = GetScrollBarCtrl(nBar))
        pBar->EnableWindow(bEnable);
    else
        ShowScrollBar(static_cast<UINT>(nBar), bEnable);
}

CScrollBar* CWnd::GetScrollBarCtrl(int) const
{
    return nullptr;
}

// ---- utilities ------------------------------------------------------------

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType)
{
    CString caption;
    if (lpszCaption == nullptr) {
        CWinApp* pApp = AfxGetApp();
        caption = pApp != nullptr && pApp->m_pszAppName != nullptr ? pApp->m_pszAppName : L"";
        lpszCaption = caption;
    }
    AfxHookMessageFilter();
    return ::MessageBoxW(GetSafeHwnd(), lpszText, lpszCaption, nType);
}

BOOL CWnd::FlashWindow(BOOL bInvert)
{
    return ::FlashWindow(m_hWnd, bInvert);
}

void CWnd::DragAcceptFiles(BOOL bAccept)
{
    ::DragAcceptFiles(m_hWnd, bAccept);
}

BOOL CWnd::OpenClipboard()
{
    return ::OpenClipboard(m_hWnd);
}

CWnd* CWnd::GetSafeOwner(CWnd* pParent, HWND* pWndTop)
{
    HWND hWnd = pParent->GetSafeHwnd();
    if (hWnd == nullptr) {
        CWnd* pMain = AfxGetMainWnd();
        hWnd = pMain->GetSafeHwnd();
    }
    while (hWnd != nullptr && (::GetWindowLongPtrW(hWnd, GWL_STYLE) & WS_CHILD))
        hWnd = ::GetParent(hWnd);
    if (pWndTop != nullptr)
        *pWndTop = hWnd;
    if (hWnd != nullptr && pParent == nullptr)
        hWnd = ::GetLastActivePopup(hWnd);
    return FromHandle(hWnd);
}

BOOL CWnd::UpdateData(BOOL bSaveAndValidate)
{
    CDataExchange dx(this, bSaveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (CDataExchange::Failure&) {
        return FALSE;
    }
    return TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler)
{
    CCmdUI state;
    for (HWND hWndChild = ::GetTopWindow(m_hWnd); hWndChild != nullptr;
         hWndChild = ::GetWindow(hWndChild, GW_HWNDNEXT)) {
        state.m_pOther = FromHandle(hWndChild);
        state.m_nID = static_cast<UINT>(::GetDlgCtrlID(hWndChild));
        if (state.m_nID == 0 || state.m_nID == 0xFFFF)
            continue;
        // Only push buttons stand for commands that may lack a handler.
        BOOL bButton = (::SendMessageW(hWndChild, WM_GETDLGCODE, 0, 0) & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) != 0;
        state.DoUpdate(pTarget, bDisableIfNoHndler && bButton);
    }
}

INT_PTR CWnd::OnToolHitTest(CPoint point, TOOLINFO* pTI) const
{
    HWND hWndChild = ::ChildWindowFromPointEx(m_hWnd, point, CWP_SKIPINVISIBLE | CWP_SKIPTRANSPARENT);
    if (hWndChild == nullptr || hWndChild == m_hWnd)
        return -1;
    if (pTI != nullptr && pTI->cbSize >= TTTOOLINFOW_V1_SIZE) {
        pTI->hwnd = m_hWnd;
        pTI->uId = reinterpret_cast<UINT_PTR>(hWndChild);
        pTI->uFlags |= TTF_IDISHWND;
        pTI->lpszText = LPSTR_TEXTCALLBACKW;
    }
    return ::GetDlgCtrlID(hWndChild);
}

BOOL CWnd::EnableToolTips(BOOL bEnable)
{
    const BOOL bWasEnabled = (m_nFlags & WF_TOOLTIPS) != 0;
    if (bEnable)
        m_nFlags |= WF_TOOLTIPS;
    else
        m_nFlags &= ~WF_TOOLTIPS;
    return bWasEnabled;
}

// ---- default message handlers ------------------------------------------------

int CWnd::OnCreate(LPCREATESTRUCT) { return static_cast<int>(Default()); }
BOOL CWnd::OnNcCreate(LPCREATESTRUCT) { return static_cast<BOOL>(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnNcDestroy() { Default(); }
void CWnd::OnPaint() { Default(); }
void CWnd::OnNcPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return static_cast<BOOL>(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return static_cast<BOOL>(Default()); }
void CWnd::OnMouseLeave() { Default(); }
void CWnd::OnMouseHover(UINT, CPoint) { Default(); }
int CWnd::OnMouseActivate(CWnd*, UINT, UINT) { return static_cast<int>(Default()); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return static_cast<BOOL>(Default()); }
UINT CWnd::OnGetDlgCode() { return static_cast<UINT>(Default()); }
LRESULT CWnd::OnNcHitTest(CPoint) { return Default(); }
void CWnd::OnNcCalcSize(BOOL, NCCALCSIZE_PARAMS*) { Default(); }
BOOL CWnd::OnNcActivate(BOOL) { return static_cast<BOOL>(Default()); }
void CWnd::OnNcLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnNcRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnNcMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnSettingChange(UINT, LPCTSTR) { Default(); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnActivateApp(BOOL, DWORD) { Default(); }
void CWnd::OnInitMenu(CMenu*) { Default(); }
void CWnd::OnInitMenuPopup(CMenu*, UINT, BOOL) { Default(); }
void CWnd::OnMenuSelect(UINT, UINT, HMENU) { Default(); }
void CWnd::OnEnterMenuLoop(BOOL) { Default(); }
void CWnd::OnExitMenuLoop(BOOL) { Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
void CWnd::OnWindowPosChanged(WINDOWPOS*) { Default(); }
void CWnd::OnWindowPosChanging(WINDOWPOS*) { Default(); }
void CWnd::OnStyleChanged(int, LPSTYLESTRUCT) { Default(); }
void CWnd::OnStyleChanging(int, LPSTYLESTRUCT) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnTimeChange() { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnDropFiles(HDROP) { Default(); }
BOOL CWnd::OnHelpInfo(HELPINFO*) { return static_cast<BOOL>(Default()); }
BOOL CWnd::OnCopyData(CWnd*, COPYDATASTRUCT*) { return static_cast<BOOL>(Default()); }
void CWnd::OnSizing(UINT, LPRECT) { Default(); }
void CWnd::OnEnterIdle(UINT, CWnd*) { Default(); }
BOOL CWnd::OnQueryEndSession() { return static_cast<BOOL>(Default()); }
void CWnd::OnEndSession(BOOL) { Default(); }
LRESULT CWnd::OnThemeChanged() { return Default(); }
void CWnd::OnPrintClient(CDC*, UINT) { Default(); }

// The handlers below reflect the message to the control that sent it when the
// parent does not handle it itself.

void CWnd::OnHScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar == nullptr || !ReflectLastMsg(pScrollBar->GetSafeHwnd()))
        Default();
}

void CWnd::OnVScroll(UINT, UINT, CScrollBar* pScrollBar)
{
    if (pScrollBar == nullptr || !ReflectLastMsg(pScrollBar->GetSafeHwnd()))
        Default();
}

HBRUSH CWnd::OnCtlColor(CDC*, CWnd* pWnd, UINT)
{
    LRESULT lResult = 0;
    if (pWnd != nullptr && ReflectLastMsg(pWnd->GetSafeHwnd(), &lResult))
        return reinterpret_cast<HBRUSH>(lResult);
    return reinterpret_cast<HBRUSH>(Default());
}

void CWnd::OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct)
{
    if (nIDCtl == 0 && lpDrawItemStruct->CtlType == ODT_MENU) {
        Default();
        return;
    }
    if (!ReflectLastMsg(lpDrawItemStruct->hwndItem))
        Default();
}

void CWnd::OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct)
{
    if (nIDCtl != 0 && lpMeasureItemStruct->CtlType != ODT_MENU) {
        if (ReflectLastMsg(::GetDlgItem(m_hWnd, nIDCtl)))
            return;
    }
    Default();
}

void CWnd::OnDeleteItem(int, LPDELETEITEMSTRUCT lpDeleteItemStruct)
{
    if (!ReflectLastMsg(lpDeleteItemStruct->hwndItem))
        Default();
}

int CWnd::OnCompareItem(int, LPCOMPAREITEMSTRUCT lpCompareItemStruct)
{
    LRESULT lResult = 0;
    if (ReflectLastMsg(lpCompareItemStruct->hwndItem, &lResult))
        return static_cast<int>(lResult);
    return static_cast<int>(Default());
}

void CWnd::OnParentNotify(UINT message, LPARAM lParam)
{
    if ((message == WM_CREATE || message == WM_DESTROY) && ReflectLastMsg(reinterpret_cast<HWND>(lParam)))
        return;
    Default();
}
