#pragma once
// Doubly linked lists: the CList template and the framework's typed lists.
// A POSITION names a node; null ends an iteration. Using a null position or
// taking from an empty list throws CInvalidArgException.

#include "CInvalidArgException.h"
#include "CollectionHelpers.h"

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CObject
{
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

public:
    CList() = default;
    ~CList() override { RemoveAll(); }

    INT_PTR GetCount() const { return m_nCount; }
    INT_PTR GetSize() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return NonEmpty(m_pNodeHead)->data; }
    const TYPE& GetHead() const { return NonEmpty(m_pNodeHead)->data; }
    TYPE& GetTail() { return NonEmpty(m_pNodeTail)->data; }
    const TYPE& GetTail() const { return NonEmpty(m_pNodeTail)->data; }

    TYPE RemoveHead()
    {
        CNode* node = NonEmpty(m_pNodeHead);
        TYPE value(std::move(node->data));
        Unlink(node);
        return value;
    }
    TYPE RemoveTail()
    {
        CNode* node = NonEmpty(m_pNodeTail);
        TYPE value(std::move(node->data));
        Unlink(node);
        return value;
    }

    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(nullptr, newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(nullptr, newElement); }
    // The other list's elements, in their order, in front of / after ours.
    void AddHead(const CList* pNewList)
    {
        if (!pNewList)
            AfxThrowInvalidArgException();
        CList copy;
        copy.AddTail(pNewList);
        for (CNode* node = copy.m_pNodeTail; node; node = node->pPrev)
            AddHead(node->data);
    }
    void AddTail(const CList* pNewList)
    {
        if (!pNewList)
            AfxThrowInvalidArgException();
        INT_PTR count = pNewList->m_nCount; // the list may be this one
        CNode* node = pNewList->m_pNodeHead;
        for (INT_PTR i = 0; i < count; ++i, node = node->pNext)
            AddTail(node->data);
    }

    void RemoveAll()
    {
        for (CNode* node = m_pNodeHead; node;) {
            CNode* next = node->pNext;
            delete node;
            node = next;
        }
        m_pNodeHead = m_pNodeTail = nullptr;
        m_nCount = 0;
    }

    POSITION GetHeadPosition() const { return Position(m_pNodeHead); }
    POSITION GetTailPosition() const { return Position(m_pNodeTail); }

    TYPE& GetNext(POSITION& rPosition)
    {
        CNode* node = Node(rPosition);
        rPosition = Position(node->pNext);
        return node->data;
    }
    const TYPE& GetNext(POSITION& rPosition) const
    {
        CNode* node = Node(rPosition);
        rPosition = Position(node->pNext);
        return node->data;
    }
    TYPE& GetPrev(POSITION& rPosition)
    {
        CNode* node = Node(rPosition);
        rPosition = Position(node->pPrev);
        return node->data;
    }
    const TYPE& GetPrev(POSITION& rPosition) const
    {
        CNode* node = Node(rPosition);
        rPosition = Position(node->pPrev);
        return node->data;
    }

    TYPE& GetAt(POSITION position) { return Node(position)->data; }
    const TYPE& GetAt(POSITION position) const { return Node(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { Node(pos)->data = newElement; }
    void RemoveAt(POSITION position) { Unlink(Node(position)); }

    // A null position inserts at the head (InsertBefore) or tail (InsertAfter).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement)
    {
        CNode* next = position ? Node(position) : m_pNodeHead;
        CNode* node = new CNode{next, next ? next->pPrev : nullptr, TYPE(newElement)};
        Link(node);
        return Position(node);
    }
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement)
    {
        CNode* prev = position ? Node(position) : m_pNodeTail;
        CNode* node = new CNode{prev ? prev->pNext : nullptr, prev, TYPE(newElement)};
        Link(node);
        return Position(node);
    }

    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = nullptr) const
    {
        CNode* node = startAfter ? Node(startAfter)->pNext : m_pNodeHead;
        for (; node; node = node->pNext)
            if (CompareElements<TYPE, std::remove_cvref_t<ARG_TYPE>>(&node->data, &searchValue))
                return Position(node);
        return nullptr;
    }
    // Null when nIndex is outside the list.
    POSITION FindIndex(INT_PTR nIndex) const
    {
        if (nIndex < 0 || nIndex >= m_nCount)
            return nullptr;
        CNode* node = m_pNodeHead;
        while (nIndex--)
            node = node->pNext;
        return Position(node);
    }

    void Serialize(CArchive& ar) override
    {
        if (ar.IsStoring()) {
            ar.WriteCount(static_cast<DWORD_PTR>(m_nCount));
            for (CNode* node = m_pNodeHead; node; node = node->pNext)
                SerializeElements<TYPE>(ar, &node->data, 1);
            return;
        }
        for (DWORD_PTR count = ar.ReadCount(); count; --count) {
            TYPE value{};
            SerializeElements<TYPE>(ar, &value, 1);
            AddTail(value);
        }
    }

private:
    static POSITION Position(CNode* node) { return reinterpret_cast<POSITION>(node); }
    static CNode* Node(POSITION position)
    {
        if (!position || position == BEFORE_START_POSITION)
            AfxThrowInvalidArgException();
        return reinterpret_cast<CNode*>(position);
    }
    static CNode* NonEmpty(CNode* node)
    {
        if (!node)
            AfxThrowInvalidArgException();
        return node;
    }
    // node's pNext/pPrev name its neighbours already.
    void Link(CNode* node)
    {
        (node->pPrev ? node->pPrev->pNext : m_pNodeHead) = node;
        (node->pNext ? node->pNext->pPrev : m_pNodeTail) = node;
        ++m_nCount;
    }
    void Unlink(CNode* node)
    {
        (node->pPrev ? node->pPrev->pNext : m_pNodeHead) = node->pNext;
        (node->pNext ? node->pNext->pPrev : m_pNodeTail) = node->pPrev;
        --m_nCount;
        delete node;
    }

    CNode* m_pNodeHead = nullptr;
    CNode* m_pNodeTail = nullptr;
    INT_PTR m_nCount = 0;
};

#define AFX_TYPED_LIST(class_name, TYPE, ARG_TYPE, declaration) \
    class class_name : public CList<TYPE, ARG_TYPE> \
    { \
        declaration(class_name) \
    };

AFX_TYPED_LIST(CPtrList, void*, void*, DECLARE_DYNAMIC)
AFX_TYPED_LIST(CObList, CObject*, CObject*, DECLARE_SERIAL)
AFX_TYPED_LIST(CStringList, CString, const CString&, DECLARE_SERIAL)

#undef AFX_TYPED_LIST
