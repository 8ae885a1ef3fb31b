#include "ReaderFakes.h"

#include <commctrl.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <string>

std::vector<int> RecordingWaitDialog::positions;
std::vector<std::wstring> RecordingWaitDialog::texts;

HTREEITEM FakeFolderTree::InsertPath(const CString& path, int image, int data) {
    inserts.push_back({path.GetString(), image, data});
    itemData.push_back(static_cast<DWORD_PTR>(data));
    return reinterpret_cast<HTREEITEM>(static_cast<INT_PTR>(inserts.size()));
}

BOOL FakeFolderTree::SetItemData(HTREEITEM item, DWORD_PTR data) {
    itemData.at(reinterpret_cast<INT_PTR>(item) - 1) = data;
    return TRUE;
}

BOOL FakeFolderTree::Expand(HTREEITEM, UINT code) {
    expands.push_back(code);
    return TRUE;
}

BOOL FakeFolderTree::SetCheck(HTREEITEM, BOOL check) {
    checks.push_back(check);
    return TRUE;
}

void FakeCalendarGrid::AddField(int unused, const CString& text, int kind, const CString& subject) {
    fields.push_back({unused, text.GetString(), kind, subject.GetString()});
    if (afterAdd) afterAdd();
}

namespace {

LRESULT CALLBACK RecordingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == PBM_SETPOS) RecordingWaitDialog::positions.push_back(static_cast<int>(wParam));
    if (message == WM_SETTEXT && lParam) RecordingWaitDialog::texts.emplace_back(reinterpret_cast<const wchar_t*>(lParam));
    return DefWindowProcW(window, message, wParam, lParam);
}

const wchar_t* RecordingClass() {
    static const ATOM atom = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = RecordingProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"NotesReaderRecorder";
        return RegisterClassW(&wc);
    }();
    return atom ? L"NotesReaderRecorder" : nullptr;
}

}  // namespace

RecordingWaitDialog::RecordingWaitDialog() {
    positions.clear();
    texts.clear();
    dialog = CreateWindowW(RecordingClass(), L"wait", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    progress = CreateWindowW(RecordingClass(), L"", WS_CHILD, 0, 0, 100, 10, dialog, nullptr, GetModuleHandleW(nullptr), nullptr);
    status = CreateWindowW(RecordingClass(), L"", WS_CHILD, 0, 20, 100, 50, dialog, nullptr, GetModuleHandleW(nullptr), nullptr);
    texts.clear();
}

RecordingWaitDialog::~RecordingWaitDialog() {
    if (dialog) DestroyWindow(dialog);
}

CString WriteFixture(const wchar_t* name, const std::string& text) {
    // A new file each time: a database still open elsewhere keeps its file mapped.
    static int serial = 0;
    const CString path = CString(ORBALIN_TEST_OUTPUT_DIR) + L"\\" + std::to_wstring(++serial).c_str() + L"-" + name;
    std::ofstream out(std::filesystem::path(path.GetString()), std::ios::binary | std::ios::trunc);
    out << text;
    if (!out.flush()) throw std::runtime_error("cannot write a fixture database");
    return path;
}

std::wstring Wide(const CString& s) {
    return s.GetString();
}
