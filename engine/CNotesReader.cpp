#include "CNotesReader.h"

#include <commctrl.h>

#include <vector>

#include "ICalendarGrid.h"
#include "IFolderTree.h"
#include "IWaitDialog.h"
#include "NotesText.h"

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

bool CNotesReader::IsUsableWindow(HWND window) {
    return window != nullptr && window != reinterpret_cast<HWND>(static_cast<INT_PTR>(-1));
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
