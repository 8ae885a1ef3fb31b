#pragma once
// Hash maps: the CMap template and the framework's typed maps. The table
// doubles whenever it holds more entries than buckets, so inserting stays
// constant-time however many entries arrive. Iteration order is unspecified;
// a POSITION stays valid until its entry is removed.

#include <vector>

#include "CInvalidArgException.h"
#include "CollectionHelpers.h"

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CObject
{
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nHashValue;
        KEY key;
        VALUE value;
    };

public:
    explicit CMap(INT_PTR nBlockSize = 10) {}
    ~CMap() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const
    {
        const CAssoc* assoc = Find(key);
        if (!assoc)
            return FALSE;
        rValue = assoc->value;
        return TRUE;
    }
    // The value under key, inserted (value-initialised) when missing.
    VALUE& operator[](ARG_KEY key)
    {
        if (CAssoc* assoc = Find(key))
            return assoc->value;
        if (m_buckets.empty())
            Rehash(m_nHashTableSize);
        else if (m_nCount >= static_cast<INT_PTR>(m_buckets.size()))
            Rehash(static_cast<UINT>(m_buckets.size() * 2 + 1));
        UINT hash = HashKey<ARG_KEY>(key);
        CAssoc*& head = m_buckets[hash % m_buckets.size()];
        head = new CAssoc{head, hash, KEY(key), VALUE()};
        ++m_nCount;
        return head->value;
    }
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }

    BOOL RemoveKey(ARG_KEY key)
    {
        if (m_buckets.empty())
            return FALSE;
        UINT hash = HashKey<ARG_KEY>(key);
        for (CAssoc** link = &m_buckets[hash % m_buckets.size()]; *link; link = &(*link)->pNext) {
            CAssoc* assoc = *link;
            if (assoc->nHashValue == hash && CompareElements(&assoc->key, &key)) {
                *link = assoc->pNext;
                delete assoc;
                --m_nCount;
                return TRUE;
            }
        }
        return FALSE;
    }
    void RemoveAll()
    {
        for (CAssoc*& head : m_buckets) {
            for (CAssoc* assoc = head; assoc;) {
                CAssoc* next = assoc->pNext;
                delete assoc;
                assoc = next;
            }
            head = nullptr;
        }
        m_nCount = 0;
    }

    // Null when the map is empty.
    POSITION GetStartPosition() const { return reinterpret_cast<POSITION>(const_cast<CAssoc*>(FirstFrom(0))); }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
    {
        if (!rNextPosition || rNextPosition == BEFORE_START_POSITION)
            AfxThrowInvalidArgException();
        auto* assoc = reinterpret_cast<const CAssoc*>(rNextPosition);
        rKey = assoc->key;
        rValue = assoc->value;
        const CAssoc* next = assoc->pNext ? assoc->pNext : FirstFrom(assoc->nHashValue % m_buckets.size() + 1);
        rNextPosition = reinterpret_cast<POSITION>(const_cast<CAssoc*>(next));
    }

    UINT GetHashTableSize() const { return m_buckets.empty() ? m_nHashTableSize : static_cast<UINT>(m_buckets.size()); }
    // Sets the bucket count (a prime near the expected entry count is best).
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE)
    {
        if (hashSize == 0)
            AfxThrowInvalidArgException();
        m_nHashTableSize = hashSize;
        if (bAllocNow || !m_buckets.empty())
            Rehash(hashSize);
    }

    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
            for (const CAssoc* assoc = FirstFrom(0); assoc;
                 assoc = assoc->pNext ? assoc->pNext : FirstFrom(assoc->nHashValue % m_buckets.size() + 1)) {
                SerializeElements<KEY>(ar, const_cast<KEY*>(&assoc->key), 1);
                SerializeElements<VALUE>(ar, const_cast<VALUE*>(&assoc->value), 1);
            }
            return;
        }
        for (DWORD_PTR count = ar.ReadCount(); count; --count) {
            KEY key{};
            VALUE value{};
            SerializeElements<KEY>(ar, &key, 1);
            SerializeElements<VALUE>(ar, &value, 1);
            (*this)[key] = value;
        }
    }

private:
    CAssoc* Find(ARG_KEY key) const
    {
        if (m_buckets.empty())
            return nullptr;
        UINT hash = HashKey<ARG_KEY>(key);
        for (CAssoc* assoc = m_buckets[hash % m_buckets.size()]; assoc; assoc = assoc->pNext)
            if (assoc->nHashValue == hash && CompareElements(&assoc->key, &key))
                return assoc;
        return nullptr;
    }
    const CAssoc* FirstFrom(size_t bucket) const
    {
        for (; bucket < m_buckets.size(); ++bucket)
            if (m_buckets[bucket])
                return m_buckets[bucket];
        return nullptr;
    }
    void Rehash(UINT nBuckets)
    {
        std::vector<CAssoc*> buckets(nBuckets, nullptr);
        for (CAssoc* head : m_buckets) {
            for (CAssoc* assoc = head; assoc;) {
                CAssoc* next = assoc->pNext;
                CAssoc*& slot = buckets[assoc->nHashValue % nBuckets];
                assoc->pNext = slot;
                slot = assoc;
                assoc = next;
            }
        }
        m_buckets.swap(buckets);
    }

    std::vector<CAssoc*> m_buckets;
    INT_PTR m_nCount = 0;
    UINT m_nHashTableSize = 17;
};

#define AFX_TYPED_MAP(class_name, KEY, ARG_KEY, VALUE, ARG_VALUE, declaration) \
    class class_name : public CMap<KEY, ARG_KEY, VALUE, ARG_VALUE> \
    { \
        declaration(class_name) \
    public: \
        explicit class_name(INT_PTR nBlockSize = 10) : CMap(nBlockSize) {} \
    };

AFX_TYPED_MAP(CMapStringToPtr, CString, LPCWSTR, void*, void*, DECLARE_DYNAMIC)
AFX_TYPED_MAP(CMapStringToString, CString, LPCWSTR, CString, LPCWSTR, DECLARE_SERIAL)
AFX_TYPED_MAP(CMapStringToOb, CString, LPCWSTR, CObject*, CObject*, DECLARE_SERIAL)
AFX_TYPED_MAP(CMapPtrToPtr, void*, void*, void*, void*, DECLARE_DYNAMIC)
AFX_TYPED_MAP(CMapWordToPtr, WORD, WORD, void*, void*, DECLARE_DYNAMIC)
AFX_TYPED_MAP(CMapPtrToWord, void*, void*, WORD, WORD, DECLARE_DYNAMIC)
AFX_TYPED_MAP(CMapWordToOb, WORD, WORD, CObject*, CObject*, DECLARE_SERIAL)

#undef AFX_TYPED_MAP
