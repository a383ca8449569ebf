#include "common/misc/CxFile.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <filesystem>
#include <limits>
#include <optional>
#include <system_error>

#include "common/misc/CxCheck.h"
#include "common/misc/WinUtil.h"

static_assert(sizeof(double) == 8 && std::numeric_limits<double>::is_iec559,
              "the file format stores IEEE-754 doubles");

namespace {

std::optional<CxFile::Fault> g_fault;
int g_reached = 0;  // how often the faulty step was reached since the fault was put in

// A save writes "<target>.tmp-<unique suffix>"; while the target is replaced, the old file also
// has the name "<that>.old".
constexpr std::string_view kTempMark = ".tmp-";
constexpr std::string_view kOldMark = ".old";

bool all_digits(std::string_view s) {
  return !s.empty() && std::all_of(s.begin(), s.end(), [](char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
  });
}

// Whether `name` is one of the names above: a unique suffix is "<process id>-<counter>".
bool is_leftover_name(std::string_view name) {
  if (name.ends_with(kOldMark)) name.remove_suffix(kOldMark.size());
  std::size_t at = name.rfind(kTempMark);
  if (at == std::string_view::npos || at == 0) return false;
  std::string_view unique = name.substr(at + kTempMark.size());
  std::size_t dash = unique.find('-');
  return dash != std::string_view::npos && all_digits(unique.substr(0, dash)) &&
         all_digits(unique.substr(dash + 1));
}

// The buffer of the last file this thread closed, for the next one it opens: a buffer this
// large would otherwise be mapped and unmapped by the allocator for every file.
thread_local std::unique_ptr<char[]> t_spare_buffer;

std::unique_ptr<char[]> take_buffer(std::size_t size) {
  return t_spare_buffer ? std::move(t_spare_buffer) : std::unique_ptr<char[]>(new char[size]);
}

// Whether a fault a test put in makes `step` fail this time; it then sets errno as the real
// failure would.
bool injected(CxFile::Step step) {
  if (!g_fault || g_fault->step != step) return false;
  ++g_reached;
  if (g_fault->nth != 0 && g_reached != g_fault->nth) return false;
  errno = g_fault->error;
  return true;
}

}  // namespace

std::string cx_error_text(int error) {
  return std::generic_category().message(error);
}

void CxFile::set_fault_for_testing(std::optional<Fault> fault) {
  g_fault = fault;
  g_reached = 0;
}

void CxFile::fail_step_for_testing(const Step* step) {
  set_fault_for_testing(step ? std::optional<Fault>(Fault{*step, EIO}) : std::nullopt);
}

bool CxFile::failure() {
  if (m_error == 0) m_error = errno != 0 ? errno : EIO;
  return false;
}

int CxFile::remove_leftovers(const std::string& folder) {
  namespace fs = std::filesystem;
  std::error_code ec;
  int removed = 0;
  for (const fs::directory_entry& e : fs::directory_iterator(folder, ec)) {
    std::error_code ignored;
    if (e.is_regular_file(ignored) && is_leftover_name(e.path().filename().string()) &&
        fs::remove(e.path(), ignored))
      ++removed;
  }
  return removed;
}

CxFile::~CxFile() {
  Close();
}

bool CxFile::Open(const std::string& path, const char* mode) {
  if (path.empty() || !mode || !*mode) return false;
  std::string m(mode);
  m_pos = m_len = 0;
  m_error = 0;
  if (m == "rb") {
    m_fp = std::fopen(path.c_str(), "rb");
    if (!m_fp) return false;
    m_buf = take_buffer(kChunk);
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
    m_temp = path + std::string(kTempMark) + platform::unique_suffix();
    m_fp = injected(Step::Open) ? nullptr : std::fopen(m_temp.c_str(), "wb");
    if (!m_fp) {
      m_temp.clear();
      return failure();
    }
    m_buf = take_buffer(kChunk);
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
  if (m_buf && !t_spare_buffer) t_spare_buffer = std::move(m_buf);
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

bool CxFile::AtEnd() {
  return m_pos == m_len && !fill(1);
}

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
  // Every write is checked, and once one failed no more are tried: Commit fails anyway.
  if (m_write_failed || n == 0) return;
  if (injected(Step::Write) || std::fwrite(bytes, 1, n, m_fp) != n) {
    m_write_failed = true;
    failure();
  }
}

bool CxFile::Commit() {
  cx_check(m_fp && m_writing, "m_fp");
  write_out(m_buf.get(), m_len);
  m_len = 0;
  bool ok = !m_write_failed;
  if (ok && (injected(Step::Flush) || std::fflush(m_fp) != 0)) ok = failure();
  if (ok && (injected(Step::Sync) || !platform::sync_stream(m_fp))) ok = failure();
  bool closed = std::fclose(m_fp) == 0;
  m_fp = nullptr;
  if (ok && (!closed || injected(Step::Close))) ok = failure();
  ok = ok && put_in_place();
  Close();
  return ok;
}

bool CxFile::put_in_place() {
  const bool needs_folder_sync = platform::replace_needs_folder_sync();
  // Until the folder is synced the replacement may not survive a power cut. Meanwhile the old
  // file keeps a second name, so that it can be put back when the sync fails: a failed save
  // leaves the disk as it was, and the caller still has the bytes to try again.
  std::string old_name;
  bool had_target = true;
  if (needs_folder_sync) {
    if (platform::link_file(m_target, m_temp + std::string(kOldMark)))
      old_name = m_temp + std::string(kOldMark);
    else
      had_target = errno != ENOENT;
  }
  if (injected(Step::Replace) || !platform::replace_file(m_temp, m_target)) {
    failure();
    if (!old_name.empty()) std::remove(old_name.c_str());
    return false;
  }
  m_temp.clear();  // it is the target now
  if (!needs_folder_sync) return true;
  if (!injected(Step::FolderSync) && platform::sync_folder_of(m_target)) {
    if (!old_name.empty()) std::remove(old_name.c_str());
    return true;
  }
  failure();
  if (!old_name.empty())
    platform::replace_file(old_name, m_target);
  else if (!had_target)
    std::remove(m_target.c_str());
  platform::sync_folder_of(m_target);
  return false;
}
