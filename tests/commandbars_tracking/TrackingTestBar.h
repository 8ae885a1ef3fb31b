#pragma once
// A command bar with a window whose controls lie in a row, the controls that
// record what their bar asks of them, a popup control, a site window that
// records the bar's notifications, and a seam that counts beeps.
#include <functional>
#include <string>
#include <vector>

#include "ControlTestBar.h"

// A control that records the calls its bar makes.
class RecordingControl : public SizedControl {
public:
    explicit RecordingControl(CSize size = CSize(30, 20)) : SizedControl(size) {}

    void OnClick(BOOL bKeyboard, CPoint point) override { m_calls.push_back(bKeyboard ? L"key click" : Click(point)); }
    void OnLButtonUp(CPoint) override { m_calls.push_back(L"lbutton up"); }
    void OnRButtonUp(CPoint) override { m_calls.push_back(L"rbutton up"); }
    BOOL OnLButtonDblClk(CPoint) override
    {
        m_calls.push_back(L"double click");
        return TRUE;
    }
    void OnMouseMove(CPoint) override { ++m_nMouseMoves; }
    void OnUnderlineActivate() override { m_calls.push_back(L"underline"); }

    std::vector<std::wstring> m_calls;
    int m_nMouseMoves = 0;

private:
    static std::wstring Click(CPoint point)
    {
        return L"click " + std::to_wstring(point.x) + L"," + std::to_wstring(point.y);
    }
};

// Stands for the popup kind of control: it answers to that kind's class name,
// remembers whether its popup is open, and opens it on hover when its bar
// tracks a popup or is a popup itself.
class PopupControl : public RecordingControl {
public:
    static const CRuntimeClass classPopupControl;
    CRuntimeClass* GetRuntimeClass() const override { return const_cast<CRuntimeClass*>(&classPopupControl); }

    BOOL OnSetPopup(BOOL bPopup) override
    {
        m_bOpen = bPopup;
        if (bPopup)
            ++m_nOpened;
        return TRUE;
    }
    // Moving along a bar with an open popup opens the next one; leaving a
    // toolbar's or menu bar's entry closes its popup.
    BOOL OnSetSelected(int bSelected) override
    {
        if (!RecordingControl::OnSetSelected(bSelected))
            return FALSE;
        CXTPCommandBar* pBar = GetParent();
        const BOOL bPopupBar = pBar->GetPosition() == xtpBarPopup;
        if (GetEnabled() && bSelected && pBar->GetTrackingMode() == 2 && !bPopupBar)
            pBar->SetPopuped(GetIndex());
        else if (!bSelected && m_bOpen && !bPopupBar)
            pBar->SetPopuped(-1);
        return TRUE;
    }
    void OnMouseHover() override
    {
        CXTPCommandBar* pBar = GetParent();
        if (GetEnabled() && (pBar->GetTrackingMode() == 2 || pBar->GetPosition() == xtpBarPopup))
            pBar->SetPopuped(GetIndex());
        else
            RecordingControl::OnMouseHover();
    }

    BOOL m_bOpen = FALSE;
    int m_nOpened = 0;
};

// A control that presses like a toolbar button: the press loop decides.
class PressControl : public RecordingControl {
public:
    void OnClick(BOOL, CPoint) override { TrackClick(); }
};

// The window a bar reports to; records the bar's notifications in order.
class RecordingSite : public CWnd {
public:
    RecordingSite() { CreateEx(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr); }
    ~RecordingSite() override { DestroyWindow(); }

    BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) override
    {
        if (message >= WM_CMDBARS_VISIBILITYCHANGED && message <= WM_CMDBARS_CONTROLNOTIFY) {
            m_messages.push_back(message);
            *pResult = 0;
            if (m_onMessage)
                *pResult = m_onMessage(message, wParam, lParam);
            return TRUE;
        }
        return CWnd::OnWndMsg(message, wParam, lParam, pResult);
    }
    int Count(UINT message) const
    {
        int n = 0;
        for (UINT m : m_messages)
            n += m == message;
        return n;
    }

    std::vector<UINT> m_messages;
    std::function<LRESULT(UINT, WPARAM, LPARAM)> m_onMessage;
};

// A bar with a visible window at a place on the screen, its controls laid out
// in one row (or in rows of the given length), reporting to a site.
class TrackingBar : public ControlTestBar {
public:
    // Returns the bar with one reference, for the caller to release.
    static TrackingBar* Create(CWnd* pSite, int nPosition = xtpBarTop, int nType = xtpBarTypeNormal,
                               DWORD dwExStyle = 0, CPoint ptScreen = CPoint(100, 100))
    {
        auto* pBar = new TrackingBar;
        pBar->m_barPosition = nPosition;
        pBar->SetType(nType);
        pBar->CreateEx(WS_EX_TOOLWINDOW | dwExStyle, L"STATIC", L"", WS_POPUP | WS_VISIBLE, ptScreen.x, ptScreen.y, 400,
                       60, nullptr, nullptr);
        pBar->SetOwner(pSite);
        return pBar;
    }

    template <class T = RecordingControl> T* Add(LPCWSTR lpszCaption = L"", int nWidth = 30)
    {
        auto* pControl = new T;
        pControl->m_size = CSize(nWidth, 20);
        GetControls()->AddControl(pControl, 0);
        pControl->SetCaption(lpszCaption);
        return pControl;
    }
    // Lays the controls out in rows no longer than nLength.
    void LayOut(int nLength = 1000) { Layout(nLength, LM_HORZ | LM_COMMIT, CRect(0, 0, 0, 0)); }
    CPoint CenterOf(int nIndex) const { return GetAt(nIndex)->GetRect().CenterPoint(); }

    CXTPCommandBar* GetParentCommandBar() const override { return m_pParentBar; }
    BOOL OnNavigate(int nCode) override
    {
        m_codes.push_back(nCode);
        return m_bRecordOnly ? m_bNavigateAnswer : CXTPCommandBar::OnNavigate(nCode);
    }
    void Release()
    {
        EndTracking();
        InternalRelease();
    }

    CXTPCommandBar* m_pParentBar = nullptr;
    std::vector<int> m_codes;
    BOOL m_bRecordOnly = FALSE;
    BOOL m_bNavigateAnswer = TRUE;
};

// Bars released at the end of a test, after they left tracking.
class TrackingBarHolder {
public:
    explicit TrackingBarHolder(TrackingBar* pBar) : m_pBar(pBar) {}
    ~TrackingBarHolder() { m_pBar->Release(); }
    TrackingBarHolder(const TrackingBarHolder&) = delete;
    TrackingBarHolder& operator=(const TrackingBarHolder&) = delete;
    TrackingBar* operator->() const { return m_pBar; }
    TrackingBar* Get() const { return m_pBar; }

private:
    TrackingBar* m_pBar;
};

// Counts the beeps of the bars while it lives.
class BeepCounter {
public:
    BeepCounter()
    {
        s_nBeeps = 0;
        m_previous = CXTPCommandBar::s_pfnMessageBeep;
        CXTPCommandBar::s_pfnMessageBeep = &Beep;
    }
    ~BeepCounter() { CXTPCommandBar::s_pfnMessageBeep = m_previous; }
    int Count() const { return s_nBeeps; }

private:
    static BOOL WINAPI Beep(UINT)
    {
        ++s_nBeeps;
        return TRUE;
    }
    static inline int s_nBeeps = 0;
    BOOL(WINAPI* m_previous)(UINT) = nullptr;
};

// Sets the keys held down as the thread's key state, for the bar's GetKeyState.
class HeldKeys {
public:
    explicit HeldKeys(std::initializer_list<int> keys)
    {
        ::GetKeyboardState(m_saved);
        BYTE state[256];
        ::memcpy(state, m_saved, sizeof(state));
        for (int nKey : keys)
            state[nKey] = 0x80;
        ::SetKeyboardState(state);
    }
    ~HeldKeys() { ::SetKeyboardState(m_saved); }

private:
    BYTE m_saved[256];
};
