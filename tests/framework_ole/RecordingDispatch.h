#pragma once
// An automation object for tests: records every Invoke (DISPID, flags, the
// arguments as received, named arguments) and answers with a chosen result or
// failure. It lives on the stack; the reference count is only observed.
#include <functional>
#include <vector>

#include "COleVariant.h"

class RecordingDispatch : public IDispatch {
public:
    RecordingDispatch() { VariantInit(&result); }
    virtual ~RecordingDispatch() { VariantClear(&result); }

    // Behaviour.
    HRESULT answer = S_OK;
    VARIANT result;                   // copied into the caller's result
    const wchar_t* errorDescription = L"";
    SCODE errorScode = 0;
    WORD errorCode = 0;
    std::function<void(DISPPARAMS*)> onInvoke;

    // Observations.
    LONG refs = 1;
    int calls = 0;
    DISPID dispid = DISPID_UNKNOWN;
    WORD flags = 0;
    bool resultRequested = false;
    std::vector<COleVariant> args;    // in DISPPARAMS order: last argument first
    std::vector<DISPID> named;

    void SetResult(const VARIANT& value) { VariantCopy(&result, const_cast<VARIANT*>(&value)); }

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** ppv) override
    {
        if (riid == IID_IUnknown || riid == IID_IDispatch) {
            *ppv = static_cast<IDispatch*>(this);
            AddRef();
            return S_OK;
        }
        *ppv = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&refs)); }
    ULONG STDMETHODCALLTYPE Release() override { return static_cast<ULONG>(InterlockedDecrement(&refs)); }
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override
    {
        *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD wFlags, DISPPARAMS* params, VARIANT* pResult,
                                     EXCEPINFO* info, UINT*) override
    {
        ++calls;
        dispid = id;
        flags = wFlags;
        resultRequested = pResult != nullptr;
        args.clear();
        named.clear();
        for (UINT i = 0; i < params->cArgs; ++i)
            args.emplace_back(params->rgvarg[i]);
        for (UINT i = 0; i < params->cNamedArgs; ++i)
            named.push_back(params->rgdispidNamedArgs[i]);
        if (onInvoke)
            onInvoke(params);
        if (answer == DISP_E_EXCEPTION && info) {
            *info = EXCEPINFO{};
            info->wCode = errorCode;
            info->scode = errorScode;
            info->bstrDescription = SysAllocString(errorDescription);
            info->bstrSource = SysAllocString(L"RecordingDispatch");
        }
        if (FAILED(answer))
            return answer;
        if (pResult)
            VariantCopy(pResult, &result);
        return S_OK;
    }
};
