#pragma once

#include "CException.h"

class CResourceException : public CSimpleException
{
    DECLARE_DYNAMIC(CResourceException)
public:
    explicit CResourceException(BOOL bAutoDelete = TRUE) : CSimpleException(bAutoDelete) {}

protected:
    CString GetMessageText() const override;
};

[[noreturn]] void AfxThrowResourceException();
