#include "SaveDriver.h"

namespace {
const wchar_t kMultipleCaption[] = L"Saving Mode : Multiple Files";
}

SaveDriver::Outcome SaveDriver::Run()
{
    const Outcome outcome = m_settings.m_nMode == SettingsRecord::ModeMultiple ? RunMultiple() : RunSingle();
    // The writer belongs to the thread that opened it: closed here on every path.
    m_steps.ClosePst();
    return outcome;
}

SaveDriver::Outcome SaveDriver::RunSingle()
{
    m_progress.SetCaption(L"Saving File...");
    CString outPath;
    switch (m_steps.SaveByTarget(true, outPath)) {
    case SaveResult::Saved:
        return Saved;
    case SaveResult::NotAllSaved:
        return NotAllSaved;
    case SaveResult::NoSession:
        return OpenFailed;
    default:
        return Failed;
    }
}

SaveDriver::Outcome SaveDriver::RunMultiple()
{
    m_settings.m_bSingleFile = 0;
    m_progress.SetCaption(kMultipleCaption);
    const int count = static_cast<int>(m_settings.m_databases.GetSize());
    bool bAllSaved = true;
    for (int i = 0; i < count; ++i) {
        if (m_steps.IsCancelled()) {
            for (int rest = i; rest < count; ++rest)
                m_progress.SetRowStatus(rest, kCancelled);
            return bAllSaved ? Saved : Incomplete;
        }
        m_progress.SetProgress(DatabasePercent(i, count));
        m_progress.SetCaption(kMultipleCaption);
        m_progress.SetRowStatus(i, kProcessing);
        m_settings.m_strDatabasePath = m_settings.m_databases[i];
        m_settings.m_strServer = i < m_settings.m_servers.GetSize() ? m_settings.m_servers[i] : CString();
        m_progress.SetCaption(m_settings.m_strDatabasePath);

        CStringArray folders;
        const bool bScanned = m_steps.ScanCurrentDatabase(folders);
        m_settings.m_folders.RemoveAll();
        for (INT_PTR f = 0; f < folders.GetSize(); ++f)
            m_settings.m_folders.Add(folders[f]);
        if (!bScanned) {
            m_progress.SetRowStatus(i, m_steps.IsCancelled() ? kCancelled : kScanFailed);
            bAllSaved = false;
            continue;
        }

        CString outPath;
        SaveResult result = SaveResult::Failed;
        if (m_settings.m_bSingleFile) {
            result = m_steps.SaveByTarget(false, outPath);
        } else {
            if (!m_steps.AskSaveOptions()) {
                m_progress.SetRowStatus(i, kCancelled);
                continue;
            }
            result = m_steps.SaveByTarget(true, outPath);
            if (!m_settings.m_bSingleFile)
                m_steps.ClosePst();
        }
        if (m_steps.IsCancelled()) {
            m_progress.SetRowStatus(i, kCancelled);
            m_progress.SetRowLocation(i, outPath);
            continue;   // the next round marks the rest
        }
        if (result == SaveResult::Failed || result == SaveResult::NoSession) {
            m_progress.SetRowStatus(i, kSaveFailed);
            bAllSaved = false;
            continue;
        }
        if (result == SaveResult::NotAllSaved)
            bAllSaved = false;
        m_progress.SetRowStatus(i, result == SaveResult::Saved ? kDone : kNotAllSaved);
        m_progress.SetRowLocation(i, outPath);
    }
    return bAllSaved ? Saved : Incomplete;
}
