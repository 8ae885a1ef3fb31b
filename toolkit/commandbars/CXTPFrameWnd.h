#pragma once
// The frame base that carries the command bars: it owns them, gives them the
// frame's pre-translated and own window messages, lets keys typed into a
// command bar edit reach it untranslated, and drops the frame's accelerator
// table when the shortcut manager keeps its own.
#include "Framework.h"

class CXTPCommandBars;

class CXTPFrameWnd : public CFrameWnd {
    DECLARE_DYNCREATE(CXTPFrameWnd)
public:
    CXTPFrameWnd() = default;
    ~CXTPFrameWnd() override;

    CXTPCommandBars* GetCommandBars() const { return m_pCommandBars; }

    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL LoadFrame(UINT nIDResource, DWORD dwDefaultStyle = WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE,
                   CWnd* pParentWnd = nullptr, CCreateContext* pContext = nullptr) override;
    void OnSetPreviewMode(BOOL bPreview, CPrintPreviewState* pState) override;

protected:
    CXTPCommandBars* m_pCommandBars = nullptr;   // owned: released, not deleted
};
