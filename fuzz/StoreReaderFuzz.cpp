// Hands the input to a store's reader as its file (ZORVO_FUZZ_STORE names the store), then
// checks what the reader promises besides not crashing: every text it keeps fits its field,
// every date it keeps has a text, what it read saves and reads back the same, and a new record
// takes an identifier that no record has and that is not 0.

#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "common/misc/CxDateTime.h"
#include "fuzz/FuzzFolder.h"
#include "stores/ZorvoActionMgr.h"
#include "stores/ZorvoAlarmMgr.h"
#include "stores/ZorvoCtxMgr.h"
#include "stores/ZorvoInboxItemMgr.h"
#include "stores/ZorvoProjectMgr.h"
#include "stores/ZorvoRefMgr.h"
#include "stores/ZorvoSomedayMgr.h"

namespace {

using Store = ZORVO_FUZZ_STORE;
using Record = Store::Record;

struct FieldCheck {
  void operator()(const int32_t&) {}
  void operator()(const double& v) {
    expect(format_date_time(v).size() == 19, "every date-time has a text of the usual width");
  }
  template <std::size_t N>
  void operator()(const Text<N>& t) {
    expect(t.size() <= Text<N>::max_length, "a text never holds more than its field");
  }
  template <record_io::FieldRun A>
  void operator()(const A& run) {
    for (std::size_t i = 0; i < run.size(); ++i) (*this)(run[i]);
  }
};

// The reminder pass reads the dates and leads of actions and someday/maybe items.
template <class S>
void collect_reminders(S& store) {
  if constexpr (std::is_same_v<S, ZorvoActionMgr>) {
    ZorvoSomedayMgr none;
    ZorvoAlarmMgr alarms(store, none);
    alarms.collect_action_reminders();
    alarms.due_count();
  } else if constexpr (std::is_same_v<S, ZorvoSomedayMgr>) {
    ZorvoActionMgr none;
    ZorvoAlarmMgr alarms(none, store);
    alarms.collect_someday_reminders();
    alarms.due_count();
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const FuzzFolder folder;
  folder.empty();
  Store store;
  store.set_folder(folder.path());
  folder.write(store.file_name(), data, size);
  store.load();
  FieldCheck check;
  for (const Record* r : store.records()) Record::stored_fields(*r, check);

  expect(store.save(), "what was read can be saved");
  const std::string saved = folder.read(store.file_name());
  Store again;
  again.set_folder(folder.path());
  again.load();
  expect(again.count() == store.count(), "a saved file reads back with all its records");
  expect(again.save(), "a file read back can be saved again");
  expect(folder.read(store.file_name()) == saved, "a saved file reads back byte for byte");

  // (Last: a scheduled reminder of a someday/maybe item is written, and 0 again after a load.)
  collect_reminders(again);
  auto fresh = again.create();
  expect(fresh && fresh->id > 0, "a new record's identifier is above 0");
  for (const Record* r : again.records())
    expect(r->id != fresh->id, "a new record never takes an identifier a record has");
  return 0;
}
