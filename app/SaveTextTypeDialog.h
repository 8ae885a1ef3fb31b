#pragma once
#include "Framework.h"

// Asks for the body format of a save: plain text (1) or rich text (2).
class SaveTextTypeDialog : public CDialog {
public:
    enum : int { TextFormat = 1, RtfFormat = 2 };

    explicit SaveTextTypeDialog(CWnd* pParent = nullptr);
    int GetFormat() const { return m_nFormat; }
    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override;

private:
    int m_nFormat = TextFormat;
};
