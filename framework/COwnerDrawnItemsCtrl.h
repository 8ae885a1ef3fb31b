#pragma once
// The part list boxes and combo boxes share: items their owner may draw, measure,
// compare and delete, with the owner's WM_DRAWITEM family reflected back to them.

#include "CWnd.h"

class COwnerDrawnItemsCtrl : public CWnd
{
    DECLARE_DYNAMIC(COwnerDrawnItemsCtrl)
public:
    virtual void DrawItem(LPDRAWITEMSTRUCT lpDrawItemStruct);
    virtual void MeasureItem(LPMEASUREITEMSTRUCT lpMeasureItemStruct);
    virtual int CompareItem(LPCOMPAREITEMSTRUCT lpCompareItemStruct);
    virtual void DeleteItem(LPDELETEITEMSTRUCT lpDeleteItemStruct);

protected:
    COwnerDrawnItemsCtrl() = default;
    BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;

    int Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return static_cast<int>(SendMessage(message, wParam, lParam));
    }
};
