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
            m_rows.Add(DelimitedText::Join(m_fieldNames, m_separator));
            while (!m_recordset->IsEOF()) {
                m_fieldValues.RemoveAll();
                for (short i = 0; i < columns; ++i) {
                    CString value;
                    m_recordset->GetFieldValue(i, value);
                    m_fieldValues.Add(value);
                }
                m_rowText = DelimitedText::Join(m_fieldValues, m_separator);
                m_rows.Add(m_rowText);
                m_recordset->MoveNext();
            }
        }
    } catch (CDBException* e) {
        e->Delete();
        m_lastError = L"Error reading row\n";
        result = false;
    }
    // Whatever was read stands in the workbook already: new rows go after it.
    m_rowCount = static_cast<long>(m_rows.GetSize());
    m_writtenRows = m_rowCount;
    m_recordset.reset();
    return result;
}

bool CSpreadSheet::OpenText()
{
    if (GetFileAttributesW(m_file) == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = ::GetLastError();
        m_lastError = L"Error in opening file\n";
        // Anything but a missing file may hide content: do not write over it.
        m_targetLocked = error != ERROR_FILE_NOT_FOUND && error != ERROR_PATH_NOT_FOUND;
        return false;
    }
    std::string bytes;
    CFile file;
    if (!file.Open(m_file, CFile::modeRead | CFile::shareDenyNone | CFile::typeBinary)) {
        m_lastError = L"Error in opening file\n";
        m_targetLocked = true;
        return false;
    }
    try {
        bytes.resize(static_cast<size_t>(file.GetLength()));
        if (!bytes.empty())
            bytes.resize(file.Read(bytes.data(), static_cast<UINT>(bytes.size())));
        file.Close();
    } catch (CFileException* e) {
        e->Delete();
        m_lastError = L"Error in opening file\n";
        m_targetLocked = true;
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
    DelimitedText::SplitRecords(text, m_rows);
    m_textNeedsBreak = !text.IsEmpty() && text[text.GetLength() - 1] != L'\n';
    m_rowCount = static_cast<long>(m_rows.GetSize());
    m_writtenRows = m_rowCount;
    return true;
}

bool CSpreadSheet::ReadRow(long row, CStringArray& values)
{
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
    if (m_writtenRows > 0) {
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
    m_rowCount = static_cast<long>(m_rows.GetSize());
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
        for (long next = std::max(m_stagedRows, 1L); next < static_cast<long>(m_rows.GetSize()); ++next) {
            ReadRow(next + 1, m_fieldValues);
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
