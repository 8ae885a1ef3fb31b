#pragma once
// Writes calendar entries as rows of a table: a worksheet of an Excel
// workbook through the ODBC Excel driver, or a delimited text file (UTF-8 with
// a byte-order mark). New rows go after what the target already holds, so
// several writers in turn accumulate their rows in one sheet or file; each
// commit adds only the rows not yet in the target. Opening does not read the
// stored rows: the first ReadRow does. Each added row is committed at once,
// to a text file and to a workbook alike (the driver writes just the appended
// rows into the workbook file). A row the target refuses is
// left out and the rows after it are still written; the writer's commits then
// answer false, so that the loss reaches whoever saves.
#include <memory>

#include "Framework.h"

class CSpreadSheet
{
public:
    // Excel mode when the path ends in ".xls": the second argument is the
    // sheet name; otherwise it is the separator of the text file.
    CSpreadSheet(const CString& file, const CString& sheetOrSeparator);
    ~CSpreadSheet();
    CSpreadSheet(const CSpreadSheet&) = delete;
    CSpreadSheet& operator=(const CSpreadSheet&) = delete;

    bool AddHeaders(const CStringArray& fields);
    // True when the row is in the target; false when it was refused or could
    // not be written yet (a later commit tries the unwritten rows again).
    bool AddRow(const CStringArray& values);
    // Row 1 is the first stored row (the header row in Excel mode).
    bool ReadRow(long row, CStringArray& values);
    // True when every row added so far is in the target and none was refused.
    bool Commit();
    bool Open();
    void GetExcelDriver();
    CString GetLastError() const { return m_lastError; }

private:
    bool Connect();
    bool WritePending();
    bool StageExcel();
    bool CommitExcel();
    bool CommitText();
    bool OpenExcel();
    bool OpenText();
    bool ReadStoredExcel(CStringArray& rows);
    bool ReadStoredText(CStringArray& rows);
    bool LoadStored();

    bool m_tableExists = false;
    bool m_excelMode = false;
    long m_rowCount = 0;
    short m_columnCount = 0;
    CString m_sql;
    CString m_connection;
    CString m_rowText;
    CString m_sheetName;
    CString m_excelDriver;
    CString m_file;
    CString m_separator;
    CString m_lastError;
    CStringArray m_fieldValues;
    CStringArray m_fieldNames;
    CStringArray m_rows;
    std::unique_ptr<CDatabase> m_database;
    std::unique_ptr<CRecordset> m_recordset;

    long m_writtenRows = 0;      // stored rows the target holds already
    long m_stagedRows = 0;       // Excel mode: stored rows the open transaction holds
    bool m_tableStaged = false;  // Excel mode: the open transaction created the table
    bool m_inTransaction = false;
    std::unique_ptr<CFile> m_textFile; // kept open while rows are appended
    bool m_targetLocked = false; // an existing text file that could not be read: never written
    bool m_textNeedsBreak = false; // the text file's last line has no line end
    ULONGLONG m_storedBytes = 0;   // text mode: size of the file when opened
    bool m_storedUnloaded = false; // the target's rows are not in m_rows yet
    long m_unloadedRows = 0;       // Excel mode: stored rows counted at open, not in m_rows
    long m_refusedRows = 0;      // rows left out because the target refused them
};
