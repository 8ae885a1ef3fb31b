#pragma once
// Base definitions every framework header relies on: the Windows headers,
// POSITION, the module handles, and the diagnostic macros.

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
#include <tchar.h>

// Iteration handle of the framework's lists and maps (opaque to callers).
struct __POSITION {};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION ((POSITION)-1L)

#define AFXAPI
#define AFX_CDECL __cdecl

// The module the program was loaded from.
HINSTANCE AfxGetInstanceHandle();
// The module resources (strings, dialogs, menus) are loaded from; the
// program's own module unless a resource DLL was set.
HINSTANCE AfxGetResourceHandle();
void AfxSetResourceHandle(HINSTANCE hInstResource);

// Diagnostics: ASSERT and TRACE do nothing in release builds; VERIFY always
// evaluates its argument. TRACE takes CString's format (AfxTrace, CString.h).
void AfxAssertFailedLine(const char* lpszFileName, int nLine);

#ifdef NDEBUG
#define ASSERT(f) ((void)0)
#define VERIFY(f) ((void)(f))
#define TRACE(...) ((void)0)
#else
#define ASSERT(f) ((f) ? (void)0 : AfxAssertFailedLine(__FILE__, __LINE__))
#define VERIFY(f) ASSERT(f)
#define TRACE(...) AfxTrace(__VA_ARGS__)
#endif
#define ASSERT_VALID(pOb) ASSERT((pOb) != nullptr)
#define DEBUG_NEW new
#define UNUSED_ALWAYS(x) ((void)(x))
