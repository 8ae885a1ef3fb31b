#pragma once
// A top-level test window with tools in a row, each a rectangle with a text
// (and a title and body for titled tips); its messages go to its tooltip
// context before the default handling, as a toolkit bar passes them. The
// pointer is moved for real on the test display.
#include "Framework.h"
#include "CXTPToolTipContext.h"

#include <chrono>
#include <functional>
#include <memory>
#include <vector>

class TipHostWindow : public CWnd {
public:
    struct Tool {
        CRect rect;
        CString text;
        CString title;
        CString body;
        bool callback = false;
    };

    // The window sits at origin and holds its tools with a 10-pixel border.
    // A context of the caller's may replace the plain one.
    TipHostWindow(CPoint origin, std::vector<Tool> tools, std::unique_ptr<CXTPToolTipContext> pContext = nullptr);
    ~TipHostWindow() override;

    // Tools of 100 x 50 pixels with 40-pixel gaps.
    static std::vector<Tool> ToolsInARow(const std::vector<CString>& texts);

    CXTPToolTipContext& Context() { return *m_pContext; }
    // The showing tooltip window, null when none shows.
    HWND ShownTip() const;
    // The centre of tool i and a point in the gap after it, on the screen.
    CPoint ToolPoint(size_t i) const;
    CPoint GapPoint(size_t i) const;
    int CallbacksAsked() const { return m_nCallbacks; }
    std::chrono::steady_clock::time_point LastMoveSeen() const { return m_lastMove; }
    // The first move seen after MarkMoves: a move may take two events (a step
    // aside first), and the tip's delay starts at the first one on the tool.
    void MarkMoves() { m_firstMoveSinceMark = {}; }
    std::chrono::steady_clock::time_point FirstMoveSinceMark() const { return m_firstMoveSinceMark; }

    INT_PTR OnToolHitTest(CPoint point, TOOLINFO* pTI) const override;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::unique_ptr<CXTPToolTipContext> m_pContext;
    std::vector<Tool> m_tools;
    CPoint m_origin;
    int m_nCallbacks = 0;
    std::chrono::steady_clock::time_point m_lastMove{};
    std::chrono::steady_clock::time_point m_firstMoveSinceMark{};
};

// Pumps this thread's messages until done() holds, for at most boundMs; true when it held.
bool PumpUntil(const std::function<bool()>& done, unsigned boundMs);
// Moves the pointer to a screen point through the system's input and waits
// (bounded) until this window has seen it.
bool MovePointer(TipHostWindow& window, CPoint point);
// A left click where the pointer is.
void ClickPointer();
// Makes the window the foreground window (tips show for active windows only).
bool BringToFront(HWND hWnd);
