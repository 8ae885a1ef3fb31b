#pragma once
// The window object: wraps an HWND, receives its messages through the message
// map, and routes commands and control notifications.
//
// Every window created through Create/CreateEx (and every dialog) is attached
// to its object before the window receives its first message, so
// WM_NCCREATE/WM_CREATE already reach the object's map.
//
// Notification reflection: a control's notification is first offered to the
// control itself (WM_REFLECT_BASE + message in the control's own map) for
// WM_COMMAND and WM_NOTIFY; when the control handles it the parent never sees
// it, except with ON_CONTROL_REFLECT_EX / ON_NOTIFY_REFLECT_EX handlers that
// return FALSE. For WM_CTLCOLORxxx, WM_DRAWITEM, WM_MEASUREITEM,
// WM_DELETEITEM, WM_COMPAREITEM, WM_HSCROLL, WM_VSCROLL, WM_VKEYTOITEM and
// WM_CHARTOITEM the parent's own map comes first: only when the parent has no
// entry for the message (or its handler calls the CWnd base handler) is it
// reflected to the control.
#include "Afx.h"
#include "AfxNullObject.h"
#include "CCmdTarget.h"
#include "CPoint.h"
#include "CRect.h"
#include "CSize.h"
#include "CString.h"

#include <commctrl.h>

// The window API's macro would hide CWnd::GetNextWindow.
#ifdef GetNextWindow
#undef GetNextWindow
#endif

class CDC;
class CFont;
class CMenu;
class CRgn;
class CScrollBar;
class CFrameWnd;
class CDataExchange;
struct CCreateContext;

// Registers (once) a window class with the given look and answers its name;
// the name stays valid for the life of the program.
LPCTSTR AfxRegisterWndClass(UINT nClassStyle, HCURSOR hCursor = nullptr, HBRUSH hbrBackground = nullptr,
                            HICON hIcon = nullptr);

// Attaches the next window created on this thread to pWnd, before the window
// receives its first message.
void AfxHookWindowCreate(CWnd* pWnd);
// Ends that; TRUE when a window was created and attached meanwhile.
BOOL AfxUnhookWindowCreate();

// The window procedure of every framework window.
LRESULT CALLBACK AfxWndProc(HWND hWnd, UINT nMsg, WPARAM wParam, LPARAM lParam);

// Parameters of WM_SIZEPARENT: a control bar takes its part of rect (and, for
// a real layout, moves itself there with the deferred-position handle).
struct AFX_SIZEPARENTPARAMS {
    HDWP hDWP;       // null while only measuring
    RECT rect;       // the space still free
    SIZE sizeTotal;  // the space the bars take
    BOOL bStretch;
};

// Moves hWnd to lpRect (parent client coordinates) within a layout; nothing
// while only measuring.
void AfxRepositionWindow(AFX_SIZEPARENTPARAMS* lpLayout, HWND hWnd, LPCRECT lpRect);

class CWnd : public CCmdTarget {
    DECLARE_DYNCREATE(CWnd)
public:
    CWnd();
    explicit CWnd(HWND hWnd);   // wraps without attaching (temporary use)
    ~CWnd() override;

    HWND m_hWnd = nullptr;

    operator HWND() const { return GetSafeHwnd(); }
    HWND GetSafeHwnd() const { return AfxIsNullObject(this) ? nullptr : m_hWnd; }
    bool operator==(const CWnd& wnd) const { return wnd.m_hWnd == m_hWnd; }
    bool operator!=(const CWnd& wnd) const { return wnd.m_hWnd != m_hWnd; }

    // Insert-after values for SetWindowPos.
    static const CWnd wndTop;
    static const CWnd wndBottom;
    static const CWnd wndTopMost;
    static const CWnd wndNoTopMost;

    // Handle map.
    static CWnd* FromHandle(HWND hWnd);          // a temporary object for unknown handles
    static CWnd* FromHandlePermanent(HWND hWnd); // null for unknown handles
    static void DeleteTempMap();
    BOOL Attach(HWND hWndNew);
    HWND Detach();
    BOOL SubclassWindow(HWND hWnd);
    BOOL SubclassDlgItem(UINT nID, CWnd* pParent);
    HWND UnsubclassWindow();
    static void ReleaseTemporary(CWnd& wnd) { wnd.m_hWnd = nullptr; }

    // Creation and destruction.
    virtual BOOL Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle, const RECT& rect,
                        CWnd* pParentWnd, UINT nID, CCreateContext* pContext = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          int x, int y, int nWidth, int nHeight, HWND hWndParent, HMENU nIDorHMenu,
                          LPVOID lpParam = nullptr);
    virtual BOOL CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                          const RECT& rect, CWnd* pParentWnd, UINT nID, LPVOID lpParam = nullptr);
    virtual BOOL DestroyWindow();
    virtual BOOL PreCreateWindow(CREATESTRUCT& cs);
    virtual void PreSubclassWindow();
    virtual void PostNcDestroy();
    virtual void CalcWindowRect(LPRECT lpClientRect, UINT nAdjustType = 0);

    // Message handling.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Offers pMsg to the windows from pMsg->hwnd up through its parents, up to
    // hWndStop (included) or the top-level window.
    static BOOL WalkPreTranslateTree(HWND hWndStop, MSG* pMsg);
    virtual LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam);
    virtual BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnCommand(WPARAM wParam, LPARAM lParam);
    virtual BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    virtual BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL ReflectChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    // Reflects the message being handled to the child window (when it is a
    // framework window); TRUE when the child handled it.
    static BOOL ReflectLastMsg(HWND hWndChild, LRESULT* pResult = nullptr);
    // The message now being dispatched on this thread.
    static const MSG* GetCurrentMessage();
    // Replaces the record of the message being handled on this thread, for
    // window procedures outside the framework's own that call into windows;
    // the caller puts the previous record back.
    static void SetCurrentMessage(const MSG& msg);
    // Default handling of the message now being dispatched.
    LRESULT Default();
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
    virtual WNDPROC* GetSuperWndProcAddr() { return &m_pfnSuper; }

    // Modal loops (dialogs and tracking windows).
    int RunModalLoop(DWORD dwFlags = 0);
    virtual BOOL ContinueModal();
    virtual void EndModalLoop(int nResult);

    LRESULT SendMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL PostMessage(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    BOOL SendNotifyMessage(UINT message, WPARAM wParam, LPARAM lParam) const;
    void SendMessageToDescendants(UINT message, WPARAM wParam = 0, LPARAM lParam = 0, BOOL bDeep = TRUE,
                                  BOOL bOnlyPerm = FALSE) const;
    static void SendMessageToDescendants(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep,
                                         BOOL bOnlyPerm);

    // Timers.
    UINT_PTR SetTimer(UINT_PTR nIDEvent, UINT nElapse,
                      void(CALLBACK* lpfnTimer)(HWND, UINT, UINT_PTR, DWORD) = nullptr);
    BOOL KillTimer(UINT_PTR nIDEvent);

    // Painting.
    CDC* GetDC();
    CDC* GetWindowDC();
    CDC* GetDCEx(CRgn* prgnClip, DWORD flags);
    int ReleaseDC(CDC* pDC);
    CDC* BeginPaint(LPPAINTSTRUCT lpPaint);
    void EndPaint(LPPAINTSTRUCT lpPaint);
    void Invalidate(BOOL bErase = TRUE);
    void InvalidateRect(LPCRECT lpRect, BOOL bErase = TRUE);
    void InvalidateRgn(CRgn* pRgn, BOOL bErase = TRUE);
    void ValidateRect(LPCRECT lpRect);
    void UpdateWindow();
    BOOL RedrawWindow(LPCRECT lpRectUpdate = nullptr, CRgn* prgnUpdate = nullptr,
                      UINT flags = RDW_INVALIDATE | RDW_UPDATENOW | RDW_ERASE);
    void SetRedraw(BOOL bRedraw = TRUE);
    BOOL GetUpdateRect(LPRECT lpRect, BOOL bErase = FALSE);
    int ScrollWindowEx(int dx, int dy, LPCRECT lpRectScroll, LPCRECT lpRectClip, CRgn* prgnUpdate,
                       LPRECT lpRectUpdate, UINT flags);
    void ScrollWindow(int xAmount, int yAmount, LPCRECT lpRect = nullptr, LPCRECT lpClipRect = nullptr);
    BOOL LockWindowUpdate();
    void UnlockWindowUpdate();

    // Size and position.
    void GetClientRect(LPRECT lpRect) const;
    void GetWindowRect(LPRECT lpRect) const;
    void ScreenToClient(LPPOINT lpPoint) const;
    void ScreenToClient(LPRECT lpRect) const;
    void ClientToScreen(LPPOINT lpPoint) const;
    void ClientToScreen(LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPRECT lpRect) const;
    void MapWindowPoints(CWnd* pwndTo, LPPOINT lpPoint, UINT nCount) const;
    void MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint = TRUE);
    void MoveWindow(LPCRECT lpRect, BOOL bRepaint = TRUE);
    BOOL SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags);
    BOOL GetWindowPlacement(WINDOWPLACEMENT* lpwndpl) const;
    BOOL SetWindowPlacement(const WINDOWPLACEMENT* lpwndpl);
    void CenterWindow(CWnd* pAlternateOwner = nullptr);
    void BringWindowToTop();
    CWnd* ChildWindowFromPoint(POINT point) const;
    static CWnd* WindowFromPoint(POINT point);
    BOOL IsIconic() const;
    BOOL IsZoomed() const;
    // Lays out the control bars with ids in [nIDFirst, nIDLast] (WM_SIZEPARENT)
    // and gives the rest to the child nIDLeftOver.
    void RepositionBars(UINT nIDFirst, UINT nIDLast, UINT nIDLeftOver, UINT nFlag = reposDefault,
                        LPRECT lpRectParam = nullptr, LPCRECT lpRectClient = nullptr, BOOL bStretch = TRUE);

    // State.
    BOOL ShowWindow(int nCmdShow);
    BOOL IsWindowVisible() const;
    BOOL EnableWindow(BOOL bEnable = TRUE);
    BOOL IsWindowEnabled() const;
    BOOL IsWindow() const { return ::IsWindow(GetSafeHwnd()); }
    BOOL IsChild(const CWnd* pWnd) const;
    virtual BOOL IsFrameWnd() const { return FALSE; }
    DWORD GetStyle() const;
    DWORD GetExStyle() const;
    BOOL ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    BOOL ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT nFlags = 0);
    static BOOL ModifyStyle(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);
    static BOOL ModifyStyleEx(HWND hWnd, DWORD dwRemove, DWORD dwAdd, UINT nFlags);

    // Text and font.
    void SetWindowText(LPCTSTR lpszString);
    int GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const;
    void GetWindowText(CString& rString) const;
    int GetWindowTextLength() const;
    void SetFont(CFont* pFont, BOOL bRedraw = TRUE);
    CFont* GetFont() const;
    HICON SetIcon(HICON hIcon, BOOL bBigIcon);
    HICON GetIcon(BOOL bBigIcon) const;

    // Dialog items.
    CWnd* GetDlgItem(int nID) const;
    void GetDlgItem(int nID, HWND* phWnd) const;
    void SetDlgItemText(int nID, LPCTSTR lpszString);
    int GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const;
    int GetDlgItemText(int nID, CString& rString) const;
    void SetDlgItemInt(int nID, UINT nValue, BOOL bSigned = TRUE);
    UINT GetDlgItemInt(int nID, BOOL* lpTrans = nullptr, BOOL bSigned = TRUE) const;
    void CheckDlgButton(int nIDButton, UINT nCheck);
    UINT IsDlgButtonChecked(int nIDButton) const;
    void CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton);
    LRESULT SendDlgItemMessage(int nID, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const;
    int GetDlgCtrlID() const;
    int SetDlgCtrlID(int nID);
    CWnd* GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;
    CWnd* GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious = FALSE) const;

    // Relatives.
    CWnd* GetParent() const;
    CWnd* SetParent(CWnd* pWndNewParent);
    CFrameWnd* GetParentFrame() const;
    CFrameWnd* GetTopLevelFrame() const;
    CWnd* GetTopLevelParent() const;
    CWnd* GetTopLevelOwner() const;
    CWnd* GetParentOwner() const;
    CWnd* GetOwner() const;
    void SetOwner(CWnd* pOwnerWnd);
    CWnd* GetWindow(UINT nCmd) const;
    CWnd* GetTopWindow() const;
    CWnd* GetNextWindow(UINT nFlag = GW_HWNDNEXT) const;
    CWnd* GetDescendantWindow(int nID, BOOL bOnlyPerm = FALSE) const;
    static CWnd* GetDescendantWindow(HWND hWnd, int nID, BOOL bOnlyPerm);
    CWnd* GetLastActivePopup() const;
    static CWnd* GetDesktopWindow();
    static CWnd* GetActiveWindow();
    CWnd* SetActiveWindow();
    static CWnd* GetForegroundWindow();
    BOOL SetForegroundWindow();
    static CWnd* FindWindow(LPCTSTR lpszClassName, LPCTSTR lpszWindowName);

    // Focus and capture.
    CWnd* SetFocus();
    static CWnd* GetFocus();
    CWnd* SetCapture();
    static CWnd* GetCapture();
    static BOOL ReleaseCapture() { return ::ReleaseCapture(); }

    // Menus.
    CMenu* GetMenu() const;
    BOOL SetMenu(CMenu* pMenu);
    void DrawMenuBar();
    CMenu* GetSystemMenu(BOOL bRevert) const;

    // Scroll bars.
    int SetScrollPos(int nBar, int nPos, BOOL bRedraw = TRUE);
    int GetScrollPos(int nBar) const;
    void SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw = TRUE);
    void GetScrollRange(int nBar, LPINT lpMinPos, LPINT lpMaxPos) const;
    BOOL SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE);
    BOOL GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL);
    int GetScrollLimit(int nBar);
    void ShowScrollBar(UINT nBar, BOOL bShow = TRUE);
    BOOL EnableScrollBar(int nSBFlags, UINT nArrowFlags = ESB_ENABLE_BOTH);
    void EnableScrollBarCtrl(int nBar, BOOL bEnable = TRUE);
    virtual CScrollBar* GetScrollBarCtrl(int nBar) const;

    // Messages to the user. The box runs modally; PreTranslateMessage is still
    // offered the messages of its loop.
    int MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption = nullptr, UINT nType = MB_OK);

    // Utilities.
    BOOL FlashWindow(BOOL bInvert);
    void DragAcceptFiles(BOOL bAccept = TRUE);
    BOOL OpenClipboard();
    static CWnd* GetSafeOwner(CWnd* pParent = nullptr, HWND* pWndTop = nullptr);
    BOOL UpdateData(BOOL bSaveAndValidate = TRUE);
    virtual void DoDataExchange(CDataExchange* pDX);
    void UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);
    // The tool under point (client coordinates): by default the visible child
    // window there, as a whole-window tool asking its text by callback. Fills
    // pTI (when given) and answers the tool's id, -1 when there is none.
    virtual INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const;
    // Marks the window as one that shows tooltips; answers the previous state.
    BOOL EnableToolTips(BOOL bEnable = TRUE);

    UINT m_nFlags = 0;

protected:
    WNDPROC m_pfnSuper = nullptr;   // the window procedure the window had before ours
    int m_nModalResult = -1;
    HWND m_hWndOwner = nullptr;     // owner set before creation (SetOwner on a child)

    // Standard message handlers: CWnd's own versions do the default handling
    // (and, for the messages listed at the top, the reflection to the control).
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg BOOL OnNcCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnNcDestroy();
    afx_msg void OnPaint();
    afx_msg void OnNcPaint();
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg void OnSize(UINT nType, int cx, int cy);
    afx_msg void OnMove(int x, int y);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    afx_msg void OnClose();
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnMButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnMButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt);
    afx_msg void OnMouseLeave();
    afx_msg void OnMouseHover(UINT nFlags, CPoint point);
    afx_msg int OnMouseActivate(CWnd* pDesktopWnd, UINT nHitTest, UINT message);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSysCommand(UINT nID, LPARAM lParam);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    afx_msg void OnKillFocus(CWnd* pNewWnd);
    afx_msg void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg void OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar);
    afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
    afx_msg BOOL OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message);
    afx_msg UINT OnGetDlgCode();
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcCalcSize(BOOL bCalcValidRects, NCCALCSIZE_PARAMS* lpncsp);
    afx_msg BOOL OnNcActivate(BOOL bActive);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcLButtonDblClk(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonDown(UINT nHitTest, CPoint point);
    afx_msg void OnNcRButtonUp(UINT nHitTest, CPoint point);
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnCaptureChanged(CWnd* pWnd);
    afx_msg void OnSettingChange(UINT uFlags, LPCTSTR lpszSection);
    afx_msg void OnSysColorChange();
    afx_msg void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT lpDrawItemStruct);
    afx_msg void OnMeasureItem(int nIDCtl, LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    afx_msg void OnDeleteItem(int nIDCtl, LPDELETEITEMSTRUCT lpDeleteItemStruct);
    afx_msg int OnCompareItem(int nIDCtl, LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    afx_msg void OnContextMenu(CWnd* pWnd, CPoint pos);
    afx_msg void OnShowWindow(BOOL bShow, UINT nStatus);
    afx_msg void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized);
    afx_msg void OnActivateApp(BOOL bActive, DWORD dwThreadID);
    afx_msg void OnInitMenu(CMenu* pMenu);
    afx_msg void OnInitMenuPopup(CMenu* pPopupMenu, UINT nIndex, BOOL bSysMenu);
    afx_msg void OnMenuSelect(UINT nItemID, UINT nFlags, HMENU hSysMenu);
    afx_msg void OnEnterMenuLoop(BOOL bIsTrackPopupMenu);
    afx_msg void OnExitMenuLoop(BOOL bIsTrackPopupMenu);
    afx_msg void OnGetMinMaxInfo(MINMAXINFO* lpMMI);
    afx_msg void OnWindowPosChanged(WINDOWPOS* lpwndpos);
    afx_msg void OnWindowPosChanging(WINDOWPOS* lpwndpos);
    afx_msg void OnStyleChanged(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    afx_msg void OnStyleChanging(int nStyleType, LPSTYLESTRUCT lpStyleStruct);
    afx_msg void OnEnable(BOOL bEnable);
    afx_msg void OnTimeChange();
    afx_msg void OnCancelMode();
    afx_msg void OnDropFiles(HDROP hDropInfo);
    afx_msg BOOL OnHelpInfo(HELPINFO* pHelpInfo);
    afx_msg void OnParentNotify(UINT message, LPARAM lParam);
    afx_msg BOOL OnCopyData(CWnd* pWnd, COPYDATASTRUCT* pCopyDataStruct);
    afx_msg void OnSizing(UINT fwSide, LPRECT pRect);
    afx_msg void OnEnterIdle(UINT nWhy, CWnd* pWho);
    afx_msg BOOL OnQueryEndSession();
    afx_msg void OnEndSession(BOOL bEnding);
    afx_msg LRESULT OnThemeChanged();
    afx_msg void OnPrintClient(CDC* pDC, UINT nFlags);

    DECLARE_MESSAGE_MAP()

private:
    friend LRESULT CALLBACK AfxWndProc(HWND, UINT, WPARAM, LPARAM);
    friend class CDialog;
    friend class CWinThread;
    BOOL DispatchMapEntry(UINT message, UINT nCode, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    BOOL OnCtlColorMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
};

// Standard window messages. The handler signatures are those of the CWnd
// handlers above; a class declares its own handler with the same signature.
#define AFX_WM(msg, ...) {(UINT)(msg), 0, 0, 0, AFX_THUNK(__VA_ARGS__)},
#define AFX_WM_VOID(msg, call) AFX_WM(msg, _pThis->call; AFX_SET_RESULT(pResult, 0); return TRUE;)
#define AFX_WM_RET(msg, call) AFX_WM(msg, AFX_SET_RESULT(pResult, _pThis->call); return TRUE;)

#define ON_WM_CREATE() AFX_WM_RET(WM_CREATE, OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)))
#define ON_WM_NCCREATE() AFX_WM_RET(WM_NCCREATE, OnNcCreate(reinterpret_cast<LPCREATESTRUCT>(lParam)))
#define ON_WM_DESTROY() AFX_WM_VOID(WM_DESTROY, OnDestroy())
#define ON_WM_NCDESTROY() AFX_WM_VOID(WM_NCDESTROY, OnNcDestroy())
#define ON_WM_PAINT() AFX_WM_VOID(WM_PAINT, OnPaint())
#define ON_WM_NCPAINT() AFX_WM_VOID(WM_NCPAINT, OnNcPaint())
#define ON_WM_ERASEBKGND() AFX_WM_RET(WM_ERASEBKGND, OnEraseBkgnd(CDC::FromHandle(reinterpret_cast<HDC>(wParam))))
#define ON_WM_SIZE() AFX_WM_VOID(WM_SIZE, OnSize((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam)))
#define ON_WM_MOVE() AFX_WM_VOID(WM_MOVE, OnMove((short)LOWORD(lParam), (short)HIWORD(lParam)))
#define ON_WM_TIMER() AFX_WM_VOID(WM_TIMER, OnTimer((UINT_PTR)wParam))
#define ON_WM_CLOSE() AFX_WM_VOID(WM_CLOSE, OnClose())
#define AFX_WM_MOUSE(msg, fn) AFX_WM_VOID(msg, fn((UINT)wParam, CPoint(lParam)))
#define ON_WM_LBUTTONDOWN() AFX_WM_MOUSE(WM_LBUTTONDOWN, OnLButtonDown)
#define ON_WM_LBUTTONUP() AFX_WM_MOUSE(WM_LBUTTONUP, OnLButtonUp)
#define ON_WM_LBUTTONDBLCLK() AFX_WM_MOUSE(WM_LBUTTONDBLCLK, OnLButtonDblClk)
#define ON_WM_RBUTTONDOWN() AFX_WM_MOUSE(WM_RBUTTONDOWN, OnRButtonDown)
#define ON_WM_RBUTTONUP() AFX_WM_MOUSE(WM_RBUTTONUP, OnRButtonUp)
#define ON_WM_RBUTTONDBLCLK() AFX_WM_MOUSE(WM_RBUTTONDBLCLK, OnRButtonDblClk)
#define ON_WM_MBUTTONDOWN() AFX_WM_MOUSE(WM_MBUTTONDOWN, OnMButtonDown)
#define ON_WM_MBUTTONUP() AFX_WM_MOUSE(WM_MBUTTONUP, OnMButtonUp)
#define ON_WM_MBUTTONDBLCLK() AFX_WM_MOUSE(WM_MBUTTONDBLCLK, OnMButtonDblClk)
#define ON_WM_MOUSEMOVE() AFX_WM_MOUSE(WM_MOUSEMOVE, OnMouseMove)
#define ON_WM_MOUSEHOVER() AFX_WM_MOUSE(WM_MOUSEHOVER, OnMouseHover)
#define ON_WM_MOUSEWHEEL() \
    AFX_WM_RET(WM_MOUSEWHEEL, OnMouseWheel(GET_KEYSTATE_WPARAM(wParam), GET_WHEEL_DELTA_WPARAM(wParam), CPoint(lParam)))
#define ON_WM_MOUSELEAVE() AFX_WM_VOID(WM_MOUSELEAVE, OnMouseLeave())
#define ON_WM_MOUSEACTIVATE() \
    AFX_WM_RET(WM_MOUSEACTIVATE, OnMouseActivate(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), \
                                                 LOWORD(lParam), HIWORD(lParam)))
#define AFX_WM_KEY(msg, fn) AFX_WM_VOID(msg, fn((UINT)wParam, LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_KEYDOWN() AFX_WM_KEY(WM_KEYDOWN, OnKeyDown)
#define ON_WM_KEYUP() AFX_WM_KEY(WM_KEYUP, OnKeyUp)
#define ON_WM_CHAR() AFX_WM_KEY(WM_CHAR, OnChar)
#define ON_WM_SYSKEYDOWN() AFX_WM_KEY(WM_SYSKEYDOWN, OnSysKeyDown)
#define ON_WM_SYSKEYUP() AFX_WM_KEY(WM_SYSKEYUP, OnSysKeyUp)
#define ON_WM_SYSCHAR() AFX_WM_KEY(WM_SYSCHAR, OnSysChar)
#define ON_WM_SYSCOMMAND() AFX_WM_VOID(WM_SYSCOMMAND, OnSysCommand((UINT)wParam, lParam))
#define ON_WM_SETFOCUS() AFX_WM_VOID(WM_SETFOCUS, OnSetFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))))
#define ON_WM_KILLFOCUS() AFX_WM_VOID(WM_KILLFOCUS, OnKillFocus(CWnd::FromHandle(reinterpret_cast<HWND>(wParam))))
#define ON_WM_HSCROLL() \
    AFX_WM_VOID(WM_HSCROLL, OnHScroll(LOWORD(wParam), HIWORD(wParam), \
                                      reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam)))))
#define ON_WM_VSCROLL() \
    AFX_WM_VOID(WM_VSCROLL, OnVScroll(LOWORD(wParam), HIWORD(wParam), \
                                      reinterpret_cast<CScrollBar*>(CWnd::FromHandle(reinterpret_cast<HWND>(lParam)))))
// Every WM_CTLCOLORxxx arrives here as WM_CTLCOLOR with an AFX_CTLCOLOR in lParam.
#define ON_WM_CTLCOLOR() \
    AFX_WM(WM_CTLCOLOR, auto* _c = reinterpret_cast<AFX_CTLCOLOR*>(lParam); \
           AFX_SET_RESULT(pResult, _pThis->OnCtlColor(CDC::FromHandle(_c->hDC), CWnd::FromHandle(_c->hWnd), _c->nCtlType)); \
           return TRUE;)
#define ON_WM_SETCURSOR() \
    AFX_WM_RET(WM_SETCURSOR, OnSetCursor(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), LOWORD(lParam), HIWORD(lParam)))
#define ON_WM_GETDLGCODE() AFX_WM_RET(WM_GETDLGCODE, OnGetDlgCode())
#define ON_WM_NCHITTEST() AFX_WM_RET(WM_NCHITTEST, OnNcHitTest(CPoint(lParam)))
#define ON_WM_NCCALCSIZE() \
    AFX_WM_VOID(WM_NCCALCSIZE, OnNcCalcSize((BOOL)wParam, reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)))
#define ON_WM_NCACTIVATE() AFX_WM_RET(WM_NCACTIVATE, OnNcActivate((BOOL)wParam))
#define AFX_WM_NCMOUSE(msg, fn) AFX_WM_VOID(msg, fn((UINT)wParam, CPoint(lParam)))
#define ON_WM_NCLBUTTONDOWN() AFX_WM_NCMOUSE(WM_NCLBUTTONDOWN, OnNcLButtonDown)
#define ON_WM_NCLBUTTONUP() AFX_WM_NCMOUSE(WM_NCLBUTTONUP, OnNcLButtonUp)
#define ON_WM_NCLBUTTONDBLCLK() AFX_WM_NCMOUSE(WM_NCLBUTTONDBLCLK, OnNcLButtonDblClk)
#define ON_WM_NCRBUTTONDOWN() AFX_WM_NCMOUSE(WM_NCRBUTTONDOWN, OnNcRButtonDown)
#define ON_WM_NCRBUTTONUP() AFX_WM_NCMOUSE(WM_NCRBUTTONUP, OnNcRButtonUp)
#define ON_WM_NCMOUSEMOVE() AFX_WM_NCMOUSE(WM_NCMOUSEMOVE, OnNcMouseMove)
#define ON_WM_CAPTURECHANGED() \
    AFX_WM_VOID(WM_CAPTURECHANGED, OnCaptureChanged(CWnd::FromHandle(reinterpret_cast<HWND>(lParam))))
#define ON_WM_SETTINGCHANGE() \
    AFX_WM_VOID(WM_SETTINGCHANGE, OnSettingChange((UINT)wParam, reinterpret_cast<LPCTSTR>(lParam)))
#define ON_WM_SYSCOLORCHANGE() AFX_WM_VOID(WM_SYSCOLORCHANGE, OnSysColorChange())
#define ON_WM_DRAWITEM() \
    AFX_WM(WM_DRAWITEM, _pThis->OnDrawItem((int)wParam, reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); \
           AFX_SET_RESULT(pResult, TRUE); return TRUE;)
#define ON_WM_MEASUREITEM() \
    AFX_WM(WM_MEASUREITEM, _pThis->OnMeasureItem((int)wParam, reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)); \
           AFX_SET_RESULT(pResult, TRUE); return TRUE;)
#define ON_WM_DELETEITEM() \
    AFX_WM_VOID(WM_DELETEITEM, OnDeleteItem((int)wParam, reinterpret_cast<LPDELETEITEMSTRUCT>(lParam)))
#define ON_WM_COMPAREITEM() \
    AFX_WM_RET(WM_COMPAREITEM, OnCompareItem((int)wParam, reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam)))
#define ON_WM_CONTEXTMENU() \
    AFX_WM_VOID(WM_CONTEXTMENU, OnContextMenu(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), CPoint(lParam)))
#define ON_WM_SHOWWINDOW() AFX_WM_VOID(WM_SHOWWINDOW, OnShowWindow((BOOL)wParam, (UINT)lParam))
#define ON_WM_ACTIVATE() \
    AFX_WM_VOID(WM_ACTIVATE, OnActivate(LOWORD(wParam), CWnd::FromHandle(reinterpret_cast<HWND>(lParam)), \
                                        (BOOL)HIWORD(wParam)))
#define ON_WM_ACTIVATEAPP() AFX_WM_VOID(WM_ACTIVATEAPP, OnActivateApp((BOOL)wParam, (DWORD)lParam))
#define ON_WM_INITMENU() AFX_WM_VOID(WM_INITMENU, OnInitMenu(CMenu::FromHandle(reinterpret_cast<HMENU>(wParam))))
#define ON_WM_INITMENUPOPUP() \
    AFX_WM_VOID(WM_INITMENUPOPUP, OnInitMenuPopup(CMenu::FromHandle(reinterpret_cast<HMENU>(wParam)), \
                                                  LOWORD(lParam), (BOOL)HIWORD(lParam)))
#define ON_WM_MENUSELECT() \
    AFX_WM_VOID(WM_MENUSELECT, OnMenuSelect(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HMENU>(lParam)))
#define ON_WM_ENTERMENULOOP() AFX_WM_VOID(WM_ENTERMENULOOP, OnEnterMenuLoop((BOOL)wParam))
#define ON_WM_EXITMENULOOP() AFX_WM_VOID(WM_EXITMENULOOP, OnExitMenuLoop((BOOL)wParam))
#define ON_WM_GETMINMAXINFO() AFX_WM_VOID(WM_GETMINMAXINFO, OnGetMinMaxInfo(reinterpret_cast<MINMAXINFO*>(lParam)))
#define ON_WM_WINDOWPOSCHANGED() \
    AFX_WM_VOID(WM_WINDOWPOSCHANGED, OnWindowPosChanged(reinterpret_cast<WINDOWPOS*>(lParam)))
#define ON_WM_WINDOWPOSCHANGING() \
    AFX_WM_VOID(WM_WINDOWPOSCHANGING, OnWindowPosChanging(reinterpret_cast<WINDOWPOS*>(lParam)))
#define ON_WM_STYLECHANGED() \
    AFX_WM_VOID(WM_STYLECHANGED, OnStyleChanged((int)wParam, reinterpret_cast<LPSTYLESTRUCT>(lParam)))
#define ON_WM_STYLECHANGING() \
    AFX_WM_VOID(WM_STYLECHANGING, OnStyleChanging((int)wParam, reinterpret_cast<LPSTYLESTRUCT>(lParam)))
#define ON_WM_ENABLE() AFX_WM_VOID(WM_ENABLE, OnEnable((BOOL)wParam))
#define ON_WM_TIMECHANGE() AFX_WM_VOID(WM_TIMECHANGE, OnTimeChange())
#define ON_WM_CANCELMODE() AFX_WM_VOID(WM_CANCELMODE, OnCancelMode())
#define ON_WM_DROPFILES() AFX_WM_VOID(WM_DROPFILES, OnDropFiles(reinterpret_cast<HDROP>(wParam)))
#define ON_WM_HELPINFO() AFX_WM_RET(WM_HELP, OnHelpInfo(reinterpret_cast<HELPINFO*>(lParam)))
#define ON_WM_PARENTNOTIFY() AFX_WM_VOID(WM_PARENTNOTIFY, OnParentNotify(LOWORD(wParam), lParam))
#define ON_WM_COPYDATA() \
    AFX_WM_RET(WM_COPYDATA, OnCopyData(CWnd::FromHandle(reinterpret_cast<HWND>(wParam)), \
                                       reinterpret_cast<COPYDATASTRUCT*>(lParam)))
#define ON_WM_SIZING() AFX_WM_VOID(WM_SIZING, OnSizing((UINT)wParam, reinterpret_cast<LPRECT>(lParam)))
#define ON_WM_ENTERIDLE() \
    AFX_WM_VOID(WM_ENTERIDLE, OnEnterIdle((UINT)wParam, CWnd::FromHandle(reinterpret_cast<HWND>(lParam))))
#define ON_WM_QUERYENDSESSION() AFX_WM_RET(WM_QUERYENDSESSION, OnQueryEndSession())
#define ON_WM_ENDSESSION() AFX_WM_VOID(WM_ENDSESSION, OnEndSession((BOOL)wParam))
#define ON_WM_THEMECHANGED() AFX_WM_RET(WM_THEMECHANGED, OnThemeChanged())
#define ON_WM_PRINTCLIENT() \
    AFX_WM_VOID(WM_PRINTCLIENT, OnPrintClient(CDC::FromHandle(reinterpret_cast<HDC>(wParam)), (UINT)lParam))

// Reflected to the control itself (its own map).
#define ON_WM_CTLCOLOR_REFLECT() \
    {WM_REFLECT_BASE + WM_CTLCOLOR, 0, 0, 0, \
     AFX_THUNK(auto* _c = reinterpret_cast<AFX_CTLCOLOR*>(lParam); \
               HBRUSH _b = _pThis->CtlColor(CDC::FromHandle(_c->hDC), _c->nCtlType); \
               AFX_SET_RESULT(pResult, _b); return _b != nullptr;)},
#define ON_WM_DRAWITEM_REFLECT() \
    AFX_WM(WM_REFLECT_BASE + WM_DRAWITEM, _pThis->DrawItem(reinterpret_cast<LPDRAWITEMSTRUCT>(lParam)); \
           AFX_SET_RESULT(pResult, TRUE); return TRUE;)
#define ON_WM_MEASUREITEM_REFLECT() \
    AFX_WM(WM_REFLECT_BASE + WM_MEASUREITEM, _pThis->MeasureItem(reinterpret_cast<LPMEASUREITEMSTRUCT>(lParam)); \
           AFX_SET_RESULT(pResult, TRUE); return TRUE;)
#define ON_WM_DELETEITEM_REFLECT() \
    AFX_WM_VOID(WM_REFLECT_BASE + WM_DELETEITEM, DeleteItem(reinterpret_cast<LPDELETEITEMSTRUCT>(lParam)))
#define ON_WM_COMPAREITEM_REFLECT() \
    AFX_WM_RET(WM_REFLECT_BASE + WM_COMPAREITEM, CompareItem(reinterpret_cast<LPCOMPAREITEMSTRUCT>(lParam)))
#define ON_WM_HSCROLL_REFLECT() AFX_WM_VOID(WM_REFLECT_BASE + WM_HSCROLL, HScroll(LOWORD(wParam), HIWORD(wParam)))
#define ON_WM_VSCROLL_REFLECT() AFX_WM_VOID(WM_REFLECT_BASE + WM_VSCROLL, VScroll(LOWORD(wParam), HIWORD(wParam)))
#define ON_WM_PARENTNOTIFY_REFLECT() \
    AFX_WM_VOID(WM_REFLECT_BASE + WM_PARENTNOTIFY, ParentNotify(LOWORD(wParam), lParam))
