#pragma once
// Late-bound automation: drives one IDispatch object by DISPID.
#include "Afx.h"
#include "COleDispatchException.h"
#include "COleException.h"
#include "CString.h"

#include <cstdarg>
#include <oleauto.h>

// Argument lists of InvokeHelper: one byte per argument, the argument's VARTYPE;
// 0x40 marks a pointer (by-reference) argument. Concatenate them:
//   static const BYTE params[] = VTS_BSTR VTS_I4;
// Each argument is passed to InvokeHelper as:
//   VTS_I2 short, VTS_I4 long, VTS_R4 float, VTS_R8 double, VTS_CY CY,
//   VTS_DATE DATE, VTS_BSTR LPCTSTR (copied into a BSTR for the call),
//   VTS_DISPATCH LPDISPATCH, VTS_SCODE SCODE, VTS_BOOL BOOL,
//   VTS_VARIANT const VARIANT* (passed as it stands; a null pointer passes
//   "argument missing"), VTS_UNKNOWN LPUNKNOWN, VTS_UI1 BYTE;
//   VTS_PI2 short*, VTS_PI4 long*, VTS_PBSTR BSTR*, VTS_PDISPATCH LPDISPATCH*,
//   VTS_PVARIANT VARIANT*, VTS_PBOOL VARIANT_BOOL* (the server writes through them).
#define VTS_NONE ""
#define VTS_I2 "\x02"
#define VTS_I4 "\x03"
#define VTS_R4 "\x04"
#define VTS_R8 "\x05"
#define VTS_CY "\x06"
#define VTS_DATE "\x07"
#define VTS_BSTR "\x08"
#define VTS_DISPATCH "\x09"
#define VTS_SCODE "\x0A"
#define VTS_BOOL "\x0B"
#define VTS_VARIANT "\x0C"
#define VTS_UNKNOWN "\x0D"
#define VTS_UI1 "\x11"
#define VTS_PI2 "\x42"
#define VTS_PI4 "\x43"
#define VTS_PBSTR "\x48"
#define VTS_PDISPATCH "\x49"
#define VTS_PBOOL "\x4B"
#define VTS_PVARIANT "\x4C"

class COleDispatchDriver {
public:
    COleDispatchDriver() = default;
    explicit COleDispatchDriver(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE);
    // Copies share the object: one more reference, released by the copy.
    COleDispatchDriver(const COleDispatchDriver& dispatchSrc);
    COleDispatchDriver& operator=(const COleDispatchDriver& dispatchSrc);
    COleDispatchDriver(COleDispatchDriver&& dispatchSrc) noexcept;
    COleDispatchDriver& operator=(COleDispatchDriver&& dispatchSrc) noexcept;
    virtual ~COleDispatchDriver();

    // Creates the object (in-process server first, else a local server) and
    // keeps its IDispatch with auto-release on; an object held before is
    // released first. FALSE on failure, with the reason in *pError when given.
    // OLE must be initialised on the calling thread.
    BOOL CreateDispatch(REFCLSID clsid, COleException* pError = nullptr);
    BOOL CreateDispatch(LPCTSTR lpszProgID, COleException* pError = nullptr);

    // Holds lpDispatch, releasing the object held before (when auto-release).
    // The reference given is taken over, not added to.
    void AttachDispatch(LPDISPATCH lpDispatch, BOOL bAutoRelease = TRUE);
    // Gives the object (and its reference) back to the caller; the driver is empty.
    LPDISPATCH DetachDispatch();
    // Releases the object when auto-release is on; the driver is empty.
    void ReleaseDispatch();

    // One IDispatch::Invoke. wFlags: DISPATCH_METHOD, DISPATCH_PROPERTYGET,
    // DISPATCH_PROPERTYPUT or DISPATCH_PROPERTYPUTREF (passed as given; puts name
    // their one argument DISPID_PROPERTYPUT). pbParamInfo: a VTS_ list (or null)
    // describing the arguments that follow. vtRet: VT_EMPTY (no result), VT_I2
    // short, VT_I4 long, VT_R4 float, VT_R8 double, VT_CY CY, VT_DATE DATE,
    // VT_BSTR CString, VT_DISPATCH LPDISPATCH (caller owns; null when the server
    // answers with no object), VT_UNKNOWN LPUNKNOWN (caller owns), VT_ERROR SCODE,
    // VT_BOOL BOOL, VT_UI1 BYTE, VT_VARIANT VARIANT (overwritten, not cleared;
    // caller owns). A result of another type is converted (VariantChangeType).
    // Throws COleDispatchException* when the object reports an exception
    // (DISP_E_EXCEPTION), COleException* for any other failure; the caller
    // deletes it (Delete()). A driver that holds no object makes no call and
    // leaves *pvRet as it was.
    void AFX_CDECL InvokeHelper(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet,
                                const BYTE* pbParamInfo, ...);
    void InvokeHelperV(DISPID dwDispID, WORD wFlags, VARTYPE vtRet, void* pvRet, const BYTE* pbParamInfo,
                       va_list argList);

    // A property get; the value is stored as InvokeHelper stores results.
    void GetProperty(DISPID dwDispID, VARTYPE vtProp, void* pvProp) const;
    // A property put of one value passed as the VTS_ of vtProp describes it
    // (VT_DISPATCH values are put by reference: DISPATCH_PROPERTYPUTREF).
    void AFX_CDECL SetProperty(DISPID dwDispID, VARTYPE vtProp, ...);

    operator LPDISPATCH() const { return m_lpDispatch; }

    LPDISPATCH m_lpDispatch = nullptr;
    BOOL m_bAutoRelease = TRUE;
};
