#pragma once
// Loads the toolkit's strings, menus, toolbars, bitmaps, cursors and dialog
// templates from the program's resources, and shows resource strings in
// message boxes. A derived manager may look elsewhere first.
#include "Framework.h"
#include "CMenu.h"

class CXTPToolBar;

class CXTPResourceManager {
public:
    CXTPResourceManager() = default;
    virtual ~CXTPResourceManager() = default;
    CXTPResourceManager(const CXTPResourceManager&) = delete;
    CXTPResourceManager& operator=(const CXTPResourceManager&) = delete;

    // Each answers FALSE (or null) when the resource is missing.
    virtual BOOL FetchString(CString& str, UINT nID);
    virtual BOOL FetchMenu(CMenu& menu, UINT nID);
    virtual BOOL FetchToolBar(CXTPToolBar& toolBar, UINT nID);
    virtual BOOL FetchBitmap(CBitmap& bitmap, UINT nID);
    virtual HCURSOR FetchCursor(UINT nID);
    // The locked template, valid as long as the program runs.
    virtual LPCDLGTEMPLATE FetchDialogTemplate(UINT nID);
    // Lets go of a resource module of its own; this one reads only the program's.
    virtual void Close() {}

    // The string shown by AfxMessageBox with nType; the box's answer.
    int ShowMessageBox(UINT nIDPrompt, UINT nType);
};

CXTPResourceManager* GetResourceManager();
