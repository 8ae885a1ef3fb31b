#pragma once
// The behaviour settings of one command bars object: personalized menus with
// their hidden and used command sets, tips, icon sizes, popup animation,
// keyboard cues and a few docking and customizing switches. One exchange
// routine keeps them in the registry (the personalized-menu part only) and in
// the archive of the bar layout (everything).
#include "Framework.h"

class CXTPCommandBars;
class CXTPPaintManager;
class CXTPPropExchange;

// Command ids to 1: the commands personalized menus hide, and those of them
// the user has executed.
using CXTPCommandIdSet = CMap<UINT, UINT, BOOL, BOOL>;

class CXTPCommandBarsOptions : public CCmdTarget
{
public:
    // What a keyboard-cues mode asks of the owner's cue state.
    struct KeyboardCuesState
    {
        BOOL bHideMode;   // cues are hidden until the keyboard is used
        BOOL bVisible;    // cues are drawn now
    };

    CXTPCommandBarsOptions();

    // Everything, through an archive exchange on the archive.
    void Serialize(CArchive& ar) override;
    // In registry mode only the personalized-menu part and the animation.
    void DoPropExchange(CXTPPropExchange* pPX, BOOL bRegistryMode = FALSE);

    // 0 underlines always shown, 1 never, 2 as the system's keyboard-cues
    // setting says.
    void SetKeyboardCuesShow(int nMode);
    int GetKeyboardCuesShow() const { return nKeyboardCuesShow; }
    // The cue state the mode stands for; mode 2 asks the system each time.
    KeyboardCuesState GetKeyboardCuesState() const;

    BOOL bAlwaysShowFullMenus = TRUE;
    BOOL bShowFullAfterDelay = TRUE;
    BOOL bToolBarScreenTips = TRUE;
    BOOL bToolBarAccelTips = FALSE;
    BOOL bLargeIcons = FALSE;
    BOOL bSyncFloatingBars = TRUE;
    BOOL bShowExpandButtonAlways = TRUE;
    BOOL bDblClickFloat = FALSE;
    BOOL bShowTextBelowIcons = FALSE;
    BOOL bAltDragCustomization = TRUE;
    BOOL bAutoHideUnusedPopups = TRUE;
    BOOL bDirty = FALSE;                 // set when customize mode starts or ends
    BOOL bShowPopupBarToolTips = FALSE;
    int nAnimationType = 0;
    BOOL bShowShortcutsInMenus = TRUE;
    // 2: no mnemonic handling; bit 0: mnemonics in every visible bar; bit 2:
    // only "&" mnemonics count.
    int nKeyboardCuesUse = 1;
    BOOL bShowStatusTexts = TRUE;
    CSize szIcons{0, 0};                 // 0, 0: the bar's own size
    CSize szLargeIcons{0, 0};            // 0, 0: derived
    CSize szPopupIcons{16, 16};
    CXTPCommandIdSet mapHiddenCommands;
    CXTPCommandIdSet mapUsedCommands;
    CXTPCommandBars* pCommandBars = nullptr;   // the owner, set by it

private:
    // The paint manager that keeps the icon settings exchanged with the layout.
    CXTPPaintManager* GetPaintManager() const;
    static void ExchangeCommandSet(CXTPPropExchange* pPX, LPCTSTR pszName, CXTPCommandIdSet& set);
    static void ForgetCommandSet(CXTPPropExchange* pPX, LPCTSTR pszName);

    int nKeyboardCuesShow = 0;
};
