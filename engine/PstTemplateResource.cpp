#include "PstTemplateResource.h"

bool PstTemplateResource::Extract(HMODULE module, const CString& path, UINT resourceId)
{
    HRSRC resource = FindResourceW(module, MAKEINTRESOURCEW(resourceId), L"PST");
    if (!resource)
        return false;
    HGLOBAL loaded = LoadResource(module, resource);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    const DWORD size = SizeofResource(module, resource);
    if (!bytes || size == 0)
        return false;
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    const bool whole = WriteFile(file, bytes, size, &written, nullptr) != FALSE && written == size;
    const bool closed = CloseHandle(file) != FALSE;
    if (whole && closed)
        return true;
    // A half-written template would be taken for a damaged PST: leave no file at all.
    DeleteFileW(path);
    return false;
}
