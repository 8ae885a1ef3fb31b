#pragma once
// The window under every command bar: it owns the bar's controls, finds the
// paint manager, image manager and the windows it reports to, draws itself
// with its controls and updates their command states at idle time. Layout and
// drawing work without a window, so bars can be measured and painted into any
// DC. Reference counted: the final release destroys a live window first.
#include "Framework.h"
#include "CXTPAccessible.h"
#include "CommandBarDefs.h"
#include "CXTPWindowHookClient.h"

class CXTPCommandBars;
class CXTPControl;
class CXTPControls;
class CXTPImageManager;
class CXTPPaintManager;
class CXTPPropExchange;
class CXTPToolTipContext;

enum XTPBarType { xtpBarTypeMenuBar = 0, xtpBarTypeNormal = 1, xtpBarTypePopup = 2 };
enum XTPBarPosition {
    xtpBarTop = 0,
    xtpBarBottom = 1,
    xtpBarLeft = 2,
    xtpBarRight = 3,
    xtpBarFloating = 4,
    xtpBarPopup = 5,
    xtpBarListBox = 6,
    xtpBarNone = 7
};

// Codes of OnNavigate.
enum XTPNavigateCode {
    XTP_NAVIGATE_NEXT = 0,
    XTP_NAVIGATE_PREVIOUS = 1,
    XTP_NAVIGATE_CLOSEPOPUP = 2,
    XTP_NAVIGATE_OPENPOPUP = 3,
    XTP_NAVIGATE_CANCEL = 4,
    XTP_NAVIGATE_EXECUTE = 5,
    XTP_NAVIGATE_FIRST = 6,
    XTP_NAVIGATE_LAST = 7
};

// The hover timer that opens a submenu under a resting mouse.
#define XTP_TID_HOVER 112223

// State bits served at the next idle update.
#define XTP_BARSTATE_LAYOUT 1
#define XTP_BARSTATE_REDRAW 2

class CXTPCommandBar : public CWnd, public CXTPWindowHookClient, public CXTPAccessible {
    DECLARE_DYNCREATE(CXTPCommandBar)
public:
    CXTPCommandBar();
    ~CXTPCommandBar() override;

    virtual void DelayRedraw() { m_dwState |= XTP_BARSTATE_REDRAW; }
    // 0 off, 1 keyboard tracking, 2 a popup is open from this bar.
    virtual BOOL SetTrackingMode(int bMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE);
    virtual BOOL SetSelected(int nSelected, BOOL bKeyboard = FALSE);
    virtual BOOL Popup(CXTPControl* /*pControl*/, BOOL /*bSelectFirst*/ = FALSE) { return FALSE; }
    virtual void SetVisible(BOOL /*bVisible*/) {}
    virtual BOOL IsVisible() const { return FALSE; }
    virtual BOOL SetPosition(int /*barPosition*/) { return FALSE; }
    virtual BOOL IsCustomizable() const { return m_bCustomizable; }
    virtual void OnRecalcLayout() {}
    virtual void OnControlSelected(int bSelected, CXTPControl* pControl);
    virtual CXTPCommandBar* GetParentCommandBar() const { return nullptr; }
    virtual void DoPropExchange(CXTPPropExchange* pPX);
    virtual BOOL IsKeyboardCuesVisible() const { return TRUE; }
    virtual CSize CalcDockingLayout(int /*nLength*/, DWORD /*dwMode*/) { return CSize(0, 0); }
    virtual void DrawCommandBar(CDC* pDC);
    virtual void OnControlsChanged();
    virtual void Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive = FALSE);
    virtual void OnUpdateCmdUI(BOOL bDisableIfNoHndler = FALSE);
    virtual CXTPCommandBar* Clone(BOOL bRecursive = FALSE);
    // 1 handled (swallowed), 2 not handled (goes on to the focus), 0 not for this bar.
    virtual int OnKeyDown(UINT nChar, LPARAM lParam);
    virtual BOOL OnNavigate(int nCode);

    BOOL IsRTL() const { return GetSafeHwnd() && (GetExStyle() & WS_EX_LAYOUTRTL) != 0; }
    void EndTracking() { SetTrackingMode(0, TRUE, FALSE); }
    // The control whose mnemonic the key types, after the selection; -1 none.
    int FindAccelControl(UINT nChar, BOOL& bMultiple);
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;
    int GetLockCount() const { return m_nLockCount; }
    void SetLockCount(int nLockCount) { m_nLockCount = nLockCount; }

    // The beep of a key that matches no control; tests hand in their own.
    static BOOL(WINAPI* s_pfnMessageBeep)(UINT);

    // Sizes the paint manager reads when it measures and draws controls.
    virtual CSize GetIconSize() const { return m_szIcons; }
    void SetIconSize(CSize size) { m_szIcons = size; }
    virtual CSize GetBarIconSize() const;
    virtual CSize GetButtonSize() const;
    void SetButtonSize(CSize size) { m_szButtons = size; }
    virtual int GetShowTextBelowIcons() const { return 0; }

    // Opens or closes the popup of a control; -1 closes the open one.
    BOOL SetPopuped(int nPopuped, BOOL bKeyboard = FALSE);
    int GetSelectedIndex() const { return m_nSelected; }
    int GetPopupedIndex() const { return m_nPopuped; }
    int GetTrackingMode() const { return m_bTracking; }
    int GetStatusIndex() const { return m_nStatusIndex; }
    void SetStatusIndex(int nIndex) { m_nStatusIndex = nIndex; }

    CXTPControls* GetControls() const { return m_pControls; }
    CXTPControl* GetAt(int nIndex) const;
    BOOL LoadMenu(CMenu* pMenu, BOOL bRemoveControls = TRUE);

    CXTPCommandBars* GetCommandBars() const;
    void SetCommandBars(CXTPCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }
    CXTPCommandBar* GetRootParent();
    BOOL IsCustomizeMode() const;
    CWnd* GetSite();
    CWnd* GetOwnerSite();
    void SetOwner(CWnd* pOwner) { m_pOwner = pOwner; }
    void SetNotifyOwner(CWnd* pNotifyOwner) { m_pNotifyOwner = pNotifyOwner; }
    CWnd* GetNotifyOwner() const { return m_pNotifyOwner; }

    CXTPPaintManager* GetPaintManager();
    void SetPaintManager(CXTPPaintManager* pPaintManager);
    CXTPImageManager* GetImageManager();
    void SetImageManager(CXTPImageManager* pImageManager);

    int GetType() const { return m_barType; }
    void SetType(int barType) { m_barType = barType; }
    int GetPosition() const { return m_barPosition; }
    CString GetTitle() const { return m_strTitle; }
    void SetTitle(LPCTSTR lpszTitle) { m_strTitle = lpszTitle; }
    DWORD GetFlags() const { return m_dwFlags; }
    DWORD GetBarStyle() const { return m_dwStyle; }
    void SetBarStyle(DWORD dwStyle) { m_dwStyle = dwStyle; }
    int GetMRUWidth() const { return m_nMRUWidth; }
    void SetMRUWidth(int nWidth) { m_nMRUWidth = nWidth; }
    int GetBarID() const { return m_nBarID; }
    void SetBarID(int nId) { m_nBarID = nId; }

    DWORD GetState() const { return m_dwState; }
    void SetState(DWORD dwState) { m_dwState = dwState; }
    void DelayLayout() { m_dwState |= XTP_BARSTATE_LAYOUT; }
    // Redraw lock: nested changes invalidate once, at the outermost unlock.
    void LockRedraw() { ++m_nLockRedraw; }
    void UnlockRedraw();
    BOOL IsRedrawLocked() const { return m_nLockRedraw > 0; }
    void RedrawNow();

    // The result pointer and modal flag of a popup run by TrackPopupMenu.
    int* GetReturnCmd() const { return m_pReturnCmd; }
    void SetReturnCmd(int* pReturnCmd) { m_pReturnCmd = pReturnCmd; }
    BOOL IsTrackingModal() const { return m_bTrackingModal; }
    void SetTrackingModal(BOOL bModal) { m_bTrackingModal = bModal; }
    // Closes the menus of an executed command: a modal popup leaves tracking.
    void EndMenus();
    void SetStatusText(const CString& strText);

protected:
    void OnFinalRelease() override;
    DECLARE_INTERFACE_MAP()
    DECLARE_MESSAGE_MAP()

    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);

private:
    // Up and down between the rows of a popup toolbar or a floating bar.
    void MoveToAdjacentRow(BOOL bDown);

protected:


    BOOL m_bHideCaret = TRUE;
    int m_nMRUWidth = 32767;
    int m_nSelected = -1;
    int m_nPopuped = -1;
    HWND m_hwndFocus = nullptr;
    int m_nBarID = 0;
    BOOL m_bVisible = TRUE;
    int m_bTracking = 0;
    CWnd* m_pOwner = nullptr;
    DWORD m_dwState = 0;
    DWORD m_dwFlags = 0;
    DWORD m_dwStyle = 0;
    CString m_strTitle;
    int m_barType = xtpBarTypeNormal;
    CXTPControls* m_pControls = nullptr;
    int m_barPosition = xtpBarNone;
    CXTPCommandBars* m_pCommandBars = nullptr;
    CWnd* m_pNotifyOwner = nullptr;
    CSize m_szIcons{0, 0};
    CSize m_szButtons{0, 0};
    BOOL m_bRightButtonAsLeft = FALSE;
    BOOL m_bUpdateSuppressed = FALSE;
    BOOL m_bTrackingModal = FALSE;
    int m_nLockCount = 0;
    BOOL m_bKeyboardSelect = FALSE;
    BOOL m_bCloseable = FALSE;
    BOOL m_bCustomizable = TRUE;
    CRect m_rcMarker;
    BOOL m_bVerticalMarker = FALSE;
    int* m_pReturnCmd = nullptr;
    BOOL m_bContextMenuPresent = TRUE;
    BOOL m_bMouseStartedTracking = FALSE;
    int m_nLockRedraw = 0;
    CXTPPaintManager* m_pPaintManager = nullptr;
    CXTPImageManager* m_pImageManager = nullptr;
    CXTPToolTipContext* m_pToolTipContext = nullptr;
    int m_nStatusIndex = -1;
};
