#pragma once
// The window under every command bar: it owns the bar's controls, finds the
// paint manager, image manager and the windows it reports to, draws itself
// with its controls, updates their command states at idle time, takes dragged
// controls while the user customizes and answers accessibility queries. Its
// selection, tracking, mouse and keyboard handling live in the Tracking, Mouse
// and Keys files. Layout and drawing work without a window, so bars can be
// measured and painted into any DC. Reference counted: the final release
// destroys a live window first.
#include "Framework.h"
#include "CList.h"
#include "CXTPAccessible.h"
#include "CXTPWindowHookClient.h"
#include "CommandBarDefs.h"

class CXTPCommandBar;
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

// Tracking modes.
enum XTPBarTracking { xtpTrackingOff = 0, xtpTrackingKeyboard = 1, xtpTrackingPopup = 2 };

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

// State bits served at the next idle update.
#define XTP_BARSTATE_LAYOUT 1
#define XTP_BARSTATE_REDRAW 2

// The effect of a drop that put a control back on its own place: the drag
// source must not remove it.
#define XTP_DROPEFFECT_CANCEL 5

// Timers on the bar window: hover opens a submenu; a rested popup expands.
#define XTP_TID_HOVER 112223
#define XTP_TID_EXPANDED_POPUP 112224

// The bars the bar-state persistence collects.
typedef CList<CXTPCommandBar*, CXTPCommandBar*> CXTPCommandBarList;

class CXTPCommandBar : public CWnd, public CXTPWindowHookClient, public CXTPAccessible {
    DECLARE_DYNCREATE(CXTPCommandBar)
public:
    CXTPCommandBar();
    ~CXTPCommandBar() override;

    // Virtual operations, in slot order.
    virtual void DelayRedraw() { m_dwState |= XTP_BARSTATE_REDRAW; }
    // 0 off, 1 keyboard tracking, 2 a popup is open from this bar.
    virtual BOOL SetTrackingMode(int bMode, BOOL bSelectFirst = TRUE, BOOL bKeyboard = FALSE);
    virtual BOOL SetSelected(int nSelected, BOOL bKeyboard = FALSE);
    virtual BOOL LoadToolBar(UINT /*nIDResource*/, BOOL /*bLoadIcons*/ = TRUE) { return FALSE; }
    virtual BOOL Popup(CXTPControl* /*pControl*/, BOOL /*bSelectFirst*/ = FALSE) { return FALSE; }
    virtual void SetVisible(BOOL /*bVisible*/) {}
    virtual BOOL IsVisible() const { return FALSE; }
    virtual BOOL SetPosition(int /*barPosition*/) { return FALSE; }
    virtual DWORD OnCustomizeDragEnter(CXTPControl* pDataObject, CPoint point);
    virtual void OnCustomizeDragLeave();
    virtual DWORD OnCustomizeDragOver(CXTPControl* pDataObject, CPoint point);
    // ptDrag: where the drag started (client coordinates).
    virtual void OnCustomizeDrop(CXTPControl* pDataObject, DWORD& dropEffect, CPoint ptDrop, CPoint ptDrag);
    virtual BOOL IsCustomizable() const { return m_bCustomizable; }
    virtual void OnRecalcLayout() {}
    virtual void OnControlSelected(int bSelected, CXTPControl* pControl);
    virtual CXTPCommandBar* GetParentCommandBar() const { return nullptr; }
    // TRUE for a bar that is resized freely.
    virtual BOOL IsDialogBar() const { return FALSE; }
    virtual void DoPropExchange(CXTPPropExchange* pPX);
    virtual BOOL IsKeyboardCuesVisible() const { return TRUE; }
    // 0 not for this bar, 1 handled (swallowed), 2 not handled (goes on).
    virtual int OnKeyDown(UINT nChar, LPARAM lParam);
    virtual CSize CalcDockingLayout(int /*nLength*/, DWORD /*dwMode*/) { return CSize(0, 0); }
    virtual BOOL OnNavigate(int nCode);
    virtual void DrawCommandBar(CDC* pDC);
    virtual void OnControlsChanged();
    virtual void Copy(CXTPCommandBar* pCommandBar, BOOL bRecursive = FALSE);
    // 1 the screen point is in the bar, 0 not; -2 asks the mouse tracker to skip the bar.
    virtual int IsPointInBar(CPoint point) const;
    // Adds the bar to the list unless it is listed already.
    virtual void AddToBarList(CXTPCommandBarList* pList);
    virtual void OnUpdateCmdUI(BOOL bDisableIfNoHndler = FALSE);
    virtual CXTPCommandBar* Clone(BOOL bRecursive = FALSE);

    // Sizes the paint manager reads when it measures and draws controls.
    virtual CSize GetIconSize() const { return m_szIcons; }
    void SetIconSize(CSize size) { m_szIcons = size; }
    virtual CSize GetBarIconSize() const;
    virtual CSize GetButtonSize() const;
    void SetButtonSize(CSize size) { m_szButtons = size; }
    virtual int GetShowTextBelowIcons() const { return 0; }

    // Selection and tracking.
    // Opens or closes the popup of a control; -1 closes the open one.
    BOOL SetPopuped(int nPopuped, BOOL bKeyboard = FALSE);
    void EndTracking() { SetTrackingMode(xtpTrackingOff, TRUE, FALSE); }
    // The control whose mnemonic is nChar after the selection, or -1;
    // bMultiple tells that more than one control has it.
    int FindAccelControl(UINT nChar, BOOL& bMultiple);
    int GetSelectedIndex() const { return m_nSelected; }
    int GetPopupedIndex() const { return m_nPopuped; }
    CXTPControl* GetSelected() const { return GetAt(m_nSelected); }
    int GetTrackingMode() const { return m_bTracking; }
    BOOL IsTrackingMode() const { return m_bTracking != xtpTrackingOff; }
    BOOL IsKeyboardSelected() const { return m_bKeyboardSelect; }
    BOOL IsMouseStartedTracking() const { return m_bMouseStartedTracking; }
    int GetStatusIndex() const { return m_nStatusIndex; }
    void SetStatusIndex(int nIndex) { m_nStatusIndex = nIndex; }
    // While above 0 the bar ignores mouse moves, hover timers and keys; the
    // mouse tracker raises and lowers it for all tracked bars.
    int GetLockCount() const { return m_nLockCount; }
    void SetLockCount(int nLockCount) { m_nLockCount = nLockCount; }
    // The root bar's switches set by popup bars.
    BOOL IsRightButtonAsLeft() const { return m_bRightButtonAsLeft; }
    void SetRightButtonAsLeft(BOOL bOn) { m_bRightButtonAsLeft = bOn; }
    BOOL IsUpdateSuppressed() const { return m_bUpdateSuppressed; }
    void SetUpdateSuppressed(BOOL bOn) { m_bUpdateSuppressed = bOn; }

    // The keyboard tracker's call while the bar tracks.
    int OnHookMessage(HWND hWnd, UINT nMessage, WPARAM& wParam, LPARAM& lParam, LRESULT& lResult) override;
    // The beep of a key that matches no control; tests hand in their own.
    static BOOL(WINAPI* s_pfnMessageBeep)(UINT);

    CXTPControls* GetControls() const { return m_pControls; }
    CXTPControl* GetAt(int nIndex) const;
    BOOL LoadMenu(CMenu* pMenu, BOOL bRemoveControls = TRUE);

    // Services and windows, each along its fall-back chain.
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
    CXTPToolTipContext* GetToolTipContext() const { return m_pToolTipContext; }

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
    void SetCustomizable(BOOL bCustomizable) { m_bCustomizable = bCustomizable; }
    BOOL IsContextMenuPresent() const { return m_bContextMenuPresent; }
    void SetContextMenuPresent(BOOL bPresent) { m_bContextMenuPresent = bPresent; }
    // Where a dragged control would land while customizing; empty when nowhere.
    CRect GetDropMarker() const { return m_rcMarker; }

    DWORD GetState() const { return m_dwState; }
    void SetState(DWORD dwState) { m_dwState = dwState; }
    void DelayLayout() { m_dwState |= XTP_BARSTATE_LAYOUT; }
    // Redraw lock: nested changes invalidate once, at the outermost unlock.
    void LockRedraw() { ++m_nLockRedraw; }
    void UnlockRedraw();
    BOOL IsRedrawLocked() const { return m_nLockRedraw > 0; }
    void RedrawNow();
    // Invalidates this bar and every bar it was opened from.
    void InvalidateParents();
    BOOL IsRTL() const;

    // The result pointer and modal flag of a popup run by TrackPopupMenu.
    int* GetReturnCmd() const { return m_pReturnCmd; }
    void SetReturnCmd(int* pReturnCmd) { m_pReturnCmd = pReturnCmd; }
    BOOL IsTrackingModal() const { return m_bTrackingModal; }
    void SetTrackingModal(BOOL bModal) { m_bTrackingModal = bModal; }
    // Closes the menus of an executed command: a modal popup leaves tracking.
    void EndMenus();
    // The description of a control on the site's status line; empty: the idle text.
    void SetStatusText(const CString& strText);

    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

    // Accessibility: the bar is the object, its controls are children 1..count.
    HRESULT QueryAccParent(IDispatch** ppdispParent) override;
    HRESULT QueryAccChildCount(long* pcountChildren) override;
    HRESULT QueryAccChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT QueryAccName(VARIANT varChild, BSTR* pszName) override;
    HRESULT QueryAccRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT QueryAccState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT HandleAccLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
    HRESULT HandleAccHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    CCmdTarget* AccIdentityTarget() override { return this; }

protected:
    void OnFinalRelease() override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    // Where a dragged control would land: the marker rectangle, the index of
    // the control it lands beside (-1 on an empty bar) and whether after it.
    void FindDropPosition(CXTPControl* pDataObject, CPoint point, CRect& rcMarker, int& nIndex, BOOL& bAfter);
    // Inverts the I-shaped drop marker; drawing it twice erases it.
    void DrawDropMarker(CDC* pDC);
    // Popup menus and side-docked bars lay their controls out top to bottom.
    BOOL IsVerticalLayout() const;
    // The control accessibility child varChild (1-based) stands for; null
    // for the bar itself and outside 1..count.
    CXTPControl* GetAccChild(const VARIANT& varChild) const;

    // Part of the bar's own messages.
    afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct);
    afx_msg void OnDestroy();
    afx_msg void OnPaint();
    afx_msg LRESULT OnPrintClient(WPARAM wParam, LPARAM lParam);
    afx_msg BOOL OnEraseBkgnd(CDC* pDC);
    afx_msg LRESULT OnIdleUpdateCmdUI(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnInitialUpdate(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnHelpHitTest(WPARAM wParam, LPARAM lParam);
    afx_msg LRESULT OnNcHitTest(CPoint point);
    afx_msg void OnNcLButtonDown(UINT nHitTest, CPoint point);
    afx_msg LRESULT OnGetObject(WPARAM wParam, LPARAM lParam);
    // Mouse and timers (Mouse and Tracking files).
    afx_msg void OnMouseMove(UINT nFlags, CPoint point);
    afx_msg void OnMouseLeave();
    afx_msg void OnNcMouseMove(UINT nHitTest, CPoint point);
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnLButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnRButtonUp(UINT nFlags, CPoint point);
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()
    DECLARE_INTERFACE_MAP()

    // Up (FALSE) or down (TRUE) between the rows of a popup toolbar or a floating bar.
    void MoveToAdjacentRow(BOOL bDown);

    // The framework's context-help mode of the command bars' frame.
    BOOL IsHelpMode() const;
    // The control the customize dialog works on; none without customizing.
    CXTPControl* GetCustomizeSelected() const;
    // The menu resource of the active document; 0 when none is told.
    UINT GetActiveMenuId() const;
    // Shows the controls assigned to the active document's menu and hides
    // those excluded from it (hide flag xtpHideDocTemplate).
    void UpdateDocTemplateVisibility(UINT nActiveMenuId);

    int m_nDerivedValue = 0;   // kept by derived bars
    BOOL m_bHideCaret = TRUE;
    int m_nMRUWidth = 32767;
    int m_nSelected = -1;
    int m_nPopuped = -1;
    HWND m_hwndFocus = nullptr;
    int m_nBarID = 0;
    BOOL m_bVisible = TRUE;
    int m_bTracking = xtpTrackingOff;
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
    CSize m_szButtons{0, 0};       // the two ints kept by derived bars
    int m_nDerivedMode = 2;        // kept by derived bars
    BOOL m_bRightButtonAsLeft = FALSE;
    BOOL m_bUpdateSuppressed = FALSE;
    BOOL m_bTrackingModal = FALSE;
    int m_nLockCount = 0;
    BOOL m_bKeyboardSelect = FALSE;
    BOOL m_bCloseable = FALSE;
    BOOL m_bCustomizable = TRUE;
    CRect m_rcMarker;
    BOOL m_bContextMenuPresent = TRUE;
    BOOL m_bMouseStartedTracking = FALSE;
    int m_nLockRedraw = 0;
    CXTPPaintManager* m_pPaintManager = nullptr;
    CXTPImageManager* m_pImageManager = nullptr;
    CXTPToolTipContext* m_pToolTipContext = nullptr;
    int m_nStatusIndex = -1;
    int* m_pReturnCmd = nullptr;   // where a modal popup leaves the executed command
};
