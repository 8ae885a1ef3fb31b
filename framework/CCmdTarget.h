#pragma once
// Message maps and command routing.
//
// A message map is a table of entries {message, code, id, last id, thunk}. The
// thunk is a capture-less function that casts the target to the class that
// declared the entry and calls its handler with the arguments unpacked from
// (wParam, lParam); it returns TRUE when the message counts as handled and may
// store a result. Each class's map links to the map of its base class, so a
// lookup walks from the most derived class towards CCmdTarget.
//
//   class CMyView : public CView { ... DECLARE_MESSAGE_MAP() };
//   BEGIN_MESSAGE_MAP(CMyView, CView)
//       ON_WM_CREATE()
//       ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
//   END_MESSAGE_MAP()
//
// Commands (WM_COMMAND from menus, accelerators and controls, WM_NOTIFY from
// controls, update-UI requests) go through OnCmdMsg with:
//   message WM_COMMAND, code CN_COMMAND / CN_UPDATE_COMMAND_UI / control code
//   message WM_NOTIFY,  code the low word of the NMHDR code
// Reflected notifications are found under WM_REFLECT_BASE + message.
#include "Afx.h"
#include "CObject.h"
#include "FrameworkIds.h"

class CCmdTarget;
class CCmdUI;
class CMenu;
class CWnd;

// Thunk: target, wParam, lParam, result (may be null) -> handled.
typedef BOOL (*AFX_PMSG)(CCmdTarget* pTarget, WPARAM wParam, LPARAM lParam, LRESULT* pResult);

struct AFX_MSGMAP_ENTRY {
    UINT nMessage;   // window message, WM_COMMAND, WM_NOTIFY, or WM_REFLECT_BASE + one of them
    UINT nCode;      // command / notification code (0 for plain window messages)
    UINT nID;        // first control or command id (0 for plain window messages)
    UINT nLastID;    // last id of a range (equal to nID otherwise)
    AFX_PMSG pfn;    // null ends the table
};

struct AFX_MSGMAP {
    const AFX_MSGMAP* (*pfnGetBaseMap)();
    const AFX_MSGMAP_ENTRY* lpEntries;
};

// Filled by OnCmdMsg instead of calling when a caller only asks whether a
// handler exists.
struct AFX_CMDHANDLERINFO {
    CCmdTarget* pTarget;
    AFX_PMSG pmf;
};

// Extra data of a WM_NOTIFY routed through OnCmdMsg.
struct AFX_NOTIFY {
    LRESULT* pResult;
    NMHDR* pNMHDR;
};

// Data of a WM_CTLCOLORxxx dispatched to ON_WM_CTLCOLOR / ON_WM_CTLCOLOR_REFLECT.
// One entry of an interface map: the interface id and how to reach that
// interface part of the declaring class from the command target.
struct AFX_INTERFACEMAP_ENTRY {
    const IID* piid;   // null ends the table
    IUnknown* (*pfnGetInterface)(CCmdTarget* pTarget);
};

struct AFX_INTERFACEMAP {
    const AFX_INTERFACEMAP* (*pfnGetBaseMap)();
    const AFX_INTERFACEMAP_ENTRY* pEntry;
};

struct AFX_CTLCOLOR {
    HWND hWnd;
    HDC hDC;
    UINT nCtlType;   // CTLCOLOR_MSGBOX ... CTLCOLOR_STATIC
};

class CCmdTarget : public CObject {
    DECLARE_DYNAMIC(CCmdTarget)
public:
    CCmdTarget();
    ~CCmdTarget() override;

    // Routes a command: looks for a handler in this object's message map.
    // With pHandlerInfo the handler is only reported, not called.
    virtual BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

    void BeginWaitCursor();
    void EndWaitCursor();
    void RestoreWaitCursor();

    // Reference count, 1 at construction; the last release calls OnFinalRelease,
    // which deletes the object. The external forms are those OLE clients reach.
    DWORD InternalAddRef() { return ++m_dwRef; }
    DWORD InternalRelease();
    DWORD ExternalAddRef() { return InternalAddRef(); }
    DWORD ExternalRelease() { return InternalRelease(); }
    virtual void OnFinalRelease();

    // COM identity: the interfaces of the object's interface map. IUnknown
    // answers the first interface of the map, so every part of the object
    // answers the same identity. E_NOINTERFACE (and null) when not found;
    // a found interface is added a reference.
    HRESULT InternalQueryInterface(const IID* iid, LPVOID* ppvObj);
    HRESULT ExternalQueryInterface(const IID* iid, LPVOID* ppvObj) { return InternalQueryInterface(iid, ppvObj); }
    // The interface part for iid without a reference; null when absent.
    IUnknown* GetInterface(const IID* iid);

    // The entry for (message, code, id) in the map chain starting at pMap,
    // with the target class's own entries first; null when there is none.
    static const AFX_MSGMAP_ENTRY* FindMessageEntry(const AFX_MSGMAP* pMap, UINT nMessage, UINT nCode, UINT nID);

protected:
    static const AFX_MSGMAP* GetThisMessageMap();
    virtual const AFX_MSGMAP* GetMessageMap() const;
    static const AFX_INTERFACEMAP* GetThisInterfaceMap();
    virtual const AFX_INTERFACEMAP* GetInterfaceMap() const;

    // Calls the thunk of a command entry and answers whether it handled it.
    static BOOL DispatchCmdMsg(CCmdTarget* pTarget, UINT nID, int nCode, const AFX_MSGMAP_ENTRY* pEntry,
                               void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo);

private:
    DWORD m_dwRef = 1;
    HCURSOR m_hCursorBeforeWait = nullptr;
    int m_nWaitCursorCount = 0;
};

// Update-UI state of one command item (a menu item, a toolbar button, a child
// window). Controls that show commands derive from it to change how Enable,
// SetCheck and SetText act.
class CCmdUI {
public:
    CCmdUI();
    virtual ~CCmdUI() = default;

    virtual void Enable(BOOL bOn = TRUE);
    virtual void SetCheck(int nCheck = 1);   // 0 unchecked, 1 checked, 2 indeterminate
    virtual void SetRadio(BOOL bOn = TRUE);
    virtual void SetText(LPCTSTR lpszText);

    void ContinueRouting() { m_bContinueRouting = TRUE; }

    // Asks pTarget's command route for the update handler of m_nID. Without
    // one, the item is disabled when bDisableIfNoHndler and it has no command
    // handler either. Answers whether a handler updated it.
    BOOL DoUpdate(CCmdTarget* pTarget, BOOL bDisableIfNoHndler);

    // The update pass of a popup menu about to open (WM_INITMENUPOPUP): each
    // item asks pTarget's route for its state; a submenu follows the command of
    // its first item. With bAutoMenuEnable, ordinary items without a handler
    // are disabled; system commands (0xF000 and above) never are.
    static void UpdateMenu(CMenu* pMenu, CCmdTarget* pTarget, BOOL bAutoMenuEnable);

    UINT m_nID = 0;
    UINT m_nIndex = 0;            // menu position or control index
    CMenu* m_pMenu = nullptr;     // the menu the item is in, when a menu item
    CMenu* m_pSubMenu = nullptr;  // the popup the item opens, when it opens one
    CMenu* m_pParentMenu = nullptr;
    CWnd* m_pOther = nullptr;     // the window, when a window or a bar item
    UINT m_nIndexMax = 0;
    BOOL m_bEnableChanged = FALSE;
    BOOL m_bContinueRouting = FALSE;
};

// Internal: the result pointer may be null when a caller does not want it.
#define AFX_SET_RESULT(r, v) do { if (r) *(r) = (LRESULT)(v); } while (0)

#define DECLARE_MESSAGE_MAP() \
protected: \
    static const AFX_MSGMAP* GetThisMessageMap(); \
    const AFX_MSGMAP* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass) \
    const AFX_MSGMAP* theClass::GetMessageMap() const { return GetThisMessageMap(); } \
    const AFX_MSGMAP* theClass::GetThisMessageMap() \
    { \
        using ThisClass [[maybe_unused]] = theClass; \
        typedef baseClass TheBaseClass; \
        static const AFX_MSGMAP_ENTRY _messageEntries[] = {

#define END_MESSAGE_MAP() \
            {0, 0, 0, 0, nullptr} \
        }; \
        static const AFX_MSGMAP messageMap = {&TheBaseClass::GetThisMessageMap, &_messageEntries[0]}; \
        return &messageMap; \
    }

// Interface maps: the interfaces a command target answers to COM clients.
//   BEGIN_INTERFACE_MAP(CMyControl, CCmdTarget)
//       INTERFACE_PART(CMyControl, IID_IAccessible, Accessible)
//   END_INTERFACE_MAP()
// The part is the object's member m_x<name>, an object of the interface.
#define DECLARE_INTERFACE_MAP() \
protected: \
    static const AFX_INTERFACEMAP* GetThisInterfaceMap(); \
    const AFX_INTERFACEMAP* GetInterfaceMap() const override;

#define BEGIN_INTERFACE_MAP(theClass, baseClass) \
    const AFX_INTERFACEMAP* theClass::GetInterfaceMap() const { return GetThisInterfaceMap(); } \
    const AFX_INTERFACEMAP* theClass::GetThisInterfaceMap() \
    { \
        typedef baseClass TheBaseClass; \
        static const AFX_INTERFACEMAP_ENTRY _interfaceEntries[] = {

#define INTERFACE_PART(theClass, iid, localClass) \
            {&(iid), [](CCmdTarget* _pTarget) -> IUnknown* { \
                return &static_cast<theClass*>(_pTarget)->m_x##localClass; }},

#define END_INTERFACE_MAP() \
            {nullptr, nullptr} \
        }; \
        static const AFX_INTERFACEMAP interfaceMap = {&TheBaseClass::GetThisInterfaceMap, &_interfaceEntries[0]}; \
        return &interfaceMap; \
    }

// Thunk body: _pThis is the target as the declaring class.
#define AFX_THUNK(...) \
    [](CCmdTarget* _pTarget, WPARAM wParam, LPARAM lParam, LRESULT* pResult) -> BOOL { \
        ThisClass* _pThis = static_cast<ThisClass*>(_pTarget); \
        (void)_pThis; (void)wParam; (void)lParam; (void)pResult; \
        __VA_ARGS__ \
    }

// Commands. Handlers: void f(); BOOL f(UINT id) for _EX (FALSE routes on);
// void f(UINT id) for ranges; void f(CCmdUI*) for update handlers.
#define ON_COMMAND(id, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AFX_THUNK(_pThis->memberFxn(); return TRUE;)},
#define ON_COMMAND_EX(id, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(id), AFX_THUNK(return _pThis->memberFxn((UINT)wParam);)},
#define ON_COMMAND_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AFX_THUNK(_pThis->memberFxn((UINT)wParam); return TRUE;)},
#define ON_COMMAND_EX_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, CN_COMMAND, (UINT)(id), (UINT)(idLast), AFX_THUNK(return _pThis->memberFxn((UINT)wParam);)},
#define ON_UPDATE_COMMAND_UI(id, memberFxn) \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(id), \
     AFX_THUNK(_pThis->memberFxn(reinterpret_cast<CCmdUI*>(lParam)); return TRUE;)},
#define ON_UPDATE_COMMAND_UI_RANGE(id, idLast, memberFxn) \
    {WM_COMMAND, CN_UPDATE_COMMAND_UI, (UINT)(id), (UINT)(idLast), \
     AFX_THUNK(_pThis->memberFxn(reinterpret_cast<CCmdUI*>(lParam)); return TRUE;)},

// Control notifications through WM_COMMAND. Handlers: void f(); void f(UINT id) for ranges.
#define ON_CONTROL(wNotifyCode, id, memberFxn) \
    {WM_COMMAND, (UINT)(wNotifyCode), (UINT)(id), (UINT)(id), AFX_THUNK(_pThis->memberFxn(); return TRUE;)},
#define ON_CONTROL_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_COMMAND, (UINT)(wNotifyCode), (UINT)(id), (UINT)(idLast), \
     AFX_THUNK(_pThis->memberFxn((UINT)wParam); return TRUE;)},

// Notifications through WM_NOTIFY. Handlers: void f(NMHDR*, LRESULT*);
// void f(UINT id, NMHDR*, LRESULT*) for ranges; BOOL f(UINT id, NMHDR*, LRESULT*) for _EX.
#define ON_NOTIFY(wNotifyCode, id, memberFxn) \
    {WM_NOTIFY, (UINT)(WORD)(int)(wNotifyCode), (UINT)(id), (UINT)(id), \
     AFX_THUNK(auto* _n = reinterpret_cast<AFX_NOTIFY*>(lParam); _pThis->memberFxn(_n->pNMHDR, _n->pResult); return TRUE;)},
#define ON_NOTIFY_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_NOTIFY, (UINT)(WORD)(int)(wNotifyCode), (UINT)(id), (UINT)(idLast), \
     AFX_THUNK(auto* _n = reinterpret_cast<AFX_NOTIFY*>(lParam); \
               _pThis->memberFxn((UINT)wParam, _n->pNMHDR, _n->pResult); return TRUE;)},
#define ON_NOTIFY_EX(wNotifyCode, id, memberFxn) \
    {WM_NOTIFY, (UINT)(WORD)(int)(wNotifyCode), (UINT)(id), (UINT)(id), \
     AFX_THUNK(auto* _n = reinterpret_cast<AFX_NOTIFY*>(lParam); \
               return _pThis->memberFxn((UINT)wParam, _n->pNMHDR, _n->pResult);)},
#define ON_NOTIFY_EX_RANGE(wNotifyCode, id, idLast, memberFxn) \
    {WM_NOTIFY, (UINT)(WORD)(int)(wNotifyCode), (UINT)(id), (UINT)(idLast), \
     AFX_THUNK(auto* _n = reinterpret_cast<AFX_NOTIFY*>(lParam); \
               return _pThis->memberFxn((UINT)wParam, _n->pNMHDR, _n->pResult);)},

// Notifications reflected back to the control that sent them (in the
// control's own map). Handlers: void f(); BOOL f() for _EX (FALSE lets the
// parent handle the notification as well); void f(NMHDR*, LRESULT*) and
// BOOL f(NMHDR*, LRESULT*) for WM_NOTIFY.
#define ON_CONTROL_REFLECT(wNotifyCode, memberFxn) \
    {WM_REFLECT_BASE + WM_COMMAND, (UINT)(wNotifyCode), 0, 0, AFX_THUNK(_pThis->memberFxn(); return TRUE;)},
#define ON_CONTROL_REFLECT_EX(wNotifyCode, memberFxn) \
    {WM_REFLECT_BASE + WM_COMMAND, (UINT)(wNotifyCode), 0, 0, AFX_THUNK(return _pThis->memberFxn();)},
#define ON_NOTIFY_REFLECT(wNotifyCode, memberFxn) \
    {WM_REFLECT_BASE + WM_NOTIFY, (UINT)(WORD)(int)(wNotifyCode), 0, 0, \
     AFX_THUNK(_pThis->memberFxn(reinterpret_cast<NMHDR*>(lParam), pResult); return TRUE;)},
#define ON_NOTIFY_REFLECT_EX(wNotifyCode, memberFxn) \
    {WM_REFLECT_BASE + WM_NOTIFY, (UINT)(WORD)(int)(wNotifyCode), 0, 0, \
     AFX_THUNK(return _pThis->memberFxn(reinterpret_cast<NMHDR*>(lParam), pResult);)},

// Any window message. Handler: LRESULT f(WPARAM, LPARAM).
#define ON_MESSAGE(message, memberFxn) \
    {(UINT)(message), 0, 0, 0, AFX_THUNK(AFX_SET_RESULT(pResult, _pThis->memberFxn(wParam, lParam)); return TRUE;)},
// A message registered with RegisterWindowMessage; nMessageVariable is read
// when the map is first used.
#define ON_REGISTERED_MESSAGE(nMessageVariable, memberFxn) \
    {(UINT)(nMessageVariable), 0, 0, 0, AFX_THUNK(AFX_SET_RESULT(pResult, _pThis->memberFxn(wParam, lParam)); return TRUE;)},
// A thread message (hwnd null) posted to a CWinThread. Handler: void f(WPARAM, LPARAM).
#define ON_THREAD_MESSAGE(message, memberFxn) \
    {(UINT)(message), 0, 0, 0, AFX_THUNK(_pThis->memberFxn(wParam, lParam); return TRUE;)},
#define ON_REGISTERED_THREAD_MESSAGE(nMessageVariable, memberFxn) ON_THREAD_MESSAGE(nMessageVariable, memberFxn)

// Common control notifications.
#define ON_BN_CLICKED(id, memberFxn) ON_CONTROL(BN_CLICKED, id, memberFxn)
#define ON_BN_DOUBLECLICKED(id, memberFxn) ON_CONTROL(BN_DOUBLECLICKED, id, memberFxn)
#define ON_BN_SETFOCUS(id, memberFxn) ON_CONTROL(BN_SETFOCUS, id, memberFxn)
#define ON_BN_KILLFOCUS(id, memberFxn) ON_CONTROL(BN_KILLFOCUS, id, memberFxn)
#define ON_EN_CHANGE(id, memberFxn) ON_CONTROL(EN_CHANGE, id, memberFxn)
#define ON_EN_UPDATE(id, memberFxn) ON_CONTROL(EN_UPDATE, id, memberFxn)
#define ON_EN_SETFOCUS(id, memberFxn) ON_CONTROL(EN_SETFOCUS, id, memberFxn)
#define ON_EN_KILLFOCUS(id, memberFxn) ON_CONTROL(EN_KILLFOCUS, id, memberFxn)
#define ON_EN_MAXTEXT(id, memberFxn) ON_CONTROL(EN_MAXTEXT, id, memberFxn)
#define ON_EN_HSCROLL(id, memberFxn) ON_CONTROL(EN_HSCROLL, id, memberFxn)
#define ON_EN_VSCROLL(id, memberFxn) ON_CONTROL(EN_VSCROLL, id, memberFxn)
#define ON_LBN_SELCHANGE(id, memberFxn) ON_CONTROL(LBN_SELCHANGE, id, memberFxn)
#define ON_LBN_DBLCLK(id, memberFxn) ON_CONTROL(LBN_DBLCLK, id, memberFxn)
#define ON_LBN_SELCANCEL(id, memberFxn) ON_CONTROL(LBN_SELCANCEL, id, memberFxn)
#define ON_LBN_SETFOCUS(id, memberFxn) ON_CONTROL(LBN_SETFOCUS, id, memberFxn)
#define ON_LBN_KILLFOCUS(id, memberFxn) ON_CONTROL(LBN_KILLFOCUS, id, memberFxn)
#define ON_CBN_SELCHANGE(id, memberFxn) ON_CONTROL(CBN_SELCHANGE, id, memberFxn)
#define ON_CBN_DBLCLK(id, memberFxn) ON_CONTROL(CBN_DBLCLK, id, memberFxn)
#define ON_CBN_EDITCHANGE(id, memberFxn) ON_CONTROL(CBN_EDITCHANGE, id, memberFxn)
#define ON_CBN_EDITUPDATE(id, memberFxn) ON_CONTROL(CBN_EDITUPDATE, id, memberFxn)
#define ON_CBN_DROPDOWN(id, memberFxn) ON_CONTROL(CBN_DROPDOWN, id, memberFxn)
#define ON_CBN_CLOSEUP(id, memberFxn) ON_CONTROL(CBN_CLOSEUP, id, memberFxn)
#define ON_CBN_SELENDOK(id, memberFxn) ON_CONTROL(CBN_SELENDOK, id, memberFxn)
#define ON_CBN_SELENDCANCEL(id, memberFxn) ON_CONTROL(CBN_SELENDCANCEL, id, memberFxn)
#define ON_CBN_SETFOCUS(id, memberFxn) ON_CONTROL(CBN_SETFOCUS, id, memberFxn)
#define ON_CBN_KILLFOCUS(id, memberFxn) ON_CONTROL(CBN_KILLFOCUS, id, memberFxn)
#define ON_STN_CLICKED(id, memberFxn) ON_CONTROL(STN_CLICKED, id, memberFxn)
#define ON_STN_DBLCLK(id, memberFxn) ON_CONTROL(STN_DBLCLK, id, memberFxn)
