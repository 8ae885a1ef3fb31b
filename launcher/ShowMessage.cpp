#include "ShowMessage.h"

int ShowMessage(LPCTSTR lpszText, UINT nType)
{
    return ::MessageBoxW(nullptr, lpszText, L"Orbalin", nType);
}
