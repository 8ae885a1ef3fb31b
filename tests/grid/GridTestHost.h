#pragma once
// A top-level window that owns a grid under test and records the
// notifications the grid sends it.
#include "CGridCtrl.h"

#include <vector>

struct RecordedNotice {
    int code;
    int row;
    int col;
    CGridCellBlock block;
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
    std::vector<RecordedNotice> notices;
    // Texts the host gives display requests: row * 1000 + column, as "r,c".
    bool answerRequests = false;
    int requestCount = 0;

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
                self->notices.push_back({code, request->item.row, request->item.col, {}});
                if (self->answerRequests) {
                    request->item.strText.Format(L"%d,%d", request->item.row, request->item.col);
                    request->item.lParam = request->item.row * 1000 + request->item.col;
                }
                return 0;
            }
            if (code == GVN_ODCACHEHINT) {
                auto* notice = reinterpret_cast<GridBlockNotice*>(lParam);
                self->notices.push_back({code, -1, -1, notice->cellRange});
                return 0;
            }
            auto* notice = reinterpret_cast<GridCellNotice*>(lParam);
            self->notices.push_back({code, notice->iRow, notice->iColumn, {}});
            return 0;
        }
        return ::DefWindowProcW(hWnd, msg, wParam, lParam);
    }

    HWND m_hWnd = nullptr;
    CRect m_size;
};
