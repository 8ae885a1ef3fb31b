#include "CNotesReader.h"

#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "CException.h"
#include "COleDateTime.h"
#include "COleVariant.h"
#include "CProgressCtrl.h"
#include "CRdoAppointment.h"
#include "CRdoAttachments.h"
#include "CRdoFolder.h"
#include "CRdoItems.h"
#include "CSpreadSheet.h"
#include "CalendarConversion.h"
#include "Guarded.h"
#include "ICalendarGrid.h"
#include "IFolderTree.h"
#include "IWaitDialog.h"
#include "NotesText.h"
#include "WindowHandle.h"

namespace {

constexpr int kCalendarEntry = 3;

}  // namespace

CNotesReader::CNotesReader()
    : m_bSessionStarted(0),
      m_bDatabaseOpen(0),
      m_lastStatus(LNNOERROR),
      m_pFolderProgress(nullptr),
      m_pItemProgress(nullptr),
      m_pFolderTree(nullptr),
      m_nCancel(0),
      m_pWaitDialog(nullptr),
      m_nBodyTextType(0) {}

CNotesReader::~CNotesReader() {
    Close();
}

int CNotesReader::Init() {
    LNSetThrowAllErrorsGlobal(TRUE);
    if (m_bSessionStarted) Close();
    try {
        m_lastStatus = m_session.Initialize(0, nullptr, 300);
        Check(m_lastStatus);
    } catch (...) {
        SetLastError(L"Unable to initlise lotus notes");
        m_bSessionStarted = 0;
        return 0;
    }
    m_bSessionStarted = 1;
    return 1;
}

void CNotesReader::Close() {
    if (m_bDatabaseOpen) {
        try {
            m_database.Close();
        } catch (...) {
        }
    }
    if (m_bSessionStarted) {
        try {
            m_session.Term();
        } catch (...) {
        }
    }
}

void CNotesReader::SetLastError(const CString& text) {
    m_strLastError = text;
}

CString CNotesReader::GetLastError() const {
    return m_strLastError;
}

void CNotesReader::Check(LNSTATUS status) {
    m_lastStatus = status;
    if (status != LNNOERROR) throw status;
}

void CNotesReader::SetLastErrorFromStatus(LNSTATUS status) {
    char text[512] = {};
    LNGetErrorMessageText(status, text, sizeof text);
    SetLastError(CString(text));  // from the ANSI code page
}

bool CNotesReader::WaitDialogUsable() const {
    return m_pWaitDialog && IsUsableWindow(m_pWaitDialog->GetDialogWindow());
}

void CNotesReader::ShowWaitProgress(int percent) {
    if (!WaitDialogUsable()) return;
    const HWND bar = m_pWaitDialog->GetProgressBarWindow();
    if (IsUsableWindow(bar)) SendMessageW(bar, PBM_SETPOS, static_cast<WPARAM>(percent), 0);
    const HWND status = m_pWaitDialog->GetStatusTextWindow();
    if (IsUsableWindow(status)) {
        InvalidateRect(status, nullptr, TRUE);
        UpdateWindow(status);
    }
}

// --- Database scan ---------------------------------------------------------

int CNotesReader::FolderKindFromName(const CString& name, int entryCount) {
    if (name == L"($Inbox)") return 8;
    if (name == L"($Sent)") return 10;
    if (name == L"($Trash)") return 7;
    if (name == L"My Contacts") return 4;
    if (name == L"($Alarms)" || name == L"($Calendar)" || name == L"($Meetings)") return 3;
    if (name == L"($JunkMail)") return 7;
    if (name == L"($Drafts)") return 1;
    if (name == L"($ToDo)") return 5;
    if (name == L"By Diary Date") return 9;
    return entryCount != 0 ? 2 : 1;
}

void CNotesReader::ShowScanProgress(int folders, int entries, const CString& lastFolder) {
    CString text;
    text.Format(L"Please wait, the file is being scanned for calendar items ...\r\n\r\nTotal Folder Found     :%d  "
                L"\r\nLast Folder Found     :",
                folders);
    text += lastFolder;
    if (!WaitDialogUsable()) return;
    const HWND status = m_pWaitDialog->GetStatusTextWindow();
    if (!IsUsableWindow(status)) return;
    SetWindowTextW(status, text);
    InvalidateRect(status, nullptr, TRUE);
    UpdateWindow(status);
}

int CNotesReader::ScanDatabase(const CString& path, const CString& server, CStringArray& folders, int quiet) {
    // A database that will not close must not block the next scan: its close is
    // swallowed like every close.
    if (m_bDatabaseOpen) {
        m_bDatabaseOpen = 0;
        try {
            m_database.Close();
        } catch (...) {
        }
    }
    try {
        Check(m_session.GetDatabase(CStringToLnString(path), &m_database, CStringToLnString(server)));
    } catch (LNSTATUS status) {
        SetLastErrorFromStatus(status);
        return 0;
    }
    if (m_nCancel) return 0;
    try {
        Check(m_database.Open());
    } catch (LNSTATUS status) {
        SetLastErrorFromStatus(status);
        m_bDatabaseOpen = 0;
        return 0;
    }
    m_bDatabaseOpen = 1;
    if (m_nCancel) return 0;

    try {
        Check(m_database.GetViewFolders(&m_viewFolders, TRUE));
        if (m_nCancel) return 0;
        const int count = m_viewFolders.GetCount();
        int foldersShown = 0;
        int entriesShown = 0;
        for (int i = 0; i < count && !m_nCancel; ++i) {
            if (!quiet) ShowWaitProgress((100 * i + 100) / count);
            LNViewFolder folder = m_viewFolders[i];
            try {
                Check(folder.Open(0));
            } catch (LNSTATUS) {
                continue;
            }
            const CString name = LnStringToCString(folder.GetName());
            const bool kept = folder.IsCalendar() || name.Find(L"$ToDo") >= 0 || name.Find(L"$Journal") >= 0 ||
                              name.Find(L"$Follow-Up") >= 0 || name.Find(L"By Diary Date") >= 0 ||
                              name.Find(L"By Category") >= 0 || name.Find(L"$All") >= 0 || name == L"($Meetings)";
            const int entries = kept ? folder.GetEntryCount() : 0;
            if (entries > 0) {
                folders.Add(name + L"\\");
                if (!quiet && m_pFolderTree && IsUsableWindow(m_pFolderTree->GetTreeWindow())) {
                    ++foldersShown;
                    entriesShown += entries;
                    const int image = FolderKindFromName(name, entries);
                    const HTREEITEM node = m_pFolderTree->InsertPath(name + L"\\", image, image);
                    m_pFolderTree->SetItemData(node, static_cast<DWORD_PTR>(entries));
                    m_pFolderTree->Expand(node, TVE_EXPAND);
                    m_pFolderTree->SetCheck(node, TRUE);
                    if (m_pWaitDialog) ShowScanProgress(foldersShown, entriesShown, name);
                }
            }
            Check(folder.Close());
        }
    } catch (LNSTATUS status) {
        SetLastErrorFromStatus(status);
        return 0;
    }
    return 1;
}

// --- Single item readers ---------------------------------------------------

CString CNotesReader::ReadTextItem(const CString& name, LNDocument document) {
    try {
        const LNString itemName = CStringToLnString(name);
        if (!document.HasItem(itemName)) return CString();
        LNText item;
        Check(document.GetItem(itemName, &item));
        LNString text;
        Check(item.GetText(&text, ";"));
        return FlattenWhitespace(LnStringToCString(text));
    } catch (...) {
        return CString();
    }
}

namespace {

// An item name as 8-bit text of the ANSI code page (255 bytes at most); false when
// it does not fit.
bool AnsiItemName(const CString& name, char (&out)[256]) {
    out[0] = '\0';
    if (name.IsEmpty()) return true;
    const int n = WideCharToMultiByte(CP_ACP, 0, name.GetString(), name.GetLength(), out, 255, nullptr, nullptr);
    if (n <= 0) return false;
    out[n] = '\0';
    return true;
}

}  // namespace

CString CNotesReader::ReadDatetimesText(const CString& name, LNDocument document) {
    try {
        char itemName[256];
        if (!AnsiItemName(name, itemName) || !document.HasItem(itemName)) return CString();
        LNDatetimes item;
        Check(document.GetItem(itemName, &item));
        LNString text;
        Check(item.GetText(&text, ";"));
        return CString(text.GetBuf(), static_cast<int>(text.GetBufLength()));
    } catch (...) {
        return CString();
    }
}

LNDatetime CNotesReader::ReadFirstDatetime(const CString& name, LNDocument document) {
    try {
        char itemName[256];
        if (AnsiItemName(name, itemName) && document.HasItem(itemName)) {
            LNDatetimes item;
            Check(document.GetItem(itemName, &item));
            return item[0];
        }
    } catch (...) {
    }
    SYSTEMTIME now;
    GetSystemTime(&now);
    LNDatetime value;
    try {
        value.SetDate(now.wMonth, now.wDay, now.wYear);
        value.SetTime(now.wHour, now.wMinute, now.wSecond, 0);
    } catch (...) {
    }
    return value;
}

CString CNotesReader::ReadAttachmentList(LNDocument document, CStringArray* names, CStringArray* sizes) {
    LNAttachmentArray attachments;
    try {
        Check(document.GetAttachments(&attachments));
    } catch (...) {
        return CString();
    }
    CString list;
    const int count = attachments.GetCount();
    for (int i = 0; i < count; ++i) {
        try {
            const LNAttachment attachment = attachments[i];
            // Name and size are both read before anything is appended, so the two
            // arrays stay in step when one of them cannot be read.
            const CString name = LnStringToCString(attachment.GetAttachmentName());
            CString size;
            size.Format(L" Size :%d ", static_cast<int>(attachment.GetFileSize()));
            if (names) names->Add(name);
            if (sizes) sizes->Add(size);
            list += name + size + L"\r\n";
        } catch (...) {
        }
    }
    return list;
}

int CNotesReader::DocumentKind(LNDocument document) {
    try {
        if (document.HasItem("MiddleInitial")) return 4;
        if (document.HasItem("Location")) return 3;
        if (document.HasItem("DueDate")) return 5;
        if (document.HasItem("DiaryDate")) return 9;
    } catch (...) {
    }
    return 2;
}

// --- Folder preview --------------------------------------------------------

void CNotesReader::PreviewFolder(ICalendarGrid* panel, const CString& path) {
    if (m_nCancel) return;
    CString name = path;
    if (!name.IsEmpty() && name[name.GetLength() - 1] == L'\\') name = name.Left(name.GetLength() - 1);
    try {
        const LNString folderName = CStringToLnString(name);
        if (!m_database.ViewFolderExists(folderName)) return;
        Check(m_database.GetViewFolder(folderName, &m_viewFolder));
        if (m_nCancel) return;
        Check(m_viewFolder.Open(0));
        if (LnStringToCString(m_viewFolder.GetName()) == name) FillPreviewGrid(panel);
        Check(m_viewFolder.Close());
    } catch (...) {
    }
}

void CNotesReader::FillPreviewGrid(ICalendarGrid* panel) {
    if (m_nCancel || !panel) return;
    unsigned count = 0;
    try {
        count = static_cast<unsigned>(m_viewFolder.GetEntryCount());
    } catch (...) {
        return;
    }
    for (unsigned i = 0; i < count && !m_nCancel; ++i) {
        ShowWaitProgress(static_cast<int>((100 * i + 100) / (count + 4)));
        LNDocument document;
        try {
            const LNVFEntry entry = m_viewFolder[static_cast<LNINT>(i)];
            Check(entry.GetDocument(&document));
            Check(document.Open(0));
        } catch (...) {
            continue;
        }
        const CString subject = ReadTextItem(L"Subject", document);
        const CString from = ReadTextItem(L"From", document);
        const CString sendTo = ReadTextItem(L"SendTo", document);
        if (DocumentKind(document) == kCalendarEntry) {
            const CString separator = L"\r\n ";
            CString text = L"Subject : " + subject + separator;
            text += L"From : " + StripCanonicalName(from) + separator;
            text += L"To : " + StripCanonicalName(sendTo) + separator;
            text += L"Location : " + ReadTextItem(L"Location", document) + separator;
            text += L"Start Date : " + ReadDatetimesText(L"STARTDATETIME", document) + separator;
            text += L"End Date : " + ReadDatetimesText(L"EndDateTime", document) + separator;
            text += L"Attachment : " + ReadAttachmentList(document) + separator;
            panel->AddField(0, text, 4, subject);
        }
        try {
            document.Close();
        } catch (...) {
        }
    }
}

// --- Domino servers --------------------------------------------------------

int CNotesReader::GetServerList(CStringArray& servers) {
    try {
        LNText names;
        try {
            Check(m_session.GetServerNames(&names));
        } catch (LNSTATUS) {
            SetLastError(L"Unable to find server, please try after some time");
            return 0;
        }
        const int count = names.GetCount();
        for (int i = 0; i < count; ++i) {
            try {
                servers.Add(LnStringToCString(names[i]));
            } catch (...) {
            }
        }
    } catch (LNSTATUS status) {
        SetLastErrorFromStatus(status);
        return 0;
    }
    return 1;
}

int CNotesReader::GetServerDatabases(const CString& server, CStringArray& paths, CStringArray& names) {
    try {
        LNDatabaseArray databases;
        try {
            Check(m_session.GetDatabases(&databases, CStringToLnString(server), LNString(""), 5));
        } catch (LNSTATUS) {
            SetLastError(L"Unable to find database from server, please try after some time");
            return 0;
        }
        const int count = databases.GetCount();
        if (count == 0) {
            SetLastError(L"No file found in selected server");
            return 0;
        }
        for (int i = 0; i < count; ++i) {
            if (m_nCancel) return 1;
            try {
                LNDatabase database = databases[i];
                Check(database.Open());
                const CString path = LnStringToCString(database.GetFilepath());
                const CString name = LnStringToCString(database.GetFilename());
                Check(database.Close());
                paths.Add(path);
                names.Add(name);
            } catch (...) {
            }
        }
    } catch (LNSTATUS status) {
        SetLastErrorFromStatus(status);
        return 0;
    }
    return 1;
}

// --- Folder export ---------------------------------------------------------

namespace {

// The last component of an attachment name, made a plain file name of the temporary
// directory: the name comes from the database and may hold "..\", a drive, a UNC
// path or a device name.
CString SafeAttachmentFileName(const CString& name) {
    CString file = name;
    const int cut = std::max({file.ReverseFind(L'\\'), file.ReverseFind(L'/'), file.ReverseFind(L':')});
    if (cut >= 0) file = file.Mid(cut + 1);
    for (int i = 0; i < file.GetLength(); ++i) {
        const wchar_t c = file[i];
        if (c < 32 || wcschr(L"<>\"|?*", c)) file.SetAt(i, L'_');
    }
    file.TrimRight(L". ");
    if (file.IsEmpty()) return L"attachment";
    CString stem = file;
    const int dot = stem.Find(L'.');
    if (dot >= 0) stem = stem.Left(dot);
    stem.TrimRight(L" ");
    static const wchar_t* const reserved[] = {L"CON", L"PRN", L"AUX", L"NUL", L"CONIN$", L"CONOUT$"};
    bool device = false;
    for (const wchar_t* r : reserved) device = device || stem.CompareNoCase(r) == 0;
    if (stem.GetLength() == 4 && (stem.Left(3).CompareNoCase(L"COM") == 0 || stem.Left(3).CompareNoCase(L"LPT") == 0) &&
        stem[3] >= L'0' && stem[3] <= L'9')
        device = true;
    return device ? L"_" + file : file;
}

// Where an attachment is detached in the private folder: under its own safe name when
// that is short, else under a short name that keeps the extension (a file name holds at
// most 255 characters, on some file systems 255 bytes, and a path MAX_PATH). The PST
// entry keeps the attachment's own name either way.
CString TemporaryAttachmentPath(const CString& folder, const CString& name, int index) {
    constexpr int kLongestName = 64;
    const CString file = SafeAttachmentFileName(name);
    if (file.GetLength() <= kLongestName && folder.GetLength() + file.GetLength() < MAX_PATH) return folder + file;
    const int dot = file.ReverseFind(L'.');
    const CString extension = dot > 0 && file.GetLength() - dot <= 16 ? file.Mid(dot) : CString();
    CString shortName;
    shortName.Format(L"attachment%d%s", index + 1, extension.GetString());
    return folder + shortName;
}

// A new, empty folder of its own in the temporary directory, so that a detached file
// never meets a file that was there before; empty when none could be made.
CString NewPrivateFolder(const CString& tempDirectory) {
    for (unsigned n = 0; n < 1000; ++n) {
        CString folder;
        folder.Format(L"%sorb%lu-%u", tempDirectory.GetString(), GetCurrentThreadId(), GetTickCount() + n);
        if (CreateDirectoryW(folder, nullptr)) return folder + L"\\";
        if (GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    return CString();
}

}  // namespace

CString CNotesReader::TemporaryDirectory() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD n = GetTempPathW(MAX_PATH, buffer);
    CString directory = n > 0 && n < MAX_PATH ? CString(buffer) : CString();
    if (directory.IsEmpty() || directory[directory.GetLength() - 1] != L'\\') directory += L"\\";
    return directory;
}

int CNotesReader::ExportFolder(const CString& folderName, CRdoFolder& pstFolder, int mode, CSpreadSheet* sheet) {
    if (folderName.IsEmpty()) return 0;
    m_datesLeftOut.Empty();
    CString name = folderName;
    if (name[name.GetLength() - 1] == L'\\') name = name.Left(name.GetLength() - 1);
    try {
        const LNString lookup = CStringToLnString(name);
        if (!m_database.ViewFolderExists(lookup)) return 1;
        m_lastStatus = m_database.GetViewFolder(lookup, &m_viewFolder);
        Check(m_lastStatus);
        Check(m_viewFolder.Open(0));
        if (LnStringToCString(m_viewFolder.GetName()) == name) {
            ExportFolderEntries(pstFolder, mode, sheet);
            if (mode == 0) pstFolder.Save();
        }
        Check(m_viewFolder.Close());
        if (!m_datesLeftOut.IsEmpty()) {
            SetLastError(L"Dates a PST cannot hold (before the year 1601) were left out of: " + m_datesLeftOut);
            return 0;
        }
        return 1;
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
    }
    SetLastError(L"Error while parsing folders");
    return 0;
}

void CNotesReader::ExportFolderEntries(CRdoFolder& pstFolder, int mode, CSpreadSheet* sheet) {
    if (m_nCancel) return;
    // The bars may have been moved since the last folder: the first position of each is sent.
    m_folderBarFeed.Restart();
    m_itemBarFeed.Restart();
    m_itemBarFeed.Set(m_pItemProgress, 0, m_nBarFrameMs);
    const CString tempDirectory = TemporaryDirectory();
    CRdoItems items;
    if (mode == 0) items.AttachDispatch(pstFolder.GetItems());
    const int count = static_cast<int>(m_viewFolder.GetEntryCount());
    bool documentOpened = false;
    for (int i = 0; i < count && !m_nCancel; ++i) {
        if (i == 0 && m_pFolderProgress && IsUsableWindow(m_pFolderProgress->GetSafeHwnd()))
            SetWindowTextW(m_pFolderProgress->GetSafeHwnd(), L"");
        m_folderBarFeed.Set(m_pFolderProgress, (i + 1) * 100 / count, m_nBarFrameMs);
        m_itemBarFeed.Set(m_pItemProgress, 0, m_nBarFrameMs);
        LNDocument document;
        try {
            const LNVFEntry entry = m_viewFolder[static_cast<LNINT>(i)];
            if (entry.GetDocument(&document) != LNNOERROR) continue;
            if (document.Open(0) != LNNOERROR) continue;
        } catch (...) {
            continue;
        }
        if (DocumentKind(document) == kCalendarEntry) {
            int isRtf = 0;
            CString rtfText, plainText;
            try {
                ReadBody(document, mode == 0, isRtf, rtfText, plainText);
            } catch (...) {
            }
            // A stop during the body's read-back leaves it cut short: the entry is not written.
            if (!m_nCancel) {
                try {
                    WriteItem(items, document, isRtf, rtfText, plainText, mode, sheet);
                } catch (CException* e) {
                    e->Delete();
                } catch (...) {
                }
            }
        }
        try {
            document.Close();
        } catch (...) {
        }
        documentOpened = true;
        // An entry a stop interrupted was not written: it does not count as done.
        if (m_nCancel) break;
        if (mode == 0) pstFolder.Save();
        m_itemBarFeed.Set(m_pItemProgress, 100, m_nBarFrameMs);
    }
    m_folderBarFeed.Flush(m_pFolderProgress);
    m_itemBarFeed.Flush(m_pItemProgress);
    // Nothing in the program writes this file; removing it once per folder rather than
    // after every entry keeps the same end state without a lookup per entry.
    if (documentOpened) DeleteFileW(tempDirectory + L"aasseedd.eml");
    items.ReleaseDispatch();
}

int CNotesReader::ReadBody(LNDocument document, bool rtfTarget, int& isRtf, CString& rtfText, CString& plainText) {
    const CString rtfPath = TemporaryDirectory() + L"ch111.rtf";
    DeleteRtfFile(rtfPath);
    isRtf = 0;
    try {
        if (document.RefreshObjectFromNoteHandle() != LNNOERROR) return 0;
    } catch (...) {
        return 0;
    }
    LNRichText richText;
    bool haveRichText = false;
    try {
        const LNITEMTYPE type = document.GetItemType("Body");
        if (type == LNITEMTYPE_RICHTEXT) {
            haveRichText = document.GetItem("Body", &richText) == LNNOERROR;
        } else if (type == LNITEMTYPE_TEXTLIST || type == LNITEMTYPE_TEXT) {
            // A plain-text Body is a body too: it is read like a text list.
            LNText text;
            if (document.GetItem("Body", &text) == LNNOERROR) {
                LNString value;
                text.GetText(&value, ";");
                plainText = LnStringToCString(value);
            }
            return 1;
        } else {
            return 1;
        }
    } catch (...) {
        haveRichText = false;
    }
    DeleteRtfFile(rtfPath);
    if (!haveRichText) return 1;
    try {
        LNString first;
        if (richText.GetText(&first) == LNWARN_MORE_TEXT) {
            const LNRichText copy = richText;
            LNRTCursor cursor, end;
            copy.GetCursor(&cursor);
            copy.GetEndCursor(&end);
            CString text;
            LNSTATUS status;
            do {
                LNString piece;
                status = copy.GetText(&cursor, end, &piece);
                text += LnStringToCString(piece);
            } while (status == LNWARN_MORE_TEXT);
            plainText = text;
        } else {
            plainText = LnStringToCString(first);
        }
    } catch (...) {
    }
    // A sheet takes the plain text only: its export would write and read the RTF for nothing.
    if (m_nBodyTextType != 2 || !rtfTarget) return 1;
    try {
        LNRTCursor start, end;
        m_bRtfFileMayExist = true;
        if (richText.GetCursor(&start) == LNNOERROR && richText.GetEndCursor(&end) == LNNOERROR &&
            richText.Export(CStringToLnString(rtfPath), start, end, "RTF") == LNNOERROR) {
            bool removed = false;
            const CString text = ReadTextFile(rtfPath, &removed);
            if (removed) m_bRtfFileMayExist = false;
            if (!text.IsEmpty()) {
                rtfText = text;
                isRtf = 1;
            }
        }
    } catch (...) {
    }
    // The body is in memory now: its file goes at once, so none is left behind when the
    // export ends, stops or fails after this entry.
    DeleteRtfFile(rtfPath);
    return 1;
}

void CNotesReader::DeleteRtfFile(const CString& path) {
    if (!m_bRtfFileMayExist) return;
    // A file that could not be deleted (in use) is tried again before the next body.
    m_bRtfFileMayExist = !DeleteFileW(path) && ::GetLastError() != ERROR_FILE_NOT_FOUND;
}

CString CNotesReader::ReadTextFile(const CString& path, bool* removed) {
    // Read as bytes in one go and kept with its line ends: RTF depends on them (a control
    // word ends at a line break). A file to remove goes when its handle closes: deleting it
    // after would open it once more, a round trip to the server under Wine for every body.
    const DWORD access = removed ? GENERIC_READ | DELETE : GENERIC_READ;
    const HANDLE file = CreateFileW(path, access, FILE_SHARE_READ | (removed ? FILE_SHARE_DELETE : 0), nullptr,
                                    OPEN_EXISTING, removed ? FILE_FLAG_DELETE_ON_CLOSE : 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return CString();
    if (removed) *removed = true;
    std::string bytes;
    char buffer[65536];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof buffer, &read, nullptr) && read > 0) bytes.append(buffer, read);
    CloseHandle(file);
    const size_t lines = bytes.empty() ? 0 : std::count(bytes.begin(), bytes.end() - 1, '\n') + 1;
    if (lines == 0) return CString();
    // The item bar shows the share a whole body takes of an entry's work: one position
    // for the body, not one per line.
    m_itemBarFeed.Set(m_pItemProgress, static_cast<int>(100 * lines / (10 + lines)), m_nBarFrameMs);
    if (m_nCancel) return CString();
    // RTF is 7-bit text (other characters are escaped); the ANSI code page covers the rest.
    const int length = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), nullptr, 0);
    CString text;
    MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.GetBuffer(length), length);
    text.ReleaseBuffer(length);
    return text;
}

void CNotesReader::CopyAttachments(LNDocument document, CRdoAttachments& attachments) {
    const CString tempDirectory = TemporaryDirectory();
    LNAttachmentArray array;
    try {
        if (document.GetAttachments(&array) != LNNOERROR) {
            attachments.ReleaseDispatch();
            return;
        }
    } catch (...) {
        attachments.ReleaseDispatch();
        return;
    }
    CString folder;
    for (int i = 0; i < array.GetCount() && !m_nCancel; ++i) {
        try {
            const CString name = LnStringToCString(array[i].GetAttachmentName());
            if (folder.IsEmpty()) folder = NewPrivateFolder(tempDirectory);
            if (folder.IsEmpty()) break;
            const CString path = TemporaryAttachmentPath(folder, name, i);
            if (array[i].Detach(CStringToLnString(path)) == LNNOERROR) {
                struct Remove {
                    const CString& file;
                    ~Remove() { DeleteFileW(file); }
                } remove{path};
                COleVariant source(path), kind(1L, VT_I4), position(static_cast<long>(i + 1), VT_I4), display(name);
                COleDispatchDriver added(attachments.Add(source, kind, position, display));
            }
        } catch (CException* e) {
            e->Delete();
        } catch (...) {
        }
    }
    if (!folder.IsEmpty()) RemoveDirectoryW(folder);
    attachments.ReleaseDispatch();
}

void CNotesReader::WriteItem(CRdoItems& items, LNDocument document, int isRtf, const CString& rtfText,
                             const CString& plainText, int mode, CSpreadSheet* sheet) {
    const CString subject = ReadTextItem(L"Subject", document);
    const CString senderName = StripCanonicalName(ReadTextItem(L"From", document));
    const CString senderAddress = SenderAddressFromName(ReadTextItem(L"From", document));
    const CString recipients = ReadTextItem(L"SendTo", document);
    const CString location = ReadTextItem(L"Location", document);
    const CString startText = ReadDatetimesText(L"STARTDATETIME", document);
    const CString endText = ReadDatetimesText(L"EndDateTime", document);
    const CString attachmentList = ReadAttachmentList(document);

    if (mode == 1) {
        if (!sheet) return;
        CStringArray row;
        for (const CString* value : {&subject, &senderName, &senderAddress, &recipients, &location, &startText,
                                     &endText, &attachmentList, &plainText})
            row.Add(*value);
        if (sheet->AddRow(row)) return;
        if (sheet->GetLastError() != L"No header row. Add header row first") return;
        CStringArray headers;
        for (const wchar_t* header : {L"Subject", L"From", L"From Email", L"Send To", L"Location", L"Start Date",
                                      L"End Date", L"Attachment", L"Body"})
            headers.Add(header);
        sheet->AddHeaders(headers);
        sheet->AddRow(row);
        return;
    }
    if (mode != 0) return;
    try {
        COleVariant messageClass(L"IPM.Appointment");
        CRdoAppointment item(items.Add(messageClass));
        item.SetSubject(subject);
        item.SetTo(RecipientAddressesFromNames(recipients));
        item.SetSenderAddress(senderAddress);
        item.SetSenderName(senderName);
        if (isRtf == 1) {
            item.SetRtfBody(rtfText);
            const CString body = item.GetBody();
            if (body.IsEmpty() || body.GetLength() < plainText.GetLength()) item.SetBody(plainText);
        } else {
            item.SetBody(plainText);
        }
        item.SetLocation(location);
        const DatesWritten dates = WriteDates(item, document, !startText.IsEmpty(), !endText.IsEmpty());
        if (dates != kAllDatesWritten) {
            if (!m_datesLeftOut.IsEmpty()) m_datesLeftOut += L"; ";
            m_datesLeftOut += L"\"" + subject + (dates == kNoDateWritten ? L"\" (not saved)" : L"\"");
            if (dates == kNoDateWritten) return;
        }
        item.SetSentFlag(TRUE);
        CRdoAttachments attachments(item.GetAttachments());
        CopyAttachments(document, attachments);
        // A stop in the attachment loop leaves attachments out: the entry is saved whole or not at all.
        if (m_nCancel) return;
        CRdoFolder saver(item.m_lpDispatch, FALSE);
        saver.Save();
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
    }
}

CNotesReader::DatesWritten CNotesReader::WriteDates(CRdoAppointment& item, LNDocument document, bool hasStart,
                                                    bool hasEnd) {
    const COleDateTime start = hasStart ? DatetimeToOleDate(ReadFirstDatetime(L"STARTDATETIME", document)) : COleDateTime();
    const COleDateTime end = hasEnd ? DatetimeToOleDate(ReadFirstDatetime(L"EndDateTime", document)) : COleDateTime();
    const bool startWritten = hasStart && Guarded([&] { item.SetStart(start); });
    const bool endWritten = hasEnd && Guarded([&] { item.SetEnd(end); });
    // Setting the start keeps the object model's default duration: the end is set
    // again, to the start when the entry has none.
    if (startWritten && !endWritten) {
        item.SetEnd(start);
    } else if (endWritten && !startWritten) {
        item.SetStart(end);
        item.SetEnd(end);
    }
    if (startWritten == hasStart && endWritten == hasEnd) return kAllDatesWritten;
    return startWritten || endWritten ? kSomeDatesWritten : kNoDateWritten;
}
