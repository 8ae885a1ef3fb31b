#include "CSpreadSheet.h"

#include <odbcinst.h>

#include <algorithm>
#include <string>

#include "DelimitedText.h"
#include "Utf8Codec.h"

namespace {

constexpr char kByteOrderMark[] = "\xEF\xBB\xBF";

CString SqlText(const CString& value)
{
    CString escaped(value);
    escaped.Replace(L"'", L"''");
    return escaped;
}

CString SqlName(const CString& name)
{
    CString escaped(name);
    escaped.Replace(L"]", L"]]");
    return escaped;
}

// A value of an ODBC connection string: in braces, a '}' in it doubled, so that
// spaces, ';' and '=' in it stay part of the value.
CString ConnectionValue(const CString& value)
{
    CString quoted(value);
    quoted.Replace(L"}", L"}}");
    return L"{" + quoted + L"}";
}

} // namespace

CSpreadSheet::CSpreadSheet(const CString& file, const CString& sheetOrSeparator)
    : m_file(file)
{
    CString extension = file.Right(4);
    m_excelMode = extension.MakeLower() == L".xls";
    if (m_excelMode) {
        m_sheetName = sheetOrSeparator;
        m_separator = L",;.?";
        m_database = std::make_unique<CDatabase>();
        GetExcelDriver();
        // Drivers that end a braced value at its first '}' would take another file.
        if (file.Find(L'}') >= 0)
            m_lastError = L"The workbook path cannot contain '}'. Choose another folder or file name.";
        else
            m_connection.Format(L"DRIVER=%s;DSN='';FIRSTROWHASNAMES=1;READONLY=FALSE;CREATE_DB=%s;DBQ=%s",
                                ConnectionValue(m_excelDriver).GetString(), ConnectionValue(m_file).GetString(),
                                ConnectionValue(m_file).GetString());
    } else {
        m_separator = sheetOrSeparator;
    }
    Open();
}

CSpreadSheet::~CSpreadSheet()
{
    m_textFile.reset();
    m_recordset.reset();
    if (m_database)
        m_database->Close();
}

void CSpreadSheet::GetExcelDriver()
{
    WCHAR drivers[2000] = {};
    WORD length = 0;
    m_excelDriver.Empty();
    if (!SQLGetInstalledDriversW(drivers, WORD(std::size(drivers)), &length))
        return;
    for (LPCWSTR name = drivers; name < drivers + std::size(drivers) && *name; name += wcslen(name) + 1) {
        if (wcsstr(name, L"Excel")) {
            m_excelDriver = name;
            return;
        }
    }
}

// The writer keeps one connection for its whole life: the driver then loads
// the workbook once, and a commit writes only the rows added since the last.
bool CSpreadSheet::Connect()
{
    if (m_database->IsOpen())
        return true;
    if (m_connection.IsEmpty())
        return false; // the path was refused; m_lastError says why
    try {
        m_database->OpenEx(m_connection, CDatabase::noOdbcDialog);
        return true;
    } catch (CDBException* e) {
        m_lastError = e->m_strError;
        e->Delete();
        return false;
    }
}

bool CSpreadSheet::Open()
{
    return m_excelMode ? OpenExcel() : OpenText();
}

// Opening takes the column names and counts the stored rows; their values are
// read only when ReadRow asks for one, so a writer on a large sheet opens fast.
bool CSpreadSheet::OpenExcel()
{
    if (!Connect())
        return false;
    m_sql.Format(L"SELECT * FROM [%s$A1:IV65536]", SqlName(m_sheetName).GetString());
    m_recordset = std::make_unique<CRecordset>(m_database.get());
    try {
        m_recordset->Open(CRecordset::forwardOnly, m_sql, CRecordset::readOnly);
    } catch (CDBException* e) {
        // No such sheet yet: a new workbook.
        e->Delete();
        m_recordset.reset();
        return false;
    }
    bool result = true;
    long stored = 0;
    try {
        const short columns = m_recordset->GetODBCFieldCount();
        if (columns > 0) {
            m_rows.RemoveAll();
            m_fieldNames.RemoveAll();
            m_tableExists = true;
            m_columnCount = columns;
            for (short i = 0; i < columns; ++i) {
                CODBCFieldInfo info;
                m_recordset->GetODBCFieldInfo(i, info);
                m_fieldNames.Add(info.m_strName);
            }
            stored = 1;
            for (; !m_recordset->IsEOF(); m_recordset->MoveNext())
                ++stored;
        }
    } catch (CDBException* e) {
        e->Delete();
        m_lastError = L"Error reading row\n";
        result = false;
    }
    // Whatever was counted stands in the workbook already: new rows go after it.
    m_unloadedRows = stored;
    m_storedUnloaded = stored > 0;
    m_rowCount = m_unloadedRows + static_cast<long>(m_rows.GetSize());
    m_writtenRows = m_rowCount;
    m_recordset.reset();
    return result;
}

// The header row and the data rows the sheet held when the writer opened it.
bool CSpreadSheet::ReadStoredExcel(CStringArray& rows)
{
    if (!Connect())
        return false;
    m_sql.Format(L"SELECT * FROM [%s$A1:IV65536]", SqlName(m_sheetName).GetString());
    m_recordset = std::make_unique<CRecordset>(m_database.get());
    bool result = true;
    try {
        m_recordset->Open(CRecordset::forwardOnly, m_sql, CRecordset::readOnly);
        const short columns = m_recordset->GetODBCFieldCount();
        rows.Add(DelimitedText::Join(m_fieldNames, m_separator));
        while (rows.GetSize() < m_unloadedRows && !m_recordset->IsEOF()) {
            m_fieldValues.RemoveAll();
            for (short i = 0; i < columns; ++i) {
                CString value;
                m_recordset->GetFieldValue(i, value);
                m_fieldValues.Add(value);
            }
            rows.Add(DelimitedText::Join(m_fieldValues, m_separator));
            m_recordset->MoveNext();
        }
        result = rows.GetSize() == m_unloadedRows;
    } catch (CDBException* e) {
        e->Delete();
        result = false;
    }
    if (!result)
        m_lastError = L"Error reading row\n";
    m_recordset.reset();
    return result;
}

// Opening notes only what appending needs: whether the file holds rows and
// whether its last line is ended. Its rows are decoded and split only when
// ReadRow asks for one, so a writer on a large file opens at once.
bool CSpreadSheet::OpenText()
{
    if (GetFileAttributesW(m_file) == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        m_lastError = L"Error in opening file\n";
        // Anything but a missing file may hide content: do not write over it.
        m_targetLocked = error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
        return false;
    }
    CFile file;
    if (!file.Open(m_file, CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary)) {
        m_lastError = L"Error in opening file\n";
        m_targetLocked = true;
        return false;
    }
    try {
        const ULONGLONG length = file.GetLength();
        char head[3] = {};
        const UINT headLength = length > 0 ? file.Read(head, static_cast<UINT>(std::min<ULONGLONG>(length, 3))) : 0;
        const bool byteOrderMark = std::string_view(head, headLength) == std::string_view(kByteOrderMark, 3);
        char last = 0;
        if (length > 0) {
            file.Seek(static_cast<LONGLONG>(length - 1), CFile::begin);
            file.Read(&last, 1);
        }
        file.Close();
        m_rows.RemoveAll();
        m_rowCount = 0;
        m_writtenRows = 0;
        m_storedBytes = length;
        m_storedUnloaded = length > (byteOrderMark ? 3u : 0u);
        m_textNeedsBreak = m_storedUnloaded && last != '\n';
    } catch (CFileException* e) {
        e->Delete();
        m_lastError = L"Error in opening file\n";
        m_targetLocked = true;
        return false;
    }
    return true;
}

// The records of the bytes the file held when the writer opened it.
bool CSpreadSheet::ReadStoredText(CStringArray& rows)
{
    std::string bytes;
    CFile file;
    if (!file.Open(m_file, CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary)) {
        m_lastError = L"Error in opening file\n";
        return false;
    }
    try {
        bytes.resize(static_cast<size_t>(m_storedBytes));
        bytes.resize(file.Read(bytes.data(), static_cast<UINT>(bytes.size())));
        file.Close();
    } catch (CFileException* e) {
        e->Delete();
        m_lastError = L"Error in opening file\n";
        return false;
    }
    if (bytes.size() != m_storedBytes) {
        m_lastError = L"Error in opening file\n";
        return false;
    }
    std::string_view content(bytes);
    if (content.starts_with(kByteOrderMark))
        content.remove_prefix(3);
    CString text;
    if (!Utf8Codec::Decode(content, text)) {
        // A file from elsewhere in the ANSI code page.
        const int count = static_cast<int>(content.size());
        const int size = MultiByteToWideChar(CP_ACP, 0, content.data(), count, nullptr, 0);
        MultiByteToWideChar(CP_ACP, 0, content.data(), count, text.GetBuffer(size), size);
        text.ReleaseBufferSetLength(size);
    }
    DelimitedText::SplitRecords(text, rows);
    return true;
}

// The stored rows go before the rows added since the writer opened the target.
bool CSpreadSheet::LoadStored()
{
    CStringArray stored;
    if (!(m_excelMode ? ReadStoredExcel(stored) : ReadStoredText(stored)))
        return false;
    m_rows.InsertAt(0, &stored);
    // A text file's rows are not counted at open: its row numbers move by all of them.
    const long shift = static_cast<long>(stored.GetSize()) - m_unloadedRows;
    m_writtenRows += shift;
    m_rowCount += shift;
    m_unloadedRows = 0;
    m_storedUnloaded = false;
    return true;
}

bool CSpreadSheet::ReadRow(long row, CStringArray& values)
{
    if (m_storedUnloaded && !LoadStored())
        return false;
    if (row < 1 || row > m_rows.GetSize())
        return false;
    DelimitedText::Split(m_rows[row - 1], m_separator, values);
    return true;
}

bool CSpreadSheet::AddRow(const CStringArray& values)
{
    if (m_excelMode && m_columnCount == 0) {
        m_lastError = L"No header row. Add header row first";
        return false;
    }
    if (m_excelMode && values.GetSize() > m_fieldNames.GetSize()) {
        m_lastError = L"Number of columns to be added cannot be greater than the number of fields\n";
        ++m_refusedRows;
        return false;
    }
    m_rowText = DelimitedText::Join(values, m_separator);
    m_rows.Add(m_rowText);
    ++m_rowCount;
    const long refusedBefore = m_refusedRows;
    return WritePending() && m_refusedRows == refusedBefore;
}

bool CSpreadSheet::AddHeaders(const CStringArray& fields)
{
    m_columnCount = static_cast<short>(fields.GetSize());
    if (m_excelMode) {
        for (INT_PTR i = 0; i < fields.GetSize(); ++i)
            for (INT_PTR k = 0; k < i; ++k)
                if (fields[i] == fields[k]) {
                    m_lastError.Format(L"Duplicate header row field:%s\n", fields[i].GetString());
                    return false;
                }
    }
    // A header row that the target holds already cannot be replaced by appending.
    if (m_writtenRows > 0 || m_storedUnloaded) {
        m_lastError = L"The header row is already written\n";
        return false;
    }
    m_fieldNames.RemoveAll();
    for (INT_PTR i = 0; i < fields.GetSize(); ++i)
        m_fieldNames.Add(fields[i]);
    m_rowText = DelimitedText::Join(fields, m_separator);
    if (m_rows.IsEmpty())
        m_rows.Add(m_rowText);
    else
        m_rows[0] = m_rowText;
    Commit();
    m_rowCount = m_unloadedRows + static_cast<long>(m_rows.GetSize());
    return true;
}

bool CSpreadSheet::Commit()
{
    return WritePending() && m_refusedRows == 0;
}

bool CSpreadSheet::WritePending()
{
    return m_excelMode ? CommitExcel() : CommitText();
}

// Hands the rows not yet given to the driver to it, inside the open
// transaction; a row the driver refuses is reported and left out.
bool CSpreadSheet::StageExcel()
{
    // Nothing to write before the first header row.
    if (!m_tableExists && m_fieldNames.IsEmpty())
        return true;
    if (!Connect())
        return false;
    if (!m_inTransaction) {
        if (!m_database->BeginTrans()) {
            m_lastError = L"Error writing file\n";
            return false;
        }
        m_inTransaction = true;
        m_stagedRows = m_writtenRows;
        m_tableStaged = m_tableExists;
    }
    CString refused;
    try {
        if (!m_tableStaged) {
            m_sql.Format(L"CREATE TABLE [%s] (", SqlName(m_sheetName).GetString());
            for (INT_PTR i = 0; i < m_fieldNames.GetSize(); ++i)
                m_sql.AppendFormat(L"[%s] char(255), ", SqlName(m_fieldNames[i]).GetString());
            m_sql = m_sql.Left(m_sql.GetLength() - 2) + L")";
            m_database->ExecuteSQL(m_sql);
            m_tableStaged = true;
        }
        const long rows = m_unloadedRows + static_cast<long>(m_rows.GetSize());
        for (long next = std::max(m_stagedRows, 1L); next < rows; ++next) {
            DelimitedText::Split(m_rows[next - m_unloadedRows], m_separator, m_fieldValues);
            m_sql.Format(L"INSERT INTO [%s$A1:IV%ld] (", SqlName(m_sheetName).GetString(), next);
            for (INT_PTR i = 0; i < m_fieldValues.GetSize(); ++i)
                m_sql.AppendFormat(L"[%s], ", SqlName(m_fieldNames[i]).GetString());
            m_sql = m_sql.Left(m_sql.GetLength() - 2) + L") VALUES (";
            for (INT_PTR i = 0; i < m_fieldValues.GetSize(); ++i)
                m_sql.AppendFormat(L"'%s', ", SqlText(m_fieldValues[i]).GetString());
            m_sql = m_sql.Left(m_sql.GetLength() - 2) + L")";
            try {
                m_database->ExecuteSQL(m_sql);
            } catch (CDBException* e) {
                if (refused.IsEmpty())
                    refused = e->m_strError;
                e->Delete();
                ++m_refusedRows;
            }
            m_stagedRows = next + 1;
        }
    } catch (CDBException* e) {
        m_lastError = e->m_strError;
        e->Delete();
        m_database->Rollback();
        m_inTransaction = false;
        return false;
    }
    if (!refused.IsEmpty()) {
        m_lastError = refused;
        return false;
    }
    return true;
}

bool CSpreadSheet::CommitExcel()
{
    const bool staged = StageExcel();
    if (!m_inTransaction)
        return staged;
    m_inTransaction = false;
    try {
        m_database->CommitTrans();
    } catch (CDBException* e) {
        // The driver undid the transaction: these rows go again with the next commit.
        m_lastError = e->m_strError;
        e->Delete();
        return false;
    }
    if (m_tableStaged && !m_tableExists) {
        m_tableExists = true;
        m_columnCount = static_cast<short>(m_fieldNames.GetSize());
    }
    m_writtenRows = std::max(m_stagedRows, m_writtenRows);
    return staged;
}

bool CSpreadSheet::CommitText()
{
    if (m_targetLocked) {
        m_lastError = L"Error writing file\n";
        return false;
    }
    CString text;
    if (m_textNeedsBreak)
        text = L"\r\n";
    for (long r = m_writtenRows; r < static_cast<long>(m_rows.GetSize()); ++r) {
        text += m_rows[r];
        text += L"\r\n";
    }
    if (!m_textFile) {
        m_textFile = std::make_unique<CFile>();
        if (!m_textFile->Open(m_file, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite |
                                          CFile::shareDenyWrite | CFile::typeBinary)) {
            m_textFile.reset();
            m_lastError = L"Error writing file\n";
            return false;
        }
    }
    try {
        std::string bytes = Utf8Codec::Encode(text);
        if (m_textFile->GetLength() == 0)
            bytes.insert(0, kByteOrderMark);
        m_textFile->SeekToEnd();
        m_textFile->Write(bytes.data(), static_cast<UINT>(bytes.size()));
    } catch (CFileException* e) {
        e->Delete();
        m_textFile.reset();
        m_lastError = L"Error writing file\n";
        return false;
    }
    m_writtenRows = static_cast<long>(m_rows.GetSize());
    m_textNeedsBreak = false;
    return true;
}
