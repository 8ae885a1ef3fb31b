#include "CXTPResourceManager.h"
#include "CWinApp.h"
#include "CXTPToolBar.h"

CXTPResourceManager* GetResourceManager()
{
    static CXTPResourceManager manager;
    return &manager;
}

BOOL CXTPResourceManager::FetchString(CString& str, UINT nID)
{
    CString loaded;
    if (!loaded.LoadString(AfxGetResourceHandle(), nID))
        return FALSE;
    str = loaded;
    return TRUE;
}

BOOL CXTPResourceManager::FetchMenu(CMenu& menu, UINT nID)
{
    return menu.LoadMenu(nID);
}

BOOL CXTPResourceManager::FetchToolBar(CXTPToolBar& toolBar, UINT nID)
{
    return toolBar.LoadToolBar(nID);
}

BOOL CXTPResourceManager::FetchBitmap(CBitmap& bitmap, UINT nID)
{
    return bitmap.LoadBitmap(nID);
}

HCURSOR CXTPResourceManager::FetchCursor(UINT nID)
{
    return ::LoadCursorW(AfxGetResourceHandle(), MAKEINTRESOURCEW(nID));
}

LPCDLGTEMPLATE CXTPResourceManager::FetchDialogTemplate(UINT nID)
{
    const HINSTANCE hInstance = AfxGetResourceHandle();
    const HRSRC hResource = ::FindResourceW(hInstance, MAKEINTRESOURCEW(nID), RT_DIALOG);
    if (hResource == nullptr)
        return nullptr;
    const HGLOBAL hData = ::LoadResource(hInstance, hResource);
    return hData != nullptr ? static_cast<LPCDLGTEMPLATE>(::LockResource(hData)) : nullptr;
}

int CXTPResourceManager::ShowMessageBox(UINT nIDPrompt, UINT nType)
{
    CString text;
    FetchString(text, nIDPrompt);
    return AfxMessageBox(text, nType);
}
