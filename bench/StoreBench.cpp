// Loading and saving the stores against copying the same bytes raw, and one reminder pass.
//
// The raw copy reads the whole file and writes it to a temporary file that is flushed, synced
// and renamed over the target: the same bytes and the same durability as a store's save, with
// none of the record work.

#include <benchmark/benchmark.h>
#include <malloc.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "BenchMain.h"
#include "common/misc/WinUtil.h"
#include "stores/ZorvoAlarmMgr.h"
#include "stores/ZorvoInboxItemMgr.h"

namespace {

constexpr int kRecords = 100000;

// A folder for the store files of this run, removed at exit.
struct BenchFolder {
  BenchFolder() {
    path = std::filesystem::temp_directory_path() / ("zorvo-bench-" + platform::unique_suffix());
    std::filesystem::create_directories(path);
  }
  ~BenchFolder() { std::filesystem::remove_all(path); }
  std::filesystem::path path;
};

std::string bench_folder() {
  static const BenchFolder folder;
  return folder.path.string() + "/";
}

// Short descriptions like the ones people type; one item in ten has a line of notes.
std::string realistic_name(int i) {
  static const char* const words[] = {"Call",   "Email",  "Buy",     "Fix",     "Plan",
                                      "review", "budget", "dentist", "printer", "report",
                                      "Anna",   "garden", "tickets", "invoice", "slides"};
  std::string s = words[i % 5];
  s += " ";
  s += words[5 + (i / 5) % 10];
  s += " " + std::to_string(i % 97);
  return s;
}

template <class Store>
void fill_and_save(Store& store, void (*shape)(typename Store::Record&, int)) {
  for (int i = 0; i < kRecords; ++i) {
    auto r = store.create();
    shape(*r, i);
    store.add_copy(r.get());
    store.discard(std::move(r));
  }
  store.save();
}

void raw_copy(const std::string& path) {
  std::FILE* in = std::fopen(path.c_str(), "rb");
  std::string bytes(std::filesystem::file_size(path), '\0');
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), in));
  std::fclose(in);
  std::string temp = path + ".raw";
  std::FILE* out = std::fopen(temp.c_str(), "wb");
  std::fwrite(bytes.data(), 1, bytes.size(), out);
  std::fflush(out);
  platform::sync_stream(out);
  std::fclose(out);
  platform::replace_file(temp, path);
}

void shape_inbox(InboxItem& r, int i) {
  r.name = realistic_name(i);
  if (i % 10 == 0) r.notes = "Ask about the delivery date before Friday.";
}

void shape_action(Action& r, int i) {
  r.name = realistic_name(i);
  r.context_id = 1 + i % 11;
  r.status = i % 7 == 0 ? kStatusCompleted : kStatusNotStarted;
  if (i % 3 == 0) {
    r.due = 46000.0 + i % 400;
    r.remind = 1;
    r.remind_lead = 1 + i % 30;
    r.remind_unit = 1 + i % 3;
  }
  if (i % 10 == 0) r.notes = "Bring the signed copy.";
}

void shape_someday(SomedayItem& r, int i) {
  r.name = realistic_name(i);
  r.when = 46000.0 + i % 500;
  r.remind = i % 2;
  r.remind_lead = 1 + i % 10;
  r.remind_unit = kUnitDays;
}

template <class Store>
void BM_LoadSave(benchmark::State& state, void (*shape)(typename Store::Record&, int)) {
  Store store;
  store.set_folder(bench_folder());
  fill_and_save(store, shape);
  for (auto _ : state) {
    store.reload();
    benchmark::DoNotOptimize(store.save());
  }
}

template <class Store>
void BM_RawCopy(benchmark::State& state, void (*shape)(typename Store::Record&, int)) {
  Store store;
  store.set_folder(bench_folder());
  fill_and_save(store, shape);
  for (auto _ : state) raw_copy(store.default_path());
}

void BM_InboxLoadSave(benchmark::State& s) {
  BM_LoadSave<ZorvoInboxItemMgr>(s, shape_inbox);
}
void BM_InboxRawCopy(benchmark::State& s) {
  BM_RawCopy<ZorvoInboxItemMgr>(s, shape_inbox);
}
void BM_ActionLoadSave(benchmark::State& s) {
  BM_LoadSave<ZorvoActionMgr>(s, shape_action);
}
void BM_ActionRawCopy(benchmark::State& s) {
  BM_RawCopy<ZorvoActionMgr>(s, shape_action);
}

// One minute's reminder work over 100,000 actions and 100,000 someday/maybe items: the two
// collection passes (everything is scheduled afresh, as after a start) and the due count.
// The two stores the scheduler walks, 100,000 records each.
struct ReminderStores {
  ReminderStores() {
    actions.set_folder(bench_folder());
    someday.set_folder(bench_folder());
    fill_and_save(actions, shape_action);
    fill_and_save(someday, shape_someday);
  }
  ZorvoActionMgr actions;
  ZorvoSomedayMgr someday;
  ZorvoAlarmMgr alarms{actions, someday};
};

void BM_ReminderPass(benchmark::State& state) {
  ReminderStores stores;
  auto& [actions, someday, alarms] = stores;
  for (auto _ : state) {
    state.PauseTiming();
    alarms.clear();
    for (Action* a = actions.first(); a; a = actions.next()) a->reminder_time = 0;
    for (SomedayItem* s = someday.first(); s; s = someday.next()) s->reminder_time = 0;
    state.ResumeTiming();
    alarms.collect_action_reminders();
    alarms.collect_someday_reminders();
    benchmark::DoNotOptimize(alarms.due_count());
  }
  state.counters["entries"] = alarms.count();
}

// The same pass once everything is scheduled: what every later minute costs.
void BM_ReminderPassSteady(benchmark::State& state) {
  ReminderStores stores;
  ZorvoAlarmMgr& alarms = stores.alarms;
  for (auto _ : state) {
    alarms.collect_action_reminders();
    alarms.collect_someday_reminders();
    benchmark::DoNotOptimize(alarms.due_count());
  }
}

// Memory the loaded store holds per record (allocator overhead included) against the bytes
// the record takes on file.
template <class Store>
std::string memory_per_record(const char* what, void (*shape)(typename Store::Record&, int)) {
  std::string file;
  {
    Store store;
    store.set_folder(bench_folder());
    fill_and_save(store, shape);
    file = store.default_path();
  }
  double file_bytes = static_cast<double>(std::filesystem::file_size(file) - 8) / kRecords;
  malloc_trim(0);
  std::size_t before = mallinfo2().uordblks;
  auto* store = new Store();
  store->set_folder(bench_folder());
  store->reload();
  std::size_t after = mallinfo2().uordblks;
  double memory = static_cast<double>(after - before) / kRecords;
  delete store;
  char line[200];
  std::snprintf(line, sizeof line,
                "%s: %.0f bytes in memory per record, %.0f on file: %.2fx (target within 3x)", what,
                memory, file_bytes, memory / file_bytes);
  return line;
}

struct Registration {
  Registration() {
    compare_to_baseline("BM_InboxLoadSave", "BM_InboxRawCopy", 3.0);
    compare_to_baseline("BM_ActionLoadSave", "BM_ActionRawCopy", 3.0);
    report_figure([] { return memory_per_record<ZorvoInboxItemMgr>("Inbox", shape_inbox); });
    report_figure([] { return memory_per_record<ZorvoActionMgr>("Actions", shape_action); });
  }
} registration;

}  // namespace

BENCHMARK(BM_InboxLoadSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_InboxRawCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ActionLoadSave)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ActionRawCopy)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReminderPass)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ReminderPassSteady)->Unit(benchmark::kMillisecond);
