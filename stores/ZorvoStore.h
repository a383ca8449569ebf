#pragma once

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>
#include <memory>
#include <new>
#include <string>
#include <utility>
#include <vector>

#include "common/misc/CxDateTime.h"
#include "common/misc/CxFile.h"
#include "common/misc/CxList.h"
#include "stores/RecordIo.h"
#include "stores/RemovalListeners.h"
#include "stores/StoreFiles.h"

// Record states.
constexpr int32_t kStateStored = 0;
constexpr int32_t kStateNew = 1;
constexpr int32_t kStateChanged = 2;

// The pattern every store follows: an in-memory list of records that the store owns, an
// identifier counter, a changed-since-last-save flag, and one file read whole at start-up and
// written whole when saving. The file is a record count, the records' stored fields, and the
// identifier counter.
//
// Whoever keeps a reference to a record (the reminder scheduler, an editor, the running-action
// cache) listens for removals: the store tells every listener before it frees a record, and
// tells them with nullptr before it frees them all.
template <class R>
class ZorvoStore {
 public:
  using Record = R;
  using Removals = RemovalListeners<R>;

  explicit ZorvoStore(std::string file_name) : m_file_name(std::move(file_name)) {}
  ZorvoStore(const ZorvoStore&) = delete;
  ZorvoStore& operator=(const ZorvoStore&) = delete;
  virtual ~ZorvoStore() { m_records.RemoveAll(true); }

  // The folder of the default file, with its trailing separator; empty: the bare file name.
  void set_folder(std::string folder) { m_folder = std::move(folder); }
  std::string default_path() const { return m_folder + m_file_name; }
  const std::string& file_name() const { return m_file_name; }

  uint32_t id_counter() const { return m_id_counter; }
  bool dirty() const { return m_dirty; }
  uint32_t count() const { return m_records.GetCount(); }

  void reload() {
    clear();
    m_dirty = false;
    load();
  }

  bool save_if_dirty() { return m_dirty ? save() : true; }
  // Something the file holds changed without the user editing a record (a counted second, a
  // dismissed reminder): saved like any change, but no record's state or modified time moves.
  void mark_dirty() { m_dirty = true; }

  void clear() {
    notify_removal(nullptr);
    m_records.RemoveAll(true);
    m_dirty = true;
  }

  // Reads the file and appends its records. A damaged file (short, or inconsistent) gives the
  // records that were read whole, and a copy of the file is kept beside it first.
  bool load(const std::string& path = {}) {
    std::string file = resolve(path);
    CxFile f;
    if (!f.Open(file, "rb")) {
      // A file that is there but cannot be read must not be replaced by what this run saves.
      m_guard.watch(file);
      return open_failed();
    }
    bool damaged = false;  // read past the end, or inconsistent: the rest is not read
    bool cut = false;      // a text longer than its field lost its end
    int32_t stored_count = 0;
    if (!f.ReadDWord(&stored_count)) damaged = true;
    int32_t max_id = 0;
    for (uint32_t i = 0; !damaged && i < static_cast<uint32_t>(stored_count); ++i) {
      // One record at a time, so a huge count cannot claim more memory than the file holds.
      R* record = new (std::nothrow) R();
      if (!record) break;
      record_io::Reader reader(f);
      R::stored_fields(*record, reader);
      if (!reader.ok()) {
        delete record;
        damaged = true;
        break;
      }
      cut = cut || reader.truncated();
      after_read(*record);
      if (record->id > max_id) max_id = record->id;
      m_records.Add(record);
    }
    int32_t stored_counter = 0;
    if (damaged || !f.ReadDWord(&stored_counter) || !f.AtEnd()) damaged = true;
    // Identifiers are positive int32 values: a counter beyond them (negative on file) would
    // issue negative identifiers and then 0, which means "none".
    m_id_counter = stored_counter < 0 ? 0 : static_cast<uint32_t>(stored_counter);
    if (count() >= m_id_counter) m_id_counter = count() + 1;
    // A new record must never take the identifier of a stored one.
    if (static_cast<uint32_t>(max_id) > m_id_counter) m_id_counter = static_cast<uint32_t>(max_id);
    f.Close();
    if (damaged || cut) m_guard.keep_copy(file);
    m_dirty = false;
    return true;
  }

  // What reload does, with records that `loaded` read from the same file (on a thread of its
  // own, say): the store's records go, and `loaded`'s move in without a copy, with its counter,
  // its changed flag and its guard over a damaged file. `loaded` is left empty.
  void take_over(ZorvoStore& loaded) {
    clear();
    m_records.Swap(loaded.m_records);
    m_id_counter = loaded.m_id_counter;
    m_dirty = loaded.m_dirty;
    m_guard = loaded.m_guard;
    loaded.m_dirty = false;
  }

  bool save(const std::string& path = {}) {
    std::string file = resolve(path);
    if (!m_guard.ready_to_replace(file)) {
      m_save_failure =
          "the file there is damaged or unreadable, and a copy of it could not be kept (" +
          cx_error_text(m_guard.copy_error()) + ")";
      return false;
    }
    CxFile f;
    if (!f.Open(file, "wb")) return failed_save(f);
    f.WriteDWord(static_cast<int32_t>(count()));
    record_io::Writer writer(f);
    for (R* r : records()) {
      r->state = kStateStored;
      R::stored_fields(static_cast<const R&>(*r), writer);
    }
    f.WriteDWord(static_cast<int32_t>(m_id_counter));
    if (!f.Commit()) return failed_save(f);
    m_save_failure.clear();
    m_dirty = false;
    return true;
  }
  // Why the last save failed, for the user; empty after a save that did not.
  const std::string& save_failure() const { return m_save_failure; }

  // Every record in store order, for a range-for that leaves the cursor of first() and next()
  // alone: a walk inside another walk, or a look-up during one, cuts neither short.
  const CxList<R>& records() const { return m_records; }
  // The cursor walk: one walk at a time, and anything that walks the store in between moves it.
  R* first() { return m_records.GetFirst(); }
  R* next() { return m_records.GetNext(); }

  R* add_copy(const R* record) {
    if (!record) return nullptr;
    m_dirty = true;
    R* copy = nullptr;
    try {
      copy = new R(*record);
    } catch (const std::bad_alloc&) {
      return nullptr;
    }
    m_records.Add(copy);
    stored_copy(record, copy);
    return copy;
  }

  // Takes the record out of the store (when it is there) and frees it.
  bool remove(R* record) {
    if (!record) return false;
    notify_removal(record);
    if (!m_records.Remove(record, true)) delete record;
    m_dirty = true;
    return true;
  }

  // A new record, not in the store: the caller owns it until it is committed or discarded.
  std::unique_ptr<R> create() {
    std::unique_ptr<R> record(new (std::nothrow) R());
    if (!record) return nullptr;
    record->id = next_id();
    record->state = kStateNew;
    record->created = record->modified = now();
    init_new(*record);
    return record;
  }

  bool touch(R* record) {
    if (!record) return false;
    record->state = kStateChanged;
    record->modified = now();
    m_dirty = true;
    return true;
  }

  // Frees a detached record that never reached the store.
  void discard(std::unique_ptr<R> detached) {
    if (detached) notify_removal(detached.get());
  }

  [[nodiscard]] typename Removals::Subscription listen_removal(typename Removals::Listener l) {
    return m_removals.listen(std::move(l));
  }

 protected:
  // The store's own defaults for a new record.
  virtual void init_new(R&) {}
  // Adjusts a record just read from the file.
  virtual void after_read(R&) {}
  // The file could not be opened for reading; the result is load's.
  virtual bool open_failed() { return false; }
  // `copy` was stored by add_copy in place of the caller's `original`.
  virtual void stored_copy(const R* /*original*/, R* /*copy*/) {}

  void set_dirty() { m_dirty = true; }

  R* find_id(int32_t id) const {
    for (R* r : records())
      if (r->id == id) return r;
    return nullptr;
  }

 private:
  std::string resolve(const std::string& path) const {
    return path.empty() ? default_path() : path.substr(0, 259);
  }

  bool failed_save(const CxFile& f) {
    m_save_failure = cx_error_text(f.error());
    return false;
  }

  int32_t next_id() {
    if (m_id_counter < static_cast<uint32_t>(INT32_MAX))
      return static_cast<int32_t>(++m_id_counter);
    // Only a file that holds the largest identifier gets here: the counter cannot go on, so the
    // smallest identifier no record holds is taken instead.
    std::vector<int32_t> taken;
    for (R* r : records())
      if (r->id > 0) taken.push_back(r->id);
    std::sort(taken.begin(), taken.end());
    int32_t id = 1;
    for (int32_t t : taken) {
      if (t > id) break;
      if (t == id) ++id;
    }
    return id;
  }

  void notify_removal(const R* record) { m_removals.tell(record); }

  std::string m_file_name;
  std::string m_folder;
  CxList<R> m_records;
  uint32_t m_id_counter = 0;
  bool m_dirty = false;
  DamagedFileGuard m_guard;
  std::string m_save_failure;
  Removals m_removals;
};
