#pragma once
// Progress bars ("msctls_progress32").

#include "AfxCommonControls.h"
#include "CWnd.h"

class CProgressCtrl : public CWnd
{
    DECLARE_DYNAMIC(CProgressCtrl)
public:
    CProgressCtrl() = default;

    virtual BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

    void SetRange(short nLower, short nUpper) { SendMessage(PBM_SETRANGE, 0, MAKELPARAM(nLower, nUpper)); }
    void SetRange32(int nLower, int nUpper) { SendMessage(PBM_SETRANGE32, static_cast<WPARAM>(nLower), nUpper); }
    void GetRange(int& nLower, int& nUpper) const;
    // Each returns the position before the change.
    int SetPos(int nPos) { return Int(PBM_SETPOS, static_cast<WPARAM>(nPos)); }
    int OffsetPos(int nPos) { return Int(PBM_DELTAPOS, static_cast<WPARAM>(nPos)); }
    int StepIt() { return Int(PBM_STEPIT); }
    int GetPos() const { return Int(PBM_GETPOS); }
    int SetStep(int nStep) { return Int(PBM_SETSTEP, static_cast<WPARAM>(nStep)); }
    COLORREF SetBarColor(COLORREF clrBar) { return static_cast<COLORREF>(SendMessage(PBM_SETBARCOLOR, 0, static_cast<LPARAM>(clrBar))); }
    COLORREF SetBkColor(COLORREF clrNew) { return static_cast<COLORREF>(SendMessage(PBM_SETBKCOLOR, 0, static_cast<LPARAM>(clrNew))); }

private:
    int Int(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return static_cast<int>(SendMessage(message, wParam, lParam));
    }
};
