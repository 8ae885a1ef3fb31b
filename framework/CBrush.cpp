#include "CBrush.h"
#include "CBitmap.h"

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

BOOL CBrush::CreatePatternBrush(CBitmap* pBitmap)
{
    return Attach(::CreatePatternBrush(static_cast<HBITMAP>(pBitmap->GetSafeHandle())));
}
