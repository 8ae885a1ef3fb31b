#pragma once
// One item of a command bar: a button, a menu entry, a submenu entry, a box.
// It keeps its command id, texts, image ids, states and place, measures and
// draws itself through the bar's paint manager, executes its command by
// notifying the bar's site window, and answers accessibility queries. The
// kinds of control derive from it. Reference counted: whoever keeps a pointer
// holds a reference.
#include "Framework.h"
#include "CMap.h"
#include "CXTPAccessible.h"
#include "CommandBarDefs.h"

class CXTPCommandBar;
class CXTPCommandBars;
class CXTPControls;
class CXTPImageManager;
class CXTPImageManagerIcon;
class CXTPMenuSoundPlayer;
class CXTPPaintManager;
class CXTPPropExchange;

class CXTPControl : public CCmdTarget, public CXTPAccessible {
    DECLARE_DYNCREATE(CXTPControl)
public:
    CXTPControl();
    ~CXTPControl() override;

    // Menu-resource ids of the documents the control is shown for or hidden for.
    typedef CMap<UINT, UINT, BOOL, BOOL> CDocTemplateMap;

    virtual CString GetDescription() const { return m_strDescriptionText; }
    virtual CString GetTooltipText() const { return m_strTooltipText; }
    virtual void SetBeginGroup(BOOL bBeginGroup);
    virtual void SetEnabled(BOOL bEnabled);
    virtual int GetSelected() const { return m_bSelected; }
    virtual void SetFocused(BOOL /*bFocused*/) {}
    virtual BOOL IsFocused() const { return FALSE; }
    virtual void SetRect(CRect rcControl) { m_rcControl = rcControl; }
    virtual BOOL IsCaptionVisible();
    virtual BOOL Compare(CXTPControl* pOther);
    // The bar the control opens; none for a plain control.
    virtual CXTPCommandBar* GetCommandBar() { return nullptr; }
    virtual void SetHideFlags(DWORD dwFlags) { m_dwHideFlags = dwFlags; }
    virtual void Execute();
    virtual CSize GetSize(CDC* pDC);
    virtual void Draw(CDC* pDC);
    virtual void OnCalcDynamicSize(DWORD /*dwMode*/) {}
    virtual CXTPImageManagerIcon* GetImage(int nWidth = 16);
    virtual void DoPropExchange(CXTPPropExchange* pPX);
    virtual void OnUnderlineActivate() { Execute(); }
    virtual BOOL IsFocusable() const { return FALSE; }
    // 0 not handled, 1 handled, 2 let the key through.
    virtual int OnHookKeyDown(UINT /*nChar*/, LPARAM /*lParam*/) { return 0; }
    virtual void SetParent(CXTPCommandBar* pParent) { m_pParent = pParent; }
    virtual void Copy(CXTPControl* pControl, BOOL bRecursive = FALSE);
    virtual BOOL OnSetPopup(BOOL /*bPopup*/) { return FALSE; }
    virtual void OnClick(BOOL /*bKeyboard*/ = FALSE, CPoint /*pt*/ = CPoint(0, 0)) {}
    virtual void OnLButtonUp(CPoint /*point*/) {}
    virtual void OnRButtonUp(CPoint /*point*/) {}
    virtual BOOL OnLButtonDblClk(CPoint point);
    virtual void OnMouseMove(CPoint /*point*/) {}
    virtual void OnMouseHover();
    virtual BOOL OnSetSelected(int bSelected);
    virtual BOOL CustomizeResize(CPoint point);
    virtual void OnCustomizeDragOver(CXTPControl* pDataObject, CPoint point, DWORD& dropEffect);
    virtual BOOL IsDropAllowed(CXTPCommandBar* /*pCommandBar*/, CPoint /*point*/, DWORD& /*dropEffect*/)
    {
        return TRUE;
    }
    virtual BOOL IsResizable() const { return FALSE; }
    virtual int GetMinWidth() const { return 0; }
    virtual void SetWidth(int /*nWidth*/) {}
    virtual CXTPControl* Clone(BOOL bRecursive = FALSE);

    // Texts.
    void SetID(int nId);
    int GetID() const { return m_nId; }
    void SetCaption(LPCTSTR lpszCaption);
    CString GetCaption() const { return m_strCaption; }
    CString GetDisplayCaption() const;
    void SetPrompt(LPCTSTR lpszPrompt);
    void SetCustomCaption(LPCTSTR lpszCaption) { m_strCustomCaption = lpszCaption; }
    CString GetCustomCaption() const { return m_strCustomCaption; }
    CString GetShortcutText() const;
    void SetShortcutText(LPCTSTR lpszShortcut) { m_strShortcutText = lpszShortcut; }
    void SetTooltip(LPCTSTR lpszTooltip) { m_strTooltipText = lpszTooltip; }
    void SetDescription(LPCTSTR lpszDescription) { m_strDescriptionText = lpszDescription; }
    CString GetParameter() const { return m_strParameter; }
    void SetParameter(LPCTSTR lpszParameter) { m_strParameter = lpszParameter; }
    CString GetCategory() const { return m_strCategory; }
    void SetCategory(LPCTSTR lpszCategory) { m_strCategory = lpszCategory; }

    // Images and look.
    int GetIconId() const { return m_nIconId; }
    void SetIconId(int nId) { m_nIconId = nId; }
    int GetCustomIconId() const { return m_nCustomIconId; }
    void SetCustomIconId(int nId) { m_nCustomIconId = nId; }
    // The custom icon id, else the icon id when above 0, else the id.
    int GetEffectiveIconId() const;
    int GetStyle() const { return m_buttonStyle; }
    void SetStyle(int nStyle) { m_buttonStyle = nStyle; }
    int GetCustomStyle() const { return m_buttonCustomStyle; }
    void SetCustomStyle(int nStyle) { m_buttonCustomStyle = nStyle; }
    // The custom style when set, else the style.
    int GetEffectiveStyle() const { return m_buttonCustomStyle != 0 ? m_buttonCustomStyle : m_buttonStyle; }

    // Kind, place and state.
    int GetType() const { return m_controlType; }
    void SetType(int nType) { m_controlType = nType; }
    int GetIndex() const { return m_nIndex; }
    int GetTag() const { return m_nTag; }
    void SetTag(int nTag) { m_nTag = nTag; }
    CXTPCommandBar* GetParent() const { return m_pParent; }
    CXTPControls* GetControls() const { return m_pControls; }
    CRect GetRect() const { return m_rcControl; }
    CRect GetRowRect() const { return m_rcRow; }
    BOOL GetWrap() const { return m_bWrap; }
    BOOL GetBeginGroup() const { return m_bBeginGroup; }
    BOOL GetEnabled() const { return m_bEnabled; }
    int GetChecked() const { return m_bChecked; }
    void SetChecked(int nChecked);
    int GetPressed() const { return m_bPressed; }
    void SetPressed(int nPressed) { m_bPressed = nPressed; }
    // The bar has this control's popup open.
    BOOL GetPopuped() const;
    BOOL IsTemporary() const { return m_bTemporary; }
    void SetTemporary(BOOL bTemporary) { m_bTemporary = bTemporary; }
    DWORD GetHideFlags() const { return m_dwHideFlags; }
    BOOL IsVisible() const { return m_dwHideFlags == 0; }
    DWORD GetFlags() const { return m_dwFlags; }
    void SetFlags(DWORD dwFlags) { m_dwFlags = dwFlags; }
    BOOL GetCollapsed() const { return m_bCollapsed; }
    void SetCollapsed(BOOL bCollapsed);
    BOOL GetDefaultItem() const { return m_bDefaultItem; }
    void SetDefaultItem(BOOL bDefaultItem);
    BOOL GetCloseSubMenuOnClick() const { return m_bCloseSubMenuOnClick; }
    void SetCloseSubMenuOnClick(BOOL bClose) { m_bCloseSubMenuOnClick = bClose; }
    CDocTemplateMap& GetDocTemplatesAssigned() { return m_mapDocTemplatesAssigned; }
    CDocTemplateMap& GetDocTemplatesExcluded() { return m_mapDocTemplatesExcluded; }

    // Services found through the bar, the collection's owner or globally.
    BOOL IsCustomizeMode() const;
    CXTPPaintManager* GetPaintManager() const;
    CXTPImageManager* GetImageManager() const;

    void NotifySite(int nCode);
    // The press loop of buttons and popups; an empty rectangle means the control's.
    void TrackClick(CRect rcTrack = CRect(0, 0, 0, 0));
    BOOL IsCursorOver() const;
    // Called by the bar for mouse moves in customize mode; see the .cpp.
    int OnCustomizeSetCursor(CPoint point);
    void DelayLayoutParent();
    void RedrawParent();
    void RedrawParentNow();

    // Accessibility of the control as one object whose only child is its popup bar.
    HRESULT QueryAccParent(IDispatch** ppdispParent) override;
    HRESULT QueryAccChildCount(long* pcountChildren) override;
    HRESULT QueryAccChild(VARIANT varChild, IDispatch** ppdispChild) override;
    HRESULT QueryAccName(VARIANT varChild, BSTR* pszName) override;
    HRESULT QueryAccDescription(VARIANT varChild, BSTR* pszDescription) override;
    HRESULT QueryAccRole(VARIANT varChild, VARIANT* pvarRole) override;
    HRESULT QueryAccState(VARIANT varChild, VARIANT* pvarState) override;
    HRESULT QueryAccDefaultAction(VARIANT varChild, BSTR* pszDefaultAction) override;
    HRESULT HandleAccSelect(long flagsSelect, VARIANT varChild) override;
    HRESULT HandleAccLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
    HRESULT HandleAccHitTest(long xLeft, long yTop, VARIANT* pvarChild) override;
    HRESULT HandleAccDoDefaultAction(VARIANT varChild) override;
    CCmdTarget* AccIdentityTarget() override { return this; }

    // The player that executing controls ask for the command sound; the
    // process's player unless a test hands in its own.
    static CXTPMenuSoundPlayer* (*s_pfnSoundPlayer)();

protected:
    DECLARE_INTERFACE_MAP()

    // The collection keeps index, wrap, row and the back pointers right.
    friend class CXTPControls;

    int m_nTag = 0;
    int m_nIndex = 0;
    int m_nId = 0;
    int m_nIconId = 0;
    int m_nCustomIconId = 0;
    BOOL m_bWrap = FALSE;
    BOOL m_bBeginGroup = FALSE;
    BOOL m_bEnabled = TRUE;
    int m_bChecked = 0;
    int m_bSelected = 0;
    int m_bPressed = 0;
    BOOL m_bTemporary = FALSE;
    CRect m_rcRow;
    CRect m_rcControl;
    DWORD m_dwHideFlags = 0;
    DWORD m_dwFlags = 0;
    CString m_strCaption;
    CString m_strCustomCaption;
    CString m_strShortcutText;
    CString m_strShortcutTextAuto;
    CString m_strTooltipText;
    CString m_strDescriptionText;
    CString m_strParameter;
    CXTPControls* m_pControls = nullptr;
    int m_controlType = xtpControlPlain;
    CXTPCommandBar* m_pParent = nullptr;
    BOOL m_bCollapsed = FALSE;
    CString m_strCategory;
    BOOL m_bDefaultItem = FALSE;
    CDocTemplateMap m_mapDocTemplatesAssigned;
    CDocTemplateMap m_mapDocTemplatesExcluded;
    int m_buttonStyle = xtpButtonAutomatic;
    int m_buttonCustomStyle = xtpButtonAutomatic;
    BOOL m_bCloseSubMenuOnClick = TRUE;
};
