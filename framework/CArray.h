#pragma once
// Growable arrays: the CArray template and the framework's typed arrays.
// Indexes outside the array throw CInvalidArgException.

#include <algorithm>
#include <type_traits>
#include <vector>

#include "CInvalidArgException.h"
#include "CollectionHelpers.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CObject
{
    static_assert(!std::is_same_v<TYPE, bool>, "CArray<bool> cannot hand out element references");

public:
    CArray() = default;

    INT_PTR GetSize() const { return static_cast<INT_PTR>(m_data.size()); }
    INT_PTR GetCount() const { return GetSize(); }
    BOOL IsEmpty() const { return m_data.empty(); }
    INT_PTR GetUpperBound() const { return GetSize() - 1; }

    // nGrowBy is accepted for compatibility; growth is amortised anyway.
    void SetSize(INT_PTR nNewSize, INT_PTR nGrowBy = -1)
    {
        if (nNewSize < 0)
            AfxThrowInvalidArgException();
        m_data.resize(static_cast<size_t>(nNewSize));
    }
    void FreeExtra() { m_data.shrink_to_fit(); }
    void RemoveAll() { m_data.clear(); }

    const TYPE& GetAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    TYPE& GetAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
    void SetAt(INT_PTR nIndex, ARG_TYPE newElement) { m_data[Checked(nIndex)] = newElement; }
    TYPE& ElementAt(INT_PTR nIndex) { return m_data[Checked(nIndex)]; }
    const TYPE& ElementAt(INT_PTR nIndex) const { return m_data[Checked(nIndex)]; }
    const TYPE& operator[](INT_PTR nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](INT_PTR nIndex) { return ElementAt(nIndex); }

    const TYPE* GetData() const { return m_data.data(); }
    TYPE* GetData() { return m_data.data(); }

    void SetAtGrow(INT_PTR nIndex, ARG_TYPE newElement)
    {
        if (nIndex < 0)
            AfxThrowInvalidArgException();
        TYPE copy(newElement); // newElement may live in this array
        if (static_cast<size_t>(nIndex) >= m_data.size())
            m_data.resize(static_cast<size_t>(nIndex) + 1);
        m_data[static_cast<size_t>(nIndex)] = std::move(copy);
    }
    INT_PTR Add(ARG_TYPE newElement)
    {
        m_data.push_back(TYPE(newElement));
        return GetUpperBound();
    }
    // Answers the index of the first appended element.
    INT_PTR Append(const CArray& src)
    {
        INT_PTR first = GetSize();
        if (&src == this) {
            std::vector<TYPE> copy(m_data);
            m_data.insert(m_data.end(), copy.begin(), copy.end());
        } else {
            m_data.insert(m_data.end(), src.m_data.begin(), src.m_data.end());
        }
        return first;
    }
    void Copy(const CArray& src)
    {
        if (&src != this)
            m_data = src.m_data;
    }

    // nIndex may be GetSize() (appends); beyond that the gap is filled with
    // default elements.
    void InsertAt(INT_PTR nIndex, ARG_TYPE newElement, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0)
            AfxThrowInvalidArgException();
        TYPE copy(newElement);
        if (static_cast<size_t>(nIndex) > m_data.size())
            m_data.resize(static_cast<size_t>(nIndex));
        m_data.insert(m_data.begin() + nIndex, static_cast<size_t>(nCount), copy);
    }
    void InsertAt(INT_PTR nStartIndex, const CArray* pNewArray)
    {
        if (!pNewArray || nStartIndex < 0)
            AfxThrowInvalidArgException();
        std::vector<TYPE> copy(pNewArray->m_data);
        if (static_cast<size_t>(nStartIndex) > m_data.size())
            m_data.resize(static_cast<size_t>(nStartIndex));
        m_data.insert(m_data.begin() + nStartIndex, copy.begin(), copy.end());
    }
    void RemoveAt(INT_PTR nIndex, INT_PTR nCount = 1)
    {
        if (nIndex < 0 || nCount < 0 || nIndex + nCount > GetSize())
            AfxThrowInvalidArgException();
        m_data.erase(m_data.begin() + nIndex, m_data.begin() + nIndex + nCount);
    }

    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<DWORD_PTR>(m_data.size()));
            SerializeElements<TYPE>(ar, m_data.data(), GetSize());
            return;
        }
        // Grown in steps, so a damaged count runs into the end of the data
        // instead of allocating whatever it claims.
        DWORD_PTR count = ar.ReadCount();
        m_data.clear();
        constexpr DWORD_PTR kStep = 4096;
        for (DWORD_PTR done = 0; done < count;) {
            DWORD_PTR n = std::min(kStep, count - done);
            m_data.resize(static_cast<size_t>(done + n));
            SerializeElements<TYPE>(ar, m_data.data() + done, static_cast<INT_PTR>(n));
            done += n;
        }
    }

private:
    size_t Checked(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= GetSize())
            AfxThrowInvalidArgException();
        return static_cast<size_t>(nIndex);
    }

    std::vector<TYPE> m_data;
};

#define AFX_TYPED_ARRAY(class_name, TYPE, ARG_TYPE, declaration) \
    class class_name : public CArray<TYPE, ARG_TYPE> \
    { \
        declaration(class_name) \
    };

AFX_TYPED_ARRAY(CStringArray, CString, const CString&, DECLARE_SERIAL)
AFX_TYPED_ARRAY(CPtrArray, void*, void*, DECLARE_DYNAMIC)
AFX_TYPED_ARRAY(CObArray, CObject*, CObject*, DECLARE_SERIAL)
AFX_TYPED_ARRAY(CUIntArray, UINT, UINT, DECLARE_SERIAL)
AFX_TYPED_ARRAY(CDWordArray, DWORD, DWORD, DECLARE_SERIAL)
AFX_TYPED_ARRAY(CByteArray, BYTE, BYTE, DECLARE_SERIAL)
AFX_TYPED_ARRAY(CWordArray, WORD, WORD, DECLARE_SERIAL)

#undef AFX_TYPED_ARRAY
