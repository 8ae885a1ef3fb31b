#pragma once
// The accessibility base of command bars and their controls: a set of own
// operations that an IAccessible part (m_xAccessible) forwards to, with COM
// identity and reference counting taken from a command target. The system
// entries accessibility needs are taken at run time, so the program starts
// where they are missing.
#include "Framework.h"
#include "CCmdTarget.h"

#include <oleacc.h>

class CXTPAccessible {
public:
    CXTPAccessible();
    virtual ~CXTPAccessible() = default;
    CXTPAccessible(const CXTPAccessible&) = delete;
    CXTPAccessible& operator=(const CXTPAccessible&) = delete;

    virtual HRESULT QueryAccParent(IDispatch** ppdispParent);
    virtual HRESULT QueryAccChildCount(long* pcountChildren);
    virtual HRESULT QueryAccChild(VARIANT varChild, IDispatch** ppdispChild);
    virtual HRESULT QueryAccName(VARIANT varChild, BSTR* pszName);
    virtual HRESULT QueryAccValue(VARIANT varChild, BSTR* pszValue);
    virtual HRESULT QueryAccDescription(VARIANT varChild, BSTR* pszDescription);
    virtual HRESULT QueryAccRole(VARIANT varChild, VARIANT* pvarRole);
    virtual HRESULT QueryAccState(VARIANT varChild, VARIANT* pvarState);
    virtual HRESULT QueryAccHelp(VARIANT varChild, BSTR* pszHelp);
    virtual HRESULT QueryAccHelpTopic(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic);
    virtual HRESULT QueryAccShortcut(VARIANT varChild, BSTR* pszKeyboardShortcut);
    virtual HRESULT QueryAccFocus(VARIANT* pvarChild);
    virtual HRESULT QueryAccSelection(VARIANT* pvarChildren);
    virtual HRESULT QueryAccDefaultAction(VARIANT varChild, BSTR* pszDefaultAction);
    virtual HRESULT HandleAccSelect(long flagsSelect, VARIANT varChild);
    virtual HRESULT HandleAccLocation(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild);
    virtual HRESULT HandleAccNavigate(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt);
    virtual HRESULT HandleAccHitTest(long xLeft, long yTop, VARIANT* pvarChild);
    virtual HRESULT HandleAccDoDefaultAction(VARIANT varChild);
    virtual HRESULT StoreAccName(VARIANT varChild, BSTR szName);
    virtual HRESULT StoreAccValue(VARIANT varChild, BSTR szValue);
    // The command target whose COM identity and reference count the
    // interface part uses.
    virtual CCmdTarget* AccIdentityTarget();

    // NotifyWinEvent of USER32 when the system has it; else nothing, 0.
    static int AccessibleNotifyWinEvent(DWORD event, HWND hWnd, LONG idObject, LONG idChild);
    // The OLEACC entries; E_FAIL while the library or the entry is missing.
    static HRESULT AccessibleObjectFromWindow(HWND hWnd, DWORD dwId, REFIID riid, void** ppvObject);
    static LRESULT LresultFromObject(REFIID riid, WPARAM wParam, LPUNKNOWN punk);
    // The child id a VARIANT holds (0 is the object itself); -1 when it holds none.
    static long GetChildIndex(const VARIANT* pVarChild);

    // The IAccessible part, forwarding to the operations above.
    class XAccessible : public IAccessible {
    public:
        explicit XAccessible(CXTPAccessible* pOuter) : m_pOuter(pOuter) {}

        STDMETHOD(QueryInterface)(REFIID riid, void** ppvObject) override;
        STDMETHOD_(ULONG, AddRef)() override;
        STDMETHOD_(ULONG, Release)() override;
        STDMETHOD(GetTypeInfoCount)(UINT* pctinfo) override;
        STDMETHOD(GetTypeInfo)(UINT iTInfo, LCID lcid, ITypeInfo** ppTInfo) override;
        STDMETHOD(GetIDsOfNames)(REFIID riid, LPOLESTR* rgszNames, UINT cNames, LCID lcid, DISPID* rgDispId) override;
        STDMETHOD(Invoke)(DISPID dispIdMember, REFIID riid, LCID lcid, WORD wFlags, DISPPARAMS* pDispParams,
                          VARIANT* pVarResult, EXCEPINFO* pExcepInfo, UINT* puArgErr) override;
        STDMETHOD(get_accParent)(IDispatch** ppdispParent) override;
        STDMETHOD(get_accChildCount)(long* pcountChildren) override;
        STDMETHOD(get_accChild)(VARIANT varChild, IDispatch** ppdispChild) override;
        STDMETHOD(get_accName)(VARIANT varChild, BSTR* pszName) override;
        STDMETHOD(get_accValue)(VARIANT varChild, BSTR* pszValue) override;
        STDMETHOD(get_accDescription)(VARIANT varChild, BSTR* pszDescription) override;
        STDMETHOD(get_accRole)(VARIANT varChild, VARIANT* pvarRole) override;
        STDMETHOD(get_accState)(VARIANT varChild, VARIANT* pvarState) override;
        STDMETHOD(get_accHelp)(VARIANT varChild, BSTR* pszHelp) override;
        STDMETHOD(get_accHelpTopic)(BSTR* pszHelpFile, VARIANT varChild, long* pidTopic) override;
        STDMETHOD(get_accKeyboardShortcut)(VARIANT varChild, BSTR* pszKeyboardShortcut) override;
        STDMETHOD(get_accFocus)(VARIANT* pvarChild) override;
        STDMETHOD(get_accSelection)(VARIANT* pvarChildren) override;
        STDMETHOD(get_accDefaultAction)(VARIANT varChild, BSTR* pszDefaultAction) override;
        STDMETHOD(accSelect)(long flagsSelect, VARIANT varChild) override;
        STDMETHOD(accLocation)(long* pxLeft, long* pyTop, long* pcxWidth, long* pcyHeight, VARIANT varChild) override;
        STDMETHOD(accNavigate)(long navDir, VARIANT varStart, VARIANT* pvarEndUpAt) override;
        STDMETHOD(accHitTest)(long xLeft, long yTop, VARIANT* pvarChild) override;
        STDMETHOD(accDoDefaultAction)(VARIANT varChild) override;
        STDMETHOD(put_accName)(VARIANT varChild, BSTR szName) override;
        STDMETHOD(put_accValue)(VARIANT varChild, BSTR szValue) override;

    private:
        CXTPAccessible* m_pOuter;
    } m_xAccessible{this};
};
