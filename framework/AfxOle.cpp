#include "AfxOle.h"

namespace {

// One per thread: remembers whether AfxOleInit initialised OLE here, so the
// matching OleUninitialize runs on the same thread, exactly once.
struct OleThreadState {
    bool initialised = false;
    ~OleThreadState()
    {
        if (initialised)
            OleUninitialize();
    }
};

thread_local OleThreadState t_oleState;

} // namespace

BOOL AfxOleInit()
{
    if (t_oleState.initialised)
        return TRUE;
    // S_FALSE (already initialised by someone else) still counts and must be balanced.
    if (FAILED(OleInitialize(nullptr)))
        return FALSE;
    t_oleState.initialised = true;
    return TRUE;
}

void AfxOleTerm()
{
    if (!t_oleState.initialised)
        return;
    t_oleState.initialised = false;
    OleUninitialize();
}
