#pragma once
// Framework code calls GetSafeHandle-style members through pointers that may be
// null (a font that was never set, a missing parent window). The compiler may
// assume `this` is never null and drop a plain check, so the pointer passes an
// empty asm statement that hides where it came from.

inline bool AfxIsNullObject(const void* pObject)
{
    asm("" : "+r"(pObject));
    return pObject == nullptr;
}
