// The folder export end to end: stand-in databases through the reader, the export
// controller and the engine facade into PST files and sheets. The files are left in
// test-output/export with expectations for the independent readers.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>

#include "AfxOle.h"
#include "CEngineFacade.h"
#include "CSpreadSheet.h"
#include "CalendarConversion.h"
#include "PstTemplateResource.h"

namespace {

namespace fs = std::filesystem;

const std::string kExportFixture = R"(notesdb 1
title "Export fixture"
folder ($Calendar) calendar
entries 1 2 3 4
folder "Projects\\2026" calendar
entries 5
folder "Memos only"
entries 2

note 1
item Subject text "Review"
item From text "CN=Anna Muller/O=Acme"
item SendTo textlist "Bob Smith <bob@example.com>" "Claire Dubois <claire@example.fr>"
item Location text "Room 7"
item STARTDATETIME datetime 2026-03-15T09:30:00
item EndDateTime datetime 2026-03-15T10:30:00
item Body richtext "Agenda: budget"
rtf <<END
{\rtf1\ansi
Agenda:\par
budget}
END
attachment "..\\..\\escape.txt" text "one"
attachment "C:\\Windows\\con.txt" text "two"
attachment "same.txt" text "first"
attachment "same.txt" text "second"
note 2
item Subject text "A memo"
item Body text "not exported"
note 3
item Subject text "Plain body"
item Location text "Hall"
item STARTDATETIME datetime 2026-03-16T08:00:00
item EndDateTime datetime 2026-03-16T09:00:00
item Body text "Plain text body"
note 4
item Subject text "Unreadable start"
item Location text "Roof"
item STARTDATETIME datetime 2026-03-17T08:00:00
fail text 0x0225
item EndDateTime datetime 2026-03-17T09:00:00
item Body textlist "a" "b"
note 5
item Subject text "Nested"
item Location text "Lab"
item STARTDATETIME datetime 2026-04-01T12:00:00
item EndDateTime datetime 2026-04-01T13:00:00
)";

std::string Narrow(const std::wstring& text) {
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
    return out;
}

fs::path OutputFolder() {
    const fs::path dir = fs::path(ORBALIN_TEST_OUTPUT_DIR) / "export";
    fs::create_directories(dir);
    return dir;
}

// A fresh output file: nothing of an earlier run stays under its name.
fs::path FreshFile(const std::wstring& name) {
    const fs::path path = OutputFolder() / name;
    std::error_code ignored;
    fs::remove(path, ignored);
    return path;
}

CString WriteDatabase(const std::wstring& name, const std::string& text) {
    const fs::path path = FreshFile(name);
    std::ofstream(path, std::ios::binary) << text;
    return path.wstring().c_str();
}

std::string ReadAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
}

class TemplateWriter : public IPstTemplateWriter {
public:
    void ExtractPstTemplate(const CString& path, UINT resourceId) override {
        PstTemplateResource::Extract(GetModuleHandleW(nullptr), path, resourceId);
    }
};

// What the save thread does: OLE, the PST and every Redemption object live and die on
// one thread of their own.
template <typename Work>
void OnSaveThread(Work work) {
    std::thread thread([&] {
        AfxOleInit();
        work();
        AfxOleTerm();
    });
    thread.join();
}

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(reader.Init(), 1);
        reader.m_nBodyTextType = 2;
    }
    void Open(const CString& path) {
        CStringArray folders;
        ASSERT_EQ(facade.ScanCurrentDatabase(path, L"", folders, 1, nullptr), 1) << Narrow(reader.GetLastError().GetString());
    }

    CNotesReader reader;
    TemplateWriter templates;
    CEngineFacade facade{reader, &templates};
};

TEST(CalendarConversion, AddressesFromNames) {
    const struct {
        const wchar_t* name;
        const wchar_t* address;
    } cases[] = {
        {L"CN=Anna Muller/O=Acme", L"Anna Muller/Acme"},
        {L"CN=Bob Smith/OU=Sales/O=Acme", L"Bob Smith/OU=Sales/Acme"},
        {L"Claire Dubois <claire@example.fr>", L"<claire@example.fr>"},
        {L"plain@example.com", L"plain@example.com"},
        {L"CN=Only common", L"CN=Only common"},
        {L"", L""},
    };
    for (const auto& c : cases) EXPECT_EQ(CString(SenderAddressFromName(c.name)), CString(c.address)) << Narrow(c.name);
    EXPECT_EQ(RecipientAddressesFromNames(L"Bob <bob@example.com>;Claire <claire@example.fr>;CN=D/O=Acme"),
              CString(L"<bob@example.com>;<claire@example.fr>;D/Acme"));
}

TEST(CalendarConversion, DateTimesKeepTheirPartsAndUnreadablePartsGiveAFixedValue) {
    LNDatetime datetime;
    datetime.SetDate(3, 15, 2026);
    datetime.SetTime(9, 30, 5, 0);
    const COleDateTime date = DatetimeToOleDate(datetime);
    EXPECT_EQ(date.GetStatus(), COleDateTime::valid);
    EXPECT_EQ(date.GetYear(), 2026);
    EXPECT_EQ(date.GetHour(), 9);
    EXPECT_EQ(date.GetSecond(), 5);
    const COleDateTime empty = DatetimeToOleDate(LNDatetime());
    EXPECT_EQ(static_cast<DATE>(empty), static_cast<DATE>(DatetimeToOleDate(LNDatetime())));
}

// The rows the fixture's calendar entries give, in folder order (memos are skipped).
const char* const kFixtureRows = R"([
 ["Review", "Anna Muller", "Anna Muller/Acme", "Bob Smith <bob@example.com>;Claire Dubois <claire@example.fr>",
  "Room 7", "2026-03-15 09:30:00", "2026-03-15 10:30:00",
  "..\\..\\escape.txt Size :3 \r\nC:\\Windows\\con.txt Size :3 \r\nsame.txt Size :5 \r\nsame.txt Size :6 \r\n",
  "Agenda: budget"],
 ["Plain body", "", "", "", "Hall", "2026-03-16 08:00:00", "2026-03-16 09:00:00", "", "Plain text body"],
 ["Unreadable start", "", "", "", "Roof", "", "2026-03-17 09:00:00", "", "a;b"],
 ["Nested", "", "", "", "Lab", "2026-04-01 12:00:00", "2026-04-01 13:00:00", "", ""]
])";

void ExportFixtureSheet(CEngineFacade& facade, const fs::path& file, const wchar_t* sheetOrSeparator) {
    CSpreadSheet sheet(file.wstring().c_str(), sheetOrSeparator);
    for (const wchar_t* folder : {L"($Calendar)\\", L"Projects\\2026\\", L"Memos only\\", L"No such folder\\"})
        EXPECT_EQ(facade.ExportOneFolder(folder, 1, &sheet), 1);
    ASSERT_TRUE(sheet.Commit()) << Narrow(sheet.GetLastError().GetString());
}

// A text file takes rows as they come; a workbook's first row creates the header.
TEST_F(ExportTest, FixtureIntoCsvAndWorkbookGivesOneRowPerCalendarEntry) {
    Open(WriteDatabase(L"fixture-sheets.nsf", kExportFixture));
    const fs::path csv = FreshFile(L"fixture.csv");
    ExportFixtureSheet(facade, csv, L",");
    std::ofstream(fs::path(csv.wstring() + L".expect.json"), std::ios::binary) << kFixtureRows;
    EXPECT_EQ(ReadAll(csv).find("A memo"), std::string::npos);

    const fs::path xls = FreshFile(L"fixture.xls");
    ExportFixtureSheet(facade, xls, L"Calendar");
    std::ofstream(fs::path(xls.wstring() + L".expect.json"), std::ios::binary)
        << R"([{"name": "Calendar", "rows": [["Subject", "From", "From Email", "Send To", "Location", "Start Date",)"
        << R"( "End Date", "Attachment", "Body"],)" << std::string(kFixtureRows).substr(1) << "}]";
}

TEST_F(ExportTest, FixtureIntoPstMirrorsFoldersAndKeepsAttachmentsInsideTheTemporaryDirectory) {
    const CString db = WriteDatabase(L"fixture-pst.nsf", kExportFixture);
    const fs::path pst = FreshFile(L"fixture.pst");
    const fs::path temp = fs::path(CNotesReader::TemporaryDirectory().GetString());
    const fs::path outside = temp.parent_path().parent_path() / "escape.txt";
    std::error_code ignored;
    fs::remove(outside, ignored);
    std::ofstream(temp / "same.txt") << "kept";
    Open(db);
    OnSaveThread([&] {
        ASSERT_TRUE(facade.OpenPst(pst.wstring().c_str(), false));
        for (const wchar_t* folder : {L"($Calendar)\\", L"Projects\\2026\\", L"Memos only\\"})
            EXPECT_EQ(facade.ExportOneFolder(folder, 0, nullptr), 1);
        facade.ClosePst();
    });
    EXPECT_FALSE(fs::exists(outside));
    EXPECT_EQ(ReadAll(temp / "same.txt"), "kept");
    fs::remove(temp / "same.txt", ignored);
    // An unreadable start date is left out; every other entry arrives whole.
    std::ofstream(fs::path(pst).replace_extension(".expect"), std::ios::binary)
        << "folder\t($Calendar)\tIPF.Appointment\t3\n"
           "folder\tProjects/2026\tIPF.Note\t1\n"
           "folder\tMemos only\tIPF.Note\t0\n"
           "item\t($Calendar)\tReview\tRoom 7\t2026-03-15 09:30:00\t2026-03-15 10:30:00\tAgenda:\n"
           "item\t($Calendar)\tPlain body\tHall\t2026-03-16 08:00:00\t2026-03-16 09:00:00\tPlain text body\n"
           "item\tProjects/2026\tNested\tLab\t2026-04-01 12:00:00\t2026-04-01 13:00:00\t\n"
           "sender\t($Calendar)\tReview\tAnna Muller\tAnna Muller/Acme\n"
           "recipient\t($Calendar)\tReview\t<bob@example.com>\n"
           "recipient\t($Calendar)\tReview\t<claire@example.fr>\n"
           "attachment\t($Calendar)\tReview\tescape.txt\t6f6e65\n"
           "attachment\t($Calendar)\tReview\tcon.txt\t74776f\n"
           "attachment\t($Calendar)\tReview\t3_same.txt\t6669727374\n"
           "attachment\t($Calendar)\tReview\t4_same.txt\t7365636f6e64\n";
}

// The chosen folders of the sample mail database (in the stand-in's data directory);
// check_sample_exports.py works out from the database itself what each file must hold.
const wchar_t* const kSampleFolders[] = {L"($Calendar)\\", L"Projects\\2026\\", L"Projects\\2026\\Orbalin\\",
                                         L"Projects\\Empty\\", L"Reisen\\Zürich\\", L"($ToDo)\\", L"($Inbox)\\"};

TEST_F(ExportTest, SampleDatabaseIntoNewAndExistingPsts) {
    Open(L"mail\\amueller.nsf");
    const fs::path fresh = FreshFile(L"sample-new.pst");
    const fs::path existing = FreshFile(L"sample-existing.pst");
    OnSaveThread([&] {
        ASSERT_TRUE(facade.OpenPst(fresh.wstring().c_str(), false));
        for (const wchar_t* folder : kSampleFolders) EXPECT_EQ(facade.ExportOneFolder(folder, 0, nullptr), 1);
        // The existing file gets its first folder now and the others after reopening.
        ASSERT_TRUE(facade.OpenPst(existing.wstring().c_str(), false));
        EXPECT_EQ(facade.ExportOneFolder(kSampleFolders[0], 0, nullptr), 1);
        facade.ClosePst();
        ASSERT_TRUE(facade.OpenPst(existing.wstring().c_str(), true));
        for (size_t i = 1; i < std::size(kSampleFolders); ++i)
            EXPECT_EQ(facade.ExportOneFolder(kSampleFolders[i], 0, nullptr), 1);
        facade.ClosePst();
    });
    EXPECT_TRUE(fs::exists(fresh));
    EXPECT_TRUE(fs::exists(existing));
}

TEST_F(ExportTest, SampleDatabaseIntoCsvAndWorkbook) {
    Open(L"mail\\amueller.nsf");
    for (const auto& [name, sheetOrSeparator] : {std::pair{L"sample.csv", L","}, std::pair{L"sample.xls", L"Calendar"}}) {
        CSpreadSheet sheet(FreshFile(name).wstring().c_str(), sheetOrSeparator);
        for (const wchar_t* folder : kSampleFolders) EXPECT_EQ(facade.ExportOneFolder(folder, 1, &sheet), 1);
        ASSERT_TRUE(sheet.Commit()) << Narrow(sheet.GetLastError().GetString());
    }
}

TEST_F(ExportTest, PstModeWithoutAWriterExportsNothing) {
    Open(WriteDatabase(L"fixture-nowriter.nsf", kExportFixture));
    EXPECT_EQ(facade.ExportOneFolder(L"($Calendar)\\", 0, nullptr), 0);
    CRdoFolder none;
    EXPECT_EQ(reader.ExportFolder(L"", none, 1, nullptr), 0);
}

}  // namespace
