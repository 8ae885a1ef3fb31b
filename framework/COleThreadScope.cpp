#include "COleThreadScope.h"

COleThreadScope::COleThreadScope()
    : m_hr(OleInitialize(nullptr)), m_threadId(GetCurrentThreadId())
{
}

COleThreadScope::~COleThreadScope()
{
    // OleUninitialize on another thread would undo that thread's initialisation.
    if (SUCCEEDED(m_hr) && m_threadId == GetCurrentThreadId())
        OleUninitialize();
}
