#pragma once
// Window-less bars for the paint tests and the benchmark: a toolbar or a menu
// of controls with icons, laid out by the control collection and drawn by its
// own classic theme into any DC.
#include <vector>

#include "CXTPCommandBar.h"
#include "CXTPControl.h"
#include "CXTPControls.h"
#include "CXTPDefaultTheme.h"
#include "CXTPImageManager.h"
#include "ImageTestHelpers.h"
#include "MemoryCanvas.h"

// A control whose selection and popup state a test sets directly.
class ProbeControl : public CXTPControl {
public:
    void SetSelectedState(int nSelected) { m_bSelected = nSelected; }
};

class PaintTestBar : public CXTPCommandBar {
public:
    // Commands 1000 and on have icons of distinct colours.
    static constexpr int kFirstCommand = 1000;
    static constexpr int kIconCount = 40;

    PaintTestBar(int nType, int nPosition)
    {
        m_barType = nType;
        m_barPosition = nPosition;
        SetPaintManager(CXTPPaintManager::CreateTheme(0));
        auto* pImages = new CXTPImageManager;
        for (int i = 0; i < kIconCount; ++i) {
            HICON hIcon = MakeIcon(16, 16, [i](int x, int y) {
                const bool bEdge = x == 0 || y == 0 || x == 15 || y == 15;
                return bEdge ? RGB(0, 0, 0) : RGB((i * 53) % 200 + 40, (i * 97) % 200 + 40, (i * 31) % 200 + 40);
            });
            pImages->StoreCommandImage(CXTPImageManagerIconHandle(hIcon), kFirstCommand + i, 16, 16);
            ::DestroyIcon(hIcon);
        }
        SetImageManager(pImages);
    }

    CXTPDefaultTheme* Theme() { return static_cast<CXTPDefaultTheme*>(GetPaintManager()); }

    ProbeControl* AddControl(int nType, int nId, LPCTSTR lpszCaption, BOOL bBeginGroup = FALSE)
    {
        auto* pControl = new ProbeControl;
        pControl->SetType(nType);
        GetControls()->AddControl(pControl, nId);
        pControl->SetCaption(lpszCaption);
        pControl->SetBeginGroup(bBeginGroup);
        return pControl;
    }

    // Lays the controls out in rows as wide as nWidth (a popup bar in one
    // column as wide as its widest row) and returns the bar's size.
    CSize Layout(CDC* pDC, int nWidth)
    {
        const CRect rcBorders = GetPaintManager()->GetCommandBarBorders(this);
        if (GetType() != xtpBarTypePopup)
            return GetControls()->CalcDynamicSize(pDC, nWidth, LM_HORZ | LM_HORZDOCK | LM_COMMIT, rcBorders);
        // One row per control, as a popup menu stacks them.
        CXTPControls* pControls = GetControls();
        int nRowWidth = 0;
        for (int i = 0; i < pControls->GetCount(); ++i)
            nRowWidth = std::max<int>(nRowWidth, pControls->GetAt(i)->GetSize(pDC).cx);
        CXTPPaintManager* pPaintManager = GetPaintManager();
        int y = rcBorders.top;
        for (int i = 0; i < pControls->GetCount(); ++i) {
            CXTPControl* pControl = pControls->GetAt(i);
            if (pControl->GetBeginGroup() && i > 0)
                y += pPaintManager->DrawCommandBarSeparator(pDC, this, pControl, FALSE).cy;
            const int h = pControl->GetSize(pDC).cy;
            pControl->SetRect(CRect(rcBorders.left, y, rcBorders.left + nRowWidth, y + h));
            y += h;
        }
        return CSize(rcBorders.left + nRowWidth + rcBorders.right, y + rcBorders.bottom);
    }
};

// A toolbar of nButtons icon buttons in groups of five.
inline void FillToolBar(PaintTestBar& bar, int nButtons)
{
    for (int i = 0; i < nButtons; ++i)
        bar.AddControl(xtpControlButton, PaintTestBar::kFirstCommand + i % PaintTestBar::kIconCount, L"",
                       i > 0 && i % 5 == 0);
}

// A menu of nRows rows: icons, a check, shortcuts, submenus and groups.
inline void FillMenu(PaintTestBar& bar, int nRows)
{
    for (int i = 0; i < nRows; ++i) {
        CString strCaption;
        strCaption.Format(L"Menu &command %d\tCtrl+%c", i + 1, L'A' + i % 26);
        const BOOL bSubmenu = i % 7 == 6;
        ProbeControl* pControl = bar.AddControl(bSubmenu ? xtpControlPopup : xtpControlButton,
                                                i % 3 == 0 ? PaintTestBar::kFirstCommand + i % 40 : 0,
                                                strCaption, i > 0 && i % 5 == 0);
        pControl->SetChecked(i % 4 == 1);
        pControl->SetEnabled(i % 9 != 8);
    }
}
