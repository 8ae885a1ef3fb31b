#pragma once
// The ordered controls of one command bar: creation by type, id and menu
// item, insertion, removal, search, the keyboard walk, the snapshot of the
// original controls for customization, and the row layout that sizes a bar
// for a length and a layout mode. Reference counted; each element holds one
// reference on its control.
#include "Framework.h"
#include "CArray.h"
#include "CommandBarDefs.h"

class CXTPCommandBar;
class CXTPCommandBars;
class CXTPControl;
class CXTPPropExchange;

class CXTPControls : public CCmdTarget {
    DECLARE_DYNCREATE(CXTPControls)
public:
    CXTPControls();
    ~CXTPControls() override;

    virtual void DoPropExchange(CXTPPropExchange* pPX);

    CXTPCommandBars* GetCommandBars() const;
    void SetCommandBars(CXTPCommandBars* pCommandBars) { m_pCommandBars = pCommandBars; }
    CXTPCommandBar* GetParent() const { return m_pParent; }
    void SetParent(CXTPCommandBar* pParent);
    void RefreshIndexes();

    int GetCount() const { return static_cast<int>(m_arrControls.GetSize()); }
    CXTPControl* GetAt(int nIndex) const;
    CXTPControl* GetFirst() const { return GetAt(0); }
    CXTPControl* GetNext(CXTPControl* pControl) const;

    // before out of range (-1 included) appends.
    CXTPControl* Add(int controlType, int nId, LPCTSTR lpszParameter = nullptr, int nBefore = -1,
                     BOOL bTemporary = FALSE);
    CXTPControl* AddControl(CXTPControl* pControl, int nId, LPCTSTR lpszParameter = nullptr, int nBefore = -1,
                            BOOL bTemporary = FALSE);
    CXTPControl* AddClone(CXTPControl* pControl, int nBefore = -1, BOOL bRecursive = FALSE);
    CXTPControl* AddMenuItem(CMenu* pMenu, int nIndex);
    BOOL AddMenuItems(CMenu* pMenu);
    void Remove(CXTPControl* pControl);
    void Remove(int nIndex);
    void RemoveAll();

    CXTPControl* FindControl(int nId) const;
    // type 0 matches every type, id -1 every id.
    CXTPControl* FindControl(int controlType, int nId, BOOL bVisible, BOOL bRecursive) const;
    // The next qualifying index after nIndex in direction nStep, wrapping
    // once; -1 when none qualifies.
    int GetNext(int nIndex, int nStep, BOOL bKeyboard = TRUE, BOOL bSkipTemporary = FALSE,
                BOOL bStrictHidden = TRUE) const;
    CXTPControl* HitTest(CPoint point) const;
    // Without strict, controls hidden only for lack of room count too.
    int GetVisibleCount(BOOL bStrict = TRUE) const;

    // The size of the bar for a length and mode; margins are the border widths.
    CSize CalcDynamicSize(CDC* pDC, int nLength, DWORD dwMode, const CRect& rcBorder, int nWidth = 0);

    CXTPControls* Duplicate(BOOL bRecursive = FALSE);
    void CreateOriginalControls();
    void ClearOriginalControls();
    CXTPControls* GetOriginalControls() const { return m_pOriginalControls; }
    BOOL IsEqual(CXTPControls* pOther) const;
    BOOL IsChanged() const;

private:
    struct ControlLayoutItem;
    class LayoutRun;

    // The control of a kind for a type and id; null for types without one.
    CXTPControl* CreateControl(int controlType, int nId, const CString& strCaption);
    void InsertAt(CXTPControl* pControl, int nBefore);

    CXTPCommandBar* m_pParent = nullptr;
    CArray<CXTPControl*, CXTPControl*> m_arrControls;
    CXTPCommandBars* m_pCommandBars = nullptr;
    CXTPControls* m_pOriginalControls = nullptr;
};
