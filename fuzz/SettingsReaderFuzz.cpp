// Hands the input to the settings reader as the settings file, then checks what it promises
// besides not crashing: every value it gives is one the program can work with, what it read is
// written back and reads the same, and writing the same settings again changes nothing.

#include <cstddef>
#include <cstdint>

#include "app/Apputil.h"
#include "fuzz/FuzzFolder.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  static const FuzzFolder folder;
  folder.empty();
  folder.write(kSettingsFile, data, size);
  CxIniUtil ini(folder.path(), kSettingsFile);
  Settings read;
  load_settings(ini, read);
  expect(read.AutoSaveInterval >= 1 && read.AutoSaveInterval <= kLongestAutoSaveInterval,
         "the auto-save period is one the timer can count");

  expect(save_settings(ini, read), "the settings can be written");
  const std::string written = folder.read(kSettingsFile);
  Settings again;
  load_settings(ini, again);
  expect(again == read, "written settings read back the same");
  expect(save_settings(ini, again), "the settings can be written again");
  expect(folder.read(kSettingsFile) == written, "writing the same settings changes nothing");
  return 0;
}
