// Starts the sample program, checks what its main window shows, opens and
// closes its About dialog, and ends it.
#include <gtest/gtest.h>

#include <string>

#include "PngWriter.h"
#include "TestPaths.h"
#include "WindowCapture.h"
#include "Framework.h"

namespace {

struct ProcessWindowQuery {
    DWORD processId;
    const wchar_t* title;
    HWND found;
};

BOOL CALLBACK MatchProcessWindow(HWND hWnd, LPARAM lParam)
{
    auto* q = reinterpret_cast<ProcessWindowQuery*>(lParam);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(hWnd, &pid);
    wchar_t text[128] = L"";
    ::GetWindowTextW(hWnd, text, 128);
    if (pid == q->processId && ::IsWindowVisible(hWnd) && wcscmp(text, q->title) == 0) {
        q->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

// A visible top-level window of the process with the given title.
HWND FindProcessWindow(DWORD processId, const wchar_t* title)
{
    ProcessWindowQuery query{processId, title, nullptr};
    ::EnumWindows(&MatchProcessWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

HWND WaitForProcessWindow(DWORD processId, const wchar_t* title, DWORD timeoutMs = 15000)
{
    for (DWORD waited = 0; waited < timeoutMs; waited += 50) {
        if (HWND hWnd = FindProcessWindow(processId, title))
            return hWnd;
        ::Sleep(50);
    }
    return nullptr;
}

TEST(SampleProgramTest, ShowsViewDrawingAndAboutDialog)
{
    std::wstring commandLine = L"\"" + std::wstring(FRAMEWORK_SAMPLE_EXE) + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    PROCESS_INFORMATION pi{};
    ASSERT_TRUE(::CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        << "cannot start " << FRAMEWORK_SAMPLE_EXE;

    HWND hFrame = WaitForProcessWindow(pi.dwProcessId, L"Untitled - Orbalin framework sample");
    ASSERT_NE(nullptr, hFrame) << "the main window did not appear";
    HWND hView = ::GetDlgItem(hFrame, AFX_IDW_PANE_FIRST);
    ASSERT_NE(nullptr, hView);
    EXPECT_NE(nullptr, ::GetMenu(hFrame));

    // The display is shared with other test programs: keep the window on top
    // and take the picture again when something passed over it meanwhile.
    ::SetWindowPos(hFrame, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    auto drawingShows = [](const testsupport::WindowCapture& view) {
        return view.HasTextLikePixels(RECT{20, 20, 220, 40}, 40)              // the text line
               && !view.HasTextLikePixels(RECT{20, 0, 220, 16})                // nothing above it
               && view.IsMostlyColor(RECT{300, 20, 500, 40}, RGB(255, 255, 255))
               && view.IsMostlyColor(RECT{24, 64, 216, 136}, RGB(0, 102, 204))  // the blue rectangle
               && view.IsMostlyColor(RECT{230, 60, 400, 140}, RGB(255, 255, 255));
    };
    testsupport::WindowCapture view;
    for (int attempt = 0; attempt < 10; ++attempt) {
        view = testsupport::WindowCapture::FromWindow(hView, true);
        if (drawingShows(view))
            break;
    }
    testsupport::WindowCapture frame = testsupport::WindowCapture::FromWindow(hFrame);
    ASSERT_FALSE(frame.IsEmpty());
    EXPECT_TRUE(frame.SavePng(testsupport::TestOutputPath(L"framework-sample.png")));
    EXPECT_TRUE(view.SavePng(testsupport::TestOutputPath(L"framework-sample-view.png")));
    EXPECT_TRUE(drawingShows(view)) << "see framework-sample-view.png";

    // Help/About opens the modal dialog and disables the frame meanwhile.
    ::PostMessageW(hFrame, WM_COMMAND, ID_APP_ABOUT, 0);
    HWND hAbout = WaitForProcessWindow(pi.dwProcessId, L"About FrameworkSample");
    ASSERT_NE(nullptr, hAbout) << "the About dialog did not appear";
    wchar_t text[64] = L"";
    ::GetDlgItemTextW(hAbout, 1001, text, 64);
    EXPECT_STREQ(L"FrameworkSample, version 1.0", text);
    EXPECT_FALSE(::IsWindowEnabled(hFrame));
    testsupport::WindowCapture about = testsupport::WindowCapture::FromWindow(hAbout);
    EXPECT_TRUE(about.SavePng(testsupport::TestOutputPath(L"framework-sample-about.png")));

    ::PostMessageW(hAbout, WM_COMMAND, IDOK, 0);
    for (int i = 0; i < 100 && ::IsWindow(hAbout); ++i)
        ::Sleep(50);
    EXPECT_FALSE(::IsWindow(hAbout));
    EXPECT_TRUE(::IsWindowEnabled(hFrame));

    // File/Exit ends the program normally.
    ::PostMessageW(hFrame, WM_COMMAND, ID_APP_EXIT, 0);
    ASSERT_EQ(WAIT_OBJECT_0, ::WaitForSingleObject(pi.hProcess, 15000));
    DWORD exitCode = 1;
    ::GetExitCodeProcess(pi.hProcess, &exitCode);
    EXPECT_EQ(0u, exitCode);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
}

} // namespace
