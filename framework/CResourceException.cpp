#include "CResourceException.h"

IMPLEMENT_DYNAMIC(CResourceException, CSimpleException)

CString CResourceException::GetMessageText() const
{
    return L"A required resource was not available.";
}

void AfxThrowResourceException()
{
    throw new CResourceException;
}
