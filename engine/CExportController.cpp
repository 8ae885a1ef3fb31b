#include "CExportController.h"

#include "CException.h"

#include "CNotesReader.h"
#include "CPstWriter.h"

CExportController::CExportController() = default;

CExportController::~CExportController() = default;

int CExportController::ExportOneFolder(const CString& folderPath, int mode, CSpreadSheet* sheet) {
    try {
        if (!m_pReader) return 0;
        if (mode == 0) {
            if (!m_pWriter) return 0;
            CRdoFolder folder;
            // A folder with no PST folder to go to is not saved: the save must say so.
            if (m_pWriter->GetOrCreateFolder(folderPath, folder) != 1) return 0;
            // What the folder's export could not write is in the reader's last error.
            const int exported = m_pReader->ExportFolder(folderPath, folder, 0, nullptr);
            folder.Save();
            folder.ReleaseDispatch();
            return exported;
        }
        if (mode == 1) {
            CRdoFolder none;
            return m_pReader->ExportFolder(folderPath, none, 1, sheet);
        }
        return 1;
    } catch (CException* e) {
        e->Delete();
        return 0;
    } catch (...) {
        return 0;
    }
}
