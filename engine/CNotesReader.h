#pragma once
#include <windows.h>

#include "CString.h"
#include "CArray.h"
#include "lnapi.h"
#include "ProgressBarFeed.h"

class CProgressCtrl;
class CRdoAppointment;
class CRdoAttachments;
class CRdoFolder;
class CRdoItems;
class CSpreadSheet;
class ICalendarGrid;
class IFolderTree;
class IWaitDialog;

// The engine's one object for reading Notes data: the session, the current database
// and view folder, and the windows the wizard lends it for progress. Every Notes
// error is caught here: its text becomes the last error and the call answers its
// failure value.
class CNotesReader {
public:
    CNotesReader();
    virtual ~CNotesReader();

    int Init();
    void Close();
    void SetLastError(const CString& text);
    CString GetLastError() const;

    // Database scan: the calendar, task and journal folders that hold entries.
    int ScanDatabase(const CString& path, const CString& server, CStringArray& folders, int quiet);
    static int FolderKindFromName(const CString& name, int entryCount);
    void ShowScanProgress(int folders, int entries, const CString& lastFolder);

    // Single item readers: never fail, a missing or unreadable item gives a default.
    CString ReadTextItem(const CString& name, LNDocument document);
    CString ReadDatetimesText(const CString& name, LNDocument document);
    LNDatetime ReadFirstDatetime(const CString& name, LNDocument document);
    CString ReadAttachmentList(LNDocument document, CStringArray* names = nullptr, CStringArray* sizes = nullptr);
    int DocumentKind(LNDocument document);

    // Folder preview into the calendar grid panel.
    void PreviewFolder(ICalendarGrid* panel, const CString& path);
    void FillPreviewGrid(ICalendarGrid* panel);

    // Folder export (save thread): mode 0 writes appointments into a PST folder,
    // mode 1 rows into a sheet.
    int ExportFolder(const CString& folderName, CRdoFolder& pstFolder, int mode, CSpreadSheet* sheet);
    void ExportFolderEntries(CRdoFolder& pstFolder, int mode, CSpreadSheet* sheet);
    // rtfTarget: the target takes the body as RTF (a PST), so it is read that way too.
    int ReadBody(LNDocument document, bool rtfTarget, int& isRtf, CString& rtfText, CString& plainText);
    // With removed given, the file is deleted when it has been read (*removed tells whether it was).
    CString ReadTextFile(const CString& path, bool* removed = nullptr);
    void CopyAttachments(LNDocument document, CRdoAttachments& attachments);
    void WriteItem(CRdoItems& items, LNDocument document, int isRtf, const CString& rtfText,
                   const CString& plainText, int mode, CSpreadSheet* sheet);
    // An appointment's start and end. A date that is missing, or that the PST cannot
    // hold, takes the other's value, so no appointment keeps a time of the export's day.
    enum DatesWritten { kAllDatesWritten, kSomeDatesWritten, kNoDateWritten };
    DatesWritten WriteDates(CRdoAppointment& item, LNDocument document, bool hasStart, bool hasEnd);
    static CString TemporaryDirectory();

    // Domino servers and their databases.
    int GetServerList(CStringArray& servers);
    int GetServerDatabases(const CString& server, CStringArray& paths, CStringArray& names);

protected:
    // A non-zero status goes the way of a thrown one.
    void Check(LNSTATUS status);
    void SetLastErrorFromStatus(LNSTATUS status);
    bool WaitDialogUsable() const;
    void ShowWaitProgress(int percent);
    void DeleteRtfFile(const CString& path);

    CString m_strLastError;
    int m_bSessionStarted;
    int m_bDatabaseOpen;
    LNNotesSession m_session;
    LNDatabase m_database;
    LNViewFolder m_viewFolder;
    LNViewFolderArray m_viewFolders;
    LNSTATUS m_lastStatus;
    // Whether "ch111.rtf" may lie in the temporary directory (left by an earlier run, or
    // by a body export whose file could not be deleted). Deleting a file that is not
    // there is not free (a directory scan under Wine), and the entry loop would do it
    // twice for every body.
    bool m_bRtfFileMayExist = true;
    ProgressBarFeed m_folderBarFeed;
    ProgressBarFeed m_itemBarFeed;
    // Subjects of the current folder's entries whose dates could not all be written.
    CString m_datesLeftOut;

public:
    // Written by the wizard before a run; the windows are borrowed.
    CProgressCtrl* m_pFolderProgress;
    CProgressCtrl* m_pItemProgress;
    IFolderTree* m_pFolderTree;
    int m_nCancel;
    IWaitDialog* m_pWaitDialog;
    int m_nBodyTextType;
    // Least time between two positions sent to a bar; 0 sends every change.
    ULONGLONG m_nBarFrameMs = 16;
};
