// Filling a toolbar from a list of command ids or a toolbar resource.
#include "CXTPToolBar.h"

#include "CXTPControl.h"
#include "CXTPControls.h"
#include "CXTPImageManager.h"
#include "ImageResources.h"
#include "imagecodec/ToolBarResource.h"

#include <vector>

namespace {
const LPCWSTR kToolBarType = MAKEINTRESOURCEW(241);
}

void CXTPToolBar::SetButtons(const UINT* pButtons, int nCount)
{
    m_pControls->RemoveAll();
    CWnd* pSite = GetSite();
    const HWND hwndSite = pSite ? pSite->GetSafeHwnd() : nullptr;
    BOOL bBeginGroup = FALSE;
    for (int i = 0; i < nCount; i++) {
        if (pButtons[i] == 0) {
            bBeginGroup = TRUE;
            continue;
        }
        ControlCreateInfo cs;
        cs.nID = static_cast<int>(pButtons[i]);
        cs.pControl = nullptr;
        cs.nReserved = 1;
        cs.nIndex = i;
        cs.hMenu = nullptr;
        cs.hWnd = GetSafeHwnd();
        cs.strCaption = m_strTitle;
        cs.controlType = xtpControlButton;
        cs.buttonStyle = xtpButtonAutomatic;

        CXTPControl* pControl = nullptr;
        const BOOL bAnswered =
            hwndSite && ::SendMessageW(hwndSite, WM_CMDBARS_CREATECONTROL, 0, reinterpret_cast<LPARAM>(&cs)) != 0;
        if (!bAnswered) {
            // Only an answering site may change what is made.
            cs.nID = static_cast<int>(pButtons[i]);
            cs.pControl = nullptr;
            cs.controlType = xtpControlButton;
            cs.buttonStyle = xtpButtonAutomatic;
        }
        if (cs.pControl) {
            pControl = m_pControls->AddControl(cs.pControl, cs.nID);
        } else {
            pControl = m_pControls->Add(cs.controlType, cs.nID);
            pControl->SetStyle(cs.buttonStyle);
            // A popup's id names its menu: the one asked for stays.
            if (cs.controlType == xtpControlPopup && pControl->GetID() != cs.nID) {
                pControl->SetID(cs.nID);
                pControl->RedrawParent();
            }
        }
        if (bBeginGroup) {
            pControl->SetBeginGroup(TRUE);
            bBeginGroup = FALSE;
        }
        if (hwndSite) {
            cs.pControl = pControl;
            ::SendMessageW(hwndSite, WM_CMDBARS_CONTROLCREATED, 0, reinterpret_cast<LPARAM>(&cs));
        }
    }
}

BOOL CXTPToolBar::LoadToolBarResource(UINT nIDResource, BOOL bLoadIcons)
{
    m_pControls->RemoveAll();
    // A resource that counts more ids than it holds is refused like a missing one.
    const auto resource = imagecodec::ToolBarResource::Parse(ImageResources::Find(nIDResource, kToolBarType));
    if (!resource)
        return FALSE;
    const std::vector<UINT> ids(resource->items.begin(), resource->items.end());
    SetButtons(ids.data(), static_cast<int>(ids.size()));

    if (!bLoadIcons)
        return TRUE;
    if (!GetImageManager()->SetIconsFromBitmapResource(nIDResource, ids.data(), static_cast<int>(ids.size()),
                                                       resource->width, resource->height))
        return FALSE;
    if (resource->width != 16)
        m_szIcons = CSize(resource->width, resource->height);
    return TRUE;
}
