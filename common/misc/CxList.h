#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <new>
#include <utility>

#include "common/misc/CxCheck.h"

// A doubly linked list of element references with one built-in cursor. The cursor belongs to
// the list, not to a walk: a walk that walks the same list again in its body continues from
// wherever the inner walk left it. Add moves the cursor to the new tail; Remove leaves it on
// the follower of the removed node, at the removed node's position.
//
// The list owns its nodes, not its elements: an element is deleted only when Remove or
// RemoveAll is asked to release it. Nodes come from blocks the list keeps, so that the nodes of
// a list filled in one go lie one after another in memory and a walk reads them as a stream
// instead of hopping from allocation to allocation; a removed node is kept for the next Add.
//
// A range-for over the list walks it without the cursor, so it can run inside any other walk
// (and any other walk inside it). Removing the element a range-for stands on ends that walk:
// collect first, then remove.
template <class T>
class CxList {
  struct Node;

 public:
  class Iterator {
   public:
    using iterator_category = std::forward_iterator_tag;
    using value_type = T*;
    using difference_type = std::ptrdiff_t;
    using pointer = T* const*;
    using reference = T*;

    Iterator() = default;
    explicit Iterator(const Node* node) : m_node(node) {}
    T* operator*() const { return m_node->pData; }
    Iterator& operator++() {
      m_node = m_node->pNext;
      return *this;
    }
    Iterator operator++(int) {
      Iterator before = *this;
      ++*this;
      return before;
    }
    bool operator==(const Iterator& other) const { return m_node == other.m_node; }

   private:
    const Node* m_node = nullptr;
  };

  CxList() = default;
  CxList(const CxList&) = delete;
  CxList& operator=(const CxList&) = delete;
  ~CxList() { RemoveAll(false); }

  uint32_t GetCount() const { return m_nCount; }
  Iterator begin() const { return Iterator(m_pHead); }
  Iterator end() const { return Iterator(nullptr); }

  bool Add(T* element) {
    if (!element) return false;
    Node* node = NewNode();
    *node = Node{element, m_nCount, m_pTail, nullptr};
    if (m_pTail)
      m_pTail->pNext = node;
    else
      m_pHead = node;
    m_pTail = node;
    m_pCurr = node;
    m_nFindIndex = m_nCount;
    ++m_nCount;
    return true;
  }

  T* GetFirst() {
    m_pCurr = m_pHead;
    m_nFindIndex = 0;
    return m_pCurr ? m_pCurr->pData : nullptr;
  }

  T* GetLast() {
    m_pCurr = m_pTail;
    m_nFindIndex = m_nCount ? m_nCount - 1 : 0;
    return m_pCurr ? m_pCurr->pData : nullptr;
  }

  T* GetNext() {
    if (m_nCount == 0 || m_nFindIndex >= m_nCount - 1) return nullptr;
    return GetAt(m_nFindIndex + 1);
  }

  T* GetPrev() {
    if (m_nFindIndex == 0) return nullptr;
    return GetAt(m_nFindIndex - 1);
  }

  T* GetAt(uint32_t index) {
    if (index >= m_nCount) return nullptr;
    if (!m_pCurr) {
      // The cursor stands past the end after the tail was removed: walk in from the nearer end.
      if (index < m_nCount / 2) {
        m_pCurr = m_pHead;
        m_nFindIndex = 0;
      } else {
        m_pCurr = m_pTail;
        m_nFindIndex = m_nCount - 1;
      }
    }
    while (m_nFindIndex < index) {
      m_pCurr = m_pCurr->pNext;
      ++m_nFindIndex;
    }
    while (m_nFindIndex > index) {
      m_pCurr = m_pCurr->pPrev;
      --m_nFindIndex;
    }
    cx_check(m_pCurr->nIndex == m_nFindIndex, "m_pCurr->nIndex==m_nFindIndex");
    return m_pCurr->pData;
  }

  bool Remove(const T* element, bool release) {
    Node* node = m_pHead;
    while (node && node->pData != element) node = node->pNext;
    if (!node) return false;
    for (Node* after = node->pNext; after; after = after->pNext) --after->nIndex;
    (node->pPrev ? node->pPrev->pNext : m_pHead) = node->pNext;
    (node->pNext ? node->pNext->pPrev : m_pTail) = node->pPrev;
    m_pCurr = node->pNext;
    m_nFindIndex = node->nIndex;
    if (release) delete node->pData;
    --m_nCount;
    FreeNode(node);
    return true;
  }

  // Exchanges the whole contents, cursor included, with `other`.
  void Swap(CxList& other) noexcept {
    std::swap(m_pHead, other.m_pHead);
    std::swap(m_pTail, other.m_pTail);
    std::swap(m_pCurr, other.m_pCurr);
    std::swap(m_nCount, other.m_nCount);
    std::swap(m_nFindIndex, other.m_nFindIndex);
    std::swap(m_pFree, other.m_pFree);
    std::swap(m_pBlocks, other.m_pBlocks);
    std::swap(m_nNextBlock, other.m_nNextBlock);
  }

  void RemoveAll(bool release) {
    if (release)
      for (Node* node = m_pHead; node; node = node->pNext) delete node->pData;
    while (m_pBlocks) {
      Block* next = m_pBlocks->pNext;
      ::operator delete(m_pBlocks);
      m_pBlocks = next;
    }
    m_pHead = m_pTail = m_pCurr = m_pFree = nullptr;
    m_nCount = m_nFindIndex = 0;
    m_nNextBlock = kFirstBlock;
  }

 private:
  struct Node {
    T* pData;
    uint32_t nIndex;
    Node* pPrev;
    Node* pNext;
  };
  // A block of nodes: each block holds twice as many as the one before, up to kLastBlock, so
  // that a short list costs little and a long one few allocations.
  struct Block {
    Block* pNext;  // the block's nodes follow it in memory
  };
  static constexpr uint32_t kFirstBlock = 8;
  static constexpr uint32_t kLastBlock = 4096;

  Node* NewNode() {
    if (!m_pFree) {
      static_assert(sizeof(Block) % alignof(Node) == 0, "nodes follow their block");
      const std::size_t bytes = sizeof(Block) + m_nNextBlock * sizeof(Node);
      auto* block = static_cast<Block*>(::operator new(bytes, std::nothrow));
      cx_check(block != nullptr, "pContainer");
      block->pNext = m_pBlocks;
      m_pBlocks = block;
      // Handed out from the first node on, so that nodes follow one another in memory.
      Node* nodes = reinterpret_cast<Node*>(block + 1);
      for (uint32_t i = m_nNextBlock; i-- > 0;) FreeNode(nodes + i);
      if (m_nNextBlock < kLastBlock) m_nNextBlock *= 2;
    }
    Node* node = m_pFree;
    m_pFree = node->pNext;
    return node;
  }
  void FreeNode(Node* node) {
    node->pNext = m_pFree;
    m_pFree = node;
  }

  Node* m_pHead = nullptr;
  Node* m_pTail = nullptr;
  Node* m_pCurr = nullptr;
  uint32_t m_nCount = 0;
  uint32_t m_nFindIndex = 0;
  Node* m_pFree = nullptr;  // nodes to hand out, linked by pNext
  Block* m_pBlocks = nullptr;
  uint32_t m_nNextBlock = kFirstBlock;
};
