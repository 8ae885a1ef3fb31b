#pragma once
#include "Framework.h"

// Where one save goes: written by the Save Options dialog, read by the save driver.
struct SaveTarget {
    enum Kind : int { Pst = 0, Excel = 1, Csv = 2 };
    enum PstMode : int { NewPst = 0, ExistingPst = 1 };

    int nKind = Pst;
    int nPstMode = NewPst;
    CString strPstPath;
    CString strExcelPath;
    CString strCsvPath;
};

// The frame's save settings and wizard state: what to save, how, and where to.
class SettingsRecord {
public:
    enum Mode : int { ModeNone = 0, ModeSingle = 1, ModeMultiple = 2 };

    CString m_strDatabasePath;      // current database
    CString m_strServer;            // its server; empty for a local file
    CStringArray m_folders;         // Notes folder paths to export
    CStringArray m_databases;       // chosen databases ...
    CStringArray m_servers;         // ... and their servers, in parallel
    int m_nMode = ModeNone;
    SaveTarget m_target;
    BYTE m_bSingleFile = 0;         // every database into one target

    // Replaces the chosen databases with the given rows (path, server).
    void SetChosenDatabases(const CStringArray& paths, const CStringArray& servers);
};
