#include "CPalette.h"
#include "CDC.h"

IMPLEMENT_DYNAMIC(CPalette, CGdiObject)

BOOL CPalette::CreateHalftonePalette(CDC* pDC)
{
    return Attach(::CreateHalftonePalette(pDC->m_hDC));
}

int CPalette::GetEntryCount() const
{
    WORD nEntries = 0;
    GetObject(sizeof(WORD), &nEntries);
    return nEntries;
}
