#pragma once

#include <functional>
#include <memory>

#include "stores/ZorvoStore.h"

// A record handed to an editor: one of the store's, or a new one from the store's create that
// the editor owns until it is saved.
template <class R>
class RecordToEdit {
 public:
  RecordToEdit(R* stored) : m_stored(stored) {}  // NOLINT: either kind is handed over as it is
  RecordToEdit(std::unique_ptr<R> fresh) : m_fresh(std::move(fresh)) {}  // NOLINT: as above

  R* get() const { return m_fresh ? m_fresh.get() : m_stored; }
  bool is_new() const { return m_fresh != nullptr; }

 private:
  template <class Store>
  friend class EditedRecord;

  R* m_stored = nullptr;
  std::unique_ptr<R> m_fresh;
};

// The record an editor page works on: either a new, detached record that the editor owns
// until it is committed, or a stored one that the store owns. Every editor commits the same
// way: a new record enters the store as a copy (add_copy, then touch of the copy) and the
// detached one is freed; a stored record is touched. When the store removes the stored record,
// the editor loses it instead of keeping a dangling reference, and `lost` tells it so at once.
template <class Store>
class EditedRecord {
 public:
  using Record = typename Store::Record;

  explicit EditedRecord(Store& store, std::function<void()> lost = {})
      : m_store(store), m_lost(std::move(lost)) {
    m_removals = store.listen_removal([this](const Record* r) {
      if (!m_stored || (r && r != m_stored)) return;
      m_stored = nullptr;
      if (m_lost) m_lost();
    });
  }
  EditedRecord(const EditedRecord&) = delete;
  EditedRecord& operator=(const EditedRecord&) = delete;
  ~EditedRecord() {
    m_store.discard(std::move(m_detached));
  }

  // Edits a record of the store, or a new one.
  void edit(RecordToEdit<Record> record) {
    drop();
    m_detached = std::move(record.m_fresh);
    if (!m_detached) m_stored = record.m_stored;
  }
  // Forgets the record; a detached one is freed.
  void drop() {
    m_store.discard(std::move(m_detached));
    m_stored = nullptr;
  }

  // The record being edited; none when nothing is edited or its record was removed.
  Record* get() const { return m_detached ? m_detached.get() : m_stored; }
  // Whether the record is a new one, not stored yet.
  bool is_new() const { return m_detached != nullptr; }
  Store& store() const { return m_store; }

  // Stores the editor's record and goes on with the stored one, which it returns.
  Record* commit() {
    if (m_detached) {
      Record* copy = m_store.add_copy(m_detached.get());
      if (!copy) return nullptr;
      m_store.touch(copy);
      m_store.discard(std::move(m_detached));
      m_stored = copy;
    } else {
      m_store.touch(m_stored);
    }
    return m_stored;
  }

 private:
  Store& m_store;
  std::function<void()> m_lost;
  std::unique_ptr<Record> m_detached;
  Record* m_stored = nullptr;
  typename Store::Removals::Subscription m_removals;
};
