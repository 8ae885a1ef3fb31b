#include <gtest/gtest.h>

#include "OrbalinProcess.h"
#include "TestPaths.h"
#include "WindowCapture.h"
#include "WizardDriver.h"

#include <algorithm>
#include <commctrl.h>
#include <functional>
#include <string>
#include <utility>

namespace {

constexpr UINT kSelectStep = WM_USER + 101;
constexpr UINT kAddFile = WM_USER + 105;
constexpr int kViewId = 0xE900;   // the frame's view pane
constexpr int kFirstStepId = 59648;

std::wstring Widen(const std::string& text) { return std::wstring(text.begin(), text.end()); }

std::wstring EmptyFolder(const std::wstring& name)
{
    std::wstring dir = testsupport::TestOutputPath(name);
    ::CreateDirectoryW(dir.c_str(), nullptr);
    return dir;
}

HWND StepView(HWND frame, int index)
{
    // The step views are the pages of the main view's tab control (id 100).
    return ::GetDlgItem(::GetDlgItem(::GetDlgItem(frame, kViewId), 100), kFirstStepId + index);
}

// The first step's view once the frame has made it (the frame shows before its view is done).
HWND WaitForStepOne(HWND frame)
{
    for (int i = 0; i < 200; ++i) {
        HWND step = StepView(frame, 0);
        if (step != nullptr && ::IsWindowVisible(step))
            return step;
        ::Sleep(50);
    }
    return nullptr;
}

// Closes the program through its question, answering Yes.
void CloseWithYes(OrbalinProcess& program, HWND frame)
{
    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    HWND box = program.WaitForMessageBox(L"Are you sure , You want to close the software?");
    ASSERT_NE(nullptr, box);
    PressButton(box, IDYES);
    EXPECT_TRUE(program.WaitForExit(20000));
}

}  // namespace

// The program started on no database, showing step 1.
class OrbalinAtStepOne : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(program.Start(NOTES_CLIENT_DIR));
        frame = program.WaitForMainWindow();
        ASSERT_NE(nullptr, frame);
        step1 = WaitForStepOne(frame);
        ASSERT_NE(nullptr, step1);
    }

    OrbalinProcess program;
    HWND frame = nullptr;
    HWND step1 = nullptr;
};

TEST(OrbalinProgramTest, StartsMaximisedWithBarsBannerAndStepOne)
{
    OrbalinProcess program;
    ASSERT_TRUE(program.Start(NOTES_CLIENT_DIR));
    HWND frame = program.WaitForMainWindow();
    ASSERT_NE(nullptr, frame);
    EXPECT_TRUE(::IsZoomed(frame));
    HMENU menu = ::GetMenu(frame);
    ASSERT_NE(nullptr, menu);
    HWND toolbar = WizardDriver::ChildOfClass(frame, TOOLBARCLASSNAMEW);
    ASSERT_NE(nullptr, toolbar);
    EXPECT_EQ(5, static_cast<int>(::SendMessageW(toolbar, TB_BUTTONCOUNT, 0, 0)) - 1);
    HWND status = WizardDriver::ChildOfClass(frame, STATUSCLASSNAMEW);
    ASSERT_NE(nullptr, status);
    EXPECT_EQ(4, static_cast<int>(::SendMessageW(status, SB_GETPARTS, 0, 0)));
    RECT statusRect{};
    ::GetWindowRect(status, &statusRect);
    EXPECT_GT(statusRect.bottom - statusRect.top, 10);

    HWND step1 = WaitForStepOne(frame);
    ASSERT_NE(nullptr, step1);
    EXPECT_FALSE(::IsWindowVisible(StepView(frame, 1)));
    EXPECT_FALSE(::IsWindowVisible(StepView(frame, 2)));
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(step1, 1)));    // Next
    // Step 1 offers Export and Preview; Back, Exit and Stop are hidden.
    EXPECT_TRUE(::IsWindowVisible(::GetDlgItem(step1, 5)));    // Preview
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(step1, 3)));   // Exit
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(step1, 2)));   // Back
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(step1, 4)));   // Stop

    ::SetWindowPos(frame, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ::Sleep(800);
    testsupport::WindowCapture shot = testsupport::WindowCapture::FromWindow(frame, true);
    shot.SavePng(testsupport::TestOutputPath(L"orbalin-start.png"));
    EXPECT_LT(shot.CountColor(shot.Bounds(), RGB(0, 0, 0), 4), shot.Width() * shot.Height() / 50);
    // The banner's dark left end under the toolbar.
    RECT toolbarRect{};
    ::GetWindowRect(toolbar, &toolbarRect);
    const int bannerY = toolbarRect.bottom - toolbarRect.top + 20;
    EXPECT_TRUE(shot.IsMostlyColor(RECT{4, bannerY, 20, bannerY + 10}, RGB(20, 50, 120), 0.8, 24));
    testsupport::WindowCapture view = testsupport::WindowCapture::FromWindow(step1, true);
    // The step list: "Step 1" in red, the later steps' texts in grey.
    EXPECT_GT(view.CountColor(RECT{50, 20, 180, 40}, RGB(255, 0, 0), 60), 10);
    EXPECT_GT(view.CountColor(RECT{50, 160, 180, 240}, RGB(0x88, 0x88, 0x88), 60), 10);
    // Nothing of the step area is left unpainted (black).
    EXPECT_LT(view.CountColor(view.Bounds(), RGB(0, 0, 0), 4), view.Width() * view.Height() / 50);
    // The yellow strip along the bottom of the step.
    EXPECT_TRUE(view.IsMostlyColor(RECT{220, view.Height() - 8, view.Width() - 20, view.Height() - 2},
                                   RGB(0xFB, 0xD3, 0x0A), 0.8, 12));
    CloseWithYes(program, frame);
}

TEST(OrbalinProgramTest, SecondInstanceSaysSoAndEnds)
{
    OrbalinProcess first;
    ASSERT_TRUE(first.Start(NOTES_CLIENT_DIR));
    HWND frame = first.WaitForMainWindow();
    ASSERT_NE(nullptr, frame);

    OrbalinProcess second;
    ASSERT_TRUE(second.Start(NOTES_CLIENT_DIR));
    HWND box = second.WaitForMessageBox(L"Another instance of Orbalin is running");
    ASSERT_NE(nullptr, box);
    EXPECT_EQ(nullptr, second.WaitForMainWindow(500));
    PressButton(box, IDOK);
    EXPECT_TRUE(second.WaitForExit(20000));
    EXPECT_TRUE(::IsWindow(frame));
    CloseWithYes(first, frame);
}

TEST(OrbalinProgramTest, MissingNotesClientEndsWithMessageAndShowsNoFrame)
{
    // A client folder with the library but without its data directory.
    std::wstring dir = EmptyFolder(L"app-notes-without-data");
    ASSERT_TRUE(::CopyFileW((std::wstring(NOTES_CLIENT_DIR) + L"\\lnapi.dll").c_str(), (dir + L"\\lnapi.dll").c_str(),
                            FALSE));
    OrbalinProcess program;
    ASSERT_TRUE(program.Start(dir));
    HWND box = program.WaitForMessageBox(L"Unable to locate Lotus notes, please install lotusnotes on this computer");
    ASSERT_NE(nullptr, box);
    PressButton(box, IDOK);
    // Up to its end the program shows no other window: neither the frame nor a further message.
    std::wstring shown;
    for (DWORD start = ::GetTickCount(); shown.empty() && !program.WaitForExit(0) && ::GetTickCount() - start < 20000;) {
        for (HWND hWnd : program.Windows())
            if (hWnd != box && ::IsWindowVisible(hWnd)) {
                wchar_t title[128] = {};
                ::GetWindowTextW(hWnd, title, 128);
                shown = std::wstring(L"window \"") + title + L"\" " + OrbalinProcess::MessageBoxText(hWnd);
            }
        ::Sleep(1);
    }
    EXPECT_EQ(L"", shown);
    EXPECT_TRUE(program.WaitForExit(20000));
}

TEST(OrbalinProgramTest, CloseQuestionNoKeepsRunningAndHelpFileMissingIsReported)
{
    OrbalinProcess program;
    ASSERT_TRUE(program.Start(NOTES_CLIENT_DIR, EmptyFolder(L"app-without-help")));
    HWND frame = program.WaitForMainWindow();
    ASSERT_NE(nullptr, frame);

    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    HWND box = program.WaitForMessageBox(L"Are you sure , You want to close the software?");
    ASSERT_NE(nullptr, box);
    PressButton(box, IDNO);
    ::Sleep(500);
    EXPECT_FALSE(program.WaitForExit(0));
    EXPECT_TRUE(::IsWindowVisible(frame));

    ::PostMessageW(frame, WM_COMMAND, 32772, 0);
    box = program.WaitForMessageBox(L"Orbalin.chm file not exist, please reinstall software ");
    ASSERT_NE(nullptr, box);
    PressButton(box, IDOK);
    ::Sleep(300);
    EXPECT_TRUE(::IsWindowVisible(frame));
    CloseWithYes(program, frame);
}

TEST(OrbalinProgramTest, StepsChangeByMessagesAndNavigationButtons)
{
    // The program works on a copy of a sample database, in its current folder.
    const std::wstring folder = EmptyFolder(L"app-steps");
    const std::wstring database = folder + L"\\amueller.nsf";
    ASSERT_TRUE(::CopyFileW((Widen(ORBALIN_TEST_SOURCE_DIR) + L"\\resources\\sample-data\\mail\\amueller.nsf").c_str(),
                            database.c_str(), FALSE));
    OrbalinProcess program;
    ASSERT_TRUE(program.Start(NOTES_CLIENT_DIR, folder));
    HWND frame = program.WaitForMainWindow();
    ASSERT_NE(nullptr, frame);
    HWND view = ::GetDlgItem(frame, kViewId);
    ASSERT_NE(nullptr, view);
    HWND step1 = WaitForStepOne(frame);
    ASSERT_NE(nullptr, step1);
    HWND step2 = StepView(frame, 1);
    WizardDriver driver(program);
    auto onlyStep = [&](int step) {
        for (int i = 0; i < 3; ++i)
            if ((i == step) != (::IsWindowVisible(StepView(frame, i)) != FALSE))
                return false;
        return true;
    };

    // With an empty list, Export and Preview are refused and step 1 stays.
    const std::pair<int, const wchar_t*> refusals[] = {{1, L"Please add NSF file(s) to the list before exporting"},
                                                       {5, L"Please select file from list to see preview"}};
    for (auto [button, text] : refusals) {
        WizardDriver::Click(step1, button);
        HWND box = program.WaitForMessageBox(text);
        ASSERT_NE(nullptr, box) << "button " << button;
        PressButton(box, IDOK);
        EXPECT_TRUE(WizardDriver::WaitFor([&] { return !::IsWindow(box); }));
        EXPECT_TRUE(onlyStep(0)) << "button " << button;
    }

    // Add the database through "Add File(s)", select its row and preview it: step 2 lists its folders.
    HWND list = WizardDriver::ChildOfClass(step1, WC_LISTVIEWW);
    ASSERT_NE(nullptr, list);
    WizardDriver::Click(step1, 100);
    HWND dialog = driver.WaitForDialog(L"Open");
    ASSERT_NE(nullptr, dialog);
    HWND name = ::GetDlgItem(dialog, 0x47C);
    if (name != nullptr && WizardDriver::ChildOfClass(name, L"Edit") != nullptr)
        name = WizardDriver::ChildOfClass(name, L"Edit");
    if (name == nullptr)
        name = ::GetDlgItem(dialog, 0x480);
    ASSERT_NE(nullptr, name);
    WizardDriver::SetText(name, database);
    WizardDriver::Click(dialog, IDOK);
    ASSERT_TRUE(WizardDriver::WaitFor([&] { return driver.ItemCount(list) == 1; }));
    ASSERT_TRUE(driver.ClickItem(list, 0));
    ASSERT_TRUE(WizardDriver::WaitFor([&] { return ListView_GetNextItem(list, -1, LVNI_SELECTED) == 0; }));
    WizardDriver::Click(step1, 5);
    EXPECT_TRUE(WizardDriver::WaitFor([&] { return onlyStep(1); }));
    // The listing and the first folder's preview are done when the tree holds the
    // folders, takes clicks again and Back is back.
    HWND back2 = ::GetDlgItem(step2, 2);
    HWND tree = WizardDriver::ChildOfClass(step2, WC_TREEVIEWW);   // inside the splitter
    auto stepTwoAtRest = [&] {
        return ::SendMessageW(tree, TVM_GETCOUNT, 0, 0) > 1 && ::IsWindowEnabled(tree) && ::IsWindowVisible(back2);
    };
    ASSERT_TRUE(WizardDriver::WaitFor(stepTwoAtRest))
        << "tree items " << ::SendMessageW(tree, TVM_GETCOUNT, 0, 0) << ", tree enabled " << ::IsWindowEnabled(tree)
        << ", Back shown " << ::IsWindowVisible(back2);
    WizardDriver::Click(step2, 2);
    EXPECT_TRUE(WizardDriver::WaitFor([&] { return onlyStep(0); }));

    // WM_SELECT_STEP shows exactly the step asked for.
    for (int step : {1, 0}) {
        ::PostMessageW(view, kSelectStep, static_cast<WPARAM>(step), 0);
        // Step 2 lists the database again; wait for it to come to rest.
        EXPECT_TRUE(WizardDriver::WaitFor([&] { return onlyStep(step) && (step != 1 || stepTwoAtRest()); }))
            << "step " << step;
    }

    // Exit takes Back's place while Back is hidden (step 1) and moves left of it otherwise (step 2, at rest).
    auto exitLeft = [](HWND step) {
        RECT client{}, exitRect{};
        ::GetClientRect(step, &client);
        ::SendMessageW(step, WM_SIZE, SIZE_RESTORED, MAKELPARAM(client.right, client.bottom));
        ::GetWindowRect(::GetDlgItem(step, 3), &exitRect);
        ::MapWindowPoints(nullptr, step, reinterpret_cast<POINT*>(&exitRect), 2);
        return client.right - exitRect.left;
    };
    EXPECT_FALSE(::IsWindowVisible(::GetDlgItem(step1, 2)));
    EXPECT_EQ(240, exitLeft(step1));
    ::PostMessageW(view, kSelectStep, 1, 0);
    ASSERT_TRUE(WizardDriver::WaitFor([&] { return onlyStep(1) && stepTwoAtRest(); }));
    EXPECT_EQ(360, exitLeft(step2));
    CloseWithYes(program, frame);
}

TEST_F(OrbalinAtStepOne, AddFileCommandsOfMenuSideButtonAndMessageOpenTheFileDialog)
{
    HWND view = ::GetDlgItem(frame, kViewId);
    WizardDriver driver(program);
    const std::pair<const char*, std::function<void()>> triggers[] = {
        {"menu command 57601", [&] { ::PostMessageW(frame, WM_COMMAND, 57601, 0); }},
        {"side button 4", [&] { WizardDriver::Click(view, 4); }},
        {"WM_ADD_FILE", [&] { ::PostMessageW(view, kAddFile, 0, 0); }},
    };
    for (const auto& [name, trigger] : triggers) {
        SCOPED_TRACE(name);
        trigger();
        // The step starts with the list, so its "Add File(s)" dialog opens.
        HWND dialog = driver.WaitForDialog(L"Open", 10000);
        ASSERT_NE(nullptr, dialog);
        WizardDriver::Click(dialog, IDCANCEL);
        ASSERT_TRUE(WizardDriver::WaitFor([&] { return !::IsWindow(dialog); }));
    }
    CloseWithYes(program, frame);
}

TEST_F(OrbalinAtStepOne, ClickedOptionButtonEndsCheckedAndChoosesItsControls)
{
    HWND single = ::GetDlgItem(step1, 600);
    HWND multiple = ::GetDlgItem(step1, 601);
    ASSERT_TRUE(single != nullptr && multiple != nullptr);
    // The step lays the option buttons out with no size; give them room for the mouse.
    ::SetWindowPos(single, HWND_TOP, 220, 120, 300, 20, 0);
    ::SetWindowPos(multiple, HWND_TOP, 220, 150, 300, 20, 0);
    auto click = [](HWND button) {
        ::PostMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        ::PostMessageW(button, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    };
    auto checked = [](HWND button) { return ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; };
    HWND addFile = ::GetDlgItem(step1, 400);
    HWND addFiles = ::GetDlgItem(step1, 100);
    click(single);
    EXPECT_TRUE(WizardDriver::WaitFor([&] { return ::IsWindowEnabled(addFile) && !::IsWindowEnabled(addFiles); }, 10000));
    EXPECT_TRUE(checked(single));
    EXPECT_FALSE(checked(multiple));
    click(multiple);
    EXPECT_TRUE(WizardDriver::WaitFor([&] { return !::IsWindowEnabled(addFile) && ::IsWindowEnabled(addFiles); }, 10000));
    EXPECT_TRUE(checked(multiple));
    EXPECT_FALSE(checked(single));
    CloseWithYes(program, frame);
}

TEST_F(OrbalinAtStepOne, DominoDialogPlaysItsListingAnimation)
{
    WizardDriver driver(program);
    WizardDriver::Click(step1, 500);
    HWND dialog = driver.WaitForDialog(L"Domino Server File Selection");
    ASSERT_NE(nullptr, dialog);
    HWND animation = ::GetDlgItem(dialog, 1016);
    ASSERT_NE(nullptr, animation);
    DWORD_PTR opened = 0;
    ::SendMessageTimeoutW(animation, ACM_OPENW, 0, 207, SMTO_NORMAL, 5000, &opened);
    EXPECT_TRUE(opened);
    // Frame 2 lights the middle one of its five blocks.
    DWORD_PTR shown = 0;
    ::SendMessageTimeoutW(animation, ACM_PLAY, 1, MAKELPARAM(2, 2), SMTO_NORMAL, 5000, &shown);
    EXPECT_TRUE(shown);
    testsupport::WindowCapture shot;
    EXPECT_TRUE(WizardDriver::WaitFor(
        [&] {
            shot = testsupport::WindowCapture::FromWindow(animation, true);
            return shot.CountColor(shot.Bounds(), RGB(0, 90, 200), 8) >= 40;
        },
        10000));
    shot.SavePng(EmptyFolder(L"app") + L"\\domino-animation.png");
    EXPECT_GE(shot.CountColor(shot.Bounds(), RGB(180, 205, 240), 8), 4 * 40);
    WizardDriver::Click(dialog, 1020);
    ASSERT_TRUE(WizardDriver::WaitFor([&] { return !::IsWindow(dialog); }));
    CloseWithYes(program, frame);
}

namespace {

HWND WaitForWindowTitled(const OrbalinProcess& program, const std::wstring& title)
{
    for (int i = 0; i < 200; ++i) {
        for (HWND hWnd : program.Windows()) {
            wchar_t text[128] = {};
            ::GetWindowTextW(hWnd, text, 128);
            if (title == text && ::IsWindowVisible(hWnd))
                return hWnd;
        }
        ::Sleep(50);
    }
    return nullptr;
}

testsupport::WindowCapture Shot(HWND hWnd, const wchar_t* name)
{
    ::Sleep(400);
    auto shot = testsupport::WindowCapture::FromWindow(hWnd, true);
    shot.SavePng(EmptyFolder(L"app") + L"\\" + name);
    return shot;
}

}  // namespace

TEST_F(OrbalinAtStepOne, ScreenshotsAtStartAboutAndCloseQuestion)
{
    ::SetWindowPos(frame, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    auto start = Shot(frame, L"start.png");
    EXPECT_LT(start.CountColor(start.Bounds(), RGB(0, 0, 0), 4), start.Width() * start.Height() / 50);

    // About: white with a one-pixel yellow frame, its text drawn.
    ::PostMessageW(frame, WM_COMMAND, 57664, 0);
    HWND about = WaitForWindowTitled(program, L"About Orbalin");
    ASSERT_NE(nullptr, about);
    auto aboutShot = Shot(about, L"about.png");
    EXPECT_EQ(RGB(255, 255, 0), aboutShot.At(0, aboutShot.Height() / 2));
    EXPECT_TRUE(aboutShot.IsMostlyColor(RECT{2, 2, aboutShot.Width() - 2, aboutShot.Height() - 2}, RGB(255, 255, 255), 0.6));
    RECT text{};
    ::GetWindowRect(::GetDlgItem(about, 1008), &text);
    ::MapWindowPoints(nullptr, about, reinterpret_cast<POINT*>(&text), 2);
    // The text is a link, drawn in a link colour (red while the pointer is over it): ink is
    // any pixel with a channel well below white's.
    EXPECT_GT(aboutShot.CountPixels(text, [](COLORREF c) { return std::min({GetRValue(c), GetGValue(c), GetBValue(c)}) < 0x60; }),
              40);
    PressButton(about, IDOK);
    ::Sleep(300);

    // The close question shows its text and buttons.
    ::PostMessageW(frame, WM_CLOSE, 0, 0);
    HWND box = program.WaitForMessageBox(L"Are you sure , You want to close the software?");
    ASSERT_NE(nullptr, box);
    auto boxShot = Shot(box, L"close-question.png");
    EXPECT_TRUE(boxShot.HasTextLikePixels(boxShot.Bounds(), 60));
    EXPECT_LT(boxShot.CountColor(boxShot.Bounds(), RGB(0, 0, 0), 4), boxShot.Width() * boxShot.Height() / 5);
    PressButton(box, IDYES);
    EXPECT_TRUE(program.WaitForExit(20000));
}
