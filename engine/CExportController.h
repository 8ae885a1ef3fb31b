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

    // Mode 0 into the PST, mode 1 into the sheet; 1 when done (a folder that failed
    // to export counts as done, its error is the reader's), 0 when an error escaped.
    int ExportOneFolder(const CString& folderPath, int mode, CSpreadSheet* sheet);

    CNotesReader* m_pReader = nullptr;  // borrowed
    CPstWriter* m_pWriter = nullptr;    // borrowed, may be null
};
