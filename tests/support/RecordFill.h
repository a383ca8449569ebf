#pragma once

#include <array>
#include <climits>
#include <cstdint>
#include <string>

#include "stores/RecordIo.h"
#include "stores/SpareArray.h"
#include "stores/Text.h"

// Gives every stored field of a record a value of its own (spares and reserved slots too), so
// that a round trip that drops, moves or mixes up any field shows.
class RecordFill {
 public:
  // With `full_texts`, every text is as long as its field allows.
  explicit RecordFill(int32_t seed, bool full_texts = false)
      : m_next(seed), m_full_texts(full_texts) {}

  void operator()(int32_t& v) { v = m_next++; }
  void operator()(double& v) { v = m_next++ + 0.25; }
  template <std::size_t N>
  void operator()(Text<N>& t) {
    std::string s = "t" + std::to_string(m_next++) + "-";
    const std::size_t length = m_full_texts ? N - 1 : std::min<std::size_t>(N - 1, 40);
    while (s.size() < length) s += char('a' + s.size() % 26);
    t = s;
  }
  template <record_io::FieldRun A>
  void operator()(A& run) {
    for (std::size_t i = 0; i < run.size(); ++i) (*this)(run[i]);
  }

  template <class R>
  static void fill(R& record, int32_t seed, bool full_texts = false) {
    RecordFill f(seed, full_texts);
    R::stored_fields(record, f);
  }

 private:
  int32_t m_next;
  bool m_full_texts;
};

// Values where a platform difference or a careless reader would show: the extremes of an
// int32, a date before the epoch, a real without an exact binary form, and texts holding line
// ends, the byte that ends a text-mode file on Windows, and bytes above 127.
class EdgeFill {
 public:
  void operator()(int32_t& v) { v = kInts[m_next++ % 3]; }
  void operator()(double& v) { v = kReals[m_next++ % 3]; }
  template <std::size_t N>
  void operator()(Text<N>& t) {
    t = "line\r\nend\n\x1A caf\xE9 \xFF";
  }
  template <record_io::FieldRun A>
  void operator()(A& run) {
    for (std::size_t i = 0; i < run.size(); ++i) (*this)(run[i]);
  }

 private:
  static constexpr int32_t kInts[] = {INT32_MIN, -1, INT32_MAX};
  static constexpr double kReals[] = {-1.5, 0.1, 45000.999988425923};
  int m_next = 0;
};
