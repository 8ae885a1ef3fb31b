#pragma once
// One tab of a tab window: its caption, its page window and whether its header shows.
#include "Framework.h"

class CXTPTabManagerItem {
public:
    const CString& GetCaption() const { return m_strCaption; }
    void SetCaption(LPCTSTR lpszCaption) { m_strCaption = lpszCaption; }
    BOOL IsVisible() const { return m_bVisible; }
    void SetVisible(BOOL bVisible) { m_bVisible = bVisible; }
    BOOL IsEnabled() const { return m_bEnabled; }
    void SetEnabled(BOOL bEnabled) { m_bEnabled = bEnabled; }
    HWND GetHandle() const { return m_hWndPage; }
    void SetHandle(HWND hWndPage) { m_hWndPage = hWndPage; }
    int GetImageIndex() const { return m_nImage; }
    void SetImageIndex(int nImage) { m_nImage = nImage; }
    int GetIndex() const { return m_nIndex; }

private:
    friend class CXTTabWindow;
    CString m_strCaption;
    BOOL m_bVisible = TRUE;
    BOOL m_bEnabled = TRUE;
    HWND m_hWndPage = nullptr;
    int m_nImage = -1;
    int m_nIndex = -1;
};
