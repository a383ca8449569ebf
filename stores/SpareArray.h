#pragma once

#include <array>
#include <bit>
#include <cstdint>
#include <cstddef>
#include <memory>
#include <type_traits>

// A run of record fields that the file format reserves and no operation uses: kept only to be
// written back as they were loaded, and almost always all zero or empty. Until a value is
// stored in it, it costs one pointer instead of the whole run, so a record's memory follows
// what the user typed.
template <class T, std::size_t K>
class SpareArray {
 public:
  SpareArray() = default;
  SpareArray(const SpareArray& other) { copy_from(other); }
  SpareArray& operator=(const SpareArray& other) {
    if (this != &other) copy_from(other);
    return *this;
  }
  SpareArray(SpareArray&&) noexcept = default;
  SpareArray& operator=(SpareArray&&) noexcept = default;

  static constexpr std::size_t size() { return K; }

  // Reading never stores anything: an unset run reads as all default values.
  const T& operator[](std::size_t i) const { return m_values ? (*m_values)[i] : default_value(); }
  T& operator[](std::size_t i) { return values()[i]; }

  // Takes the values over, keeping nothing when they are all default.
  void assign(std::array<T, K>&& values) {
    for (const T& v : values) {
      if (!is_default(v)) {
        m_values = std::make_unique<std::array<T, K>>(std::move(values));
        return;
      }
    }
    m_values.reset();
  }

 private:
  std::array<T, K>& values() {
    if (!m_values) m_values = std::make_unique<std::array<T, K>>();
    return *m_values;
  }
  void copy_from(const SpareArray& other) {
    m_values = other.m_values ? std::make_unique<std::array<T, K>>(*other.m_values) : nullptr;
  }
  // Bit for bit: a stored -0.0 is not the default 0.0 and must be written back as it was.
  static bool is_default(const T& v) {
    if constexpr (std::is_floating_point_v<T>)
      return std::bit_cast<uint64_t>(static_cast<double>(v)) == 0;
    else
      return v == T{};
  }
  static const T& default_value() {
    static const T value{};
    return value;
  }

  std::unique_ptr<std::array<T, K>> m_values;
};
