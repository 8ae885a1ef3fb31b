#pragma once

#include "CException.h"

class CMemoryException : public CSimpleException
{
    DECLARE_DYNAMIC(CMemoryException)
public:
    explicit CMemoryException(BOOL bAutoDelete = TRUE) : CSimpleException(bAutoDelete) {}

protected:
    CString GetMessageText() const override;
};

[[noreturn]] void AfxThrowMemoryException();
