#pragma once

#include "CException.h"

class CNotSupportedException : public CSimpleException
{
    DECLARE_DYNAMIC(CNotSupportedException)
public:
    explicit CNotSupportedException(BOOL bAutoDelete = TRUE) : CSimpleException(bAutoDelete) {}

protected:
    CString GetMessageText() const override;
};

[[noreturn]] void AfxThrowNotSupportedException();
