#include "AfxCommonControls.h"

#include <atomic>

BOOL AfxInitCommonControls(DWORD dwIccClasses)
{
    static std::atomic<DWORD> registered{0};
    if ((registered.load() & dwIccClasses) == dwIccClasses)
        return TRUE;
    INITCOMMONCONTROLSEX init{};
    init.dwSize = sizeof(init);
    init.dwICC = dwIccClasses;
    if (!::InitCommonControlsEx(&init))
        return FALSE;
    registered.fetch_or(dwIccClasses);
    return TRUE;
}
