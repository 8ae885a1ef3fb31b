#include "CMemoryException.h"

IMPLEMENT_DYNAMIC(CMemoryException, CSimpleException)

CString CMemoryException::GetMessageText() const
{
    return L"There is not enough memory.";
}

void AfxThrowMemoryException()
{
    // Allocating the exception itself could fail: one static instance serves.
    static CMemoryException outOfMemory(FALSE);
    throw &outOfMemory;
}
