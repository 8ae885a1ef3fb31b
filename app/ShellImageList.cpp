#include "ShellImageList.h"

#include <shellapi.h>

HIMAGELIST ShellImageList::GetSystemImageList(bool small) const
{
    SHFILEINFOW info{};
    UINT flags = SHGFI_SYSICONINDEX | (small ? SHGFI_SMALLICON : 0);
    return reinterpret_cast<HIMAGELIST>(::SHGetFileInfoW(L"c:\\", 0, &info, sizeof(info), flags));
}

int ShellImageList::GetIconIndex(const CString& path, bool small) const
{
    SHFILEINFOW info{};
    UINT flags = SHGFI_SYSICONINDEX | SHGFI_USEFILEATTRIBUTES | (small ? SHGFI_SMALLICON : 0);
    ::SHGetFileInfoW(path, FILE_ATTRIBUTE_NORMAL, &info, sizeof(info), flags);
    return info.iIcon;
}
