#include "fuzz/FuzzFolder.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "common/misc/WinUtil.h"

namespace fs = std::filesystem;

FuzzFolder::FuzzFolder() {
  std::error_code ec;
  fs::path base =
      fs::is_directory("/dev/shm", ec) ? fs::path("/dev/shm") : fs::temp_directory_path();
  fs::path p = base / ("zorvo-fuzz-" + platform::unique_suffix());
  fs::create_directories(p);
  m_path = p.string() + platform::path_separator();
}

FuzzFolder::~FuzzFolder() {
  std::error_code ec;
  fs::remove_all(m_path, ec);
}

void FuzzFolder::empty() const {
  std::error_code ec;
  for (const auto& e : fs::directory_iterator(m_path, ec)) fs::remove_all(e.path(), ec);
}

void FuzzFolder::write(const std::string& name, const uint8_t* data, std::size_t size) const {
  std::ofstream out(m_path + name, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  expect(out.good(), "the input can be written as a file");
}

std::string FuzzFolder::read(const std::string& name) const {
  std::ifstream in(m_path + name, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void expect(bool holds, const char* promise) {
  if (holds) return;
  std::fprintf(stderr, "A promise did not hold: %s\n", promise);
  std::abort();
}
