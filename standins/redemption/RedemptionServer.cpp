// The in-process server: class factory, registration and the module's exports.
#include <windows.h>
#include <olectl.h>

#include <string>

#include "RdoSession.h"

namespace {

// {5E3B8A31-6C0D-4F7A-9B2E-0A1C4D7E9F21}
const CLSID kSessionClsid = {0x5E3B8A31, 0x6C0D, 0x4F7A, {0x9B, 0x2E, 0x0A, 0x1C, 0x4D, 0x7E, 0x9F, 0x21}};
const wchar_t kSessionClsidText[] = L"{5E3B8A31-6C0D-4F7A-9B2E-0A1C4D7E9F21}";
const wchar_t kProgId[] = L"Redemption.RDOSession";

HMODULE g_module = nullptr;
LONG g_locks = 0;

class SessionFactory : public IClassFactory {
public:
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        if (IsEqualIID(riid, IID_IUnknown) || IsEqualIID(riid, IID_IClassFactory)) {
            *object = static_cast<IClassFactory*>(this);
            return S_OK;
        }
        *object = nullptr;
        return E_NOINTERFACE;
    }
    // The factory is a static object: counting is not needed.
    ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
    ULONG STDMETHODCALLTYPE Release() override { return 1; }
    HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID riid, void** object) override
    {
        if (!object)
            return E_POINTER;
        *object = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        rdo::Session* session = new (std::nothrow) rdo::Session;
        if (!session)
            return E_OUTOFMEMORY;
        const HRESULT hr = session->QueryInterface(riid, object);
        session->Release();
        return hr;
    }
    HRESULT STDMETHODCALLTYPE LockServer(BOOL lock) override
    {
        if (lock)
            InterlockedIncrement(&g_locks);
        else
            InterlockedDecrement(&g_locks);
        return S_OK;
    }
};

SessionFactory g_factory;

bool setValue(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value)
{
    HKEY h;
    if (RegCreateKeyExW(root, key.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &h, nullptr) != ERROR_SUCCESS)
        return false;
    const LSTATUS rc = RegSetValueExW(h, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                      static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(h);
    return rc == ERROR_SUCCESS;
}

}

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH) {
        g_module = instance;
        DisableThreadLibraryCalls(instance);
    }
    return TRUE;
}

extern "C" HRESULT STDAPICALLTYPE DllGetClassObject(REFCLSID clsid, REFIID riid, LPVOID* object)
{
    if (!object)
        return E_POINTER;
    *object = nullptr;
    if (!IsEqualCLSID(clsid, kSessionClsid))
        return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(riid, object);
}

extern "C" HRESULT STDAPICALLTYPE DllCanUnloadNow()
{
    return rdo::DispatchObject::liveObjects() == 0 && g_locks == 0 ? S_OK : S_FALSE;
}

extern "C" HRESULT STDAPICALLTYPE DllRegisterServer()
{
    wchar_t path[MAX_PATH * 4];
    const DWORD n = GetModuleFileNameW(g_module, path, MAX_PATH * 4);
    if (n == 0 || n >= MAX_PATH * 4)
        return SELFREG_E_CLASS;
    const std::wstring clsidKey = std::wstring(L"CLSID\\") + kSessionClsidText;
    const bool ok = setValue(HKEY_CLASSES_ROOT, std::wstring(kProgId) + L"\\CLSID", nullptr, kSessionClsidText)
        && setValue(HKEY_CLASSES_ROOT, clsidKey, nullptr, kProgId)
        && setValue(HKEY_CLASSES_ROOT, clsidKey + L"\\ProgID", nullptr, kProgId)
        && setValue(HKEY_CLASSES_ROOT, clsidKey + L"\\InprocServer32", nullptr, path)
        && setValue(HKEY_CLASSES_ROOT, clsidKey + L"\\InprocServer32", L"ThreadingModel", L"Apartment");
    return ok ? S_OK : SELFREG_E_CLASS;
}

extern "C" HRESULT STDAPICALLTYPE DllUnregisterServer()
{
    RegDeleteTreeW(HKEY_CLASSES_ROOT, (std::wstring(L"CLSID\\") + kSessionClsidText).c_str());
    RegDeleteTreeW(HKEY_CLASSES_ROOT, kProgId);
    return S_OK;
}
