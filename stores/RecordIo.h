#pragma once

#include <array>
#include <cstdint>
#include <string_view>

#include "common/misc/CxFile.h"
#include "stores/SpareArray.h"
#include "stores/Text.h"

// Reading and writing a record through the list of its stored fields, which every
// record type gives in file order as `stored_fields(record, visitor)`. One list serves both,
// so the file layout is written down once per record.
namespace record_io {

// A run of fields of one type stored one after the other (std::array, SpareArray).
template <class A>
concept FieldRun = requires(A& run) {
  run.size();
  run[0];
};

class Reader {
 public:
  explicit Reader(CxFile& file) : m_file(file) {}

  void operator()(int32_t& v) {
    if (m_ok) m_ok = m_file.ReadDWord(&v);
  }
  void operator()(double& v) {
    if (m_ok) m_ok = m_file.ReadDouble(&v);
  }
  template <std::size_t N>
  void operator()(Text<N>& text) {
    if (!m_ok) return;
    std::string_view bytes;
    int32_t length = 0;
    m_ok = m_file.ReadString(&bytes, &length);
    if (!m_ok || length <= 0) return;
    if (bytes.size() > Text<N>::max_length) m_truncated = true;
    text = bytes;
  }
  template <FieldRun A>
  void operator()(A& run) {
    for (std::size_t i = 0; i < run.size(); ++i) (*this)(run[i]);
  }
  template <class T, std::size_t K>
  void operator()(SpareArray<T, K>& spares) {
    std::array<T, K> values{};
    (*this)(values);
    spares.assign(std::move(values));
  }

  // Every field was read whole.
  bool ok() const { return m_ok; }
  // A stored text was longer than its field and was cut.
  bool truncated() const { return m_truncated; }

 private:
  CxFile& m_file;
  bool m_ok = true;
  bool m_truncated = false;
};

class Writer {
 public:
  explicit Writer(CxFile& file) : m_file(file) {}

  void operator()(const int32_t& v) { m_file.WriteDWord(v); }
  void operator()(const double& v) { m_file.WriteDouble(v); }
  template <std::size_t N>
  void operator()(const Text<N>& text) {
    m_file.WriteString(text.view());
  }
  template <FieldRun A>
  void operator()(const A& run) {
    for (std::size_t i = 0; i < run.size(); ++i) (*this)(run[i]);
  }

 private:
  CxFile& m_file;
};

}  // namespace record_io
