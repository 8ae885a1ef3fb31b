#pragma once
// What the main frame offers the step views, the save driver and the worker threads:
// each operation passes the frame's engine state to one engine call. The frame owns
// one facade and forwards to it. The PST writer holds Redemption objects, so it is
// opened, used and closed on the save thread only.
#include <memory>

#include "CArray.h"
#include "CExportController.h"
#include "CNotesReader.h"
#include "CPstWriter.h"
#include "CString.h"

class CSpreadSheet;
class IPstTemplateWriter;
class IWaitDialog;

class CEngineFacade {
public:
    CEngineFacade(CNotesReader& reader, IPstTemplateWriter* templateWriter);
    ~CEngineFacade();
    CEngineFacade(const CEngineFacade&) = delete;
    CEngineFacade& operator=(const CEngineFacade&) = delete;

    int ScanCurrentDatabase(const CString& path, const CString& server, CStringArray& folders, int quiet,
                            IWaitDialog* waitDialog);
    int ExportOneFolder(const CString& folderPath, int mode, CSpreadSheet* sheet);
    // Replaces the current writer (at most one exists); true when the PST opened.
    bool OpenPst(const CString& path, bool keepExisting);
    // Closes and deletes the current writer, on the thread that opened it.
    void ClosePst();
    int ListServers(CStringArray& servers);
    int ListServerDatabases(const CString& server, CStringArray& paths, CStringArray& names);

    CPstWriter* GetPstWriter() const { return m_writer.get(); }
    CExportController& GetExportController() { return m_controller; }

private:
    CNotesReader& m_reader;
    IPstTemplateWriter* m_templateWriter;
    CExportController m_controller;
    std::unique_ptr<CPstWriter> m_writer;
};
