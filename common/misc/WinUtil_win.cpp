// windows.h first: the other Windows headers build on it.
#include <windows.h>

#include <io.h>
#include <shlobj.h>

#include <atomic>
#include <cerrno>
#include <string>

#include "common/misc/WinUtil.h"

bool module_folder(std::string& path) {
  char buf[MAX_PATH];
  DWORD n = GetModuleFileNameA(nullptr, buf, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return false;
  std::string full(buf, n);
  std::size_t cut = full.find_last_of("\\/");
  if (cut == std::string::npos) return false;
  path = full.substr(0, cut + 1);
  return true;
}

namespace platform {

char path_separator() {
  return '\\';
}

const char* line_end() {
  return "\r\n";
}

bool common_data_folder(std::string& folder) {
  char buf[MAX_PATH];
  // The common application data folder (0x8023), made when it does not exist.
  constexpr int kFolder = CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE;
  static_assert(kFolder == 0x8023);
  if (FAILED(SHGetFolderPathA(nullptr, kFolder, nullptr, SHGFP_TYPE_CURRENT, buf))) return false;
  folder = buf;
  return !folder.empty();
}

LocalTime local_time_now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

namespace {

// errno for a failed Windows file function, as the C library would set it.
bool failed_with(DWORD err) {
  switch (err) {
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      errno = ENOSPC;
      break;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      errno = ENOENT;
      break;
    case ERROR_ACCESS_DENIED:
    case ERROR_SHARING_VIOLATION:
    case ERROR_LOCK_VIOLATION:
      errno = EACCES;
      break;
    default:
      errno = EIO;
  }
  return false;
}

}  // namespace

bool sync_stream(std::FILE* stream) {
  HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  if (h == INVALID_HANDLE_VALUE) return failed_with(ERROR_INVALID_HANDLE);
  return FlushFileBuffers(h) != 0 || failed_with(GetLastError());
}

bool replace_file(const std::string& source, const std::string& target) {
  // While any other handle has the old file open (an indexer, a virus scanner, a backup), the
  // replace is refused. Such a hold usually lasts a moment: retry for about a second, then
  // give up so that the save is reported as failed instead of hanging.
  constexpr int kAttempts = 20;
  constexpr DWORD kPauseMs = 50;
  for (int attempt = 1;; ++attempt) {
    if (MoveFileExA(source.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return true;
    DWORD err = GetLastError();
    bool held =
        err == ERROR_ACCESS_DENIED || err == ERROR_SHARING_VIOLATION || err == ERROR_LOCK_VIOLATION;
    if (!held || attempt == kAttempts) return failed_with(err);
    Sleep(kPauseMs);
  }
}

// MOVEFILE_WRITE_THROUGH returns only once the replacement is on the disk.
bool replace_needs_folder_sync() {
  return false;
}

bool sync_folder_of(const std::string&) {
  return true;
}

bool link_file(const std::string& existing, const std::string& link) {
  return CreateHardLinkA(link.c_str(), existing.c_str(), nullptr) != 0 ||
         failed_with(GetLastError());
}

std::string unique_suffix() {
  static std::atomic<unsigned> counter{0};
  return std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++);
}

// Large pages need a privilege that ordinary users do not hold: nothing to ask for here.
void prefer_large_pages_in_this_thread(bool) {}

}  // namespace platform
