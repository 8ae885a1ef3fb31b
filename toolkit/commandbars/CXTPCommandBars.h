#pragma once
// The owner of every command bar of a frame: the menu bar, the toolbars, the
// four dock bars and the services they share (options, paint and image
// managers, tooltip context, shortcut manager, customize drop source). The
// frame routes its pre-translated messages and its own window messages here.
// Keys and mnemonics live in CXTPCommandBarsKeys.cpp, frame messages in
// CXTPCommandBarsFrame.cpp, docking in CXTPCommandBarsDocking.cpp,
// customizing and hidden commands in CXTPCommandBarsCustomize.cpp.
// Reference counted: owned parts are released.
#include "Framework.h"
#include "CArray.h"
#include "CXTPCommandBar.h"

class CXTPCommandBarsOptions;
class CXTPControl;
class CXTPCustomizeDropSource;
class CXTPDockBar;
class CXTPImageManager;
class CXTPMouseTracker;
class CXTPPaintManager;
class CXTPShortcutManager;
class CXTPToolBar;
class CXTPToolTipContext;

// Notices the command bars send to the frame.
#define WM_CMDBARS_VISIBILITYCHANGED 0x2855
#define WM_CMDBARS_SELCHANGED 0x2857
#define WM_CMDBARS_CONTEXTMENU 0x285C
#define WM_CMDBARS_CREATECONTROL 0x285E
#define WM_CMDBARS_CONTROLCREATED 0x285F
#define WM_CMDBARS_CREATECOMMANDBAR 0x2861
#define WM_CMDBARS_CONTROLNOTIFY 0x2862

// Command ids of the bars' own entries.
#define XTP_ID_CUSTOMIZE 35001
#define XTP_ID_TOOLBARLIST 59392
// The child id of a rebar in the frame.
#define XTP_ID_REBAR 59396
// Dock bar window ids, top, bottom, left, right.
#define XTP_ID_DOCKBAR_TOP 59419
#define XTP_ID_DOCKBAR_LEFT 59420
#define XTP_ID_DOCKBAR_RIGHT 59421
#define XTP_ID_DOCKBAR_BOTTOM 59422

// The record of WM_CMDBARS_CREATECOMMANDBAR: the frame may hand in a bar of
// its own (pCommandBar) for the one about to be made.
struct XTP_COMMANDBARS_CREATEBAR {
    CXTPCommandBar* pCommandBar;
    BOOL bCustomBar;
    BOOL bPopup;
    BOOL bToolBar;
    BOOL bFloating;
    LPCTSTR lpcstrCaption;
    UINT nID;
};

typedef CArray<CXTPCommandBar*, CXTPCommandBar*> CXTPCommandBarArray;

class CXTPCommandBars : public CCmdTarget {
    DECLARE_DYNCREATE(CXTPCommandBars)
public:
    CXTPCommandBars();
    ~CXTPCommandBars() override;

    // Virtual operations, in slot order.
    // In the hidden set and not in the used set of the options.
    virtual BOOL IsHiddenCommand(UINT nCommand) const;
    virtual BOOL IsControlHidden(CXTPControl* pControl) const;
    virtual UINT GetActiveMenuId() const;
    // A right click on a bar at the screen point: the frame hears of it;
    // nothing in customize mode (answers the mode).
    virtual int ContextMenu(CXTPCommandBar* pBar, CPoint point);
    virtual void OnBarAdded(CXTPCommandBar* pBar);
    virtual void OnBarRemoved(CXTPCommandBar* pBar);
    // A non-zero result goes through unchanged; else cues may hide (answers 0).
    virtual LRESULT OnIdleKeyboardCues(WPARAM wParam, LRESULT lResult);
    virtual CXTPToolBar* AddCustomBar(LPCTSTR lpszTitle, UINT nBarID, BOOL bTearOffBar = FALSE);

    // Creation and frame binding.
    void AttachFrame(CWnd* pFrame);
    CWnd* GetSite() const { return m_pFrame; }
    // The four dock bars, as children of the frame; a failure throws the
    // framework's resource exception.
    void EnableDocking();
    CXTPToolBar* AddToolBar(LPCTSTR lpszTitle, int barPosition = xtpBarTop,
                            CRuntimeClass* pToolbarClass = nullptr);
    CXTPCommandBar* GetMenuBar() const { return m_pMenuBar; }
    // The bar that plays the menu bar: mnemonics look there first.
    void SetMenuBar(CXTPCommandBar* pMenuBar) { m_pMenuBar = pMenuBar; }

    CXTPCommandBar* GetAt(int nIndex) const;
    int GetCount() const { return static_cast<int>(m_arrBars.GetSize()); }
    int IndexOf(CXTPCommandBar* pBar) const;
    CXTPCommandBar* FindCommandBar(UINT nBarID) const;
    CXTPDockBar* GetDockBar(int nPosition) const;

    // Docking: the dock bar within 20 pixels of the screen point, the
    // preferred one tested first.
    CXTPDockBar* FindDockBarAt(CPoint point, CXTPDockBar* pPreferred = nullptr) const;
    BOOL DockCommandBar(CXTPToolBar* pBar, LPCRECT lpRect, CXTPDockBar* pDockBar);
    BOOL DockCommandBar(CXTPToolBar* pBar, int nDockBar);
    BOOL FloatCommandBar(CXTPToolBar* pBar);
    void RemoveCommandBar(CXTPCommandBar* pBar);
    void ToggleVisible(int nIndex);
    void RedrawCommandBars();

    // Frame layout; ignored while the layout is locked.
    void RecalcFrameLayout(BOOL bDelay = FALSE);
    void FlushFrameLayout();
    void LockLayout() { ++m_nLockLayout; }
    void UnlockLayout() { --m_nLockLayout; }
    BOOL IsLayoutLocked() const { return m_nLockLayout > 0; }
    void UpdateAllBars();

    // Keyboard cues and activation.
    void SetKeyboardCuesVisible(BOOL bShow);
    BOOL IsKeyboardCuesVisible() const { return m_bKeyboardCuesVisible; }
    // The options' cue mode: in hide mode cues stay hidden until the keyboard is used.
    void SetKeyboardCuesState(BOOL bHideMode, BOOL bVisible);
    BOOL IsKeyboardCuesHideMode() const { return m_bHideKeyboardCues; }
    BOOL ActivateBarByKeyboard(CXTPCommandBar* pBar, int nDirection);
    // Alt+letter: selects (and, when alone, executes) the control of that mnemonic.
    BOOL HandleMnemonic(UINT nChar);
    // Set: Alt+Shift+letter is no mnemonic.
    void SetIgnoreShiftMenuKey(BOOL bIgnore) { m_bIgnoreShiftMenuKey = bIgnore; }
    CXTPMouseTracker* GetMouseTracker();
    void CloseAllMenus();
    BOOL IsLayoutRTL() const;
    void SetLayoutRTLPopups(BOOL bRTL) { m_bRightToLeft = bRTL; }

    // The frame's routes.
    BOOL PreTranslateFrameMessage(MSG* pMsg);
    BOOL OnFrameWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult);
    void OnSetPreviewMode(BOOL bPreview);

    // Customizing.
    void SetCustomizeMode(BOOL bMode);
    void SetCustomizeModeFromSheet(BOOL bMode);
    BOOL IsCustomizeMode() const { return m_bCustomizeMode; }
    BOOL IsQuickCustomizeMode() const { return m_bQuickCustomizeMode; }
    BOOL IsCustomizeAvail() const { return m_bCustomizeAvail; }
    void SetCustomizeSelection(CXTPControl* pControl);
    CXTPControl* GetCustomizeSelection() const { return m_pCustomizeSelected; }
    CXTPCustomizeDropSource* GetDropSource() const { return m_pDropSource; }

    // Hidden and used commands of personalized menus.
    void HideCommands(const UINT* pCommands, int nCount);
    void HideCommand(UINT nCommand);
    void SetCommandUsed(UINT nCommand);
    void ResetUsedCommands();

    // The options under "<section>-Options" of the application's key.
    void SaveOptions(LPCTSTR lpszSection);
    void LoadOptions(LPCTSTR lpszSection);

    // Services.
    CXTPCommandBarsOptions* GetCommandBarsOptions() const { return m_pOptions; }
    CXTPPaintManager* GetPaintManager() const;
    void SetPaintManager(CXTPPaintManager* pPaintManager);
    CXTPImageManager* GetImageManager() const;
    void SetImageManager(CXTPImageManager* pImageManager);
    CXTPShortcutManager* GetShortcutManager() const { return m_pShortcutManager; }
    CXTPToolTipContext* GetToolTipContext() const { return m_pToolTipContext; }

private:
    // The control whose mnemonic is nChar, from pBar on; bAmbiguous when
    // another control has it too.
    CXTPControl* FindMnemonicControl(UINT nChar, CXTPCommandBar* pBar, BOOL& bAmbiguous) const;
    CXTPCommandBar* GetTrackingBar();
    void AppendBar(CXTPCommandBar* pBar);
    void ExchangeOptions(LPCTSTR lpszSection, BOOL bLoading);

    BOOL m_bIgnoreShiftMenuKey = FALSE;
    CXTPCustomizeDropSource* m_pDropSource = nullptr;
    CXTPPaintManager* m_pPaintManager = nullptr;
    CXTPImageManager* m_pImageManager = nullptr;
    CXTPControl* m_pCustomizeSelected = nullptr;
    BOOL m_bCustomizeMode = FALSE;
    BOOL m_bCustomizeAvail = FALSE;
    BOOL m_bQuickCustomizeMode = FALSE;
    CXTPCommandBarsOptions* m_pOptions = nullptr;
    CXTPCommandBarArray m_arrBars;
    CXTPDockBar* m_pDocks[4] = {};
    CWnd* m_pFrame = nullptr;
    CXTPCommandBar* m_pMenuBar = nullptr;
    CXTPToolTipContext* m_pToolTipContext = nullptr;
    CXTPMouseTracker* m_pMouseTracker = nullptr;
    BOOL m_bKeyboardCuesVisible = TRUE;
    CXTPShortcutManager* m_pShortcutManager = nullptr;
    int m_nLockLayout = 0;
    BOOL m_bHideKeyboardCues = FALSE;
    BOOL m_bRightToLeft = FALSE;
};
