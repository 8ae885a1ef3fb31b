#pragma once
// OLE start-up for the calling thread.
#include "Afx.h"
#include <ole2.h>

// Initialises OLE (OleInitialize) on the calling thread, once per thread; later
// calls on the same thread only report the earlier outcome. The initialisation
// is undone by AfxOleTerm on that thread: a CWorkerThread calls it when its
// function returns, the application when it exits; as a last resort the
// thread's end (the program's exit for the main thread) calls it, but on a
// thread not started by CWorkerThread the system may have torn its COM state
// down by then. Returns TRUE when OLE is initialised on this thread.
BOOL AfxOleInit();

// Undoes AfxOleInit on the calling thread (the application's ExitInstance calls
// it); does nothing when AfxOleInit did not initialise this thread.
void AfxOleTerm();
