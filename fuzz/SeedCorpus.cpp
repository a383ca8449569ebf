// fuzz_seed_corpus FOLDER: writes the seed inputs of every fuzz target into FOLDER/<target>/,
// each one written by the program's own writers: store files with ordinary records, with every
// text as long as its field allows, with extreme values and with spare fields set, one cut
// short; settings files as the program writes them and as people edit them.

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/Apputil.h"
#include "common/misc/WinUtil.h"
#include "support/RecordFill.h"

namespace fs = std::filesystem;

namespace {

bool g_ok = true;

std::string read_all(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void put(const fs::path& folder, const std::string& name, const std::string& bytes) {
  std::ofstream out(folder / name, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  g_ok = g_ok && out.good();
}

// Saves `store` with the program's writer and keeps the file as the seed `name`.
template <class Store>
void seed(Store& store, const fs::path& folder, const std::string& name) {
  g_ok = g_ok && store.save();
  put(folder, name, read_all(store.default_path()));
}

template <class Store>
void store_seeds(const fs::path& corpus, const std::string& target) {
  using R = typename Store::Record;
  const fs::path folder = corpus / target;
  fs::create_directories(folder);
  const std::string work = (corpus / ".work").string() + platform::path_separator();
  fs::create_directories(work);
  Store store;
  store.set_folder(work);
  seed(store, folder, "empty");

  auto add = [&store](auto fill) {
    std::unique_ptr<R> r = store.create();
    fill(*r);
    store.add_copy(r.get());
  };
  for (int i = 0; i < 3; ++i) add([i](R& r) { RecordFill::fill(r, 100 * (i + 1)); });
  seed(store, folder, "ordinary");
  std::string whole = read_all(store.default_path());
  put(folder, "cut-short", whole.substr(0, whole.size() / 2));

  store.clear();
  add([](R& r) { RecordFill::fill(r, 7, true); });
  add([](R& r) { RecordFill::fill(r, 9000, true); });
  seed(store, folder, "full-length-texts");

  store.clear();
  add([](R& r) {
    EdgeFill edges;
    R::stored_fields(r, edges);
  });
  add([](R& r) { RecordFill::fill(r, -5); });
  seed(store, folder, "extreme-values");
  fs::remove_all(work);
}

void settings_seeds(const fs::path& corpus) {
  const fs::path folder = corpus / "settings";
  fs::create_directories(folder);
  const std::string work = (corpus / ".work").string() + platform::path_separator();
  fs::create_directories(work);
  CxIniUtil ini(work, kSettingsFile);
  Settings settings;
  g_ok = g_ok && save_settings(ini, settings);
  put(folder, "defaults", read_all(ini.File()));

  // A file someone kept other things in, with Windows line ends; the program's keys written
  // into it, with values it must bring into range.
  std::string edited =
      "; notes\r\n[Other]\r\nkey=value\r\n\r\n[zorvo-wizard]\r\nUnknownKey=1\r\n"
      "AutoSaveInterval=1073741824\r\nHighColor=abc\r\n  ShowActionMode = -7x\r\n";
  put(folder, "edited-by-hand", edited);
  std::ofstream(ini.File(), std::ios::binary) << edited;
  settings.AutoSaveInterval = 120;
  settings.LastID = -2147483647 - 1;
  g_ok = g_ok && save_settings(ini, settings);
  put(folder, "written-into-an-edited-file", read_all(ini.File()));
  put(folder, "byte-order-mark", "\xEF\xBB\xBF" + read_all(ini.File()));
  fs::remove_all(work);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || !*argv[1]) {
    std::fprintf(stderr, "usage: fuzz_seed_corpus FOLDER\n");
    return 2;
  }
  const fs::path corpus = argv[1];
  store_seeds<ZorvoInboxItemMgr>(corpus, "inbox");
  store_seeds<ZorvoCtxMgr>(corpus, "contexts");
  store_seeds<ZorvoProjectMgr>(corpus, "projects");
  store_seeds<ZorvoActionMgr>(corpus, "actions");
  store_seeds<ZorvoSomedayMgr>(corpus, "someday");
  store_seeds<ZorvoRefMgr>(corpus, "references");
  settings_seeds(corpus);
  if (!g_ok) std::fprintf(stderr, "fuzz_seed_corpus: could not write the seeds into %s\n", argv[1]);
  return g_ok ? 0 : 1;
}
