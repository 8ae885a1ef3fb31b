#include "COleVariant.h"

#include <cstring>

#include "COleDateTime.h"
#include "COleException.h"

namespace {

void CheckResult(HRESULT hr)
{
    if (FAILED(hr))
        AfxThrowOleException(hr);
}

} // namespace

COleVariant::COleVariant()
{
    VariantInit(this);
}

COleVariant::COleVariant(const VARIANT& varSrc)
{
    VariantInit(this);
    CheckResult(VariantCopy(this, const_cast<VARIANT*>(&varSrc)));
}

COleVariant::COleVariant(const COleVariant& varSrc) : COleVariant(static_cast<const VARIANT&>(varSrc))
{
}

COleVariant::COleVariant(COleVariant&& varSrc) noexcept
{
    VariantInit(this);
    Attach(varSrc);
}

COleVariant::COleVariant(LPCTSTR lpszSrc)
{
    VariantInit(this);
    SetText(lpszSrc, lpszSrc ? static_cast<UINT>(wcslen(lpszSrc)) : 0);
}

COleVariant::COleVariant(const CString& strSrc)
{
    VariantInit(this);
    SetText(strSrc.GetString(), static_cast<UINT>(strSrc.GetLength()));
}

COleVariant::COleVariant(long lSrc, VARTYPE vtSrc)
{
    VariantInit(this);
    if (vtSrc == VT_BOOL) {
        vt = VT_BOOL;
        boolVal = lSrc ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (vtSrc == VT_ERROR) {
        vt = VT_ERROR;
        scode = lSrc;
    } else {
        vt = VT_I4;
        lVal = lSrc;
    }
}

COleVariant::COleVariant(int nSrc, VARTYPE vtSrc) : COleVariant(static_cast<long>(nSrc), vtSrc)
{
}

COleVariant::COleVariant(short nSrc, VARTYPE vtSrc)
{
    VariantInit(this);
    if (vtSrc == VT_BOOL) {
        vt = VT_BOOL;
        boolVal = nSrc ? VARIANT_TRUE : VARIANT_FALSE;
    } else {
        vt = VT_I2;
        iVal = nSrc;
    }
}

COleVariant::COleVariant(BYTE nSrc)
{
    VariantInit(this);
    vt = VT_UI1;
    bVal = nSrc;
}

COleVariant::COleVariant(double dblSrc)
{
    VariantInit(this);
    vt = VT_R8;
    dblVal = dblSrc;
}

COleVariant::COleVariant(float fltSrc)
{
    VariantInit(this);
    vt = VT_R4;
    fltVal = fltSrc;
}

COleVariant::COleVariant(const COleDateTime& dateSrc)
{
    VariantInit(this);
    vt = VT_DATE;
    date = dateSrc.m_dt;
}

COleVariant::~COleVariant()
{
    VariantClear(this);
}

void COleVariant::SetText(const wchar_t* text, UINT length)
{
    BSTR copy = SysAllocStringLen(text ? text : L"", length);
    if (!copy)
        AfxThrowOleException(E_OUTOFMEMORY);
    vt = VT_BSTR;
    bstrVal = copy;
}

COleVariant& COleVariant::operator=(const VARIANT& varSrc)
{
    if (&varSrc != this)
        CheckResult(VariantCopy(this, const_cast<VARIANT*>(&varSrc)));
    return *this;
}

COleVariant& COleVariant::operator=(const COleVariant& varSrc)
{
    return *this = static_cast<const VARIANT&>(varSrc);
}

COleVariant& COleVariant::operator=(COleVariant&& varSrc) noexcept
{
    if (&varSrc != this)
        Attach(varSrc);
    return *this;
}

COleVariant& COleVariant::operator=(LPCTSTR lpszSrc)
{
    COleVariant text(lpszSrc);
    return *this = std::move(text);
}

COleVariant& COleVariant::operator=(const CString& strSrc)
{
    COleVariant text(strSrc);
    return *this = std::move(text);
}

COleVariant& COleVariant::operator=(long lSrc)
{
    if (vt == VT_BOOL) {
        boolVal = lSrc ? VARIANT_TRUE : VARIANT_FALSE;
    } else if (vt == VT_ERROR) {
        scode = lSrc;
    } else {
        Clear();
        vt = VT_I4;
        lVal = lSrc;
    }
    return *this;
}

COleVariant& COleVariant::operator=(short nSrc)
{
    if (vt == VT_BOOL) {
        boolVal = nSrc ? VARIANT_TRUE : VARIANT_FALSE;
    } else {
        Clear();
        vt = VT_I2;
        iVal = nSrc;
    }
    return *this;
}

COleVariant& COleVariant::operator=(BYTE nSrc)
{
    Clear();
    vt = VT_UI1;
    bVal = nSrc;
    return *this;
}

COleVariant& COleVariant::operator=(double dblSrc)
{
    Clear();
    vt = VT_R8;
    dblVal = dblSrc;
    return *this;
}

COleVariant& COleVariant::operator=(float fltSrc)
{
    Clear();
    vt = VT_R4;
    fltVal = fltSrc;
    return *this;
}

COleVariant& COleVariant::operator=(const COleDateTime& dateSrc)
{
    Clear();
    vt = VT_DATE;
    date = dateSrc.m_dt;
    return *this;
}

bool COleVariant::operator==(const VARIANT& other) const
{
    if (vt != other.vt)
        return false;
    if (vt & VT_BYREF)
        return byref == other.byref;
    switch (vt) {
    case VT_EMPTY:
    case VT_NULL:
        return true;
    case VT_BSTR: {
        const UINT bytes = SysStringByteLen(bstrVal);
        return bytes == SysStringByteLen(other.bstrVal) && std::memcmp(bstrVal, other.bstrVal, bytes) == 0;
    }
    case VT_DISPATCH:
    case VT_UNKNOWN:
        return punkVal == other.punkVal;
    case VT_BOOL: return boolVal == other.boolVal;
    case VT_ERROR: return scode == other.scode;
    case VT_I1: return cVal == other.cVal;
    case VT_UI1: return bVal == other.bVal;
    case VT_I2: return iVal == other.iVal;
    case VT_UI2: return uiVal == other.uiVal;
    case VT_I4:
    case VT_INT: return lVal == other.lVal;
    case VT_UI4:
    case VT_UINT: return ulVal == other.ulVal;
    case VT_I8: return llVal == other.llVal;
    case VT_UI8: return ullVal == other.ullVal;
    case VT_R4: return fltVal == other.fltVal;
    case VT_R8: return dblVal == other.dblVal;
    case VT_DATE: return date == other.date;
    case VT_CY: return cyVal.int64 == other.cyVal.int64;
    default:
        return VarCmp(const_cast<COleVariant*>(this), const_cast<VARIANT*>(&other), LOCALE_USER_DEFAULT, 0) ==
               VARCMP_EQ;
    }
}

void COleVariant::Clear()
{
    VariantClear(this);
}

void COleVariant::ChangeType(VARTYPE vartype, LPVARIANT pSrc)
{
    if (!pSrc)
        pSrc = this;
    if (pSrc == this && vt == vartype)
        return;
    VARIANT converted;
    VariantInit(&converted);
    CheckResult(VariantChangeType(&converted, pSrc, 0, vartype));
    VariantClear(this);
    static_cast<VARIANT&>(*this) = converted;
}

void COleVariant::Attach(VARIANT& varSrc)
{
    if (&varSrc == this)
        return;
    VariantClear(this);
    static_cast<VARIANT&>(*this) = varSrc;
    varSrc.vt = VT_EMPTY;
}

VARIANT COleVariant::Detach()
{
    VARIANT contents = *this;
    vt = VT_EMPTY;
    return contents;
}
