#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <thread>

#include "CNotesReader.h"
#include "Fixtures.h"
#include "NotesText.h"
#include "ReaderFakes.h"

namespace {

class NotesReaderTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(reader.Init(), 1) << Wide(reader.GetLastError()).c_str(); }

    std::vector<std::wstring> Scan(const std::string& fixture, int quiet, int expected = 1) {
        const CString path = WriteFixture(L"reader-scan.nsf", fixture);
        CStringArray folders;
        EXPECT_EQ(reader.ScanDatabase(path, L"", folders, quiet), expected) << Wide(reader.GetLastError()).c_str();
        std::vector<std::wstring> list;
        for (INT_PTR i = 0; i < folders.GetSize(); ++i) list.push_back(Wide(folders[i]));
        return list;
    }

    // Opens the first entry of the preview fixture's "Only one" folder.
    LNDocument FirstDocument() {
        const CString path = WriteFixture(L"reader-items.nsf", kPreviewFixture);
        LNNotesSession session;
        LNDatabase database;
        session.GetDatabase(CStringToLnString(path), &database);
        database.Open();
        LNViewFolder folder;
        database.GetViewFolder("($Calendar)", &folder);
        folder.Open(0);
        documents.clear();
        for (LNINT i = 0; i < folder.GetEntryCount(); ++i) {
            LNDocument document;
            try {
                folder[i].GetDocument(&document);
                document.Open(0);
            } catch (LNSTATUS) {
            }
            documents.push_back(document);
        }
        return documents[0];
    }

    CNotesReader reader;
    std::vector<LNDocument> documents;
};

TEST_F(NotesReaderTest, ScanListsKeptFoldersWithKindsCountsAndProgress) {
    FakeFolderTree tree;
    RecordingWaitDialog dialog;
    ASSERT_NE(dialog.progress, nullptr) << "no window: run with an X display";
    reader.m_pFolderTree = &tree;
    reader.m_pWaitDialog = &dialog;
    const auto folders = Scan(kScanFixture, 0);
    const std::vector<std::wstring> expected = {L"($Inbox)\\", L"($Meetings)\\", L"($ToDo)\\",
                                                L"Projects\\By Category\\", L"By Diary Date\\", L"($All)\\"};
    EXPECT_EQ(folders, expected);

    // The image comes from the name alone: a calendar "($Inbox)" is an inbox.
    const std::vector<std::pair<int, DWORD_PTR>> kinds = {{8, 1}, {3, 2}, {5, 1}, {2, 2}, {9, 1}, {2, 4}};
    ASSERT_EQ(tree.inserts.size(), kinds.size());
    for (size_t i = 0; i < kinds.size(); ++i) {
        EXPECT_EQ(tree.inserts[i].path, expected[i]);
        EXPECT_EQ(tree.inserts[i].image, kinds[i].first) << i;
        EXPECT_EQ(tree.inserts[i].itemData, kinds[i].first) << i;
        EXPECT_EQ(tree.itemData[i], kinds[i].second) << i;
    }
    EXPECT_EQ(tree.expands, std::vector<UINT>(6, TVE_EXPAND));
    EXPECT_EQ(tree.checks, std::vector<BOOL>(6, TRUE));

    // Nine folders: progress climbs to 100 on the last one.
    EXPECT_EQ(RecordingWaitDialog::positions, (std::vector<int>{11, 22, 33, 44, 55, 66, 77, 88, 100}));
    ASSERT_EQ(RecordingWaitDialog::texts.size(), 6u);
    EXPECT_EQ(RecordingWaitDialog::texts.back(),
              L"Please wait, the file is being scanned for calendar items ...\r\n\r\nTotal Folder Found     :6  "
              L"\r\nLast Folder Found     :($All)");
}

TEST_F(NotesReaderTest, QuietScanFillsOnlyTheList) {
    FakeFolderTree tree;
    RecordingWaitDialog dialog;
    reader.m_pFolderTree = &tree;
    reader.m_pWaitDialog = &dialog;
    EXPECT_EQ(Scan(kScanFixture, 1).size(), 6u);
    EXPECT_TRUE(tree.inserts.empty());
    EXPECT_TRUE(RecordingWaitDialog::positions.empty());
    EXPECT_TRUE(RecordingWaitDialog::texts.empty());
}

TEST_F(NotesReaderTest, BorrowedWindowsWithoutHandleAreSkipped) {
    FakeFolderTree tree;
    tree.window = reinterpret_cast<HWND>(static_cast<INT_PTR>(-1));
    RecordingWaitDialog dialog;
    DestroyWindow(dialog.dialog);
    dialog.dialog = nullptr;
    reader.m_pFolderTree = &tree;
    reader.m_pWaitDialog = &dialog;
    EXPECT_EQ(Scan(kScanFixture, 0).size(), 6u);
    EXPECT_TRUE(tree.inserts.empty());
    EXPECT_TRUE(RecordingWaitDialog::positions.empty());
}

TEST_F(NotesReaderTest, ScanWithOneFolderShowsFullProgressAtOnce) {
    RecordingWaitDialog dialog;
    reader.m_pWaitDialog = &dialog;
    Scan("notesdb 1\nfolder Solo calendar\nentries 1\nnote 1\nitem Location text x\n", 0);
    EXPECT_EQ(RecordingWaitDialog::positions, std::vector<int>{100});
}

TEST_F(NotesReaderTest, CancelledScanAnswersZeroBeforeTheWalk) {
    reader.m_nCancel = 1;
    EXPECT_TRUE(Scan(kScanFixture, 1, 0).empty());
}

TEST_F(NotesReaderTest, ScanErrorsCarryTheLibraryText) {
    CStringArray folders;
    EXPECT_EQ(reader.ScanDatabase(L"Z:\\no\\such\\file.nsf", L"", folders, 1), 0);
    EXPECT_EQ(Wide(reader.GetLastError()).rfind(L"File does not exist", 0), 0u) << Wide(reader.GetLastError());

    EXPECT_EQ(reader.ScanDatabase(L"mail\\amueller.nsf", L"No/Such", folders, 1), 0);
    EXPECT_EQ(Wide(reader.GetLastError()), L"Server not known: No/Such");

    Scan("notesdb 1\nfail open 0x0111\nfolder A calendar\nentries 1\nnote 1\n", 1, 0);
    EXPECT_EQ(Wide(reader.GetLastError()), L"Notes error 0x0111");
    Scan("notesdb 1\nfail folders 0x0112\n", 1, 0);
    EXPECT_EQ(Wide(reader.GetLastError()), L"Notes error 0x0112");

    // Names beyond ASCII come through whole, missing or damaged alike.
    EXPECT_EQ(reader.ScanDatabase(L"Z:\\no\\Z\u00fcrich\\file.nsf", L"", folders, 1), 0);
    EXPECT_NE(Wide(reader.GetLastError()).find(L"Z\u00fcrich"), std::wstring::npos) << Wide(reader.GetLastError());
    EXPECT_EQ(reader.ScanDatabase(WriteFixture(L"Z\u00fcrich.nsf", "notesdb 2\n"), L"", folders, 1), 0);
    EXPECT_NE(Wide(reader.GetLastError()).find(L"Z\u00fcrich.nsf line 1"), std::wstring::npos)
        << Wide(reader.GetLastError());

    // A later scan of a good database works again.
    EXPECT_EQ(Scan(kScanFixture, 1).size(), 6u);
}

// Malformed, truncated and hostile files: a clear error from the scan, never a crash.
TEST_F(NotesReaderTest, MalformedDatabasesGiveAClearError) {
    const std::string cases[] = {
        "",
        "MZ\x90\x00\x03\x00\x00\x00",
        "notesdb 2\n",
        "notesdb 1\nfolder A calendar\nentries 1 2\nnote 1\n",
        "notesdb 1\nnote 1\nitem Body richtext <<END\nnever closed",
        "notesdb 1\nnote 99999999999\n",
        "notesdb 1\nnote 1\nitem S text \"unterminated\n",
        "notesdb 1\nnote 1\nattachment a hex <<E\nzz\nE\n",
        std::string("notesdb 1\nnote 1\nitem S text \"\xff\xfe\"\n"),
        kScanFixture.substr(0, kScanFixture.size() / 2) + "\"",
    };
    for (const std::string& text : cases) {
        Scan(text, 1, 0);
        EXPECT_EQ(Wide(reader.GetLastError()).rfind(L"Database is damaged and cannot be read: ", 0), 0u)
            << Wide(reader.GetLastError());
        EXPECT_NE(Wide(reader.GetLastError()).find(L"line"), std::wstring::npos) << Wide(reader.GetLastError());
    }
}

TEST_F(NotesReaderTest, PreviewAddsOneRowPerCalendarEntry) {
    Scan(kPreviewFixture, 1);
    FakeCalendarGrid grid;
    RecordingWaitDialog dialog;
    reader.m_pWaitDialog = &dialog;
    reader.PreviewFolder(&grid, L"($Calendar)\\");
    // Entries 2 (a task), 3 and 4 (unreadable) are left out.
    ASSERT_EQ(grid.fields.size(), 3u);
    EXPECT_EQ(grid.fields[0].unused, 0);
    EXPECT_EQ(grid.fields[0].kind, 4);
    EXPECT_EQ(grid.fields[0].subject, L"Quarterly review");
    EXPECT_EQ(grid.fields[0].text,
              // The first "/O=" ends the name, so the second recipient is cut off.
              L"Subject : Quarterly review\r\n From : Anna Muller\r\n To : Bob Smith/OU=Sales\r\n "
              L"Location : Room 7\r\n Start Date : 2026-03-15 09:30:00 +01:00\r\n "
              L"End Date : 2026-03-15 10:30:00 +01:00;2026-03-16\r\n "
              L"Attachment : agenda.txt Size :5 \r\nplan.pdf Size :4 \r\n\r\n ");
    // Readers that throw give empty values; the entry is still shown.
    EXPECT_EQ(grid.fields[1].text,
              L"Subject : \r\n From : \r\n To : \r\n Location : Room 2\r\n Start Date : \r\n End Date : \r\n "
              L"Attachment : \r\n ");
    EXPECT_EQ(grid.fields[2].subject, L"Minimal");
    EXPECT_EQ(RecordingWaitDialog::positions, (std::vector<int>{10, 20, 30, 40, 50, 60}));
}

TEST_F(NotesReaderTest, PreviewPathsAndCancel) {
    Scan(kPreviewFixture, 1);
    FakeCalendarGrid grid;
    RecordingWaitDialog dialog;
    reader.m_pWaitDialog = &dialog;
    reader.PreviewFolder(&grid, L"Only one");  // no trailing backslash: used as it is
    ASSERT_EQ(grid.fields.size(), 1u);
    EXPECT_EQ(RecordingWaitDialog::positions, std::vector<int>{20});

    grid.fields.clear();
    reader.PreviewFolder(&grid, L"Tasks only\\");
    reader.PreviewFolder(&grid, L"No such folder\\");
    reader.PreviewFolder(&grid, L"($calendar)\\");
    EXPECT_TRUE(grid.fields.empty());

    // Stop pressed while the first row is added: the rows already added stay.
    grid.afterAdd = [&] { reader.m_nCancel = 1; };
    reader.PreviewFolder(&grid, L"($Calendar)\\");
    EXPECT_EQ(grid.fields.size(), 1u);
    reader.PreviewFolder(&grid, L"($Calendar)\\");
    EXPECT_EQ(grid.fields.size(), 1u);
}

TEST_F(NotesReaderTest, PreviewBeforeAnyScanShowsNothing) {
    FakeCalendarGrid grid;
    reader.PreviewFolder(&grid, L"($Calendar)\\");
    EXPECT_TRUE(grid.fields.empty());
}

TEST_F(NotesReaderTest, ItemReadersAndTheirDefaults) {
    const LNDocument full = FirstDocument();
    EXPECT_EQ(Wide(reader.ReadTextItem(L"Subject", full)), L"Quarterly review");
    EXPECT_EQ(Wide(reader.ReadTextItem(L"subject", full)), L"Quarterly review");  // names are case-blind
    EXPECT_EQ(Wide(reader.ReadTextItem(L"SendTo", full)), L"CN=Bob Smith/OU=Sales/O=Acme;carol@example.com");
    EXPECT_EQ(Wide(reader.ReadTextItem(L"Missing", full)), L"");
    EXPECT_EQ(Wide(reader.ReadTextItem(L"STARTDATETIME", full)), L"");  // not a text item
    EXPECT_EQ(Wide(reader.ReadDatetimesText(L"STARTDATETIME", full)), L"2026-03-15 09:30:00 +01:00");
    EXPECT_EQ(Wide(reader.ReadDatetimesText(L"Subject", full)), L"");
    EXPECT_EQ(Wide(reader.ReadDatetimesText(L"Missing", full)), L"");

    const LNDatetime start = reader.ReadFirstDatetime(L"STARTDATETIME", full);
    EXPECT_EQ(start.GetYear(), 2026);
    EXPECT_EQ(start.GetMonth(), 3);
    EXPECT_EQ(start.GetHour(), 9);
    const LNDatetime end = reader.ReadFirstDatetime(L"EndDateTime", full);
    EXPECT_EQ(end.GetDay(), 15);

    // Missing or throwing: the current UTC time.
    for (const LNDocument& document : {full, documents[4]}) {
        SYSTEMTIME now;
        GetSystemTime(&now);
        const LNDatetime value = reader.ReadFirstDatetime(L"Missing", document);
        EXPECT_EQ(value.GetYear(), now.wYear);
        EXPECT_EQ(value.GetMonth(), now.wMonth);
        EXPECT_EQ(value.GetHundredths(), 0);
    }
    EXPECT_EQ(reader.ReadFirstDatetime(L"STARTDATETIME", documents[4]).GetYear(), [] {
        SYSTEMTIME now;
        GetSystemTime(&now);
        return static_cast<int>(now.wYear);
    }());

    CStringArray names, sizes;
    EXPECT_EQ(Wide(reader.ReadAttachmentList(full, &names, &sizes)), L"agenda.txt Size :5 \r\nplan.pdf Size :4 \r\n");
    ASSERT_EQ(names.GetSize(), 2);
    ASSERT_EQ(sizes.GetSize(), 2);
    EXPECT_EQ(Wide(names[1]), L"plan.pdf");
    EXPECT_EQ(Wide(sizes[1]), L" Size :4 ");

    EXPECT_EQ(reader.DocumentKind(full), 3);
    EXPECT_EQ(reader.DocumentKind(documents[1]), 5);
    EXPECT_EQ(reader.DocumentKind(documents[2]), 2);  // could not be opened
    EXPECT_EQ(reader.DocumentKind(LNDocument()), 2);
    EXPECT_EQ(Wide(reader.ReadTextItem(L"Subject", LNDocument())), L"");
    EXPECT_EQ(Wide(reader.ReadAttachmentList(LNDocument())), L"");
}

TEST_F(NotesReaderTest, DocumentKindsInOrder) {
    const CString path = WriteFixture(L"reader-kinds.nsf", kScanFixture);
    LNNotesSession session;
    LNDatabase database;
    session.GetDatabase(CStringToLnString(path), &database);
    database.Open();
    LNViewFolder all;
    database.GetViewFolder("($All)", &all);
    all.Open(0);
    const int kinds[] = {3, 4, 5, 9};  // contact wins over calendar entry
    for (int i = 0; i < 4; ++i) {
        LNDocument document;
        all[i].GetDocument(&document);
        document.Open(0);
        EXPECT_EQ(reader.DocumentKind(document), kinds[i]) << i;
    }
}

TEST_F(NotesReaderTest, ServerList) {
    CStringArray servers;
    EXPECT_EQ(reader.GetServerList(servers), 1);
    ASSERT_EQ(servers.GetSize(), 2);
    EXPECT_EQ(Wide(servers[0]), L"Mail01/Acme");
    EXPECT_EQ(Wide(servers[1]), L"Apps01/Acme");
}

TEST_F(NotesReaderTest, ServerDatabases) {
    CStringArray paths, names;
    EXPECT_EQ(reader.GetServerDatabases(L"mail01/acme", paths, names), 1);
    ASSERT_EQ(paths.GetSize(), 1);
    ASSERT_EQ(names.GetSize(), 1);
    EXPECT_EQ(Wide(paths[0]), L"mail\\bsmith.nsf");
    EXPECT_EQ(Wide(names[0]), L"bsmith.nsf");

    EXPECT_EQ(reader.GetServerDatabases(L"Nowhere/Acme", paths, names), 0);
    EXPECT_EQ(Wide(reader.GetLastError()), L"Unable to find database from server, please try after some time");

    // Cancelled before the walk: success with nothing listed.
    CStringArray morePaths, moreNames;
    reader.m_nCancel = 1;
    EXPECT_EQ(reader.GetServerDatabases(L"Apps01/Acme", morePaths, moreNames), 1);
    EXPECT_EQ(morePaths.GetSize(), 0);
}

// Workers read on threads of their own, one at a time, inside InitThread and TermThread.
TEST_F(NotesReaderTest, ScanAndPreviewOnAWorkerThread) {
    FakeCalendarGrid grid;
    const CString path = WriteFixture(L"reader-thread.nsf", kPreviewFixture);
    int scanned = 0;
    std::thread worker([&] {
        LNNotesSession session;
        session.InitThread();
        CStringArray folders;
        scanned = reader.ScanDatabase(path, L"", folders, 1);
        reader.PreviewFolder(&grid, L"($Calendar)\\");
        session.TermThread();
    });
    worker.join();
    EXPECT_EQ(scanned, 1);
    EXPECT_EQ(grid.fields.size(), 3u);
}

TEST_F(NotesReaderTest, InitTwiceAndCloseAreSafe) {
    Scan(kScanFixture, 1);
    EXPECT_EQ(reader.Init(), 1);
    EXPECT_EQ(Scan(kScanFixture, 1).size(), 6u);
    reader.Close();
    reader.Close();
    CNotesReader unstarted;
    unstarted.Close();
    EXPECT_EQ(Wide(unstarted.GetLastError()), L"");
}

}  // namespace
