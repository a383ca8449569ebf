#include "stores/StoreFiles.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "common/misc/CxDateTime.h"

namespace fs = std::filesystem;

namespace {

// Copies `file` to a new name beside it; never overwrites an earlier copy.
bool copy_aside(const std::string& file) {
  std::error_code ec;
  if (!fs::exists(file, ec)) return !ec;  // nothing left to keep
  std::string base = damaged_copy_name(file, now());
  std::string name = base;
  for (int n = 2; fs::exists(name, ec) && n < 1000; ++n) name = base + "-" + std::to_string(n);
  return fs::copy_file(file, name, fs::copy_options::none, ec) && !ec;
}

}  // namespace

std::string damaged_copy_name(const std::string& file, double when) {
  CxSystemTime st;
  ole_to_system_time(when, st);
  char stamp[32];
  std::snprintf(stamp, sizeof stamp, "%04d%02d%02d-%02d%02d%02d", st.wYear, st.wMonth, st.wDay,
                st.wHour, st.wMinute, st.wSecond);
  return file + ".damaged-" + stamp;
}

void DamagedFileGuard::watch(const std::string& file) {
  std::error_code ec;
  if (fs::exists(file, ec)) keep_copy(file);
}

void DamagedFileGuard::keep_copy(const std::string& file) {
  if (copy_aside(file)) {
    if (m_guarded == file) m_guarded.clear();
  } else {
    m_guarded = file;
  }
}

bool DamagedFileGuard::ready_to_replace(const std::string& file) {
  if (m_guarded != file) return true;
  keep_copy(file);
  return m_guarded != file;
}
