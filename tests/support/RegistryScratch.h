#pragma once
#include <windows.h>

#include <string>

namespace testsupport {

// A scratch key under HKEY_CURRENT_USER, deleted with its subkeys before and after.
class RegistryScratch {
public:
    explicit RegistryScratch(std::wstring path);
    ~RegistryScratch();
    RegistryScratch(const RegistryScratch&) = delete;
    RegistryScratch& operator=(const RegistryScratch&) = delete;

    HKEY Key() const { return m_hKey; }
    // The path under HKEY_CURRENT_USER.
    const std::wstring& Path() const { return m_path; }
    // Whether the subkey (empty: the key itself) has the value.
    bool Has(const wchar_t* sub, const wchar_t* value) const;
    // Writes a value as it is, making the subkey when needed.
    void SetRaw(const wchar_t* sub, const wchar_t* value, DWORD type, const void* data, DWORD size) const;

private:
    std::wstring m_path;
    HKEY m_hKey = nullptr;
};

// What Wine's reg.exe prints for a key under HKEY_CURRENT_USER, so values are
// read by another program than the one that wrote them.
std::string RegQuery(const std::wstring& path);

} // namespace testsupport
