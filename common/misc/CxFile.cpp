#include "common/misc/CxFile.h"

#include <bit>
#include <limits>
#include <cstring>
#include <filesystem>
#include <system_error>
#include <optional>

#include "common/misc/CxCheck.h"
#include "common/misc/WinUtil.h"

static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559,
              "the file format stores IEEE-754 doubles");

namespace {

std::optional<CxFile::Step> g_failing_step;

template <class U>
U to_little_endian(U v) {
  if constexpr (std::endian::native == std::endian::big) {
    U r = 0;
    for (std::size_t i = 0; i < sizeof(U); ++i) r = (r << 8) | ((v >> (8 * i)) & 0xFF);
    return r;
  }
  return v;
}

}  // namespace

void CxFile::fail_step_for_testing(const Step* step) {
  g_failing_step = step ? std::optional<Step>(*step) : std::nullopt;
}

bool CxFile::fail(Step step) const { return g_failing_step == step; }

CxFile::~CxFile() { Close(); }

bool CxFile::Open(const std::string& path, const char* mode) {
  if (path.empty() || !mode || !*mode) return false;
  std::string m(mode);
  m_data.clear();
  m_pos = 0;
  if (m == "rb") {
    m_fp = std::fopen(path.c_str(), "rb");
    if (!m_fp) return false;
    // The whole file in one read, straight into a buffer of its size; then whatever follows,
    // should the file have grown meanwhile.
    std::error_code ec;
    std::uintmax_t size = std::filesystem::file_size(path, ec);
    m_data.resize(ec ? 0 : static_cast<std::size_t>(size));
    m_data.resize(std::fread(m_data.data(), 1, m_data.size(), m_fp));
    char chunk[1 << 16];
    std::size_t n;
    while ((n = std::fread(chunk, 1, sizeof chunk, m_fp)) > 0) m_data.append(chunk, n);
    if (std::ferror(m_fp)) {
      Close();
      return false;
    }
    m_writing = false;
    m_target = path;
    return true;
  }
  if (m == "wb") {
    m_temp = path + ".tmp-" + platform::unique_suffix();
    m_fp = fail(Step::Open) ? nullptr : std::fopen(m_temp.c_str(), "wb");
    if (!m_fp) {
      m_temp.clear();
      return false;
    }
    m_writing = true;
    m_write_failed = false;
    m_target = path;
    m_out.reset(new char[kWriteChunk]);
    m_outLen = 0;
    return true;
  }
  return false;
}

bool CxFile::Close() {
  if (m_fp) {
    std::fclose(m_fp);
    m_fp = nullptr;
  }
  discard_temp();
  m_data.clear();
  m_data.shrink_to_fit();
  m_pos = 0;
  m_out.reset();
  m_outLen = 0;
  m_writing = false;
  return true;
}

void CxFile::discard_temp() {
  if (!m_temp.empty()) std::remove(m_temp.c_str());
  m_temp.clear();
}

bool CxFile::take(void* out, std::size_t n) {
  if (Remaining() < n) return false;
  std::memcpy(out, m_data.data() + m_pos, n);
  m_pos += n;
  return true;
}

bool CxFile::ReadDWord(int32_t* pdwVal) {
  cx_check(m_fp && pdwVal, "m_fp && pdwVal");
  uint32_t raw;
  if (!take(&raw, 4)) return false;
  *pdwVal = static_cast<int32_t>(to_little_endian(raw));
  return true;
}

bool CxFile::ReadDouble(double* pdVal) {
  cx_check(m_fp && pdVal, "m_fp && pdVal");
  uint64_t raw;
  if (!take(&raw, 8)) return false;
  *pdVal = std::bit_cast<double>(to_little_endian(raw));
  return true;
}

bool CxFile::ReadString(std::string_view* szBuf, int32_t* pnLen) {
  cx_check(m_fp && szBuf, "m_fp&&szBuf");
  int32_t len;
  if (!ReadDWord(&len)) return false;
  if (pnLen) *pnLen = len;
  if (len <= 0) return true;
  if (Remaining() < static_cast<uint32_t>(len)) return false;
  *szBuf = std::string_view(m_data.data() + m_pos, static_cast<uint32_t>(len));
  m_pos += static_cast<uint32_t>(len);
  return true;
}

bool CxFile::WriteDWord(int32_t value) {
  uint32_t raw = to_little_endian(static_cast<uint32_t>(value));
  return WriteBytes(std::string_view(reinterpret_cast<const char*>(&raw), 4));
}

bool CxFile::WriteDouble(double value) {
  uint64_t raw = to_little_endian(std::bit_cast<uint64_t>(value));
  return WriteBytes(std::string_view(reinterpret_cast<const char*>(&raw), 8));
}

bool CxFile::WriteString(std::string_view text) {
  WriteDWord(static_cast<int32_t>(text.size()));
  return WriteBytes(text);
}

void CxFile::write_through(std::string_view bytes) {
  cx_check(m_fp && m_out, "m_fp");
  write_out(m_out.get(), m_outLen);
  m_outLen = 0;
  if (bytes.size() >= kWriteChunk) {
    write_out(bytes.data(), bytes.size());
  } else {
    std::memcpy(m_out.get(), bytes.data(), bytes.size());
    m_outLen = bytes.size();
  }
}

void CxFile::write_out(const char* bytes, std::size_t n) {
  // Every write is checked; Commit fails when any of them did.
  if (fail(Step::Write) || std::fwrite(bytes, 1, n, m_fp) != n) m_write_failed = true;
}

bool CxFile::Commit() {
  cx_check(m_fp && m_writing, "m_fp");
  write_out(m_out.get(), m_outLen);
  m_outLen = 0;
  bool ok = !m_write_failed;
  ok = ok && !fail(Step::Flush) && std::fflush(m_fp) == 0;
  ok = ok && !fail(Step::Sync) && platform::sync_stream(m_fp);
  bool closed = std::fclose(m_fp) == 0;
  m_fp = nullptr;
  ok = ok && closed && !fail(Step::Close);
  ok = ok && !fail(Step::Replace) && platform::replace_file(m_temp, m_target);
  if (ok) m_temp.clear();  // it is the target now
  Close();
  return ok;
}
