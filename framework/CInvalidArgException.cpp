#include "CInvalidArgException.h"

IMPLEMENT_DYNAMIC(CInvalidArgException, CSimpleException)

CString CInvalidArgException::GetMessageText() const
{
    return L"An invalid argument was encountered.";
}

void AfxThrowInvalidArgException()
{
    throw new CInvalidArgException;
}
