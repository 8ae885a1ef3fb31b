#include "CXTPControls.h"

#include "CXTPCommandBar.h"
#include "CXTPControl.h"
#include "CXTPPaintManager.h"

#include <algorithm>
#include <vector>

IMPLEMENT_DYNCREATE(CXTPControls, CCmdTarget)

namespace {

constexpr int kMenuTextLength = 256;
constexpr UINT kIdWindowList = 35000;
constexpr UINT kIdWorkspaceActions = 35002;
constexpr UINT kIdRecentFileList = 35003;
constexpr UINT kIdMenuRecentFiles = 57616;
constexpr UINT kIdOleVerbs = 57872;
constexpr UINT kIdToolbarList = 59392;
constexpr UINT kIdMenuMdiSystem = 65280;
// Extra length of a group start while wrapping.
constexpr int kGroupGap = 6;
constexpr int kWidestWrap = 32767;

// A control of the kind named, made through its class-info record; a plain
// control when the program carries no such kind.
CXTPControl* CreateKind(LPCSTR lpszClassName)
{
    const CRuntimeClass* pClass = CRuntimeClass::FromName(lpszClassName);
    if (pClass && pClass->m_pfnCreateObject && pClass->IsDerivedFrom(RUNTIME_CLASS(CXTPControl)))
        return static_cast<CXTPControl*>(pClass->CreateObject());
    return new CXTPControl();
}

LPCSTR ButtonKindOf(UINT nId, const CString& strCaption, BOOL bFromMenu)
{
    switch (nId) {
    case kIdWindowList:
        return "CXTPControlWindowList";
    case kIdWorkspaceActions:
        return "CXTPControlWorkspaceActions";
    case kIdToolbarList:
        return "CXTPControlToolbars";
    default:
        break;
    }
    if (!bFromMenu && nId == kIdRecentFileList)
        return "CXTPControlRecentFileList";
    if (bFromMenu && nId == kIdMenuRecentFiles)
        return "CXTPControlRecentFileList";
    if (bFromMenu && nId == kIdOleVerbs && strCaption == L"<<OLE VERBS GO HERE>>")
        return "CXTPControlOleItems";
    return "CXTPControlButton";
}

} // namespace

struct CXTPControls::ControlLayoutItem {
    CRect rcControl;
    CRect rcRow;
    CSize szControl;
    BOOL bVisible = FALSE;
    BOOL bWrap = FALSE;
    BOOL bHidden = FALSE;
    BOOL bBeginGroup = FALSE;
};

// One run of the row layout over the items of a collection.
class CXTPControls::LayoutRun {
public:
    LayoutRun(std::vector<ControlLayoutItem>& items, DWORD& dwMode, CSize szSeparator)
        : m_items(items), m_dwMode(dwMode), m_szSeparator(szSeparator)
    {
    }

    BOOL IsVertical() const { return (m_dwMode & LM_VERTDOCK) != 0; }

    int WrapControls(int nWidth)
    {
        const BOOL bVert = IsVertical();
        int nLength = 0;
        int nRows = 0;
        BOOL bFirst = TRUE;
        int nRowStart = -1;
        const int nCount = static_cast<int>(m_items.size());
        for (int i = 0; i < nCount; i++) {
            ControlLayoutItem& item = m_items[static_cast<size_t>(i)];
            item.bHidden = FALSE;
            item.bWrap = FALSE;
            if (!item.bVisible)
                continue;
            if (nRowStart < 0)
                nRowStart = i;
            const BOOL bGroup = item.bBeginGroup && !bFirst;
            nLength += (bVert ? item.szControl.cy : item.szControl.cx) + (bGroup ? kGroupGap : 0);
            const BOOL bNewRow = nLength > nWidth || ((m_dwMode & LM_GROUPROWS) && bGroup);
            if (bNewRow && (m_dwMode & LM_SINGLEROW) && !bFirst) {
                for (int j = i; j < nCount; j++)
                    m_items[static_cast<size_t>(j)].bHidden = TRUE;
                m_dwMode |= LM_STRETCH;
                return nRows + 1;
            }
            // A control alone in its row stays there however long it is.
            if (bNewRow && i != nRowStart) {
                int nBreak = i;
                for (int j = i; j > nRowStart; j--) {
                    const ControlLayoutItem& back = m_items[static_cast<size_t>(j)];
                    if (back.bVisible && back.bBeginGroup) {
                        nBreak = j;
                        break;
                    }
                }
                ControlLayoutItem& breakItem = m_items[static_cast<size_t>(nBreak)];
                breakItem.bWrap = TRUE;
                nLength = bVert ? breakItem.szControl.cy : breakItem.szControl.cx;
                m_dwMode |= LM_STRETCH;
                nRows++;
                nRowStart = nBreak;
                i = nBreak;
            }
            bFirst = FALSE;
        }
        return nRows + 1;
    }

    CSize CalcRowsSize() { return IsVertical() ? CalcColumnsSize() : CalcHorizontalRowsSize(); }

    void FitToLength(int nLength)
    {
        // The trial wraps of the searches must not leave their stretch
        // request behind: only the final layout's rows count.
        const DWORD dwModeIn = m_dwMode;
        const int nFinalWidth = SearchWidth(nLength);
        m_dwMode = dwModeIn;
        WrapControls(nFinalWidth);
    }

    // The wrap width that fits the layout to the length.
    int SearchWidth(int nLength)
    {
        if (m_dwMode & LM_LENGTHY) {
            WrapControls(0);
            int nLower = CalcRowsSize().cx;
            WrapControls(kWidestWrap);
            int nUpper = CalcRowsSize().cx;
            for (;;) {
                const int nMiddle = (nLower + nUpper) / 2;
                WrapControls(nMiddle);
                const int nHeight = CalcRowsSize().cy;
                if (nHeight == nLength)
                    return nMiddle;
                if ((nHeight > nLength && nMiddle == nLower) || (nHeight < nLength && nMiddle == nUpper) ||
                    nUpper - nLower <= 1)
                    return nUpper;
                if (nHeight > nLength)
                    nLower = nMiddle;
                else
                    nUpper = nMiddle;
            }
        }
        const int nRows = WrapControls(nLength);
        if (nLength > 0 && WrapControls(0) != nRows) {
            int nLower = 0;
            int nUpper = nLength;
            while (nUpper - nLower > 1) {
                const int nMiddle = (nLower + nUpper) / 2;
                if (WrapControls(nMiddle) == nRows)
                    nUpper = nMiddle;
                else
                    nLower = nMiddle;
            }
            WrapControls(nUpper);
        } else {
            WrapControls(nLength);
        }
        return CalcRowsSize().cx;
    }

    void Balance()
    {
        WrapControls(0);
        CSize szLower = CalcRowsSize();
        int nLower = szLower.cx;
        WrapControls(kWidestWrap);
        int nUpper = CalcRowsSize().cx;
        while (nUpper - nLower > 1) {
            const int nMiddle = (nLower + nUpper) / 2;
            WrapControls(nMiddle);
            const CSize sz = CalcRowsSize();
            if (sz.cx < sz.cy) {
                if (sz == szLower)
                    break;
                nLower = nMiddle;
                szLower = sz;
            } else if (sz.cy >= sz.cx) {
                break;
            } else {
                nUpper = nMiddle;
            }
        }
    }

    // Moves the placed items into the margins and gives every row its rectangle.
    void OffsetItems(CSize szTotal, const CRect& rcBorder)
    {
        const BOOL bVert = IsVertical();
        const CPoint ptOffset(rcBorder.left + (bVert ? szTotal.cx : 0), rcBorder.top);
        std::vector<size_t> row;
        for (ControlLayoutItem& item : m_items) {
            if (!item.bVisible || item.bHidden)
                continue;
            item.rcControl.OffsetRect(ptOffset);
            if (item.bWrap && !row.empty()) {
                m_rows.push_back(row);
                row.clear();
            }
            row.push_back(static_cast<size_t>(&item - m_items.data()));
        }
        if (!row.empty())
            m_rows.push_back(row);
        for (const std::vector<size_t>& cells : m_rows)
            FinishRow(cells, szTotal, rcBorder, m_rows.size() == 1);
    }

    void AlignAndStretch(CSize szTotal, const CRect& rcBorder)
    {
        const BOOL bVert = IsVertical();
        auto nearEdge = [bVert](const CRect& rc) { return bVert ? rc.top : rc.left; };
        auto farEdge = [bVert](const CRect& rc) { return bVert ? rc.bottom : rc.right; };
        auto shift = [bVert](CRect& rc, int nBy) { rc.OffsetRect(bVert ? 0 : nBy, bVert ? nBy : 0); };
        const int nFar = bVert ? szTotal.cy - rcBorder.bottom : szTotal.cx - rcBorder.right;
        const int nNear = bVert ? rcBorder.top : rcBorder.left;

        std::vector<BOOL> aligned(m_items.size(), FALSE);
        int nEdge = nFar;
        for (size_t i = m_items.size(); i-- > 0;) {
            ControlLayoutItem& item = m_items[i];
            if (!item.bVisible || item.bHidden)
                continue;
            if (!(m_flags[i] & xtpFlagRightAlign))
                break;
            const int nBy = nEdge - farEdge(item.rcControl);
            if (nearEdge(item.rcControl) + nBy < nNear)
                break;
            shift(item.rcControl, nBy);
            aligned[i] = TRUE;
            nEdge = nearEdge(item.rcControl);
            if (item.bWrap)
                break;
        }

        for (size_t r = m_rows.size(); r-- > 0;) {
            std::vector<size_t> cells = m_rows[r];
            int nRowFar = nFar;
            if (!cells.empty() && aligned[cells.back()]) {
                nRowFar = nearEdge(m_items[cells.back()].rcControl);
                cells.pop_back();
            }
            if (cells.empty())
                continue;
            int nStretched = 0;
            for (size_t i : cells)
                nStretched += (m_flags[i] & xtpFlagControlStretched) ? 1 : 0;
            int nSpare = nRowFar - farEdge(m_items[cells.back()].rcControl);
            if (nStretched == 0 || nSpare < 1)
                continue;
            int nGrowth = 0;
            for (size_t i : cells) {
                CRect& rc = m_items[i].rcControl;
                shift(rc, nGrowth);
                if (m_flags[i] & xtpFlagControlStretched) {
                    const int nGrow = nSpare / nStretched;
                    (bVert ? rc.bottom : rc.right) += nGrow;
                    nGrowth += nGrow;
                    nSpare -= nGrow;
                    nStretched--;
                }
            }
        }
    }

    // Flags of the controls, one per item.
    std::vector<DWORD> m_flags;

private:
    CSize CalcHorizontalRowsSize()
    {
        int x = 0, y = 0, nThickness = 0;
        CSize sz(0, 0);
        BOOL bFirst = TRUE;
        for (ControlLayoutItem& item : m_items) {
            if (!item.bVisible || item.bHidden)
                continue;
            if (item.bBeginGroup && !item.bWrap && !bFirst)
                x += m_szSeparator.cx;
            if (item.bWrap) {
                y += nThickness + (item.bBeginGroup ? m_szSeparator.cy : 0);
                x = 0;
                nThickness = 0;
            }
            item.rcControl.SetRect(x, y, x + item.szControl.cx, y + item.szControl.cy);
            x += item.szControl.cx;
            nThickness = std::max(nThickness, static_cast<int>(item.szControl.cy));
            sz.cx = std::max(sz.cx, item.rcControl.right);
            sz.cy = std::max(sz.cy, item.rcControl.bottom);
            bFirst = FALSE;
        }
        return sz;
    }

    // Columns grow towards negative x; the offset step moves them back.
    CSize CalcColumnsSize()
    {
        int x = 0, y = 0, nColumn = 0, nWidest = 0, nBottom = 0;
        BOOL bFirst = TRUE;
        for (ControlLayoutItem& item : m_items) {
            if (!item.bVisible || item.bHidden)
                continue;
            if (item.bBeginGroup && !item.bWrap && !bFirst)
                y += m_szSeparator.cx;
            if (item.bWrap) {
                x -= nColumn + (item.bBeginGroup ? m_szSeparator.cy : 0);
                y = 0;
                nColumn = 0;
            }
            item.rcControl.SetRect(x - item.szControl.cx, y, x, y + item.szControl.cy);
            y = item.rcControl.bottom;
            nColumn = std::max(nColumn, static_cast<int>(item.szControl.cx));
            nWidest = std::max(nWidest, static_cast<int>(item.szControl.cx));
            nBottom = std::max(nBottom, static_cast<int>(item.rcControl.bottom));
            bFirst = FALSE;
        }
        return CSize(nWidest - x, nBottom);
    }

    void FinishRow(const std::vector<size_t>& cells, CSize szTotal, const CRect& rcBorder, BOOL bSingleRow)
    {
        const BOOL bVert = IsVertical();
        int nThickness = 0;
        for (size_t i : cells) {
            const CSize& sz = m_items[i].szControl;
            nThickness = std::max(nThickness, static_cast<int>(bVert ? sz.cx : sz.cy));
        }
        if (bSingleRow)
            nThickness = bVert ? szTotal.cx : szTotal.cy;
        for (size_t i : cells) {
            ControlLayoutItem& item = m_items[i];
            if (bVert) {
                item.rcRow.SetRect(item.rcControl.right - nThickness, rcBorder.top, item.rcControl.right,
                                   rcBorder.top + szTotal.cy);
                item.rcControl.OffsetRect(-(nThickness - item.szControl.cx) / 2, 0);
            } else {
                item.rcRow.SetRect(rcBorder.left, item.rcControl.top, rcBorder.left + szTotal.cx,
                                   item.rcControl.top + nThickness);
                item.rcControl.OffsetRect(0, (nThickness - item.szControl.cy) / 2);
            }
        }
    }

    std::vector<ControlLayoutItem>& m_items;
    DWORD& m_dwMode;
    CSize m_szSeparator;
    std::vector<std::vector<size_t>> m_rows;
};

CXTPControls::CXTPControls() = default;

CXTPControls::~CXTPControls()
{
    RemoveAll();
    ClearOriginalControls();
}

void CXTPControls::DoPropExchange(CXTPPropExchange* /*pPX*/)
{
    // The controls are exchanged by the bar-state persistence.
}

CXTPCommandBars* CXTPControls::GetCommandBars() const
{
    return m_pParent ? m_pParent->GetCommandBars() : m_pCommandBars;
}

void CXTPControls::SetParent(CXTPCommandBar* pParent)
{
    m_pParent = pParent;
    if (GetCount() > 0)
        RefreshIndexes();
}

void CXTPControls::RefreshIndexes()
{
    for (int i = 0; i < GetCount(); i++) {
        CXTPControl* pControl = m_arrControls[i];
        pControl->m_nIndex = i;
        pControl->m_pControls = this;
        pControl->SetParent(m_pParent);
    }
    if (m_pParent)
        m_pParent->OnControlsChanged();
}

CXTPControl* CXTPControls::GetAt(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetCount() ? m_arrControls[nIndex] : nullptr;
}

CXTPControl* CXTPControls::GetNext(CXTPControl* pControl) const
{
    return pControl ? GetAt(pControl->GetIndex() + 1) : nullptr;
}

void CXTPControls::InsertAt(CXTPControl* pControl, int nBefore)
{
    if (nBefore < 0 || nBefore >= GetCount())
        m_arrControls.Add(pControl);
    else
        m_arrControls.InsertAt(nBefore, pControl);
}

CXTPControl* CXTPControls::CreateControl(int controlType, int nId, const CString& strCaption)
{
    switch (controlType) {
    case xtpControlButton:
        return CreateKind(ButtonKindOf(static_cast<UINT>(nId), strCaption, FALSE));
    case xtpControlComboBox:
        return CreateKind("CXTPControlComboBox");
    case xtpControlEdit:
        return CreateKind("CXTPControlEdit");
    case xtpControlCustom:
        return CreateKind("CXTPControlCustom");
    case xtpControlLabel:
        return CreateKind("CXTPControlLabel");
    default:
        return CreateKind("CXTPControlPopup");
    }
}

CXTPControl* CXTPControls::Add(int controlType, int nId, LPCTSTR lpszParameter, int nBefore, BOOL bTemporary)
{
    CXTPControl* pControl = CreateControl(controlType, nId, CString());
    if (controlType == xtpControlCustom) {
        pControl->SetType(controlType);
        return AddControl(pControl, nId, lpszParameter, nBefore, bTemporary);
    }
    // The id of a plain popup names the menu resource of its popup bar.
    if (controlType != xtpControlPopup)
        pControl->SetID(nId);
    pControl->SetType(controlType);
    pControl->SetParameter(lpszParameter);
    pControl->SetTemporary(bTemporary);
    InsertAt(pControl, nBefore);
    RefreshIndexes();
    return pControl;
}

CXTPControl* CXTPControls::AddControl(CXTPControl* pControl, int nId, LPCTSTR lpszParameter, int nBefore,
                                      BOOL bTemporary)
{
    pControl->SetParameter(lpszParameter);
    pControl->SetTemporary(bTemporary);
    pControl->SetID(nId);
    InsertAt(pControl, nBefore);
    RefreshIndexes();
    return pControl;
}

CXTPControl* CXTPControls::AddClone(CXTPControl* pControl, int nBefore, BOOL bRecursive)
{
    CXTPControl* pClone = pControl->Clone(bRecursive);
    InsertAt(pClone, nBefore);
    RefreshIndexes();
    return pClone;
}

CXTPControl* CXTPControls::AddMenuItem(CMenu* pMenu, int nIndex)
{
    const HMENU hMenu = pMenu->GetSafeHmenu();
    MENUITEMINFOW info = {};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_ID | MIIM_SUBMENU;
    if (!::GetMenuItemInfoW(hMenu, static_cast<UINT>(nIndex), TRUE, &info) || info.wID == kIdMenuMdiSystem)
        return nullptr;
    const BOOL bDefault =
        static_cast<int>(::GetMenuDefaultItem(hMenu, TRUE, GMDI_USEDISABLED)) == nIndex;
    wchar_t szText[kMenuTextLength + 1] = {};
    ::GetMenuStringW(hMenu, static_cast<UINT>(nIndex), szText, kMenuTextLength, MF_BYPOSITION);

    CWnd* pSite = nullptr;
    if (m_pParent)
        pSite = m_pParent->GetNotifyOwner() ? m_pParent->GetNotifyOwner() : m_pParent->GetSite();
    const HWND hwndSite = pSite ? pSite->GetSafeHwnd() : nullptr;

    // A submenu entry made by handle carries the handle where the id would be.
    const BOOL bIdIsHandle = info.hSubMenu && info.wID == static_cast<UINT>(reinterpret_cast<UINT_PTR>(info.hSubMenu));
    ControlCreateInfo cs;
    cs.nID = bIdIsHandle ? 0 : static_cast<int>(info.wID);
    cs.pControl = nullptr;
    cs.nReserved = 0;
    cs.nIndex = nIndex;
    cs.hMenu = hMenu;
    cs.hWnd = m_pParent ? m_pParent->GetSafeHwnd() : nullptr;
    cs.strCaption = szText;
    cs.controlType = info.hSubMenu ? xtpControlPopup : xtpControlButton;
    cs.buttonStyle = xtpButtonAutomatic;
    if (hwndSite)
        ::SendMessageW(hwndSite, WM_CMDBARS_CREATECONTROL, 0, reinterpret_cast<LPARAM>(&cs));

    CXTPControl* pControl = cs.pControl;
    if (!pControl) {
        switch (cs.controlType) {
        case xtpControlButton:
            pControl = CreateKind(ButtonKindOf(static_cast<UINT>(cs.nID), cs.strCaption, TRUE));
            break;
        case xtpControlComboBox:
            pControl = CreateKind("CXTPControlComboBox");
            break;
        case xtpControlEdit:
            pControl = CreateKind("CXTPControlEdit");
            break;
        case xtpControlPopup:
        case xtpControlButtonPopup:
        case xtpControlSplitButtonPopup:
            pControl = CreateKind("CXTPControlPopup");
            break;
        default:
            return nullptr;
        }
        pControl->SetType(cs.controlType);
        pControl->SetStyle(cs.buttonStyle);
        if (m_pParent)
            m_pParent->DelayLayout();
    }
    pControl->SetID(cs.nID);
    pControl->SetCaption(cs.strCaption);
    pControl->SetDefaultItem(bDefault);
    m_arrControls.Add(pControl);
    RefreshIndexes();

    if (hwndSite) {
        cs.pControl = pControl;
        ::SendMessageW(hwndSite, WM_CMDBARS_CONTROLCREATED, 0, reinterpret_cast<LPARAM>(&cs));
    }
    return pControl;
}

BOOL CXTPControls::AddMenuItems(CMenu* pMenu)
{
    const HMENU hMenu = pMenu->GetSafeHmenu();
    const int nCount = ::GetMenuItemCount(hMenu);
    BOOL bBeginGroup = FALSE;
    for (int i = 0; i < nCount; i++) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof(info);
        info.fMask = MIIM_STATE | MIIM_FTYPE | MIIM_ID | MIIM_SUBMENU;
        ::GetMenuItemInfoW(hMenu, static_cast<UINT>(i), TRUE, &info);
        if ((info.fType & MFT_SEPARATOR) || (info.wID == 0 && !info.hSubMenu)) {
            bBeginGroup = TRUE;
            continue;
        }
        CXTPControl* pControl = AddMenuItem(pMenu, i);
        if (!pControl)
            continue;
        if (bBeginGroup) {
            pControl->SetBeginGroup(TRUE);
            bBeginGroup = FALSE;
        }
        if (info.fState & MFS_CHECKED)
            pControl->SetChecked(1);
        if (info.fState & (MFS_DISABLED | MFS_GRAYED))
            pControl->SetEnabled(FALSE);
    }
    return TRUE;
}

void CXTPControls::Remove(CXTPControl* pControl)
{
    if (!pControl)
        return;
    if (pControl->GetSelected() && m_pParent)
        m_pParent->SetSelected(-1);
    const int nIndex = pControl->GetIndex();
    if (GetAt(nIndex) != pControl)
        return;
    m_arrControls.RemoveAt(nIndex);
    pControl->m_pControls = nullptr;
    pControl->SetParent(nullptr);
    pControl->InternalRelease();
    RefreshIndexes();
}

void CXTPControls::Remove(int nIndex)
{
    Remove(GetAt(nIndex));
}

void CXTPControls::RemoveAll()
{
    for (int i = 0; i < GetCount(); i++) {
        CXTPControl* pControl = m_arrControls[i];
        pControl->m_pControls = nullptr;
        pControl->SetParent(nullptr);
        pControl->InternalRelease();
    }
    m_arrControls.RemoveAll();
}

CXTPControl* CXTPControls::FindControl(int nId) const
{
    return FindControl(xtpControlPlain, nId, FALSE, FALSE);
}

CXTPControl* CXTPControls::FindControl(int controlType, int nId, BOOL bVisible, BOOL bRecursive) const
{
    for (int i = 0; i < GetCount(); i++) {
        CXTPControl* pControl = m_arrControls[i];
        if ((controlType == xtpControlPlain || pControl->GetType() == controlType) &&
            (!bVisible || pControl->GetHideFlags() == 0) && (nId == -1 || pControl->GetID() == nId))
            return pControl;
        const int nType = pControl->GetType();
        if (bRecursive && (nType == xtpControlPopup || nType == xtpControlButtonPopup ||
                           nType == xtpControlSplitButtonPopup)) {
            if (CXTPCommandBar* pPopup = pControl->GetCommandBar()) {
                if (CXTPControl* pFound = pPopup->GetControls()->FindControl(controlType, nId, bVisible, TRUE))
                    return pFound;
            }
        }
    }
    return nullptr;
}

int CXTPControls::GetNext(int nIndex, int nStep, BOOL bKeyboard, BOOL bSkipTemporary, BOOL bStrictHidden) const
{
    const int nCount = GetCount();
    if (nCount == 0)
        return -1;
    int nNext = (nIndex == -1 && nStep < 0) ? nCount - 1 : nIndex + nStep;
    if (nNext == nIndex)
        return nNext;
    const DWORD dwTolerated = bStrictHidden ? xtpHideScroll : (xtpHideScroll | xtpHideExpand);
    BOOL bWrapped = FALSE;
    for (;;) {
        if (nNext >= nCount || nNext < 0) {
            if (bWrapped || nIndex == -1)
                return -1;
            nNext = nNext >= nCount ? 0 : nCount - 1;
            bWrapped = TRUE;
        }
        if (nNext == nIndex)
            return nIndex;
        const CXTPControl* pControl = m_arrControls[nNext];
        const BOOL bSkip = (pControl->GetHideFlags() & ~dwTolerated) != 0 ||
                           (bKeyboard && (pControl->GetFlags() & xtpFlagSkipFocus)) ||
                           (bSkipTemporary && pControl->IsTemporary());
        if (!bSkip)
            return nNext;
        nNext += nStep;
    }
}

CXTPControl* CXTPControls::HitTest(CPoint point) const
{
    for (int i = 0; i < GetCount(); i++) {
        CXTPControl* pControl = m_arrControls[i];
        if (pControl->GetHideFlags() == 0 && pControl->GetRect().PtInRect(point))
            return pControl;
    }
    return nullptr;
}

int CXTPControls::GetVisibleCount(BOOL bStrict) const
{
    int nVisible = 0;
    for (int i = 0; i < GetCount(); i++) {
        const DWORD dwHide = m_arrControls[i]->GetHideFlags();
        if (dwHide == 0 || (!bStrict && dwHide == xtpHideWrap))
            nVisible++;
    }
    return nVisible;
}

CSize CXTPControls::CalcDynamicSize(CDC* pDC, int nLength, DWORD dwMode, const CRect& rcBorder, int nWidth)
{
    CSize szSeparator(0, 0);
    if (m_pParent)
        szSeparator = m_pParent->GetPaintManager()->DrawCommandBarSeparator(pDC, m_pParent, nullptr, FALSE);

    for (int i = GetCount() - 1; i >= 0; i--)
        m_arrControls[i]->OnCalcDynamicSize(dwMode);

    const int nMarginsX = rcBorder.left + rcBorder.right;
    const int nMarginsY = rcBorder.top + rcBorder.bottom;
    if (GetVisibleCount(FALSE) == 0) {
        CSize sz(nMarginsX + 23, nMarginsY + 22);
        if (dwMode & LM_HORZDOCK)
            sz.cy = std::max(sz.cy, static_cast<LONG>(nWidth));
        else
            sz.cx = std::max(sz.cx, static_cast<LONG>(nWidth));
        return sz;
    }

    std::vector<ControlLayoutItem> items(static_cast<size_t>(GetCount()));
    LayoutRun run(items, dwMode, szSeparator);
    run.m_flags.resize(items.size());
    for (int i = 0; i < GetCount(); i++) {
        CXTPControl* pControl = m_arrControls[i];
        ControlLayoutItem& item = items[static_cast<size_t>(i)];
        item.szControl = pControl->GetSize(pDC);
        item.rcControl = pControl->GetRect();
        item.bBeginGroup = pControl->GetBeginGroup();
        item.bVisible = (pControl->GetHideFlags() & ~static_cast<DWORD>(xtpHideWrap)) == 0;
        run.m_flags[static_cast<size_t>(i)] = pControl->GetFlags();
    }

    const int nLengthUsed = (dwMode & LM_MRUWIDTH) && m_pParent ? m_pParent->GetMRUWidth() : nLength;
    if (dwMode & LM_GROUPROWS) {
        const int nMRUWidth = m_pParent ? m_pParent->GetMRUWidth() : kWidestWrap;
        run.WrapControls(nMRUWidth);
        const CSize sz = run.CalcRowsSize();
        if (sz.cx * 3 < sz.cy && nMRUWidth < 1)
            run.Balance();
        else
            run.WrapControls(sz.cx);
    } else if (dwMode & LM_HORZDOCK) {
        run.WrapControls(nLengthUsed - nMarginsX);
    } else if (!(dwMode & LM_VERTDOCK)) {
        run.FitToLength(nLengthUsed - ((dwMode & LM_LENGTHY) ? nMarginsY : nMarginsX));
    } else {
        run.WrapControls(nLengthUsed - nMarginsY);
    }

    CSize sz = run.CalcRowsSize();
    if (nWidth > 0) {
        if (dwMode & LM_HORZDOCK)
            sz.cy = std::max(sz.cy, static_cast<LONG>(nWidth - nMarginsY));
        else
            sz.cx = std::max(sz.cx, static_cast<LONG>(nWidth - nMarginsX));
    }
    if (dwMode & LM_STRETCH) {
        if (dwMode & LM_VERTDOCK)
            sz.cy = std::max(sz.cy, static_cast<LONG>(nLengthUsed - nMarginsY));
        else
            sz.cx = std::max(sz.cx, static_cast<LONG>(nLengthUsed - nMarginsX));
    }
    if (dwMode & LM_COMMIT)
        run.OffsetItems(sz, rcBorder);
    sz.cx += nMarginsX;
    sz.cy += nMarginsY;

    if (dwMode & LM_COMMIT) {
        run.AlignAndStretch(sz, rcBorder);
        for (int i = 0; i < GetCount(); i++) {
            CXTPControl* pControl = m_arrControls[i];
            const ControlLayoutItem& item = items[static_cast<size_t>(i)];
            const DWORD dwHide = pControl->GetHideFlags();
            pControl->SetHideFlags(item.bHidden ? (dwHide | xtpHideWrap) : (dwHide & ~static_cast<DWORD>(xtpHideWrap)));
            pControl->m_rcRow = item.rcRow;
            if (!item.bHidden)
                pControl->SetRect(item.rcControl);
            pControl->m_bWrap = item.bWrap;
        }
    }
    return sz;
}

CXTPControls* CXTPControls::Duplicate(BOOL bRecursive)
{
    auto* pControls = static_cast<CXTPControls*>(GetRuntimeClass()->CreateObject());
    for (int i = 0; i < GetCount(); i++) {
        if (!m_arrControls[i]->IsTemporary())
            pControls->AddClone(m_arrControls[i], -1, bRecursive);
    }
    if (m_pOriginalControls)
        pControls->m_pOriginalControls = m_pOriginalControls->Duplicate(bRecursive);
    return pControls;
}

void CXTPControls::CreateOriginalControls()
{
    ClearOriginalControls();
    m_pOriginalControls = Duplicate(TRUE);
}

void CXTPControls::ClearOriginalControls()
{
    if (m_pOriginalControls) {
        m_pOriginalControls->InternalRelease();
        m_pOriginalControls = nullptr;
    }
}

BOOL CXTPControls::IsEqual(CXTPControls* pOther) const
{
    if (!pOther)
        return FALSE;
    std::vector<CXTPControl*> mine;
    std::vector<CXTPControl*> theirs;
    for (int i = 0; i < GetCount(); i++) {
        if (!m_arrControls[i]->IsTemporary())
            mine.push_back(m_arrControls[i]);
    }
    for (int i = 0; i < pOther->GetCount(); i++) {
        if (!pOther->m_arrControls[i]->IsTemporary())
            theirs.push_back(pOther->m_arrControls[i]);
    }
    if (mine.size() != theirs.size())
        return FALSE;
    for (size_t i = 0; i < mine.size(); i++) {
        if (!mine[i]->Compare(theirs[i]))
            return FALSE;
    }
    return TRUE;
}

BOOL CXTPControls::IsChanged() const
{
    return !m_pOriginalControls || !m_pOriginalControls->IsEqual(const_cast<CXTPControls*>(this));
}
