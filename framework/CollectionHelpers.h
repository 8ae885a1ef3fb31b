#pragma once
// Element helpers shared by CArray, CList and CMap: equality, hashing, and
// serialization of elements.

#include <cstring>
#include <functional>
#include <type_traits>

#include "CArchive.h"
#include "CArchiveException.h"
#include "CNotSupportedException.h"
#include "CObject.h"
#include "CString.h"

template <class TYPE, class ARG_TYPE>
BOOL AFXAPI CompareElements(const TYPE* pElement1, const ARG_TYPE* pElement2)
{
    return *pElement1 == *pElement2;
}

// Mixes all bits of the key, so that keys in steps (cell indices, aligned
// pointers) still spread over the buckets.
inline UINT AfxHashMix(ULONGLONG key)
{
    key ^= key >> 33;
    key *= 0xFF51AFD7ED558CCDull;
    key ^= key >> 33;
    return static_cast<UINT>(key);
}

// Hash of a map key; specialise or overload it for key types of your own
// (types with std::hash work as they are).
template <class ARG_KEY>
UINT AFXAPI HashKey(ARG_KEY key)
{
    using K = std::remove_cvref_t<ARG_KEY>;
    if constexpr (std::is_integral_v<K> || std::is_enum_v<K>)
        return AfxHashMix(static_cast<ULONGLONG>(key));
    else if constexpr (std::is_pointer_v<K>)
        return AfxHashMix(static_cast<ULONGLONG>(reinterpret_cast<UINT_PTR>(key)));
    else
        return static_cast<UINT>(std::hash<K>{}(key));
}

inline UINT AfxHashString(LPCWSTR key)
{
    UINT hash = 0;
    if (key)
        while (*key)
            hash = (hash << 5) + hash + static_cast<UINT>(*key++);
    return hash;
}

template <>
inline UINT AFXAPI HashKey<LPCWSTR>(LPCWSTR key)
{
    return AfxHashString(key);
}

template <>
inline UINT AFXAPI HashKey<const CString&>(const CString& key)
{
    return AfxHashString(key);
}

template <>
inline UINT AFXAPI HashKey<CString>(CString key)
{
    return AfxHashString(key);
}

// Serialization of elements: values with archive operators use them,
// object pointers go through WriteObject/ReadObject, other plain types are
// stored as their bytes; anything else cannot be serialized.
template <class TYPE>
void AFXAPI SerializeElements(CArchive& ar, TYPE* pElements, INT_PTR nCount)
{
    if constexpr (std::is_pointer_v<TYPE> && std::is_base_of_v<CObject, std::remove_cv_t<std::remove_pointer_t<TYPE>>>) {
        using OB = std::remove_cv_t<std::remove_pointer_t<TYPE>>;
        for (INT_PTR i = 0; i < nCount; ++i) {
            if (ar.IsStoring()) {
                ar.WriteObject(pElements[i]);
            } else {
                CObject* pOb = ar.ReadObject(nullptr);
                OB* pElement = dynamic_cast<OB*>(pOb);
                if (pOb && !pElement)
                    AfxThrowArchiveException(CArchiveException::badClass);
                pElements[i] = pElement;
            }
        }
    } else if constexpr (std::is_pointer_v<TYPE>) {
        AfxThrowNotSupportedException();
    } else if constexpr (requires(CArchive& a, TYPE& e) {
                             a << e;
                             a >> e;
                         }) {
        for (INT_PTR i = 0; i < nCount; ++i) {
            if (ar.IsStoring())
                ar << pElements[i];
            else
                ar >> pElements[i];
        }
    } else if constexpr (std::is_trivially_copyable_v<TYPE>) {
        for (INT_PTR i = 0; i < nCount; ++i) {
            if (ar.IsStoring())
                ar.Write(&pElements[i], sizeof(TYPE));
            else if (ar.Read(&pElements[i], sizeof(TYPE)) != sizeof(TYPE))
                AfxThrowArchiveException(CArchiveException::endOfFile);
        }
    } else {
        AfxThrowNotSupportedException();
    }
}
