#pragma once
// The message pumping shared by the tracking loops of the tab manager (a held
// navigate button, a dragged tab): they sleep until input arrives or their
// next timer tick is due, and a WM_QUIT they meet goes back to the queue so
// that the application's own loop still ends.
#include "Framework.h"

class TabMessageLoop {
public:
    enum Result { message, timeout, quit };

    // Takes the next message, waiting at most dwTimeout ms for one. On quit
    // the WM_QUIT has been posted again.
    static Result NextMessage(MSG& msg, DWORD dwTimeout);
    // Milliseconds from now until dwTick (0 when it has passed).
    static DWORD MillisecondsUntil(DWORD dwTick);
    // The mouse position of a mouse message in hWnd's client coordinates.
    static CPoint ClientPoint(const MSG& msg, HWND hWnd);
};
