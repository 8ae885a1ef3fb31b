// The application object the bars fall back to for the main window.
#include "Framework.h"

CWinApp theApp(L"CommandBarTests");
