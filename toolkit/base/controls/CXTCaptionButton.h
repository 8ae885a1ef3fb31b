#pragma once
// The button of a caption bar: a toolkit button drawn by the caption-button
// themes, which read the colours and text of the caption it belongs to.
#include "CXTButton.h"

class CXTCaption;

class CXTCaptionButton : public CXTButton {
    DECLARE_DYNAMIC(CXTCaptionButton)
public:
    CXTCaptionButton();

    CXTCaption* GetCaption() const { return m_pCaption; }
    void SetCaption(CXTCaption* pCaption) { m_pCaption = pCaption; }
    // Also takes the parent caption's face and text colours, the dark shadow
    // and the caption's font, when the parent is a caption.
    DWORD SetLookFlags(DWORD dwFlags, BOOL bRedraw = TRUE) override;
    // The parent caption's colours into the theme.
    void CopyCaptionColors();

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    CXTCaption* m_pCaption = nullptr;
};
