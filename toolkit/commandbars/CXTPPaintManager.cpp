#include "CXTPPaintManager.h"

CXTPPaintManager* CXTPPaintManager::s_pGlobal = nullptr;

void CXTPPaintManager::SetTheme(int nTheme)
{
    delete s_pGlobal;
    s_pGlobal = new CXTPPaintManager(nTheme);
}

void CXTPPaintManager::Done()
{
    delete s_pGlobal;
    s_pGlobal = nullptr;
}
