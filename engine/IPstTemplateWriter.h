#pragma once
#include "CString.h"

// What the PST writer needs of the main frame: writing the blank PST resource of the
// given id to a file (the frame keeps the module that carries the resources).
class IPstTemplateWriter {
public:
    virtual ~IPstTemplateWriter() = default;
    virtual void ExtractPstTemplate(const CString& path, UINT resourceId) = 0;
};
