#include "CPstWriter.h"

#include "AfxOle.h"
#include "CException.h"
#include "COleVariant.h"
#include "PstTemplateResource.h"

namespace {

// Runs one automation step; any failure it raises is swallowed and reported as false.
template <class Step>
bool Guarded(Step&& step)
{
    try {
        step();
        return true;
    } catch (CException* e) {
        e->Delete();
    } catch (...) {
    }
    return false;
}

bool FileExists(const CString& path)
{
    return GetFileAttributesW(path) != INVALID_FILE_ATTRIBUTES;
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
    for (int i = 0; i < n; ++i) {
        const CString component = SplitFolderPath(folderPath, i);
        if (FindChildFolder(component, cur))
            cur = OpenChildFolder(component, cur);
        else
            cur = CreateFolder(component, cur, PstContainerClass(component));
        if (!cur.m_lpDispatch)
            return CRdoFolders();
    }
    return cur;
}

int CPstWriter::CountSeparators(const CString& path)
{
    int count = 0;
    for (int position = path.Find(L'\\'); position > 0; position = path.Find(L'\\', position + 1))
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
    const CString name = PstFolderDisplayName(component);
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
    const CString name = PstFolderDisplayName(component);
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
    const CString name = PstFolderDisplayName(component);
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
