// export_killed_save DATABASE PST ENTRIES EVENT: saves every calendar folder of the
// database into a new PST as the save step does (save thread with OLE, the item bar
// attached) and sets the named event once the folder save of the ENTRIES-th entry has
// returned; then goes on saving until it is killed from outside.
#include <windows.h>

#include <cstdlib>
#include <string>

#include "AfxOle.h"
#include "CEngineFacade.h"
#include "CProgressCtrl.h"
#include "CWorkerThread.h"
#include "PstTemplateResource.h"

namespace {

class TemplateWriter : public IPstTemplateWriter {
public:
    void ExtractPstTemplate(const CString& path, UINT resourceId) override {
        PstTemplateResource::Extract(GetModuleHandleW(nullptr), path, resourceId);
    }
};

// The entry loop sets the item bar to 100 after an entry's folder save has returned.
class SavedEntries : public CProgressCtrl {
public:
    SavedEntries(int entries, HANDLE event) : m_entries(entries), m_event(event) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == PBM_SETPOS && wParam == 100 && ++m_saved == m_entries) SetEvent(m_event);
        return CProgressCtrl::WindowProc(message, wParam, lParam);
    }

private:
    int m_entries;
    HANDLE m_event;
    int m_saved = 0;
};

}  // namespace

int wmain(int argc, wchar_t** argv) {
    if (argc != 5) return 2;
    const HANDLE event = OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[4]);
    if (!event) return 3;
    CNotesReader reader;
    if (!reader.Init()) return 4;
    TemplateWriter templates;
    CEngineFacade facade(reader, &templates);
    CStringArray folders;
    if (!facade.ScanCurrentDatabase(argv[1], L"", folders, 1, nullptr)) return 5;
    CWnd step;
    if (!step.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 400, 100, nullptr, nullptr)) return 6;
    SavedEntries itemBar(_wtoi(argv[3]), event);
    if (!itemBar.Create(WS_CHILD, CRect(0, 0, 200, 20), &step, 1)) return 6;
    reader.m_pItemProgress = &itemBar;
    reader.m_nBarFrameMs = 0;  // every entry's position, to count the saved ones
    CWorkerThread save;
    save.Start([&] {
        AfxOleInit();
        LNNotesSession thread;
        thread.InitThread();
        if (!facade.OpenPst(argv[2], false)) return 7u;
        for (INT_PTR i = 0; i < folders.GetSize(); ++i) facade.ExportOneFolder(folders[i], 0, nullptr);
        facade.ClosePst();
        thread.TermThread();
        return 0u;
    });
    save.Join();
    return static_cast<int>(save.GetExitCode());
}
