#pragma once
// The popup a caption's text button opens: it shows the caption's child window
// under a small caption of its own with a push pin. It tells the caption when
// the pin is pressed and when the focus has left it; the caption then closes it.
#include "CXTCaption.h"
#include "CXTCaptionButton.h"
#include "CXTIconHandle.h"
#include "Framework.h"

class CXTCaptionPopupWnd : public CWnd {
    DECLARE_DYNAMIC(CXTCaptionPopupWnd)
public:
    static constexpr UINT_PTR kFocusTimer = 1;
    static constexpr UINT kPinId = 9115;

    // Registers the window class "XTCaptionPopupWnd" once per module.
    CXTCaptionPopupWnd();
    ~CXTCaptionPopupWnd() override;

    // Shows pChild in a popup owned by the caption; FALSE when either has no
    // window or a part cannot be made.
    virtual BOOL Create(const CRect& rect, CXTCaption* pCaption, CWnd* pChild);
    virtual void RecalcLayout();
    // Gives the child back to its previous parent; FALSE when either is gone.
    virtual BOOL RestoreParent();
    // Reports WM_CAPTIONPOPUP_CLOSED (posted) when the focus is outside the
    // popup, its parts and the child; TRUE when it did.
    virtual BOOL CheckFocus();

    CXTCaption& GetInnerCaption() { return m_caption; }
    CXTCaptionButton& GetPinButton() { return m_pinButton; }

protected:
    afx_msg void OnDestroy();
    afx_msg void OnPinClicked();
    afx_msg void OnPaint();
    afx_msg void OnTimer(UINT_PTR nIDEvent);
    DECLARE_MESSAGE_MAP()

private:
    CXTCaption* m_pOwnerCaption = nullptr;
    CWnd* m_pChildWnd = nullptr;
    HWND m_hPreviousParent = nullptr;
    CXTCaption m_caption;
    CXTCaptionButton m_pinButton;
    CXTIconHandle m_iconPin;
    CXTIconHandle m_iconPinPushed;
};
