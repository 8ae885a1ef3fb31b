#pragma once

#include "CException.h"

class COleException : public CException
{
    DECLARE_DYNAMIC(COleException)
public:
    explicit COleException(SCODE sc = S_OK) : m_sc(sc) {}

    // The status code an exception stands for (E_OUTOFMEMORY for memory,
    // E_NOTIMPL for not-supported, E_UNEXPECTED otherwise).
    static SCODE Process(const CException* pAnyException);

    SCODE m_sc;

protected:
    CString GetMessageText() const override;
};

[[noreturn]] void AfxThrowOleException(SCODE sc);
