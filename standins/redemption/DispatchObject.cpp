#include "DispatchObject.h"

#include <new>

#include "PstError.h"

namespace rdo {
namespace {
LONG g_liveObjects = 0;
}

Arguments::Arguments(WORD flags, const DISPPARAMS* params) : flags_(flags), params_(params) {}

void Arguments::expect(WORD kind, UINT count) const
{
    const UINT given = params_ ? params_->cArgs : 0;
    if (!(flags_ & kind))
        throw DispatchFailure{DISP_E_MEMBERNOTFOUND, 0};
    if (kind == DISPATCH_PROPERTYPUT) {
        if (given != 1 || params_->cNamedArgs != 1 || params_->rgdispidNamedArgs[0] != DISPID_PROPERTYPUT)
            throw DispatchFailure{DISP_E_BADPARAMCOUNT, 0};
        return;
    }
    if (given != count)
        throw DispatchFailure{DISP_E_BADPARAMCOUNT, 0};
    if (params_ && params_->cNamedArgs != 0)
        throw DispatchFailure{DISP_E_NONAMEDARGS, 0};
}

const VARIANT& Arguments::at(UINT index) const
{
    return params_->rgvarg[params_->cArgs - 1 - index];
}

namespace {
const VARIANT& typed(const Arguments& args, UINT index, VARTYPE type)
{
    const VARIANT& v = args.at(index);
    if (V_VT(&v) != type)
        throw DispatchFailure{DISP_E_TYPEMISMATCH, index};
    return v;
}
}

std::wstring Arguments::text(UINT index) const
{
    const VARIANT& v = typed(*this, index, VT_BSTR);
    return V_BSTR(&v) ? std::wstring(V_BSTR(&v), SysStringLen(V_BSTR(&v))) : std::wstring();
}

long Arguments::integer(UINT index) const
{
    const VARIANT& v = at(index);
    if (V_VT(&v) == VT_I2)
        return V_I2(&v);
    return V_I4(&typed(*this, index, VT_I4));
}

DATE Arguments::date(UINT index) const
{
    return V_DATE(&typed(*this, index, VT_DATE));
}

bool Arguments::boolean(UINT index) const
{
    return V_BOOL(&typed(*this, index, VT_BOOL)) != VARIANT_FALSE;
}

DispatchObject::DispatchObject()
{
    InterlockedIncrement(&g_liveObjects);
}

DispatchObject::~DispatchObject()
{
    InterlockedDecrement(&g_liveObjects);
}

LONG DispatchObject::liveObjects()
{
    return g_liveObjects;
}

HRESULT STDMETHODCALLTYPE DispatchObject::QueryInterface(REFIID riid, void** object)
{
    if (!object)
        return E_POINTER;
    if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IDispatch)) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG STDMETHODCALLTYPE DispatchObject::AddRef()
{
    return static_cast<ULONG>(InterlockedIncrement(&refs_));
}

ULONG STDMETHODCALLTYPE DispatchObject::Release()
{
    const LONG left = InterlockedDecrement(&refs_);
    if (left == 0)
        delete this;
    return static_cast<ULONG>(left);
}

HRESULT STDMETHODCALLTYPE DispatchObject::GetTypeInfoCount(UINT* count)
{
    if (!count)
        return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT STDMETHODCALLTYPE DispatchObject::GetTypeInfo(UINT, LCID, ITypeInfo** info)
{
    if (info)
        *info = nullptr;
    return DISP_E_BADINDEX;
}

HRESULT STDMETHODCALLTYPE DispatchObject::GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*)
{
    return DISP_E_UNKNOWNNAME;
}

HRESULT STDMETHODCALLTYPE DispatchObject::Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params,
                                                 VARIANT* result, EXCEPINFO* exception, UINT* argError)
{
    VARIANT value;
    VariantInit(&value);
    std::wstring failure;
    try {
        call(id, Arguments(flags, params), value);
        if (result)
            *result = value;   // hands the value over
        else
            VariantClear(&value);
        return S_OK;
    } catch (const DispatchFailure& f) {
        VariantClear(&value);
        if (argError && f.hr == DISP_E_TYPEMISMATCH && params)
            *argError = params->cArgs - 1 - f.argument;
        return f.hr;
    } catch (const AutomationError& e) {
        failure = fromUtf8(e.what());
    } catch (const pst::PstError& e) {
        failure = fromUtf8(e.what());
    } catch (const std::bad_alloc&) {
        VariantClear(&value);
        return E_OUTOFMEMORY;
    } catch (const std::exception& e) {
        failure = fromUtf8(e.what());
    }
    VariantClear(&value);
    if (exception) {
        *exception = EXCEPINFO{};
        exception->scode = DISP_E_EXCEPTION;
        exception->bstrSource = SysAllocString(L"Redemption");
        exception->bstrDescription = SysAllocString(failure.c_str());
    }
    return DISP_E_EXCEPTION;
}

void DispatchObject::unknownMember()
{
    throw DispatchFailure{DISP_E_MEMBERNOTFOUND, 0};
}

void DispatchObject::putText(VARIANT& result, const std::wstring& text)
{
    V_VT(&result) = VT_BSTR;
    V_BSTR(&result) = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
}

void DispatchObject::putBool(VARIANT& result, bool value)
{
    V_VT(&result) = VT_BOOL;
    V_BOOL(&result) = value ? VARIANT_TRUE : VARIANT_FALSE;
}

void DispatchObject::putObject(VARIANT& result, DispatchObject* object)
{
    V_VT(&result) = VT_DISPATCH;
    V_DISPATCH(&result) = object;
}

std::string toUtf8(const std::wstring& text)
{
    if (text.empty())
        return {};
    const int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::wstring fromUtf8(const std::string& text)
{
    if (text.empty())
        return {};
    const int n = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

}
