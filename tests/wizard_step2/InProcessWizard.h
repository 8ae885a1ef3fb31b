#pragma once
// The wizard built in-process as the program builds it (application object,
// document template, frame, main view and step views), for tests and benchmarks
// that drive step 2 with window messages.
#include <functional>
#include <string>
#include <vector>

#include "C2PavoFolderTreeView.h"
#include "CMainFrame.h"

class InProcessWizard {
public:
    // Creates the frame under a profile key of its own; false when it failed.
    static bool Start(const std::wstring& registryKey);
    // Destroys the frame and deletes the profile key.
    static void Stop();

    static CMainFrame& Frame() { return *CMainFrame::GetFrame(); }
    static C2PavoFolderTreeView& Step();

    // What step 1's Preview does for one local database; then waits until the
    // listing and the first folder's preview have ended.
    static bool PreviewDatabase(const std::wstring& path);
    // Pumps messages until done() or the time is up.
    static bool WaitUntil(const std::function<bool()>& done, unsigned milliseconds = 120000);
    static bool WaitForReading(unsigned milliseconds = 120000);

    // A press of the left button as the mouse makes it: the button-up waits in
    // the queue, where the control's press handling looks for it.
    static void Press(CWnd& window, CPoint point);
    static void ClickTreeLabel(HTREEITEM item);
    // The item reached from the root through the given texts.
    static HTREEITEM FindFolder(const std::vector<CString>& levels);

    // The folder under the test output folder where step 2's artefacts go.
    static std::wstring OutputFolder();
};
