#include "Afx.h"

#include <atomic>

#include "CString.h"

namespace {
std::atomic<HINSTANCE> g_resourceHandle{nullptr};
}

HINSTANCE AfxGetInstanceHandle()
{
    return GetModuleHandleW(nullptr);
}

HINSTANCE AfxGetResourceHandle()
{
    HINSTANCE h = g_resourceHandle.load();
    return h ? h : AfxGetInstanceHandle();
}

void AfxSetResourceHandle(HINSTANCE hInstResource)
{
    g_resourceHandle.store(hInstResource);
}

void AfxAssertFailedLine(const char* lpszFileName, int nLine)
{
    CStringA text;
    text.Format("Assertion failed: %s(%d)\n", lpszFileName, nLine);
    OutputDebugStringA(text);
    if (IsDebuggerPresent())
        DebugBreak();
}
