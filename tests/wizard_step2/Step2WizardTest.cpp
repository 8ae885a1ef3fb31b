// Step 2 inside the real wizard: the application's frame, main view and step
// views built in-process over the Notes stand-in, driven with window messages as
// the user's clicks would send them.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <set>
#include <string>
#include <thread>
#include <vector>

#include "InProcessWizard.h"
#include "MessagePump.h"
#include "WindowCapture.h"

namespace {

std::wstring Widen(const char* text)
{
    const std::string narrow = text;
    return std::wstring(narrow.begin(), narrow.end());
}

struct ExpectedFolder {
    std::vector<CString> levels;   // below the root
    int image;
    DWORD_PTR entries;
};

// The kept folders of the sample database: calendar folders and the task,
// journal and all-documents views that hold entries.
const ExpectedFolder kFolders[] = {
    {{L"($Calendar)"}, 3, 300},       {{L"($Meetings)"}, 3, 200},
    {{L"($ToDo)"}, 5, 13},            {{L"($Journal)"}, 2, 8},
    {{L"($All)"}, 2, 335},            {{L"Projects", L"2026"}, 2, 43},
    {{L"Projects", L"2026", L"Orbalin"}, 2, 15}, {{L"Reisen", L"Z\u00FCrich"}, 2, 10},
};

class Step2WizardTest : public ::testing::Test, protected InProcessWizard {
protected:
    static void SetUpTestSuite()
    {
        ASSERT_TRUE(Start(L"Orbalin Step2 Wizard Tests " + std::to_wstring(::GetCurrentProcessId())));
        // A scratch copy: the bundled sample stays as it is.
        s_database = OutputFolder() + L"\\amueller.nsf";
        const std::wstring sample = Widen(ORBALIN_TEST_SOURCE_DIR) + L"\\resources\\sample-data\\mail\\amueller.nsf";
        ASSERT_TRUE(::CopyFileW(sample.c_str(), s_database.c_str(), FALSE));
    }
    static void TearDownTestSuite() { Stop(); }

    void SetUp() override { ASSERT_TRUE(PreviewDatabase(s_database)); }

public:
    static void ClickCheckBoxOf(const std::vector<CString>& levels) { ClickCheckBox(FindFolder(levels)); }

protected:
    static void ClickCheckBox(HTREEITEM item)
    {
        FolderTreeCtrl& tree = Step().GetFolderTree();
        tree.EnsureVisible(item);
        CRect label;
        ASSERT_TRUE(tree.GetItemRect(item, &label, TRUE));
        for (int x = 0; x < label.left; ++x) {
            UINT flags = 0;
            const CPoint p(x, label.CenterPoint().y);
            if (tree.HitTest(p, &flags) == item && (flags & TVHT_ONITEMSTATEICON)) {
                Press(tree, p);
                testsupport::PumpMessages(20);
                return;
            }
        }
        FAIL() << "no check box for " << CStringA(tree.GetItemText(item)).GetString();
    }

    static std::set<CString> GridSubjects()
    {
        std::set<CString> subjects;
        CGridCtrl& grid = Step().GetGridPanel().GetGrid();
        for (int row = 0; row < grid.RowCount(); row += 2)
            for (int col = 0; col < grid.ColumnCount(); ++col)
                if (!grid.CellTextAt(row + 1, col).IsEmpty())
                    subjects.insert(grid.CellTextAt(row, col));
        return subjects;
    }

    static int GridEntries()
    {
        int entries = 0;
        CGridCtrl& grid = Step().GetGridPanel().GetGrid();
        for (int row = 1; row < grid.RowCount(); row += 2)
            for (int col = 0; col < grid.ColumnCount(); ++col)
                entries += grid.CellTextAt(row, col).IsEmpty() ? 0 : 1;
        return entries;
    }

    static CString RichText()
    {
        CString text;
        Step().GetPreviewPanel().GetDialog().GetRichText().GetWindowText(text);
        return text.Trim();
    }

    // The step as the screen shows it. Other programs share the display: the
    // frame stays on top, and the shot is taken when the step's corners and
    // centre show windows of this process.
    static testsupport::WindowCapture Shot(const wchar_t* name)
    {
        ::SetWindowPos(Frame().GetSafeHwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        CRect rc;
        Step().GetWindowRect(&rc);
        testsupport::WindowCapture shot;
        for (int attempt = 0; attempt < 20; ++attempt) {
            Frame().RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
            testsupport::PumpMessages(150);
            bool ours = true;
            for (CPoint p : {rc.TopLeft() + CSize(5, 5), rc.BottomRight() - CSize(5, 5), rc.CenterPoint()}) {
                DWORD pid = 0;
                ::GetWindowThreadProcessId(::WindowFromPoint(p), &pid);
                ours = ours && pid == ::GetCurrentProcessId();
            }
            shot = testsupport::WindowCapture::FromScreen(rc);
            if (ours)
                break;
            testsupport::PumpMessages(500);
        }
        EXPECT_TRUE(shot.SavePng(OutputFolder() + L"\\" + name));
        return shot;
    }

    // The rectangle of a child window in the step's window coordinates.
    static RECT InStep(CWnd& child)
    {
        CRect rc, step;
        child.GetWindowRect(&rc);
        Step().GetWindowRect(&step);
        rc.OffsetRect(-step.left, -step.top);
        return rc;
    }

    static std::wstring s_database;
};

std::wstring Step2WizardTest::s_database;

TEST_F(Step2WizardTest, PreviewListsTheCalendarFoldersAndShowsTheFirstOne)
{
    FolderTreeCtrl& tree = Step().GetFolderTree();
    EXPECT_EQ(CString(L"NSF File"), tree.GetItemText(tree.GetRootItem()));
    for (const ExpectedFolder& folder : kFolders) {
        HTREEITEM item = FindFolder(folder.levels);
        ASSERT_NE(nullptr, item) << CStringA(folder.levels.back()).GetString();
        int image = -1, selected = -1;
        tree.GetItemImage(item, image, selected);
        EXPECT_EQ(folder.image, image) << CStringA(folder.levels.back()).GetString();
        EXPECT_EQ(folder.entries, tree.GetItemData(item)) << CStringA(folder.levels.back()).GetString();
        EXPECT_TRUE(tree.GetCheck(item)) << CStringA(folder.levels.back()).GetString();
    }
    // Folders without entries and mail folders are not listed.
    for (const wchar_t* absent : {L"($Inbox)", L"($Trash)", L"My Contacts"})
        EXPECT_EQ(nullptr, FindFolder({absent}));
    EXPECT_EQ(nullptr, FindFolder({L"Projects", L"Empty"}));
    EXPECT_EQ(11u, tree.GetCount());

    // The first folder is previewed: its 300 entries, five to a row pair.
    EXPECT_EQ(FindFolder({L"($Calendar)"}), tree.GetSelectedItem());
    CGridCtrl& grid = Step().GetGridPanel().GetGrid();
    EXPECT_EQ(120, grid.RowCount());
    EXPECT_EQ(300, GridEntries());
    EXPECT_EQ(0, grid.CellTextAt(1, 0).Find(L"Subject : "));
    EXPECT_TRUE(Step().GetPreviewSplitter().IsSecondPaneHidden());
    EXPECT_TRUE(tree.IsWindowEnabled());

    const auto shot = Shot(L"step2-folders.png");
    // The tree shows its labels, the grid its black title rows, the splitter its frame.
    EXPECT_TRUE(shot.HasTextLikePixels(InStep(tree), 200));
    const RECT gridArea = InStep(grid);
    EXPECT_GT(shot.CountColor(gridArea, RGB(0, 0, 0)), 20 * 400);
    EXPECT_GT(shot.CountColor(gridArea, RGB(0xFF, 0xFF, 0xE1)), 150 * 600);
    RECT frameStrip = InStep(Step().GetFolderSplitter());
    frameStrip.top -= 3;
    frameStrip.bottom = frameStrip.top + 3;
    EXPECT_TRUE(shot.IsMostlyColor(frameStrip, RGB(0xAC, 0xC0, 0xCD)));
}

TEST_F(Step2WizardTest, AClickedFolderFillsTheGridAndAClickedEntryShowsItsText)
{
    ClickTreeLabel(FindFolder({L"Reisen", L"Z\u00FCrich"}));
    ASSERT_TRUE(WaitForReading());
    CGridCtrl& grid = Step().GetGridPanel().GetGrid();
    EXPECT_EQ(4, grid.RowCount());
    EXPECT_EQ(10, GridEntries());
    EXPECT_EQ(1u, GridSubjects().count(L"\u4F1A\u8B70: \u4E88\u7B97\u306E\u78BA\u8A8D"));

    // A click on the second entry's text cell shows that entry below the grid.
    CRect cell;
    ASSERT_TRUE(grid.CellBounds(1, 1, &cell));
    Press(grid, cell.CenterPoint());
    testsupport::PumpMessages(100);
    PreviewPanel& preview = Step().GetPreviewPanel();
    EXPECT_FALSE(Step().GetPreviewSplitter().IsSecondPaneHidden());
    EXPECT_EQ(grid.CellTextAt(0, 1), preview.GetField(0));
    CString shown;
    preview.GetDialog().GetTextEdit().GetWindowText(shown);
    EXPECT_EQ(grid.CellTextAt(1, 1), shown);
    EXPECT_EQ(0, shown.Find(L"Subject : "));
    EXPECT_GE(shown.Find(L"\r\n Location : "), 0);

    const auto capture = Shot(L"step2-entry-preview.png");
    RECT previewArea = InStep(preview);
    EXPECT_TRUE(capture.HasTextLikePixels(previewArea, 100));
}

int Lightness(COLORREF c)
{
    return (GetRValue(c) + GetGValue(c) + GetBValue(c)) / 3;
}

// The pixels of one glyph that stand out from the background, cut to their
// bounding box, as text rows of '#' and '.': equal strings are equal glyphs,
// wherever and in whatever colours they were drawn.
std::string GlyphInk(const testsupport::WindowCapture& shot, const RECT& area, COLORREF background)
{
    const auto ink = [&](int x, int y) {
        const COLORREF c = shot.At(x, y);
        return c != CLR_INVALID && std::abs(Lightness(c) - Lightness(background)) > 0x80;
    };
    RECT box{area.right, area.bottom, area.left, area.top};
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (ink(x, y))
                box = RECT{std::min<LONG>(box.left, x), std::min<LONG>(box.top, y), std::max<LONG>(box.right, x + 1),
                           std::max<LONG>(box.bottom, y + 1)};
    std::string drawn;
    for (int y = box.top; y < box.bottom; ++y, drawn += '\n')
        for (int x = box.left; x < box.right; ++x)
            drawn += ink(x, y) ? '#' : '.';
    return drawn;
}

// The glyph that a font draws for a code point no font has (the box that a
// missing glyph leaves).
std::string MissingGlyphInk(HFONT font)
{
    HDC screen = ::GetDC(nullptr);
    HDC memory = ::CreateCompatibleDC(screen);
    HBITMAP bitmap = ::CreateCompatibleBitmap(screen, 64, 64);
    HGDIOBJ oldBitmap = ::SelectObject(memory, bitmap);
    HGDIOBJ oldFont = ::SelectObject(memory, font);
    RECT all{0, 0, 64, 64};
    ::FillRect(memory, &all, static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH)));
    ::SetTextColor(memory, RGB(0, 0, 0));
    ::SetBkMode(memory, TRANSPARENT);
    ::TextOutW(memory, 8, 8, L"\u0378", 1);
    const auto shot = testsupport::WindowCapture::FromDC(memory, all);
    ::SelectObject(memory, oldFont);
    ::SelectObject(memory, oldBitmap);
    ::DeleteObject(bitmap);
    ::DeleteDC(memory);
    ::ReleaseDC(nullptr, screen);
    return GlyphInk(shot, all, RGB(255, 255, 255));
}

TEST_F(Step2WizardTest, JapaneseSubjectsDrawTheirGlyphsNotMissingGlyphBoxes)
{
    ClickTreeLabel(FindFolder({L"Reisen", L"Z\u00FCrich"}));
    ASSERT_TRUE(WaitForReading());
    CGridCtrl& grid = Step().GetGridPanel().GetGrid();
    const CString subject = L"\u4F1A\u8B70: \u4E88\u7B97\u306E\u78BA\u8A8D";
    int row = -1, col = -1;
    for (int r = 0; r < grid.RowCount() && row < 0; r += 2)
        for (int c = 0; c < grid.ColumnCount(); ++c)
            if (grid.CellTextAt(r, c) == subject) {
                row = r;
                col = c;
                break;
            }
    ASSERT_GE(row, 0) << "no title cell shows the subject";
    CRect cell;
    ASSERT_TRUE(grid.CellBounds(row, col, &cell));
    Shot(L"step2-japanese-subjects.png");
    const auto shot = testsupport::WindowCapture::FromWindow(grid.GetSafeHwnd(), true);
    ASSERT_FALSE(shot.IsEmpty());

    // The title is drawn whole after the folder icon; its characters are placed
    // back from the right end of the text by their widths in the grid's font.
    const HFONT font = reinterpret_cast<HFONT>(grid.SendMessage(WM_GETFONT));
    ASSERT_NE(nullptr, font);
    HDC dc = ::GetDC(grid.GetSafeHwnd());
    HGDIOBJ old = ::SelectObject(dc, font);
    std::vector<int> ends(static_cast<size_t>(subject.GetLength()));
    SIZE size{};
    ::GetTextExtentExPointW(dc, subject, subject.GetLength(), 0, nullptr, ends.data(), &size);
    ::SelectObject(dc, old);
    ::ReleaseDC(grid.GetSafeHwnd(), dc);
    const COLORREF background = shot.At(cell.right - 2, cell.top + 1);
    int last = cell.left;
    for (int x = cell.right - 2; x > cell.left && last == cell.left; --x)
        for (int y = cell.top + 1; y < cell.bottom - 1; ++y)
            if (std::abs(Lightness(shot.At(x, y)) - Lightness(background)) > 0x80) {
                last = x + 1;
                break;
            }
    ASSERT_GT(last, cell.left + size.cx) << "the title cell shows no text";

    const std::string missing = MissingGlyphInk(font);
    std::set<std::string> glyphs;
    for (int i : {0, 1, 4, 5, 6, 7}) {   // the Japanese characters
        const int start = last - size.cx + (i ? ends[i - 1] : 0);
        const RECT area{start, cell.top + 1, last - size.cx + ends[i], cell.bottom - 1};
        const std::string ink = GlyphInk(shot, area, background);
        EXPECT_FALSE(ink.empty()) << "character " << i << " left no ink";
        EXPECT_NE(missing, ink) << "character " << i << " is drawn as the missing-glyph box:\n" << ink;
        glyphs.insert(ink);
    }
    EXPECT_EQ(6u, glyphs.size()) << "distinct characters share one drawing";
}

TEST_F(Step2WizardTest, AFolderWithoutCalendarEntriesSaysSoInsteadOfAnEmptyRow)
{
    ClickTreeLabel(FindFolder({L"($Journal)"}));
    ASSERT_TRUE(WaitForReading());
    EXPECT_EQ(0, Step().GetGridPanel().GetGrid().RowCount());
    EXPECT_FALSE(Step().GetPreviewSplitter().IsSecondPaneHidden());
    EXPECT_EQ(CString(L"No Item present in folder please select another folder"), RichText());

    const auto shot = Shot(L"step2-empty-folder.png");
    // No black title row; the message is red.
    EXPECT_EQ(0, shot.CountColor(InStep(Step().GetGridPanel()), RGB(0, 0, 0)));
    EXPECT_GT(shot.CountPixels(InStep(Step().GetPreviewPanel()),
                               [](COLORREF c) { return GetRValue(c) > 0xC0 && GetGValue(c) < 0x60 && GetBValue(c) < 0x60; }),
              50);
}

TEST_F(Step2WizardTest, AClickDuringAPreviewStopsItBeforeTheNextStarts)
{
    ClickTreeLabel(FindFolder({L"($All)"}));
    // The tree is disabled while a preview runs; a click that still arrives
    // (keyboard, another window) must not let two readers fill the grid.
    ASSERT_TRUE(Step().IsReading());
    ClickTreeLabel(FindFolder({L"Projects", L"2026", L"Orbalin"}));
    ASSERT_TRUE(WaitForReading());
    testsupport::PumpMessages(200);
    EXPECT_EQ(15, GridEntries());
    EXPECT_EQ(6, Step().GetGridPanel().GetGrid().RowCount());
    EXPECT_TRUE(Step().GetFolderTree().IsWindowEnabled());
}

TEST_F(Step2WizardTest, TicksDecideTheFoldersThatExportTakes)
{
    for (const std::vector<CString>& levels :
         std::vector<std::vector<CString>>{{L"($Meetings)"}, {L"($All)"}, {L"Projects"}})
        ClickCheckBox(FindFolder(levels));
    CStringArray folders;
    Step().CheckedFolders(folders);
    const std::vector<CString> expected = {L"($Calendar)\\", L"($ToDo)\\", L"($Journal)\\",
                                           L"Reisen\\Z\u00FCrich\\"};
    ASSERT_EQ(expected.size(), static_cast<size_t>(folders.GetSize()));
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i], folders[static_cast<INT_PTR>(i)]);

    // Nothing ticked: Export refuses.
    ClickCheckBox(Step().GetFolderTree().GetRootItem());
    folders.RemoveAll();
    Step().CheckedFolders(folders);
    EXPECT_EQ(0, folders.GetSize());
}

// Answers the Save Options dialog of this process as the user would (the target
// button, the folder and file name, OK), then the dialog or message that ends
// the save, whose text it keeps.
class SaveOptionsDriver {
public:
    SaveOptionsDriver(UINT targetButton, UINT folderEdit, UINT nameEdit, std::wstring folder, std::wstring name)
        : m_thread([=, this] { Run(targetButton, folderEdit, nameEdit, folder, name); })
    {
    }
    ~SaveOptionsDriver()
    {
        if (m_thread.joinable())
            m_thread.join();
    }
    void Join() { m_thread.join(); }
    bool answered = false;
    std::wstring endText;

private:
    struct Search {
        const std::function<bool(HWND)>* match;
        HWND found;
    };

    static BOOL CALLBACK Visit(HWND hwnd, LPARAM lParam)
    {
        auto* search = reinterpret_cast<Search*>(lParam);
        DWORD pid = 0;
        ::GetWindowThreadProcessId(hwnd, &pid);
        wchar_t cls[32] = {};
        ::GetClassNameW(hwnd, cls, 32);
        if (pid == ::GetCurrentProcessId() && std::wstring(cls) == L"#32770" && ::IsWindowVisible(hwnd)
            && (*search->match)(hwnd)) {
            search->found = hwnd;
            return FALSE;
        }
        return TRUE;
    }

    // A visible dialog of this process that matches, within two minutes.
    static HWND WaitForDialog(const std::function<bool(HWND)>& match)
    {
        for (int i = 0; i < 1200; ++i) {
            Search search{&match, nullptr};
            ::EnumWindows(Visit, reinterpret_cast<LPARAM>(&search));
            if (search.found != nullptr)
                return search.found;
            ::Sleep(100);
        }
        return nullptr;
    }

    static std::wstring Title(HWND hwnd)
    {
        wchar_t text[256] = {};
        ::GetWindowTextW(hwnd, text, 256);
        return text;
    }

    void Run(UINT targetButton, UINT folderEdit, UINT nameEdit, const std::wstring& folder, const std::wstring& name)
    {
        HWND options = WaitForDialog([](HWND hwnd) { return Title(hwnd) == L"Save Options"; });
        if (options == nullptr)
            return;
        ::SendMessageW(::GetDlgItem(options, static_cast<int>(targetButton)), BM_CLICK, 0, 0);
        ::SetDlgItemTextW(options, static_cast<int>(folderEdit), folder.c_str());
        ::SetDlgItemTextW(options, static_cast<int>(nameEdit), name.c_str());
        ::SendMessageW(::GetDlgItem(options, IDOK), BM_CLICK, 0, 0);
        answered = true;
        HWND end = WaitForDialog([options](HWND hwnd) { return hwnd != options && ::GetDlgItem(hwnd, IDOK) != nullptr; });
        if (end == nullptr)
            return;
        for (int id : {100, 0xFFFF}) {
            wchar_t text[512] = {};
            if (::GetDlgItemTextW(end, id, text, 512) > 0)
                endText = text;
        }
        ::SendMessageW(::GetDlgItem(end, IDOK), BM_CLICK, 0, 0);
    }

    std::thread m_thread;
};

using FolderPath = std::vector<CString>;

// Clicks the check boxes of the given folders in turn, Exports with the Save
// Options answered by the driver and waits for the end of the save; the saved
// file is read back by check_step2_export.py with an independent reader.
void ExportClickedFolders(const std::vector<FolderPath>& clicks, const std::vector<CString>& expected,
                          UINT targetButton, UINT folderEdit, UINT nameEdit, const std::wstring& file)
{
    for (const FolderPath& levels : clicks)
        Step2WizardTest::ClickCheckBoxOf(levels);
    const std::wstring path = InProcessWizard::OutputFolder() + L"\\" + file;
    ::DeleteFileW(path.c_str());
    SaveOptionsDriver driver(targetButton, folderEdit, nameEdit, InProcessWizard::OutputFolder(),
                             file.substr(0, file.find(L'.')));
    InProcessWizard::Step().SendMessage(WM_EXPORT, 0, 0);
    ASSERT_TRUE(InProcessWizard::WaitUntil([&] { return !driver.endText.empty(); }, 300000));
    driver.Join();
    EXPECT_TRUE(driver.answered);
    EXPECT_NE(std::wstring::npos, driver.endText.find(L"Saving Complete")) << CStringA(driver.endText.c_str()).GetString();

    // What Export handed to the save: the ticked folders of the database only.
    const CStringArray& saved = InProcessWizard::Frame().GetSettings().m_folders;
    ASSERT_EQ(expected.size(), static_cast<size_t>(saved.GetSize()));
    for (size_t i = 0; i < expected.size(); ++i)
        EXPECT_EQ(expected[i], saved[static_cast<INT_PTR>(i)]);
    EXPECT_NE(INVALID_FILE_ATTRIBUTES, ::GetFileAttributesW(path.c_str()));
}

TEST_F(Step2WizardTest, ExportSavesTheTickedFoldersAsCsv)
{
    ExportClickedFolders({{L"($Meetings)"}, {L"($All)"}, {L"Projects"}},
                         {L"($Calendar)\\", L"($ToDo)\\", L"($Journal)\\", L"Reisen\\Z\u00FCrich\\"}, 1005, 1007,
                         1008, L"step2.csv");
}

// Everything unticked (the root's box), then a folder and a subtree ticked and a
// folder of that subtree unticked again: the PST holds exactly the two folders left ticked.
TEST_F(Step2WizardTest, ExportSavesTheTickedFoldersIntoAPst)
{
    ExportClickedFolders({FolderPath{}, {L"($Meetings)"}, {L"Projects"}, {L"Projects", L"2026", L"Orbalin"}},
                         {L"($Meetings)\\", L"Projects\\2026\\"}, 1012, 1000, 1001, L"step2.pst");
}

}  // namespace

