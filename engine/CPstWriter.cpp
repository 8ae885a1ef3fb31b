#include "CPstWriter.h"

#include "AfxOle.h"
#include "COleVariant.h"
#include "Guarded.h"
#include "PstTemplateResource.h"

#include <string>

namespace {

bool FileExists(const CString& path)
{
    return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
}

// An ANSI PST (header version below 23) stores text in the ANSI code page.
bool IsAnsiPstFile(const CString& path)
{
    const HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0,
                                    nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    unsigned char header[12] = {};
    DWORD read = 0;
    const bool ok = ReadFile(file, header, sizeof header, &read, nullptr) && read == sizeof header;
    CloseHandle(file);
    return ok && (header[10] | header[11] << 8) < 23;
}

// Whether the ANSI code page holds the text unchanged.
bool AnsiKeeps(const CString& text)
{
    if (text.IsEmpty())
        return true;
    // UTF-8 as the ANSI code page takes no best-fit flag (and needs none).
    const DWORD flags = GetACP() == CP_UTF8 ? 0 : WC_NO_BEST_FIT_CHARS;
    const int n = WideCharToMultiByte(CP_ACP, flags, text, text.GetLength(), nullptr, 0, nullptr, nullptr);
    if (n <= 0)
        return false;
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_ACP, flags, text, text.GetLength(), bytes.data(), n, nullptr, nullptr);
    CString back;
    const int m = MultiByteToWideChar(CP_ACP, 0, bytes.data(), n, back.GetBuffer(n), n);
    back.ReleaseBuffer(m > 0 ? m : 0);
    return back == text;
}

// A folder name an ANSI store keeps as it is: every character the code page lacks is
// written as its code point ("{U+4F1A}"), so that names which would all become "??"
// stay apart and the same Notes folder finds its PST folder again.
CString AnsiFolderName(const CString& name)
{
    if (AnsiKeeps(name))
        return name;
    CString out;
    for (int i = 0; i < name.GetLength(); ++i) {
        const int units = IS_HIGH_SURROGATE(name[i]) && i + 1 < name.GetLength() && IS_LOW_SURROGATE(name[i + 1]) ? 2 : 1;
        const CString character = name.Mid(i, units);
        if (AnsiKeeps(character)) {
            out += character;
        } else {
            const unsigned codePoint = units == 2 ? 0x10000u + ((name[i] - 0xD800u) << 10) + (name[i + 1] - 0xDC00u)
                                                  : static_cast<unsigned>(name[i]);
            CString escaped;
            escaped.Format(L"{U+%04X}", codePoint);
            out += escaped;
        }
        i += units - 1;
    }
    return out;
}

}

CPstWriter::CPstWriter() = default;

CPstWriter::~CPstWriter()
{
    Close();
    m_currentFolder.ReleaseDispatch();
    m_store.ReleaseDispatch();
    m_stores.ReleaseDispatch();
    m_session.ReleaseDispatch();
}

CString CPstWriter::UniquePstPath(const CString& pstPath)
{
    for (int n = 1;; ++n) {
        CString candidate = pstPath;
        candidate.MakeUpper();
        CString suffix;
        suffix.Format(L"(%d).PST", n);
        if (candidate.Replace(L".PST", suffix) == 0)
            return CString();
        if (!FileExists(candidate))
            return candidate;
    }
}

int CPstWriter::Open(const CString& pstPath, bool keepExisting)
{
    if (m_stopFlag)
        return 0;
    bool loggedOn = false;
    Guarded([&] { loggedOn = m_session.GetLoggedOn() != FALSE; });
    if (loggedOn && !Guarded([&] { Close(); }))
        return 0;
    CString path = pstPath;
    if (!keepExisting && FileExists(path)) {
        path = UniquePstPath(pstPath);
        if (path.IsEmpty())
            return 0;
    }
    m_pstPath = path;
    AfxOleInit();
    if (m_stopFlag)
        return 0;
    if (!m_session.CreateDispatch(L"Redemption.RDOSession"))
        return 0;
    int added = 0;
    Guarded([&] {
        m_session.Logon(COleVariant(L""), COleVariant(0L), COleVariant(0L), COleVariant(1L), COleVariant(0L),
                        COleVariant(0L));
        if (!keepExisting)
            WriteBlankTemplate(path);
        added = AddStore(path, keepExisting) ? 1 : 0;
    });
    return added;
}

bool CPstWriter::SessionStarted()
{
    bool loggedOn = false;
    if (m_session.m_lpDispatch)
        Guarded([&] { loggedOn = m_session.GetLoggedOn() != FALSE; });
    return loggedOn;
}

int CPstWriter::WriteBlankTemplate(const CString& pstPath)
{
    const CString version = m_session.GetVersion();
    const bool ansi = version.Left(1) == L"8" || version.Left(1) == L"9" || version.Left(2) == L"10";
    if (m_mainFrame)
        m_mainFrame->ExtractPstTemplate(pstPath, ansi ? PstTemplateResource::Ansi : PstTemplateResource::Unicode);
    return 1;
}

bool CPstWriter::AddStore(const CString& pstPath, bool keepExisting)
{
    if (m_stopFlag || !m_session.m_lpDispatch)
        return false;
    bool ok = false;
    Guarded([&] {
        m_stores.AttachDispatch(m_session.GetStores());
        if (!m_stores.m_lpDispatch)
            return;
        m_store.AttachDispatch(m_stores.AddPstStore(pstPath, COleVariant(0L), COleVariant(0L)));
        if (!keepExisting)
            m_store.SetName(CString(L"Quillmark ") + pstPath);
        ok = m_store.m_lpDispatch != nullptr;
        m_ansiStore = ok && IsAnsiPstFile(pstPath);
    });
    return ok;
}

void CPstWriter::Close()
{
    if (m_store.m_lpDispatch) {
        // The store's save makes every saved item part of the file.
        CRdoFolder store(m_store.m_lpDispatch, FALSE);
        if (Guarded([&] { store.Save(); }))
            m_store.ReleaseDispatch();
    }
    if (m_stores.m_lpDispatch)
        Guarded([&] { m_stores.ReleaseDispatch(); });
    if (m_session.m_lpDispatch) {
        Guarded([&] {
            if (m_session.GetLoggedOn())
                m_session.Logoff();
        });
        Guarded([&] { m_session.ReleaseDispatch(); });
    }
}

int CPstWriter::GetOrCreateFolder(const CString& folderPath, CRdoFolder& folder)
{
    m_currentFolder.ReleaseDispatch();
    if (CountSeparators(folderPath) == 0)
        return 0;
    bool found = false;
    Guarded([&] {
        CRdoFolder root(m_store.GetRootFolder());
        if (!root.m_lpDispatch)
            return;
        CRdoFolders top(root.GetFolders());
        if (!top.m_lpDispatch)
            return;
        found = WalkFolderPath(folderPath, top).m_lpDispatch != nullptr && m_currentFolder.m_lpDispatch != nullptr;
    });
    if (!found)
        return 0;
    folder = m_currentFolder;
    return 1;
}

CRdoFolders CPstWriter::WalkFolderPath(const CString& folderPath, const CRdoFolders& start)
{
    const int n = CountSeparators(folderPath);
    CRdoFolders cur = start;
    bool walked = false;
    for (int i = 0; i < n; ++i) {
        const CString component = SplitFolderPath(folderPath, i);
        // "\Leading", "Trailing\" and "Empty\\level" name folders too: an empty level is
        // no folder of its own.
        if (component.IsEmpty())
            continue;
        walked = true;
        if (FindChildFolder(component, cur))
            cur = OpenChildFolder(component, cur);
        else
            cur = CreateFolder(component, cur, PstContainerClass(component));
        if (!cur.m_lpDispatch)
            return CRdoFolders();
    }
    return walked ? cur : CRdoFolders();
}

int CPstWriter::CountSeparators(const CString& path)
{
    int count = 0;
    for (int position = path.Find(L'\\'); position >= 0; position = path.Find(L'\\', position + 1))
        ++count;
    return count;
}

CString CPstWriter::SplitFolderPath(const CString& path, int index)
{
    int start = 0;
    for (int skipped = 0; skipped < index; ++skipped) {
        const int slash = path.Find(L'\\', start);
        if (slash < 0)
            return CString();
        start = slash + 1;
    }
    const int end = path.Find(L'\\', start);
    if (end < 0)
        return CString();
    return path.Mid(start, end - start);
}

bool CPstWriter::FindChildFolder(const CString& component, CRdoFolders& folders)
{
    const CString name = StoredFolderName(component);
    bool found = false;
    Guarded([&] {
        for (CRdoFolder child(folders.GetFirst()); child.m_lpDispatch; child.AttachDispatch(folders.GetNext()))
            if (child.GetName() == name) {
                found = true;
                return;
            }
    });
    return found;
}

CRdoFolders CPstWriter::OpenChildFolder(const CString& component, CRdoFolders& folders)
{
    const CString name = StoredFolderName(component);
    CRdoFolders result;
    const bool ok = Guarded([&] {
        for (CRdoFolder child(folders.GetFirst()); child.m_lpDispatch; child.AttachDispatch(folders.GetNext()))
            if (child.GetName() == name) {
                m_currentFolder = child;
                result.AttachDispatch(child.GetFolders());
                return;
            }
    });
    if (!ok || !result.m_lpDispatch) {
        m_currentFolder.ReleaseDispatch();
        return CRdoFolders();
    }
    return result;
}

CRdoFolders CPstWriter::CreateFolder(const CString& component, CRdoFolders& folders, const CString& containerClass)
{
    const CString name = StoredFolderName(component);
    CRdoFolders result;
    Guarded([&] {
        CRdoFolder folder(folders.Add(name, COleVariant(containerClass)));
        if (!folder.m_lpDispatch)
            return;
        m_currentFolder = folder;
        result.AttachDispatch(folder.GetFolders());
    });
    return result;
}

CString CPstWriter::StoredFolderName(const CString& component) const
{
    const CString name = PstFolderDisplayName(component);
    return m_ansiStore ? AnsiFolderName(name) : name;
}

CString CPstWriter::PstFolderDisplayName(const CString& name)
{
    static const wchar_t* const table[][2] = {
        {L"($Inbox)", L"Inbox"},       {L"($All)", L"All"},           {L"($Sent)", L"Sent"},
        {L"($Trash)", L"Trash"},       {L"My Contacts", L"My Contacts"}, {L"($Alarms)", L"Alarms"},
        {L"($JunkMail)", L"Junk Mails"}, {L"($Drafts)", L"Drafts"},   {L"($Meetings)", L"Calendar"},
        {L"($ToDo)", L"To Do"},        {L"($Journal)", L"Journals"},  {L"($Follow-Up)", L"Follow Up"},
    };
    for (const auto& row : table)
        if (name == row[0])
            return row[1];
    return name;
}

CString CPstWriter::PstContainerClass(const CString& name)
{
    static const wchar_t* const table[][2] = {
        {L"By Diary Date", L"IPF.Jornal"},
        {L"($Inbox)", L"IPF.Note"},       {L"($Sent)", L"IPF.Note"},         {L"($Trash)", L"IPF.Note"},
        {L"My Contacts", L"IPF.Contact"},
        {L"($Alarms)", L"IPF.Appointment"}, {L"($Calendar)", L"IPF.Appointment"}, {L"($Meetings)", L"IPF.Appointment"},
        {L"($JunkMail)", L"IPF.Note"},    {L"($Drafts)", L"IPF.Note"},
        {L"($ToDo)", L"IPF.Task"},
    };
    for (const auto& row : table)
        if (name == row[0])
            return row[1];
    return L"IPF.Note";
}
