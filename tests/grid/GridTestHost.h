#pragma once
// A top-level window that owns a grid under test and records the
// notifications the grid sends it.
#include "CGridCtrl.h"
#include "TestPaths.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

struct RecordedNotice {
    int code;
    int row;
    int col;
    CGridCellBlock block;
    // The sender as the notice names it.
    HWND from = nullptr;
    UINT_PTR id = 0;
    // What an end-edit notice's item holds, and the edited text it carries.
    UINT mask = 0;
    CString text;
};

class GridTestHost {
public:
    explicit GridTestHost(int width = 400, int height = 300, bool visible = false)
    {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &GridTestHost::HostProc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"GridTestHostWnd";
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
        ::RegisterClassW(&wc);
        m_hWnd = ::CreateWindowExW(0, L"GridTestHostWnd", L"grid", WS_POPUP | (visible ? WS_VISIBLE : 0), 10, 10, width + 20,
                                   height + 20, nullptr, nullptr, wc.hInstance, this);
        ::SetWindowLongPtrW(m_hWnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        m_size = CRect(0, 0, width, height);
    }
    ~GridTestHost() { ::DestroyWindow(m_hWnd); }

    // Creates the grid as a child of 'width x height' pixels at (0, 0).
    bool Create(CGridCtrl& grid, DWORD style = WS_CHILD | WS_VISIBLE)
    {
        return grid.CreateGrid(m_size, CWnd::FromHandle(m_hWnd), 100, style) != FALSE;
    }

    HWND Handle() const { return m_hWnd; }
    // The codes of the plain notices received, in order.
    std::vector<int> Codes() const
    {
        std::vector<int> codes;
        for (const RecordedNotice& n : notices)
            if (n.code != GVN_GETDISPINFO && n.code != GVN_ODCACHEHINT)
                codes.push_back(n.code);
        return codes;
    }
    std::vector<RecordedNotice> notices;
    // The answers to the begin-edit and end-edit notices.
    LRESULT beginEditReply = 0;
    LRESULT endEditReply = 0;
    // Texts the host gives display requests: row * 1000 + column, as "r,c".
    bool answerRequests = false;
    int requestCount = 0;
    // Keeps the texts of accepted edits and answers display requests with them,
    // as the owner of a virtual grid does.
    bool keepEdits = false;
    std::map<std::pair<int, int>, CString> keptTexts;

private:
    static LRESULT CALLBACK HostProc(HWND hWnd, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<GridTestHost*>(::GetWindowLongPtrW(hWnd, GWLP_USERDATA));
        if (msg == WM_NOTIFY && self) {
            auto* hdr = reinterpret_cast<NMHDR*>(lParam);
            const int code = static_cast<int>(hdr->code);
            if (code == GVN_GETDISPINFO) {
                auto* request = reinterpret_cast<GridCellRequest*>(lParam);
                ++self->requestCount;
                self->notices.push_back({code, request->item.row, request->item.col, {}, hdr->hwndFrom, hdr->idFrom});
                if (self->answerRequests) {
                    request->item.strText.Format(L"%d,%d", request->item.row, request->item.col);
                    request->item.lParam = request->item.row * 1000 + request->item.col;
                }
                const auto kept = self->keptTexts.find({request->item.row, request->item.col});
                if (kept != self->keptTexts.end())
                    request->item.strText = kept->second;
                return 0;
            }
            if (code == GVN_ODCACHEHINT) {
                auto* notice = reinterpret_cast<GridBlockNotice*>(lParam);
                self->notices.push_back({code, -1, -1, notice->cellRange, hdr->hwndFrom, hdr->idFrom});
                return 0;
            }
            if (code == GVN_ENDLABELEDIT) {
                // The end of an edit carries the edited text.
                const GridCellRecord& item = reinterpret_cast<GridCellRequest*>(lParam)->item;
                self->notices.push_back({code, item.row, item.col, {}, hdr->hwndFrom, hdr->idFrom, item.mask,
                                         item.mask == GVIF_TEXT ? item.strText : CString()});
                if (self->keepEdits && self->endEditReply >= 0)
                    self->keptTexts[{item.row, item.col}] = item.strText;
                return self->endEditReply;
            }
            auto* notice = reinterpret_cast<GridCellNotice*>(lParam);
            self->notices.push_back({code, notice->iRow, notice->iColumn, {}, hdr->hwndFrom, hdr->idFrom});
            if (code == GVN_BEGINLABELEDIT)
                return self->beginEditReply;
            return 0;
        }
        return ::DefWindowProcW(hWnd, msg, wParam, lParam);
    }

    HWND m_hWnd = nullptr;
    CRect m_size;
};

// A file under the test output's grid folder.
inline std::wstring GridOutputPath(const std::wstring& name)
{
    const std::wstring folder = testsupport::TestOutputPath(L"grid");
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder + L"\\" + name;
}

// One shown window (400 x 300) for the tests that need an active window and the
// focus, its records cleared: under Wine every shown top-level window made
// and taken down costs about two seconds.
inline GridTestHost& ShownHost()
{
    static GridTestHost host(400, 300, true);
    host.notices.clear();
    host.beginEditReply = 0;
    host.endEditReply = 0;
    host.answerRequests = false;
    host.requestCount = 0;
    host.keepEdits = false;
    host.keptTexts.clear();
    ::SetForegroundWindow(host.Handle());
    return host;
}

// Holds Shift and Control (or neither) in this thread's keyboard state while alive.
class HeldKeys {
public:
    HeldKeys(bool shift, bool control)
    {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_SHIFT] = shift ? 0x80 : 0;
        keys[VK_CONTROL] = control ? 0x80 : 0;
        ::SetKeyboardState(keys);
    }
    ~HeldKeys()
    {
        BYTE keys[256] = {};
        ::GetKeyboardState(keys);
        keys[VK_SHIFT] = keys[VK_CONTROL] = 0;
        ::SetKeyboardState(keys);
    }
};

inline void PressKey(CGridCtrl& grid, UINT key, bool shift = false, bool control = false)
{
    HeldKeys held(shift, control);
    grid.SendMessage(WM_KEYDOWN, key, 1);
}

inline void SendMouse(CGridCtrl& grid, UINT message, int x, int y, UINT flags = 0)
{
    grid.SendMessage(message, flags, MAKELPARAM(x, y));
}

// A press and release at one point.
inline void ClickAt(CGridCtrl& grid, int x, int y, UINT flags = 0)
{
    SendMouse(grid, WM_LBUTTONDOWN, x, y, flags | MK_LBUTTON);
    SendMouse(grid, WM_LBUTTONUP, x, y, flags);
}

// Every row 20 pixels high and every column 60 wide.
inline void UniformLayout(CGridCtrl& grid)
{
    for (int r = 0; r < grid.RowCount(); ++r)
        grid.ChangeRowHeight(r, 20);
    for (int c = 0; c < grid.ColumnCount(); ++c)
        grid.ChangeColumnWidth(c, 60);
}

// "r,c" in every cell.
inline void LabelCells(CGridCtrl& grid)
{
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.ColumnCount(); ++c) {
            CString text;
            text.Format(L"%d,%d", r, c);
            grid.ChangeCellText(r, c, text);
        }
}
