#include "InProcessWizard.h"
#include "TreeItemSearch.h"

#include "CTesselEmlConverterGuiDoc.h"
#include "CTesselEmlConverterGuiView.h"
#include "MessagePump.h"
#include "TestPaths.h"
#include "resource.h"

namespace {
CWinApp* s_app = nullptr;
std::wstring s_key;
}  // namespace

bool InProcessWizard::Start(const std::wstring& registryKey)
{
    if (!CUiThreadCall::Initialize())
        return false;
    s_key = registryKey;
    s_app = new CWinApp(L" Orbalin");
    s_app->SetRegistryKey(s_key.c_str());
    s_app->AddDocTemplate(new CSingleDocTemplate(IDR_MAINFRAME, RUNTIME_CLASS(CTesselEmlConverterGuiDoc),
                                                 RUNTIME_CLASS(CMainFrame), RUNTIME_CLASS(CTesselEmlConverterGuiView)));
    s_app->OnFileNew();
    if (CMainFrame::GetFrame() == nullptr)
        return false;
    Frame().ShowWindow(SW_SHOWMAXIMIZED);
    testsupport::PumpMessages(200);
    return true;
}

void InProcessWizard::Stop()
{
    if (CMainFrame* pFrame = CMainFrame::GetFrame())
        pFrame->DestroyWindow();
    testsupport::PumpMessages(100);
    delete s_app;
    s_app = nullptr;
    ::RegDeleteTreeW(HKEY_CURRENT_USER, (L"Software\\" + s_key).c_str());
}

C2PavoFolderTreeView& InProcessWizard::Step()
{
    auto* pMain = static_cast<CTesselEmlConverterGuiView*>(Frame().GetMainView());
    return *static_cast<C2PavoFolderTreeView*>(pMain->GetStepView(1));
}

bool InProcessWizard::WaitUntil(const std::function<bool()>& done, unsigned milliseconds)
{
    // A message loop as the program's: it wakes for every message, sent ones
    // (the workers' calls) included, instead of polling.
    const ULONGLONG end = ::GetTickCount64() + milliseconds;
    while (!done()) {
        if (::GetTickCount64() > end)
            return false;
        ::MsgWaitForMultipleObjectsEx(0, nullptr, 10, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    return true;
}

bool InProcessWizard::WaitForReading(unsigned milliseconds)
{
    return WaitUntil([] { return !Step().IsReading(); }, milliseconds);
}

bool InProcessWizard::PreviewDatabase(const std::wstring& path)
{
    SettingsRecord& settings = Frame().GetSettings();
    settings.m_nMode = SettingsRecord::ModeSingle;
    settings.m_strDatabasePath = path.c_str();
    settings.m_strServer.Empty();
    Frame().GoToStep(0);
    const bool ended = WaitForReading();
    testsupport::PumpMessages(100);
    return ended;
}

void InProcessWizard::Press(CWnd& window, CPoint point)
{
    window.PostMessage(WM_LBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    window.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(point.x, point.y));
}

void InProcessWizard::ClickTreeLabel(HTREEITEM item)
{
    FolderTreeCtrl& tree = Step().GetFolderTree();
    tree.EnsureVisible(item);
    CRect label;
    if (tree.GetItemRect(item, &label, TRUE))
        Press(tree, CPoint(label.left + 4, label.CenterPoint().y));
}

HTREEITEM InProcessWizard::FindFolder(const std::vector<CString>& levels)
{
    FolderTreeCtrl& tree = Step().GetFolderTree();
    return FindTreeItem(tree, tree.GetRootItem(), levels);
}

std::wstring InProcessWizard::OutputFolder()
{
    const std::wstring folder = testsupport::TestOutputPath(L"wizard_step2");
    ::CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}
