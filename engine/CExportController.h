#pragma once
// Joins the Notes reader and the target for one folder at a time: the PST folder that
// mirrors a Notes folder, or the sheet. The frame sets both pointers before each call.
#include "CString.h"

class CNotesReader;
class CPstWriter;
class CSpreadSheet;

class CExportController {
public:
    CExportController();
    virtual ~CExportController();

    // Mode 0 into the PST, mode 1 into the sheet; 1 when done, 0 when the PST folder
    // could not be found or made, the folder's export stopped on an error or an
    // error escaped.
    int ExportOneFolder(const CString& folderPath, int mode, CSpreadSheet* sheet);

    CNotesReader* m_pReader = nullptr;  // borrowed
    CPstWriter* m_pWriter = nullptr;    // borrowed, may be null
};
