#include "CNotSupportedException.h"

IMPLEMENT_DYNAMIC(CNotSupportedException, CSimpleException)

CString CNotSupportedException::GetMessageText() const
{
    return L"The operation is not supported.";
}

void AfxThrowNotSupportedException()
{
    throw new CNotSupportedException;
}
