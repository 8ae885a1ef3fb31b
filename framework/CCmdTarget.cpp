#include "CCmdTarget.h"

IMPLEMENT_DYNAMIC(CCmdTarget, CObject)

CCmdTarget::CCmdTarget() = default;

CCmdTarget::~CCmdTarget() = default;

const AFX_MSGMAP* CCmdTarget::GetThisMessageMap()
{
    static const AFX_MSGMAP_ENTRY entries[] = {{0, 0, 0, 0, nullptr}};
    static const AFX_MSGMAP messageMap = {nullptr, &entries[0]};
    return &messageMap;
}

const AFX_MSGMAP* CCmdTarget::GetMessageMap() const
{
    return GetThisMessageMap();
}

const AFX_INTERFACEMAP* CCmdTarget::GetThisInterfaceMap()
{
    static const AFX_INTERFACEMAP_ENTRY entries[] = {{nullptr, nullptr}};
    static const AFX_INTERFACEMAP interfaceMap = {nullptr, &entries[0]};
    return &interfaceMap;
}

const AFX_INTERFACEMAP* CCmdTarget::GetInterfaceMap() const
{
    return GetThisInterfaceMap();
}

IUnknown* CCmdTarget::GetInterface(const IID* iid)
{
    const bool bIdentity = ::IsEqualIID(*iid, IID_IUnknown) != 0;
    for (const AFX_INTERFACEMAP* pMap = GetInterfaceMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_INTERFACEMAP_ENTRY* pEntry = pMap->pEntry; pEntry->piid != nullptr; ++pEntry) {
            if (bIdentity || ::IsEqualIID(*iid, *pEntry->piid))
                return pEntry->pfnGetInterface(this);
        }
    }
    return nullptr;
}

HRESULT CCmdTarget::InternalQueryInterface(const IID* iid, LPVOID* ppvObj)
{
    if (ppvObj == nullptr)
        return E_POINTER;
    IUnknown* pUnknown = GetInterface(iid);
    *ppvObj = pUnknown;
    if (pUnknown == nullptr)
        return E_NOINTERFACE;
    ExternalAddRef();
    return S_OK;
}

const AFX_MSGMAP_ENTRY* CCmdTarget::FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID)
{
    for (; pMap != nullptr; pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr) {
        for (const AFX_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry->pfn != nullptr; ++pEntry) {
            if (pEntry->nMessage == nMessage && pEntry->nCode == nCode && nID >= pEntry->nID
                && nID <= pEntry->nLastID)
                return pEntry;
        }
    }
    return nullptr;
}

BOOL CCmdTarget::DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, const AFX_MSGMAP_ENTRY* pEntry,
                                void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    if (pHandlerInfo != nullptr) {
        pHandlerInfo->pTarget = pTarget;
        pHandlerInfo->pmf = pEntry->pfn;
        return TRUE;
    }
    if (nCode == static_cast<int>(CN_UPDATE_COMMAND_UI)) {
        // The update handler may pass the item on with ContinueRouting.
        auto* pCmdUI = static_cast<CCmdUI*>(pExtra);
        pCmdUI->m_bContinueRouting = FALSE;
        pEntry->pfn(pTarget, nID, reinterpret_cast<LPARAM>(pCmdUI), nullptr);
        return !pCmdUI->m_bContinueRouting;
    }
    LRESULT lResult = 0;
    return pEntry->pfn(pTarget, nID, reinterpret_cast<LPARAM>(pExtra), &lResult);
}

BOOL CCmdTarget::OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo)
{
    // nCode is CN_UPDATE_COMMAND_UI, or MAKELONG(code, message) with message
    // 0 for WM_COMMAND.
    UINT nMsg = 0;
    UINT nNotify = static_cast<UINT>(nCode);
    if (nCode != static_cast<int>(CN_UPDATE_COMMAND_UI)) {
        nMsg = HIWORD(nCode);
        nNotify = LOWORD(nCode);
    }
    if (nMsg == 0)
        nMsg = WM_COMMAND;
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(GetMessageMap(), nMsg, nNotify, nID);
    if (pEntry == nullptr)
        return FALSE;
    return DispatchCmdMsg(this, nID, nCode, pEntry, pExtra, pHandlerInfo);
}

void CCmdTarget::BeginWaitCursor()
{
    HCURSOR hPrevious = ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
    if (m_nWaitCursorCount++ == 0)
        m_hCursorBeforeWait = hPrevious;
}

void CCmdTarget::EndWaitCursor()
{
    if (m_nWaitCursorCount == 0)
        return;
    if (--m_nWaitCursorCount == 0)
        ::SetCursor(m_hCursorBeforeWait != nullptr ? m_hCursorBeforeWait : ::LoadCursorW(nullptr, IDC_ARROW));
}

void CCmdTarget::RestoreWaitCursor()
{
    if (m_nWaitCursorCount > 0)
        ::SetCursor(::LoadCursorW(nullptr, IDC_WAIT));
}

DWORD CCmdTarget::InternalRelease()
{
    const DWORD dwRef = --m_dwRef;
    if (dwRef == 0)
        OnFinalRelease();
    return dwRef;
}

void CCmdTarget::OnFinalRelease()
{
    delete this;
}
