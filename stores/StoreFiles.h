#pragma once

#include <string>

// Keeps what the user had on disk. A damaged store file is copied aside, untouched, before
// anything can overwrite it; a file that is there but could not be read (or copied) is not
// replaced until such a copy exists. A copy is whole or not there at all: one that fails
// part-way (a full disk) leaves nothing behind, and is tried again before the next save.
class DamagedFileGuard {
 public:
  // The file could not be opened for reading: when it exists, guard it.
  void watch(const std::string& file);
  // The file was read but is damaged: copy it aside now, or guard it when that fails.
  void keep_copy(const std::string& file);
  // Whether `file` may be replaced now; a guarded file first gets its copy.
  bool ready_to_replace(const std::string& file);
  // Why the last copy failed (an errno value); 0 when it did not.
  int copy_error() const { return m_copy_error; }

 private:
  std::string m_guarded;
  int m_copy_error = 0;
};

// "<file>.damaged-YYYYMMDD-HHMMSS", the name of the copy kept of a damaged file.
std::string damaged_copy_name(const std::string& file, double when);
