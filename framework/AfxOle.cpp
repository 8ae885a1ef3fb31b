#include "AfxOle.h"
#include "CThreadLocal.h"

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

CThreadLocal<OleThreadState> t_oleStates;

} // namespace

BOOL AfxOleInit()
{
    if (t_oleStates.Get().initialised)
        return TRUE;
    // S_FALSE (already initialised by someone else) still counts and must be balanced.
    if (FAILED(OleInitialize(nullptr)))
        return FALSE;
    t_oleStates.Get().initialised = true;
    return TRUE;
}

void AfxOleTerm()
{
    if (!t_oleStates.Get().initialised)
        return;
    t_oleStates.Get().initialised = false;
    OleUninitialize();
}
