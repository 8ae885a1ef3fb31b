#pragma once
#include "Framework.h"

// The rich-text window of the preview panel (a rich-edit control in place of an
// ActiveX rich textbox): shows RTF text and stays read-only in itself: a click or
// key press in its text leaves no caret and no selection and hands the focus to
// a sink window, while its scroll bar (non-client) and the wheel keep working.
class CRichText : public CWnd {
    DECLARE_DYNCREATE(CRichText)
public:
    // Loads the rich-edit library that registers the window class of the template.
    static BOOL LoadLibrary();
    static constexpr wchar_t WindowClass[] = L"RichEdit20W";

    BOOL SetTextRTF(const CString& rtf);
    void SetFocusSink(HWND hSink) { m_hFocusSink = hSink; }

protected:
    afx_msg void OnLButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnLButtonDblClk(UINT nFlags, CPoint point);
    afx_msg void OnRButtonDown(UINT nFlags, CPoint point);
    afx_msg void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnChar(UINT nChar, UINT nRepCnt, UINT nFlags);
    afx_msg void OnSetFocus(CWnd* pOldWnd);
    DECLARE_MESSAGE_MAP()

private:
    void PassFocusOn();

    HWND m_hFocusSink = nullptr;
};
