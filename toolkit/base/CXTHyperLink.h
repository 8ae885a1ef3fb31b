#pragma once
// A static control that opens its link through the shell when clicked.
#include "Framework.h"

class CXTHyperLink : public CStatic {
public:
    void SetURL(LPCTSTR lpszURL) { m_strURL = lpszURL; }
    const CString& GetURL() const { return m_strURL; }
    void SetBackColor(COLORREF clr);

protected:
    void PreSubclassWindow() override;
    afx_msg void OnClicked();
    afx_msg HBRUSH CtlColor(CDC* pDC, UINT nCtlColor);
    DECLARE_MESSAGE_MAP()

private:
    CString m_strURL;
    COLORREF m_clrBack = 0xFFFFFF;
    CBrush m_brushBack;
};
