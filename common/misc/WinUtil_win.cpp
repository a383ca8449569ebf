#include <windows.h>
#include <io.h>
#include <shlobj.h>

#include <atomic>
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

char path_separator() { return '\\'; }

const char* line_end() { return "\r\n"; }

bool common_data_folder(std::string& folder) {
  char buf[MAX_PATH];
  // CSIDL_COMMON_APPDATA | CSIDL_FLAG_CREATE: the folder is made when it does not exist.
  if (FAILED(SHGetFolderPathA(nullptr, 0x8023, nullptr, 0, buf))) return false;
  folder = buf;
  return !folder.empty();
}

LocalTime local_time_now() {
  SYSTEMTIME st;
  GetLocalTime(&st);
  return {st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
}

bool sync_stream(std::FILE* stream) {
  HANDLE h = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(stream)));
  return h != INVALID_HANDLE_VALUE && FlushFileBuffers(h) != 0;
}

bool replace_file(const std::string& source, const std::string& target) {
  // An indexer or a virus scanner may hold the old file for a moment: retry briefly.
  for (int attempt = 0; attempt < 20; ++attempt) {
    if (MoveFileExA(source.c_str(), target.c_str(),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
      return true;
    DWORD err = GetLastError();
    if (err != ERROR_ACCESS_DENIED && err != ERROR_SHARING_VIOLATION &&
        err != ERROR_LOCK_VIOLATION)
      return false;
    Sleep(50);
  }
  return false;
}

std::string unique_suffix() {
  static std::atomic<unsigned> counter{0};
  return std::to_string(GetCurrentProcessId()) + "-" + std::to_string(counter++);
}

}  // namespace platform
