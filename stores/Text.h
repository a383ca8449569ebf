#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string_view>
#include <utility>

// A text field of a record with capacity N: it never holds more than N - 1 bytes (assignment
// cuts the rest, and stops at a NUL as the C text it stands for would). It copies like a value.
// Its memory follows what it holds: an empty text costs one pointer.
template <std::size_t N>
class Text {
  static_assert(N >= 2, "a text field holds at least one character");

 public:
  static constexpr std::size_t capacity = N;
  static constexpr std::size_t max_length = N - 1;

  Text() = default;
  Text(std::string_view s) { assign(s); }  // NOLINT: texts are assigned from plain strings
  Text(const Text& other) { assign(other.view()); }
  Text(Text&& other) noexcept : m_p(std::exchange(other.m_p, nullptr)) {}
  Text& operator=(const Text& other) {
    if (this != &other) assign(other.view());
    return *this;
  }
  Text& operator=(Text&& other) noexcept {
    std::swap(m_p, other.m_p);
    return *this;
  }
  Text& operator=(std::string_view s) {
    assign(s);
    return *this;
  }
  ~Text() { delete[] m_p; }

  const char* c_str() const { return m_p ? m_p : ""; }
  std::string_view view() const { return m_p ? std::string_view(m_p) : std::string_view(); }
  std::size_t size() const { return m_p ? std::strlen(m_p) : 0; }
  bool empty() const { return m_p == nullptr; }
  bool operator==(std::string_view s) const { return view() == s; }
  bool operator==(const Text& other) const { return view() == other.view(); }

 private:
  void assign(std::string_view s) {
    s = s.substr(0, std::min(s.find('\0'), max_length));
    char* p = nullptr;
    if (!s.empty()) {
      p = new char[s.size() + 1];
      std::memcpy(p, s.data(), s.size());
      p[s.size()] = '\0';
    }
    delete[] m_p;
    m_p = p;
  }

  char* m_p = nullptr;
};
