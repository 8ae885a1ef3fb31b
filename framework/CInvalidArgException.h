#pragma once

#include "CException.h"

class CInvalidArgException : public CSimpleException
{
    DECLARE_DYNAMIC(CInvalidArgException)
public:
    explicit CInvalidArgException(BOOL bAutoDelete = TRUE) : CSimpleException(bAutoDelete) {}

protected:
    CString GetMessageText() const override;
};

[[noreturn]] void AfxThrowInvalidArgException();
