#include "common/misc/CxFile.h"

#include <algorithm>
#include <limits>
#include <optional>

#include "common/misc/CxCheck.h"
#include "common/misc/WinUtil.h"

static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559,
              "the file format stores IEEE-754 doubles");

namespace {

std::optional<CxFile::Step> g_failing_step;

}  // namespace

void CxFile::fail_step_for_testing(const Step* step) {
  g_failing_step = step ? std::optional<Step>(*step) : std::nullopt;
}

bool CxFile::fail(Step step) const { return g_failing_step == step; }

CxFile::~CxFile() { Close(); }

bool CxFile::Open(const std::string& path, const char* mode) {
  if (path.empty() || !mode || !*mode) return false;
  std::string m(mode);
  m_pos = m_len = 0;
  if (m == "rb") {
    m_fp = std::fopen(path.c_str(), "rb");
    if (!m_fp) return false;
    m_buf.reset(new char[kChunk]);
    m_writing = false;
    m_read_failed = false;
    // Something that opens but cannot be read (a folder) counts as not opened.
    if (!fill(0)) {
      Close();
      return false;
    }
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
    m_buf.reset(new char[kChunk]);
    m_writing = true;
    m_write_failed = false;
    m_target = path;
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
  m_buf.reset();
  m_pos = m_len = 0;
  m_long_text = std::string();
  m_writing = false;
  return true;
}

void CxFile::discard_temp() {
  if (!m_temp.empty()) std::remove(m_temp.c_str());
  m_temp.clear();
}

bool CxFile::fill(std::size_t n) {
  if (m_read_failed) return false;
  std::memmove(m_buf.get(), m_buf.get() + m_pos, m_len - m_pos);
  m_len -= m_pos;
  m_pos = 0;
  while (m_len < kChunk) {
    std::size_t got = std::fread(m_buf.get() + m_len, 1, kChunk - m_len, m_fp);
    m_len += got;
    if (got == 0) break;
  }
  if (std::ferror(m_fp)) m_read_failed = true;
  return !m_read_failed && m_len >= n;
}

bool CxFile::AtEnd() { return m_pos == m_len && !fill(1); }

bool CxFile::ReadString(std::string_view* szBuf, int32_t* pnLen) {
  cx_check(m_fp && szBuf, "m_fp&&szBuf");
  int32_t len;
  if (!ReadDWord(&len)) return false;
  if (pnLen) *pnLen = len;
  if (len <= 0) return true;
  const auto n = static_cast<std::size_t>(len);
  if (n <= kChunk) {
    if (m_len - m_pos < n && !fill(n)) return false;
    *szBuf = std::string_view(m_buf.get() + m_pos, n);
    m_pos += n;
    return true;
  }
  // Longer than the buffer (no field holds that much): gather it piece by piece, so that a
  // false length costs no more memory than the file really has.
  m_long_text.clear();
  while (m_long_text.size() < n) {
    if (m_pos == m_len && !fill(1)) return false;
    std::size_t piece = std::min(n - m_long_text.size(), m_len - m_pos);
    m_long_text.append(m_buf.get() + m_pos, piece);
    m_pos += piece;
  }
  *szBuf = m_long_text;
  return true;
}

bool CxFile::WriteDWord(int32_t value) {
  uint32_t raw = cx_little_endian(static_cast<uint32_t>(value));
  return WriteBytes(std::string_view(reinterpret_cast<const char*>(&raw), 4));
}

bool CxFile::WriteDouble(double value) {
  uint64_t raw = cx_little_endian(std::bit_cast<uint64_t>(value));
  return WriteBytes(std::string_view(reinterpret_cast<const char*>(&raw), 8));
}

bool CxFile::WriteString(std::string_view text) {
  WriteDWord(static_cast<int32_t>(text.size()));
  return WriteBytes(text);
}

void CxFile::write_through(std::string_view bytes) {
  cx_check(m_fp && m_buf && m_writing, "m_fp");
  write_out(m_buf.get(), m_len);
  m_len = 0;
  if (bytes.size() >= kChunk) {
    write_out(bytes.data(), bytes.size());
  } else {
    std::memcpy(m_buf.get(), bytes.data(), bytes.size());
    m_len = bytes.size();
  }
}

void CxFile::write_out(const char* bytes, std::size_t n) {
  // Every write is checked; Commit fails when any of them did.
  if (fail(Step::Write) || std::fwrite(bytes, 1, n, m_fp) != n) m_write_failed = true;
}

bool CxFile::Commit() {
  cx_check(m_fp && m_writing, "m_fp");
  write_out(m_buf.get(), m_len);
  m_len = 0;
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
