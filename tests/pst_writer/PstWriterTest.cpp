// The PST writer over the Redemption stand-in, through the real COM path under Wine.
// Each PST written here is listed in a ".expect" file beside it; the check of the
// x86_64 build runs the independent readers on them (check_written_psts.py).
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdio>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "AfxOle.h"
#include "COleDateTime.h"
#include "COleVariant.h"
#include "CPstWriter.h"
#include "CRdoAppointment.h"
#include "CRdoAttachments.h"
#include "CRdoItems.h"
#include "PstStore.h"
#include "PstTemplateResource.h"

namespace {

std::wstring Widen(const char* text)
{
    return std::wstring(text, text + std::char_traits<char>::length(text));
}

std::string Narrow(const std::wstring& text)
{
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n > 0 ? n - 1 : 0), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, out.data(), n, nullptr, nullptr);
    return out;
}

// A fresh, empty folder of this test program's output.
std::wstring OutputFolder(const std::wstring& name)
{
    const std::wstring root = Widen(ORBALIN_TEST_OUTPUT_DIR) + L"\\pst_writer";
    CreateDirectoryW(root.c_str(), nullptr);
    const std::wstring dir = root + L"\\" + name;
    CreateDirectoryW(dir.c_str(), nullptr);
    WIN32_FIND_DATAW found;
    HANDLE h = FindFirstFileW((dir + L"\\*").c_str(), &found);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
                DeleteFileW((dir + L"\\" + found.cFileName).c_str());
        } while (FindNextFileW(h, &found));
        FindClose(h);
    }
    return dir;
}

bool Exists(const std::wstring& path)
{
    return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<char> ReadBytes(const std::wstring& path)
{
    std::ifstream in(Narrow(path), std::ios::binary);
    return std::vector<char>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::wstring& path, const std::vector<char>& bytes)
{
    std::ofstream out(Narrow(path), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// Lists a PST for the independent readers' check, with what they must find in it.
void ExpectReadersSee(const std::wstring& pstPath, const std::string& lines = std::string())
{
    const std::wstring stem = pstPath.substr(0, pstPath.size() - 4);
    std::ofstream(Narrow(stem + L".expect"), std::ios::binary) << lines;
}

// The frame's part: writes the blank template from this program's resources.
class TemplateWriter : public IPstTemplateWriter {
public:
    void ExtractPstTemplate(const CString& path, UINT resourceId) override
    {
        ids.push_back(resourceId);
        PstTemplateResource::Extract(GetModuleHandleW(nullptr), path, resourceId);
    }
    std::vector<UINT> ids;
};

class PstWriterTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetEnvironmentVariableW(L"ORBALIN_REDEMPTION_VERSION", nullptr);
        writer.m_mainFrame = &templates;
    }
    void TearDown() override { SetEnvironmentVariableW(L"ORBALIN_REDEMPTION_VERSION", nullptr); }

    TemplateWriter templates;
    CPstWriter writer;
};

std::unique_ptr<pst::PstStore> OpenWithLibrary(const std::wstring& path)
{
    return pst::PstStore::open(Narrow(path));
}

}

TEST_F(PstWriterTest, TemplateFollowsTheReportedVersion)
{
    const std::wstring dir = OutputFolder(L"versions");
    struct Case {
        const wchar_t* version;
        UINT id;
        uint16_t headerVersion;
    };
    const Case cases[] = {{L"10.0.6626", 225, 14}, {L"9.0", 225, 14}, {L"8.5.1", 225, 14}, {L"11.0.5510", 224, 23},
                          {L"12.0.6607", 224, 23}, {L"", 224, 23}};
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.version));
        SetEnvironmentVariableW(L"ORBALIN_REDEMPTION_VERSION", c.version);
        TemplateWriter chosen;
        CPstWriter w;
        w.m_mainFrame = &chosen;
        const std::wstring path = dir + L"\\v" + std::to_wstring(++n) + L".pst";
        ASSERT_EQ(w.Open(path.c_str(), false), 1);
        w.Close();
        ASSERT_EQ(chosen.ids, std::vector<UINT>{c.id});
        const std::vector<char> bytes = ReadBytes(path);
        ASSERT_GT(bytes.size(), 12u);
        EXPECT_EQ(static_cast<uint16_t>(static_cast<uint8_t>(bytes[10]) | static_cast<uint8_t>(bytes[11]) << 8), c.headerVersion);
        EXPECT_EQ(OpenWithLibrary(path)->displayName(), "Quillmark " + Narrow(path));
        ExpectReadersSee(path);
    }
}

TEST_F(PstWriterTest, NewFileNamesAreMadeUnique)
{
    const std::wstring dir = OutputFolder(L"naming");
    const std::wstring fresh = dir + L"\\Fresh.pst";
    ASSERT_EQ(writer.Open(fresh.c_str(), false), 1);
    EXPECT_EQ(writer.m_pstPath, CString(fresh.c_str()));
    writer.Close();
    EXPECT_EQ(OpenWithLibrary(fresh)->displayName(), "Quillmark " + Narrow(fresh)) << "the path is used as given";
    ExpectReadersSee(fresh);

    // b.pst and B(1).PST are taken: the file becomes B(2).PST in the upper-cased path.
    const std::wstring taken = dir + L"\\b.pst";
    WriteBytes(taken, {'x'});
    WriteBytes(dir + L"\\B(1).PST", {'y'});
    CPstWriter second;
    second.m_mainFrame = &templates;
    ASSERT_EQ(second.Open(taken.c_str(), false), 1);
    second.Close();
    CString expected(dir.c_str());
    expected.MakeUpper();
    expected += L"\\B(2).PST";
    // The file written is what the save reports as its location.
    EXPECT_EQ(second.m_pstPath, expected);
    ASSERT_TRUE(Exists(std::wstring(expected)));
    EXPECT_EQ(OpenWithLibrary(std::wstring(expected))->displayName(), "Quillmark " + Narrow(std::wstring(expected)));
    EXPECT_EQ(ReadBytes(taken), std::vector<char>{'x'}) << "the taken file is left alone";
    ExpectReadersSee(std::wstring(expected));

    // A taken name that holds no ".PST" cannot be made unique.
    const std::wstring noSuffix = dir + L"\\plain.dat";
    WriteBytes(noSuffix, {'z'});
    CPstWriter third;
    third.m_mainFrame = &templates;
    EXPECT_EQ(third.Open(noSuffix.c_str(), false), 0);
    EXPECT_EQ(ReadBytes(noSuffix), std::vector<char>{'z'});
}

TEST_F(PstWriterTest, ExistingModeKeepsTheStoreAsItIs)
{
    const std::wstring dir = OutputFolder(L"existing");
    const std::wstring path = dir + L"\\kept.pst";
    {
        auto store = pst::PstStore::create(Narrow(path), pst::PstStore::Format::Unicode);
        store->setDisplayName("My own name");
        store->createFolder(store->ipmSubtree(), "Inbox", "IPF.Note");
        store->commit();
    }
    ASSERT_EQ(writer.Open(path.c_str(), true), 1);
    CRdoFolder folder;
    ASSERT_EQ(writer.GetOrCreateFolder(L"($Inbox)\\", folder), 1);
    EXPECT_EQ(folder.GetName(), CString(L"Inbox"));
    writer.Close();
    EXPECT_TRUE(templates.ids.empty());
    auto store = OpenWithLibrary(path);
    EXPECT_EQ(store->displayName(), "My own name");
    int inboxes = 0;
    for (uint32_t nid : store->subfolders(store->ipmSubtree()))
        inboxes += store->folder(nid).name == "Inbox";
    EXPECT_EQ(inboxes, 1) << "($Inbox) went into the existing Inbox";
    ExpectReadersSee(path, "folder\tInbox\tIPF.Note\t0\n");
}

TEST_F(PstWriterTest, StopFlagAndClosingTwice)
{
    const std::wstring dir = OutputFolder(L"stop");
    writer.m_stopFlag = 1;
    EXPECT_EQ(writer.Open((dir + L"\\never.pst").c_str(), false), 0);
    EXPECT_FALSE(writer.SessionStarted());
    EXPECT_FALSE(Exists(dir + L"\\never.pst"));
    writer.m_stopFlag = 0;
    ASSERT_EQ(writer.Open((dir + L"\\twice.pst").c_str(), false), 1);
    writer.Close();
    writer.Close();
    EXPECT_EQ(writer.m_session.m_lpDispatch, nullptr);
    EXPECT_EQ(writer.m_store.m_lpDispatch, nullptr);
    ExpectReadersSee(dir + L"\\twice.pst");
}

TEST_F(PstWriterTest, FolderPathsAreMirrored)
{
    EXPECT_EQ(CPstWriter::CountSeparators(L"Projects\\2005\\"), 2);
    EXPECT_EQ(CPstWriter::CountSeparators(L"\\x\\"), 2);
    EXPECT_EQ(CPstWriter::SplitFolderPath(L"Projects\\2005\\", 1), CString(L"2005"));
    EXPECT_EQ(CPstWriter::SplitFolderPath(L"Projects\\2005\\", 2), CString(L""));
    EXPECT_EQ(CPstWriter::SplitFolderPath(L"Projects\\tail", 1), CString(L""));

    const std::wstring dir = OutputFolder(L"folders");
    const std::wstring path = dir + L"\\folders.pst";
    ASSERT_EQ(writer.Open(path.c_str(), false), 1);
    struct Case {
        const wchar_t* notesPath;
        int result;
        const wchar_t* leafName;
    };
    const Case cases[] = {
        {L"($Meetings)\\", 1, L"Calendar"}, {L"($Meetings)\\", 1, L"Calendar"},
        {L"Projects\\2005\\", 1, L"2005"},  {L"By Diary Date\\", 1, L"By Diary Date"},
        {L"($Calendar)\\", 1, L"($Calendar)"}, {L"($ToDo)\\", 1, L"To Do"},
        {L"no separator", 0, nullptr},
        // Empty levels are skipped: each of these still names a folder.
        {L"\\Leading\\", 1, L"Leading"}, {L"Trailing\\\\", 1, L"Trailing"},
        {L"Projects\\\\2005\\", 1, L"2005"}, {L"\\\\", 0, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Narrow(c.notesPath));
        CRdoFolder folder;
        ASSERT_EQ(writer.GetOrCreateFolder(c.notesPath, folder), c.result);
        if (c.leafName)
            EXPECT_EQ(folder.GetName(), CString(c.leafName));
        else
            EXPECT_EQ(folder.m_lpDispatch, nullptr);
    }
    writer.Close();

    auto store = OpenWithLibrary(path);
    std::map<std::string, std::string> classes;   // "parent/child" -> container class
    std::ofstream expect(Narrow(dir + L"\\folders.expect"));
    for (uint32_t nid : store->subfolders(store->ipmSubtree())) {
        const pst::PstFolderInfo f = store->folder(nid);
        if (f.name == "Deleted Items")   // every store has it
            continue;
        classes[f.name] = f.containerClass;
        expect << "folder\t" << f.name << "\t" << f.containerClass << "\t0\n";
        for (uint32_t child : store->subfolders(nid)) {
            const pst::PstFolderInfo c = store->folder(child);
            classes[f.name + "/" + c.name] = c.containerClass;
            expect << "folder\t" << f.name << "/" << c.name << "\t" << c.containerClass << "\t0\n";
        }
    }
    const std::map<std::string, std::string> wanted = {
        {"Calendar", "IPF.Appointment"}, {"Projects", "IPF.Note"}, {"Projects/2005", "IPF.Note"},
        {"By Diary Date", "IPF.Jornal"}, {"($Calendar)", "IPF.Appointment"}, {"To Do", "IPF.Task"},
        {"Leading", "IPF.Note"}, {"Trailing", "IPF.Note"}};
    EXPECT_EQ(classes, wanted);
}

// As in Outlook, a new start keeps the appointment's duration: the half hour of a new
// item, or the span its times had before. (The test runs under TZ=UTC.)
TEST_F(PstWriterTest, NewStartKeepsTheDuration)
{
    const std::wstring dir = OutputFolder(L"duration");
    const std::wstring path = dir + L"\\duration.pst";
    ASSERT_EQ(writer.Open(path.c_str(), false), 1);
    CRdoFolder folder;
    ASSERT_EQ(writer.GetOrCreateFolder(L"($Meetings)\\", folder), 1);
    CRdoItems items(folder.GetItems());
    {
        CRdoAppointment item(items.Add(COleVariant(L"IPM.Appointment")));
        item.SetSubject(L"Start only");
        item.SetLocation(L"A");
        item.SetBody(L"one");
        item.SetStart(COleDateTime(2006, 5, 2, 9, 0, 0));
        CRdoFolder(item.m_lpDispatch, FALSE).Save();
    }
    {
        CRdoAppointment item(items.Add(COleVariant(L"IPM.Appointment")));
        item.SetSubject(L"Moved");
        item.SetLocation(L"B");
        item.SetBody(L"two");
        item.SetStart(COleDateTime(2006, 5, 3, 9, 0, 0));
        item.SetEnd(COleDateTime(2006, 5, 3, 11, 15, 0));
        item.SetStart(COleDateTime(2006, 5, 4, 14, 0, 0));
        CRdoFolder(item.m_lpDispatch, FALSE).Save();
    }
    folder.Save();
    items.ReleaseDispatch();
    folder.ReleaseDispatch();
    writer.Close();
    ExpectReadersSee(path, "folder\tCalendar\tIPF.Appointment\t2\n"
                           "item\tCalendar\tStart only\tA\t2006-05-02 09:00:00\t2006-05-02 09:30:00\tone\n"
                           "item\tCalendar\tMoved\tB\t2006-05-04 14:00:00\t2006-05-04 16:15:00\ttwo\n");
}

TEST_F(PstWriterTest, AppointmentsReachTheFileWithAllTheirParts)
{
    const std::wstring dir = OutputFolder(L"items");
    const std::wstring path = dir + L"\\items.pst";
    ASSERT_EQ(writer.Open(path.c_str(), false), 1);
    CRdoFolder folder;
    ASSERT_EQ(writer.GetOrCreateFolder(L"($Meetings)\\", folder), 1);
    CRdoItems items(folder.GetItems());

    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring attachmentPath = std::wstring(temp) + L"agenda.txt";
    const std::vector<char> attachmentBytes = {'A', 'g', 'e', 'n', 'd', 'a', '\0', '\xff', '1'};

    std::ofstream expect(Narrow(dir + L"\\items.expect"));
    expect << "folder\tCalendar\tIPF.Appointment\t3\n";
    for (int i = 1; i <= 3; ++i) {
        CRdoAppointment item(items.Add(COleVariant(L"IPM.Appointment")));
        ASSERT_NE(item.m_lpDispatch, nullptr);
        const CString subject = CString(L"Review ") + std::to_wstring(i).c_str();
        item.SetSubject(subject);
        item.SetTo(L"ann@example.com");
        item.SetSenderAddress(L"sam@example.com");
        item.SetSenderName(L"Sam Sender");
        if (i == 2) {
            item.SetRtfBody(L"{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}\\f0 Bring the \\b plan\\b0\\par Caf\\'e9}");
            EXPECT_EQ(item.GetBody(), CString(L"Bring the plan\r\nCaf\x00e9"));
        } else {
            item.SetBody(L"Plain body");
            EXPECT_EQ(item.GetBody(), CString(L"Plain body"));
        }
        item.SetLocation(L"Room 4");
        item.SetStart(COleDateTime(2006, 3, 10 + i, 9, 30, 0));
        item.SetEnd(COleDateTime(2006, 3, 10 + i, 11, 0, 0));
        item.SetSentFlag(TRUE);
        if (i == 3) {
            WriteBytes(attachmentPath, attachmentBytes);
            CRdoAttachments attachments(item.GetAttachments());
            attachments.Add(COleVariant(attachmentPath.c_str()), COleVariant(1L), COleVariant(1L), COleVariant(L"agenda.txt"));
            ASSERT_TRUE(DeleteFileW(attachmentPath.c_str())) << "the file is free right after the call";
        }
        CRdoFolder(item.m_lpDispatch, FALSE).Save();
        folder.Save();
        expect << "item\tCalendar\t" << Narrow(std::wstring(subject)) << "\tRoom 4\t2006-03-" << 10 + i << " 09:30:00\t2006-03-"
               << 10 + i << " 11:00:00\t" << (i == 2 ? "Bring the plan" : "Plain body") << "\n";
    }
    expect << "attachment\tCalendar\tReview 3\tagenda.txt\t";
    for (char c : attachmentBytes) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02x", static_cast<unsigned>(static_cast<uint8_t>(c)));
        expect << hex;
    }
    expect << "\n";
    expect.close();
    items.ReleaseDispatch();
    folder.ReleaseDispatch();
    writer.Close();

    auto store = OpenWithLibrary(path);
    const uint32_t calendar = *store->findSubfolder(store->ipmSubtree(), "Calendar");
    const std::vector<uint32_t> saved = store->messages(calendar);
    ASSERT_EQ(saved.size(), 3u);
    const pst::PstMessage last = store->readMessage(saved.back());
    ASSERT_EQ(last.attachments.size(), 1u);
    EXPECT_EQ(last.attachments[0].name, "agenda.txt");
    EXPECT_EQ(std::vector<char>(last.attachments[0].data.begin(), last.attachments[0].data.end()), attachmentBytes);
    EXPECT_EQ(last.getString(0x0C1A), "Sam Sender");
    EXPECT_EQ(last.getString(0x0C1F), "sam@example.com");
    EXPECT_EQ(last.getString(0x0E04), "ann@example.com");
    const pst::PropertyValue* flags = last.get(0x0E07);
    ASSERT_NE(flags, nullptr);
    EXPECT_EQ(flags->data.at(0) & 0x08, 0) << "the sent flag clears the unsent bit";
}

TEST_F(PstWriterTest, CancelledSaveKeepsExactlyTheSavedItems)
{
    const std::wstring dir = OutputFolder(L"cancel");
    const std::wstring path = dir + L"\\cancel.pst";
    ASSERT_EQ(writer.Open(path.c_str(), false), 1);
    CRdoFolder folder;
    ASSERT_EQ(writer.GetOrCreateFolder(L"($Meetings)\\", folder), 1);
    CRdoItems items(folder.GetItems());
    for (int i = 1; i <= 5; ++i) {
        CRdoAppointment item(items.Add(COleVariant(L"IPM.Appointment")));
        item.SetSubject((CString(L"Entry ") + std::to_wstring(i).c_str()));
        if (i <= 4)
            CRdoFolder(item.m_lpDispatch, FALSE).Save();   // the fifth is cut off before its save
        folder.Save();
    }
    // The stop arrives: the entry loop ends and the writer is closed.
    writer.m_stopFlag = 1;
    items.ReleaseDispatch();
    folder.ReleaseDispatch();
    writer.Close();
    auto store = OpenWithLibrary(path);
    EXPECT_EQ(store->messages(*store->findSubfolder(store->ipmSubtree(), "Calendar")).size(), 4u);
    std::ofstream(Narrow(dir + L"\\cancel.expect")) << "folder\tCalendar\tIPF.Appointment\t4\n";
}

TEST_F(PstWriterTest, BadFilesAreRefusedAndLeftUnchanged)
{
    const std::wstring dir = OutputFolder(L"bad");
    const std::vector<char> blank = ReadBytes(Widen(ORBALIN_TEST_SOURCE_DIR) + L"\\resources\\pst\\blank-unicode.pst");
    ASSERT_EQ(blank.size(), 271360u);
    // The node B-tree's root page, as the header points to it, scrambled.
    std::vector<char> corrupted = blank;
    uint64_t nodeRoot = 0;
    std::memcpy(&nodeRoot, blank.data() + 0xE0, sizeof nodeRoot);
    ASSERT_LT(nodeRoot + 512, blank.size());
    for (size_t i = 0; i < 512; ++i)
        corrupted[nodeRoot + i] = static_cast<char>(corrupted[nodeRoot + i] ^ 0x5A);
    std::vector<char> badHeader = blank;
    badHeader[0] = 'X';
    const std::string text = "This is not a personal folders file.\r\n";
    const std::vector<std::pair<const wchar_t*, std::vector<char>>> cases = {
        {L"truncated.pst", std::vector<char>(blank.begin(), blank.begin() + 300)},
        {L"half.pst", std::vector<char>(blank.begin(), blank.begin() + blank.size() / 2)},
        {L"corrupted.pst", corrupted},
        {L"badheader.pst", badHeader},
        {L"text.pst", std::vector<char>(text.begin(), text.end())},
        {L"empty.pst", {}},
    };
    for (const auto& [name, bytes] : cases) {
        SCOPED_TRACE(Narrow(name));
        const std::wstring path = dir + L"\\" + name;
        WriteBytes(path, bytes);
        CPstWriter w;
        w.m_mainFrame = &templates;
        EXPECT_EQ(w.Open(path.c_str(), true), 0);
        // The session stood: the file failed, not Outlook.
        EXPECT_TRUE(w.SessionStarted());
        w.Close();
        EXPECT_EQ(ReadBytes(path), bytes);
    }

    // The same through the drivers: the refusal is an automation error.
    AfxOleInit();
    CRdoSession session;
    ASSERT_TRUE(session.CreateDispatch(L"Redemption.RDOSession"));
    session.Logon(COleVariant(L""), COleVariant(0L), COleVariant(0L), COleVariant(1L), COleVariant(0L), COleVariant(0L));
    CRdoStores stores(session.GetStores());
    bool raised = false;
    try {
        stores.AddPstStore((dir + L"\\text.pst").c_str(), COleVariant(0L), COleVariant(0L));
    } catch (COleDispatchException* e) {
        raised = true;
        EXPECT_FALSE(e->m_strDescription.IsEmpty());
        e->Delete();
    }
    EXPECT_TRUE(raised);
    session.Logoff();
}

TEST_F(PstWriterTest, UnknownMembersAndWrongTypesAreAutomationErrors)
{
    AfxOleInit();
    CRdoSession session;
    ASSERT_TRUE(session.CreateDispatch(L"Redemption.RDOSession"));
    auto failure = [](auto&& call) -> SCODE {
        try {
            call();
        } catch (COleException* e) {
            const SCODE sc = e->m_sc;
            e->Delete();
            return sc;
        } catch (CException* e) {
            e->Delete();
            return E_FAIL;
        }
        return S_OK;
    };
    EXPECT_EQ(failure([&] { session.InvokeHelper(0x777, DISPATCH_METHOD, VT_EMPTY, nullptr, nullptr); }), DISP_E_MEMBERNOTFOUND);
    EXPECT_EQ(failure([&] { session.InvokeHelper(0x12, DISPATCH_PROPERTYGET, VT_EMPTY, nullptr, nullptr); }), DISP_E_MEMBERNOTFOUND)
        << "Logoff is a method, not a property";
    static const BYTE fiveArguments[] = VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT VTS_VARIANT;
    const COleVariant zero(0L);
    EXPECT_EQ(failure([&] { session.InvokeHelper(4, DISPATCH_METHOD, VT_EMPTY, nullptr, fiveArguments, &zero, &zero, &zero, &zero, &zero); }),
              DISP_E_BADPARAMCOUNT);
    EXPECT_EQ(failure([&] { session.Logon(zero, zero, zero, COleVariant(1L), zero, zero); }), DISP_E_TYPEMISMATCH)
        << "the profile name is text";
    session.Logon(COleVariant(L""), zero, zero, COleVariant(1L), zero, zero);
    EXPECT_TRUE(session.GetLoggedOn());

    const std::wstring path = OutputFolder(L"types") + L"\\types.pst";
    CRdoStores stores(session.GetStores());
    CRdoStore store(stores.AddPstStore(path.c_str(), zero, zero));
    CRdoFolder root(store.GetRootFolder());
    CRdoFolders folders(root.GetFolders());
    CRdoFolder calendar(folders.Add(L"Calendar", COleVariant(L"IPF.Appointment")));
    EXPECT_NE(failure([&] { folders.Add(L"Calendar", COleVariant(L"IPF.Appointment")); }), S_OK) << "a second folder of the same name";
    CRdoItems items(calendar.GetItems());
    CRdoAppointment item(items.Add(COleVariant(L"IPM.Appointment")));
    static const BYTE integer[] = VTS_I4;
    EXPECT_EQ(failure([&] { item.InvokeHelper(0, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, integer, 5L); }), DISP_E_TYPEMISMATCH);
    EXPECT_EQ(failure([&] { item.InvokeHelper(0x60040042, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, integer, 5L); }), DISP_E_TYPEMISMATCH);
    CRdoAttachments attachments(item.GetAttachments());
    EXPECT_NE(failure([&] {
        attachments.Add(COleVariant(L"Z:\\no\\such\\file.bin"), COleVariant(1L), COleVariant(1L), COleVariant(L"file.bin"));
    }), S_OK) << "a missing attachment file";
    session.Logoff();
    EXPECT_FALSE(session.GetLoggedOn());
    ExpectReadersSee(path, "folder\tCalendar\tIPF.Appointment\t0\n");
}

TEST(PstTemplateResource, WritesTheResourceOrNothing)
{
    const std::wstring dir = OutputFolder(L"template");
    const std::wstring path = dir + L"\\t.pst";
    EXPECT_FALSE(PstTemplateResource::Extract(GetModuleHandleW(nullptr), path.c_str(), 226));
    EXPECT_FALSE(Exists(path)) << "a missing resource writes no file";
    WriteBytes(path, std::vector<char>(400000, 'q'));
    EXPECT_TRUE(PstTemplateResource::Extract(GetModuleHandleW(nullptr), path.c_str(), PstTemplateResource::Ansi));
    EXPECT_EQ(ReadBytes(path), ReadBytes(Widen(ORBALIN_TEST_SOURCE_DIR) + L"\\resources\\pst\\blank-ansi.pst"))
        << "an existing file is replaced";
    ExpectReadersSee(path);
    // A file that cannot be opened for writing (a folder of that name) is left as it is.
    const std::wstring folderPath = dir + L"\\afolder.pst";
    CreateDirectoryW(folderPath.c_str(), nullptr);
    EXPECT_FALSE(PstTemplateResource::Extract(GetModuleHandleW(nullptr), folderPath.c_str(), PstTemplateResource::Unicode));
    EXPECT_TRUE(GetFileAttributesW(folderPath.c_str()) & FILE_ATTRIBUTE_DIRECTORY);
}
