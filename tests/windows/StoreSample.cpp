// store_sample FOLDER: writes the six store files, each with the same fixed records on every
// platform, into FOLDER. The file format has no platform in it, so the files a Windows build
// writes must equal those of a Linux build byte for byte; the Windows test run compares them.

#include <cstdio>
#include <string>

#include "common/misc/WinUtil.h"
#include "stores/ZorvoActionMgr.h"
#include "stores/ZorvoCtxMgr.h"
#include "stores/ZorvoInboxItemMgr.h"
#include "stores/ZorvoProjectMgr.h"
#include "stores/ZorvoRefMgr.h"
#include "stores/ZorvoSomedayMgr.h"
#include "support/RecordFill.h"

namespace {

template <class Store>
bool write_sample(const std::string& folder, int32_t seed) {
  Store store;
  store.set_folder(folder);
  for (int i = 0; i < 3; ++i) {
    auto record = store.create();
    if (i < 2) {
      RecordFill::fill(*record, seed + 1000 * i);
    } else {
      EdgeFill edges;
      Store::Record::stored_fields(*record, edges);
    }
    store.add_copy(record.get());
  }
  return store.save();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || !*argv[1]) {
    std::fprintf(stderr, "usage: store_sample FOLDER\n");
    return 2;
  }
  std::string folder = argv[1];
  if (folder.back() != platform::path_separator()) folder += platform::path_separator();
  bool ok = write_sample<ZorvoInboxItemMgr>(folder, 1) && write_sample<ZorvoCtxMgr>(folder, 2) &&
            write_sample<ZorvoProjectMgr>(folder, 3) && write_sample<ZorvoActionMgr>(folder, 4) &&
            write_sample<ZorvoSomedayMgr>(folder, 5) && write_sample<ZorvoRefMgr>(folder, 6);
  if (!ok) std::fprintf(stderr, "store_sample: could not write the store files to %s\n", argv[1]);
  return ok ? 0 : 1;
}
