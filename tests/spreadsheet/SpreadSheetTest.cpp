// CSpreadSheet over the real ODBC path (the driver manager stand-in and its
// Excel driver) and over CSV files. Every written file also gets an
// expectation for check_readers.py, which reads it with xlrd or Python's csv.
#include <gtest/gtest.h>

#include "CSpreadSheet.h"
#include "SheetFiles.h"

using namespace sheettest;

namespace {

const std::vector<CString> kHeaders = {L"Subject", L"From", L"From Email", L"Send To", L"Location",
                                       L"Start Date", L"End Date", L"Attachment", L"Body"};

// A row of values as the writer takes it.
struct Array : CStringArray {
    Array(const std::vector<CString>& values)
    {
        for (const CString& v : values)
            Add(v);
    }
};

std::vector<CString> Vector(const CStringArray& array)
{
    std::vector<CString> values;
    for (INT_PTR i = 0; i < array.GetSize(); ++i)
        values.push_back(array[i]);
    return values;
}

std::vector<CString> Entry(int n)
{
    CString subject;
    subject.Format(L"Meeting %d", n);
    return {subject, L"Anna Muller", L"Anna Muller/Acme", L"Bob Stone", L"Room 4", L"01.02.2024 10:00:00",
            L"01.02.2024 11:00:00", L"", L"Agenda"};
}

// Values that broke rows before: quotes of both kinds, both separators, line
// breaks, text beyond the Latin range, long values and empty ones.
std::vector<CString> Awkward()
{
    CString longBody;
    for (int i = 0; i < 10000; ++i)
        longBody += static_cast<wchar_t>(L'a' + i % 26);
    return {L"It's Bob's \"big\" day", L"a,b;c.d?e", L"\",\"", L"line one\r\nline two\nthree",
            L"K\u00f6ln \u65e5\u672c \u0416 \U0001F600", L"", L"'", longBody, L"\"quoted\""};
}

Rows ReadAll(CSpreadSheet& sheet)
{
    Rows rows;
    CStringArray values;
    for (long r = 1; sheet.ReadRow(r, values); ++r)
        rows.push_back(Vector(values));
    return rows;
}

// The workbook as a fresh connection finds it on disk.
Rows ReadWorkbook(const CString& path)
{
    CSpreadSheet reader(path, L"Calendar");
    return ReadAll(reader);
}

// Rows "1", "2", ... below the header row of the workbook's Calendar sheet, in one
// transaction: far quicker than the writer's commit per row.
void FillRows(const CString& path, int columns, int count)
{
    CDatabase database;
    ASSERT_NO_THROW(database.OpenEx(Connection(InstalledExcelDriver(), path), CDatabase::noOdbcDialog));
    ASSERT_TRUE(database.BeginTrans());
    for (int n = 1; n <= count; ++n) {
        CString sql = L"INSERT INTO [Calendar$] VALUES (";
        for (int c = 0; c < columns; ++c)
            sql.AppendFormat(c ? L", '%d'" : L"'%d'", n);
        sql += L")";
        database.ExecuteSQL(sql);
    }
    ASSERT_TRUE(database.CommitTrans());
    database.Close();
}

void AddEntry(CSpreadSheet& sheet, const std::vector<CString>& row)
{
    // As the export does: the first row of a new sheet brings the header row.
    if (!sheet.AddRow(Array(row))) {
        ASSERT_EQ(sheet.GetLastError(), CString(L"No header row. Add header row first"));
        ASSERT_TRUE(sheet.AddHeaders(Array(kHeaders))) << sheet.GetLastError().GetString();
        ASSERT_TRUE(sheet.AddRow(Array(row)));
    }
}

} // namespace

TEST(SpreadSheetCsv, NewFileHoldsEveryRowAfterEachCommitAndASecondWriterAppends)
{
    const CString path = OutputFile(L"appended.csv");
    Rows expected;
    {
        CSpreadSheet sheet(path, L",");
        EXPECT_EQ(sheet.GetLastError(), CString(L"Error in opening file\n"));
        for (int n = 1; n <= 3; ++n) {
            ASSERT_TRUE(sheet.AddRow(Array(Entry(n))));
            expected.push_back(Entry(n));
            CSpreadSheet onDisk(path, L",");
            EXPECT_EQ(ReadAll(onDisk), expected);
        }
    }
    {
        CSpreadSheet second(path, L",");
        EXPECT_EQ(ReadAll(second), expected);
        ASSERT_TRUE(second.AddRow(Array(Entry(4))));
        ASSERT_TRUE(second.Commit());
        expected.push_back(Entry(4));
    }
    const std::string bytes = ReadBytes(path);
    EXPECT_EQ(bytes.rfind("\xEF\xBB\xBF\"Meeting 1\",\"Anna Muller\",", 0), 0u);
    EXPECT_EQ(bytes.find("\xEF\xBB\xBF", 3), std::string::npos) << "one byte-order mark only";
    EXPECT_EQ(bytes.substr(bytes.size() - 10), "\"Agenda\"\r\n");
    ExpectCsv(path, expected);
}

TEST(SpreadSheetCsv, AwkwardValuesSurviveTheRoundTrip)
{
    const CString path = OutputFile(L"awkward.csv");
    const Rows expected = {Awkward(), {L"single"}, Entry(1)};
    {
        CSpreadSheet sheet(path, L",");
        for (const auto& row : expected)
            ASSERT_TRUE(sheet.AddRow(Array(row)));
    }
    CSpreadSheet reader(path, L",");
    EXPECT_EQ(ReadAll(reader), expected);
    ExpectCsv(path, expected);
}

TEST(SpreadSheetCsv, ForeignFileWithoutLineEndIsExtendedOnANewLine)
{
    const CString path = OutputFile(L"foreign.csv");
    WriteBytes(path, "plain,fields\r\n\"M\xfcller\",x");  // ANSI, last line unended
    {
        CSpreadSheet sheet(path, L",");
        const Rows before = ReadAll(sheet);
        ASSERT_EQ(before.size(), 2u);
        EXPECT_EQ(before[0], (std::vector<CString>{L"plain", L"fields"}));
        EXPECT_EQ(before[1], (std::vector<CString>{L"M\u00fcller", L"x"}));
        ASSERT_TRUE(sheet.AddRow(Array({L"new"})));
    }
    EXPECT_EQ(ReadBytes(path), "plain,fields\r\n\"M\xfcller\",x\r\n\"new\"\r\n");
}

// Rows added before any ReadRow still come after every stored row, a quoted
// line break included, whatever the file's code page and last line end.
TEST(SpreadSheetCsv, RowsAddedBeforeReadingFollowTheStoredRows)
{
    struct Case {
        const wchar_t* file;
        std::string stored;
        Rows storedRows;
        std::string written;  // what the added row puts after the stored bytes
    };
    const Case cases[] = {
        {L"ansi-unended.csv", "\"K\xf6ln\",\"two\r\nlines\"\r\nlast,x", {{L"K\u00f6ln", L"two\r\nlines"}, {L"last", L"x"}},
         "\r\n\"new\"\r\n"},
        {L"utf8-ended.csv", "\xEF\xBB\xBF\"K\xc3\xb6ln\"\r\n\"a\nb\"\r\n", {{L"K\u00f6ln"}, {L"a\nb"}}, "\"new\"\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(CStringA(c.file).GetString());
        const CString path = OutputFile(c.file);
        WriteBytes(path, c.stored);
        CSpreadSheet sheet(path, L",");
        EXPECT_FALSE(sheet.AddHeaders(Array({L"h"})));
        EXPECT_EQ(sheet.GetLastError(), CString(L"The header row is already written\n"));
        ASSERT_TRUE(sheet.AddRow(Array({L"new"})));
        ASSERT_TRUE(sheet.Commit());
        Rows expected = c.storedRows;
        expected.push_back({L"new"});
        EXPECT_EQ(ReadAll(sheet), expected);
        ASSERT_TRUE(sheet.AddRow(Array({L"after"})));
        expected.push_back({L"after"});
        EXPECT_EQ(ReadAll(sheet), expected);
        EXPECT_EQ(ReadBytes(path), c.stored + c.written + "\"after\"\r\n");
    }
}

TEST(SpreadSheetCsv, ExistingFileThatCannotBeOpenedIsReportedAndLeftAlone)
{
    const CString path = OutputFile(L"locked.csv");
    const std::string original = "\"kept\",\"row\"\r\n";
    WriteBytes(path, original);
    HANDLE lock = CreateFileW(path, GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    CSpreadSheet sheet(path, L",");
    EXPECT_EQ(sheet.GetLastError(), CString(L"Error in opening file\n"));
    CloseHandle(lock);
    // Even once the lock is gone, what the writer never saw is not overwritten.
    EXPECT_FALSE(sheet.AddRow(Array(Entry(1))));
    EXPECT_EQ(sheet.GetLastError(), CString(L"Error writing file\n"));
    EXPECT_FALSE(sheet.Commit());
    EXPECT_EQ(sheet.GetLastError(), CString(L"Error writing file\n"));
    EXPECT_EQ(ReadBytes(path), original);
}

TEST(SpreadSheetCsv, ReadRowSplitsAtTheSeparatorAndAnswersFalseBeyondTheRows)
{
    const CString path = OutputFile(L"split.csv");
    WriteBytes(path, "a;b;c\r\n\"x;y\";\"z\"\r\n");
    CSpreadSheet sheet(path, L";");
    CStringArray values;
    ASSERT_TRUE(sheet.ReadRow(1, values));
    EXPECT_EQ(Vector(values), (std::vector<CString>{L"a", L"b", L"c"}));
    ASSERT_TRUE(sheet.ReadRow(2, values));
    EXPECT_EQ(Vector(values), (std::vector<CString>{L"x;y", L"z"}));
    EXPECT_FALSE(sheet.ReadRow(3, values));
    EXPECT_FALSE(sheet.ReadRow(0, values));
}

TEST(SpreadSheetExcel, NewWorkbookGetsTheHeaderRowAndTheRows)
{
    const CString path = OutputFile(L"new.xls");
    CSpreadSheet sheet(path, L"Calendar");
    EXPECT_TRUE(sheet.GetLastError().IsEmpty()) << "a new workbook is no failure: " << sheet.GetLastError().GetString();
    EXPECT_FALSE(sheet.AddRow(Array(Entry(1))));
    EXPECT_EQ(sheet.GetLastError(), CString(L"No header row. Add header row first"));
    ASSERT_TRUE(sheet.AddHeaders(Array(kHeaders)));
    EXPECT_EQ(ReadWorkbook(path), (Rows{kHeaders}));
    // Each row is committed as it is added.
    ASSERT_TRUE(sheet.AddRow(Array(Entry(1))));
    EXPECT_EQ(ReadWorkbook(path), (Rows{kHeaders, Entry(1)}));
    ASSERT_TRUE(sheet.Commit());
    EXPECT_EQ(ReadWorkbook(path), (Rows{kHeaders, Entry(1)}));
    ASSERT_TRUE(sheet.AddRow(Array(Entry(2))));
    ASSERT_TRUE(sheet.Commit());
    const Rows expected = {kHeaders, Entry(1), Entry(2)};
    EXPECT_EQ(ReadWorkbook(path), expected);
    EXPECT_EQ(ReadAll(sheet), expected);
    ExpectWorkbook(path, L"Calendar", expected);
}

TEST(SpreadSheetExcel, SecondWriterAppendsAfterTheExistingRows)
{
    const CString path = OutputFile(L"second.xls");
    {
        CSpreadSheet first(path, L"Calendar");
        AddEntry(first, Entry(1));
        AddEntry(first, Entry(2));
        ASSERT_TRUE(first.Commit());
    }
    {
        CSpreadSheet second(path, L"Calendar");
        EXPECT_EQ(ReadAll(second), (Rows{kHeaders, Entry(1), Entry(2)}));
        AddEntry(second, Entry(3));
        ASSERT_TRUE(second.Commit()) << second.GetLastError().GetString();
        // An added row is in the file before any further commit.
        AddEntry(second, Entry(4));
        EXPECT_EQ(ReadWorkbook(path), (Rows{kHeaders, Entry(1), Entry(2), Entry(3), Entry(4)}));
    }
    const Rows expected = {kHeaders, Entry(1), Entry(2), Entry(3), Entry(4)};
    EXPECT_EQ(ReadWorkbook(path), expected);
    ExpectWorkbook(path, L"Calendar", expected);
}

// Rows added before any ReadRow still come after the stored rows, and reading
// then gives the stored rows first.
TEST(SpreadSheetExcel, RowsAddedBeforeReadingFollowTheStoredRows)
{
    const CString path = OutputFile(L"unread.xls");
    {
        CSpreadSheet first(path, L"Calendar");
        AddEntry(first, Awkward());
        AddEntry(first, Entry(1));
    }
    CSpreadSheet second(path, L"Calendar");
    EXPECT_FALSE(second.AddHeaders(Array(kHeaders)));
    ASSERT_TRUE(second.AddRow(Array(Entry(2))));
    const Rows expected = {kHeaders, Awkward(), Entry(1), Entry(2)};
    EXPECT_EQ(ReadAll(second), expected);
    ASSERT_TRUE(second.AddRow(Array(Entry(3))));
    ASSERT_TRUE(second.Commit());
    EXPECT_EQ(ReadAll(second), (Rows{kHeaders, Awkward(), Entry(1), Entry(2), Entry(3)}));
    EXPECT_EQ(ReadWorkbook(path), (Rows{kHeaders, Awkward(), Entry(1), Entry(2), Entry(3)}));
}

TEST(SpreadSheetExcel, AwkwardValuesSurviveTheRoundTrip)
{
    const CString path = OutputFile(L"awkward.xls");
    {
        CSpreadSheet sheet(path, L"Calendar");
        AddEntry(sheet, Awkward());
        AddEntry(sheet, Entry(1));
        ASSERT_TRUE(sheet.Commit()) << sheet.GetLastError().GetString();
    }
    const Rows expected = {kHeaders, Awkward(), Entry(1)};
    EXPECT_EQ(ReadWorkbook(path), expected);
    ExpectWorkbook(path, L"Calendar", expected);
}

TEST(SpreadSheetExcel, RowsAndHeadersTheSheetCannotTakeAreRefused)
{
    CSpreadSheet sheet(OutputFile(L"refused.xls"), L"Calendar");
    EXPECT_FALSE(sheet.AddHeaders(Array({L"A", L"B", L"A"})));
    EXPECT_EQ(sheet.GetLastError(), CString(L"Duplicate header row field:A\n"));
    ASSERT_TRUE(sheet.AddHeaders(Array({L"A", L"B"})));
    EXPECT_FALSE(sheet.AddRow(Array({L"1", L"2", L"3"})));
    EXPECT_EQ(sheet.GetLastError(), CString(L"Number of columns to be added cannot be greater than the number of fields\n"));
    // A value beyond what a cell holds is reported; the rows around it are kept.
    CString tooLong;
    tooLong.Preallocate(40000);
    for (int i = 0; i < 40000; ++i)
        tooLong += L'x';
    ASSERT_TRUE(sheet.AddRow(Array({L"1", L"2"})));
    EXPECT_FALSE(sheet.AddRow(Array({tooLong, L"x"})));
    EXPECT_NE(sheet.GetLastError().Find(L"32767"), -1) << sheet.GetLastError().GetString();
    EXPECT_TRUE(sheet.AddRow(Array({L"3", L"4"})));
    // The refused row is not forgotten by the commits after it.
    EXPECT_FALSE(sheet.Commit());
    EXPECT_NE(sheet.GetLastError().Find(L"32767"), -1) << sheet.GetLastError().GetString();
    EXPECT_EQ(ReadWorkbook(OutputFile(L"refused.xls")), (Rows{{L"A", L"B"}, {L"1", L"2"}, {L"3", L"4"}}));
}

// A row the workbook cannot take reaches the caller, and the target keeps what it had.
TEST(SpreadSheetExcel, RowsAnExistingWorkbookCannotTakeFailTheCommit)
{
    struct Case {
        const wchar_t* file;
        std::vector<CString> headers;
        int filledRows;  // data rows the workbook holds before the writer opens it
        const wchar_t* error;
    };
    const Case cases[] = {
        {L"narrow.xls", {L"Subject", L"From", L"Location"}, 1,
         L"Number of columns to be added cannot be greater than the number of fields\n"},
        {L"full.xls", kHeaders, 65535, L"65536 rows"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(CStringA(c.file).GetString());
        const CString path = OutputFile(c.file);
        {
            CSpreadSheet sheet(path, L"Calendar");
            ASSERT_TRUE(sheet.AddHeaders(Array(c.headers)));
        }
        FillRows(path, static_cast<int>(c.headers.size()), c.filledRows);
        const std::string before = ReadBytes(path);
        CSpreadSheet sheet(path, L"Calendar");
        EXPECT_FALSE(sheet.AddRow(Array(Entry(1))));
        EXPECT_NE(sheet.GetLastError().Find(c.error), -1) << sheet.GetLastError().GetString();
        EXPECT_FALSE(sheet.Commit());
        EXPECT_EQ(ReadBytes(path), before);
    }
}

TEST(SpreadSheetExcel, CorruptedWorkbookIsReportedAndLeftUnchanged)
{
    const CString workbook = OutputFile(L"corrupt.xls");
    std::string garbage(4096, '\x5a');
    garbage.replace(0, 8, "\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1");  // a compound file signature, nothing valid after it
    WriteBytes(workbook, garbage);
    CSpreadSheet sheet(workbook, L"Calendar");
    EXPECT_FALSE(sheet.GetLastError().IsEmpty());
    EXPECT_EQ(sheet.GetLastError().Find(L"["), -1) << "the text comes without component prefixes";
    sheet.AddHeaders(Array(kHeaders));
    sheet.AddRow(Array(Entry(1)));
    EXPECT_FALSE(sheet.Commit());
    EXPECT_FALSE(sheet.GetLastError().IsEmpty());
    EXPECT_EQ(ReadBytes(workbook), garbage);
}

// The path reaches the driver whole: "s ;x" is not read as "s;x", and '=' or '{'
// in a folder name are kept. A '}', which a driver may take as the end of the
// value, is refused with a message and nothing is written.
TEST(SpreadSheetExcel, PathsWithConnectionStringCharactersReachTheirOwnWorkbook)
{
    for (const wchar_t* name : {L"s ;x", L"s;x", L"a=b;DBQ=c", L"{x"})
        CreateDirectoryW(OutputFolder() + L"\\" + name, nullptr);
    for (const wchar_t* name : {L"s ;x", L"a=b;DBQ=c", L"{x"}) {
        const CString path = OutputFolder() + L"\\" + name + L"\\out.xls";
        DeleteFileW(OutputFolder() + L"\\s;x\\out.xls");
        DeleteFileW(path);
        {
            CSpreadSheet sheet(path, L"Calendar");
            AddEntry(sheet, Entry(1));
            ASSERT_TRUE(sheet.Commit()) << sheet.GetLastError().GetString();
        }
        EXPECT_EQ(ReadWorkbook(path), (Rows{kHeaders, Entry(1)})) << name;
        EXPECT_EQ(GetFileAttributesW(OutputFolder() + L"\\s;x\\out.xls"), INVALID_FILE_ATTRIBUTES) << name;
    }

    CreateDirectoryW(OutputFolder() + L"\\b}r", nullptr);
    const CString refused = OutputFolder() + L"\\b}r\\out.xls";
    DeleteFileW(refused);
    CSpreadSheet sheet(refused, L"Calendar");
    EXPECT_EQ(sheet.GetLastError(), CString(L"The workbook path cannot contain '}'. Choose another folder or file name."));
    sheet.AddHeaders(Array(kHeaders));
    sheet.AddRow(Array(Entry(1)));
    EXPECT_FALSE(sheet.Commit());
    EXPECT_NE(sheet.GetLastError().Find(L"'}'"), -1) << sheet.GetLastError().GetString();
    EXPECT_EQ(GetFileAttributesW(refused), INVALID_FILE_ATTRIBUTES);
}
