// The folder export end to end: stand-in databases through the reader, the export
// controller and the engine facade into PST files and sheets. The files are left in
// test-output/export with expectations for the independent readers.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <new>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "AfxOle.h"
#include "CEngineFacade.h"
#include "CProgressCtrl.h"
#include "CSpreadSheet.h"
#include "CWorkerThread.h"
#include "CalendarConversion.h"
#include "PstStore.h"
#include "PstTemplateResource.h"

// Blocks this thread holds from the allocator: the framework's exceptions are heap
// objects, so one that a handler fails to delete stays counted.
thread_local long long t_liveAllocations = 0;

void* operator new(size_t size) {
    void* block = std::malloc(size ? size : 1);
    if (!block) throw std::bad_alloc();
    ++t_liveAllocations;
    return block;
}

void operator delete(void* block) noexcept {
    if (!block) return;
    --t_liveAllocations;
    std::free(block);
}

void operator delete(void* block, size_t) noexcept { operator delete(block); }

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

// The time zone of this run: ctest runs the export under TZ=UTC and under a zone with
// daylight saving time (Wine's Windows clock follows TZ).
std::string Zone() {
    const char* zone = std::getenv("TZ");
    return zone && *zone ? zone : "UTC";
}

// Each zone's run writes its own files: "export", "export-Europe-Berlin".
fs::path OutputFolder() {
    std::string name = "export";
    if (Zone() != "UTC") {
        name += "-" + Zone();
        std::replace(name.begin(), name.end(), '/', '-');
    }
    const fs::path dir = fs::path(ORBALIN_TEST_OUTPUT_DIR) / name;
    fs::create_directories(dir);
    return dir;
}

// A local "YYYY-MM-DD HH:MM:SS" as the UTC time a PST must hold. Europe/Berlin is
// CET, and CEST from 02:00 on the last Sunday of March to 03:00 on the last Sunday
// of October, in every year as the platform applies it; the hour the clock skips
// and the hour it repeats are both read as summer time.
std::string UtcText(const std::string& local) {
    using namespace std::chrono;
    int y = 0, mo = 0, d = 0, h = 0, mi = 0, sec = 0;
    EXPECT_EQ(std::sscanf(local.c_str(), "%d-%d-%d %d:%d:%d", &y, &mo, &d, &h, &mi, &sec), 6) << local;
    const sys_days day{year{y} / mo / d};
    const seconds time = hours{h} + minutes{mi} + seconds{sec};
    hours offset{0};
    if (Zone() == "Europe/Berlin") {
        const auto at = [&](sys_days when, int hour) { return day > when || (day == when && time >= hours{hour}); };
        const bool summer = at(sys_days{year{y} / March / Sunday[last]}, 2) &&
                            !at(sys_days{year{y} / October / Sunday[last]}, 3);
        offset = hours{summer ? 2 : 1};
    } else {
        EXPECT_EQ(Zone(), "UTC") << "no expectations for this zone";
    }
    const sys_seconds utc = day + time - offset;
    const sys_days utcDay = floor<days>(utc);
    const year_month_day ymd{utcDay};
    const hh_mm_ss<seconds> clock{utc - utcDay};
    char text[32];
    std::snprintf(text, sizeof text, "%04d-%02u-%02u %02d:%02d:%02d", static_cast<int>(ymd.year()),
                  static_cast<unsigned>(ymd.month()), static_cast<unsigned>(ymd.day()),
                  static_cast<int>(clock.hours().count()), static_cast<int>(clock.minutes().count()),
                  static_cast<int>(clock.seconds().count()));
    return text;
}

// An expectation line of an appointment, its local times given as UTC.
std::string ItemLine(const std::string& folder, const std::string& subject, const std::string& location,
                     const std::string& start, const std::string& end, const std::string& body) {
    return "item\t" + folder + "\t" + subject + "\t" + location + "\t" + UtcText(start) + "\t" + UtcText(end) +
           "\t" + body + "\n";
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
// one thread of their own, the program's kind of worker thread. While this
// (user-interface) thread waits, it answers the messages the worker sends to its
// windows, as the wizard's does.
template <typename Work>
void OnSaveThread(Work work) {
    CWorkerThread thread;
    ASSERT_TRUE(thread.Start([&] {
        AfxOleInit();
        work();
        return 0u;
    }));
    ASSERT_TRUE(thread.Join());
    EXPECT_EQ(thread.GetExitCode(), 0u);
}

class ExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A temporary directory of this run's own: the export's fixed file names there
        // ("ch111.rtf", "aasseedd.eml") must not meet those of another run at the same time.
        const fs::path temp = OutputFolder() / "temp";
        fs::create_directories(temp);
        ASSERT_TRUE(SetEnvironmentVariableW(L"TMP", temp.wstring().c_str()));
        ASSERT_EQ(reader.Init(), 1);
        reader.m_nBodyTextType = 2;
        // The tests watch every position the bars are sent (Stop at a chosen entry).
        reader.m_nBarFrameMs = 0;
    }
    void Open(const CString& path) {
        scanned.RemoveAll();
        ASSERT_EQ(facade.ScanCurrentDatabase(path, L"", scanned, 1, nullptr), 1) << Narrow(reader.GetLastError().GetString());
    }

    CStringArray scanned;  // the folders the last scan offered

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
    // Days since 1899-12-30 and the time of day as their fraction.
    EXPECT_NEAR(static_cast<DATE>(date), 46096 + (9 * 3600 + 30 * 60 + 5) / 86400.0, 1e-9);
    // A date-time without parts is no date: not the current time, the same value always.
    const COleDateTime empty = DatetimeToOleDate(LNDatetime());
    EXPECT_EQ(empty.GetStatus(), COleDateTime::invalid);
    EXPECT_EQ(static_cast<DATE>(empty), 0.0);
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
    // An unreadable start takes the end's time; every entry arrives whole.
    std::ofstream(fs::path(pst).replace_extension(".expect"), std::ios::binary)
        << "folder\t($Calendar)\tIPF.Appointment\t3\n"
           "folder\tProjects/2026\tIPF.Note\t1\n"
           "folder\tMemos only\tIPF.Note\t0\n"
        << ItemLine("($Calendar)", "Review", "Room 7", "2026-03-15 09:30:00", "2026-03-15 10:30:00", "Agenda:")
        << ItemLine("($Calendar)", "Plain body", "Hall", "2026-03-16 08:00:00", "2026-03-16 09:00:00", "Plain text body")
        << ItemLine("($Calendar)", "Unreadable start", "Roof", "2026-03-17 09:00:00", "2026-03-17 09:00:00", "a")
        << ItemLine("Projects/2026", "Nested", "Lab", "2026-04-01 12:00:00", "2026-04-01 13:00:00", "")
        << "sender\t($Calendar)\tReview\tAnna Muller\tAnna Muller/Acme\n"
           "recipient\t($Calendar)\tReview\t<bob@example.com>\n"
           "recipient\t($Calendar)\tReview\t<claire@example.fr>\n"
           "attachment\t($Calendar)\tReview\tescape.txt\t6f6e65\n"
           "attachment\t($Calendar)\tReview\tcon.txt\t74776f\n"
           "attachment\t($Calendar)\tReview\t3_same.txt\t6669727374\n"
           "attachment\t($Calendar)\tReview\t4_same.txt\t7365636f6e64\n";
}

// Notes folder names may start or end with a backslash or hold an empty level; such a
// folder goes where its named levels lead. A name without any level has no PST folder,
// and the save says so.
const std::string kOddPathsFixture = R"(notesdb 1
folder "\\Leading" calendar
entries 1
folder "Trailing\\" calendar
entries 2
folder "Empty\\\\level" calendar
entries 3
folder "\\" calendar
entries 4

note 1
item Subject text "Lead"
item Location text "L1"
item STARTDATETIME datetime 2026-06-01T09:00:00
item EndDateTime datetime 2026-06-01T10:00:00
note 2
item Subject text "Trail"
item Location text "L2"
item STARTDATETIME datetime 2026-06-02T09:00:00
item EndDateTime datetime 2026-06-02T10:00:00
note 3
item Subject text "Level"
item Location text "L3"
item STARTDATETIME datetime 2026-06-03T09:00:00
item EndDateTime datetime 2026-06-03T10:00:00
note 4
item Subject text "Nameless"
item Location text "L4"
item STARTDATETIME datetime 2026-06-04T09:00:00
item EndDateTime datetime 2026-06-04T10:00:00
)";

TEST_F(ExportTest, FolderPathsWithEmptyLevelsArriveWhereTheirNamedLevelsLead) {
    Open(WriteDatabase(L"odd-paths.nsf", kOddPathsFixture));
    ASSERT_EQ(scanned.GetSize(), 4);
    const fs::path pst = FreshFile(L"odd-paths.pst");
    std::map<std::wstring, int> results;
    OnSaveThread([&] {
        ASSERT_TRUE(facade.OpenPst(pst.wstring().c_str(), false));
        for (INT_PTR i = 0; i < scanned.GetSize(); ++i)
            results[scanned[i].GetString()] = facade.ExportOneFolder(scanned[i], 0, nullptr);
        facade.ClosePst();
    });
    const std::map<std::wstring, int> expected = {
        {L"\\Leading\\", 1}, {L"Trailing\\\\", 1}, {L"Empty\\\\level\\", 1}, {L"\\\\", 0}};
    EXPECT_EQ(results, expected);
    std::ofstream(fs::path(pst).replace_extension(".expect"), std::ios::binary)
        << "folder\tLeading\tIPF.Note\t1\n"
           "folder\tTrailing\tIPF.Note\t1\n"
           "folder\tEmpty\tIPF.Note\t0\n"
           "folder\tEmpty/level\tIPF.Note\t1\n"
           << ItemLine("Leading", "Lead", "L1", "2026-06-01 09:00:00", "2026-06-01 10:00:00", "")
           << ItemLine("Trailing", "Trail", "L2", "2026-06-02 09:00:00", "2026-06-02 10:00:00", "")
           << ItemLine("Empty/level", "Level", "L3", "2026-06-03 09:00:00", "2026-06-03 10:00:00", "");
}

// An ANSI PST keeps folder names in the ANSI code page; names it cannot hold must not
// all become "??" and merge, and a nested folder must find its parent again.
const std::string kNonLatinFoldersFixture = R"(notesdb 1
folder "\u4F1A\u8B70" calendar
entries 1
folder "\u6771\u4EAC" calendar
entries 2
folder "\u4F1A\u8B70\\2026" calendar
entries 3
folder "Z\u00FCrich" calendar
entries 4

note 1
item Subject text "Meeting"
item Location text "M"
item STARTDATETIME datetime 2026-07-01T09:00:00
item EndDateTime datetime 2026-07-01T10:00:00
note 2
item Subject text "Tokyo"
item Location text "T"
item STARTDATETIME datetime 2026-07-02T09:00:00
item EndDateTime datetime 2026-07-02T10:00:00
note 3
item Subject text "Minutes"
item Location text "N"
item STARTDATETIME datetime 2026-07-03T09:00:00
item EndDateTime datetime 2026-07-03T10:00:00
note 4
item Subject text "Lake"
item Location text "Z"
item STARTDATETIME datetime 2026-07-04T09:00:00
item EndDateTime datetime 2026-07-04T10:00:00
)";

TEST_F(ExportTest, NonLatinFoldersStayApartInAnAnsiPst) {
    Open(WriteDatabase(L"non-latin.nsf", kNonLatinFoldersFixture));
    ASSERT_EQ(scanned.GetSize(), 4);
    const fs::path pst = FreshFile(L"non-latin-ansi.pst");
    // The Redemption of Outlook 2000 and older writes ANSI files.
    ASSERT_TRUE(SetEnvironmentVariableW(L"ORBALIN_REDEMPTION_VERSION", L"10.0.6626"));
    OnSaveThread([&] {
        ASSERT_TRUE(facade.OpenPst(pst.wstring().c_str(), false));
        for (INT_PTR i = 0; i < scanned.GetSize(); ++i) EXPECT_EQ(facade.ExportOneFolder(scanned[i], 0, nullptr), 1);
        facade.ClosePst();
    });
    SetEnvironmentVariableW(L"ORBALIN_REDEMPTION_VERSION", nullptr);
    const std::string header = ReadAll(pst).substr(10, 2);
    ASSERT_EQ(header.size(), 2u);
    EXPECT_LT(static_cast<uint8_t>(header[0]), 23) << "not an ANSI file";
    std::ofstream(fs::path(pst).replace_extension(".expect"), std::ios::binary)
        << "folder\t{U+4F1A}{U+8B70}\tIPF.Note\t1\n"
           "folder\t{U+4F1A}{U+8B70}/2026\tIPF.Note\t1\n"
           "folder\t{U+6771}{U+4EAC}\tIPF.Note\t1\n"
           "folder\tZ\xC3\xBCrich\tIPF.Note\t1\n"
           << ItemLine("{U+4F1A}{U+8B70}", "Meeting", "M", "2026-07-01 09:00:00", "2026-07-01 10:00:00", "")
           << ItemLine("{U+6771}{U+4EAC}", "Tokyo", "T", "2026-07-02 09:00:00", "2026-07-02 10:00:00", "")
           << ItemLine("{U+4F1A}{U+8B70}/2026", "Minutes", "N", "2026-07-03 09:00:00", "2026-07-03 10:00:00", "")
           << ItemLine("Z\xC3\xBCrich", "Lake", "Z", "2026-07-04 09:00:00", "2026-07-04 10:00:00", "");
}

// Attachment names of 256 characters and more are no file names: the detached file gets
// a short name of its own, and the attachment keeps its name in the PST.
TEST_F(ExportTest, AttachmentsWithOverlongNamesKeepTheirNamesInThePst) {
    const std::string longName = std::string(252, 'a') + ".txt";
    std::string cjkName;  // 100 characters, 300 bytes in UTF-8
    for (int i = 0; i < 100; ++i) cjkName += "\xE8\xB3\x87";
    cjkName += ".pdf";
    Open(WriteDatabase(L"long-attachment-names.nsf", "notesdb 1\nfolder Files calendar\nentries 1\n\nnote 1\n"
                                                     "item Subject text \"Files\"\nitem Location text \"F\"\n"
                                                     "item STARTDATETIME datetime 2026-08-01T09:00:00\n"
                                                     "item EndDateTime datetime 2026-08-01T10:00:00\n"
                                                     "attachment \"" + longName + "\" text \"long\"\n"
                                                     "attachment \"" + cjkName + "\" text \"cjk\"\n"
                                                     "attachment \"short.txt\" text \"short\"\n"));
    const fs::path pst = FreshFile(L"long-attachment-names.pst");
    OnSaveThread([&] {
        ASSERT_TRUE(facade.OpenPst(pst.wstring().c_str(), false));
        EXPECT_EQ(facade.ExportOneFolder(L"Files\\", 0, nullptr), 1);
        facade.ClosePst();
    });
    const auto store = pst::PstStore::open(pst);
    const std::optional<uint32_t> folder = store->findSubfolder(store->ipmSubtree(), "Files");
    ASSERT_TRUE(folder);
    const std::vector<uint32_t> messages = store->messages(*folder);
    ASSERT_EQ(messages.size(), 1u);
    std::vector<std::pair<std::string, std::string>> attachments;
    for (const auto& a : store->readMessage(messages[0]).attachments)
        attachments.emplace_back(a.name, std::string(a.data.begin(), a.data.end()));
    const std::vector<std::pair<std::string, std::string>> expected = {
        {longName, "long"}, {cjkName, "cjk"}, {"short.txt", "short"}};
    EXPECT_EQ(attachments, expected);
    std::ofstream(fs::path(pst).replace_extension(".expect"), std::ios::binary)
        << "folder\tFiles\tIPF.Note\t1\n"
           << ItemLine("Files", "Files", "F", "2026-08-01 09:00:00", "2026-08-01 10:00:00", "")
           << "attachment\tFiles\tFiles\t" << longName << "\t6c6f6e67\n"
           "attachment\tFiles\tFiles\t" << cjkName << "\t636a6b\n"
           "attachment\tFiles\tFiles\tshort.txt\t73686f7274\n";
}

// A PST is saved into a folder whose name the ANSI code page cannot hold.
TEST_F(ExportTest, PstIsSavedIntoAFolderWithANonAnsiName) {
    Open(WriteDatabase(L"unicode-folder.nsf", kExportFixture));
    const fs::path folder = OutputFolder() / L"\u65E5\u03A9\u0436";
    fs::create_directories(folder);
    const fs::path pst = folder / L"unicode-folder.pst";
    std::error_code ignored;
    fs::remove(pst, ignored);
    OnSaveThread([&] {
        ASSERT_TRUE(facade.OpenPst(pst.wstring().c_str(), false));
        EXPECT_EQ(facade.ExportOneFolder(L"Projects\\2026\\", 0, nullptr), 1);
        facade.ClosePst();
    });
    EXPECT_TRUE(fs::exists(pst));
    std::ofstream(fs::path(pst).replace_extension(".expect"), std::ios::binary)
        << "folder\tProjects/2026\tIPF.Note\t1\n"
           << ItemLine("Projects/2026", "Nested", "Lab", "2026-04-01 12:00:00", "2026-04-01 13:00:00", "");
}

const std::string kDatesFixture = R"(notesdb 1
folder ($Calendar) calendar
entries 1 2 3 4 5 6 7 8 9 10 11

note 1
item Subject text "Before 1900"
item Location text "Archive"
item STARTDATETIME datetime 1899-12-29T12:00:00
item EndDateTime datetime 1899-12-29T18:00:00
item Body text "old"
note 2
item Subject text "First hour of 1601"
item Location text "Archive"
item STARTDATETIME datetime 1601-01-01T00:00:00
item EndDateTime datetime 1601-01-01T01:00:00
item Body text "first"
note 3
item Subject text "Leap day 1600"
item Location text "Archive"
item STARTDATETIME datetime 1600-02-29T09:00:00
item EndDateTime datetime 1600-02-29T10:00:00
item Body text "leap"
note 4
item Subject text "Last day"
item Location text "Archive"
item STARTDATETIME datetime 9999-12-31T08:00:00
item EndDateTime datetime 9999-12-31T09:00:00
item Body text "last"
note 5
item Subject text "No end"
item Location text "Hall"
item STARTDATETIME datetime 2026-06-10T14:00:00
item Body text "open"
note 6
item Subject text "No start"
item Location text "Hall"
item EndDateTime datetime 2026-06-11T15:00:00
item Body text "closed"
note 7
item Subject text "Before the change"
item Location text "Hall"
item STARTDATETIME datetime 2026-03-28T10:00:00
item EndDateTime datetime 2026-03-28T11:00:00
item Body text "winter"
note 8
item Subject text "Across the gap"
item Location text "Hall"
item STARTDATETIME datetime 2026-03-29T01:30:00
item EndDateTime datetime 2026-03-29T03:30:00
item Body text "spring"
note 9
item Subject text "In the gap"
item Location text "Hall"
item STARTDATETIME datetime 2026-03-29T02:15:00
item EndDateTime datetime 2026-03-29T02:45:00
item Body text "skipped"
note 10
item Subject text "In the overlap"
item Location text "Hall"
item STARTDATETIME datetime 2026-10-25T02:15:00
item EndDateTime datetime 2026-10-25T02:45:00
item Body text "twice"
note 11
item Subject text "After the change"
item Location text "Hall"
item STARTDATETIME datetime 2026-10-25T10:00:00
item EndDateTime datetime 2026-10-25T11:00:00
item Body text "autumn"
)";

// Local times reach the PST as UTC, before 1900 too (the time of day is not mirrored)
// and around daylight saving time. A missing end is the start. A date the PST cannot
// hold (before 1601 in UTC) is left out and the entry keeps its other date; an entry
// with none left is not saved; both are reported.
TEST_F(ExportTest, DatesArriveAsUtcAndWhatCannotArriveIsReported) {
    const CString db = WriteDatabase(L"dates.nsf", kDatesFixture);
    const fs::path pst = FreshFile(L"dates.pst");
    Open(db);
    int exported = -1;
    OnSaveThread([&] {
        ASSERT_TRUE(facade.OpenPst(pst.wstring().c_str(), false));
        exported = facade.ExportOneFolder(L"($Calendar)\\", 0, nullptr);
        facade.ClosePst();
    });
    const bool berlin = Zone() == "Europe/Berlin";
    EXPECT_EQ(exported, 0);
    const std::string error = Narrow(reader.GetLastError().GetString());
    EXPECT_NE(error.find("\"Leap day 1600\" (not saved)"), std::string::npos) << error;
    // 1601-01-01 00:00 in Berlin is 1600-12-31 23:00 UTC.
    EXPECT_EQ(error.find("\"First hour of 1601\"") != std::string::npos, berlin) << error;
    EXPECT_EQ(UtcText("2026-03-29 02:15:00"), berlin ? "2026-03-29 00:15:00" : "2026-03-29 02:15:00");
    std::ofstream(fs::path(pst).replace_extension(".expect"), std::ios::binary)
        << "folder\t($Calendar)\tIPF.Appointment\t10\n"
        << ItemLine("($Calendar)", "Before 1900", "Archive", "1899-12-29 12:00:00", "1899-12-29 18:00:00", "old")
        << ItemLine("($Calendar)", "First hour of 1601", "Archive", berlin ? "1601-01-01 01:00:00" : "1601-01-01 00:00:00",
                    "1601-01-01 01:00:00", "first")
        << ItemLine("($Calendar)", "Last day", "Archive", "9999-12-31 08:00:00", "9999-12-31 09:00:00", "last")
        << ItemLine("($Calendar)", "No end", "Hall", "2026-06-10 14:00:00", "2026-06-10 14:00:00", "open")
        << ItemLine("($Calendar)", "No start", "Hall", "2026-06-11 15:00:00", "2026-06-11 15:00:00", "closed")
        << ItemLine("($Calendar)", "Before the change", "Hall", "2026-03-28 10:00:00", "2026-03-28 11:00:00", "winter")
        << ItemLine("($Calendar)", "Across the gap", "Hall", "2026-03-29 01:30:00", "2026-03-29 03:30:00", "spring")
        << ItemLine("($Calendar)", "In the gap", "Hall", "2026-03-29 02:15:00", "2026-03-29 02:45:00", "skipped")
        << ItemLine("($Calendar)", "In the overlap", "Hall", "2026-10-25 02:15:00", "2026-10-25 02:45:00", "twice")
        << ItemLine("($Calendar)", "After the change", "Hall", "2026-10-25 10:00:00", "2026-10-25 11:00:00", "autumn");
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

const std::string kCancelFixture = R"(notesdb 1
folder ($Calendar) calendar
entries 1 2 3 4 5 6
folder Later calendar
entries 7

note 1
item Subject text "One"
item Location text "Room 1"
item STARTDATETIME datetime 2026-05-04T09:00:00
item EndDateTime datetime 2026-05-04T10:00:00
item Body richtext "First body"
rtf "{\\rtf1\\ansi First body}"
attachment "one.txt" text "1"
note 2
item Subject text "Two"
item Location text "Room 2"
item STARTDATETIME datetime 2026-05-05T09:00:00
item EndDateTime datetime 2026-05-05T10:00:00
item Body text "Second body"
note 3
item Subject text "A memo"
item Body text "not exported"
note 4
item Subject text "Four"
item Location text "Room 4"
item STARTDATETIME datetime 2026-05-07T09:00:00
item EndDateTime datetime 2026-05-07T10:00:00
item Body richtext "Fourth body"
rtf <<END
{\rtf1\ansi
Fourth body
}
END
attachment "four.txt" text "4"
attachment "four-b.txt" text "44"
note 5
item Subject text "Five"
item Location text "Room 5"
item STARTDATETIME datetime 2026-05-08T09:00:00
item EndDateTime datetime 2026-05-08T10:00:00
note 6
item Subject text "Six"
item Location text "Room 6"
item STARTDATETIME datetime 2026-05-09T09:00:00
item EndDateTime datetime 2026-05-09T10:00:00
note 7
item Subject text "Seven"
item Location text "Room 7"
item STARTDATETIME datetime 2026-05-10T09:00:00
item EndDateTime datetime 2026-05-10T10:00:00
)";

// A progress bar of the save step that answers Stop at a chosen moment: once the entry
// loop has finished a number of entries (the loop sets the item bar to 100 after each
// one), or at a chosen step of the bodies' RTF read-back (the positions in between).
class StopAtProgress : public CProgressCtrl {
public:
    StopAtProgress(int entries, int readBackStep, std::function<void()> stop)
        : m_stopAfter(entries), m_stopAtReadBack(readBackStep), m_stop(std::move(stop)) {}
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == PBM_SETPOS && wParam == 100 && ++m_entriesDone == m_stopAfter && m_stopAtReadBack == 0) m_stop();
        if (message == PBM_SETPOS && wParam > 0 && wParam < 100 && ++m_readBackSteps == m_stopAtReadBack) m_stop();
        return CProgressCtrl::WindowProc(message, wParam, lParam);
    }
    int m_entriesDone = 0;

private:
    int m_stopAfter;
    int m_stopAtReadBack;
    int m_readBackSteps = 0;
    std::function<void()> m_stop;
};

// Stop between two entries or inside one, as the save step's Stop sets the flags while
// the save thread waits: the entries finished before stay in the PST whole, the entry in
// hand and those after it are not written (the remaining folder is still mirrored, empty),
// and the PST closes as a whole file.
TEST_F(ExportTest, StopAtAChosenEntryKeepsExactlyTheEntriesSavedBefore) {
    const CString db = WriteDatabase(L"cancel.nsf", kCancelFixture);
    const struct {
        int stopAfter;     // entries finished when Stop comes; 0: before the save starts
        int readBackStep;  // else Stop comes at this RTF read-back (one per body: One 1, Four 2)
        std::vector<const char*> kept;
    } cases[] = {{0, 0, {}}, {1, 0, {"One"}}, {3, 0, {"One", "Two"}}, {4, 0, {"One", "Two", "Four"}},
                 {0, 1, {}}, {3, 2, {"One", "Two"}}};
    const std::map<std::string, std::string> items = {
        {"One", ItemLine("($Calendar)", "One", "Room 1", "2026-05-04 09:00:00", "2026-05-04 10:00:00", "First body")},
        {"Two", ItemLine("($Calendar)", "Two", "Room 2", "2026-05-05 09:00:00", "2026-05-05 10:00:00", "Second body")},
        {"Four", ItemLine("($Calendar)", "Four", "Room 4", "2026-05-07 09:00:00", "2026-05-07 10:00:00", "Fourth body")}};
    Open(db);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.stopAfter);
        SCOPED_TRACE(c.readBackStep);
        const std::wstring name =
            L"cancel-after-" + std::to_wstring(c.stopAfter) + (c.readBackStep ? L"-in-read-back" : L"");
        const fs::path pst = FreshFile(name + L".pst");
        const auto stop = [&] {
            reader.m_nCancel = 1;
            if (CPstWriter* writer = facade.GetPstWriter()) writer->m_stopFlag = 1;
        };
        reader.m_nCancel = 0;
        CWnd step;
        ASSERT_TRUE(step.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 400, 100, nullptr, nullptr))
            << GetLastError();
        CProgressCtrl folderBar;
        StopAtProgress itemBar(c.stopAfter, c.readBackStep, stop);
        ASSERT_TRUE(folderBar.Create(WS_CHILD, CRect(0, 0, 200, 20), &step, 1)) << GetLastError();
        ASSERT_TRUE(itemBar.Create(WS_CHILD, CRect(0, 40, 200, 60), &step, 2)) << GetLastError();
        reader.m_pFolderProgress = &folderBar;
        reader.m_pItemProgress = &itemBar;
        OnSaveThread([&] {
            ASSERT_TRUE(facade.OpenPst(pst.wstring().c_str(), false));
            if (c.stopAfter == 0 && c.readBackStep == 0) stop();
            for (const wchar_t* folder : {L"($Calendar)\\", L"Later\\"})
                EXPECT_EQ(facade.ExportOneFolder(folder, 0, nullptr), 1);
            facade.ClosePst();
        });
        reader.m_pFolderProgress = nullptr;
        reader.m_pItemProgress = nullptr;
        // No entry is finished after the stop; the folder bar stays where the last one put it.
        EXPECT_EQ(itemBar.m_entriesDone, c.stopAfter);
        EXPECT_EQ(folderBar.GetPos(), (c.stopAfter + (c.readBackStep ? 1 : 0)) * 100 / 6);
        EXPECT_EQ(reader.m_nCancel, 1);
        std::ofstream expect(fs::path(pst).replace_extension(".expect"), std::ios::binary);
        expect << "folder\t($Calendar)\tIPF.Appointment\t" << c.kept.size() << "\nfolder\tLater\tIPF.Note\t0\n";
        for (const char* subject : c.kept) expect << items.at(subject);
        if (c.stopAfter >= 1) expect << "attachment\t($Calendar)\tOne\tone.txt\t31\n";
        if (c.stopAfter >= 4)
            expect << "attachment\t($Calendar)\tFour\tfour.txt\t34\nattachment\t($Calendar)\tFour\tfour-b.txt\t3434\n";
    }
}

// The fixed-name files of an export are removed even when an earlier run left them
// behind.
TEST_F(ExportTest, TemporaryFilesOfAnEarlierRunAreRemoved) {
    const fs::path temp = fs::path(CNotesReader::TemporaryDirectory().GetString());
    std::ofstream(temp / "ch111.rtf") << "{\\rtf1\\ansi stale body}";
    std::ofstream(temp / "aasseedd.eml") << "stale";
    Open(WriteDatabase(L"fixture-temp.nsf", kExportFixture));
    const fs::path csv = FreshFile(L"fixture-temp.csv");
    {
        CSpreadSheet sheet(csv.wstring().c_str(), L",");
        EXPECT_EQ(facade.ExportOneFolder(L"($Calendar)\\", 1, &sheet), 1);
        ASSERT_TRUE(sheet.Commit());
    }
    EXPECT_FALSE(fs::exists(temp / "ch111.rtf"));
    EXPECT_FALSE(fs::exists(temp / "aasseedd.eml"));
    EXPECT_NE(ReadAll(csv).find("Agenda: budget"), std::string::npos);
}

// Whichever way an export ends, the temporary directory keeps nothing of it: not the
// rich-text body of the last entry, not a detached attachment.
TEST_F(ExportTest, TemporaryDirectoryHoldsNothingAfterAnExportThatEndsStopsOrFails) {
    const std::string entries = R"(
note 1
item Subject text "Planning"
item Location text "Room 1"
item Body richtext "Plan"
rtf "{\\rtf1\\ansi Plan}"
attachment "plan.txt" text "plan"
note 2
item Subject text "Review"
item Location text "Room 2"
item Body richtext "Confidential: salary review for Bob"
rtf "{\\rtf1\\ansi Confidential: salary review for Bob}"
attachment "review.txt" text "review"
)";
    const CString endsDb = WriteDatabase(L"temp-ends.nsf", "notesdb 1\nfolder ($Calendar) calendar\nentries 1 2\n" + entries);
    // The folder cannot be closed after its entries: the export fails after the last one.
    const CString failsDb =
        WriteDatabase(L"temp-fails.nsf", "notesdb 1\nfolder ($Calendar) calendar\nfail close 0x0222\nentries 1 2\n" + entries);
    const fs::path temp = fs::path(CNotesReader::TemporaryDirectory().GetString());
    enum Way { Ends, Stops, Fails };
    for (const Way way : {Ends, Stops, Fails}) {
        for (const int mode : {0, 1}) {
            SCOPED_TRACE(std::to_string(way) + (mode == 0 ? " PST" : " CSV"));
            for (const auto& left : fs::directory_iterator(temp)) fs::remove_all(left.path());
            reader.m_nCancel = 0;
            if (way == Fails) {
                // The scan meets the folder that cannot be closed too; the database stays open.
                CStringArray folders;
                EXPECT_EQ(facade.ScanCurrentDatabase(failsDb, L"", folders, 1, nullptr), 0);
            } else {
                Open(endsDb);
            }
            // Stop comes while the second entry is written: the loop ends after it.
            CWnd step;
            ASSERT_TRUE(step.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 400, 100, nullptr, nullptr));
            StopAtProgress itemBar(way == Stops ? 2 : 0, 0, [&] { reader.m_nCancel = 1; });
            ASSERT_TRUE(itemBar.Create(WS_CHILD, CRect(0, 40, 200, 60), &step, 2));
            reader.m_pItemProgress = &itemBar;
            const std::wstring name = L"temp-" + std::to_wstring(way) + (mode == 0 ? L".pst" : L".csv");
            const fs::path out = FreshFile(name);
            OnSaveThread([&] {
                if (mode == 0) {
                    ASSERT_TRUE(facade.OpenPst(out.wstring().c_str(), false));
                    facade.ExportOneFolder(L"($Calendar)\\", 0, nullptr);
                    facade.ClosePst();
                } else {
                    CSpreadSheet sheet(out.wstring().c_str(), L",");
                    CRdoFolder none;
                    EXPECT_EQ(reader.ExportFolder(L"($Calendar)\\", none, 1, &sheet), way == Fails ? 0 : 1);
                    EXPECT_TRUE(sheet.Commit());
                }
            });
            reader.m_pItemProgress = nullptr;
            EXPECT_EQ(itemBar.m_entriesDone, 2);
            if (mode == 1) {
                EXPECT_NE(ReadAll(out).find("Confidential: salary review for Bob"), std::string::npos);
            }
            std::vector<std::string> left;
            for (const auto& file : fs::directory_iterator(temp)) left.push_back(file.path().filename().string());
            EXPECT_TRUE(left.empty()) << left.front();
        }
    }
}

// A save killed from outside part-way keeps every entry whose folder save had returned,
// in a file the readers open (checked by export_pst_readers: at least that many items).
// The save goes on after the count is reached, so the kill lands wherever it lands.
TEST_F(ExportTest, KilledSaveKeepsEveryEntryWhoseFolderSaveReturned) {
    constexpr int kFirst = 200, kSecond = 100;
    std::string text = "notesdb 1\nfolder ($Calendar) calendar\nentries";
    for (int i = 1; i <= kFirst; ++i) text += " " + std::to_string(i);
    text += "\nfolder Later calendar\nentries";
    for (int i = kFirst + 1; i <= kFirst + kSecond; ++i) text += " " + std::to_string(i);
    text += "\n";
    const auto entry = [](int i) {
        char subject[32];
        std::snprintf(subject, sizeof subject, "Entry %03d", i);
        return std::string(subject);
    };
    for (int i = 1; i <= kFirst + kSecond; ++i)
        text += "note " + std::to_string(i) + "\nitem Subject text \"" + entry(i) + "\"\nitem Location text \"Room " +
                std::to_string(i) +
                "\"\nitem STARTDATETIME datetime 2026-06-01T09:00:00\nitem EndDateTime datetime 2026-06-01T10:00:00\n"
                "item Body text \"Body of " + entry(i) + "\"\n";
    const CString db = WriteDatabase(L"killed.nsf", text);
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const fs::path child = fs::path(self).parent_path() / L"export_killed_save.exe";
    for (const int saved : {1, 137, 250}) {
        SCOPED_TRACE(saved);
        const fs::path pst = FreshFile(L"killed-after-" + std::to_wstring(saved) + L".pst");
        const std::wstring eventName = L"orbalin-killed-save-" + std::to_wstring(GetCurrentProcessId());
        const HANDLE event = CreateEventW(nullptr, TRUE, FALSE, eventName.c_str());
        ASSERT_NE(event, nullptr);
        std::wstring command = L"\"" + child.wstring() + L"\" \"" + std::wstring(db.GetString()) + L"\" \"" +
                               pst.wstring() + L"\" " + std::to_wstring(saved) + L" " + eventName;
        STARTUPINFOW startup{sizeof startup};
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                                   &process))
            << GetLastError();
        const HANDLE waits[] = {event, process.hProcess};
        const DWORD woke = WaitForMultipleObjects(2, waits, FALSE, 120000);
        TerminateProcess(process.hProcess, 0xDEAD);
        WaitForSingleObject(process.hProcess, 30000);
        DWORD exitCode = 0;
        GetExitCodeProcess(process.hProcess, &exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        CloseHandle(event);
        ASSERT_EQ(woke, WAIT_OBJECT_0) << "the save ended (" << exitCode << ") before " << saved << " entries";
        // Killed, not finished: the store was never closed.
        EXPECT_EQ(exitCode, 0xDEADu);
        std::ofstream expect(fs::path(pst).replace_extension(".expect"), std::ios::binary);
        if (saved <= kFirst) {
            expect << "folder\t($Calendar)\tIPF.Appointment\t" << saved << "+\n";
        } else {
            expect << "folder\t($Calendar)\tIPF.Appointment\t" << kFirst << "\n";
            expect << "folder\tLater\tIPF.Note\t" << saved - kFirst << "+\n";
        }
        for (int i = 1; i <= saved; ++i)
            expect << ItemLine(i <= kFirst ? "($Calendar)" : "Later", entry(i), "Room " + std::to_string(i),
                               "2026-06-01 09:00:00", "2026-06-01 10:00:00", "Body of " + entry(i));
    }
}

// A progress bar that records the positions and texts it is sent.
class RecordingBar : public CProgressCtrl {
public:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == PBM_SETPOS) positions.push_back(static_cast<int>(wParam));
        if (message == WM_SETTEXT) ++texts;
        return CProgressCtrl::WindowProc(message, wParam, lParam);
    }
    std::vector<int> positions;
    int texts = 0;
};

// A step page's folder and item bars that record what they are sent, lent to the reader
// while they live.
class RecordedBars {
public:
    explicit RecordedBars(CNotesReader& reader) : m_reader(reader) {
        created = step.CreateEx(0, AfxRegisterWndClass(0), L"", WS_POPUP, 0, 0, 400, 100, nullptr, nullptr) &&
                  folder.Create(WS_CHILD, CRect(0, 0, 200, 20), &step, 1) &&
                  item.Create(WS_CHILD, CRect(0, 40, 200, 60), &step, 2);
        reader.m_pFolderProgress = &folder;
        reader.m_pItemProgress = &item;
    }
    ~RecordedBars() {
        m_reader.m_pFolderProgress = nullptr;
        m_reader.m_pItemProgress = nullptr;
    }

    bool created = false;
    CWnd step;
    RecordingBar folder, item;

private:
    CNotesReader& m_reader;
};

// Every position sent to a bar costs a round trip to the window's thread: a bar is sent
// only positions that change what it shows, and a long rich-text body moves the item bar
// once, not once per line.
TEST_F(ExportTest, BarsAreSentOnlyPositionsThatChangeWhatTheyShow) {
    constexpr int kEntries = 150;
    std::string text = "notesdb 1\nfolder ($Calendar) calendar\nentries";
    for (int i = 1; i <= kEntries; ++i) text += " " + std::to_string(i);
    text += "\n";
    std::string rtf = "{\\rtf1\\ansi\n";
    for (int line = 1; line < 200; ++line) rtf += "Line " + std::to_string(line) + "\\par\n";
    rtf += "End}\n";
    for (int i = 1; i <= kEntries; ++i) {
        text += "note " + std::to_string(i) + "\nitem Subject text \"Entry " + std::to_string(i) +
                "\"\nitem Location text \"Room\"\n";
        text += i == 1 ? "item Body richtext \"Long body\"\nrtf <<END\n" + rtf + "END\n" : "item Body text \"Short\"\n";
    }
    Open(WriteDatabase(L"bars.nsf", text));
    for (const int mode : {0, 1}) {
        SCOPED_TRACE(mode == 0 ? "PST" : "CSV");
        RecordedBars bars(reader);
        ASSERT_TRUE(bars.created);
        const RecordingBar& folderBar = bars.folder;
        const RecordingBar& itemBar = bars.item;
        const fs::path out = FreshFile(mode == 0 ? L"bars.pst" : L"bars.csv");
        OnSaveThread([&] {
            if (mode == 0) {
                ASSERT_TRUE(facade.OpenPst(out.wstring().c_str(), false));
                EXPECT_EQ(facade.ExportOneFolder(L"($Calendar)\\", 0, nullptr), 1);
                facade.ClosePst();
            } else {
                CSpreadSheet sheet(out.wstring().c_str(), L",");
                CRdoFolder none;
                EXPECT_EQ(reader.ExportFolder(L"($Calendar)\\", none, 1, &sheet), 1);
                EXPECT_TRUE(sheet.Commit());
            }
        });
        if (mode == 1) {
            EXPECT_NE(ReadAll(out).find("Long body"), std::string::npos);
        }
        // The folder bar: each percent once, up to 100, and its text cleared once.
        ASSERT_FALSE(folderBar.positions.empty());
        EXPECT_EQ(folderBar.positions.back(), 100);
        EXPECT_EQ(folderBar.positions.size(),
                  std::set<int>(folderBar.positions.begin(), folderBar.positions.end()).size());
        EXPECT_EQ(folderBar.texts, 1);
        // The item bar: every entry 0, 100; into a PST the long body's entry shows the body's
        // share between them. A sheet takes plain text, so no RTF is read for it.
        std::vector<int> expected;
        for (int i = 1; i <= kEntries; ++i) {
            expected.push_back(0);
            if (i == 1 && mode == 0) expected.push_back(100 * 200 / 210);
            expected.push_back(100);
        }
        EXPECT_EQ(itemBar.positions, expected);
    }
}

// As the wizard runs it, a bar is sent a position at most once a frame, and the last
// position of a folder is sent at its end, whatever was held back before.
TEST_F(ExportTest, BarsAreSentAtMostOnceAFrameAndShowTheEndOfTheFolder) {
    constexpr int kEntries = 400;
    std::string text = "notesdb 1\nfolder ($Calendar) calendar\nentries";
    for (int i = 1; i <= kEntries; ++i) text += " " + std::to_string(i);
    text += "\n";
    for (int i = 1; i <= kEntries; ++i)
        text += "note " + std::to_string(i) + "\nitem Subject text \"Entry " + std::to_string(i) + "\"\n";
    Open(WriteDatabase(L"frames.nsf", text));
    reader.m_nBarFrameMs = 16;
    RecordedBars bars(reader);
    ASSERT_TRUE(bars.created);
    const RecordingBar& folderBar = bars.folder;
    const RecordingBar& itemBar = bars.item;
    const fs::path out = FreshFile(L"frames.csv");
    const ULONGLONG start = GetTickCount64();
    OnSaveThread([&] {
        CSpreadSheet sheet(out.wstring().c_str(), L",");
        CRdoFolder none;
        EXPECT_EQ(reader.ExportFolder(L"($Calendar)\\", none, 1, &sheet), 1);
        EXPECT_TRUE(sheet.Commit());
    });
    const ULONGLONG frames = (GetTickCount64() - start) / 16;
    // The first position, one a frame, and the one held back at the end.
    EXPECT_LE(folderBar.positions.size(), frames + 2);
    EXPECT_LE(itemBar.positions.size(), frames + 2);
    EXPECT_LT(itemBar.positions.size(), 2u * kEntries);
    ASSERT_FALSE(folderBar.positions.empty());
    ASSERT_FALSE(itemBar.positions.empty());
    EXPECT_EQ(folderBar.positions.back(), 100);
    EXPECT_EQ(itemBar.positions.back(), 100);
}

// An entry's body in the PST: the RTF's own text, unless that comes out empty or shorter
// than the plain text of the same body, which then takes its place.
TEST_F(ExportTest, RtfBodyGivesWayToALongerPlainText) {
    Open(WriteDatabase(L"fixture-bodies.nsf", R"(notesdb 1
folder ($Calendar) calendar
entries 1 2 3 4

note 1
item Subject text "Shorter RTF"
item Location text "Room 1"
item STARTDATETIME datetime 2026-06-01T09:00:00
item EndDateTime datetime 2026-06-01T10:00:00
item Body richtext "A much longer plain body"
rtf "{\\rtf1\\ansi Short}"
note 2
item Subject text "Longer RTF"
item Location text "Room 2"
item STARTDATETIME datetime 2026-06-02T09:00:00
item EndDateTime datetime 2026-06-02T10:00:00
item Body richtext "Rich"
rtf "{\\rtf1\\ansi Rich body text}"
note 3
item Subject text "Same length"
item Location text "Room 3"
item STARTDATETIME datetime 2026-06-03T09:00:00
item EndDateTime datetime 2026-06-03T10:00:00
item Body richtext "Same size"
rtf "{\\rtf1\\ansi Same-size}"
note 4
item Subject text "Empty RTF"
item Location text "Room 4"
item STARTDATETIME datetime 2026-06-04T09:00:00
item EndDateTime datetime 2026-06-04T10:00:00
item Body richtext "Only plain"
rtf "{\\rtf1\\ansi }"
)"));
    const fs::path pst = FreshFile(L"bodies.pst");
    OnSaveThread([&] {
        ASSERT_TRUE(facade.OpenPst(pst.wstring().c_str(), false));
        EXPECT_EQ(facade.ExportOneFolder(L"($Calendar)\\", 0, nullptr), 1);
        facade.ClosePst();
    });
    std::ofstream(fs::path(pst).replace_extension(".expect"), std::ios::binary)
        << "folder\t($Calendar)\tIPF.Appointment\t4\n"
        << ItemLine("($Calendar)", "Shorter RTF", "Room 1", "2026-06-01 09:00:00", "2026-06-01 10:00:00",
                    "A much longer plain body")
        << ItemLine("($Calendar)", "Longer RTF", "Room 2", "2026-06-02 09:00:00", "2026-06-02 10:00:00",
                    "Rich body text")
        << ItemLine("($Calendar)", "Same length", "Room 3", "2026-06-03 09:00:00", "2026-06-03 10:00:00", "Same-size")
        << ItemLine("($Calendar)", "Empty RTF", "Room 4", "2026-06-04 09:00:00", "2026-06-04 10:00:00", "Only plain");
}

// A folder whose export stops on an error, or that cannot be made in the PST, is reported
// to the save; the folders around it are exported.
TEST_F(ExportTest, FailedFoldersAreReported) {
    Open(WriteDatabase(L"fixture-failing.nsf", R"(notesdb 1
folder Broken calendar
fail open 0x0111
entries 1
folder Fine calendar
entries 1

note 1
item Subject text "Kept"
item Location text "Hall"
item STARTDATETIME datetime 2026-03-16T08:00:00
item EndDateTime datetime 2026-03-16T09:00:00
)"));
    const fs::path csv = FreshFile(L"failing.csv");
    {
        CSpreadSheet sheet(csv.wstring().c_str(), L",");
        EXPECT_EQ(facade.ExportOneFolder(L"Broken\\", 1, &sheet), 0);
        EXPECT_EQ(reader.GetLastError(), CString(L"Error while parsing folders"));
        EXPECT_EQ(facade.ExportOneFolder(L"Fine\\", 1, &sheet), 1);
        ASSERT_TRUE(sheet.Commit());
    }
    EXPECT_NE(ReadAll(csv).find("Kept"), std::string::npos);
    const fs::path pst = FreshFile(L"failing.pst");
    OnSaveThread([&] {
        ASSERT_TRUE(facade.OpenPst(pst.wstring().c_str(), false));
        EXPECT_EQ(facade.ExportOneFolder(L"Broken\\", 0, nullptr), 0);
        EXPECT_EQ(facade.ExportOneFolder(L"Fine\\", 0, nullptr), 1);
        // A store that is gone has no folder to give.
        facade.GetPstWriter()->Close();
        EXPECT_EQ(facade.ExportOneFolder(L"Fine\\", 0, nullptr), 0);
        facade.ClosePst();
    });
    std::ofstream(fs::path(pst).replace_extension(".expect"), std::ios::binary)
        << "folder\tBroken\tIPF.Note\t0\n"
           "folder\tFine\tIPF.Note\t1\n"
        << ItemLine("Fine", "Kept", "Hall", "2026-03-16 08:00:00", "2026-03-16 09:00:00", "");
}

// Automation failures reach the reader's handlers as framework exception objects, which
// the handlers delete: exporting into a store that has gone keeps no memory behind.
TEST_F(ExportTest, FailuresOfTheStoreLeaveNoExceptionObjectsBehind) {
    Open(WriteDatabase(L"fixture-gone.nsf", kExportFixture));
    const fs::path pst = FreshFile(L"gone.pst");
    OnSaveThread([&] {
        ASSERT_TRUE(facade.OpenPst(pst.wstring().c_str(), false));
        CRdoFolder folder;
        ASSERT_EQ(facade.GetPstWriter()->GetOrCreateFolder(L"Gone\\", folder), 1);
        facade.GetPstWriter()->Close();
        // Each export fails at every entry and at the folder's save.
        EXPECT_EQ(reader.ExportFolder(L"($Calendar)\\", folder, 0, nullptr), 0);
        const long long before = t_liveAllocations;
        constexpr int kRounds = 10;
        for (int i = 0; i < kRounds; ++i) EXPECT_EQ(reader.ExportFolder(L"($Calendar)\\", folder, 0, nullptr), 0);
        EXPECT_LT(t_liveAllocations - before, kRounds);
        folder.ReleaseDispatch();
        facade.ClosePst();
    });
}

TEST_F(ExportTest, PstModeWithoutAWriterExportsNothing) {
    Open(WriteDatabase(L"fixture-nowriter.nsf", kExportFixture));
    EXPECT_EQ(facade.ExportOneFolder(L"($Calendar)\\", 0, nullptr), 0);
    CRdoFolder none;
    EXPECT_EQ(reader.ExportFolder(L"", none, 1, nullptr), 0);
}

}  // namespace
