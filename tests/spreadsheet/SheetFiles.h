#pragma once
// Files of the spreadsheet tests: the output folder, byte access, and the
// expectation files from which check_readers.py verifies each written file
// with an independent reader (xlrd for workbooks, Python's csv for text).
#include <string>
#include <vector>

#include "Framework.h"

namespace sheettest {

using Rows = std::vector<std::vector<CString>>;

// The tests' own folder in the test output, emptied once per run.
CString OutputFolder();
CString OutputFile(const CString& name);
std::string ReadBytes(const CString& path);
void WriteBytes(const CString& path, const std::string& bytes);

// <file>.expect.json beside the file: for a workbook the sheets in xlrd_check's
// form, here the one sheet; for a CSV file the rows of fields.
void ExpectWorkbook(const CString& file, const CString& sheet, const Rows& rows);
void ExpectCsv(const CString& file, const Rows& rows);

// The Excel driver the ODBC installer lists (empty when none) and a connection
// to a workbook through it, as the writer makes one.
CString InstalledExcelDriver();
CString Connection(const CString& driver, const CString& path);

} // namespace sheettest
