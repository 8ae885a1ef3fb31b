#pragma once
#include <windows.h>

#include "CString.h"

// The blank PST files carried as resources of type "PST": 224 Unicode, 225 ANSI.
class PstTemplateResource {
public:
    enum : UINT { Unicode = 224, Ansi = 225 };

    // Writes the resource's bytes to the file (created or replaced). False when the module
    // has no such resource (no file is written) or the file could not be written whole
    // (a partly written file is deleted).
    static bool Extract(HMODULE module, const CString& path, UINT resourceId);
};
