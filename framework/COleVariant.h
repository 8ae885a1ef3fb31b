#pragma once
// A VARIANT that owns its contents: cleared (VariantClear) when it is assigned
// or destroyed, deep-copied (VariantCopy) when it is copied.
#include "Afx.h"
#include "CString.h"

#include <oleauto.h>

class COleDateTime;

class COleVariant : public tagVARIANT {
public:
    COleVariant(); // VT_EMPTY
    COleVariant(const VARIANT& varSrc);
    COleVariant(const COleVariant& varSrc);
    COleVariant(COleVariant&& varSrc) noexcept;
    COleVariant(LPCTSTR lpszSrc);   // VT_BSTR; a null pointer gives an empty text
    COleVariant(const CString& strSrc);
    // VT_I4, or VT_BOOL (nonzero = VARIANT_TRUE), or VT_ERROR (an SCODE).
    COleVariant(long lSrc, VARTYPE vtSrc = VT_I4);
    COleVariant(int nSrc, VARTYPE vtSrc = VT_I4);
    COleVariant(short nSrc, VARTYPE vtSrc = VT_I2); // VT_I2 or VT_BOOL
    COleVariant(BYTE nSrc);                          // VT_UI1
    COleVariant(double dblSrc);                      // VT_R8
    COleVariant(float fltSrc);                       // VT_R4
    COleVariant(const COleDateTime& dateSrc);        // VT_DATE
    ~COleVariant();

    COleVariant& operator=(const VARIANT& varSrc);
    COleVariant& operator=(const COleVariant& varSrc);
    COleVariant& operator=(COleVariant&& varSrc) noexcept;
    COleVariant& operator=(LPCTSTR lpszSrc);
    COleVariant& operator=(const CString& strSrc);
    COleVariant& operator=(long lSrc);   // keeps VT_BOOL or VT_ERROR when it holds one, else VT_I4
    COleVariant& operator=(short nSrc);  // keeps VT_BOOL when it holds one, else VT_I2
    COleVariant& operator=(BYTE nSrc);
    COleVariant& operator=(double dblSrc);
    COleVariant& operator=(float fltSrc);
    COleVariant& operator=(const COleDateTime& dateSrc);

    // Same type and same value (texts compared exactly; objects by pointer).
    bool operator==(const VARIANT& varSrc) const;
    bool operator!=(const VARIANT& varSrc) const { return !(*this == varSrc); }

    operator LPVARIANT() { return this; }
    operator const VARIANT*() const { return this; }

    void Clear();
    // Converts this variant, or pSrc into this one; throws COleException on failure
    // (this variant is then unchanged).
    void ChangeType(VARTYPE vartype, LPVARIANT pSrc = nullptr);
    // Takes over varSrc's contents without a copy; varSrc becomes VT_EMPTY.
    void Attach(VARIANT& varSrc);
    // Hands the contents to the caller (who must VariantClear them); this becomes VT_EMPTY.
    VARIANT Detach();

private:
    void SetText(const wchar_t* text, UINT length);
};
