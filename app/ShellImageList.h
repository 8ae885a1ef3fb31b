#pragma once
#include "Framework.h"

// The shell's system image list and the icon index the shell uses for a file name.
class ShellImageList {
public:
    virtual ~ShellImageList() = default;
    HIMAGELIST GetSystemImageList(bool small) const;
    // The file need not exist: the index follows the name's extension.
    int GetIconIndex(const CString& path, bool small) const;
};
