// The stand-in library where the reader relies on it: statuses, their texts,
// throwing, rich text in pieces and the session start.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "Fixtures.h"
#include "NotesText.h"
#include "ReaderFakes.h"
#include "lnapi.h"

namespace {

std::string ErrorText(LNSTATUS status) {
    char text[512];
    LNGetErrorMessageText(status, text, sizeof text);
    return text;
}

class LnapiTest : public ::testing::Test {
protected:
    void SetUp() override {
        LNSetThrowAllErrorsGlobal(1);
        ASSERT_EQ(session.Initialize(0, nullptr, 300), LNNOERROR);
    }
    void TearDown() override { LNSetThrowAllErrorsGlobal(1); }
    LNNotesSession session;
};

TEST_F(LnapiTest, FailuresThrowOrReturnTheirStatus) {
    LNDatabase database;
    try {
        session.GetDatabase("Z:\\no\\such.nsf", &database);
        ADD_FAILURE() << "no throw";
    } catch (LNSTATUS status) {
        EXPECT_EQ(status, LNERR_FILE_NOT_FOUND);
        EXPECT_EQ(ErrorText(status).rfind("File does not exist: ", 0), 0u) << ErrorText(status);
    }
    LNSetThrowAllErrorsGlobal(0);
    EXPECT_EQ(session.GetDatabase("Z:\\no\\such.nsf", &database), LNERR_FILE_NOT_FOUND);
    EXPECT_EQ(database.Open(), LNERR_NULL_OBJECT);
    EXPECT_EQ(ErrorText(LNERR_NULL_OBJECT), "The object does not refer to anything");
    EXPECT_EQ(ErrorText(0x0111), "Notes error 0x0111");

    // Short buffers get a cut, terminated text.
    char small[8];
    EXPECT_EQ(LNGetErrorMessageText(LNERR_FILE_WRITE, small, sizeof small), std::string("Cannot write the file").size());
    EXPECT_STREQ(small, "Cannot ");
}

TEST_F(LnapiTest, ObjectsMustBeOpenedFirst) {
    const CString path = WriteFixture(L"lnapi-open.nsf", kPreviewFixture);
    LNDatabase database;
    session.GetDatabase(CStringToLnString(path), &database);
    LNViewFolder folder;
    EXPECT_THROW(database.GetViewFolder("($Calendar)", &folder), LNSTATUS);
    database.Open();
    database.GetViewFolder("($Calendar)", &folder);
    EXPECT_THROW(folder[0], LNSTATUS);
    folder.Open(0);
    LNDocument document;
    folder[0].GetDocument(&document);
    EXPECT_THROW(document.HasItem("Subject"), LNSTATUS);
    document.Open(0);
    EXPECT_TRUE(document.HasItem("subject"));
    LNDatetimes wrong;
    try {
        document.GetItem("Subject", &wrong);
        ADD_FAILURE();
    } catch (LNSTATUS status) {
        EXPECT_EQ(status, LNERR_WRONG_ITEM_TYPE);
    }
    EXPECT_THROW(folder[6], LNSTATUS);
    database.Close();
    EXPECT_THROW(folder[0].GetDocument(&document), LNSTATUS);
}

TEST_F(LnapiTest, RichTextComesInPiecesWithTheMoreTextStatus) {
    std::string body(LNRICHTEXT_PIECE * 2 + 10, 'a');
    body[LNRICHTEXT_PIECE - 1] = '\xC3';  // a two-byte character across the first cut
    body[LNRICHTEXT_PIECE] = '\xA4';
    const CString path = WriteFixture(L"lnapi-rich.nsf", "notesdb 1\nnote 1\nitem Body richtext <<END\n" + body +
                                                              "\nEND\nfolder F\nentries 1\n");
    LNDatabase database;
    session.GetDatabase(CStringToLnString(path), &database);
    database.Open();
    LNViewFolder folder;
    database.GetViewFolder("F", &folder);
    folder.Open(0);
    LNDocument document;
    folder[0].GetDocument(&document);
    document.Open(0);
    EXPECT_EQ(document.GetItemType("Body"), LNITEMTYPE_RICHTEXT);
    LNRichText rich;
    document.GetItem("Body", &rich);
    LNString first;
    EXPECT_EQ(rich.GetText(&first), LNWARN_MORE_TEXT);  // reported, not thrown
    EXPECT_EQ(first.GetBufLength(), LNRICHTEXT_PIECE - 1);

    LNRTCursor cursor, end;
    rich.GetCursor(&cursor);
    rich.GetEndCursor(&end);
    std::string whole;
    LNSTATUS status;
    int pieces = 0;
    do {
        LNString piece;
        status = rich.GetText(&cursor, end, &piece);
        whole.append(piece.GetBuf(), piece.GetBufLength());
        ++pieces;
    } while (status == LNWARN_MORE_TEXT && pieces < 10);
    EXPECT_EQ(status, LNNOERROR);
    EXPECT_EQ(pieces, 3);
    EXPECT_EQ(whole, body);

    const CString rtfPath = CString(ORBALIN_TEST_OUTPUT_DIR) + L"\\lnapi-rich.rtf";
    EXPECT_EQ(rich.Export(CStringToLnString(rtfPath), cursor, end), LNNOERROR);
    EXPECT_THROW(rich.Export(CStringToLnString(rtfPath), cursor, end, "HTML"), LNSTATUS);
}

TEST_F(LnapiTest, SessionEndAndThreads) {
    EXPECT_EQ(session.InitThread(), LNNOERROR);
    EXPECT_EQ(session.TermThread(), LNNOERROR);
    session.Term();
    LNText servers;
    try {
        session.GetServerNames(&servers);
        ADD_FAILURE();
    } catch (LNSTATUS status) {
        EXPECT_EQ(status, LNERR_NO_SESSION);
    }
}

// The session starts from the data directory beside the library: a copy of the
// client directory with notes.ini naming another directory, or none at all.
TEST(NotesSessionStart, FailsWithoutAUsableDataDirectory) {
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    const std::filesystem::path probe = std::filesystem::path(self).parent_path() / NOTES_SESSION_PROBE;
    const std::filesystem::path client = NOTES_CLIENT_DIR;
    struct Case {
        const wchar_t* folder;
        const char* ini;  // nullptr: no notes.ini
        bool copyData;
        DWORD exitCode;
    };
    const Case cases[] = {
        {L"probe-no-data", nullptr, false, 3},
        {L"probe-ini-missing", "[Notes]\r\nDirectory=NoSuchFolder\r\n", false, 3},
        {L"probe-ini-empty", "Directory=\r\n", false, 3},
        {L"probe-ini-good", "[Notes]\r\n directory = Elsewhere\r\n", true, 0},
        {L"probe-data", nullptr, true, 0},
    };
    for (const Case& c : cases) {
        const std::filesystem::path folder = std::filesystem::path(ORBALIN_TEST_OUTPUT_DIR) / c.folder;
        std::filesystem::remove_all(folder);
        std::filesystem::create_directories(folder);
        std::filesystem::copy_file(probe, folder / "probe.exe");
        std::filesystem::copy_file(client / "lnapi.dll", folder / "lnapi.dll");
        if (c.ini) std::ofstream(folder / "notes.ini") << c.ini;
        if (c.copyData)
            std::filesystem::copy(client / "Data", folder / (c.ini ? "Elsewhere" : "Data"),
                                  std::filesystem::copy_options::recursive);
        std::wstring command = L"\"" + (folder / "probe.exe").wstring() + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION process{};
        ASSERT_TRUE(CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                                   &startup, &process));
        WaitForSingleObject(process.hProcess, 60000);
        DWORD code = 99;
        GetExitCodeProcess(process.hProcess, &code);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        EXPECT_EQ(code, c.exitCode) << std::filesystem::path(c.folder).string();
    }
}

}  // namespace
