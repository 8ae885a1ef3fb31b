#pragma once
// The own tooltip window showing its text as rich text (RTF, or plain text
// when the text is no RTF), laid out by a hidden rich-edit child at the
// narrowest width that keeps the height the maximum width gives.
#include "CXTPToolTipWindow.h"

class CXTPRichToolTipWindow : public CXTPToolTipWindow {
public:
    using CXTPToolTipWindow::CXTPToolTipWindow;

    CSize MeasureTip(CDC* pDC) override;
    void DrawTipText(CDC* pDC, const CRect& rcClient) override;

protected:
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    int OnCreate(LPCREATESTRUCT lpCreateStruct);
    DECLARE_MESSAGE_MAP()

private:
    static constexpr UINT kRichEditId = 1;

    // Streams the text in; false when nothing arrived.
    bool StreamIn(const CString& strText, UINT nFormat);
    // The size the child asks for at width nWidth.
    CSize RequestAt(int nWidth);
    CSize FitWidth();

    HWND m_hRichEdit = nullptr;
    CSize m_szRequested{0, 0};
};
