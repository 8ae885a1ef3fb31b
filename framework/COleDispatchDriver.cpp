#include "COleDispatchDriver.h"

#include <cstring>
#include <vector>

namespace {

constexpr BYTE kByRefMark = 0x40;

// The arguments of one call, in DISPPARAMS order (last argument first). Frees
// the BSTRs made from LPCTSTR arguments; everything else belongs to the caller.
class InvokeArguments {
public:
    explicit InvokeArguments(size_t count) : m_args(count)
    {
        for (VARIANT& v : m_args)
            VariantInit(&v);
    }
    ~InvokeArguments()
    {
        for (BSTR text : m_ownedTexts)
            SysFreeString(text);
    }
    InvokeArguments(const InvokeArguments&) = delete;
    InvokeArguments& operator=(const InvokeArguments&) = delete;

    // Argument index as the caller counts (0 = first).
    VARIANT& At(size_t index) { return m_args[m_args.size() - 1 - index]; }
    VARIANT* Data() { return m_args.empty() ? nullptr : m_args.data(); }
    UINT Count() const { return static_cast<UINT>(m_args.size()); }
    void Own(BSTR text) { m_ownedTexts.push_back(text); }

private:
    std::vector<VARIANT> m_args;
    std::vector<BSTR> m_ownedTexts;
};

void FillArgument(InvokeArguments& args, size_t index, BYTE type, va_list& argList)
{
    VARIANT& arg = args.At(index);
    if (type & kByRefMark) {
        arg.vt = static_cast<VARTYPE>(VT_BYREF | (type & ~kByRefMark));
        arg.byref = va_arg(argList, void*);
        switch (type & ~kByRefMark) {
        case VT_I2:
        case VT_I4:
        case VT_BSTR:
        case VT_DISPATCH:
        case VT_BOOL:
        case VT_VARIANT:
            return;
        default:
            AfxThrowOleException(E_INVALIDARG);
        }
    }
    arg.vt = type;
    switch (type) {
    case VT_I2: arg.iVal = static_cast<SHORT>(va_arg(argList, int)); break;
    case VT_I4: arg.lVal = va_arg(argList, long); break;
    case VT_R4: arg.fltVal = static_cast<float>(va_arg(argList, double)); break;
    case VT_R8: arg.dblVal = va_arg(argList, double); break;
    case VT_CY: arg.cyVal = va_arg(argList, CY); break;
    case VT_DATE: arg.date = va_arg(argList, DATE); break;
    case VT_BSTR: {
        const wchar_t* text = va_arg(argList, const wchar_t*);
        arg.bstrVal = SysAllocString(text ? text : L"");
        if (!arg.bstrVal) {
            arg.vt = VT_EMPTY;
            AfxThrowOleException(E_OUTOFMEMORY);
        }
        args.Own(arg.bstrVal);
        break;
    }
    case VT_DISPATCH: arg.pdispVal = va_arg(argList, LPDISPATCH); break;
    case VT_ERROR: arg.scode = va_arg(argList, SCODE); break;
    case VT_BOOL: arg.boolVal = va_arg(argList, BOOL) ? VARIANT_TRUE : VARIANT_FALSE; break;
    case VT_VARIANT: {
        const VARIANT* given = va_arg(argList, const VARIANT*);
        if (given) {
            arg = *given;
        } else {
            arg.vt = VT_ERROR;
            arg.scode = DISP_E_PARAMNOTFOUND;
        }
        break;
    }
    case VT_UNKNOWN: arg.punkVal = va_arg(argList, LPUNKNOWN); break;
    case VT_UI1: arg.bVal = static_cast<BYTE>(va_arg(argList, int)); break;
    default:
        arg.vt = VT_EMPTY;
        AfxThrowOleException(E_INVALIDARG);
    }
}

[[noreturn]] void ThrowDispatchException(EXCEPINFO& info)
{
    if (info.pfnDeferredFillIn)
        info.pfnDeferredFillIn(&info);
    auto* e = new COleDispatchException(L"", 0, info.wCode);
    e->m_scError = info.scode;
    if (info.bstrDescription)
        e->m_strDescription = CString(info.bstrDescription, static_cast<int>(SysStringLen(info.bstrDescription)));
    if (info.bstrSource)
        e->m_strSource = CString(info.bstrSource, static_cast<int>(SysStringLen(info.bstrSource)));
    if (info.bstrHelpFile)
        e->m_strHelpFile = CString(info.bstrHelpFile, static_cast<int>(SysStringLen(info.bstrHelpFile)));
    e->m_dwHelpContext = info.dwHelpContext;
    SysFreeString(info.bstrDescription);
    SysFreeString(info.bstrSource);
    SysFreeString(info.bstrHelpFile);
    throw e;
}

// Stores the result as vtRet asks; the result variant is consumed.
void StoreResult(VARIANT& result, VARTYPE vtRet, void* pvRet)
{
    if (vtRet != VT_VARIANT && result.vt != vtRet) {
        if ((vtRet == VT_DISPATCH || vtRet == VT_UNKNOWN) && (result.vt == VT_EMPTY || result.vt == VT_NULL)) {
            *static_cast<LPUNKNOWN*>(pvRet) = nullptr;
            return;
        }
        HRESULT hr = VariantChangeType(&result, &result, 0, vtRet);
        if (FAILED(hr)) {
            VariantClear(&result);
            AfxThrowOleException(hr);
        }
    }
    switch (vtRet) {
    case VT_I2: *static_cast<short*>(pvRet) = result.iVal; break;
    case VT_I4: *static_cast<long*>(pvRet) = result.lVal; break;
    case VT_R4: *static_cast<float*>(pvRet) = result.fltVal; break;
    case VT_R8: *static_cast<double*>(pvRet) = result.dblVal; break;
    case VT_CY: *static_cast<CY*>(pvRet) = result.cyVal; break;
    case VT_DATE: *static_cast<DATE*>(pvRet) = result.date; break;
    case VT_ERROR: *static_cast<SCODE*>(pvRet) = result.scode; break;
    case VT_BOOL: *static_cast<BOOL*>(pvRet) = result.boolVal != VARIANT_FALSE; break;
    case VT_UI1: *static_cast<BYTE*>(pvRet) = result.bVal; break;
    case VT_BSTR:
        *static_cast<CString*>(pvRet) = CString(result.bstrVal, static_cast<int>(SysStringLen(result.bstrVal)));
        VariantClear(&result);
        break;
    // The reference and the variant's contents pass to the caller.
    case VT_DISPATCH: *static_cast<LPDISPATCH*>(pvRet) = result.pdispVal; break;
    case VT_UNKNOWN: *static_cast<LPUNKNOWN*>(pvRet) = result.punkVal; break;
    case VT_VARIANT: *static_cast<VARIANT*>(pvRet) = result; break;
    default:
        VariantClear(&result);
        AfxThrowOleException(E_INVALIDARG);
    }
}

} // namespace

COleDispatchDriver::COleDispatchDriver(LPDISPATCH lpDispatch, BOOL bAutoRelease)
    : m_lpDispatch(lpDispatch), m_bAutoRelease(bAutoRelease)
{
}

COleDispatchDriver::COleDispatchDriver(const COleDispatchDriver& dispatchSrc)
    : m_lpDispatch(dispatchSrc.m_lpDispatch)
{
    if (m_lpDispatch)
        m_lpDispatch->AddRef();
}

COleDispatchDriver& COleDispatchDriver::operator=(const COleDispatchDriver& dispatchSrc)
{
    if (this != &dispatchSrc) {
        LPDISPATCH other = dispatchSrc.m_lpDispatch;
        if (other)
            other->AddRef(); // before releasing: both may hold the same object
        ReleaseDispatch();
        m_lpDispatch = other;
        m_bAutoRelease = TRUE;
    }
    return *this;
}

COleDispatchDriver::COleDispatchDriver(COleDispatchDriver&& dispatchSrc) noexcept
    : m_lpDispatch(dispatchSrc.m_lpDispatch), m_bAutoRelease(dispatchSrc.m_bAutoRelease)
{
    dispatchSrc.m_lpDispatch = nullptr;
}

COleDispatchDriver& COleDispatchDriver::operator=(COleDispatchDriver&& dispatchSrc) noexcept
{
    if (this != &dispatchSrc) {
        ReleaseDispatch();
        m_lpDispatch = dispatchSrc.m_lpDispatch;
        m_bAutoRelease = dispatchSrc.m_bAutoRelease;
        dispatchSrc.m_lpDispatch = nullptr;
    }
    return *this;
}

COleDispatchDriver::~COleDispatchDriver()
{
    ReleaseDispatch();
}

BOOL COleDispatchDriver::CreateDispatch(REFCLSID clsid, COleException* pError)
{
    ReleaseDispatch();
    LPDISPATCH dispatch = nullptr;
    HRESULT hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_IDispatch,
                                  reinterpret_cast<void**>(&dispatch));
    if (FAILED(hr)) {
        if (pError)
            pError->m_sc = hr;
        return FALSE;
    }
    AttachDispatch(dispatch, TRUE);
    return TRUE;
}

BOOL COleDispatchDriver::CreateDispatch(LPCTSTR lpszProgID, COleException* pError)
{
    CLSID clsid;
    HRESULT hr = lpszProgID ? CLSIDFromProgID(lpszProgID, &clsid) : E_INVALIDARG;
    if (FAILED(hr)) {
        ReleaseDispatch();
        if (pError)
            pError->m_sc = hr;
        return FALSE;
    }
    return CreateDispatch(clsid, pError);
}

void COleDispatchDriver::AttachDispatch(LPDISPATCH lpDispatch, BOOL bAutoRelease)
{
    // Also when it is the same object: the caller hands over one more reference.
    ReleaseDispatch();
    m_lpDispatch = lpDispatch;
    m_bAutoRelease = bAutoRelease;
}

LPDISPATCH COleDispatchDriver::DetachDispatch()
{
    LPDISPATCH dispatch = m_lpDispatch;
    m_lpDispatch = nullptr;
    return dispatch;
}

void COleDispatchDriver::ReleaseDispatch()
{
    LPDISPATCH dispatch = DetachDispatch();
    if (dispatch && m_bAutoRelease)
        dispatch->Release();
}

void AFX_CDECL COleDispatchDriver::InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                                const BYTE* pbParamInfo, ...)
{
    va_list argList;
    va_start(argList, pbParamInfo);
    try {
        InvokeHelperV(dwDispID, wFlags, vtRet, pvRet, pbParamInfo, argList);
    } catch (...) {
        va_end(argList);
        throw;
    }
    va_end(argList);
}

void COleDispatchDriver::InvokeHelperV(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                       const BYTE* pbParamInfo, va_list argList)
{
    if (!m_lpDispatch)
        return;

    const size_t count = pbParamInfo ? std::strlen(reinterpret_cast<const char*>(pbParamInfo)) : 0;
    InvokeArguments args(count);
    va_list remaining;
    va_copy(remaining, argList);
    try {
        for (size_t i = 0; i < count; ++i)
            FillArgument(args, i, pbParamInfo[i], remaining);
    } catch (...) {
        va_end(remaining);
        throw;
    }
    va_end(remaining);

    DISPID namedPut = DISPID_PROPERTYPUT;
    DISPPARAMS params{};
    params.rgvarg = args.Data();
    params.cArgs = args.Count();
    if (wFlags & (DISPATCH_PROPERTYPUT | DISPATCH_PROPERTYPUTREF)) {
        params.rgdispidNamedArgs = &namedPut;
        params.cNamedArgs = 1;
    }

    VARIANT result;
    VariantInit(&result);
    EXCEPINFO info{};
    UINT argError = 0;
    HRESULT hr = m_lpDispatch->Invoke(dwDispID, IID_NULL, LOCALE_USER_DEFAULT, wFlags, &params,
                                      vtRet == VT_EMPTY ? nullptr : &result, &info, &argError);
    if (FAILED(hr)) {
        VariantClear(&result);
        if (hr == DISP_E_EXCEPTION)
            ThrowDispatchException(info);
        AfxThrowOleException(hr);
    }
    if (vtRet == VT_EMPTY)
        return;
    if (!pvRet) {
        VariantClear(&result); // a result was asked for but no place given
        return;
    }
    StoreResult(result, vtRet, pvRet);
}

void COleDispatchDriver::GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp) const
{
    const_cast<COleDispatchDriver*>(this)->InvokeHelper(dwDispID, DISPATCH_PROPERTYGET, vtProp, pvProp, nullptr);
}

void AFX_CDECL COleDispatchDriver::SetProperty(DISPID dwDispID, VARTYPE vtProp, ...)
{
    const BYTE paramInfo[2] = {static_cast<BYTE>(vtProp), 0};
    const WORD flags = vtProp == VT_DISPATCH ? DISPATCH_PROPERTYPUTREF : DISPATCH_PROPERTYPUT;
    va_list argList;
    va_start(argList, vtProp);
    try {
        InvokeHelperV(dwDispID, flags, VT_EMPTY, nullptr, paramInfo, argList);
    } catch (...) {
        va_end(argList);
        throw;
    }
    va_end(argList);
}
