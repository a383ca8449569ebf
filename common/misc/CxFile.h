#pragma once

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>

// A binary file with the program's byte encodings: int32 as 4 bytes little-endian, reals as
// 8-byte IEEE doubles little-endian, texts as an int32 length followed by that many bytes.
//
// Reading ("rb") takes the whole file into memory at Open, so every read knows how many bytes
// are left and a short or damaged file is noticed instead of read past.
//
// Writing ("wb") never touches the target until Commit: the bytes go to a temporary file in the
// same folder (in large chunks, every write checked), which is flushed, synced and then put in place of the target in one step. A
// failure at any point leaves the old file as it was and removes the temporary file.
class CxFile {
 public:
  // The steps of Commit, for tests that make one of them fail.
  enum class Step { Open, Write, Flush, Sync, Close, Replace };

  CxFile() = default;
  CxFile(const CxFile&) = delete;
  CxFile& operator=(const CxFile&) = delete;
  virtual ~CxFile();

  bool Open(const std::string& path, const char* mode);
  // Closes the file; a write that was not committed is thrown away. Always true.
  bool Close();

  // Reads return false, leaving the destination as it was, when the file holds too few bytes.
  bool ReadDWord(int32_t* pdwVal);
  bool ReadDouble(double* pdVal);
  // Reads a counted text; the text is a view into the file's bytes, valid until Close. A
  // length of 0 or below reads nothing more and leaves the view as it was.
  bool ReadString(std::string_view* szBuf, int32_t* pnLen);
  uint64_t Remaining() const { return m_data.size() - m_pos; }

  bool WriteDWord(int32_t value);
  bool WriteDouble(double value);
  bool WriteString(std::string_view text);
  bool WriteBytes(std::string_view bytes) {
    // The common case, a few bytes that fit the buffer, stays inline: a save writes millions.
    if (bytes.empty()) return true;
    if (m_out && bytes.size() <= kWriteChunk - m_outLen) {
      std::memcpy(m_out.get() + m_outLen, bytes.data(), bytes.size());
      m_outLen += bytes.size();
    } else {
      write_through(bytes);
    }
    return true;
  }
  // Puts the written bytes in place of the target file; false when any step fails.
  bool Commit();

  // Makes the given step of every following Commit fail (tests only); nullptr: none.
  static void fail_step_for_testing(const Step* step);

 private:
  bool fail(Step step) const;
  bool take(void* out, std::size_t n);
  void discard_temp();
  void write_out(const char* bytes, std::size_t n);
  void write_through(std::string_view bytes);

  static constexpr std::size_t kWriteChunk = 1 << 18;

  std::FILE* m_fp = nullptr;
  bool m_writing = false;
  bool m_write_failed = false;
  std::string m_target;
  std::string m_temp;
  std::string m_data;  // the whole file, when reading
  std::size_t m_pos = 0;
  std::unique_ptr<char[]> m_out;  // bytes not yet written, when writing
  std::size_t m_outLen = 0;
};
