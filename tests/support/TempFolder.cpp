#include "support/TempFolder.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>

#include "common/misc/WinUtil.h"

namespace fs = std::filesystem;

namespace {

void set_env(const char* name, const std::string& value) {
#ifdef _WIN32
  _putenv_s(name, value.c_str());
#else
  setenv(name, value.c_str(), 1);
#endif
}

void unset_env(const char* name) {
#ifdef _WIN32
  _putenv_s(name, "");
#else
  unsetenv(name);
#endif
}

}  // namespace

TempFolder::TempFolder(bool as_data_home) : m_data_home(as_data_home) {
  std::random_device rd;
  fs::path p = fs::temp_directory_path() /
               ("zorvo-test-" + platform::unique_suffix() + "-" + std::to_string(rd()));
  fs::create_directories(p);
  m_path = p.string() + platform::path_separator();
  if (m_data_home) {
    const char* old = std::getenv("XDG_DATA_HOME");
    m_had_data_home = old != nullptr;
    if (old) m_saved_data_home = old;
    set_env("XDG_DATA_HOME", p.string());
  }
}

TempFolder::~TempFolder() {
  if (m_data_home) {
    if (m_had_data_home)
      set_env("XDG_DATA_HOME", m_saved_data_home);
    else
      unset_env("XDG_DATA_HOME");
  }
  std::error_code ec;
  fs::remove_all(m_path, ec);
}

std::string read_file(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void write_file(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

bool file_exists(const std::string& path) {
  std::error_code ec;
  return fs::exists(path, ec);
}
