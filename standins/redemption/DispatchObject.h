#pragma once
// The IDispatch base of the stand-in's objects: reference counting, dispatch by DISPID
// only (no type information, no names), and checked access to the arguments.
#include <windows.h>
#include <oleauto.h>

#include <stdexcept>
#include <string>

namespace rdo {

// A failure that the caller sees as an automation exception (DISP_E_EXCEPTION) with this text.
class AutomationError : public std::runtime_error {
public:
    explicit AutomationError(const std::string& what) : std::runtime_error(what) {}
};

// A failure reported as a plain HRESULT (unknown member, wrong argument count or type).
struct DispatchFailure {
    HRESULT hr;
    UINT argument;
};

// The arguments of one call, in the caller's order (DISPPARAMS holds them reversed).
class Arguments {
public:
    Arguments(WORD flags, const DISPPARAMS* params);
    // Throws DispatchFailure unless the call has this kind and this many arguments.
    void expect(WORD kind, UINT count) const;
    bool isPut() const { return (flags_ & DISPATCH_PROPERTYPUT) != 0; }
    const VARIANT& at(UINT index) const;
    std::wstring text(UINT index) const;   // VT_BSTR
    long integer(UINT index) const;        // VT_I4 (or VT_I2)
    DATE date(UINT index) const;           // VT_DATE
    bool boolean(UINT index) const;        // VT_BOOL
private:
    WORD flags_;
    const DISPPARAMS* params_;
};

class DispatchObject : public IDispatch {
public:
    DispatchObject();
    virtual ~DispatchObject();
    DispatchObject(const DispatchObject&) = delete;
    DispatchObject& operator=(const DispatchObject&) = delete;

    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override;
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo** info) override;
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override;
    HRESULT STDMETHODCALLTYPE Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                                     EXCEPINFO* exception, UINT* argError) override;

    // Objects alive in this module (DllCanUnloadNow).
    static LONG liveObjects();

protected:
    // One call: answers the result (VT_EMPTY for none) or throws AutomationError /
    // DispatchFailure; an unknown id throws DispatchFailure{DISP_E_MEMBERNOTFOUND}.
    virtual void call(DISPID id, const Arguments& args, VARIANT& result) = 0;
    [[noreturn]] static void unknownMember();
    static void putText(VARIANT& result, const std::wstring& text);
    static void putBool(VARIANT& result, bool value);
    // Hands a new object to the caller (the result holds its only reference).
    static void putObject(VARIANT& result, DispatchObject* object);

private:
    LONG refs_ = 1;
};

std::string toUtf8(const std::wstring& text);
std::wstring fromUtf8(const std::string& text);

}
