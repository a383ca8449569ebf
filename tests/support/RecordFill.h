#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "stores/SpareArray.h"
#include "stores/RecordIo.h"
#include "stores/Text.h"

// Gives every stored field of a record a value of its own (spares and reserved slots too), so
// that a round trip that drops, moves or mixes up any field shows.
class RecordFill {
 public:
  explicit RecordFill(int32_t seed) : m_next(seed) {}

  void operator()(int32_t& v) { v = m_next++; }
  void operator()(double& v) { v = m_next++ + 0.25; }
  template <std::size_t N>
  void operator()(Text<N>& t) {
    std::string s = "t" + std::to_string(m_next++) + "-";
    while (s.size() < std::min<std::size_t>(N - 1, 40)) s += char('a' + s.size() % 26);
    t = s;
  }
  template <record_io::FieldRun A>
  void operator()(A& run) {
    for (std::size_t i = 0; i < run.size(); ++i) (*this)(run[i]);
  }

  template <class R>
  static void fill(R& record, int32_t seed) {
    RecordFill f(seed);
    R::stored_fields(record, f);
  }

 private:
  int32_t m_next;
};
