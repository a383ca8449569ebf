#include <fcntl.h>
#include <sys/mman.h>
#include <unistd.h>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstdint>
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

char path_separator() {
  return '/';
}

const char* line_end() {
  return "\n";
}

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

bool sync_stream(std::FILE* stream) {
  return ::fsync(fileno(stream)) == 0;
}

bool replace_file(const std::string& source, const std::string& target) {
  return std::rename(source.c_str(), target.c_str()) == 0;
}

bool replace_needs_folder_sync() {
  return true;
}

bool sync_folder_of(const std::string& file) {
  std::string folder = std::filesystem::path(file).parent_path().string();
  if (folder.empty()) folder = ".";
  int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY);
  if (fd < 0) return true;  // some file systems do not open folders: nothing to sync there
  // EINVAL: a folder that cannot be synced (some network file systems); nothing failed.
  bool ok = ::fsync(fd) == 0 || errno == EINVAL;
  int saved = errno;
  ::close(fd);
  errno = saved;
  return ok;
}

bool link_file(const std::string& existing, const std::string& link) {
  return ::link(existing.c_str(), link.c_str()) == 0;
}

std::string unique_suffix() {
  static std::atomic<unsigned> counter{0};
  return std::to_string(::getpid()) + "-" + std::to_string(counter++);
}

void prefer_large_pages_in_this_thread(bool on) {
#if defined(__GLIBC__) && defined(MADV_HUGEPAGE)
  // glibc serves a thread other than the first from a heap of its own, reserved aligned to the
  // heap's largest size. Advising the whole reserve lets the kernel back it with large pages as
  // it fills (the advice stays; it is only a hint); making and growing the heap in large steps
  // keeps whole 2 MB blocks inside its writable part, which large pages need.
  constexpr std::uintptr_t kHeapReserve = 2 * 4 * 1024 * 1024 * sizeof(long);
  constexpr int kDefaultTopPad = 128 * 1024;
  constexpr int kLargeTopPad = 32 * 1024 * 1024;
  // Set first: a thread's heap is made on its first allocation, already as large as the pad.
  ::mallopt(M_TOP_PAD, on ? kLargeTopPad : kDefaultTopPad);
  if (!on) return;
  void* probe = std::malloc(64);
  if (!probe) return;
  auto heap = reinterpret_cast<std::uintptr_t>(probe) & ~(kHeapReserve - 1);
  std::free(probe);
  ::madvise(reinterpret_cast<void*>(heap), kHeapReserve, MADV_HUGEPAGE);
#else
  (void)on;
#endif
}

}  // namespace platform
