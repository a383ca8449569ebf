#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "common/misc/WinUtil.h"

bool module_folder(std::string& path) {
  std::error_code ec;
  std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec || exe.empty()) return false;
  path = exe.parent_path().string() + '/';
  return true;
}

namespace platform {

char path_separator() { return '/'; }

const char* line_end() { return "\n"; }

bool common_data_folder(std::string& folder) {
  // The user's data folder of the XDG base directory rules: the same for every run.
  std::string base;
  const char* xdg = std::getenv("XDG_DATA_HOME");
  if (xdg && xdg[0] == '/') {
    base = xdg;
  } else {
    const char* home = std::getenv("HOME");
    if (!home || home[0] != '/') return false;
    base = std::string(home) + "/.local/share";
  }
  std::error_code ec;
  std::filesystem::create_directories(base, ec);
  if (ec || !std::filesystem::is_directory(base, ec)) return false;
  folder = base;
  return true;
}

LocalTime local_time_now() {
  std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  return {tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday, tm.tm_hour, tm.tm_min, tm.tm_sec};
}

bool sync_stream(std::FILE* stream) { return ::fsync(fileno(stream)) == 0; }

bool replace_file(const std::string& source, const std::string& target) {
  if (std::rename(source.c_str(), target.c_str()) != 0) return false;
  // The rename lives in the folder's entries: sync the folder so it survives a power cut.
  std::string folder = std::filesystem::path(target).parent_path().string();
  if (folder.empty()) folder = ".";
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return true;  // the file itself is in place; some file systems refuse this
  ::fsync(fd);
  ::close(fd);
  return true;
}

std::string unique_suffix() {
  static std::atomic<unsigned> counter{0};
  return std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

}  // namespace platform
