#include "stores/StoreFiles.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "common/misc/CxDateTime.h"
#include "common/misc/CxFile.h"

namespace fs = std::filesystem;

namespace {

// Copies `file` to a new name beside it, never over an earlier copy, through a save of its own:
// the copy is whole or not there. 0, or the error (errno) that stopped it.
int copy_aside(const std::string& file) {
  std::FILE* in = std::fopen(file.c_str(), "rb");
  if (!in) return errno == ENOENT ? 0 : errno;  // gone: nothing left to keep
  std::string base = damaged_copy_name(file, now());
  std::string name = base;
  std::error_code ec;
  for (int n = 2; fs::exists(name, ec) && n < 1000; ++n) name = base + "-" + std::to_string(n);
  CxFile out;
  if (!out.Open(name, "wb")) {
    std::fclose(in);
    return out.error();
  }
  char chunk[1 << 16];
  std::size_t got = 0;
  while ((got = std::fread(chunk, 1, sizeof chunk, in)) > 0) out.WriteBytes({chunk, got});
  bool read_whole = !std::ferror(in);
  std::fclose(in);
  if (!read_whole) return EIO;  // out's temporary file goes with it
  return out.Commit() ? 0 : out.error();
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
  m_copy_error = copy_aside(file);
  if (m_copy_error == 0) {
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
