#include "CXTPCommandBarsOptions.h"

#include "CXTPPaintManager.h"
#include "CXTPPropExchangeArchive.h"
#include "PropExchangeHelpers.h"

namespace
{
constexpr int kSchema = 16;
}

CXTPCommandBarsOptions::CXTPCommandBarsOptions() = default;

void CXTPCommandBarsOptions::Serialize(CArchive& ar)
{
    CXTPPropExchangeArchive px(ar);
    DoPropExchange(&px, FALSE);
}

void CXTPCommandBarsOptions::DoPropExchange(CXTPPropExchange* pPX, BOOL bRegistryMode)
{
    // Every value is written, even one equal to its default, and a value
    // missing on load leaves the member as it is.
    pPX->m_bUseDefaultOnLoad = FALSE;
    pPX->m_bUseDefaultOnSave = FALSE;

    int nSchema = kSchema;
    PX_Int(pPX, L"Schema", nSchema, kSchema);

    PX_Bool(pPX, L"AlwaysShowFullMenus", bAlwaysShowFullMenus, TRUE);
    PX_Bool(pPX, L"ShowFullAfterDelay", bShowFullAfterDelay, TRUE);
    PX_Bool(pPX, L"ToolBarScreenTips", bToolBarScreenTips, TRUE);
    PX_Bool(pPX, L"ToolBarAccelTips", bToolBarAccelTips, FALSE);
    PX_Bool(pPX, L"LargeIcons", bLargeIcons, FALSE);
    if (nSchema > 7)
        ExchangeCommandSet(pPX, L"UsedCommands", mapUsedCommands);
    if (nSchema > 7 || bRegistryMode)
        PX_Int(pPX, L"Animation", nAnimationType, 0);
    if (bRegistryMode)
        return;

    PX_Bool(pPX, L"SyncFloatingBars", bSyncFloatingBars, TRUE);
    PX_Bool(pPX, L"ShowExpandButtonAlways", bShowExpandButtonAlways, TRUE);
    PX_Size(pPX, L"IconsSize", szIcons, CSize(0, 0));
    PX_Size(pPX, L"LargeIconsSize", szLargeIcons, CSize(0, 0));
    ExchangeCommandSet(pPX, L"HiddenCommands", mapHiddenCommands);

    CXTPPaintManager::IconOptions* pIconOptions = GetPaintManager()->GetOptionRecord();
    PX_Bool(pPX, L"IconsWithShadow", pIconOptions->bIconsWithShadow, FALSE);
    PX_Bool(pPX, L"UseDisabledIcons", pIconOptions->bUseDisabledIcons, TRUE);
    PX_Bool(pPX, L"UseFadedIcons", pIconOptions->bUseFadedIcons, TRUE);

    if (nSchema > 7) {
        // Older readers expect these two here as well as above.
        PX_Bool(pPX, L"SyncFloatingBars", bSyncFloatingBars, TRUE);
        PX_Bool(pPX, L"ShowExpandButtonAlways", bShowExpandButtonAlways, TRUE);
        PX_Bool(pPX, L"DblClickFloat", bDblClickFloat, FALSE);
        PX_Bool(pPX, L"ShowTextBelowIcons", bShowTextBelowIcons, FALSE);
        PX_Bool(pPX, L"AltDragCustomization", bAltDragCustomization, TRUE);
        PX_Bool(pPX, L"AutoHideUnusedPopups", bAutoHideUnusedPopups, TRUE);
        PX_Size(pPX, L"PopupIconsSize", szPopupIcons, CSize(16, 16));
    }
    if (nSchema > 8) {
        PX_Int(pPX, L"KeyboardCuesUse", nKeyboardCuesUse, 1);
        PX_Int(pPX, L"KeyboardCuesShow", nKeyboardCuesShow, 0);
        if (pPX->IsLoading())
            SetKeyboardCuesShow(nKeyboardCuesShow);
    }
}

void CXTPCommandBarsOptions::SetKeyboardCuesShow(int nMode)
{
    nKeyboardCuesShow = nMode;
}

CXTPCommandBarsOptions::KeyboardCuesState CXTPCommandBarsOptions::GetKeyboardCuesState() const
{
    KeyboardCuesState state{FALSE, nKeyboardCuesShow != 1};
    BOOL bSystemShows = TRUE;
    if (nKeyboardCuesShow == 2 && SystemParametersInfoW(SPI_GETKEYBOARDCUES, 0, &bSystemShows, 0) && !bSystemShows)
        state = {TRUE, FALSE};
    return state;
}

CXTPPaintManager* CXTPCommandBarsOptions::GetPaintManager() const
{
    // The plain command bars keep no paint manager of their own.
    return CXTPPaintManager::GetGlobalPaintManager();
}

void CXTPCommandBarsOptions::ExchangeCommandSet(CXTPPropExchange* pPX, LPCTSTR pszName, CXTPCommandIdSet& set)
{
    if (pPX->IsStoring() && pPX->CanOmitValues() && set.IsEmpty()) {
        // Leaving the old copy in the store would bring an emptied set back.
        ForgetCommandSet(pPX, pszName);
        return;
    }
    if (pPX->UseBinaryBlocks()) {
        if (pPX->IsStoring()) {
            PX_Object(pPX, pszName, &set);
            return;
        }
        // Read apart, so that a block cut short leaves an empty set, not part of one.
        CXTPCommandIdSet loaded;
        BOOL bLoaded = PX_Object(pPX, pszName, &loaded);
        set.RemoveAll();
        for (POSITION pos = bLoaded ? loaded.GetStartPosition() : nullptr; pos != nullptr;) {
            UINT nCommand = 0;
            BOOL bValue = FALSE;
            loaded.GetNextAssoc(pos, nCommand, bValue);
            set[nCommand] = TRUE;
        }
        return;
    }

    CXTPPropExchange* pSection = pPX->GetSection(pszName);
    CString strItem;
    if (pPX->IsLoading()) {
        set.RemoveAll();
        const DWORD nCount = pSection->ReadCount();
        for (DWORD i = 0; i < nCount; ++i) {
            int nCommand = 0;
            strItem.Format(L"Item%i", static_cast<int>(i));
            // A count larger than the items stored ends at the first one missing.
            if (!PX_Int(pSection, strItem, nCommand, 0))
                break;
            set[static_cast<UINT>(nCommand)] = TRUE;
        }
    } else {
        pSection->WriteCount(static_cast<DWORD>(set.GetCount()));
        int i = 0;
        for (POSITION pos = set.GetStartPosition(); pos != nullptr; ++i) {
            UINT nCommand = 0;
            BOOL bValue = FALSE;
            set.GetNextAssoc(pos, nCommand, bValue);
            int nValue = static_cast<int>(nCommand);
            strItem.Format(L"Item%i", i);
            PX_Int(pSection, strItem, nValue, 0);
        }
    }
    pSection->InternalRelease();
}

void CXTPCommandBarsOptions::ForgetCommandSet(CXTPPropExchange* pPX, LPCTSTR pszName)
{
    if (!pPX->UseBinaryBlocks()) {
        CXTPPropExchange* pSection = pPX->GetSection(pszName);
        pSection->EmptySection();
        pSection->InternalRelease();
        return;
    }
    // A value stored equal to its default while defaults are omitted is
    // removed from the store.
    const BOOL bOmitDefaults = pPX->m_bUseDefaultOnSave;
    pPX->m_bUseDefaultOnSave = TRUE;
    int nNone = 0;
    PX_Int(pPX, pszName, nNone, 0);
    pPX->m_bUseDefaultOnSave = bOmitDefaults;
}
