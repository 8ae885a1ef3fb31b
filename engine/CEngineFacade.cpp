#include "CEngineFacade.h"

#include "IWaitDialog.h"

CEngineFacade::CEngineFacade(CNotesReader& reader, IPstTemplateWriter* templateWriter)
    : m_reader(reader), m_templateWriter(templateWriter) {}

CEngineFacade::~CEngineFacade() = default;

int CEngineFacade::ScanCurrentDatabase(const CString& path, const CString& server, CStringArray& folders, int quiet,
                                       IWaitDialog* waitDialog) {
    if (quiet == 0 && waitDialog && waitDialog->GetDialogWindow()) m_reader.m_pWaitDialog = waitDialog;
    return m_reader.ScanDatabase(path, server, folders, quiet);
}

int CEngineFacade::ExportOneFolder(const CString& folderPath, int mode, CSpreadSheet* sheet) {
    m_controller.m_pReader = &m_reader;
    m_controller.m_pWriter = m_writer.get();
    return m_controller.ExportOneFolder(folderPath, mode, sheet);
}

bool CEngineFacade::OpenPst(const CString& path, bool keepExisting) {
    ClosePst();
    m_writer = std::make_unique<CPstWriter>();
    m_writer->m_mainFrame = m_templateWriter;
    return m_writer->Open(path, keepExisting) == 1;
}

void CEngineFacade::ClosePst() {
    if (!m_writer) return;
    m_writer->Close();
    m_writer.reset();
}

int CEngineFacade::ListServers(CStringArray& servers) {
    m_reader.m_nCancel = 0;
    return m_reader.GetServerList(servers);
}

int CEngineFacade::ListServerDatabases(const CString& server, CStringArray& paths, CStringArray& names) {
    m_reader.m_nCancel = 0;
    return m_reader.GetServerDatabases(server, paths, names);
}
