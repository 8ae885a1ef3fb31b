#pragma once
// OLE initialised for the lifetime of one scope on one thread.
#include "Afx.h"
#include <ole2.h>

// A worker thread that uses automation objects creates one of these first and
// lets it go last: every object must be created, used and released on that
// thread between the two calls. Construction calls OleInitialize, destruction
// the matching OleUninitialize (only when initialisation succeeded). The object
// must be destroyed on the thread that created it; it cannot be copied or moved.
class COleThreadScope {
public:
    COleThreadScope();
    ~COleThreadScope();
    COleThreadScope(const COleThreadScope&) = delete;
    COleThreadScope& operator=(const COleThreadScope&) = delete;

    // S_OK, S_FALSE (OLE was already initialised on this thread) or the failure.
    HRESULT GetResult() const { return m_hr; }
    bool Succeeded() const { return SUCCEEDED(m_hr); }

private:
    HRESULT m_hr;
    DWORD m_threadId;
};
