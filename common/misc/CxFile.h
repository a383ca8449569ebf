#pragma once

#include <bit>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "common/misc/CxCheck.h"

// The file format is little-endian whatever the machine is.
template <class U>
U cx_little_endian(U v) {
  if constexpr (std::endian::native == std::endian::big) {
    U r = 0;
    for (std::size_t i = 0; i < sizeof(U); ++i) r = (r << 8) | ((v >> (8 * i)) & 0xFF);
    return r;
  }
  return v;
}

// The system's text for an error (an errno value), such as "No space left on device".
std::string cx_error_text(int error);

// A binary file with the program's byte encodings: int32 as 4 bytes little-endian, reals as
// 8-byte IEEE doubles little-endian, texts as an int32 length followed by that many bytes.
//
// Reading ("rb") goes through one buffer of fixed size, and every read knows how many bytes the
// file has left, so a short or damaged file is noticed instead of read past, and a length in
// the file can never make it claim more memory than the file holds.
//
// Writing ("wb") never touches the target until Commit: the bytes go to a temporary file in the
// same folder (in large chunks, every write checked), which is flushed, synced and then put in
// place of the target in one step, and that step is made durable. A failure at any point leaves
// the old file as it was and removes the temporary file; error() tells what failed.
class CxFile {
 public:
  // The steps of a save, for tests that make one of them fail.
  enum class Step { Open, Write, Flush, Sync, Close, Replace, FolderSync };
  // A failure a test puts in: the `nth` time `step` is reached (0: every time), it fails with
  // the system error `error` (an errno value such as ENOSPC or EIO).
  struct Fault {
    Step step;
    int error;
    int nth = 0;
  };

  CxFile() = default;
  CxFile(const CxFile&) = delete;
  CxFile& operator=(const CxFile&) = delete;
  virtual ~CxFile();

  bool Open(const std::string& path, const char* mode);
  // Closes the file; a write that was not committed is thrown away. Always true.
  bool Close();

  // Reads return false, leaving the destination as it was, when the file holds too few bytes.
  bool ReadDWord(int32_t* pdwVal) {
    cx_check(m_fp && pdwVal, "m_fp && pdwVal");
    uint32_t raw;
    if (!take(&raw, 4)) return false;
    *pdwVal = static_cast<int32_t>(cx_little_endian(raw));
    return true;
  }
  bool ReadDouble(double* pdVal) {
    cx_check(m_fp && pdVal, "m_fp && pdVal");
    uint64_t raw;
    if (!take(&raw, 8)) return false;
    *pdVal = std::bit_cast<double>(cx_little_endian(raw));
    return true;
  }
  // Reads a counted text; the text is a view valid until the next read. A length of 0 or
  // below reads nothing more and leaves the view as it was.
  bool ReadString(std::string_view* szBuf, int32_t* pnLen);
  // Whether every byte of the file has been read.
  bool AtEnd();

  bool WriteDWord(int32_t value);
  bool WriteDouble(double value);
  bool WriteString(std::string_view text);
  bool WriteBytes(std::string_view bytes) {
    // The common case, a few bytes that fit the buffer, stays inline: a save writes millions.
    if (bytes.empty()) return true;
    if (m_writing && bytes.size() <= kChunk - m_len) {
      std::memcpy(m_buf.get() + m_len, bytes.data(), bytes.size());
      m_len += bytes.size();
    } else {
      write_through(bytes);
    }
    return true;
  }
  // Puts the written bytes in place of the target file; false when any step fails.
  bool Commit();
  // The system error (errno) of the first step that failed since Open; 0 when none did.
  int error() const { return m_error; }

  // Removes from `folder` what saves that never finished left there: temporary files of a
  // process that was killed or lost its power while saving. Only while no other process saves
  // into the folder. The number of files removed.
  static int remove_leftovers(const std::string& folder);

  // Makes steps fail from now on (tests only); std::nullopt: none.
  static void set_fault_for_testing(std::optional<Fault> fault);
  // Makes the given step fail every time, with EIO (tests only); nullptr: none.
  static void fail_step_for_testing(const Step* step);

 private:
  static constexpr std::size_t kChunk = 1 << 18;

  bool take(void* out, std::size_t n) {
    if (m_len - m_pos < n && !fill(n)) return false;
    std::memcpy(out, m_buf.get() + m_pos, n);
    m_pos += n;
    return true;
  }
  // Makes at least `n` (at most kChunk) unread bytes stand in the buffer.
  bool fill(std::size_t n);
  // Keeps the error of the first failure (errno); always false.
  bool failure();
  // Replaces the target by the written temporary file, durably.
  bool put_in_place();
  void discard_temp();
  void write_out(const char* bytes, std::size_t n);
  void write_through(std::string_view bytes);

  std::FILE* m_fp = nullptr;
  bool m_writing = false;
  bool m_write_failed = false;
  bool m_read_failed = false;
  int m_error = 0;
  std::string m_target;
  std::string m_temp;
  // Reading: the unread bytes are m_buf[m_pos, m_len). Writing: the unwritten ones, [0, m_len).
  std::unique_ptr<char[]> m_buf;
  std::size_t m_pos = 0;
  std::size_t m_len = 0;
  std::string m_long_text;  // a text longer than the buffer
};
