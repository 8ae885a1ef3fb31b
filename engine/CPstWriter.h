#pragma once
// The PST side of a save: the Redemption session, its stores, the PST store being written
// and the folder found or created last. Used on the save thread only.
#include "CRdoFolder.h"
#include "CRdoFolders.h"
#include "CRdoSession.h"
#include "CRdoStore.h"
#include "CRdoStores.h"
#include "CString.h"
#include "IPstTemplateWriter.h"

class CPstWriter {
public:
    CPstWriter();
    virtual ~CPstWriter();
    CPstWriter(const CPstWriter&) = delete;
    CPstWriter& operator=(const CPstWriter&) = delete;

    // 1 when the PST at the path (made unique first when a new file is wanted) was added as
    // a store, else 0.
    int Open(const CString& pstPath, bool keepExisting);
    // Whether a Redemption session is logged on: after a failed Open, false means
    // there was no session or profile to write with, true that the file failed.
    bool SessionStarted();
    // Saves and releases the store and ends the session; errors are swallowed.
    void Close();
    int WriteBlankTemplate(const CString& pstPath);
    bool AddStore(const CString& pstPath, bool keepExisting);

    // The PST folder that mirrors a Notes folder path ("A\B\"), created level by level
    // where missing; empty levels are skipped. 1 with the folder set, 0 when it could not
    // be found or created or the path names no folder.
    int GetOrCreateFolder(const CString& folderPath, CRdoFolder& folder);
    CRdoFolders WalkFolderPath(const CString& folderPath, const CRdoFolders& start);
    static CString SplitFolderPath(const CString& path, int index);
    static int CountSeparators(const CString& path);
    bool FindChildFolder(const CString& component, CRdoFolders& folders);
    CRdoFolders OpenChildFolder(const CString& component, CRdoFolders& folders);
    CRdoFolders CreateFolder(const CString& component, CRdoFolders& folders, const CString& containerClass);
    // The name the store is given for a Notes folder path component.
    CString StoredFolderName(const CString& component) const;
    static CString PstFolderDisplayName(const CString& name);
    static CString PstContainerClass(const CString& name);

    // The first free name: "(n)" before ".PST" in the upper-cased path, n = 1, 2, ...;
    // empty when the path holds no ".PST" to put it before.
    static CString UniquePstPath(const CString& pstPath);

    CRdoSession m_session;
    CRdoStores m_stores;
    CRdoStore m_store;
    CRdoFolder m_currentFolder;
    bool m_ansiStore = false;                    // the store keeps text in the ANSI code page
    CString m_pstPath;                           // the file Open writes into (made unique for a new file)
    int m_stopFlag = 0;                          // 1 asks the writer to stop
    IPstTemplateWriter* m_mainFrame = nullptr;   // borrowed; writes the blank template
};
