// Collection templates: CArray and the element helpers, and the list, array
// and hash-map templates behind the collections of afxcoll.h.
#pragma once
#include <algorithm>
#include <climits>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>
#include "afx.h"

#pragma pack(push, 4)  // AFX_PACKING; GCC does not expand macros in this pragma

// A place in a list or map, for iterating; null past the end.
struct __POSITION
{
};
typedef __POSITION* POSITION;
#define BEFORE_START_POSITION (reinterpret_cast<POSITION>(static_cast<INT_PTR>(-1)))

// ---------------------------------------------------------------------------
// Element helpers. Collections create, destroy, copy and archive their
// elements only through these, so a type can specialise them.

// New elements are zero: trivially copyable types get all-zero bytes, other
// types are value-initialised.
template <class TYPE>
void ConstructElements(TYPE* pElements, int nCount)
{
    for (int i = 0; i < nCount; i++)
        ::new (static_cast<void*>(pElements + i)) TYPE();
    if constexpr (std::is_trivially_copyable_v<TYPE>)
        std::memset(static_cast<void*>(pElements), 0, sizeof(TYPE) * nCount);
}

template <class TYPE>
void DestructElements(TYPE* pElements, int nCount)
{
    for (int i = 0; i < nCount; i++)
        pElements[i].~TYPE();
}

template <class TYPE>
void CopyElements(TYPE* pDest, const TYPE* pSrc, int nCount)
{
    for (int i = 0; i < nCount; i++)
        pDest[i] = pSrc[i];
}

namespace AfxCollDetail {

template <class TYPE, class = void>
struct HasArchiveOperators : std::false_type {};

template <class TYPE>
struct HasArchiveOperators<TYPE,
    std::void_t<decltype(std::declval<CArchive&>() << std::declval<const TYPE&>()),
                decltype(std::declval<CArchive&>() >> std::declval<TYPE&>())>> : std::true_type {};

}  // namespace AfxCollDetail

// Archives elements one by one: through the archive's operators when it has
// them (numbers, CString, CObject pointers with class information), through
// Serialize for CObject-derived elements (no class information). Anything
// else has no stored form unless it specialises this template: raw bytes of
// structures (padding) or of pointer-sized values differ between builds.
template <class TYPE>
void SerializeElements(CArchive& ar, TYPE* pElements, int nCount)
{
    if constexpr (AfxCollDetail::HasArchiveOperators<TYPE>::value) {
        for (int i = 0; i < nCount; i++) {
            if (ar.IsStoring())
                ar << pElements[i];
            else
                ar >> pElements[i];
        }
    } else if constexpr (std::is_base_of_v<CObject, TYPE>) {
        for (int i = 0; i < nCount; i++)
            pElements[i].Serialize(ar);
    } else {
        AfxThrowArchiveException(CArchiveException::generic);
    }
}

// Points are stored as x then y, each a LONG.
template <>
inline void SerializeElements<CPoint>(CArchive& ar, CPoint* pElements, int nCount)
{
    for (int i = 0; i < nCount; i++) {
        if (ar.IsStoring())
            ar << pElements[i].x << pElements[i].y;
        else
            ar >> pElements[i].x >> pElements[i].y;
    }
}

// Hash of a map key. Stored maps list their entries in hash order, so these
// values are part of the stored formats.
template <class ARG_KEY>
UINT HashKey(ARG_KEY key)
{
    return static_cast<UINT>(static_cast<DWORD_PTR>(key) >> 4);
}

template <>
inline UINT HashKey<LPCTSTR>(LPCTSTR key)
{
    UINT nHash = 0;
    for (const BYTE* p = reinterpret_cast<const BYTE*>(key); *p != 0; p++)
        nHash = (nHash << 5) + nHash + *p;
    return nHash;
}

template <>
inline UINT HashKey<const CString&>(const CString& key)
{
    return HashKey<LPCTSTR>(key);
}

template <>
inline UINT HashKey<void*>(void* key)
{
    return static_cast<UINT>(reinterpret_cast<DWORD_PTR>(key) >> 4);
}

// ---------------------------------------------------------------------------
// Fixed-size slots for list nodes and map entries, carved from blocks of
// up to nBlockSize slots: the first block holds one slot and each next one
// twice as many, so that the many short lists of a loaded form take no more
// than they hold. Freed slots are reused; blocks go only with FreeAll.
class AFX_API CNodePool
{
public:
    CNodePool(size_t nSlotSize, int nBlockSize);
    ~CNodePool();
    CNodePool(const CNodePool&) = delete;
    CNodePool& operator=(const CNodePool&) = delete;

    void* Alloc();
    void Free(void* pSlot);
    void FreeAll();

private:
    struct CBlock;
    size_t m_nSlotSize;
    int m_nBlockSize;
    int m_nNextBlockSize;
    CBlock* m_pBlocks;
    void* m_pFree;
};

// ---------------------------------------------------------------------------
// Growable array. When a size goes beyond the allocated capacity, the new
// capacity is the larger of the needed size and capacity + growth step, the
// step being at least half the size (so that adding one element at a time
// stays linear), at least 4, and at least the step given to SetSize; an
// array without storage allocates exactly the needed size.
template <class TYPE, class ARG_TYPE>
class CArrayBase : public CObject
{
public:
    CArrayBase() : m_pData(NULL), m_nSize(0), m_nMaxSize(0), m_nGrowBy(0) {}
    ~CArrayBase() override { SetSize(0); }

    int GetSize() const { return m_nSize; }
    int GetUpperBound() const { return m_nSize - 1; }
    void SetSize(int nNewSize, int nGrowBy = -1);
    void FreeExtra();
    void RemoveAll() { SetSize(0); }

    TYPE GetAt(int nIndex) const { return m_pData[nIndex]; }
    void SetAt(int nIndex, ARG_TYPE newElement) { m_pData[nIndex] = newElement; }
    TYPE& ElementAt(int nIndex) { return m_pData[nIndex]; }
    const TYPE* GetData() const { return m_pData; }
    TYPE* GetData() { return m_pData; }
    TYPE operator[](int nIndex) const { return m_pData[nIndex]; }
    TYPE& operator[](int nIndex) { return m_pData[nIndex]; }

    void SetAtGrow(int nIndex, ARG_TYPE newElement);
    int Add(ARG_TYPE newElement);
    int Append(const CArrayBase& src);
    void Copy(const CArrayBase& src);
    void InsertAt(int nIndex, ARG_TYPE newElement, int nCount = 1);
    void InsertAt(int nStartIndex, CArrayBase* pNewArray);
    void RemoveAt(int nIndex, int nCount = 1);

protected:
    // Writes the count and the elements. Loading replaces the contents; the
    // elements are read into a side array that grows as they arrive, so a
    // count larger than the archive runs into its end instead of allocating.
    void SerializeArray(CArchive& ar);

    TYPE* m_pData;
    int m_nSize;
    int m_nMaxSize;
    int m_nGrowBy;

private:
    static TYPE* Allocate(int nCount);
    static void Relocate(TYPE* pDest, TYPE* pSrc, int nCount);
    void Reallocate(int nNewMax);
};

template <class TYPE, class ARG_TYPE>
TYPE* CArrayBase<TYPE, ARG_TYPE>::Allocate(int nCount)
{
    if (static_cast<size_t>(nCount) > static_cast<size_t>(-1) / sizeof(TYPE))
        AfxThrowMemoryException();
    return static_cast<TYPE*>(::operator new(sizeof(TYPE) * nCount));
}

// Moves elements into raw storage and destroys the originals.
template <class TYPE, class ARG_TYPE>
void CArrayBase<TYPE, ARG_TYPE>::Relocate(TYPE* pDest, TYPE* pSrc, int nCount)
{
    if constexpr (std::is_move_constructible_v<TYPE>) {
        for (int i = 0; i < nCount; i++)
            ::new (static_cast<void*>(pDest + i)) TYPE(std::move(pSrc[i]));
    } else {
        ConstructElements(pDest, nCount);
        std::move(pSrc, pSrc + nCount, pDest);
    }
    DestructElements(pSrc, nCount);
}

// Moves the elements into new storage of nNewMax elements (none when 0).
template <class TYPE, class ARG_TYPE>
void CArrayBase<TYPE, ARG_TYPE>::Reallocate(int nNewMax)
{
    TYPE* pNewData = nNewMax > 0 ? Allocate(nNewMax) : NULL;
    Relocate(pNewData, m_pData, m_nSize);
    ::operator delete(m_pData);
    m_pData = pNewData;
    m_nMaxSize = nNewMax;
}

template <class TYPE, class ARG_TYPE>
void CArrayBase<TYPE, ARG_TYPE>::SetSize(int nNewSize, int nGrowBy)
{
    if (nGrowBy != -1)
        m_nGrowBy = nGrowBy;
    if (nNewSize > m_nMaxSize) {
        const int nStep = std::max({m_nGrowBy, 4, m_nSize / 2});
        const int nGrown = m_nMaxSize > INT_MAX - nStep ? INT_MAX : m_nMaxSize + nStep;
        Reallocate(m_pData == NULL ? nNewSize : std::max(nGrown, nNewSize));
    }
    if (nNewSize > m_nSize)
        ConstructElements(m_pData + m_nSize, nNewSize - m_nSize);
    else
        DestructElements(m_pData + nNewSize, m_nSize - nNewSize);
    m_nSize = nNewSize;
    if (nNewSize == 0)
        Reallocate(0);
}

template <class TYPE, class ARG_TYPE>
void CArrayBase<TYPE, ARG_TYPE>::FreeExtra()
{
    if (m_nSize != m_nMaxSize)
        Reallocate(m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArrayBase<TYPE, ARG_TYPE>::SetAtGrow(int nIndex, ARG_TYPE newElement)
{
    if (nIndex < m_nMaxSize) {
        if (nIndex >= m_nSize)
            SetSize(nIndex + 1);
        m_pData[nIndex] = newElement;
        return;
    }
    // The new element may live in the storage that growing replaces.
    TYPE value{};
    value = newElement;
    SetSize(nIndex + 1);
    m_pData[nIndex] = std::move(value);
}

template <class TYPE, class ARG_TYPE>
int CArrayBase<TYPE, ARG_TYPE>::Add(ARG_TYPE newElement)
{
    int nIndex = m_nSize;
    SetAtGrow(nIndex, newElement);
    return nIndex;
}

template <class TYPE, class ARG_TYPE>
int CArrayBase<TYPE, ARG_TYPE>::Append(const CArrayBase& src)
{
    int nOldSize = m_nSize;
    int nSrcSize = src.m_nSize;
    SetSize(nOldSize + nSrcSize);
    CopyElements(m_pData + nOldSize, src.m_pData, nSrcSize);
    return nOldSize;
}

template <class TYPE, class ARG_TYPE>
void CArrayBase<TYPE, ARG_TYPE>::Copy(const CArrayBase& src)
{
    if (this == &src)
        return;
    SetSize(src.m_nSize);
    CopyElements(m_pData, src.m_pData, src.m_nSize);
}

template <class TYPE, class ARG_TYPE>
void CArrayBase<TYPE, ARG_TYPE>::InsertAt(int nIndex, ARG_TYPE newElement, int nCount)
{
    // The new element may live in the storage that growing replaces.
    TYPE value{};
    value = newElement;
    int nOldSize = m_nSize;
    if (nIndex >= nOldSize) {
        SetSize(nIndex + nCount);
    } else {
        SetSize(nOldSize + nCount);
        std::move_backward(m_pData + nIndex, m_pData + nOldSize, m_pData + nOldSize + nCount);
    }
    std::fill(m_pData + nIndex, m_pData + nIndex + nCount, value);
}

template <class TYPE, class ARG_TYPE>
void CArrayBase<TYPE, ARG_TYPE>::InsertAt(int nStartIndex, CArrayBase* pNewArray)
{
    if (pNewArray == this) {
        CArrayBase copy;
        copy.Copy(*this);
        InsertAt(nStartIndex, &copy);
        return;
    }
    int nCount = pNewArray->GetSize();
    if (nCount == 0)
        return;
    InsertAt(nStartIndex, pNewArray->GetAt(0), nCount);
    CopyElements(m_pData + nStartIndex, pNewArray->m_pData, nCount);
}

template <class TYPE, class ARG_TYPE>
void CArrayBase<TYPE, ARG_TYPE>::RemoveAt(int nIndex, int nCount)
{
    std::move(m_pData + nIndex + nCount, m_pData + m_nSize, m_pData + nIndex);
    DestructElements(m_pData + m_nSize - nCount, nCount);
    m_nSize -= nCount;
}

template <class TYPE, class ARG_TYPE>
void CArrayBase<TYPE, ARG_TYPE>::SerializeArray(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(m_nSize);
        SerializeElements(ar, m_pData, m_nSize);
        return;
    }
    const int kChunk = 4096;
    DWORD_PTR nCount = ar.ReadCount();
    if (nCount > 0x7FFFFFFF)
        AfxThrowArchiveException(CArchiveException::badIndex);
    CArrayBase loaded;
    while (static_cast<DWORD_PTR>(loaded.m_nSize) < nCount) {
        int nDone = loaded.m_nSize;
        int nChunk = static_cast<int>(std::min<DWORD_PTR>(nCount - nDone, kChunk));
        loaded.SetSize(nDone + nChunk, std::max(nDone, kChunk));
        SerializeElements(ar, loaded.m_pData + nDone, nChunk);
    }
    SetSize(loaded.m_nSize);
    std::move(loaded.m_pData, loaded.m_pData + loaded.m_nSize, m_pData);
}

// ---------------------------------------------------------------------------
// Doubly linked list; positions are node addresses.
template <class TYPE, class ARG_TYPE>
class CListBase : public CObject
{
public:
    explicit CListBase(int nBlockSize = 10)
        : m_pNodeHead(NULL), m_pNodeTail(NULL), m_nCount(0), m_nodes(sizeof(CNode), nBlockSize) {}
    ~CListBase() override { RemoveAll(); }

    int GetCount() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    TYPE& GetHead() { return m_pNodeHead->data; }
    TYPE GetHead() const { return m_pNodeHead->data; }
    TYPE& GetTail() { return m_pNodeTail->data; }
    TYPE GetTail() const { return m_pNodeTail->data; }
    TYPE RemoveHead();
    TYPE RemoveTail();

    POSITION AddHead(ARG_TYPE newElement) { return InsertBefore(GetHeadPosition(), newElement); }
    POSITION AddTail(ARG_TYPE newElement) { return InsertAfter(GetTailPosition(), newElement); }
    void AddHead(CListBase* pNewList);
    void AddTail(CListBase* pNewList);
    void RemoveAll();

    POSITION GetHeadPosition() const { return Pos(m_pNodeHead); }
    POSITION GetTailPosition() const { return Pos(m_pNodeTail); }
    TYPE& GetNext(POSITION& rPosition) { return Step(rPosition, Node(rPosition)->pNext); }
    TYPE GetNext(POSITION& rPosition) const { return Step(rPosition, Node(rPosition)->pNext); }
    TYPE& GetPrev(POSITION& rPosition) { return Step(rPosition, Node(rPosition)->pPrev); }
    TYPE GetPrev(POSITION& rPosition) const { return Step(rPosition, Node(rPosition)->pPrev); }
    TYPE& GetAt(POSITION position) { return Node(position)->data; }
    TYPE GetAt(POSITION position) const { return Node(position)->data; }
    void SetAt(POSITION pos, ARG_TYPE newElement) { Node(pos)->data = newElement; }
    void RemoveAt(POSITION position);

    // A null position inserts at the head (before) or the tail (after).
    POSITION InsertBefore(POSITION position, ARG_TYPE newElement);
    POSITION InsertAfter(POSITION position, ARG_TYPE newElement);

    POSITION Find(ARG_TYPE searchValue, POSITION startAfter = NULL) const;
    POSITION FindIndex(int nIndex) const;

protected:
    struct CNode
    {
        CNode* pNext;
        CNode* pPrev;
        TYPE data;
    };

    // Writes the count and the elements; loading appends to the list.
    void SerializeList(CArchive& ar);

    CNode* m_pNodeHead;
    CNode* m_pNodeTail;
    int m_nCount;

private:
    static CNode* Node(POSITION position) { return reinterpret_cast<CNode*>(position); }
    static POSITION Pos(CNode* pNode) { return reinterpret_cast<POSITION>(pNode); }
    static TYPE& Step(POSITION& rPosition, CNode* pTo);
    CNode* NewNode(CNode* pPrev, CNode* pNext, ARG_TYPE newElement);
    void Unlink(CNode* pNode);

    CNodePool m_nodes;
};

// Moves a position on and returns the element it was at.
template <class TYPE, class ARG_TYPE>
TYPE& CListBase<TYPE, ARG_TYPE>::Step(POSITION& rPosition, CNode* pTo)
{
    CNode* pNode = Node(rPosition);
    rPosition = Pos(pTo);
    return pNode->data;
}

template <class TYPE, class ARG_TYPE>
typename CListBase<TYPE, ARG_TYPE>::CNode* CListBase<TYPE, ARG_TYPE>::NewNode(
    CNode* pPrev, CNode* pNext, ARG_TYPE newElement)
{
    CNode* pNode = static_cast<CNode*>(m_nodes.Alloc());
    ::new (static_cast<void*>(pNode)) CNode{pNext, pPrev, TYPE()};
    pNode->data = newElement;
    (pPrev != NULL ? pPrev->pNext : m_pNodeHead) = pNode;
    (pNext != NULL ? pNext->pPrev : m_pNodeTail) = pNode;
    m_nCount++;
    return pNode;
}

// Takes a node out of the list and destroys it. The last node out releases
// every block.
template <class TYPE, class ARG_TYPE>
void CListBase<TYPE, ARG_TYPE>::Unlink(CNode* pNode)
{
    (pNode->pPrev != NULL ? pNode->pPrev->pNext : m_pNodeHead) = pNode->pNext;
    (pNode->pNext != NULL ? pNode->pNext->pPrev : m_pNodeTail) = pNode->pPrev;
    pNode->~CNode();
    m_nodes.Free(pNode);
    if (--m_nCount == 0)
        m_nodes.FreeAll();
}

template <class TYPE, class ARG_TYPE>
TYPE CListBase<TYPE, ARG_TYPE>::RemoveHead()
{
    TYPE value = std::move(m_pNodeHead->data);
    Unlink(m_pNodeHead);
    return value;
}

template <class TYPE, class ARG_TYPE>
TYPE CListBase<TYPE, ARG_TYPE>::RemoveTail()
{
    TYPE value = std::move(m_pNodeTail->data);
    Unlink(m_pNodeTail);
    return value;
}

template <class TYPE, class ARG_TYPE>
void CListBase<TYPE, ARG_TYPE>::RemoveAt(POSITION position)
{
    Unlink(Node(position));
}

// Counted so that adding a list to itself doubles it.
template <class TYPE, class ARG_TYPE>
void CListBase<TYPE, ARG_TYPE>::AddHead(CListBase* pNewList)
{
    POSITION pos = pNewList->GetTailPosition();
    for (int n = pNewList->GetCount(); n > 0; n--)
        AddHead(pNewList->GetPrev(pos));
}

template <class TYPE, class ARG_TYPE>
void CListBase<TYPE, ARG_TYPE>::AddTail(CListBase* pNewList)
{
    POSITION pos = pNewList->GetHeadPosition();
    for (int n = pNewList->GetCount(); n > 0; n--)
        AddTail(pNewList->GetNext(pos));
}

template <class TYPE, class ARG_TYPE>
void CListBase<TYPE, ARG_TYPE>::RemoveAll()
{
    for (CNode* pNode = m_pNodeHead; pNode != NULL;) {
        CNode* pNext = pNode->pNext;
        pNode->~CNode();
        pNode = pNext;
    }
    m_pNodeHead = m_pNodeTail = NULL;
    m_nCount = 0;
    m_nodes.FreeAll();
}

template <class TYPE, class ARG_TYPE>
POSITION CListBase<TYPE, ARG_TYPE>::InsertBefore(POSITION position, ARG_TYPE newElement)
{
    CNode* pNext = Node(position);
    CNode* pPrev = pNext != NULL ? pNext->pPrev : NULL;
    if (pNext == NULL)
        pNext = m_pNodeHead;
    return Pos(NewNode(pPrev, pNext, newElement));
}

template <class TYPE, class ARG_TYPE>
POSITION CListBase<TYPE, ARG_TYPE>::InsertAfter(POSITION position, ARG_TYPE newElement)
{
    CNode* pPrev = Node(position);
    CNode* pNext = pPrev != NULL ? pPrev->pNext : NULL;
    if (pPrev == NULL)
        pPrev = m_pNodeTail;
    return Pos(NewNode(pPrev, pNext, newElement));
}

template <class TYPE, class ARG_TYPE>
POSITION CListBase<TYPE, ARG_TYPE>::Find(ARG_TYPE searchValue, POSITION startAfter) const
{
    CNode* pNode = startAfter != NULL ? Node(startAfter)->pNext : m_pNodeHead;
    while (pNode != NULL && !(pNode->data == searchValue))
        pNode = pNode->pNext;
    return Pos(pNode);
}

template <class TYPE, class ARG_TYPE>
POSITION CListBase<TYPE, ARG_TYPE>::FindIndex(int nIndex) const
{
    if (nIndex < 0 || nIndex >= m_nCount)
        return NULL;
    CNode* pNode = m_pNodeHead;
    while (nIndex-- > 0)
        pNode = pNode->pNext;
    return Pos(pNode);
}

template <class TYPE, class ARG_TYPE>
void CListBase<TYPE, ARG_TYPE>::SerializeList(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(m_nCount);
        for (CNode* pNode = m_pNodeHead; pNode != NULL; pNode = pNode->pNext)
            SerializeElements(ar, &pNode->data, 1);
        return;
    }
    for (DWORD_PTR nCount = ar.ReadCount(); nCount > 0; nCount--) {
        TYPE value{};
        SerializeElements(ar, &value, 1);
        AddTail(value);
    }
}

// ---------------------------------------------------------------------------
// Hash map with chained buckets. Iteration runs through the buckets in index
// order and through each bucket from its most recently added entry. When
// the entries come to more than twice the buckets, the table grows to
// twice its size plus one and the entries are spread over it again (each
// bucket then runs from the entry spread last).
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMapBase : public CObject
{
public:
    explicit CMapBase(int nBlockSize = 10)
        : m_pHashTable(NULL), m_nHashTableSize(17), m_nCount(0), m_entries(sizeof(CAssoc), nBlockSize) {}
    ~CMapBase() override { RemoveAll(); }

    int GetCount() const { return m_nCount; }
    BOOL IsEmpty() const { return m_nCount == 0; }

    BOOL Lookup(ARG_KEY key, VALUE& rValue) const;
    VALUE& operator[](ARG_KEY key);
    void SetAt(ARG_KEY key, ARG_VALUE newValue) { (*this)[key] = newValue; }
    BOOL RemoveKey(ARG_KEY key);
    void RemoveAll();

    POSITION GetStartPosition() const { return m_nCount == 0 ? NULL : BEFORE_START_POSITION; }
    void GetNextAssoc(POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const;

    UINT GetHashTableSize() const { return m_nHashTableSize; }
    // Sets the number of buckets (the table still grows with the map);
    // ignored unless the map is empty and the size is above 0.
    void InitHashTable(UINT hashSize, BOOL bAllocNow = TRUE);
    UINT HashKey(ARG_KEY key) const { return ::HashKey<ARG_KEY>(key); }

protected:
    struct CAssoc
    {
        CAssoc* pNext;
        UINT nBucket;
        KEY key;
        VALUE value;
    };

    // Writes the count and the key, value pairs in iteration order; loading
    // adds the pairs read to the map.
    void SerializeMap(CArchive& ar);

    CAssoc** m_pHashTable;
    UINT m_nHashTableSize;
    int m_nCount;

private:
    CAssoc* GetAssocAt(ARG_KEY key, UINT& nBucket) const;
    void Rehash(UINT nNewSize);
    CAssoc* FirstAssocFrom(UINT nBucket) const;
    CAssoc* NextAssoc(const CAssoc* pAssoc) const;

    CNodePool m_entries;
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetAssocAt(ARG_KEY key, UINT& nBucket) const
{
    nBucket = HashKey(key) % m_nHashTableSize;
    if (m_pHashTable == NULL)
        return NULL;
    CAssoc* pAssoc = m_pHashTable[nBucket];
    while (pAssoc != NULL && !(pAssoc->key == key))
        pAssoc = pAssoc->pNext;
    return pAssoc;
}

// The first entry in a bucket at or after nBucket, or null.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>::FirstAssocFrom(UINT nBucket) const
{
    for (; nBucket < m_nHashTableSize; nBucket++) {
        if (m_pHashTable[nBucket] != NULL)
            return m_pHashTable[nBucket];
    }
    return NULL;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
typename CMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>::CAssoc*
CMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>::NextAssoc(const CAssoc* pAssoc) const
{
    return pAssoc->pNext != NULL ? pAssoc->pNext : FirstAssocFrom(pAssoc->nBucket + 1);
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>::Lookup(ARG_KEY key, VALUE& rValue) const
{
    UINT nBucket;
    CAssoc* pAssoc = GetAssocAt(key, nBucket);
    if (pAssoc == NULL)
        return FALSE;
    rValue = pAssoc->value;
    return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
VALUE& CMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>::operator[](ARG_KEY key)
{
    UINT nBucket;
    CAssoc* pAssoc = GetAssocAt(key, nBucket);
    if (pAssoc != NULL)
        return pAssoc->value;
    if (m_pHashTable == NULL)
        InitHashTable(m_nHashTableSize);
    if (static_cast<UINT>(m_nCount) >= 2 * m_nHashTableSize && m_nHashTableSize < 0x10000000) {
        Rehash(2 * m_nHashTableSize + 1);
        nBucket = HashKey(key) % m_nHashTableSize;
    }
    pAssoc = static_cast<CAssoc*>(m_entries.Alloc());
    ::new (static_cast<void*>(pAssoc)) CAssoc{m_pHashTable[nBucket], nBucket, KEY(), VALUE()};
    pAssoc->key = key;
    m_pHashTable[nBucket] = pAssoc;
    m_nCount++;
    return pAssoc->value;
}

// Removing the last entry releases the table and every block.
template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
BOOL CMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveKey(ARG_KEY key)
{
    if (m_pHashTable == NULL)
        return FALSE;
    CAssoc** ppLink = &m_pHashTable[HashKey(key) % m_nHashTableSize];
    while (*ppLink != NULL && !((*ppLink)->key == key))
        ppLink = &(*ppLink)->pNext;
    CAssoc* pAssoc = *ppLink;
    if (pAssoc == NULL)
        return FALSE;
    *ppLink = pAssoc->pNext;
    pAssoc->~CAssoc();
    m_entries.Free(pAssoc);
    if (--m_nCount == 0)
        RemoveAll();
    return TRUE;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>::RemoveAll()
{
    if (m_pHashTable != NULL) {
        for (UINT nBucket = 0; nBucket < m_nHashTableSize; nBucket++) {
            for (CAssoc* pAssoc = m_pHashTable[nBucket]; pAssoc != NULL;) {
                CAssoc* pNext = pAssoc->pNext;
                pAssoc->~CAssoc();
                pAssoc = pNext;
            }
        }
        delete[] m_pHashTable;
        m_pHashTable = NULL;
    }
    m_nCount = 0;
    m_entries.FreeAll();
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>::GetNextAssoc(
    POSITION& rNextPosition, KEY& rKey, VALUE& rValue) const
{
    CAssoc* pAssoc = reinterpret_cast<CAssoc*>(rNextPosition);
    if (rNextPosition == BEFORE_START_POSITION)
        pAssoc = FirstAssocFrom(0);
    rKey = pAssoc->key;
    rValue = pAssoc->value;
    rNextPosition = reinterpret_cast<POSITION>(NextAssoc(pAssoc));
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>::InitHashTable(UINT hashSize, BOOL bAllocNow)
{
    if (m_nCount != 0 || hashSize == 0)
        return;
    delete[] m_pHashTable;
    m_pHashTable = bAllocNow ? new CAssoc*[hashSize]() : NULL;
    m_nHashTableSize = hashSize;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>::Rehash(UINT nNewSize)
{
    CAssoc** pNewTable = new CAssoc*[nNewSize]();
    for (UINT nBucket = 0; nBucket < m_nHashTableSize; nBucket++) {
        for (CAssoc* pAssoc = m_pHashTable[nBucket]; pAssoc != NULL;) {
            CAssoc* pNext = pAssoc->pNext;
            pAssoc->nBucket = HashKey(pAssoc->key) % nNewSize;
            pAssoc->pNext = pNewTable[pAssoc->nBucket];
            pNewTable[pAssoc->nBucket] = pAssoc;
            pAssoc = pNext;
        }
    }
    delete[] m_pHashTable;
    m_pHashTable = pNewTable;
    m_nHashTableSize = nNewSize;
}

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
void CMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>::SerializeMap(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteCount(m_nCount);
        for (CAssoc* pAssoc = m_nCount > 0 ? FirstAssocFrom(0) : NULL; pAssoc != NULL;
             pAssoc = NextAssoc(pAssoc)) {
            SerializeElements(ar, &pAssoc->key, 1);
            SerializeElements(ar, &pAssoc->value, 1);
        }
        return;
    }
    for (DWORD_PTR nCount = ar.ReadCount(); nCount > 0; nCount--) {
        KEY key{};
        VALUE value{};
        SerializeElements(ar, &key, 1);
        SerializeElements(ar, &value, 1);
        (*this)[key] = value;
    }
}

// ---------------------------------------------------------------------------
// The templates of elements of any type, stored through SerializeElements.

template <class TYPE, class ARG_TYPE = const TYPE&>
class CArray : public CArrayBase<TYPE, ARG_TYPE>
{
public:
    void Serialize(CArchive& ar) override
    {
        CObject::Serialize(ar);
        this->SerializeArray(ar);
    }
};

template <class TYPE, class ARG_TYPE = const TYPE&>
class CList : public CListBase<TYPE, ARG_TYPE>
{
public:
    explicit CList(int nBlockSize = 10) : CListBase<TYPE, ARG_TYPE>(nBlockSize) {}
    void Serialize(CArchive& ar) override
    {
        CObject::Serialize(ar);
        this->SerializeList(ar);
    }
};

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
class CMap : public CMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>
{
public:
    explicit CMap(int nBlockSize = 10) : CMapBase<KEY, ARG_KEY, VALUE, ARG_VALUE>(nBlockSize) {}
    void Serialize(CArchive& ar) override
    {
        CObject::Serialize(ar);
        this->SerializeMap(ar);
    }
};

// ---------------------------------------------------------------------------
// Pointer collections of afxcoll.h that hand out TYPE instead of CObject*
// or void*: BASE_CLASS is CObList or CPtrList, CObArray or CPtrArray, or a
// map of pointers.

template <class BASE_CLASS, class TYPE>
class CTypedPtrList : public BASE_CLASS
{
public:
    explicit CTypedPtrList(int nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    TYPE& GetHead() { return reinterpret_cast<TYPE&>(BASE_CLASS::GetHead()); }
    TYPE GetHead() const { return static_cast<TYPE>(BASE_CLASS::GetHead()); }
    TYPE& GetTail() { return reinterpret_cast<TYPE&>(BASE_CLASS::GetTail()); }
    TYPE GetTail() const { return static_cast<TYPE>(BASE_CLASS::GetTail()); }
    TYPE RemoveHead() { return static_cast<TYPE>(BASE_CLASS::RemoveHead()); }
    TYPE RemoveTail() { return static_cast<TYPE>(BASE_CLASS::RemoveTail()); }
    TYPE& GetNext(POSITION& rPosition) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetNext(rPosition)); }
    TYPE GetNext(POSITION& rPosition) const { return static_cast<TYPE>(BASE_CLASS::GetNext(rPosition)); }
    TYPE& GetPrev(POSITION& rPosition) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetPrev(rPosition)); }
    TYPE GetPrev(POSITION& rPosition) const { return static_cast<TYPE>(BASE_CLASS::GetPrev(rPosition)); }
    TYPE& GetAt(POSITION position) { return reinterpret_cast<TYPE&>(BASE_CLASS::GetAt(position)); }
    TYPE GetAt(POSITION position) const { return static_cast<TYPE>(BASE_CLASS::GetAt(position)); }
};

template <class BASE_CLASS, class TYPE>
class CTypedPtrArray : public BASE_CLASS
{
public:
    TYPE GetAt(int nIndex) const { return static_cast<TYPE>(BASE_CLASS::GetAt(nIndex)); }
    TYPE& ElementAt(int nIndex) { return reinterpret_cast<TYPE&>(BASE_CLASS::ElementAt(nIndex)); }
    TYPE operator[](int nIndex) const { return GetAt(nIndex); }
    TYPE& operator[](int nIndex) { return ElementAt(nIndex); }
};

template <class BASE_CLASS, class KEY, class VALUE>
class CTypedPtrMap : public BASE_CLASS
{
public:
    explicit CTypedPtrMap(int nBlockSize = 10) : BASE_CLASS(nBlockSize) {}

    BOOL Lookup(KEY key, VALUE& rValue) const
    {
        typename BaseValue<BASE_CLASS>::Type value = nullptr;
        const BOOL bFound = BASE_CLASS::Lookup(key, value);
        rValue = static_cast<VALUE>(value);
        return bFound;
    }
    VALUE& operator[](KEY key) { return reinterpret_cast<VALUE&>(BASE_CLASS::operator[](key)); }
    void GetNextAssoc(POSITION& rPosition, KEY& rKey, VALUE& rValue) const
    {
        typename BaseValue<BASE_CLASS>::Type value = nullptr;
        BASE_CLASS::GetNextAssoc(rPosition, rKey, value);
        rValue = static_cast<VALUE>(value);
    }

private:
    // The value type of the map underneath (CObject* or void*).
    template <class MAP>
    struct BaseValue
    {
        typedef std::remove_reference_t<decltype(std::declval<MAP&>()[std::declval<KEY>()])> Type;
    };
};

#pragma pack(pop)
