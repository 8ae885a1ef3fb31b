#pragma once
// Stand-ins for the wizard's windows that record what the Notes reader asks of them.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "CString.h"
#include "ICalendarGrid.h"
#include "IFolderTree.h"
#include "IWaitDialog.h"

struct TreeInsert {
    std::wstring path;
    int image;
    int itemData;
};

class FakeFolderTree : public IFolderTree {
public:
    HWND GetTreeWindow() const override { return window; }
    HTREEITEM InsertPath(const CString& path, int image, int itemData) override;
    BOOL SetItemData(HTREEITEM item, DWORD_PTR data) override;
    BOOL Expand(HTREEITEM item, UINT code) override;
    BOOL SetCheck(HTREEITEM item, BOOL check) override;

    HWND window = reinterpret_cast<HWND>(static_cast<INT_PTR>(1));
    std::vector<TreeInsert> inserts;
    std::vector<DWORD_PTR> itemData;  // per inserted node
    std::vector<UINT> expands;
    std::vector<BOOL> checks;
};

struct GridField {
    int unused;
    std::wstring text;
    int kind;
    std::wstring subject;
};

class FakeCalendarGrid : public ICalendarGrid {
public:
    void AddField(int unused, const CString& text, int kind, const CString& subject) override;
    std::vector<GridField> fields;
    std::function<void()> afterAdd;  // e.g. a Stop press at a chosen entry
};

// Real windows of a class that records PBM_SETPOS and WM_SETTEXT.
class RecordingWaitDialog : public IWaitDialog {
public:
    RecordingWaitDialog();
    ~RecordingWaitDialog() override;
    HWND GetDialogWindow() const override { return dialog; }
    HWND GetProgressBarWindow() const override { return progress; }
    HWND GetStatusTextWindow() const override { return status; }

    HWND dialog = nullptr;
    HWND progress = nullptr;
    HWND status = nullptr;
    static std::vector<int> positions;
    static std::vector<std::wstring> texts;
};

// Writes a fixture database into the test output folder; answers its path.
CString WriteFixture(const wchar_t* name, const std::string& text);
std::wstring Wide(const CString& s);
