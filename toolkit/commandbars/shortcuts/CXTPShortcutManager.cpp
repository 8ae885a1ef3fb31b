#include "CXTPShortcutManager.h"

#include "CXTPShortcutKeyNameTable.h"

namespace
{
constexpr wchar_t kAcceleratorsEntry[] = L"Accelerators";
// The stored value is the entries as they lie in memory.
static_assert(sizeof(ACCEL) == 6);
}

CXTPShortcutManager::CXTPShortcutManager(CXTPCommandBars* pCommandBars)
    : m_pCommandBars(pCommandBars), m_pKeyNameTable(std::make_unique<CXTPShortcutKeyNameTable>())
{
}

CXTPShortcutManager::~CXTPShortcutManager()
{
    DestroyTable(m_hAccelTable);
    DestroyTable(m_hDefaultAccelTable);
}

void CXTPShortcutManager::DestroyTable(HACCEL& hAccel)
{
    if (hAccel != nullptr)
        ::DestroyAcceleratorTable(hAccel);
    hAccel = nullptr;
}

std::vector<ACCEL> CXTPShortcutManager::Entries(HACCEL hAccel)
{
    std::vector<ACCEL> entries;
    const int nCount = hAccel != nullptr ? ::CopyAcceleratorTableW(hAccel, nullptr, 0) : 0;
    if (nCount > 0) {
        entries.resize(static_cast<size_t>(nCount));
        entries.resize(static_cast<size_t>(::CopyAcceleratorTableW(hAccel, entries.data(), nCount)));
    }
    return entries;
}

HACCEL CXTPShortcutManager::CopyAcceleratorTable(HACCEL hAccel)
{
    std::vector<ACCEL> entries = Entries(hAccel);
    return entries.empty() ? nullptr : ::CreateAcceleratorTableW(entries.data(), static_cast<int>(entries.size()));
}

BOOL CXTPShortcutManager::SetAccelerators(const ACCEL* pAccels, int nCount)
{
    HACCEL hAccel = pAccels != nullptr && nCount > 0
                        ? ::CreateAcceleratorTableW(const_cast<ACCEL*>(pAccels), nCount)
                        : nullptr;
    if (hAccel == nullptr)
        return FALSE;
    DestroyTable(m_hAccelTable);
    m_hAccelTable = hAccel;
    return TRUE;
}

void CXTPShortcutManager::ResetAccelerators()
{
    DestroyTable(m_hAccelTable);
    m_hAccelTable = CopyAcceleratorTable(m_hDefaultAccelTable);
}

void CXTPShortcutManager::SetDefaultAccelerators(HACCEL hAccel)
{
    DestroyTable(m_hDefaultAccelTable);
    m_hDefaultAccelTable = CopyAcceleratorTable(hAccel);
    ResetAccelerators();
}

BOOL CXTPShortcutManager::TranslateAccelerator(HWND hWnd, LPMSG lpMsg)
{
    return m_nPreviewCount <= 0 && m_hAccelTable != nullptr && ::TranslateAcceleratorW(hWnd, m_hAccelTable, lpMsg) != 0;
}

BOOL CXTPShortcutManager::FindDefaultAccelerator(UINT nCmd, CString& strText)
{
    // Only the customized table: the plain command bars do not hand out
    // their frame, whose own table would otherwise answer when there are no
    // tables here at all.
    CString strBest;
    int nBestPriority = 0;
    BOOL bFound = FALSE;
    for (const ACCEL& accel : Entries(m_hAccelTable)) {
        if (accel.cmd != nCmd)
            continue;
        CString strKey;
        int nPriority = 0;
        FormatAccelerator(strKey, accel, &nPriority);
        if (strKey == strText)
            return TRUE;
        if (!bFound || nPriority > nBestPriority) {
            strBest = strKey;
            nBestPriority = nPriority;
        }
        bFound = TRUE;
    }
    strText = strBest;
    return bFound;
}

void CXTPShortcutManager::SaveShortcuts(LPCTSTR lpszSection)
{
    if (m_hDefaultAccelTable == nullptr || AfxGetApp() == nullptr)
        return;
    std::vector<ACCEL> entries = Entries(m_hAccelTable);
    AfxGetApp()->WriteProfileBinary(lpszSection, kAcceleratorsEntry, reinterpret_cast<LPBYTE>(entries.data()),
                                    static_cast<UINT>(entries.size() * sizeof(ACCEL)));
}

void CXTPShortcutManager::LoadShortcuts(LPCTSTR lpszSection)
{
    if (m_hDefaultAccelTable == nullptr || AfxGetApp() == nullptr)
        return;
    LPBYTE pData = nullptr;
    UINT nBytes = 0;
    if (!AfxGetApp()->GetProfileBinary(lpszSection, kAcceleratorsEntry, &pData, &nBytes))
        return;
    // A value that is not whole entries was not written here: keep the table.
    if (nBytes != 0 && nBytes % sizeof(ACCEL) == 0) {
        std::vector<ACCEL> entries(nBytes / sizeof(ACCEL));
        memcpy(entries.data(), pData, nBytes);
        SetAccelerators(entries.data(), static_cast<int>(entries.size()));
    }
    delete[] pData;
}
